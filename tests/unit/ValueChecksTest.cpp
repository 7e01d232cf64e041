#include "catalogue/ValueChecks.h"
#include "catalogue/KeywordCatalogue.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "core/SettingsStore.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvf {
namespace {

constexpr int E = LEVEL_ERROR;
constexpr int W = LEVEL_WARNING;

// An expected message: its level, id and second argument (text or number); the key is the
// first argument of every message except 64638.
struct Msg {
    int Level;
    int Id;
    std::string Arg = {};
    int Number = -1;
};

std::string Text(const Msg& m, const std::string& key) {
    if (m.Id == msg::DefaultNotAllowed)
        return FormatMessage(m.Id);
    if (m.Number >= 0)
        return FormatMessage(m.Id, key, m.Number);
    if (m.Arg.empty())
        return FormatMessage(m.Id, key);
    return FormatMessage(m.Id, key, m.Arg);
}

struct RowCase {
    std::string Key;
    std::vector<std::string> Lines; // the file lines of the entry; "<key> = <ready 0>" when empty
    std::array<std::string, 4> Ready;
    int Valid;
    std::vector<Msg> Messages;
    int ValueCount = -1;                   // checked when not -1
    std::optional<std::string> Value = {}; // the entry's Value; m_Ready[0] when not given
};

class ValueChecksTest : public ::testing::Test {
  protected:
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};

    void Run(const RowCase& c) {
        SCOPED_TRACE(c.Key + " [" + c.Ready[0] + "|" + c.Ready[1] + "|" + c.Ready[2] + "|" +
                     c.Ready[3] + "]");
        std::vector<std::string> lines = c.Lines;
        if (lines.empty())
            lines.push_back(c.Key + " = " + c.Ready[0]);
        VectorTextLines text(lines);
        Document document(text, "test.kvf", "/tmp/test.kvf");
        run.CheckedDocument = &document;
        rows.ClearMessages();

        CatalogueMatch match = KeywordCatalogue::Instance().Find(c.Key);
        ASSERT_TRUE(match) << c.Key;
        CDbEntry entry(c.Key, c.Value.value_or(c.Ready[0]), static_cast<int>(lines.size()) - 1, 0);
        entry.m_Ready = c.Ready;
        CheckRowValue(run, entry, *match.Row, *match.Keyword);

        EXPECT_EQ(entry.Valid, c.Valid);
        std::vector<std::pair<int, std::string>> expected, actual;
        for (const Msg& m : c.Messages)
            expected.emplace_back(m.Level, Text(m, c.Key));
        for (const OutputRow& row : rows.Rows()) {
            actual.emplace_back(row.Level, row.Text);
            EXPECT_EQ(row.Line, 0);
        }
        EXPECT_EQ(actual, expected);
        if (c.ValueCount != -1) {
            EXPECT_EQ(entry.ValueCount, c.ValueCount);
        }
        run.CheckedDocument = nullptr;
    }

    void RunAll(const std::vector<RowCase>& cases) {
        for (const RowCase& c : cases)
            Run(c);
    }
};

TEST(EqualSignRuleTest, AcceptsSecondEqualSignOnlyInQuotesCommentsOrQuotelessLines) {
    const std::pair<std::string, int> cases[] = {
        {"Key = 1", 1},
        {"Key 1", 0},
        {"", 0},
        {"Key ; = 1", 0},
        {"\"Key\" = 1", 0},
        {"Key = \"a=b\"", 1},
        {"Key = 1 = 2", 1},
        {"Key = 1 = \"x\"", 0},
        {"Key = \"x\" ; a = b", 1},
        {"Key = \"a\" \"b=c\" ;", 0},
        {"Key = \"a\" ; \"b=c\"", 1},
        {"Key = \"a=b\" = 3", 1},
    };
    for (const auto& [line, expected] : cases) {
        VectorTextLines lines({line});
        CDbEntry entry("Key", "", 0, 0);
        EXPECT_EQ(CheckEqualSign(entry, lines), expected) << line;
    }
    CDbEntry beyond("Key", "", 3, 3);
    EXPECT_EQ(CheckEqualSign(beyond, VectorTextLines({"Key = 1"})), 0);
}

// Every text of up to `maxLength` characters from `alphabet`, the empty one first.
std::vector<std::string> EveryText(std::string_view alphabet, std::size_t maxLength) {
    std::vector<std::string> texts{""};
    for (std::size_t begin = 0, length = 0; length < maxLength; ++length) {
        const std::size_t end = texts.size();
        for (std::size_t i = begin; i < end; ++i)
            for (char c : alphabet)
                texts.push_back(texts[i] + c);
        begin = end;
    }
    return texts;
}

