#include "catalogue/KeywordDispatcher.h"
#include "core/CKeyDatabase.h"
#include "core/RunContext.h"
#include "core/TextLines.h"
#include "document/FileReader.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

const std::string M = "\xA7";

struct Loaded {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};
    CKeyDatabase database{&run};

    explicit Loaded(const std::string& body) {
        VectorTextLines lines = VectorTextLines::FromBytes("#TALVERON_DP\n" + body);
        BuildDatabase(run, database, lines);
    }
    const CDbEntry& operator[](std::size_t i) const { return database.At(i); }
    long Parent(std::size_t i) const { return database.IndexOf(database.At(i).hParent); }
};

struct ClassifyCase {
    const char* line;
    int type;
    unsigned group;
    std::array<std::string, 4> parts;
    std::string value;
};

class ClassifyRow : public ::testing::TestWithParam<ClassifyCase> {};

// Each kind of row, read at top level: type, tree group, value parts and stored value.
TEST_P(ClassifyRow, SetsTypeGroupAndParts) {
    const ClassifyCase& c = GetParam();
    Loaded f(std::string(c.line) + "\n");
    ASSERT_EQ(f.database.Count(), 1u);
    const CDbEntry& e = f[0];
    EXPECT_EQ(e.Type, c.type);
    EXPECT_EQ(e.TreeGroup, c.group);
    EXPECT_EQ(e.m_Ready, c.parts);
    EXPECT_EQ(e.Value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClassifyRow,
    ::testing::Values(
        ClassifyCase{"KVF_Revision = 1", 2, PARENT_GENERAL, {"1", "", "", ""}, "1"},
        ClassifyCase{"vendor_name = \" ACME \"", 1, PARENT_GENERAL, {"ACME", "", "", ""}, "ACME"},
        ClassifyCase{"FMS_supp = 1", 4, PARENT_GENERAL, {"1", "", "", ""}, "1"},
        ClassifyCase{
            "User_Prm_Data = 0x01,0x02", 8, PARENT_SLAVE, {"0x01,0x02", "", "", ""}, "0x01,0x02"},
        ClassifyCase{"Slave_Family = 3@TAG", 1, PARENT_SLAVE, {"3@TAG", "", "", ""}, "3@TAG"},
        ClassifyCase{"Unit_Diag_Bit(3) = \"Text (x)\"",
                     1,
                     PARENT_SLAVE,
                     {"3", "Text (x)", "", ""},
                     "Text (x)"},
        ClassifyCase{"Ext_User_Prm_Data_Ref(2) = 7", 1, PARENT_SLAVE, {"2", "7", "", ""}, "7"},
        ClassifyCase{"Ext_User_Prm_Data_Const(0) = 0x00,0x01",
                     8,
                     PARENT_SLAVE,
                     {"0", "0x00,0x01", "", ""},
                     "0x00,0x01"},
        ClassifyCase{"Unit_Diag_Area = 16-23", 1, PARENT_SLAVE, {"16", "23", "", ""}, "23"},
        ClassifyCase{"ExtUserPrmData = 5 \"Speed\"",
                     1,
                     PARENT_SLAVE,
                     {"5", "Speed", "", ""},
                     "5  Speed" + M},
        ClassifyCase{"Slot(1) = \"Slot one\" 4 1-8",
                     1,
                     PARENT_MODULE_ASSIGNMENT,
                     {"1", "Slot one", "4", "1-8"},
                     "1" + M + "    Slot one" + M + " 4 1-8"},
        ClassifyCase{"Unsigned8 1 0-255", 1, PARENT_MODULE, {"1", "0-255", "", ""}, "1 0-255"},
        ClassifyCase{"Signed16 -1 -5 - 5", 1, PARENT_MODULE, {"-1", "-5- 5", "", ""}, "-1 -5 - 5"},
        ClassifyCase{"Bit(3) 0 0-1", 1, PARENT_MODULE, {"3", "0", "0-1", ""}, "3" + M + " 0 0-1"},
        ClassifyCase{"BitArea(0-3) 2 0,1,2",
                     1,
                     PARENT_MODULE,
                     {"0", "3", "2", "0,1,2"},
                     "0-3" + M + " 2 0,1,2"},
        ClassifyCase{"DPV1_Master = 1", 4, PARENT_MASTER_EXT, {"1", "", "", ""}, "1"},
        ClassifyCase{"Unknown_Key = \"x\"", 16, 0, {"x", "", "", ""}, "x" + M}));

TEST(Classification, BlocksLinkTheirEntries) {
    Loaded f("Module = \"M\" 0x13\n"
             "Data_Area_Beg\n"
             "Consistency = 1\n"
             "Data_Area_End\n"
             "EndModule\n"
             "Fail_Safe = 1\n");
    ASSERT_EQ(f.database.Count(), 6u);
    EXPECT_EQ(f[0].ModuleFlag, TYPE_MODULE_BEGIN);
    EXPECT_EQ(f[0].m_Ready[0], "M");
    EXPECT_EQ(f[0].m_Ready[1], "0x13");
    EXPECT_EQ(f.Parent(0), -1);
    EXPECT_EQ(f[1].ModuleFlag, TYPE_MODULE_BEGIN);
    EXPECT_EQ(f.Parent(1), 0);
    EXPECT_EQ(f.Parent(2), 1); // inside the data area
    EXPECT_EQ(f[2].TreeGroup, PARENT_MODULE);
    EXPECT_EQ(f.Parent(3), 1);
    EXPECT_EQ(f.Parent(4), 0); // the data area closed one level
    EXPECT_EQ(f.Parent(5), -1);
}

TEST(Classification, ModuleOrSlaveRowsFollowTheBlockFlag) {
    Loaded f("Ext_User_Prm_Data_Ref(0) = 1\n"
             "Module = \"M\" 0x13\n"
             "Ext_User_Prm_Data_Ref(0) = 1\n"
             "EndModule\n");
    EXPECT_EQ(f[0].TreeGroup, PARENT_SLAVE);
    EXPECT_EQ(f[2].TreeGroup, PARENT_MODULE);
}

TEST(Classification, NestedBlockOpensOnlyInsideItsEnclosingBlock) {
    // A data area at top level opens no block entry; one inside a unit diag type does not
    // either, because it only nests in a module.
    Loaded f("Data_Area_Beg\n"
             "Area_Name = \"A\"\n"
             "UnitDiagType = 1\n"
             "X_Unit_Diag_Area = 24-31\n"
             "X_Value(0) = \"v\"\n");
    EXPECT_EQ(f.Parent(1), -1);
    EXPECT_EQ(f.Parent(3), 2);
    EXPECT_EQ(f.Parent(4), 3);
}

TEST(Classification, EndOfOuterBlockLeavesAnUnclosedInnerOne) {
    Loaded f("Module = \"M\" 0x13\n"
             "Data_Area_Beg\n"
             "EndModule\n"
             "Fail_Safe = 1\n");
    // EndModule does not close the data area: its key is not "Module".
    EXPECT_EQ(f.Parent(2), 1);
    EXPECT_EQ(f.Parent(3), 1);
}

TEST(Classification, BareNumbersInsideABlockAreModuleReferences) {
    Loaded f("1\n"
             "Module = \"M\" 0x13\n"
             "0x1F\n"
             "12G4\n"
             "EndModule\n");
    EXPECT_EQ(f[0].Key, "1"); // outside a block an unknown key
    EXPECT_EQ(f[0].Type, TYPE_USER_KEY);
    EXPECT_EQ(f[2].Key, "Module_Reference");
    EXPECT_EQ(f[2].Type, TYPE_SIMPLE_UINT);
    EXPECT_EQ(f[2].TreeGroup, PARENT_MODULE);
    EXPECT_EQ(f[2].m_Ready[0], "0x1F");
    EXPECT_EQ(f.Parent(2), 1);
    EXPECT_EQ(f[3].Key, "12G4");
    EXPECT_EQ(f[3].Type, TYPE_USER_KEY);
}

TEST(Classification, RegisteredUserKeyTakesItsSettings) {
    MemorySettingsStore settings;
    settings.SetString("UserKeys", "MY_KEY", "1;2;UCHAR");
    OutputRows rows(settings);
    AppServices services(settings, rows);
    RunContext run(services);
    CKeyDatabase database(&run);
    VectorTextLines lines = VectorTextLines::FromBytes("#TALVERON_DP\nmy_key = 5\n");
    BuildDatabase(run, database, lines);
    ASSERT_EQ(database.Count(), 1u);
    EXPECT_EQ(database.At(0).Type, TYPE_SIMPLE_UINT);
    EXPECT_EQ(database.At(0).TreeGroup, PARENT_MASTER);
    EXPECT_EQ(database.At(0).RangeLen, "UCHAR");
}

} // namespace
} // namespace kvf
