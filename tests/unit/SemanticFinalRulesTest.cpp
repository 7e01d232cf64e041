#include "SemanticTestDocument.h"

#include "core/MessageIds.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

// The keywords every file needs, so that a case only shows the rules it is about.
const std::vector<std::string_view> kGeneral = {
    "Vendor_Name = \"V\"",      "Model_Name = \"M\"", "Revision = \"1\"",
    "Ident_Number = 0x1234",    "Protocol_Ident = 0", "Hardware_Release = \"1\"",
    "Software_Release = \"1\"", "9.6_supp = 1",       "MaxTsdr_9.6 = 60",
};

struct FinalCase {
    const char* Name;
    std::vector<std::string_view> Lines; // after kGeneral when WithGeneral
    bool WithGeneral;
    Rows Expected; // messages of the final pass, all on the last entry's line
};

void PrintTo(const FinalCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticFinalTest : public ::testing::TestWithParam<FinalCase> {};

TEST_P(SemanticFinalTest, ReportsExactly) {
    const FinalCase& c = GetParam();
    SemanticTestDocument doc;
    if (c.WithGeneral)
        for (std::string_view line : kGeneral)
            doc.Add(line);
    for (std::string_view line : c.Lines)
        doc.Add(line);
    doc.RunPasses();
    std::size_t before = doc.rows.Rows().size();
    doc.run.Focus.CurrentEntry = doc.document.Database.Last();
    doc.checker->CheckEntry(*doc.document.Database.Last(), PASS_FINAL);
    Rows all = doc.Messages();
    Rows final(all.begin() + static_cast<long>(before), all.end());
    int last = doc.document.Database.Last()->LongLine;
    Rows expected;
    for (const std::string& text : c.Expected)
        expected.push_back("E " + std::to_string(last) + ": " + text);
    EXPECT_EQ(final, expected);
}

std::string M(int id) {
    return FormatMessage(id);
}
template <typename... Args> std::string M(int id, const Args&... args) {
    return FormatMessage(id, args...);
}

INSTANTIATE_TEST_SUITE_P(
    Final, SemanticFinalTest,
    ::testing::Values(
        FinalCase{
            "EveryFileNeedsItsGeneralKeywords",
            {"Station_Type = 7"},
            false,
            {"Undefined Keyword\"Vendor_Name\".\"Vendor_Name\" is mandatory for all KVF files.",
             M(msg::MissingMandatoryKeyword, "Model_Name", "Model_Name"),
             M(msg::MissingMandatoryKeyword, "Revision", "Revision"),
             M(msg::MissingMandatoryKeyword, "Ident_Number", "Ident_Number"),
             M(msg::MissingMandatoryKeyword, "Protocol_Ident", "Protocol_Ident"),
             M(msg::MissingMandatoryKeyword, "Hardware_Release", "Hardware_Release"),
             M(msg::MissingMandatoryKeyword, "Software_Release", "Software_Release"),
             M(msg::UndefinedBaudrate), M(msg::UndefinedMaxTsdr)}},
        FinalCase{"StationTypeHasItsOwnSecondName",
                  {"Vendor_Name = \"V\"", "Model_Name = \"M\"", "Revision = \"1\"",
                   "Ident_Number = 0x1234", "Protocol_Ident = 0", "Hardware_Release = \"1\"",
                   "Software_Release = \"1\"", "9.6_supp = 1", "MaxTsdr_9.6 = 60"},
                  false,
                  {M(msg::MissingMandatoryKeyword, "Station_Type", "StationType")}},
        FinalCase{"OnlyValueOneSupportsARate",
                  {"Station_Type = 7", "12M_supp = 0", "MaxTsdr_12M = 1"},
                  false,
                  {M(msg::MissingMandatoryKeyword, "Vendor_Name", "Vendor_Name"),
                   M(msg::MissingMandatoryKeyword, "Model_Name", "Model_Name"),
                   M(msg::MissingMandatoryKeyword, "Revision", "Revision"),
                   M(msg::MissingMandatoryKeyword, "Ident_Number", "Ident_Number"),
                   M(msg::MissingMandatoryKeyword, "Protocol_Ident", "Protocol_Ident"),
                   M(msg::MissingMandatoryKeyword, "Hardware_Release", "Hardware_Release"),
                   M(msg::MissingMandatoryKeyword, "Software_Release", "Software_Release"),
                   M(msg::UndefinedBaudrate)}},
        FinalCase{"UnknownStationKindSkipsMasterAndSlaveRules",
                  {"?Station_Type = 0", "UNIT_DIAG_AREA = 0-1"},
                  true,
                  {M(msg::MissingEndOfBlock, "Unit_Diag_Area", "Unit_Diag_Area_End")}},
        FinalCase{"MasterKeywordsAndTimeGroups",
                  {"Station_Type = 1", "MAX_LSDU_MS = 1", "TSET_12M = 1"},
                  true,
                  {"Undefined Keyword \"Max_MPS_Length\". \"Max_MPS_Length\" is mandatory for "
                   "KVF files for a Master Device.",
                   M(msg::MissingMasterKeyword, "Max_Lsdu_MM", "Max_Lsdu_MM"),
                   M(msg::MissingMasterKeyword, "Min_Poll_Timeout", "Min_Poll_Timeout"),
                   M(msg::MissingMasterKeyword, "Max_Slaves_supp", "Max_Slaves_supp"),
                   M(msg::UndefinedTrdy), M(msg::MissingTqui), M(msg::MissingTsdi)}},
        FinalCase{"CompleteMaster",
                  {"Station_Type = 1", "MAX_MPS_LENGTH = 1", "MAX_LSDU_MS = 1", "MAX_LSDU_MM = 1",
                   "MIN_POLL_TIMEOUT = 1", "MAX_SLAVES_SUPP = 1", "TRDY_9.6 = 1", "TQUI_45.45 = 1",
                   "TSET_1.5M = 1", "TSDI_12M = 1"},
                  true,
                  {}},
        FinalCase{"SlaveWithoutRevision",
                  {"Station_Type = 0"},
                  true,
                  {M(msg::MissingSlaveKeyword, "Min_Slave_Intervall"),
                   M(msg::MissingSlaveKeyword, "Module")}},
        FinalCase{"SlaveOfRevisionOne",
                  {"Station_Type = 0", "KVF_Revision = 1", "Min_Slave_Intervall = 1",
                   "Module = \"A\" 0x10", "EndModule"},
                  true,
                  {M(msg::MissingSlaveKeywordForRevision, "Max_Diag_Data_Len", 1),
                   M(msg::MissingSlaveKeywordForRevision, "Slave_Family", 1)}},
        FinalCase{"SlaveOfRevisionFive",
                  {"Station_Type = 0", "KVF_Revision = 5", "Min_Slave_Intervall = 1",
                   "Max_Diag_Data_Len = 6", "Slave_Family = 3", "Module = \"A\" 0x10",
                   "Module_Reference = 1", "EndModule"},
                  true,
                  {"Missing Keyword. \"Max_User_Prm_Data_Len\" is mandatory for KVF Revision 5 "
                   "and higher of a Slave Device."}},
        FinalCase{"ModularSlaveNeedsItsLengths",
                  {"Station_Type = 0", "Modular_Station = 1", "Max_Output_Len = 8",
                   "Min_Slave_Intervall = 1", "Module = \"A\" 0x10", "EndModule"},
                  true,
                  {M(msg::MissingModularSlaveKeyword, "Max_Module"),
                   M(msg::MissingModularSlaveKeyword, "Max_Input_Len"),
                   M(msg::MissingModularSlaveKeyword, "Max_Data_Len")}},
        FinalCase{"CompactSlaveNeedsNoLengths",
                  {"Station_Type = 0", "Modular_Station = 0", "Min_Slave_Intervall = 1",
                   "Module = \"A\" 0x10", "EndModule"},
                  true,
                  {}},
        FinalCase{"OneMessagePerOpenBlockKind",
                  {"Station_Type = 0", "Min_Slave_Intervall = 1", "Module = \"A\" 0x10",
                   "EndModule", "Module = \"B\" 0x10", "EndModule", "Module = \"C\" 0x10",
                   "Module_Reference = 3"},
                  true,
                  {M(msg::MissingEndOfBlock, "Module", "EndModule")}},
        FinalCase{"Dpv1MasterNeedsItsConformanceClass",
                  {"KVF_Revision = 3", "Station_Type = 1", "MAX_MPS_LENGTH = 1", "MAX_LSDU_MS = 1",
                   "MAX_LSDU_MM = 1", "MIN_POLL_TIMEOUT = 1", "MAX_SLAVES_SUPP = 1", "TRDY_9.6 = 1",
                   "TQUI_9.6 = 1", "TSET_9.6 = 1", "TSDI_9.6 = 1", "DPV1_Master = 1"},
                  true,
                  {M(msg::MissingDpv1ConformanceClass)}},
        FinalCase{"Dpv1MasterBelowRevisionThree",
                  {"KVF_Revision = 2", "Station_Type = 1", "MAX_MPS_LENGTH = 1", "MAX_LSDU_MS = 1",
                   "MAX_LSDU_MM = 1", "MIN_POLL_TIMEOUT = 1", "MAX_SLAVES_SUPP = 1", "TRDY_9.6 = 1",
                   "TQUI_9.6 = 1", "TSET_9.6 = 1", "TSDI_9.6 = 1", "DPV1_Master = 1"},
                  true,
                  {}},
        FinalCase{"Dpv1MasterOff",
                  {"KVF_Revision = 3", "Station_Type = 1", "MAX_MPS_LENGTH = 1", "MAX_LSDU_MS = 1",
                   "MAX_LSDU_MM = 1", "MIN_POLL_TIMEOUT = 1", "MAX_SLAVES_SUPP = 1", "TRDY_9.6 = 1",
                   "TQUI_9.6 = 1", "TSET_9.6 = 1", "TSDI_9.6 = 1", "DPV1_Master = 0"},
                  true,
                  {}}),
    [](const auto& info) { return info.param.Name; });

// Each open block kind is reported once, in a fixed order. (Built without nesting: in a
// file every block begun inside an open block fails its context rule.)
TEST(SemanticFinalTest, OpenBlocksInTableOrder) {
    SemanticTestDocument doc;
    for (std::string_view line : kGeneral)
        doc.Add(line);
    doc.Add({"KVF_Revision = 5", "Station_Type = 7", "Jokerblock_Type", "UnitDiagType = 1",
             "Physical_Interface", "SlotDefinition", "PRMTEXT = 1", "EXTUSERPRMDATA = 1 \"p\"",
             "Module = \"A\" 0x10", "UNIT_DIAG_AREA = 0-1"});
    for (CDbEntry& entry : doc.document.Database)
        entry.hParent = nullptr;
    Rows rows = doc.Run();
    int last = doc.document.Database.Last()->LongLine;
    // The interface names no delay, so the supported rate is warned about in the second pass.
    EXPECT_EQ(rows,
              (Rows{W(7, msg::BaudrateNotInPhysicalInterface, "9.6_supp"),
                    W(last, msg::DiagLenRecommended, "UNIT_DIAG_AREA"),
                    E(last, msg::MissingEndOfBlock, "Unit_Diag_Area", "Unit_Diag_Area_End"),
                    E(last, msg::MissingEndOfBlock, "ExtUserPrmData", "EndExtUserPrmData"),
                    E(last, msg::MissingEndOfBlock, "PrmText", "EndPrmText"),
                    E(last, msg::MissingEndOfBlock, "Module", "EndModule"),
                    E(last, msg::MissingEndOfBlock, "Physical_Interface", "End_Physical_Interface"),
                    E(last, msg::MissingEndOfBlock, "SlotDefinition", "EndSlotDefinition")}));
}

TEST(SemanticRunTest, EmptyDatabaseGetsNoCall) {
    SemanticTestDocument doc;
    EXPECT_TRUE(doc.Run().empty());
    EXPECT_EQ(doc.run.Focus.CurrentEntry, nullptr);
}

TEST(SemanticRunTest, GroupNameAsLastEntrySkipsTheFinalRules) {
    SemanticTestDocument doc;
    doc.Add({"Station_Type = 0", "general keys"});
    EXPECT_TRUE(doc.Run().empty());
}

// The whole run on a slave with several mandatory keywords missing; the final rules
// report on the line of the last entry.
TEST(SemanticRunTest, SlaveWithMandatoryKeywordsMissing) {
    SemanticTestDocument doc("/work/ACME1234.kvf");
    doc.Add({"KVF_Revision = 1", "Model_Name = \"Box\"", "Revision = \"V1.0\"",
             "Protocol_Ident = 0", "Station_Type = 0", "9.6_supp = 0", "Modular_Station = 1",
             "Max_Module = 4", "Max_Diag_Data_Len = 6"});
    Rows rows = doc.Run();
    Rows expected = {
        E(8, msg::MissingMandatoryKeyword, "Vendor_Name", "Vendor_Name"),
        E(8, msg::MissingMandatoryKeyword, "Ident_Number", "Ident_Number"),
        E(8, msg::MissingMandatoryKeyword, "Hardware_Release", "Hardware_Release"),
        E(8, msg::MissingMandatoryKeyword, "Software_Release", "Software_Release"),
        E(8, msg::UndefinedBaudrate),
        E(8, msg::UndefinedMaxTsdr),
        E(8, msg::MissingSlaveKeyword, "Min_Slave_Intervall"),
        E(8, msg::MissingSlaveKeyword, "Module"),
        E(8, msg::MissingSlaveKeywordForRevision, "Slave_Family", 1),
        E(8, msg::MissingModularSlaveKeyword, "Max_Input_Len"),
        E(8, msg::MissingModularSlaveKeyword, "Max_Output_Len"),
        E(8, msg::MissingModularSlaveKeyword, "Max_Data_Len"),
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(doc.run.Focus.CurrentEntry, doc.document.Database.Last());
    for (const OutputRow& row : doc.rows.Rows())
        EXPECT_EQ(row.Target, &doc.document);
}

// The run is linear in the number of entries: a large file is checked in one go.
TEST(SemanticRunTest, LargeFileIsCheckedWhole) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 3", "Station_Type = 0"});
    for (int i = 1; i <= 20000; ++i) {
        std::string reference = "Module_Reference = " + std::to_string(i);
        doc.Add({"Module = \"M\" 0x10", reference, "Info_Text = \"x\"", "EndModule"});
    }
    Rows rows = doc.Run();
    // The final rules only: nothing about the modules is wrong.
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows.back(), E(80001, msg::MissingSlaveKeywordForRevision, "Slave_Family", 1));
}

} // namespace
} // namespace kvf