// The rule as first written: after the first `=` (and the opening quote), every further `=`
// looks again for the next quote and the next ';' from where it stands. The check walks the
// line once instead; on every line it must answer as this does.
int EqualSignAsWritten(std::string_view text) {
    constexpr auto npos = std::string_view::npos;
    auto before = [](std::size_t a, std::size_t b) { return a != npos && (b == npos || a < b); };
    std::size_t equal = text.find('=');
    if (equal == npos)
        return 0;
    if (before(text.find(';'), equal) || before(text.find('"'), equal))
        return 0;
    std::string_view rest = text.substr(equal + 1);
    std::size_t nextEqual = rest.find('=');
    if (nextEqual == npos)
        return 1;
    std::size_t firstQuote = rest.find('"');
    if (firstQuote != npos && firstQuote > nextEqual)
        return 0;
    if (firstQuote != npos)
        rest.remove_prefix(firstQuote + 1);
    for (;;) {
        std::size_t eq = rest.find('=');
        if (eq == npos)
            return 1;
        std::size_t q = rest.find('"');
        std::size_t sc = rest.find(';');
        if (q != npos && sc != npos && q < eq && eq < sc)
            return 0;
        rest.remove_prefix(eq + 1);
    }
}

TEST(EqualSignRuleTest, AnswersAsWrittenOnEveryShortLineOfItsCharacters) {
    // Every line of up to nine characters from the four that the rule looks at.
    const std::vector<std::string> lines = EveryText("=\";a", 9);
    int mismatches = 0;
    for (const std::string& line : lines) {
        CDbEntry entry("Key", "", 0, 0);
        if (CheckEqualSign(entry, VectorTextLines({line})) != EqualSignAsWritten(line) &&
            ++mismatches <= 10)
            ADD_FAILURE() << "line: " << line;
    }
    EXPECT_EQ(mismatches, 0) << "of " << lines.size() << " lines";
}

