#include "SemanticTestDocument.h"

#include "core/MessageIds.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

using semantic::Kw;
using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

// The declared and used parameter lengths of one module at its end.
struct PrmLengthCase {
    const char* Name;
    bool PlainDeclared; // Ext_Module_Prm_Data_Len occurred in the module
    std::int32_t Declared, DeclaredF, DeclaredX;
    std::uint32_t Used, UsedF, UsedX;
    bool CrcGiven;
    Rows Expected;
};

void PrintTo(const PrmLengthCase& c, std::ostream* os) {
    *os << c.Name;
}

class ModulePrmLengthsTest : public ::testing::TestWithParam<PrmLengthCase> {};

TEST_P(ModulePrmLengthsTest, ComparesDeclaredWithUsed) {
    const PrmLengthCase& c = GetParam();
    SemanticTestDocument doc;
    SemanticChecker checker(doc.run, doc.document);
    checker.Context().Counter(Kw::EXT_MODULE_PRM_DATA_LEN) = c.PlainDeclared;
    checker.Context().Counter(Kw::F_ParamDescCRC) = c.CrcGiven;
    EXPECT_EQ(checker.Groups().Get<ModuleRules>().CheckModulePrmLengths(
                  {c.Declared, c.DeclaredF, c.DeclaredX}, {c.Used, c.UsedF, c.UsedX}),
              c.Expected.empty() ? 1 : 0);
    EXPECT_EQ(doc.Messages(), c.Expected);
}

constexpr int kLen = msg::ModulePrmLengthMismatch;
INSTANTIATE_TEST_SUITE_P(
    Lengths, ModulePrmLengthsTest,
    ::testing::Values(PrmLengthCase{"AllEqual", true, 4, 2, 3, 4, 2, 3, true, {}},
                      PrmLengthCase{"MoreUsedThanDeclaredIsAnError",
                                    true,
                                    4,
                                    0,
                                    0,
                                    5,
                                    0,
                                    0,
                                    false,
                                    {E(0, kLen, "Parameter", "Ext_Module_Prm_Data_Len")}},
                      PrmLengthCase{"FewerUsedIsAWarning",
                                    true,
                                    4,
                                    0,
                                    0,
                                    2,
                                    0,
                                    0,
                                    false,
                                    {W(0, kLen, "Parameter", "Ext_Module_Prm_Data_Len")}},
                      // Without Ext_Module_Prm_Data_Len the plain parameters are not judged.
                      PrmLengthCase{"PlainNotDeclared", false, 0, 0, 0, 7, 0, 0, false, {}},
                      // The F_ and X_ lengths are judged whether or not their keyword occurred.
                      PrmLengthCase{"FUsedWithoutDeclaration",
                                    false,
                                    0,
                                    0,
                                    0,
                                    0,
                                    3,
                                    0,
                                    false,
                                    {E(0, kLen, "F-Parameter", "F_Ext_Module_Prm_Data_Len")}},
                      PrmLengthCase{"XBothWays",
                                    false,
                                    0,
                                    0,
                                    6,
                                    0,
                                    0,
                                    8,
                                    false,
                                    {E(0, kLen, "X-Parameter", "X_Ext_Module_Prm_Data_Len")}},
                      PrmLengthCase{"XFewerUsed",
                                    false,
                                    0,
                                    0,
                                    6,
                                    0,
                                    0,
                                    5,
                                    false,
                                    {W(0, kLen, "X-Parameter", "X_Ext_Module_Prm_Data_Len")}},
                      PrmLengthCase{"FDeclaredWithoutCrc",
                                    false,
                                    0,
                                    6,
                                    0,
                                    0,
                                    6,
                                    0,
                                    false,
                                    {E(0, msg::MissingFParamDescCrc)}},
                      PrmLengthCase{"EveryRowInOrder",
                                    true,
                                    1,
                                    6,
                                    1,
                                    2,
                                    5,
                                    0,
                                    false,
                                    {E(0, kLen, "Parameter", "Ext_Module_Prm_Data_Len"),
                                     W(0, kLen, "F-Parameter", "F_Ext_Module_Prm_Data_Len"),
                                     W(0, kLen, "X-Parameter", "X_Ext_Module_Prm_Data_Len"),
                                     E(0, msg::MissingFParamDescCrc)}}));

// A data area can name an identifier number no module has; such a number must never reach
// past the identifier tables, and the area is added to no identifier's sum.
TEST(DataAreaEndTest, IdentifiersOutsideTheTablesHaveNoLengths) {
    for (std::int32_t ident : {0, 245, 250, -1, 2147483647}) {
        SCOPED_TRACE(ident);
        SemanticTestDocument doc;
        SemanticChecker checker(doc.run, doc.document);
        DataAreaRules& areas = checker.Groups().Get<DataAreaRules>();
        ModuleIdentifiers identifiers;
        identifiers.Count = 244;
        identifiers.InLength.fill(8);
        identifiers.InFormat.fill(3);
        DataAreaState area;
        area.CfgIdentifier = ident;
        area.AreaLength = 4;
        area.TypeLengthSum = 4;
        area.Consistency = 1;
        EXPECT_EQ(areas.CheckDataAreaEnd(area, identifiers), 0);
        EXPECT_EQ(doc.Messages(), (Rows{E(0, msg::DataAreaExceedsIdentifier, "Input", 4, 0, ident),
                                        E(0, msg::DataAreaConsistency, "Input", ident)}));
        for (std::uint32_t sum : areas.Sums().In)
            EXPECT_EQ(sum, 0u);
    }
}

