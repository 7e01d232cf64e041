#include "SemanticRuleTestLines.h"
#include "SemanticTestDocument.h"

#include "core/MessageIds.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

struct DiagCase {
    const char* Name;
    std::vector<std::string_view> Lines; // from line 3 on
    Rows Expected;                       // first and second pass
};

void PrintTo(const DiagCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticDiagnosisTest : public ::testing::TestWithParam<DiagCase> {};

// A revision 5 slave file with Max_Diag_Data_Len = 10 (bits 0 ... 23 in range) in lines
// 0 to 2; the lines of a case start at line 3.
TEST_P(SemanticDiagnosisTest, ReportsExactly) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 5", "Station_Type = 0", "Max_Diag_Data_Len = 10"});
    for (std::string_view line : GetParam().Lines)
        doc.Add(line);
    test::CompleteValueParts(doc);
    EXPECT_EQ(doc.RunPasses(), GetParam().Expected);
}

const std::string kBits = "Diagnosis Bits";
const std::string kArea = "Diagnosis Area";

INSTANTIATE_TEST_SUITE_P(
    BitsAndAreas, SemanticDiagnosisTest,
    ::testing::Values(
        DiagCase{
            "RepeatedBit",
            {"Unit_Diag_Bit(3) = a", "Unit_Diag_Bit(3) = b", "Unit_Diag_Bit(3) = c"},
            {W(4, msg::RedefinitionOfEntry, 3, kBits), W(5, msg::RedefinitionOfEntry, 3, kBits)}},
        DiagCase{
            "BitAndNotBitAreSeparate", {"Unit_Diag_Bit(3) = a", "Unit_Diag_Not_Bit(3) = b"}, {}},
        DiagCase{"InvalidBitClaimsNothing", {"?Unit_Diag_Bit(3) = a", "Unit_Diag_Bit(3) = b"}, {}},
        // The area is recorded although it holds a single bit.
        DiagCase{
            "BitThenArea",
            {"Unit_Diag_Bit(17) = a", "UNIT_DIAG_AREA = 16-23", "VALUE(0) = v",
             "UNIT_DIAG_AREA_END", "Unit_Diag_Bit(18) = b"},
            {W(4, msg::RedefinitionOfEntry, 17, kBits), W(7, msg::RedefinitionOfEntry, 18, kArea)}},
        // Testing names the lowest bit in conflict, in bits before not-bits.
        DiagCase{
            "AreaOverBitsAndNotBits",
            {"Unit_Diag_Bit(18) = a", "Unit_Diag_Bit(17) = b", "Unit_Diag_Not_Bit(16) = c",
             "UNIT_DIAG_AREA = 16-23", "VALUE(0) = v", "UNIT_DIAG_AREA_END"},
            {W(6, msg::RedefinitionOfEntry, 17, kBits), W(6, msg::RedefinitionOfEntry, 16, kBits)}},
        // Claiming names the highest bit it takes over.
        DiagCase{"OverlappingAreas",
                 {"UNIT_DIAG_AREA = 16-23", "VALUE(0) = v", "UNIT_DIAG_AREA_END",
                  "UNIT_DIAG_AREA = 20-27", "VALUE(0) = v", "UNIT_DIAG_AREA_END",
                  "UNIT_DIAG_AREA = 8-15", "VALUE(0) = v", "UNIT_DIAG_AREA_END"},
                 {W(6, msg::RedefinitionOfEntry, 23, kArea),
                  E(6, msg::DiagPositionExceeds, "UNIT_DIAG_AREA")}},
        DiagCase{"HelpTextsHaveTheirOwnList",
                 {"Unit_Diag_Bit_Help(3) = a", "Unit_Diag_Bit_Help(3) = b", "Unit_Diag_Bit(3) = c"},
                 {W(4, msg::RedefinitionOfEntry, 3, "Help Texts for Diagnosis Bits")}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    AreaValues, SemanticDiagnosisTest,
    ::testing::Values(
        // Three bits wide: values 0 ... 7. A value out of range is not recorded.
        DiagCase{"WithinTheWidth",
                 {"UNIT_DIAG_AREA = 12-14", "VALUE(7) = a", "VALUE(8) = b", "VALUE(8) = c",
                  "VALUE(2) = d", "VALUE(2) = e", "UNIT_DIAG_AREA_END"},
                 {E(5, msg::AreaValueExceeds, 8, 7), E(6, msg::AreaValueExceeds, 8, 7),
                  W(8, msg::RedefinitionOfValue, 2, "(X_)Unit_Diag_Area")}},
        DiagCase{"EachAreaHasItsOwnValues",
                 {"UNIT_DIAG_AREA = 0-1", "VALUE(1) = a", "UNIT_DIAG_AREA_END",
                  "UNIT_DIAG_AREA = 2-3", "VALUE(1) = b", "VALUE_HELP(1) = c",
                  "UNIT_DIAG_AREA_END"},
                 {}},
        // Help values are judged against the values of their own area, in ascending order.
        DiagCase{"HelpValuesNeedValues",
                 {"UNIT_DIAG_AREA = 0-2", "VALUE(1) = a", "VALUE_HELP(6) = b", "VALUE_HELP(1) = c",
                  "VALUE_HELP(4) = d", "VALUE_HELP(9) = e", "UNIT_DIAG_AREA_END",
                  "UNIT_DIAG_AREA = 3-4", "VALUE(4) = f", "UNIT_DIAG_AREA_END"},
                 {E(8, msg::AreaValueExceeds, 9, 7), W(9, msg::HelpWithoutDefinition, "Value", 4),
                  W(9, msg::HelpWithoutDefinition, "Value", 6),
                  E(11, msg::AreaValueExceeds, 4, 3)}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Extended, SemanticDiagnosisTest,
    ::testing::Values(
        DiagCase{"BitsAreJudgedPerUnitDiagType",
                 {"UnitDiagType = 1", "X_Unit_Diag_Bit(24) = a", "X_Unit_Diag_Bit(24) = b",
                  "EndUnitDiagType", "UnitDiagType = 2", "X_Unit_Diag_Bit(24) = c",
                  "X_Unit_Diag_Bit_Help(25) = d", "EndUnitDiagType"},
                 {W(5, msg::RedefinitionOfEntry, 24, "Diagnosis Bits in UnitDiagType"),
                  W(10, msg::HelpWithoutDefinition, "X_Unit_Diag_Bit", 25)}},
        DiagCase{"AreaInUnitDiagType",
                 {"UnitDiagType = 1", "X_Unit_Diag_Not_Bit(26) = a", "X_Unit_Diag_Area = 25-27",
                  "X_Value(8) = b", "X_Value_Help(1) = c", "X_Unit_Diag_Area_End",
                  "EndUnitDiagType"},
                 {W(5, msg::RedefinitionOfEntry, 26, "Diagnosis Bits in UnitDiagType"),
                  E(6, msg::AreaValueExceeds, 8, 7), W(8, msg::HelpWithoutDefinition, "X_Value", 1),
                  E(5, msg::DiagPositionExceeds, "X_Unit_Diag_Area")}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    HelpTexts, SemanticDiagnosisTest,
    ::testing::Values(
        // Outside blocks a definition anywhere in the file counts.
        DiagCase{"UnitHelpTexts",
                 {"Unit_Diag_Bit_Help(5) = a", "Unit_Diag_Not_Bit_Help(6) = b",
                  "Unit_Diag_Bit(6) = c", "Unit_Diag_Not_Bit(5) = d", "Channel_Diag_Help(30) = e",
                  "Channel_Diag(30) = f", "Channel_Diag_Help(31) = g"},
                 {W(3, msg::HelpWithoutDefinition, "Unit_Diag_Bit", 5),
                  W(4, msg::HelpWithoutDefinition, "Unit_Diag_Not_Bit", 6),
                  W(9, msg::HelpWithoutDefinition, "unit's Channel_Diag", 31)}},
        // In a module only the module's own channel types count, at its end, in descending
        // order; the unit's types do not.
        DiagCase{"ModuleChannelDiagnosis",
                 {"Channel_Diag(17) = a", "Module = \"M\" 0x10", "Module_Reference = 1",
                  "Channel_Diag(20) = b", "Channel_Diag(20) = c", "Channel_Diag_Help(17) = d",
                  "Channel_Diag_Help(19) = e", "Channel_Diag_Help(20) = f", "EndModule",
                  "Module = \"N\" 0x10", "Module_Reference = 2", "Channel_Diag(20) = g",
                  "EndModule"},
                 {W(7, msg::RedefinitionOfEntry, 20, "Channel_Diag"),
                  W(11, msg::HelpWithoutDefinition, "module's Channel_Diag", 19),
                  W(11, msg::HelpWithoutDefinition, "module's Channel_Diag", 17)}}),
    [](const auto& info) { return info.param.Name; });

// The bit positions that fit after the first seven bytes of the diagnosis.
TEST(SemanticDiagnosisPositionTest, MaxDiagDataLen) {
    struct Case {
        const char* MaxDiagDataLen; // nullptr: no Max_Diag_Data_Len line
        const char* Bit;
        int Expected; // 0 holds, else the message id
    };
    const Case cases[] = {
        {"8", "7", 0},
        {"8", "8", msg::DiagPositionExceeds},
        {"10", "23", 0},
        {"10", "24", msg::DiagPositionExceeds},
        {"7", "0", msg::DiagPositionExceeds},
        {"6", "0", msg::DiagPositionExceeds},
        {"244", "495", 0},
        {nullptr, "0", msg::DiagLenRecommended},
    };
    for (const Case& c : cases) {
        SemanticTestDocument doc;
        doc.Add({"KVF_Revision = 5", "Station_Type = 0"});
        if (c.MaxDiagDataLen)
            doc.Add(std::string("Max_Diag_Data_Len = ") + c.MaxDiagDataLen);
        else
            doc.Add("Slave_Family = 1");
        doc.Add(std::string("Unit_Diag_Bit(") + c.Bit + ") = x");
        Rows expected;
        if (c.Expected == msg::DiagLenRecommended)
            expected.push_back(W(3, c.Expected, "Unit_Diag_Bit"));
        else if (c.Expected != 0)
            expected.push_back(E(3, c.Expected, "Unit_Diag_Bit"));
        EXPECT_EQ(doc.RunPasses(), expected) << c.MaxDiagDataLen << " " << c.Bit;
    }
}

} // namespace
} // namespace kvf
