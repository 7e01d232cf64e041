#include "document/CheckRun.h"
#include "core/Document.h"
#include "core/RunContext.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvf {
namespace {

struct FileNameCase {
    const char* name;
    const char* warningStart; // empty: the name conforms
};

class FileNameCheck : public ::testing::TestWithParam<FileNameCase> {};

TEST_P(FileNameCheck, FirstFailingRuleOnly) {
    std::string warning = FileNameWarning(GetParam().name);
    EXPECT_EQ(warning.substr(0, std::string(GetParam().warningStart).size()),
              GetParam().warningStart);
    if (*GetParam().warningStart == '\0')
        EXPECT_TRUE(warning.empty()) << warning;
    else
        EXPECT_NE(warning.find(GetParam().name), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameCheck,
    ::testing::Values(FileNameCase{"dev.kvf", ""}, FileNameCase{"DEV12345.KVS", ""},
                      FileNameCase{"dev.kV1", ""},
                      FileNameCase{"devicename1.kvf", "File Name too long!"},
                      FileNameCase{"dev.kvf2", "Incorrect File Name Extension!"},
                      FileNameCase{"dev.txt", "Incorrect File Name Extension!"},
                      FileNameCase{"dev.", "Incorrect File Name Extension!"},
                      FileNameCase{"dev.v2.kvf", "Too many \".\"!"},
                      FileNameCase{"devicename", "Missing \".\"!"},
                      FileNameCase{"verylongname.v2.kvf", "Too many \".\"!"}));

struct CheckRunner {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};
    VectorTextLines lines;
    std::vector<std::string> Check(const std::string& text, const std::string& title) {
        lines = VectorTextLines::FromBytes(text);
        Document document(lines, title, "/work/" + title);
        kvf::Check(run, document);
        EXPECT_EQ(run.Focus.CurrentEntry, nullptr);
        EXPECT_EQ(run.OpenBlockEntry, nullptr);
        std::vector<std::string> out;
        for (const OutputRow& row : rows.Rows())
            out.push_back(LevelText(row.Level) + "|" + LineText(row.Level, row.Line) + "|" +
                          std::string(row.Text));
        run.CheckedDocument = nullptr;
        return out;
    }
};

TEST(CheckRun, EmptyDatabaseIsAFatalError) {
    CheckRunner run;
    run.settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    EXPECT_EQ(
        run.Check("Vendor_Name = \"x\"\n", "dev.kvf"),
        (std::vector<std::string>{
            "Info|---|Start Syntax-Check of file dev.kvf ...",
            "Fatal Error|---|Database is empty! Please check if the #TALVERON_DP entry "
            "exists.",
            "Info|---|...stop syntax check", "Info|---|FailSafe-Mode: Skipping semantic check."}));
}

TEST(CheckRun, ModifiedTitleAndNameWarningDoNotCount) {
    CheckRunner run;
    run.settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    std::vector<std::string> rows = run.Check("#TALVERON_DP\nKVF_Revision = 1\n", "dev.txt*");
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0], "Info|---|Start Syntax-Check of file dev.txt ...");
    EXPECT_EQ(rows[1].rfind("Warning|---|Incorrect File Name Extension!", 0), 0u);
    EXPECT_EQ(rows[2], "Info|---|... check finished without errors.");
}

TEST(CheckRun, HiddenWarningsStillCount) {
    CheckRunner run;
    run.settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    run.settings.SetInt("Settings", "Warnings", 1);
    // An unknown key is only a warning; hidden, it still keeps the run from reporting
    // that it finished without errors.
    EXPECT_EQ(run.Check("#TALVERON_DP\nNo_Such_Key = 1\n", "dev.kvf"),
              (std::vector<std::string>{"Info|---|Start Syntax-Check of file dev.kvf ...",
                                        "Info|---|...stop syntax check",
                                        "Info|---|FailSafe-Mode: Skipping semantic check."}));
}

TEST(CheckRun, RebuildFollowsTheLines) {
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices services(settings, rows);
    RunContext run(services);
    VectorTextLines first = VectorTextLines::FromBytes("#TALVERON_DP\nA = 1\nB = 2\n");
    Document document(first, "dev.kvf", "/dev.kvf");
    Rebuild(run, document);
    EXPECT_EQ(document.Database.Count(), 2u);
    EXPECT_TRUE(document.RebuildFlag);
    VectorTextLines second = VectorTextLines::FromBytes("#TALVERON_DP\nA = 1\n");
    document.SetLines(second);
    Rebuild(run, document);
    EXPECT_EQ(document.Database.Count(), 1u);
    EXPECT_EQ(run.Focus.CurrentEntry, nullptr);
}

// Each build starts with no block open, whatever the application built before: a file
// that ends inside a module leaves no open block to the next document it builds.
TEST(CheckRun, BlockLeftOpenByOneBuildDoesNotReachTheNext) {
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices services(settings, rows);
    VectorTextLines open = VectorTextLines::FromBytes("#TALVERON_DP\nModule = \"In\" 0x10\n");
    Document first(open, "a.kvf", "/a.kvf");
    Rebuild(services, first);
    VectorTextLines number = VectorTextLines::FromBytes("#TALVERON_DP\n1\n");
    Document second(number, "b.kvf", "/b.kvf");
    Rebuild(services, second);
    ASSERT_EQ(second.Database.Count(), 1u);
    EXPECT_EQ(second.Database.At(0).Key, std::string("1"));
    EXPECT_EQ(second.Database.At(0).hParent, nullptr);
}

} // namespace
} // namespace kvf
