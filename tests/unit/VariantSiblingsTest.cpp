#include "variants/VariantSiblings.h"

#include "core/AppServices.h"
#include "core/MessageIds.h"
#include "core/MessageSelection.h"
#include "core/SettingsStore.h"
#include "document/EngineFile.h"
#include "output/OutputRows.h"
#include "variants/VariantFamily.h"
#include "variants/VariantFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kvf {
namespace {

namespace fs = std::filesystem;

const char* const kReference = "#TALVERON_DP\n"
                               "Vendor_Name = \"Vendor\"\n"
                               "Min_Slave_Intervall = 1\n"
                               "MaxTsdr_9.6 = 60\n";

class SiblingFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("kvf-siblings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    static std::vector<std::string> Names(const std::vector<VariantSibling>& siblings) {
        std::vector<std::string> names;
        for (const VariantSibling& s : siblings)
            names.push_back(fs::path(s.Path).filename().string() + (s.OpenText ? "*" : ""));
        return names;
    }
    static std::shared_ptr<const std::string> Text(const std::string& text) {
        return std::make_shared<const std::string>(text);
    }
    fs::path dir_;
};

TEST_F(SiblingFolder, SiblingsLeaveTheFileOutAndTakeOpenTexts) {
    const std::string own = Write("dev.kvg", kReference);
    const std::string reference = Write("DEV.KVD", kReference);
    Write("dev.kve", kReference);
    Write("other.kvd", kReference);
    const std::string unsaved = (dir_ / "Dev.kvs").string(); // open, never saved
    const std::string elsewhere = (dir_ / "sub" / "dev.kvf").string();
    struct Case {
        const char* name;
        OpenTexts open;
        std::vector<std::string> expected; // '*': the open text counts
    };
    const std::vector<Case> cases = {
        {"disk only", {}, {"DEV.KVD", "dev.kve"}},
        {"open sibling", {{reference, Text("x")}}, {"DEV.KVD*", "dev.kve"}},
        {"the file itself open", {{own, Text("x")}}, {"DEV.KVD", "dev.kve"}},
        {"another spelling of the folder",
         {{(dir_ / "." / "DEV.KVD").string(), Text("x")}},
         {"DEV.KVD*", "dev.kve"}},
        {"open, not on disk", {{unsaved, Text("x")}}, {"DEV.KVD", "dev.kve", "Dev.kvs*"}},
        {"another folder or name",
         {{elsewhere, Text("x")}, {(dir_ / "other.kve").string(), Text("x")}},
         {"DEV.KVD", "dev.kve"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(SiblingsOf(own, c.open)), c.expected) << c.name;
}

TEST_F(SiblingFolder, AreVariantSiblings) {
    const std::string a = (dir_ / "dev.kvd").string();
    EXPECT_TRUE(AreVariantSiblings(a, (dir_ / "DEV.KVG").string()));
    EXPECT_TRUE(AreVariantSiblings(a, (dir_ / "x" / ".." / "dev.kve").string()));
    EXPECT_FALSE(AreVariantSiblings(a, a));
    EXPECT_FALSE(AreVariantSiblings(a, (dir_ / "x" / ".." / "dev.kvd").string()));
    EXPECT_FALSE(AreVariantSiblings(a, (dir_ / "dev.txt").string()));
    EXPECT_FALSE(AreVariantSiblings(a, (dir_ / "devx.kve").string()));
    EXPECT_FALSE(AreVariantSiblings(a, (dir_ / "x" / "dev.kve").string()));
}

TEST_F(SiblingFolder, ReadsTextAsTheEngineDoes) {
    struct Case {
        const char* name;
        std::string bytes;
        bool read;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"code page", "a\xfc\r\nb", true, "a\xfc\r\nb"},
        {"UTF-8 with its mark",
         "\xEF\xBB\xBF"
         "a\xC3\xBC",
         true, "a\xfc"},
        {"UTF-16", std::string("\xFF\xFE#\0T\0", 6), false, ""},
    };
    for (const Case& c : cases) {
        const std::string path = Write("f.kvd", c.bytes);
        std::string reason;
        const std::optional<BufferTextLines> lines = ReadEngineLines(path, reason);
        EXPECT_EQ(lines.has_value(), c.read) << c.name;
        if (c.read && lines)
            EXPECT_EQ(lines->Bytes(), c.text) << c.name;
        else
            EXPECT_FALSE(reason.empty()) << c.name;
    }
    std::string reason;
    EXPECT_FALSE(ReadEngineLines((dir_ / "missing.kvd").string(), reason));
    EXPECT_FALSE(reason.empty());
}

TEST_F(SiblingFolder, ComparesWithEachSiblingOpenTextFirst) {
    const std::string own = Write("dev.kvg", kReference);
    const std::string reference = Write("dev.kvd", kReference);
    Write("dev.kve", "#TALVERON_DP\nVendor_Name = \"Hersteller\"\nMin_Slave_Intervall = 2\n"
                     "MaxTsdr_9.6 = 60\n");
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices services(settings, rows);
    const VariantFile file("dev.kvg", std::string(kReference), services);
    MessageSelection all;

    // On disk the reference agrees; its open text differs in a value.
    std::string edited = kReference;
    edited.replace(edited.find("= 60"), 4, "= 70");
    const std::vector<SiblingComparison> compared = CompareWithSiblings(
        file.Source(), SiblingsOf(own, {{reference, Text(edited)}}), services, all, false);
    ASSERT_EQ(compared.size(), 2u);
    EXPECT_EQ(compared[0].Name, "dev.kvd");
    ASSERT_EQ(compared[0].Findings.size(), 1u);
    EXPECT_EQ(compared[0].Findings[0].Id, msg::VariantValueDiffers);
    EXPECT_EQ(compared[0].Findings[0].Line, 3);
    EXPECT_EQ(compared[0].Findings[0].OtherLine, 3);
    EXPECT_EQ(compared[1].Name, "dev.kve");
    ASSERT_EQ(compared[1].Findings.size(), 1u); // the text of Vendor_Name does not count
    EXPECT_EQ(compared[1].Findings[0].Line, 2);

    // A sibling that cannot be read says why and gives no findings; the others still count.
    const std::vector<SiblingComparison> unreadable =
        CompareWithSiblings(file.Source(), {VariantSibling{(dir_ / "gone.kvd").string(), nullptr}},
                            services, all, false);
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_FALSE(unreadable[0].Problem.empty());
    EXPECT_TRUE(unreadable[0].Findings.empty());

    // The selection leaves findings out.
    MessageSelection none;
    none.Disable(msg::VariantValueDiffers);
    EXPECT_TRUE(CompareWithSiblings(file.Source(), SiblingsOf(own, {{reference, Text(edited)}}),
                                    services, none, false)[0]
                    .Findings.empty());
}

} // namespace
} // namespace kvf
