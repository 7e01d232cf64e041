#include "SemanticTestDocument.h"

#include "core/MessageIds.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

struct BlockCase {
    const char* Name;
    std::vector<std::string_view> Lines; // after "KVF_Revision = 5", "Station_Type = 0",
                                         // "Modular_Station = 1" (lines 0 to 2)
    Rows Expected;                       // first and second pass
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticBlockContentTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(SemanticBlockContentTest, ReportsExactly) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 5", "Station_Type = 0", "Modular_Station = 1"});
    for (std::string_view line : GetParam().Lines)
        doc.Add(line);
    EXPECT_EQ(doc.RunPasses(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    PhysicalInterface, SemanticBlockContentTest,
    ::testing::Values(
        BlockCase{"TransmissionDelayOnly",
                  {"Physical_Interface", "Transmission_Delay_1.5M = 1", "End_Physical_Interface"},
                  {"E 5: Missing \"Reaction_Delay\" for \"any\" Baudrate inside a "
                   "Physical-Interface-Definition.",
                   "E 5: Missing \"Reaction_Delay\" for \"1.5 M\" Baudrate inside a "
                   "Physical-Interface-Definition.",
                   E(4, msg::NoBaudrateForDelay, "Transmission_Delay_1.5M")}},
        BlockCase{"EmptyInterface",
                  {"Physical_Interface", "End_Physical_Interface"},
                  {E(4, msg::MissingDelayForBaudrate, "Transmission_Delay", "any"),
                   E(4, msg::MissingDelayForBaudrate, "Reaction_Delay", "any")}},
        BlockCase{"UnpairedDelaysInRateOrder",
                  {"Physical_Interface", "Reaction_Delay_12M = 1", "Transmission_Delay_9.6 = 1",
                   "Reaction_Delay_9.6 = 1", "Transmission_Delay_31.25 = 1",
                   "End_Physical_Interface"},
                  {E(8, msg::MissingDelayForBaudrate, "Reaction_Delay", "31.25 k"),
                   E(8, msg::MissingDelayForBaudrate, "Transmission_Delay", "12 M"),
                   E(4, msg::NoBaudrateForDelay, "Reaction_Delay_12M"),
                   E(5, msg::NoBaudrateForDelay, "Transmission_Delay_9.6"),
                   E(6, msg::NoBaudrateForDelay, "Reaction_Delay_9.6"),
                   E(7, msg::NoBaudrateForDelay, "Transmission_Delay_31.25")}},
        // The counters are reset when an interface begins: the second one has its own.
        BlockCase{"EachInterfaceCountsItsOwnDelays",
                  {"Physical_Interface", "Transmission_Delay_6M = 1", "Reaction_Delay_6M = 1",
                   "End_Physical_Interface", "Physical_Interface", "End_Physical_Interface"},
                  {E(8, msg::MissingDelayForBaudrate, "Transmission_Delay", "any"),
                   E(8, msg::MissingDelayForBaudrate, "Reaction_Delay", "any"),
                   E(4, msg::NoBaudrateForDelay, "Transmission_Delay_6M"),
                   E(5, msg::NoBaudrateForDelay, "Reaction_Delay_6M")}},
        BlockCase{"MisplacedEndIsNotJudged",
                  {"End_Physical_Interface"},
                  {W(3, msg::SpecifiedOutsideBlock, "End_Physical_Interface", "Physical_Interface",
                     "End_Physical_Interface")}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    DiagnosisAreas, SemanticBlockContentTest,
    ::testing::Values(
        BlockCase{"AreaWithoutValue",
                  {"UNIT_DIAG_AREA = 16-23", "VALUE_HELP(0) = \"h\"", "UNIT_DIAG_AREA_END"},
                  {E(5, msg::MissingKeywordInBlock, "Value", "Unit-Diag-Area-Definition"),
                   W(5, msg::HelpWithoutDefinition, "Value", 0),
                   W(3, msg::DiagLenRecommended, "UNIT_DIAG_AREA")}},
        BlockCase{"EachAreaNeedsItsOwnValue",
                  {"UNIT_DIAG_AREA = 16-23", "VALUE(0) = \"a\"", "UNIT_DIAG_AREA_END",
                   "UNIT_DIAG_AREA = 24-25", "UNIT_DIAG_AREA_END"},
                  {E(7, msg::MissingKeywordInBlock, "Value", "Unit-Diag-Area-Definition"),
                   W(3, msg::DiagLenRecommended, "UNIT_DIAG_AREA"),
                   W(6, msg::DiagLenRecommended, "UNIT_DIAG_AREA")}},
        BlockCase{"ExtendedAreaWithoutValue",
                  {"UnitDiagType = 1", "X_Unit_Diag_Area = 24-25", "X_Value_Help(0) = \"h\"",
                   "X_Unit_Diag_Area_End", "X_Unit_Diag_Area = 26-27", "X_Value(0) = \"v\"",
                   "X_Unit_Diag_Area_End", "EndUnitDiagType"},
                  {E(6, msg::MissingKeywordInBlock, "X_Value", "X-Unit-Diag-Area-Definition"),
                   W(6, msg::HelpWithoutDefinition, "X_Value", 0),
                   W(4, msg::DiagLenRecommended, "X_Unit_Diag_Area"),
                   W(7, msg::DiagLenRecommended, "X_Unit_Diag_Area")}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    SlotsAndDataAreas, SemanticBlockContentTest,
    ::testing::Values(
        BlockCase{"SlotDefinitionWithoutSlot",
                  {"SlotDefinition", "EndSlotDefinition"},
                  {E(4, msg::MissingMandatoryInBlock, "Slot", "Slot-Definition")}},
        BlockCase{"SlotDefinitionWithSlot",
                  {"Max_Module = 1", "Module = \"A\" 0x10", "Module_Reference = 1", "EndModule",
                   "SlotDefinition", "Slot(1) = \"s\" 1 1", "EndSlotDefinition"},
                  {}},
        BlockCase{"DataAreaWithoutItsKeywords",
                  {"Module = \"A\" 0x10", "Module_Reference = 1", "Data_Area_Beg", "Data_Area_End",
                   "EndModule"},
                  {E(6, msg::MissingMandatoryInBlock, "Area_Name", "Data_Area"),
                   E(6, msg::MissingMandatoryInBlock, "Related_Cfg_Identifier", "Data_Area"),
                   E(6, msg::MissingMandatoryInBlock, "IO_Direction", "Data_Area"),
                   E(6, msg::MissingMandatoryInBlock, "Length", "Data_Area"),
                   E(6, msg::MissingMandatoryInBlock, "Consistency", "Data_Area"),
                   E(6, msg::MissingMandatoryInBlock, "Publisher_allowed", "Data_Area"),
                   E(6, msg::MissingMandatoryInBlock, "DP_Master_allowed", "Data_Area"),
                   E(6, msg::MissingMandatoryInBlock, "Data_Type", "Data_Area")}},
        // An invalid line does not count as given.
        BlockCase{"SecondDataAreaStartsFromZero",
                  {"Module = \"A\" 0x10",
                   "Module_Reference = 1",
                   "Data_Area_Beg",
                   "Area_Name = \"a\"",
                   "Related_CFG_Identifier = 1",
                   "IO_Direction = 0",
                   "Length = 1",
                   "Consistency = 0",
                   "Publisher_allowed = 0",
                   "DP_Master_allowed = 0",
                   "Data_Type = 5",
                   "Data_Area_End",
                   "Data_Area_Beg",
                   "Area_Name = \"b\"",
                   "Related_CFG_Identifier = 1",
                   "IO_Direction = 0",
                   "?Length = x",
                   "Consistency = 0",
                   "Publisher_allowed = 0",
                   "DP_Master_allowed = 0",
                   "Data_Type = 5",
                   "Data_Area_End",
                   "EndModule"},
                  // Without its length the area is shorter than its data type.
                  {E(24, msg::MissingMandatoryInBlock, "Length", "Data_Area"),
                   E(24, msg::DataTypesExceedLength, 1, 0)}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Modules, SemanticBlockContentTest,
    ::testing::Values(
        BlockCase{"ModuleWithoutReference",
                  {"Module = \"A\" 0x10", "Module_Reference = 1", "EndModule",
                   "Module = \"B\" 0x10", "EndModule"},
                  {"E 7: Missing \"Module_Reference\" inside a Module-Definition. "
                   "\"Module_Reference\" is mandatory according to KVF Revision \"5\"."}},
        // The second pass judges the end wherever it stands.
        BlockCase{"MisplacedEndIsJudgedInTheSecondPass",
                  {"ENDMODULE"},
                  {W(3, msg::SpecifiedOutsideBlock, "ENDMODULE", "Module", "ENDMODULE"),
                   E(3, msg::MissingModuleReference, "Module_Reference", "Module_Reference", 5)}}),
    [](const auto& info) { return info.param.Name; });

TEST(SemanticBlockContentTest, ModuleReferenceIsDemandedFromRevisionThree) {
    for (int revision : {2, 3}) {
        SemanticTestDocument doc;
        doc.Add({"KVF_Revision = " + std::to_string(revision), "Module = \"A\" 0x10", "EndModule"});
        Rows expected;
        if (revision == 3)
            expected.push_back(
                E(2, msg::MissingModuleReference, "Module_Reference", "Module_Reference", 3));
        EXPECT_EQ(doc.RunPasses(), expected) << revision;
    }
}

// Each Jokerblock_Type block is judged by its own Jokerblock_Slot count, whatever the
// other blocks hold. A misplaced end (lines 4 and 11) ends no block: the blocks after it
// are judged as before.
TEST(SemanticBlockContentTest, EachJokerblockIsJudgedByItsOwnSlots) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 5", "Station_Type = 0", "Jokerblock_Type", "End_Jokerblock_Type",
             "End_Jokerblock_Type", "Jokerblock_Type", "Jokerblock_Slot = 1", "End_Jokerblock_Type",
             "Jokerblock_Type", "?Jokerblock_Slot = x", "End_Jokerblock_Type",
             "End_Jokerblock_Type"});
    const std::string misplaced = "End_Jokerblock_Type";
    EXPECT_EQ(doc.RunPasses(),
              (Rows{W(4, msg::SpecifiedOutsideBlock, misplaced, "Jokerblock_Type", misplaced),
                    W(11, msg::SpecifiedOutsideBlock, misplaced, "Jokerblock_Type", misplaced),
                    E(3, msg::MissingMandatoryInBlock, "Jokerblock_Slot", "Jokerblock_Type"),
                    E(10, msg::MissingMandatoryInBlock, "Jokerblock_Slot", "Jokerblock_Type")}));
}

// The definitions under construction are created by the user parameter rules; here they
// are put in place by hand.
TEST(SemanticBlockContentTest, PrmTextNeedsATextLine) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 1", "PRMTEXT = 1", "ENDPRMTEXT", "PRMTEXT = 2", "TEXT(0) = \"a\"",
             "ENDPRMTEXT"});
    SemanticChecker checker(doc.run, doc.document);
    UserParameterRules& parameters = checker.Groups().Get<UserParameterRules>();
    parameters.DefinePrmText(1);
    for (std::size_t i = 0; i < 3; ++i)
        checker.CheckEntry(doc.Entry(i), PASS_FIRST);
    EXPECT_EQ(doc.Messages(),
              (Rows{"E 2: Missing Keyword. \"Text\" is mandatory for a \"Prm-Text-Definition\" in "
                    "KVF files for Slaves."}));
    ASSERT_TRUE(parameters.CurrentPrmText()); // stays current until the next PrmText begins
    EXPECT_TRUE(parameters.PrmTextList().empty());

    parameters.CurrentPrmText()->Number = 2;
    for (std::size_t i = 3; i < 6; ++i)
        checker.CheckEntry(doc.Entry(i), PASS_FIRST);
    EXPECT_EQ(doc.Messages().size(), 1u);
    EXPECT_FALSE(parameters.CurrentPrmText());
    ASSERT_EQ(parameters.PrmTextList().size(), 1u);
    EXPECT_EQ(parameters.PrmTextList()[0].Number, 2);
}

TEST(SemanticBlockContentTest, ExtUserPrmDataNeedsADataType) {
    for (int typeSeen : {0, 1}) {
        SemanticTestDocument doc;
        doc.Add({"KVF_Revision = 1", "EXTUSERPRMDATA = 1 \"p\"", "ENDEXTUSERPRMDATA"});
        SemanticChecker checker(doc.run, doc.document);
        UserParameterRules& parameters = checker.Groups().Get<UserParameterRules>();
        parameters.DefineExtUserPrmData(1);
        parameters.CurrentExtUserPrmData()->TypeSeen = typeSeen;
        checker.CheckEntry(doc.Entry(2), PASS_FIRST);
        Rows expected;
        if (!typeSeen)
            expected.push_back(
                E(2, msg::MissingKeywordInBlock, "Data_Type_Name", "Ext-User-Prm-Data-Definition"));
        EXPECT_EQ(doc.Messages(), expected);
        EXPECT_EQ(parameters.ExtUserPrmDataList().size(), typeSeen ? 1u : 0u);
        EXPECT_EQ(static_cast<bool>(parameters.CurrentExtUserPrmData()), !typeSeen);
    }
}

} // namespace
} // namespace kvf
