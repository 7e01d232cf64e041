#include "core/EntryText.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/CKeyDatabase.h"
#include "core/KeywordTable.h"
#include "core/RunContext.h"
#include "core/TextLines.h"
#include "document/FileReader.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <cctype>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kvf {
namespace {

// Long enough to be reached through a length rather than packed into the handle.
std::string LongText() {
    std::string text(40000, 'x');
    text.back() = 'y';
    return text;
}

TEST(EntryText, HoldsWhatIsAssignedWhateverItsLength) {
    const std::string cases[] = {"", "A", std::string(100, 'v'), std::string("with\0nul", 8),
                                 LongText()};
    EntryTextStore store;
    for (const std::string& text : cases) {
        EntryText owned(text);
        EntryText kept = store.Keep(text);
        EXPECT_EQ(owned, text);
        EXPECT_EQ(kept, text);
        EXPECT_EQ(owned.size(), text.size());
        EXPECT_EQ(kept.IsKept(), !text.empty());
        EXPECT_FALSE(owned.IsKept());
    }
}

TEST(EntryText, AssigningAPartOfItselfKeepsThePart) {
    for (const std::string& text : {std::string("  Vendor  "), "  " + LongText()}) {
        EntryText owned(text);
        owned = owned.View().substr(2);
        EXPECT_EQ(owned, std::string_view(text).substr(2));
    }
}

TEST(EntryText, ACopyOutlivesTheStoreItWasCopiedFrom) {
    auto store = std::make_unique<EntryTextStore>();
    EntryText kept = store->Keep("Model_Name");
    EntryText longKept = store->Keep(LongText());
    EntryText copy = kept;
    EntryText longCopy;
    longCopy = longKept;
    store.reset();
    EXPECT_EQ(copy, "Model_Name");
    EXPECT_EQ(longCopy, LongText());
    EXPECT_FALSE(copy.IsKept());
}

TEST(EntryText, ReadsAsAString) {
    EntryText text("Ident_Number");
    std::string asString = text;
    EXPECT_EQ(asString, "Ident_Number");
    EXPECT_EQ("=" + text + ";", "=Ident_Number;");
    EXPECT_EQ(text.find('_'), 5u);
    EXPECT_EQ(text.substr(6), "Number");
    EXPECT_TRUE(text == std::string("Ident_Number"));
}

TEST(EntryTextStore, ViewsAndSharesWithoutCopying) {
    EntryTextStore store;
    const std::string bytes = "Vendor_Name = ACME";
    EntryText view = store.View(std::string_view(bytes).substr(0, 11));
    EXPECT_EQ(view.data(), bytes.data());
    EntryText shared = store.Share(view);
    EXPECT_EQ(shared.data(), bytes.data());
    // A text of its own is copied into the store, never pointed at.
    EntryText owned("ACME");
    EXPECT_NE(store.Share(owned).data(), owned.data());
    EXPECT_EQ(store.BlockBytes(), 4u * 1024); // one small first block
}

TEST(ValueParts, LastTwoPartsAreMadeWhenWritten) {
    ValueParts parts;
    const ValueParts& read = parts;
    EXPECT_TRUE(read[3].empty());
    parts[3] = "0-255";
    parts[0] = "1";
    ValueParts copy = parts;
    parts[3] = "changed";
    EXPECT_EQ(copy, (std::array<std::string, 4>{"1", "", "", "0-255"}));
    std::vector<std::string> seen(copy.begin(), copy.end());
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "", "", "0-255"}));
}

struct Fixture {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};
};

TEST(EntryTexts, DatabaseKeepsTheFileBytesItsEntriesPointInto) {
    Fixture f;
    CKeyDatabase database(&f.run);
    {
        BufferTextLines lines("#TALVERON_DP\nVendor_Name = \"ACME\"\nText(1) = \"On\"\n"
                              "Max_Diag_Data_Len = 6\n");
        BuildDatabase(f.run, database, lines);
    }
    ASSERT_EQ(database.Count(), 3u);
    EXPECT_EQ(database.At(0).Key, "Vendor_Name");
    EXPECT_EQ(database.At(0).Value, "ACME");
    EXPECT_EQ(database.At(1).m_Ready[0], "1");
    EXPECT_EQ(database.At(1).m_Ready[1], "On");
    EXPECT_EQ(database.At(2).Value, "6");
    EXPECT_TRUE(database.At(2).Value.IsKept());
}

TEST(EntryTexts, StoringIntoAnEntryOfADatabaseKeepsTheNewText) {
    Fixture f;
    CKeyDatabase database(&f.run);
    VectorTextLines lines({"#TALVERON_DP", "Vendor_Name = \"ACME\""});
    BuildDatabase(f.run, database, lines);
    CDbEntry& entry = database.At(0);
    f.run.Focus.CurrentEntry = &entry;
    f.run.Focus.InputForm.Values[0] = "Other Vendor";
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_STORE, "");
    EXPECT_EQ(entry.m_Ready[0], "Other Vendor");
    EXPECT_EQ(entry.Value, "=\"Other Vendor\"");
    CDbEntry copy = entry;
    database.Clear();
    EXPECT_EQ(copy.Key, "Vendor_Name");
}

TEST(EntryTexts, ClassifyingAnEntryThatOwnsItsTextsReadsThemBeforeRewriting) {
    Fixture f;
    CDbEntry entry("Unit_Diag_Bit", std::string("3\xA7    Text (x)\xA7"), 0, 0);
    f.run.Focus.CurrentEntry = &entry;
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_CLASSIFY, entry.Value);
    EXPECT_EQ(entry.m_Ready[0], "3");
    EXPECT_EQ(entry.m_Ready[1], "Text (x)");
}

