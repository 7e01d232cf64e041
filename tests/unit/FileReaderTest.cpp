#include "document/FileReader.h"
#include "catalogue/KeywordCatalogue.h"
#include "core/CKeyDatabase.h"
#include "core/RunContext.h"
#include "core/TextLines.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

const std::string M = "\xA7"; // the value mark

struct ReaderFixture {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};
    CKeyDatabase database{&run};

    void Read(const std::string& text) {
        VectorTextLines lines = VectorTextLines::FromBytes(text);
        BuildDatabase(run, database, lines);
    }
};

struct KeyValueCase {
    const char* line;
    const char* key;
    std::string value;
};

class ReaderKeyValue : public ::testing::TestWithParam<KeyValueCase> {};

TEST_P(ReaderKeyValue, CutsKeyAndValue) {
    const KeyValueCase& c = GetParam();
    ReaderFixture f;
    // Unknown keys keep the value as the reader cut it, so the reader is seen alone.
    f.Read("#TALVERON_DP\n" + std::string(c.line) + "\n");
    ASSERT_EQ(f.database.Count(), 1u);
    EXPECT_EQ(f.database.At(0).Key, c.key);
    EXPECT_EQ(f.database.At(0).Value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReaderKeyValue,
    ::testing::Values(
        KeyValueCase{"Key = Value", "Key", "Value"}, KeyValueCase{"Key=Value", "Key", "Value"},
        KeyValueCase{"Key =Value", "Key", "Value"}, KeyValueCase{"Key Value", "Key", "Value"},
        KeyValueCase{"EndBlock", "EndBlock", ""},
        KeyValueCase{"EndBlock ; comment", "EndBlock", ""},
        KeyValueCase{"NoSep;comment", "NoSep", ""},
        // Only the blank separates: a tab stays inside the key.
        KeyValueCase{"Key\tValue", "Key\tValue", ""}, KeyValueCase{"Key\t=\tValue", "Key", "Value"},
        KeyValueCase{"Key = \"ACME\"", "Key", "ACME" + M},
        KeyValueCase{"Key = \"a;b\" ; comment", "Key", "a;b" + M},
        KeyValueCase{"Key = 5 ; comment", "Key", "5"}, KeyValueCase{"Key = 1 = 2", "Key", "1   2"},
        KeyValueCase{"Key = \"x = y\"", "Key", "x = y" + M},
        KeyValueCase{"Idx(0) = 0x00,0x01", "Idx", "0" + M + "   0x00,0x01"},
        KeyValueCase{"Idx(3) = \"Text (x)\"", "Idx", "3" + M + "    Text (x)" + M},
        KeyValueCase{"Key = 1 ; see a\\b", "Key", "1"},
        KeyValueCase{"Key = \"a\" \"b\"", "Key", "a" + M + "  b" + M},
        KeyValueCase{"Key = ; \"quoted\" comment", "Key", ""},
        KeyValueCase{"Key = 1 (2)", "Key", "1  2" + M},
        // A ';' inside quotes is text, also behind an index mark; a stray quote does not
        // hide the comment.
        KeyValueCase{"Idx(1) = \"x;y\" ; c", "Idx", "1" + M + "    x;y" + M},
        KeyValueCase{"Key = \"open ; comment", "Key", "open"},
        // Only a trailing backslash continues a value.
        KeyValueCase{"Key = \"C:\\TEMP\\A\"", "Key", "C:\\TEMP\\A" + M}));

TEST(FileReader, HeaderStartsTheContent) {
    ReaderFixture f;
    f.Read("A = 1\n; comment\n#talveron_dp ; header\nB = 2\n\n   \n; c\nC = 3\n#TALVERON_DP\n");
    ASSERT_EQ(f.database.Count(), 3u);
    EXPECT_EQ(f.database.At(0).Key, "B");
    EXPECT_EQ(f.database.At(0).Line, 3);
    EXPECT_EQ(f.database.At(1).Key, "C");
    EXPECT_EQ(f.database.At(1).LongLine, 7);
    // A second header line is an ordinary entry.
    EXPECT_EQ(f.database.At(2).Key, "#TALVERON_DP");
}

TEST(FileReader, NoHeaderGivesNoEntries) {
    for (const char* text : {"A = 1\nB = 2\n", "A = 1\n#TALVERON_DP", ""}) {
        ReaderFixture f;
        f.Read(text);
        EXPECT_EQ(f.database.Count(), 0u) << text;
    }
}

TEST(FileReader, ContinuationJoinsLines) {
    ReaderFixture f;
    f.Read("#TALVERON_DP\nList = 0x01,0x02,\\\n  0x03,\\\n0x04\nNext = 1\n");
    ASSERT_EQ(f.database.Count(), 2u);
    const CDbEntry& list = f.database.At(0);
    EXPECT_EQ(list.Value, "0x01,0x02,  0x03,0x04");
    EXPECT_EQ(list.LongLine, 1);
    EXPECT_EQ(list.Line, 3);
    EXPECT_EQ(f.database.At(1).LongLine, 4);
}

TEST(FileReader, ContinuationOnTheLastLineEndsThere) {
    ReaderFixture f;
    f.Read("#TALVERON_DP\nList = 1,\\");
    ASSERT_EQ(f.database.Count(), 1u);
    EXPECT_EQ(f.database.At(0).Value, "1,");
    EXPECT_EQ(f.database.At(0).Line, 1);
}

TEST(FileReader, QuotedTextWithSemicolonContinuesOverLines) {
    ReaderFixture f;
    f.Read("#TALVERON_DP\nInfo = \"first; part \\\nsecond part\" ; c\nNext = 1\n");
    ASSERT_EQ(f.database.Count(), 2u);
    EXPECT_EQ(f.database.At(0).Value, "first; part second part" + M);
    EXPECT_EQ(f.database.At(1).Key, "Next");
}

TEST(FileReader, QuotedTextContinuesOverLines) {
    ReaderFixture f;
    f.Read("#TALVERON_DP\nInfo = \"first part \\\nsecond part\"\n");
    ASSERT_EQ(f.database.Count(), 1u);
    EXPECT_EQ(f.database.At(0).Value, "first part second part" + M);
    EXPECT_EQ(f.database.At(0).Line, 2);
}

// Joins where what is already kept decides: a backslash left at the end of the kept text
// continues once more when the next line holds no code, and a quote left open keeps a
// ';' of the next line as text.
struct JoinCase {
    const char* text;
    const char* value;
    int lastLine;
    const char* nextKey; // the entry after the joined one, or empty
};

TEST(FileReader, ContinuationJoinKeepsTheStateOfTheKeptText) {
    const JoinCase cases[] = {
        {"Key = a\\\\\\\n\nX = 1", "a\\X = 1", 3, ""},
        {"Key = a \\ \\\n\n\nQ = 2", "a", 3, "Q"},
        {"Key = \"x;\\\ny\" ; c\\\nZ = 1", "x;y\xA7", 2, "Z"},
        {"Key = \"open\\\n;not a comment\\\nend\"", "open;not a commentend\xA7", 3, ""},
        {"Key = 1,\\ ; comment\n  2", "1,  2", 2, ""},
    };
    for (const JoinCase& c : cases) {
        ReaderFixture f;
        f.Read("#TALVERON_DP\n" + std::string(c.text) + "\n");
        ASSERT_GE(f.database.Count(), 1u) << c.text;
        EXPECT_EQ(f.database.At(0).Value, c.value) << c.text;
        EXPECT_EQ(f.database.At(0).LongLine, 1) << c.text;
        EXPECT_EQ(f.database.At(0).Line, c.lastLine) << c.text;
        std::string next = f.database.Count() > 1 ? f.database.At(1).Key : "";
        EXPECT_EQ(next, c.nextKey) << c.text;
    }
}

TEST(FileReader, ByteOrderMarkIsSkippedBeforeTheHeader) {
    ReaderFixture f;
    f.Read("\xEF\xBB\xBF#TALVERON_DP\nA = 1\n");
    ASSERT_EQ(f.database.Count(), 1u);
    EXPECT_EQ(f.database.At(0).Key, "A");
    // Only at the start of the file.
    ReaderFixture g;
    g.Read("#TALVERON_DP\n\xEF\xBB\xBF#TALVERON_DP\n");
    ASSERT_EQ(g.database.Count(), 1u);
    EXPECT_EQ(g.database.At(0).Key, "\xEF\xBB\xBF#TALVERON_DP");
}

TEST(FileReader, CrLfAndLongLinesAndBinary) {
    ReaderFixture f;
    std::string longValue(5000, '7');
    std::string binary("Bin = a\0b\x01\xff", 11);
    f.Read("#TALVERON_DP\r\nA = 1\r\nLong = " + longValue + "\r\n" + binary + "\r\n");
    ASSERT_EQ(f.database.Count(), 3u);
    EXPECT_EQ(f.database.At(0).Value, "1");
    EXPECT_EQ(f.database.At(1).Value, longValue);
    EXPECT_EQ(f.database.At(2).Value, std::string("a\0b\x01\xff", 5));
}

TEST(FileReader, OpenBlockIsResetAndLastEntryIsCurrent) {
    ReaderFixture f;
    f.Read("#TALVERON_DP\nModule = \"M\" 0x13\n1\n");
    ASSERT_EQ(f.database.Count(), 2u);
    EXPECT_EQ(f.run.OpenBlockEntry, nullptr);
    EXPECT_EQ(f.run.Focus.CurrentEntry, &f.database.At(1));
    f.database.Clear();
    EXPECT_EQ(f.run.Focus.CurrentEntry, nullptr);
}

// The classification's lookup of each key is kept for the check: the code of what the key
// names, or kKeyRewritten where the classification changed the key (a bare number inside a
// block becomes a Module_Reference).
TEST(FileReader, KeepsWhatEachKeyNamesUnlessItWasRewritten) {
    ReaderFixture f;
    VectorTextLines lines = VectorTextLines::FromBytes("#TALVERON_DP\n"
                                                       "vendor_name = \"ACME\"\n"
                                                       "Module = \"M\" 0x13\n"
                                                       "0x1F\n"
                                                       "EndModule\n"
                                                       "My_Own_Key = 1\n"
                                                       "Slave_Related\n");
    std::vector<std::uint16_t> codes = {7, 7, 7}; // replaced, not added to
    BuildDatabase(f.run, f.database, lines, codes);
    ASSERT_EQ(f.database.Count(), 6u);
    ASSERT_EQ(codes.size(), 6u);
    const KeywordCatalogue& catalogue = KeywordCatalogue::Instance();
    for (std::size_t i : {0u, 1u, 3u, 4u, 5u})
        EXPECT_EQ(codes[i], catalogue.NameCode(f.database.At(i).Key)) << i;
    EXPECT_TRUE(catalogue.EntryOf(codes[0]).Keyword);
    EXPECT_EQ(codes[2], kKeyRewritten);
    EXPECT_EQ(f.database.At(2).Key, "Module_Reference");
    EXPECT_EQ(codes[4], KeywordCatalogue::kUnknownName);
    EXPECT_FALSE(catalogue.EntryOf(codes[4]).Keyword);
}

} // namespace
} // namespace kvf
