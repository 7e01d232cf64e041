// The file at a glance that the keyword tree's root shows: built from the entry database
// of a text and the counts of the last check.
#include "editing/FileSummary.h"
#include "core/AppServices.h"
#include "core/Document.h"
#include "core/MessageSink.h"
#include "core/SettingsStore.h"
#include "core/TextLines.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <string>

namespace kvf {
namespace {

std::string SummaryOf(const std::string& text, const FindingCounts& counts) {
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices services(settings, rows);
    VectorTextLines lines = VectorTextLines::FromBytes(text);
    Document document(lines, "dev.kvf", "/work/dev.kvf");
    Rebuild(services, document);
    return FileSummary("dev.kvf", document.Database, counts);
}

FindingCounts Found(int errors, int fatal, int warnings) {
    FindingCounts counts;
    counts.Checked = true;
    for (int i = 0; i < errors; ++i)
        counts.Add(LEVEL_ERROR);
    for (int i = 0; i < fatal; ++i)
        counts.Add(LEVEL_FATAL);
    for (int i = 0; i < warnings; ++i)
        counts.Add(LEVEL_WARNING);
    counts.Add(LEVEL_INFO); // counts for nothing
    counts.Add(LEVEL_FRAME);
    return counts;
}

struct SummaryCase {
    const char* name;
    std::string text;
    FindingCounts counts;
    std::string summary;
};

class Summaries : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(Summaries, SayWhatTheFileHolds) {
    EXPECT_EQ(SummaryOf(GetParam().text, GetParam().counts), GetParam().summary);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Summaries,
    ::testing::Values(
        SummaryCase{"slave",
                    "#TALVERON_DP\nKVF_Revision = 3\nVendor_Name = \"ACME\"\n"
                    "Model_Name = \"IO 8\"\nStation_Type = 0\nModular_Station = 1\n"
                    "Max_Module = 4\nModule = \"A\" 0x10\n1\nEndModule\n"
                    "Module = \"B\" 0x20\n2\nEndModule\n",
                    FindingCounts{},
                    "dev.kvf: DP-Slave, KVF_Revision 3\n"
                    "Vendor_Name: ACME, Model_Name: IO 8\n"
                    "Modules: 2 (Max_Module = 4), entries: 12\n"
                    "Last check: none yet (F7 checks the file)"},
        SummaryCase{"master", "#TALVERON_DP\nStation_Type = 1\n", Found(0, 0, 0),
                    "dev.kvf: DP-Master\nModules: 0, entries: 1\nLast check: no findings"},
        SummaryCase{"another station type", "#TALVERON_DP\nstation_type = 7\n", Found(2, 1, 3),
                    "dev.kvf: Station_Type 7\nModules: 0, entries: 1\n"
                    "Last check: 1 fatal error(s), 2 error(s), 3 warning(s)"},
        SummaryCase{"no station type", "#TALVERON_DP\nModel_Name = \"X\"\n", Found(0, 0, 1),
                    "dev.kvf: Station_Type not given\nVendor_Name: , Model_Name: X\n"
                    "Modules: 0, entries: 1\nLast check: 1 warning(s)"},
        // A key given twice (the checker reports the second): the first counts.
        SummaryCase{"a key given twice",
                    "#TALVERON_DP\nKVF_Revision = 2\nStation_Type = 1\nKVF_Revision = 5\n"
                    "Station_Type = 0\n",
                    FindingCounts{},
                    "dev.kvf: DP-Master, KVF_Revision 2\nModules: 0, entries: 4\n"
                    "Last check: none yet (F7 checks the file)"},
        SummaryCase{"no entries", "; nothing but a comment\n", Found(0, 1, 0),
                    "dev.kvf: no entries\nLast check: 1 fatal error(s)"}),
    [](const ::testing::TestParamInfo<SummaryCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

} // namespace
} // namespace kvf
