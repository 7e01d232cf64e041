#include "SemanticTestDocument.h"

#include "core/AsciiText.h"
#include "core/MessageIds.h"
#include "semantic/PrerequisiteRules.h"

#include <gtest/gtest.h>

#include <set>

namespace kvf {
namespace {

using semantic::Kw;
using semantic::PrerequisiteCall;
using semantic::PrerequisiteRule;
using semantic::PrerequisiteValue;
using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

// A prerequisite read from a kept value must read a keyword that keeps one: otherwise the
// rule would judge against a value that is always 0.
TEST(PrerequisiteTableTest, EveryKeptPrerequisiteKeepsAValue) {
    for (const PrerequisiteCall& call : semantic::PrerequisiteTable()) {
        std::string_view keyword = semantic::Info(call.Keyword).Name;
        switch (call.Rule) {
        case PrerequisiteRule::MinimumPrmLen:
            EXPECT_GT(call.MinimumLength, 0) << keyword;
            continue;
        case PrerequisiteRule::Require:
        case PrerequisiteRule::Restrict:
            break;
        }
        if (call.From == PrerequisiteValue::Blocks)
            continue;
        EXPECT_NE(semantic::Info(call.Source).Kept, semantic::Keep::Nothing)
            << keyword << ": " << semantic::PrerequisiteName(call) << " keeps no value";
        if (call.From == PrerequisiteValue::EitherKept) {
            EXPECT_NE(semantic::Info(call.OrSource).Kept, semantic::Keep::Nothing)
                << keyword << ": " << semantic::PrerequisiteName(call) << " keeps no value";
        }
    }
}

// The calls of one keyword stand together, so the lookup finds all of them.
TEST(PrerequisiteTableTest, CallsOfAKeywordStandTogether) {
    std::set<Kw> finished;
    std::span<const PrerequisiteCall> table = semantic::PrerequisiteTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_FALSE(finished.count(table[i].Keyword)) << semantic::Info(table[i].Keyword).Name;
        if (i + 1 == table.size() || table[i + 1].Keyword != table[i].Keyword) {
            finished.insert(table[i].Keyword);
            std::size_t first = i;
            while (first > 0 && table[first - 1].Keyword == table[i].Keyword)
                --first;
            EXPECT_EQ(semantic::PrerequisiteCallsOf(table[i].Keyword).size(), i - first + 1);
        }
    }
    EXPECT_TRUE(semantic::PrerequisiteCallsOf(Kw::Vendor_Name).empty());
}

// Slave cases that switch features on also give a parameter length, so that the minimum
// parameter length of those features holds.
struct PrerequisiteCase {
    const char* Name;
    std::vector<std::string_view> Lines; // after "KVF_Revision = 5" (line 0)
    Rows Expected;                       // first and second pass
};

void PrintTo(const PrerequisiteCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticPrerequisiteTest : public ::testing::TestWithParam<PrerequisiteCase> {};

TEST_P(SemanticPrerequisiteTest, ReportsExactly) {
    SemanticTestDocument doc;
    doc.Add("KVF_Revision = 5");
    for (std::string_view line : GetParam().Lines)
        doc.Add(line);
    EXPECT_EQ(doc.RunPasses(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Slave, SemanticPrerequisiteTest,
    ::testing::Values(
        // Every call of the keyword runs, also after an earlier one reported.
        PrerequisiteCase{
            "AllCallsRunInTheirOrder",
            {"Station_Type = 0", "C1_Read_Write_supp = 1"},
            {E(2, msg::PrerequisiteRequired, "DPV1_Slave", "C1_Read_Write_supp"),
             E(2, msg::PrerequisiteRequired, "C1_Max_Data_Len", "C1_Read_Write_supp"),
             E(2, msg::PrerequisiteRequired, "C1_Response_Timeout", "C1_Read_Write_supp")}},
        PrerequisiteCase{"FeatureSwitchedOffNeedsNothing",
                         {"Station_Type = 0", "C1_Read_Write_supp = 0", "C1_Max_Data_Len = 0"},
                         {}},
        PrerequisiteCase{"DetailWithoutFeature",
                         {"Station_Type = 0", "C1_Max_Data_Len = 32"},
                         {W(2, msg::PrerequisiteOnly, "C1_Max_Data_Len", "C1_Read_Write_supp")}},
        // Prerequisites written after the keyword that needs them still count.
        PrerequisiteCase{"PrerequisitesLaterInTheFile",
                         {"Station_Type = 0", "C1_Read_Write_supp = 1", "C1_Max_Data_Len = 32",
                          "C1_Response_Timeout = 100", "DPV1_Slave = 1",
                          "Max_User_Prm_Data_Len = 32"},
                         {}},
        PrerequisiteCase{"EitherReadWriteServiceServesIdentMaintenance",
                         {"Station_Type = 0", "Ident_Maintenance_supp = 1", "DPV1_Slave = 1",
                          "C2_Read_Write_supp = 1", "C2_Max_Data_Len = 48",
                          "C2_Response_Timeout = 100", "C2_Max_Count_Channels = 1",
                          "Max_Initiate_PDU_Length = 52", "Max_User_Prm_Data_Len = 32"},
                         {}},
        PrerequisiteCase{"IdentMaintenanceWithoutReadWriteService",
                         {"Station_Type = 0", "Ident_Maintenance_supp = 1"},
                         {W(2, msg::PrerequisiteOnly, "Ident_Maintenance_supp",
                            "C1_Read_Write_supp or C2_Read_Write_supp")}},
        // The Jokerblock_Type prerequisite is the number of its blocks.
        PrerequisiteCase{
            "JokerblockSupportWithoutBlock",
            {"Station_Type = 0", "Jokerblock_supp = 1"},
            {W(2, msg::PrerequisiteOnly, "Jokerblock_supp", "Prm_Block_Structure_supp"),
             E(2, msg::PrerequisiteRequired, "Jokerblock_Type", "Jokerblock_supp")}},
        PrerequisiteCase{"JokerblockSupportWithBlock",
                         {"Station_Type = 0", "DPV1_Slave = 1", "Prm_Block_Structure_supp = 1",
                          "Jokerblock_supp = 1", "Jokerblock_Type = 32", "Jokerblock_Slot = 1",
                          "End_Jokerblock_Type", "Max_User_Prm_Data_Len = 32"},
                         {}},
        // Only an accepted line is judged: a repeated one is refused by its multiplicity rule.
        PrerequisiteCase{"RepeatedLineJudgedOnce",
                         {"Station_Type = 0", "Fail_Safe_required = 1", "Fail_Safe_required = 1"},
                         {E(3, msg::MultipleDefinitionTop, "Fail_Safe_required"),
                          E(2, msg::PrerequisiteRequired, "Fail_Safe", "Fail_Safe_required")}},
        PrerequisiteCase{"InsideAModuleToo",
                         {"Station_Type = 0", "Module = \"M\" 0x10", "Module_Reference = 1",
                          "Fail_Safe_required = 1", "EndModule"},
                         {E(4, msg::PrerequisiteRequired, "Fail_Safe", "Fail_Safe_required")}},
        // The minimum parameter length runs in its place among the calls of the keyword.
        PrerequisiteCase{"MinimumParameterLengthInItsPlace",
                         {"Station_Type = 0", "Max_User_Prm_Data_Len = 10", "PrmCmd_supp = 1"},
                         {W(3, msg::PrerequisiteOnly, "PrmCmd_supp", "Prm_Block_Structure_supp"),
                          E(3, msg::MinimumPrmLength, 11, "PrmCmd_supp")}},
        // A prerequisite counts only with the value 1.
        PrerequisiteCase{"FlagPrerequisiteNeedsValueOne",
                         {"Station_Type = 0", "Fail_Safe = 0", "Fail_Safe_required = 1"},
                         {E(3, msg::PrerequisiteRequired, "Fail_Safe", "Fail_Safe_required")}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Master, SemanticPrerequisiteTest,
    ::testing::Values(
        PrerequisiteCase{
            "ConformanceClassWithoutDpv1Master",
            {"Station_Type = 1", "DPV1_Conformance_Class = 1"},
            {E(2, msg::PrerequisiteRequired, "DPV1_Master", "DPV1_Conformance_Class")}},
        // DPV1_Master is never accepted, but its value is kept.
        PrerequisiteCase{"NeverAcceptedPrerequisiteStillKept",
                         {"Station_Type = 1", "DPV1_Conformance_Class = 1", "DPV1_Master = 1"},
                         {}},
        PrerequisiteCase{
            "AlarmDetailsOfTheMaster",
            {"Station_Type = 1", "DPV1_Master = 1", "Master_DPV1_Alarm_supp = 0",
             "Master_Status_Alarm_supp = 1", "Master_Alarm_Sequence_Mode = 4"},
            {E(4, msg::PrerequisiteRequired, "Master_DPV1_Alarm_supp", "Master_Status_Alarm_supp"),
             W(5, msg::PrerequisiteOnly, "Master_Alarm_Sequence_Mode", "Master_DPV1_Alarm_supp")}}),
    [](const auto& info) { return info.param.Name; });

} // namespace
} // namespace kvf
