#include "SemanticTestDocument.h"

#include "core/MessageIds.h"

#include <gtest/gtest.h>

#include <array>

namespace kvf {
namespace {

std::vector<std::uint32_t> Descending(const PrmTextValues& values) {
    return values.Descending();
}

using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

// A revision 5 slave file: lines 0 and 1; the lines of a case start at line 2.
SemanticTestDocument& SlaveFile(SemanticTestDocument& doc) {
    return doc.Add({"KVF_Revision = 5", "Station_Type = 0"});
}

// ---- What a data type line gives its definition ------------------------------------------

struct DataTypeCase {
    const char* Name;
    const char* Line;                 // the data type line (a leading '?': not valid)
    std::array<const char*, 3> Parts; // its value parts as the classification fills them
    std::uint32_t Length;
    std::uint8_t BitMask;
    std::int32_t DefaultValue;
};

void PrintTo(const DataTypeCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticDataTypeLineTest : public ::testing::TestWithParam<DataTypeCase> {};

TEST_P(SemanticDataTypeLineTest, FillsTheDefinition) {
    const DataTypeCase& c = GetParam();
    SemanticTestDocument doc;
    SlaveFile(doc).Add({"EXTUSERPRMDATA = 7", c.Line, "ENDEXTUSERPRMDATA"});
    for (std::size_t i = 0; i < c.Parts.size(); ++i)
        doc.Entry(3).m_Ready[i] = c.Parts[i];
    EXPECT_EQ(doc.RunFirstPass(), Rows{});
    ASSERT_EQ(doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList().size(), 1u);
    const ExtUserPrmDataRecord& record =
        doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList()[0];
    EXPECT_EQ(record.Number, 7);
    EXPECT_EQ(record.TypeSeen, 1);
    EXPECT_EQ(record.Length, c.Length);
    EXPECT_EQ(record.BitMask, c.BitMask);
    EXPECT_EQ(record.DefaultValue, c.DefaultValue);
    EXPECT_EQ(record.PrmTextRef, -1);
    EXPECT_FALSE(doc.checker->Groups().Get<UserParameterRules>().CurrentExtUserPrmData());
}

INSTANTIATE_TEST_SUITE_P(
    Types, SemanticDataTypeLineTest,
    ::testing::Values(
        DataTypeCase{"Unsigned8", "Unsigned8 = 5", {"5", "0-9", ""}, 1, 0xFF, 5},
        DataTypeCase{"Signed8", "SIGNED8 = -3", {"-3", "-5-5", ""}, 1, 0xFF, -3},
        DataTypeCase{"Unsigned16Hex", "Unsigned16 = 0x10", {"0x10", "", ""}, 2, 0xFF, 16},
        DataTypeCase{"Signed16", "Signed16 = 0", {"0", "", ""}, 2, 0xFF, 0},
        DataTypeCase{"Unsigned32", "Unsigned32 = 100", {"100", "", ""}, 4, 0xFF, 100},
        DataTypeCase{"Signed32", "Signed32 = -1", {"-1", "", ""}, 4, 0xFF, -1},
        DataTypeCase{"BitNumberThenDefault", "Bit(3) = 1", {"3", "1", "0-1"}, 1, 0x08, 1},
        DataTypeCase{"BitZero", "Bit(0) = 0", {"0", "0", "0-1"}, 1, 0x01, 0},
        DataTypeCase{"BitSeven", "Bit(7) = 1", {"7", "1", "0-1"}, 1, 0x80, 1},
        // Bit numbers outside the byte use no bit of it; 32 must not wrap round to bit 0.
        DataTypeCase{"BitEightUsesNoBit", "?Bit(8) = 1", {"8", "1", ""}, 1, 0x00, 1},
        DataTypeCase{"BitThirtyTwoUsesNoBit", "?Bit(32) = 1", {"32", "1", ""}, 1, 0x00, 1},
        DataTypeCase{"BitNegativeUsesNoBit", "?Bit(-32) = 1", {"-32", "1", ""}, 1, 0x00, 1},
        // BitArea: first bit, last bit and default in parts 0, 1 and 2.
        DataTypeCase{"BitAreaFirstLastDefault", "BitArea(2-5) = 7", {"2", "5", "7"}, 1, 0x3C, 7},
        DataTypeCase{"BitAreaWholeByte", "BitArea(0-7) = 0", {"0", "7", "0"}, 1, 0xFF, 0},
        DataTypeCase{"BitAreaReversedUsesNoBit", "?BitArea(5-2) = 0", {"5", "2", "0"}, 1, 0x00, 0},
        DataTypeCase{"BitAreaPastTheByteKeepsItsBits",
                     "?BitArea(6-2147483647) = 1",
                     {"6", "2147483647", "1"},
                     1,
                     0xC0,
                     1},
        DataTypeCase{"BitAreaFromNegative", "?BitArea(-1-1) = 2", {"-1", "1", "2"}, 1, 0x03, 2}),
    [](const auto& info) { return info.param.Name; });

// ---- Blocks, their lists and the rules on their lines ---------------------------------------

struct BlockCase {
    const char* Name;
    std::vector<std::string_view> Lines;   // from line 2 on
    Rows Expected;                         // first pass
    std::vector<std::int32_t> Definitions; // numbers in ExtUserPrmDataList(), in order
    std::vector<std::int32_t> Texts;       // numbers in PrmTextList(), in order
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticUserParameterBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(SemanticUserParameterBlockTest, ReportsAndKeeps) {
    const BlockCase& c = GetParam();
    SemanticTestDocument doc;
    SlaveFile(doc);
    for (std::string_view line : c.Lines)
        doc.Add(line);
    EXPECT_EQ(doc.RunFirstPass(), c.Expected);
    std::vector<std::int32_t> definitions, texts;
    for (const ExtUserPrmDataRecord& record :
         doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList())
        definitions.push_back(record.Number);
    for (const PrmTextRecord& record :
         doc.checker->Groups().Get<UserParameterRules>().PrmTextList())
        texts.push_back(record.Number);
    EXPECT_EQ(definitions, c.Definitions);
    EXPECT_EQ(texts, c.Texts);
}

const std::string kNoDataType =
    E(3, msg::MissingKeywordInBlock, "Data_Type_Name", "Ext-User-Prm-Data-Definition");

INSTANTIATE_TEST_SUITE_P(
    ExtUserPrmData, SemanticUserParameterBlockTest,
    ::testing::Values(BlockCase{"TwoDefinitionsInFileOrder",
                                {"EXTUSERPRMDATA = 9", "Unsigned8 = 1", "ENDEXTUSERPRMDATA",
                                 "EXTUSERPRMDATA = 3", "Bit(1) = 0", "ENDEXTUSERPRMDATA"},
                                {},
                                {9, 3},
                                {}},
                      BlockCase{"DuplicateNumberIsRefusedAndItsLinesStoreNothing",
                                {"EXTUSERPRMDATA = 1", "Unsigned8 = 1", "ENDEXTUSERPRMDATA",
                                 "EXTUSERPRMDATA = 1", "Unsigned16 = 1", "ENDEXTUSERPRMDATA"},
                                {E(5, msg::AmbiguousExtUserPrmData, 1, 1)},
                                {1},
                                {}},
                      BlockCase{"WithoutDataTypeIsNotKept",
                                {"EXTUSERPRMDATA = 1", "ENDEXTUSERPRMDATA"},
                                {kNoDataType},
                                {},
                                {}},
                      // The unfinished definition stays current until the next begins; that one may
                      // take the same number, since the first never reached the list.
                      BlockCase{"NextBlockReplacesTheUnfinishedOne",
                                {"EXTUSERPRMDATA = 1", "ENDEXTUSERPRMDATA", "EXTUSERPRMDATA = 1",
                                 "Signed8 = 0", "ENDEXTUSERPRMDATA"},
                                {kNoDataType},
                                {1},
                                {}},
                      // A begin line with an invalid value makes no record; its lines must not
                      // complete the unfinished definition of the block before.
                      BlockCase{"InvalidBeginLineDropsTheUnfinishedOne",
                                {"EXTUSERPRMDATA = 1", "ENDEXTUSERPRMDATA", "?EXTUSERPRMDATA = x",
                                 "Unsigned8 = 0", "ENDEXTUSERPRMDATA"},
                                {kNoDataType},
                                {},
                                {}},
                      BlockCase{"SecondDataTypeLine",
                                {"EXTUSERPRMDATA = 4", "Unsigned8 = 1", "Unsigned32 = 1",
                                 "ENDEXTUSERPRMDATA"},
                                {E(4, msg::MultipleDataTypeName)},
                                {4},
                                {}},
                      // Each definition has its own data type count.
                      BlockCase{"OneDataTypeInEachOfTwoBlocks",
                                {"EXTUSERPRMDATA = 1", "Unsigned8 = 1", "ENDEXTUSERPRMDATA",
                                 "EXTUSERPRMDATA = 2", "Unsigned8 = 1", "ENDEXTUSERPRMDATA"},
                                {},
                                {1, 2},
                                {}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    PrmText, SemanticUserParameterBlockTest,
    ::testing::Values(
        BlockCase{
            "WithTextsIsKept", {"PRMTEXT = 2", "TEXT(0) = \"off\"", "ENDPRMTEXT"}, {}, {}, {2}},
        BlockCase{"WithoutTextIsNotKept",
                  {"PRMTEXT = 2", "ENDPRMTEXT"},
                  {E(3, msg::MissingKeywordInBlock, "Text", "Prm-Text-Definition")},
                  {},
                  {}},
        BlockCase{"DuplicateNumber",
                  {"PRMTEXT = 2", "TEXT(0) = \"a\"", "ENDPRMTEXT", "PRMTEXT = 2", "TEXT(1) = \"b\"",
                   "ENDPRMTEXT"},
                  {E(5, msg::AmbiguousPrmText, 2, 2)},
                  {},
                  {2}},
        BlockCase{
            "RepeatedValue",
            {"PRMTEXT = 2", "TEXT(1) = \"a\"", "TEXT(0) = \"b\"", "TEXT(1) = \"c\"", "ENDPRMTEXT"},
            {W(5, msg::RedefinitionOfValue, 1, "PrmText")},
            {},
            {2}},
        // The same value in two tables is no redefinition.
        BlockCase{"SameValueInTwoTables",
                  {"PRMTEXT = 1", "TEXT(1) = \"a\"", "ENDPRMTEXT", "PRMTEXT = 2", "TEXT(1) = \"b\"",
                   "ENDPRMTEXT"},
                  {},
                  {},
                  {1, 2}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    TextReferences, SemanticUserParameterBlockTest,
    ::testing::Values(
        BlockCase{"DefaultHasAText",
                  {"PRMTEXT = 2", "TEXT(0) = \"a\"", "TEXT(3) = \"b\"", "ENDPRMTEXT",
                   "EXTUSERPRMDATA = 1", "Unsigned8 = 3", "PRM_TEXT_REF = 2", "ENDEXTUSERPRMDATA"},
                  {},
                  {1},
                  {2}},
        BlockCase{"DefaultWithoutText",
                  {"PRMTEXT = 2", "TEXT(0) = \"a\"", "TEXT(1) = \"b\"", "ENDPRMTEXT",
                   "EXTUSERPRMDATA = 1", "Unsigned8 = 3", "PRM_TEXT_REF = 2", "ENDEXTUSERPRMDATA"},
                  {W(9, msg::NoTextForDefault, 2, 3)},
                  {1},
                  {2}},
        BlockCase{"DefaultBelowEveryText",
                  {"PRMTEXT = 2", "TEXT(4) = \"a\"", "ENDPRMTEXT", "EXTUSERPRMDATA = 1",
                   "Unsigned8 = 3", "PRM_TEXT_REF = 2", "ENDEXTUSERPRMDATA"},
                  {W(8, msg::NoTextForDefault, 2, 3)},
                  {1},
                  {2}},
        // Negative values are compared as the same 32-bit pattern on both sides.
        BlockCase{"NegativeDefaultHasAText",
                  {"PRMTEXT = 2", "TEXT(-1) = \"a\"", "TEXT(1) = \"b\"", "ENDPRMTEXT",
                   "EXTUSERPRMDATA = 1", "Signed8 = -1", "PRM_TEXT_REF = 2", "ENDEXTUSERPRMDATA"},
                  {},
                  {1},
                  {2}},
        // A text table must stand before the definition that names it.
        BlockCase{"TextTableAfterTheReference",
                  {"EXTUSERPRMDATA = 1", "Unsigned8 = 0", "PRM_TEXT_REF = 2", "ENDEXTUSERPRMDATA",
                   "PRMTEXT = 2", "TEXT(0) = \"a\"", "ENDPRMTEXT"},
                  {E(4, msg::UnresolvedPrmText, 2)},
                  {1},
                  {2}},
        // A table that was never finished is not in the list, so not found.
        BlockCase{"UnfinishedTextTable",
                  {"PRMTEXT = 2", "ENDPRMTEXT", "EXTUSERPRMDATA = 1", "Unsigned8 = 0",
                   "PRM_TEXT_REF = 2", "ENDEXTUSERPRMDATA"},
                  {E(3, msg::MissingKeywordInBlock, "Text", "Prm-Text-Definition"),
                   E(6, msg::UnresolvedPrmText, 2)},
                  {1},
                  {}},
        // Without a data type line there is no default to find a text for.
        BlockCase{
            "NoDefaultWithoutDataType",
            {"PRMTEXT = 2", "TEXT(0) = \"a\"", "ENDPRMTEXT", "EXTUSERPRMDATA = 1",
             "PRM_TEXT_REF = 2", "ENDEXTUSERPRMDATA"},
            {E(7, msg::MissingKeywordInBlock, "Data_Type_Name", "Ext-User-Prm-Data-Definition")},
            {},
            {2}},
        // No reference, no default-text rule.
        BlockCase{"NoReferenceNoDefaultRule",
                  {"PRMTEXT = 2", "TEXT(0) = \"a\"", "ENDPRMTEXT", "EXTUSERPRMDATA = 1",
                   "Unsigned8 = 3", "ENDEXTUSERPRMDATA"},
                  {},
                  {1},
                  {2}}),
    [](const auto& info) { return info.param.Name; });

// Only valid lines feed the records: an invalid Text value is not stored, an invalid
// Prm_Text_Ref neither resolves nor is kept.
TEST(SemanticUserParameterRecordsTest, InvalidLinesStoreNothing) {
    SemanticTestDocument doc;
    SlaveFile(doc).Add({"PRMTEXT = 2", "TEXT(1) = \"a\"", "?TEXT(x) = \"b\"", "ENDPRMTEXT",
                        "EXTUSERPRMDATA = 1", "Unsigned8 = 1", "?PRM_TEXT_REF = 9",
                        "ENDEXTUSERPRMDATA"});
    // The invalid reference still counts as this block's Prm_Text_Ref, so the default
    // rule runs with the number it was never given and finds no table.
    EXPECT_EQ(doc.RunFirstPass(), Rows{});
    ASSERT_EQ(doc.checker->Groups().Get<UserParameterRules>().PrmTextList().size(), 1u);
    EXPECT_EQ(Descending(doc.checker->Groups().Get<UserParameterRules>().PrmTextList()[0].Values),
              std::vector<std::uint32_t>{1});
    EXPECT_EQ(doc.checker->Groups().Get<UserParameterRules>().PrmTextList()[0].Referenced, 0);
    ASSERT_EQ(doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList().size(), 1u);
    EXPECT_EQ(doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList()[0].PrmTextRef,
              -1);
}

TEST(SemanticUserParameterRecordsTest, ReferenceIsKeptAndMarksTheTable) {
    SemanticTestDocument doc;
    SlaveFile(doc).Add({"PRMTEXT = 2", "TEXT(5) = \"a\"", "TEXT(0) = \"b\"", "TEXT(9) = \"c\"",
                        "ENDPRMTEXT", "PRMTEXT = 3", "TEXT(0) = \"d\"", "ENDPRMTEXT",
                        "EXTUSERPRMDATA = 1", "Bit(2) = 0", "PRM_TEXT_REF = 2",
                        "ENDEXTUSERPRMDATA"});
    EXPECT_EQ(doc.RunFirstPass(), Rows{});
    const auto& texts = doc.checker->Groups().Get<UserParameterRules>().PrmTextList();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(Descending(texts[0].Values), (std::vector<std::uint32_t>{9, 5, 0}));
    EXPECT_EQ(texts[0].Referenced, 1);
    EXPECT_EQ(texts[1].Referenced, 0);
    ASSERT_EQ(doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList().size(), 1u);
    EXPECT_EQ(doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList()[0].PrmTextRef,
              2);
    EXPECT_EQ(doc.checker->Groups().Get<UserParameterRules>().ExtUserPrmDataList()[0].BitMask,
              0x04);
}

} // namespace
} // namespace kvf
