#include "SemanticTestDocument.h"

#include "core/MessageIds.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

struct PassCase {
    const char* Name;
    std::vector<std::string_view> Lines;
    Rows Expected; // first and second pass only
};

void PrintTo(const PassCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticPassesTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(SemanticPassesTest, ReportsExactly) {
    SemanticTestDocument doc;
    for (std::string_view line : GetParam().Lines)
        doc.Add(line);
    EXPECT_EQ(doc.RunPasses(), GetParam().Expected);
}

const char* kRev5 = "KVF_Revision = 5";

INSTANTIATE_TEST_SUITE_P(
    Context, SemanticPassesTest,
    ::testing::Values(
        PassCase{"TopLevelKeywordInsideModule",
                 {kRev5, "Station_Type = 0", "module = \"M\" 0x10", "Vendor_Name = \"V\"",
                  "Module_Reference = 1", "EndModule"},
                 {"W 3: Keyword \"Vendor_Name\" is specfied inside a \"module\". \"Vendor_Name\" "
                  "could be supposed as userspecific here."}},
        PassCase{"ModuleKeywordAtTopLevel",
                 {kRev5, "Station_Type = 0", "Module_Reference = 1"},
                 {"W 2: Keyword \"Module_Reference\" is specfied outside a \"Module\". "
                  "\"Module_Reference\" could be supposed as userspecific here."}},
        PassCase{
            "TopOrModuleKeywordInAnotherBlock",
            {kRev5, "Station_Type = 0", "Physical_Interface", "Channel_Diag(1) = \"x\"",
             "Transmission_Delay_9.6 = 1", "Reaction_Delay_9.6 = 1", "End_Physical_Interface"},
            {W(3, msg::SpecifiedInsideBlock, "Channel_Diag", "Physical_Interface", "Channel_Diag"),
             E(4, msg::NoBaudrateForDelay, "Transmission_Delay_9.6"),
             E(5, msg::NoBaudrateForDelay, "Reaction_Delay_9.6")}},
        PassCase{"InsideKeywordInTheWrongBlock",
                 {kRev5, "Station_Type = 0", "SlotDefinition", "VALUE(1) = \"x\"",
                  "Slot(1) = \"s\" 1 1", "EndSlotDefinition"},
                 {W(3, msg::SpecifiedOutsideBlock, "VALUE", "Unit_Diag_Area", "VALUE"),
                  W(2, msg::ModularKeywordInCompactFile, "SlotDefinition"),
                  // No Max_Module and no module: the slot's bound and default rules report.
                  E(4, msg::ExceedsRangeSpecifiedBy, "Slot_Number", 1, 0,
                    MessageText(msg::MaxModuleNotSet)),
                  E(4, msg::UnresolvedSlotDefault, 1)}},
        PassCase{"DataAreaNestedInModuleIsInside",
                 {kRev5, "Station_Type = 0", "Modular_Station = 1", "Module = \"M\" 0x10",
                  "Module_Reference = 1", "Data_Area_Beg", "Area_Name = \"a\"",
                  "Related_CFG_Identifier = 1", "IO_Direction = 0", "Length = 1", "Consistency = 0",
                  "Publisher_allowed = 0", "DP_Master_allowed = 0", "Data_Type = 5",
                  "Data_Area_End", "EndModule"},
                 {}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Multiplicity, SemanticPassesTest,
    ::testing::Values(
        PassCase{"EveryExtraLineReports",
                 {"Vendor_Name = \"a\"", "Vendor_Name = \"b\"", "VENDOR_NAME = \"c\""},
                 {E(1, msg::MultipleDefinitionTop, "Vendor_Name"),
                  E(2, msg::MultipleDefinitionTop, "VENDOR_NAME")}},
        PassCase{"TopAndModuleCountersAreSeparate",
                 {"KVF_Revision = 3", "Station_Type = 0", "Fail_Safe_required = 1",
                  "Module = \"A\" 0x10", "Module_Reference = 1", "Fail_Safe_required = 1",
                  "EndModule", "Module = \"B\" 0x10", "Module_Reference = 2",
                  "Fail_Safe_required = 1", "EndModule", "Fail_Safe = 1"},
                 {}},
        PassCase{"TwiceInOneModule",
                 {"KVF_Revision = 3", "Station_Type = 0", "Module = \"A\" 0x10",
                  "Module_Reference = 1", "Info_Text = \"x\"", "Info_Text = \"y\"",
                  "Module_Reference = 2", "EndModule"},
                 {E(5, msg::MultipleDefinitionModule, "Info_Text"),
                  E(6, msg::MultipleDefinitionModule, "Module_Reference")}},
        PassCase{"TwiceAtTopLevelBetweenModules",
                 {"KVF_Revision = 3", "Station_Type = 0", "Info_Text = \"x\"",
                  "Module = \"A\" 0x10", "Module_Reference = 1", "EndModule", "Info_Text = \"y\""},
                 {E(6, msg::MultipleDefinitionTop, "Info_Text")}},
        PassCase{
            "PrmTextRefPerDefinition",
            {kRev5, "Station_Type = 0", "EXTUSERPRMDATA = 1 \"a\"", "PRM_TEXT_REF = 1",
             "PRM_TEXT_REF = 2", "PRM_TEXT_REF = 3", "ENDEXTUSERPRMDATA",
             "EXTUSERPRMDATA = 2 \"b\"", "PRM_TEXT_REF = 1", "ENDEXTUSERPRMDATA"},
            // No text table 1 and no data type line: the definitions' own rules
            // report too, around the multiplicity rows.
            {E(3, msg::UnresolvedPrmText, 1),
             E(4, msg::MultipleDefinitionExtUserPrmData, "PRM_TEXT_REF"),
             E(5, msg::MultipleDefinitionExtUserPrmData, "PRM_TEXT_REF"),
             E(6, msg::MissingKeywordInBlock, "Data_Type_Name", "Ext-User-Prm-Data-Definition"),
             E(8, msg::UnresolvedPrmText, 1),
             E(9, msg::MissingKeywordInBlock, "Data_Type_Name", "Ext-User-Prm-Data-Definition")}},
        PassCase{"DelaysPerInterface",
                 {kRev5, "Physical_Interface", "Transmission_Delay_9.6 = 1",
                  "Reaction_Delay_9.6 = 1", "Transmission_Delay_9.6 = 2", "End_Physical_Interface",
                  "Physical_Interface", "Transmission_Delay_9.6 = 1", "Reaction_Delay_9.6 = 1",
                  "End_Physical_Interface"},
                 {E(4, msg::MultipleDefinitionPhysicalInterface, "Transmission_Delay_9.6"),
                  E(2, msg::NoBaudrateForDelay, "Transmission_Delay_9.6"),
                  E(3, msg::NoBaudrateForDelay, "Reaction_Delay_9.6"),
                  E(7, msg::NoBaudrateForDelay, "Transmission_Delay_9.6"),
                  E(8, msg::NoBaudrateForDelay, "Reaction_Delay_9.6")}},
        PassCase{"PerBlockNamesTheBlockAsWritten",
                 {kRev5, "Station_Type = 0", "Jokerblock_supp = 0", "Jokerblock_Type",
                  "Jokerblock_Slot = 1", "Jokerblock_Slot = 2", "End_Jokerblock_Type"},
                 // The repeated line is accepted all the same, so its slot is judged too.
                 {E(5, msg::MultipleDefinitionInBlock, "Jokerblock_Slot", "Jokerblock_Type"),
                  W(5, msg::ExceedsRangeSpecifiedBy, "Jokerblock_Slot", 2, 1,
                    MessageText(msg::NonmodularStation))}},
        PassCase{"InvalidLinesOfCountedWhenValidKeywordsAreNotCounted",
                 {kRev5, "Station_Type = 0", "Jokerblock_Type", "?Jokerblock_Slot = x",
                  "Jokerblock_Slot = 1", "End_Jokerblock_Type"},
                 {}},
        PassCase{"MisplacedLinesAreNotCounted",
                 {"Station_Type = 0", "Module = \"A\" 0x10", "Vendor_Name = \"a\"", "EndModule",
                  "Vendor_Name = \"b\""},
                 {W(2, msg::SpecifiedInsideBlock, "Vendor_Name", "Module", "Vendor_Name")}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    RevisionAndRole, SemanticPassesTest,
    ::testing::Values(
        PassCase{"NoRevisionMeansRevisionZero",
                 {"31.25_supp = 1"},
                 {W(0, msg::RevisionSpecificKeyword, "31.25_supp", 2, 0, "31.25_supp"),
                  E(0, msg::NoMaxTsdrForBaudrate)}},
        PassCase{"RevisionTakenFromAnywhereInTheFile",
                 {"Station_Type = 0", "Slave_Family = 3", "KVF_Revision = 1"},
                 {}},
        PassCase{"RevisionAboveFiveIsCheckedAsFive",
                 {"KVF_Revision = 7", "Station_Type = 0", "PrmCmd_supp = 0",
                  "Unit_Diag_Bit_Help(1) = \"x\""},
                 {W(0, msg::KvfRevisionNotSupported, 7),
                  W(3, msg::HelpWithoutDefinition, "Unit_Diag_Bit", 1)}},
        PassCase{"RevisionZeroIsARevisionOneKeyword",
                 {"KVF_Revision = 0"},
                 {W(0, msg::RevisionSpecificKeyword, "KVF_Revision", 1, 0, "KVF_Revision")}},
        PassCase{"ModularKeywordInCompactSlave",
                 {"Station_Type = 0", "Max_Module = 4"},
                 {W(1, msg::ModularKeywordInCompactFile, "Max_Module")}},
        PassCase{"ModularKeywordInModularSlave",
                 {"Max_Module = 4", "Modular_Station = 1", "Station_Type = 0"},
                 {}},
        PassCase{"SlaveKeywordInMaster",
                 {"Station_Type = 1", "Max_Module = 4"},
                 {W(1, msg::SlaveKeywordInMasterFile, "Max_Module")}},
        PassCase{"MasterKeywordInSlave",
                 {"Station_Type = 0", "LAS_LEN = 1"},
                 {W(1, msg::MasterKeywordInSlaveFile, "LAS_LEN")}},
        PassCase{"UnknownStationKindGivesNoRoleWarning",
                 {"?Station_Type = 7", "LAS_LEN = 1", "Max_Module = 4"},
                 {}},
        PassCase{
            "MisplacedLineStillGetsRevisionAndRoleWarnings",
            {"Station_Type = 1", "Physical_Interface", "UNIT_DIAG_AREA = 0-1",
             "Transmission_Delay_9.6 = 1", "Reaction_Delay_9.6 = 1", "End_Physical_Interface"},
            {W(2, msg::SpecifiedInsideBlock, "UNIT_DIAG_AREA", "Physical_Interface",
               "UNIT_DIAG_AREA"),
             W(1, msg::RevisionSpecificKeyword, "Physical_Interface", 3, 0, "Physical_Interface"),
             W(2, msg::SlaveKeywordInMasterFile, "UNIT_DIAG_AREA"),
             W(3, msg::RevisionSpecificKeyword, "Transmission_Delay_9.6", 3, 0,
               "Transmission_Delay_9.6"),
             E(3, msg::NoBaudrateForDelay, "Transmission_Delay_9.6"),
             W(4, msg::RevisionSpecificKeyword, "Reaction_Delay_9.6", 3, 0, "Reaction_Delay_9.6"),
             E(4, msg::NoBaudrateForDelay, "Reaction_Delay_9.6"),
             W(5, msg::RevisionSpecificKeyword, "End_Physical_Interface", 3, 0,
               "End_Physical_Interface")}},
        PassCase{
            "ChangeableHasNoRoleRuleButVisibleHas",
            {"KVF_Revision = 4", "Station_Type = 1", "EXTUSERPRMDATA = 1 \"a\"", "Changeable = 1",
             "Visible = 1", "ENDEXTUSERPRMDATA"},
            {E(5, msg::MissingKeywordInBlock, "Data_Type_Name", "Ext-User-Prm-Data-Definition"),
             W(2, msg::SlaveKeywordInMasterFile, "EXTUSERPRMDATA"),
             W(4, msg::SlaveKeywordInMasterFile, "Visible"),
             W(5, msg::SlaveKeywordInMasterFile, "ENDEXTUSERPRMDATA")}},
        PassCase{"ListNameAndCatalogueNameOfSwitchOverTime",
                 {kRev5, "Station_Type = 1", "Slave_Max_Switch_Over_Time = 1",
                  "Max_Switch_Over_Time = 1"},
                 {W(3, msg::SlaveKeywordInMasterFile, "Max_Switch_Over_Time"),
                  W(3, msg::PrerequisiteOnly, "Max_Switch_Over_Time", "PrmCmd_supp")}},
        PassCase{"TreeGroupNamesAndUserKeysAreIgnored",
                 {"Slave Keys", "My_Own_Key = 1", "Vendor_Name = \"a\""},
                 {}}),
    [](const auto& info) { return info.param.Name; });

struct AcceptedCase {
    const char* Name;
    std::vector<std::string_view> Lines;
    std::vector<int> Accepted; // per line
};

void PrintTo(const AcceptedCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticAcceptedTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(SemanticAcceptedTest, SetsTheAcceptedFlag) {
    SemanticTestDocument doc;
    for (std::string_view line : GetParam().Lines)
        doc.Add(line);
    doc.RunPasses();
    std::vector<int> accepted;
    for (const CDbEntry& entry : doc.document.Database)
        accepted.push_back(entry.Accepted);
    EXPECT_EQ(accepted, GetParam().Accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Acceptance, SemanticAcceptedTest,
    ::testing::Values(
        AcceptedCase{"RepeatedLineIsNotAccepted",
                     {"Vendor_Name = \"a\"", "Vendor_Name = \"b\"", "?Model_Name = x"},
                     {1, 0, 1}},
        AcceptedCase{"SomeAreAcceptedBeforeTheirMultiplicityRule",
                     {"Protocol_Ident = 0", "Protocol_Ident = 0", "Software_Release = \"1\"",
                      "Software_Release = \"2\""},
                     {1, 1, 1, 1}},
        AcceptedCase{"SomeAreNeverAccepted",
                     {"DPV1_Master = 1", "Physical_Interface", "End_Physical_Interface",
                      "Time_Sync_supp = 1"},
                     {0, 1, 0, 0}},
        AcceptedCase{"MisplacedLineIsNotAccepted",
                     {"Module = \"A\" 0x10", "Slave_Family = 3", "EndModule", "ENDMODULE"},
                     {1, 0, 1, 0}},
        AcceptedCase{"InvalidCountedWhenValidLineIsNotAccepted",
                     {"Jokerblock_Type", "?Jokerblock_Slot = x", "Jokerblock_Slot = 1",
                      "Jokerblock_Slot = 2", "End_Jokerblock_Type"},
                     {1, 0, 1, 1, 1}}),
    [](const auto& info) { return info.param.Name; });

// Values are kept only from the first, valid, accepted line; never-accepted keywords keep
// their value all the same.
TEST(SemanticCollectedStateTest, KeepsFlagsAndValuesOfValidLines) {
    SemanticTestDocument doc;
    doc.Add({"Station_Type = 1", "DPV1_Master = 1", "12M_supp = 1", "9.6_supp = 0",
             "?Max_Diag_Data_Len = x", "Max_Input_Len = 0x20", "Max_Input_Len = 7", "Fail_Safe = 2",
             "KVF_Revision = 3"});
    doc.RunPasses();
    const RuleContext& c = doc.checker->Context();
    using semantic::Kw;
    EXPECT_EQ(c.StationKind(), 1);
    EXPECT_EQ(c.RevisionInForce(), 3u);
    EXPECT_EQ(c.KeptValue(Kw::DPV1_Master), 1);
    EXPECT_TRUE(c.BaudSupported(10));
    EXPECT_FALSE(c.BaudSupported(0));
    EXPECT_EQ(c.Count(Kw::Supp_9_6), 1u);
    EXPECT_EQ(c.KeptValue(Kw::Max_Diag_Data_Len), 0);
    EXPECT_EQ(c.KeptValue(Kw::Max_Input_Len), 0x20);
    EXPECT_EQ(c.KeptValue(Kw::Fail_Safe), 0); // only the value 1 sets a flag
}

// The one-data-type rule reads the definition under construction, which the user
// parameter rules fill.
TEST(SemanticContextRulesTest, OneDataTypePerDefinition) {
    for (int typeSeen : {0, 1}) {
        SemanticTestDocument doc;
        doc.Add({"EXTUSERPRMDATA = 1 \"a\"", "UNSIGNED8 = 0 0-1"});
        SemanticChecker checker(doc.run, doc.document);
        UserParameterRules& parameters = checker.Groups().Get<UserParameterRules>();
        parameters.DefineExtUserPrmData(1);
        parameters.CurrentExtUserPrmData()->TypeSeen = typeSeen;
        checker.CheckEntry(doc.Entry(1), PASS_FIRST);
        Rows expected;
        if (typeSeen)
            expected.push_back(E(1, msg::MultipleDataTypeName));
        EXPECT_EQ(doc.Messages(), expected) << typeSeen;
        EXPECT_EQ(doc.Entry(1).Accepted, typeSeen ? 0 : 1);
    }
}

} // namespace
} // namespace kvf
