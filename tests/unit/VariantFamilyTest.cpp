#include "variants/VariantFamily.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kvf {
namespace {

namespace fs = std::filesystem;

class FolderOfFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("kvf-variants-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Touch(const std::string& name) {
        fs::path path = dir_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "#TALVERON_DP\n";
        return path.string();
    }
    std::vector<std::string> Names(const VariantFamily& family) {
        std::vector<std::string> names;
        for (const std::string& path : family.Paths)
            names.push_back(fs::path(path).filename().string());
        return names;
    }
    fs::path dir_;
};

TEST_F(FolderOfFiles, FileBringsItsSiblings) {
    Touch("DEV.KVE");
    Touch("dev.kvg");
    Touch("DEV.KVD");
    Touch("DEV.TXT");                       // no KVF file
    Touch("DEVX.KVD");                      // another device
    Touch("DEV.KV");                        // no letter after .kv
    fs::create_directory(dir_ / "DEV.KVS"); // a folder of that name
    VariantFamily family = FamilyOf((dir_ / "dev.kvg").string());
    EXPECT_EQ(Names(family), (std::vector<std::string>{"DEV.KVD", "DEV.KVE", "dev.kvg"}));
    EXPECT_EQ(family.Reference, 0u);
    EXPECT_EQ(family.Paths[2], (dir_ / "dev.kvg").string());
}

TEST_F(FolderOfFiles, ReferenceIsTheKvdFileElseTheFirstByName) {
    struct Case {
        std::vector<std::string> names;
        std::string reference;
    };
    for (const Case& c :
         {Case{{"b.kvf", "b.kve", "B.KVD"}, "B.KVD"}, Case{{"b.kvs", "B.KVF", "b.kve"}, "b.kve"},
          Case{{"b.kvd"}, "b.kvd"}, Case{{"B.kvi", "b.KVD", "b.kvd"}, "b.KVD"}}) {
        VariantFamily family;
        family.Paths = c.names;
        OrderFamily(family);
        EXPECT_EQ(family.Paths[family.Reference], c.reference);
    }
}

TEST_F(FolderOfFiles, GroupsBySameNameInSameFolder) {
    std::vector<std::string> paths = {Touch("a/X.KVD"), Touch("a/X.KVE"), Touch("b/X.KVD"),
                                      Touch("a/Y.KVD"), Touch("a/x.kvg")};
    paths.push_back(paths[1]); // named twice
    std::vector<VariantFamily> families = GroupFamilies(paths);
    ASSERT_EQ(families.size(), 3u);
    EXPECT_EQ(Names(families[0]), (std::vector<std::string>{"X.KVD", "X.KVE", "x.kvg"}));
    EXPECT_EQ(Names(families[1]), (std::vector<std::string>{"X.KVD"}));
    EXPECT_EQ(Names(families[2]), (std::vector<std::string>{"Y.KVD"}));
}

TEST(VariantFileNames, KvAndOneLetter) {
    EXPECT_TRUE(IsVariantFileName("dev.kvd"));
    EXPECT_TRUE(IsVariantFileName("DEV.KVG"));
    EXPECT_TRUE(IsVariantFileName("a.Kv1"));
    EXPECT_FALSE(IsVariantFileName("dev.kv"));
    EXPECT_FALSE(IsVariantFileName("dev.kvdd"));
    EXPECT_FALSE(IsVariantFileName("dev.txt"));
}

} // namespace
} // namespace kvf