TEST(RangeRuleTest, EveryRangeTextAcceptsExactlyItsValues) {
    struct Case {
        std::string RangeText;
        std::vector<std::string> Accepted;
        std::vector<std::string> Rejected;
    };
    const Case cases[] = {
        {"Unsigned8: 0..63", {"0", "63", "0x3f"}, {"64"}},
        {"Unsigned8: 0|(16..255)", {"0", "16", "255"}, {"1", "15", "256"}},
        {"Unsigned8: 0|1", {"0", "1"}, {"2"}},
        {"Unsigned8: 6|(8..244)", {"6", "8", "244"}, {"5", "7", "245"}},
        {"Unsigned8: 0..2", {"0", "2"}, {"3"}},
        {"UNSIGNED8: 0..4, 128-255", {"0", "4", "128", "255"}, {"5", "127", "256"}},
        {"Unsigned8: 0..237", {"0", "237"}, {"238"}},
        {"UNSIGNED8: 0..237", {"237"}, {"238"}},
        {"Unsigned8: 0..244", {"244"}, {"245"}},
        {"UNSIGNED8: 0..244", {"244"}, {"245"}},
        {"Unsigned8: 1..244", {"1", "244"}, {"0", "245"}},
        {"UNSIGNED8: 1..244", {"1", "244"}, {"0", "245"}},
        {"USHORT: 1..65535", {"1", "65535"}, {"0"}},
        {"UNSIGNED16: 1..65535", {"1", "65535"}, {"0"}},
        {"UNSIGNED16: 12..65535", {"12", "65535"}, {"11"}},
        {"USHORT: 0..488", {"0", "488"}, {"489"}},
        {"USHORT: 0..495", {"0", "495"}, {"496"}},
        {"USHORT: 24..495", {"24", "495"}, {"23", "496"}},
        {"Unsigned8: 16..31)", {"16", "31"}, {"15", "32"}},
        {"Unsigned8: 1..127", {"1", "127"}, {"0", "128"}},
        {"Unsigned8: 32..128,129", {"32", "128", "129"}, {"31", "130"}},
        {"Unsigned8: 0,1,8,9", {"0", "1", "8", "9"}, {"2", "7", "10"}},
        {"UNSIGNED8: 0..240", {"0", "240"}, {"241"}},
        {"UNSIGNED8: 0,48 .. 240", {"0", "48", "240"}, {"1", "47", "241"}},
        {"UNSIGNED8: 0,48.. 244", {"0", "48", "244"}, {"47", "245"}},
        {"UNSIGNED8: 0,2.. 32", {"0", "2", "32"}, {"1", "33"}},
        {"UNSIGNED8: 0..49", {"49"}, {"50"}},
        {"UNSIGNED8: 0..125", {"125"}, {"126"}},
        {"Unsigned8: 0..3", {"3"}, {"4"}},
        {"UNSIGNED8: 0,5..244", {"0", "5", "244"}, {"1", "4", "245"}},
        {"Unsigned8: 1..255", {"1", "255"}, {"0"}},
        {"Unsigned8: 1..125", {"1", "125"}, {"0", "126"}},
        {"UNSIGNED8: 1..2", {"1", "2"}, {"0", "3"}},
        {"UNSIGNED8: 0..7", {"0", "7"}, {"8"}},
        {"UNSIGNED32: 375, 750, 1500, 3000, 6000, 12000",
         {"375", "750", "1500", "3000", "6000", "12000"},
         {"376", "0", "12001"}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(IsKnownRangeText(c.RangeText)) << c.RangeText;
        for (const std::string& v : c.Accepted)
            EXPECT_EQ(CheckRange(v, c.RangeText), 1) << c.RangeText << " " << v;
        for (const std::string& v : c.Rejected)
            EXPECT_EQ(CheckRange(v, c.RangeText), 0) << c.RangeText << " " << v;
    }
    EXPECT_FALSE(IsKnownRangeText("unsigned8: 0..63"));
}

// The catalogue and the value rules must agree: every range text has its accepted values,
// and every rule with a string part knows its maximum length.
TEST(RangeRuleTest, CatalogueUsesOnlyKnownRangeTextsAndStringLengths) {
    for (const CatalogueRow& row : KeywordCatalogue::Instance().Rows()) {
        for (const CatalogueKeyword& keyword : row.Keywords) {
            if (!keyword.RangeText.empty()) {
                EXPECT_TRUE(IsKnownRangeText(keyword.RangeText)) << keyword.Name;
            }
            bool hasString = row.Rule == ValueRule::VisibleString ||
                             row.Rule == ValueRule::FileName || row.Rule == ValueRule::IndexText;
            if (hasString) {
                EXPECT_GT(keyword.MaxLength, 0) << keyword.Name;
            }
        }
    }
}

TEST(VisibleStringRuleTest, CharacterClassesAreSingleWindows1252Bytes) {
    const std::string allowed = "aZ09 _.-\\+*/<>()[]{}!$%&?\xB4^|=#;,:`";
    const std::string counted = "\xE4\xC4\xFC\xDF'@~\x80\xA9\x99\xAD\xFF\xC0\xD7\xF7";
    const std::string rejected = std::string("\"\t\x01\x7F\xA7\xA0\xB7\x81\x8A", 9);
    for (char c : allowed)
        EXPECT_EQ(VisibleStringCharacterClass(c), 1) << static_cast<int>(c);
    for (char c : counted)
        EXPECT_EQ(VisibleStringCharacterClass(c), 2) << static_cast<int>(c);
    for (char c : rejected)
        EXPECT_EQ(VisibleStringCharacterClass(c), 0) << static_cast<int>(c);
}

TEST(VisibleStringRuleTest, StringContinuesOverLinesEndingInBackslash) {
    VectorTextLines lines(
        {"Info_Text = \"first part \\", "  second \\", "part\" ; note", "Next = 1"});
    CDbEntry entry("Info_Text", "", 2, 0);
    int count = -1;
    EXPECT_EQ(CheckVisibleString(entry, "first part   second part", 256, lines, count), 1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(CheckVisibleString(entry, "first part   second part", 23, lines, count), 0);

    VectorTextLines unclosed({"Info_Text = \"first part \\", "second part"});
    EXPECT_EQ(CheckVisibleString(entry, "first part second part", 256, unclosed, count), 0);
    VectorTextLines lastLine({"Info_Text = \"first part \\"});
    EXPECT_EQ(CheckVisibleString(entry, "first part", 256, lastLine, count), 0);
}

// The continued string as first found: the whole part searched again for the closing quote
// after every appended line. The check searches only the appended line; on every short
// continuation it must find the same string and the same text after it, or none.
std::optional<std::pair<std::string, std::string>>
QuotedStringAsWritten(const std::vector<std::string>& lines) {
    std::size_t open = lines[0].find('"');
    if (open == std::string::npos)
        return std::nullopt;
    std::string part = lines[0].substr(open + 1);
    std::size_t next = 1;
    while (part.find('"') == std::string::npos) {
        std::string_view code = TrimRight(part);
        if (code.empty() || code.back() != '\\' || next >= lines.size())
            return std::nullopt;
        part = part.substr(0, code.size() - 1) + lines[next++];
    }
    std::size_t close = part.find('"');
    return std::pair{part.substr(0, close), part.substr(close + 1)};
}

TEST(VisibleStringRuleTest, FindsTheContinuedStringAsWrittenOnEveryShortContinuation) {
    // A first line opening the string with up to three more characters, then two lines of
    // up to three: every such text of the characters the continuation looks at.
    const std::vector<std::string> pieces = EveryText("a \\\"", 3);
    int mismatches = 0;
    int found = 0;
    for (const std::string& first : pieces) {
        for (const std::string& second : pieces) {
            for (const std::string& third : pieces) {
                const std::vector<std::string> text{"K = \"" + first, second, third};
                const auto expected = QuotedStringAsWritten(text);
                const VectorTextLines lines(text);
                QuotedString quoted;
                const bool got = FindQuotedString(CDbEntry("K", "", 2, 0), lines, quoted);
                found += got;
                if ((got != expected.has_value() ||
                     (got && std::pair{std::string(quoted.String), std::string(quoted.After)} !=
                                 *expected)) &&
                    ++mismatches <= 10)
                    ADD_FAILURE() << first << " | " << second << " | " << third;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(found, 1000) << "continuations that close their string";
}

TEST_F(ValueChecksTest, NumberRowsCheckFormatWidthAndRange) {
    RunAll({
        {"Revision_Number", {}, {"64"}, 0, {{E, msg::ValueExceedsLimit, "Unsigned8: 0..63"}}},
        {"Revision_Number", {}, {"0x3F"}, 1, {}},
        {"Revision_Number", {}, {"0X3F"}, 0, {{E, msg::UnexpectedFormat, "Number"}}},
        {"FMS_supp", {}, {"10"}, 0, {{E, msg::UnexpectedFormat, "Boolean"}}},
        {"FMS_supp", {}, {"1"}, 1, {}},
        {"Ident_Number", {}, {"65536"}, 0, {{E, msg::UnexpectedFormat, "Number"}}},
        {"Ident_Number", {}, {"0xFFFF"}, 1, {}},
        {"MAX_MPS_LENGTH", {}, {"4294967295"}, 1, {}},
        {"TBASE_DP", {}, {"375"}, 1, {}},
        {"TBASE_DP",
         {},
         {"376"},
         0,
         {{E, msg::ValueExceedsLimit, "UNSIGNED32: 375, 750, 1500, 3000, 6000, 12000"}}},
        {"DXB_Subscribertable_Block_Location",
         {},
         {"4"},
         0,
         {{E, msg::ValueExceedsLimit, "Unsigned8: 0..3"}}},
        {"Max_User_Prm_Data_Len",
         {},
         {"240"},
         0,
         {{E, msg::ValueExceedsLimit, "Unsigned8: 0..237"}}},
        {"MAX_LSDU_MS", {}, {"x"}, 0, {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"TDP_MIN", {}, {"x"}, 0, {{E, msg::UnexpectedFormat, "Unsigned16"}}},
        // 16 bits wide although the range text reads UNSIGNED8
        {"Alarm_Sequence_Mode_Count",
         {},
         {"300"},
         0,
         {{E, msg::ValueExceedsLimit, "UNSIGNED8: 0,2.. 32"}}},
        {"Alarm_Sequence_Mode_Count", {}, {"0"}, 1, {}},
        {"Revision_Number", {"Revision_Number 5"}, {"5"}, 0, {{E, msg::EqualSign}}},
        {"Revision_Number", {"Revision_Number = 5 = \"6\""}, {"5"}, 0, {{E, msg::EqualSign}}},
    });
}

TEST_F(ValueChecksTest, WithoutCheckedDocumentTheEqualSignRuleFails) {
    CatalogueMatch match = KeywordCatalogue::Instance().Find("KVF_Revision");
    CDbEntry entry("KVF_Revision", "1", 0, 0);
    entry.m_Ready[0] = "1";
    CheckRowValue(run, entry, *match.Row, *match.Keyword);
    EXPECT_EQ(entry.Valid, 0);
    ASSERT_EQ(rows.Rows().size(), 1u);
    EXPECT_EQ(rows.Rows()[0].Text, FormatMessage(msg::EqualSign, "KVF_Revision"));
}

TEST_F(ValueChecksTest, VisibleStringsAndFileNames) {
    const std::string name32(32, 'a');
    const std::string name33(33, 'a');
    RunAll({
        {"Vendor_Name", {"Vendor_Name = \"ACME\""}, {"ACME"}, 1, {}},
        {"Vendor_Name",
         {"Vendor_Name = ACME"},
         {"ACME"},
         0,
         {{E, msg::VisibleStringInvalid, "", 32}}},
        {"Vendor_Name", {"Vendor_Name = \"" + name32 + "\""}, {name32}, 1, {}},
        {"Vendor_Name",
         {"Vendor_Name = \"" + name33 + "\""},
         {name33},
         0,
         {{E, msg::VisibleStringInvalid, "", 32}}},
        {"Vendor_Name",
         {"Vendor_Name = \"M\xFCller\""},
         {"M\xFCller"},
         1,
         {{W, msg::UnspecifiedCharacters, "", 1}}},
        {"Vendor_Name", {"Vendor_Name = \"ACME\" ; was \"OLD\""}, {"ACME"}, 1, {}},
        {"Vendor_Name",
         {"Vendor_Name = \"ACME\" \"OLD\""},
         {"ACME  OLD"},
         0,
         {{E, msg::VisibleStringInvalid, "", 32}}},
        {"Vendor_Name", {"Vendor_Name = \"Acme\""}, {"ACME"}, 1, {}},
        {"Vendor_Name",
         {"Vendor_Name = \"ACME\" Inc"},
         {"ACME  Inc"},
         0,
         {{E, msg::VisibleStringInvalid, "", 32}}},
        {"Vendor_Name",
         {"Vendor_Name = \"A\tB\""},
         {"A\tB"},
         0,
         {{E, msg::VisibleStringInvalid, "", 32}}},
        {"Vendor_Name",
         {"Vendor_Name = \"ACME"},
         {"ACME"},
         0,
         {{E, msg::VisibleStringInvalid, "", 32}}},
        {"Info_Text",
         {"Info_Text = \"" + std::string(200, 'b') + " \\", std::string(56, 'c') + "\""},
         {std::string(200, 'b') + " " + std::string(56, 'c')},
         0,
         {{E, msg::VisibleStringInvalid, "", 256}}},
        {"Info_Text",
         {"Info_Text = \"" + std::string(200, 'b') + " \\", std::string(55, 'c') + "\""},
         {std::string(200, 'b') + " " + std::string(55, 'c')},
         1,
         {}},
        {"Bitmap_Device",
         {"Bitmap_Device = \"dev.bmp\""},
         {"dev.bmp"},
         0,
         {{E, msg::FileNameCharacters}}},
        {"Bitmap_Device", {"Bitmap_Device = \"dev\""}, {"dev"}, 1, {}},
        {"Bitmap_SF",
         {"Bitmap_SF = \"abcdefghi\""},
         {"abcdefghi"},
         0,
         {{E, msg::VisibleStringInvalid, "", 8}}},
    });
}

TEST_F(ValueChecksTest, OctetListsAndModules) {
    RunAll({
        {"User_Prm_Data", {}, {"0x00,0x100"}, 0, {{E, msg::ValueOutOfRange, "0x00-0xff"}}, 2},
        {"User_Prm_Data", {}, {"0x00, 0x01,0x02"}, 1, {}, 3},
        {"User_Prm_Data", {}, {"0x05"}, 1, {}, 1},
        {"User_Prm_Data", {}, {"0x01,"}, 1, {}, 1},
        {"User_Prm_Data", {}, {"0x01,,0x02"}, 0, {{E, msg::ValueOutOfRange, "0x00-0xff"}}, 2},
        {"User_Prm_Data", {}, {"256"}, 0, {{E, msg::ValueOutOfRange, "0x00-0xff"}}, 1},
        {"Module", {"Module = \"Name\" 0x11,0x21"}, {"Name", "0x11,0x21"}, 1, {}, 2},
        // a list ending in 0x81 announces two more bytes
        {"Module",
         {"Module = \"Name\" 0x11,0x81"},
         {"Name", "0x11,0x81"},
         1,
         {{E, msg::ConfigurationInvalid}}},
        {"Module",
         {"Module = \"Name\" 0xC1,0x01"},
         {"Name", "0xC1,0x01"},
         1,
         {{E, msg::ConfigurationInvalid}}},
        {"Module", {"Module = \"Name\" 0xC1,1,2,3"}, {"Name", "0xC1,1,2,3"}, 1, {}},
        {"Module", {"Module = \"Name\" 0x8F,0"}, {"Name", "0x8F,0"}, 1, {}},
        {"Module", {"Module = \"Name\" 0x13"}, {"Name", "0x13"}, 1, {}},
        {"Module", {"Module = \"Name\" 0x00"}, {"Name", "0x00"}, 1, {}},
        // a single special identifier is reported even where it announces no bytes
        {"Module",
         {"Module = \"Name\" 0x0F"},
         {"Name", "0x0F"},
         1,
         {{E, msg::ConfigurationInvalid}}},
        {"Module",
         {"Module = \"Name\" 0x100"},
         {"Name", "0x100"},
         0,
         {{E, msg::ValueOutOfRange, "0x00-0xff"}}},
        {"Module",
         {"Module = Name 0x11"},
         {"Name", "0x11"},
         0,
         {{E, msg::VisibleStringInvalid, "", 32}}},
        {"EXT_USER_PRM_DATA_CONST",
         {"Ext_User_Prm_Data_Const(0) = 0x00,0x01"},
         {"0", "0x00,0x01"},
         1,
         {},
         2},
        {"EXT_USER_PRM_DATA_CONST",
         {"Ext_User_Prm_Data_Const(238) = 1"},
         {"238", "1"},
         0,
         {{E, msg::ValueExceedsLimit, "Unsigned8: 0..237"}}},
        {"EXT_USER_PRM_DATA_CONST",
         {"Ext_User_Prm_Data_Const(x) = 1"},
         {"x", "1"},
         0,
         {{E, msg::UnexpectedFormat, "Number"}}},
        {"F_EXT_USER_PRM_DATA_CONST",
         {"F_Ext_User_Prm_Data_Const(x) = 1"},
         {"x", "1"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"X_Ext_User_Prm_Data_Const",
         {"X_Ext_User_Prm_Data_Const(1) = 1,300"},
         {"1", "1,300"},
         0,
         {{E, msg::ValueOutOfRange, "0x00-0xff"}}},
    });
}

TEST_F(ValueChecksTest, NumberPairsIndexTextsAndAreas) {
    RunAll({
        {"EXT_USER_PRM_DATA_REF", {"Ext_User_Prm_Data_Ref(2) = 300"}, {"2", "300"}, 1, {}},
        {"EXT_USER_PRM_DATA_REF",
         {"Ext_User_Prm_Data_Ref(256) = 1"},
         {"256", "1"},
         0,
         {{E, msg::UnexpectedFormat, "Number"}}},
        {"X_EXT_USER_PRM_DATA_REF",
         {"X_Ext_User_Prm_Data_Ref(1) = 65536"},
         {"1", "65536"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"Subsys_Dir_Index",
         {"Subsys_Dir_Index(1) = 256"},
         {"1", "256"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"Unit_Diag_Bit", {"Unit_Diag_Bit(3) = \"Text (x)\""}, {"3", "Text (x)"}, 1, {}},
        {"Unit_Diag_Bit",
         {"Unit_Diag_Bit(496) = \"T\""},
         {"496", "T"},
         0,
         {{E, msg::ValueExceedsLimit, "USHORT: 0..495"}}},
        {"X_Unit_Diag_Bit",
         {"X_Unit_Diag_Bit(23) = \"T\""},
         {"23", "T"},
         0,
         {{E, msg::ValueExceedsLimit, "USHORT: 24..495"}}},
        {"Channel_Diag",
         {"Channel_Diag(15) = \"T\""},
         {"15", "T"},
         0,
         {{E, msg::ValueExceedsLimit, "Unsigned8: 16..31)"}}},
        {"Channel_Diag",
         {"Channel_Diag(256) = \"T\""},
         {"256", "T"},
         0,
         {{E, msg::UnexpectedFormat, "Number"}}},
        {"TEXT", {"TEXT(70000) = \"On\""}, {"70000", "On"}, 1, {}},
        {"Unit_Diag_Bit_Help",
         {"Unit_Diag_Bit_Help(3) = \"" + std::string(256, 'h') + "\""},
         {"3", std::string(256, 'h')},
         1,
         {}},
        {"EXTUSERPRMDATA", {"ExtUserPrmData = 1 \"Name\""}, {"1", "Name"}, 1, {}},
        {"EXTUSERPRMDATA",
         {"ExtUserPrmData = 70000 \"Name\""},
         {"70000", "Name"},
         0,
         {{E, msg::UnexpectedFormat, "Number"}}},
        {"UNIT_DIAG_AREA",
         {"Unit_Diag_Area = 16-16"},
         {"16", "16"},
         1,
         {{W, msg::UseInPlaceOfArea, "Unit_Diag_Bit"}}},
        {"UNIT_DIAG_AREA", {"Unit_Diag_Area = 16-31"}, {"16", "31"}, 1, {}},
        {"UNIT_DIAG_AREA",
         {"Unit_Diag_Area = 16-32"},
         {"16", "32"},
         0,
         {{E, msg::ValueOutOfRange, "First_Bit<Last_Bit and Last_Bit-FirstBit<15"}}},
        {"UNIT_DIAG_AREA",
         {"Unit_Diag_Area = 20-16"},
         {"20", "16"},
         0,
         {{E, msg::ValueOutOfRange, "First_Bit<Last_Bit and Last_Bit-FirstBit<15"}}},
        {"UNIT_DIAG_AREA",
         {"Unit_Diag_Area = 490-496"},
         {"490", "496"},
         0,
         {{E, msg::ValueExceedsLimit, "USHORT: 0..495"}}},
        {"X_UNIT_DIAG_AREA",
         {"X_Unit_Diag_Area = 23-24"},
         {"23", "24"},
         0,
         {{E, msg::ValueExceedsLimit, "USHORT: 24..495"}}},
        {"X_UNIT_DIAG_AREA",
         {"X_Unit_Diag_Area = 24-24"},
         {"24", "24"},
         1,
         {{W, msg::UseInPlaceOfArea, "Unit_Diag_Bit"}}},
        {"X_UNIT_DIAG_AREA",
         {"X_Unit_Diag_Area = 24-40"},
         {"24", "40"},
         0,
         {{E, msg::ValueOutOfRange, "First_Bit<Last_Bit and Last_Bit-FirstBit<15"}}},
    });
}

TEST_F(ValueChecksTest, FamiliesBlockKeywordsAndReferenceLines) {
    RunAll({
        {"Slave_Family", {}, {"3"}, 1, {}},
        {"Slave_Family", {}, {"3@TdF@Sub"}, 1, {}},
        {"Slave_Family", {}, {"3@A@B@C"}, 1, {}},
        {"Slave_Family", {}, {"3@A@B@C@D"}, 0, {{E, msg::TooManyValues}}},
        {"Slave_Family", {}, {"3@A@@B"}, 0, {{E, msg::UnexpectedFormat, "Subfamily"}}},
        {"Slave_Family", {}, {"3@"}, 0, {{E, msg::UnexpectedFormat, "Subfamily"}}},
        {"Slave_Family", {}, {"x"}, 0, {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"Slave_Family", {}, {"300@A"}, 0, {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"Slave_Family",
         {},
         {"300@A@B@C@D"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned8"}, {E, msg::TooManyValues}}},
        {"ENDMODULE", {"EndModule"}, {}, 1, {}},
        {"ENDMODULE", {"EndModule = 1"}, {"1"}, 0, {{E, msg::TooManyValues}}},
        {"ENDMODULE", {"EndModule ="}, {}, 0, {{E, msg::TooManyValues}}},
        // a reference line is a bare number: the reader leaves the value empty
        {"Module_Reference", {"1"}, {"1"}, 1, {}, -1, ""},
        {"Module_Reference", {"0x1F"}, {"0x1F"}, 1, {}, -1, ""},
        {"Module_Reference",
         {"70000"},
         {"70000"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned16"}},
         -1,
         ""},
        {"Module_Reference", {"1 2"}, {"1"}, 0, {{E, msg::TooManyValues}}, -1, "2"},
        {"Module_Reference", {"1 = 2"}, {"1"}, 0, {{E, msg::TooManyValues}}, -1, ""},
    });
}

TEST_F(ValueChecksTest, DataTypeLines) {
    const std::string minMax = "Min<Max & Min<=Default<=Max";
    RunAll({
        {"UNSIGNED8", {"UNSIGNED8 1 0,1,2"}, {"1", "0,1,2"}, 1, {}, 3},
        {"UNSIGNED8",
         {"UNSIGNED8 5 0,1,2"},
         {"5", "0,1,2"},
         0,
         {{E, msg::NotWithinAllowedValues, "0,1,2"}},
         3},
        {"UNSIGNED8", {}, {"5", "0-4"}, 0, {{E, msg::ValueOutOfRange, minMax}}, 1},
        {"UNSIGNED8", {}, {"5", "5-5"}, 1, {}},
        {"UNSIGNED8", {}, {"5", "7-3"}, 0, {{E, msg::ValueOutOfRange, minMax}}},
        {"UNSIGNED8",
         {},
         {"1", "0,x,2"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned8"}, {E, msg::DefaultNotAllowed}},
         2},
        {"UNSIGNED8", {}, {"0", "0,x"}, 0, {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"UNSIGNED8", {}, {"300", "0-10"}, 0, {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"UNSIGNED8", {}, {"5", "-1-7"}, 0, {{E, msg::ValueOutOfRange, "Unsigned8: 0..255"}}},
        {"UNSIGNED16", {}, {"5", "-1-7"}, 0, {{E, msg::ValueOutOfRange, "USHORT: 0..65535"}}},
        {"UNSIGNED32", {}, {"5", "-1-7"}, 0, {{E, msg::ValueOutOfRange, "UINT: 0..4294967295"}}},
        {"UNSIGNED8", {}, {"5", "7"}, 0, {{E, msg::UnexpectedFormat, "Min-Max"}}},
        {"UNSIGNED8", {}, {"5", "1-"}, 0, {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"UNSIGNED32", {}, {"4000000000", "0-0xFFFFFFFF"}, 1, {}},
        {"SIGNED8", {}, {"-3", "-5--1"}, 1, {}},
        {"SIGNED8", {}, {"-3", "-5"}, 0, {{E, msg::UnexpectedFormat, "Signed8"}}},
        {"SIGNED8", {}, {"-6", "-5-5"}, 0, {{E, msg::ValueOutOfRange, minMax}}},
        {"SIGNED16", {}, {"0", "-5-5"}, 1, {}},
        {"SIGNED32", {}, {"-1", "-2-0x7fffffff"}, 1, {}},
        {"SIGNED8", {}, {"-1", "-1,0,1"}, 1, {}, 3},
    });
}

TEST_F(ValueChecksTest, BitLines) {
    RunAll({
        {"BIT", {"BIT(3) 0 0-1"}, {"3", "0", "0-1"}, 1, {}},
        {"BIT", {}, {"8", "0", "0-1"}, 0, {{E, msg::ValueOutOfRange, "Unsigned8: 0..7"}}},
        {"BIT", {}, {"3", "2", "0-1"}, 0, {{E, msg::ValueExceedsLimit, "BIT: 0|1"}}},
        {"BIT", {}, {"3", "0", "0,2"}, 0, {{E, msg::ValueOutOfRange, "BIT: 0|1"}}},
        {"BIT",
         {},
         {"3", "1", "0,2"},
         0,
         {{E, msg::ValueOutOfRange, "BIT: 0|1"}, {E, msg::DefaultNotAllowed}}},
        {"BIT", {}, {"3", "1", "0,1"}, 1, {}, 2},
        {"BIT", {}, {"3", "1", "1"}, 0, {{E, msg::UnexpectedFormat, "Min-Max"}}},
        {"BITAREA", {"BITAREA(0-3) 1 0-15"}, {"0", "3", "1", "0-15"}, 1, {}},
        {"BITAREA",
         {},
         {"0", "3", "1", "0-16"},
         0,
         {{E, msg::ValueOutOfRange, "Min..Max too large for area"}}},
        {"BITAREA", {}, {"2", "2", "0", "0-1"}, 1, {{W, msg::UseInPlaceOfArea, "BIT"}}},
        {"BITAREA",
         {},
         {"3", "1", "0", "0-1"},
         0,
         {{E, msg::ValueOutOfRange, "First_Bit<=Last_Bit & Last_Bit-FirstBit<7"}}},
        {"BITAREA", {}, {"0", "8", "0", "0-1"}, 0, {{E, msg::ValueOutOfRange, "Unsigned8: 0..7"}}},
        {"BITAREA",
         {},
         {"a", "3", "0", "0-1"},
         0,
         {{E, msg::UnexpectedFormat, "Area: Unsigned8-Unsigned8"}}},
        {"BITAREA",
         {},
         {"0", "3", "-1", "0-3"},
         0,
         {{E, msg::ValueOutOfRange, "Unsigned8: 0..255"}}},
        {"BITAREA",
         {},
         {"0", "3", "1", "-1-3"},
         0,
         {{E, msg::ValueOutOfRange, "Unsigned8: 0..255"}}},
    });
}

TEST_F(ValueChecksTest, SlotLines) {
    const std::string minMax = "Min<Max & Min<=Default<=Max";
    auto slot = [](std::string number, std::string name, std::string def, std::string allowed) {
        return std::vector<std::string>{"Slot(" + number + ") = \"" + name + "\" " + def + " " +
                                        allowed};
    };
    RunAll({
        {"Slot", slot("1", "Name", "5", "1-10"), {"1", "Name", "5", "1-10"}, 1, {}},
        {"Slot", {"Slot(1) \"Name\" 5 1-10"}, {"1", "Name", "5", "1-10"}, 1, {}},
        {"Slot",
         slot("256", "Name", "5", "1-10"),
         {"256", "Name", "5", "1-10"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned8"}}},
        {"Slot",
         slot("1", "Name\xE9", "5", "1-10"),
         {"1", "Name\xE9", "5", "1-10"},
         1,
         {{W, msg::UnspecifiedCharacters, "", 1}}},
        {"Slot",
         slot("1", "Name", "70000", "1-10"),
         {"1", "Name", "70000", "1-10"},
         0,
         {{E, msg::UnexpectedFormat, "Unsigned16"}}},
        {"Slot",
         slot("1", "Name", "5", "-1-10"),
         {"1", "Name", "5", "-1-10"},
         0,
         {{E, msg::ValueOutOfRange, "Unsigned16"}}},
        {"Slot",
         slot("1", "Name", "5", "6-10"),
         {"1", "Name", "5", "6-10"},
         0,
         {{E, msg::ValueOutOfRange, minMax}}},
        {"Slot", slot("1", "Name", "5", "5"), {"1", "Name", "5", "5"}, 1, {}},
        {"Slot",
         slot("1", "Name", "5", "6"),
         {"1", "Name", "5", "6"},
         0,
         {{E, msg::DefaultNotAllowed}}},
        {"Slot",
         slot("1", "Name", "5", "x"),
         {"1", "Name", "5", "x"},
         0,
         {{E, msg::UnexpectedFormat, "Min-Max"}}},
        {"Slot",
         slot("1", "Name", "5", "1,2,3"),
         {"1", "Name", "5", "1,2,3"},
         0,
         {{E, msg::NotWithinAllowedValues, "1,2,3"}}},
        {"Slot", slot("1", "Name", "5", "1,5"), {"1", "Name", "5", "1,5"}, 1, {}},
    });
}

} // namespace
} // namespace kvf