TEST(KeywordTable, FindsNamesWhateverTheirCase) {
    KeywordTable<int> table;
    for (int i = 0; i < 300; ++i)
        table.Insert("Key_" + std::to_string(i), i);
    EXPECT_EQ(table.Insert("KEY_7", 1000), 7); // the first insertion wins
    struct Case {
        std::string Name;
        std::optional<int> Want;
    };
    const Case cases[] = {
        {"Key_0", 0},
        {"key_299", 299},
        {"KEY_150", 150},
        {"Key_300", std::nullopt},
        {"", std::nullopt},
        {"Key_", std::nullopt},
        {"Key_0 ", std::nullopt},
    };
    for (const Case& c : cases) {
        const int* found = table.Find(c.Name);
        EXPECT_EQ(found ? std::optional<int>(*found) : std::nullopt, c.Want) << c.Name;
    }
    EXPECT_EQ(table.Size(), 300u);
}

// Every length up to three words, each byte in turn: a change of case leaves the name equal
// and its hash alike; any other change of a byte makes it a different name.
TEST(KeywordTable, CaseOfEveryByteOfEveryLengthIsIgnored) {
    const std::string letters = "Ext_User_Prm_Data_Const_";
    for (std::size_t length = 1; length <= letters.size(); ++length) {
        const std::string name = letters.substr(0, length);
        for (std::size_t at = 0; at < length; ++at) {
            std::string otherCase = name;
            otherCase[at] = static_cast<char>(otherCase[at] ^ 0x20);
            const bool letter = std::isalpha(static_cast<unsigned char>(name[at])) != 0;
            EXPECT_EQ(EqualsNoCase(name, otherCase), letter) << name << " at " << at;
            if (letter) {
                EXPECT_EQ(CaseInsensitiveHash{}(name), CaseInsensitiveHash{}(otherCase)) << name;
            }
            std::string changed = name;
            changed[at] = '#';
            EXPECT_FALSE(EqualsNoCase(name, changed)) << name << " at " << at;
        }
        EXPECT_FALSE(EqualsNoCase(name, name + "x"));
    }
}

// Every pair of byte values, in a whole word and in the short tail alike: equal exactly
// when the bytes are equal or are the two cases of one ASCII letter.
TEST(KeywordTable, EveryPairOfBytesComparesAsItsLetters) {
    auto sameLetter = [](unsigned char a, unsigned char b) {
        auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; };
        return upper(a) == upper(b);
    };
    for (std::size_t length : {1u, 5u, 8u, 13u}) {
        for (std::size_t at : {std::size_t{0}, length - 1}) {
            std::string a(length, 'k');
            std::string b = a;
            for (int x = 0; x < 256; ++x) {
                for (int y = 0; y < 256; ++y) {
                    a[at] = static_cast<char>(x);
                    b[at] = static_cast<char>(y);
                    if (EqualsNoCase(a, b) != sameLetter(x, y))
                        ADD_FAILURE()
                            << "bytes " << x << " and " << y << " at " << at << " of " << length;
                }
            }
        }
    }
}

// White space is blank, tab, CR, LF, VT and FF; no other byte, those above 0x7F included.
TEST(AsciiText, WhiteSpaceIsTheSixControlBytesAndBlank) {
    const std::string spaces = " \t\r\n\v\f";
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        EXPECT_EQ(IsSpace(c), spaces.find(c) != std::string::npos) << "byte " << byte;
    }
}

// The word-wise search finds what a byte-by-byte search finds: every text of up to eight
// bytes over marks, their neighbours and their high-bit twins (where a borrow could flag a
// byte falsely), from every start; and a mark at every place of a longer text.
TEST(AsciiText, FindFirstOfFindsWhatAByteSearchFinds) {
    auto byByte = [](std::string_view text, std::size_t from) {
        for (std::size_t i = from; i < text.size(); ++i)
            if (text[i] == '=' || text[i] == ' ')
                return i;
        return std::string_view::npos;
    };
    const std::string alphabet = "= >!\xBD\xA0";
    std::vector<std::string> texts = {""};
    for (std::size_t start = 0; start < texts.size() && texts[start].size() < 8; ++start)
        for (char c : alphabet)
            texts.push_back(texts[start] + c);
    for (std::size_t length = 9; length <= 40; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            std::string text(length, '>');
            text[at] = at % 2 ? '=' : ' ';
            texts.push_back(text);
        }
    }
    int mismatches = 0;
    for (const std::string& text : texts)
        for (std::size_t from = 0; from <= text.size(); ++from)
            if (FindFirstOf<'=', ' '>(text, from) != byByte(text, from) && ++mismatches <= 10)
                ADD_FAILURE() << "'" << text << "' from " << from;
    EXPECT_EQ(mismatches, 0);
}

TEST(KeyAnswers, AsksOncePerKeyWhileARunLasts) {
    KeyAnswers answers;
    int asked = 0;
    auto ask = [&] {
        ++asked;
        return true;
    };
    answers.Answer("MY_KEY", ask);
    answers.Answer("MY_KEY", ask);
    EXPECT_EQ(asked, 2); // no run: a changed setting counts at once
    {
        KeyAnswers::Run outer(answers);
        {
            KeyAnswers::Run inner(answers);
            answers.Answer("MY_KEY", ask);
        }
        answers.Answer("my_key", ask);
        answers.Answer("Other", ask);
    }
    EXPECT_EQ(asked, 4);
    answers.Answer("MY_KEY", ask);
    EXPECT_EQ(asked, 5);
}

} // namespace
} // namespace kvf