// Direction values other than 0 and 1 take part in no direction rule.
TEST(DataAreaEndTest, OtherDirectionsOnlyGetTheLengthRules) {
    SemanticTestDocument doc;
    SemanticChecker checker(doc.run, doc.document);
    DataAreaState area;
    area.IoDirection = 2;
    area.CfgIdentifier = 1;
    area.AreaLength = 4;
    area.TypeLengthSum = 2;
    area.Consistency = 1;
    area.RequiredFormat = 2;
    checker.Groups().Get<DataAreaRules>().CheckDataAreaEnd(area, ModuleIdentifiers{});
    EXPECT_EQ(doc.Messages(), (Rows{W(0, msg::DataTypesShort, 2, 4)}));
}

TEST(DataAreaTypesTest, WordTypesNeedConsistencyWhenTheyEndOnAnOddByte) {
    struct Step {
        std::int32_t Type;
        std::int32_t Sum, Format;
    };
    const std::vector<std::vector<Step>> sequences = {
        {{6, 2, 1}, {6, 4, 1}},
        {{5, 1, 0}, {6, 3, 2}, {5, 4, 2}},
        {{6, 2, 1}, {5, 3, 1}, {3, 5, 2}},
        {{7, 4, 2}, {6, 6, 2}},
        {{20, 0, 0}, {0, 0, 0}, {300, 0, 0}, {128, 1, 0}},
    };
    for (const std::vector<Step>& steps : sequences) {
        SemanticTestDocument doc;
        SemanticChecker checker(doc.run, doc.document);
        DataAreaRules& areas = checker.Groups().Get<DataAreaRules>();
        for (const Step& step : steps) {
            SCOPED_TRACE(step.Type);
            areas.AddDataType(step.Type);
            EXPECT_EQ(areas.CurrentArea().TypeLengthSum, step.Sum);
            EXPECT_EQ(areas.CurrentArea().RequiredFormat, step.Format);
        }
    }
}

// A whole run: each module starts from empty identifier tables and area sums.
class ModuleRunTest : public ::testing::Test {
  protected:
    SemanticTestDocument doc;

    void Module(std::string_view name, std::string_view config) {
        doc.Add("Module = x");
        CDbEntry& entry = doc.Entry(doc.document.Database.Count() - 1);
        entry.m_Ready[0] = name;
        entry.m_Ready[1] = config;
    }
    void InputArea(int ident, int length, std::initializer_list<int> types) {
        doc.Add({"Data_Area_Beg", "Area_Name = A"});
        doc.Add("Related_CFG_Identifier = " + std::to_string(ident));
        doc.Add({"IO_Direction = 0"});
        doc.Add("Length = " + std::to_string(length));
        doc.Add({"Consistency = 0", "Publisher_allowed = 0", "DP_Master_allowed = 0"});
        for (int type : types)
            doc.Add("Data_Type = " + std::to_string(type));
        doc.Add("Data_Area_End");
    }
};

TEST_F(ModuleRunTest, IdentifierTablesBelongToTheirModule) {
    doc.Add({"KVF_Revision = 5", "Station_Type = 0"});
    Module("Two", "0x13,0x13");
    doc.Add("Module_Reference = 1");
    InputArea(2, 2, {5, 5}); // lines 4-14: 2 of identifier 2's 4 bytes
    doc.Add("EndModule");    // line 15
    Module("One", "0x13");
    doc.Add("Module_Reference = 2");
    InputArea(2, 4, {5, 5, 5, 5}); // line 20 names identifier 2, line 30 ends the area
    doc.Add("EndModule");
    EXPECT_EQ(doc.RunPasses(), (Rows{W(15, msg::IdentifierNotCovered, 2, "Input", 4, 2),
                                     W(20, msg::CfgIdentifierMissing, 2, 1),
                                     E(30, msg::DataAreaExceedsIdentifier, "Input", 4, 0, 2)}));
}

// An area longer than the identifier it names is reported at its end and not added to the
// identifier's sum: the module's end reports no sum over it.
TEST_F(ModuleRunTest, AreaExceedingItsIdentifierIsNotSummed) {
    doc.Add({"KVF_Revision = 5", "Station_Type = 0"});
    Module("One", "0x13");
    doc.Add("Module_Reference = 1");
    InputArea(1, 6, {5, 5, 5, 5, 5, 5}); // lines 4-18, 6 of identifier 1's 4 bytes
    doc.Add("EndModule");
    EXPECT_EQ(doc.RunPasses(), (Rows{E(18, msg::DataAreaExceedsIdentifier, "Input", 6, 4, 1)}));
}

// An invalid slot line is not numbered: the numbering goes on from the last valid slot.
TEST_F(ModuleRunTest, OnlyValidSlotsAreNumbered) {
    doc.Add({"KVF_Revision = 5", "Station_Type = 0", "Modular_Station = 1", "Max_Module = 9"});
    Module("M", "0x13");
    doc.Add({"Module_Reference = 1", "EndModule", "SlotDefinition"});
    doc.Add({"Slot(1) = S", "Slot(3) = S", "Slot(4) = S", "?Slot(9) = S", "Slot(5) = S",
             "Slot(5) = S", "EndSlotDefinition"});
    for (std::size_t line = 8; line <= 13; ++line)
        doc.Entry(line).m_Ready[2] = "1";
    EXPECT_EQ(doc.RunPasses(),
              (Rows{E(9, msg::SlotNumberExpected, 2), E(13, msg::SlotNumberExpected, 6)}));
}

} // namespace
} // namespace kvf
