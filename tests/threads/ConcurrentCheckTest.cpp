// Check runs of different documents on several threads at once give the rows they give
// one after the other. Built and run under ThreadSanitizer by scripts/test.sh, which then
// also fails on any data race between the runs.

#include "core/AppServices.h"
#include "core/Document.h"
#include "core/SettingsStore.h"
#include "core/TextLines.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace kvf {
namespace {

namespace fs = std::filesystem;

struct InputFile {
    std::string Name;
    std::string Path;
    std::string Bytes;
};

// The input file of every acceptance case (the one file of its folder that is not part
// of the case's description).
std::vector<InputFile> AcceptanceInputs() {
    static constexpr std::array<std::string_view, 6> kCaseFiles = {
        "expected", "expected.jsonl", "args", "settings.ini", "why", "exit"};
    std::vector<InputFile> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(KVF_ACCEPTANCE_DIR)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".py")
            continue;
        const std::string name = entry.path().filename().string();
        if (std::find(kCaseFiles.begin(), kCaseFiles.end(), name) != kCaseFiles.end())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files.push_back({name, entry.path().string(), std::move(bytes).str()});
    }
    std::sort(files.begin(), files.end(),
              [](const InputFile& a, const InputFile& b) { return a.Path < b.Path; });
    return files;
}

// The rows of a whole check of one file, as kvfcheck prints them, from services of the
// run's own over the shared settings store.
std::vector<std::string> CheckRows(SettingsStore& settings, const InputFile& file) {
    OutputRows rows(settings);
    AppServices services(settings, rows);
    BufferTextLines lines(file.Bytes);
    Document document(lines, file.Name, file.Path);
    Check(services, document);
    std::vector<std::string> out;
    for (const OutputRow& row : rows.Rows())
        out.push_back(LevelText(row.Level) + "|" + LineText(row.Level, row.Line) + "|" +
                      std::string(row.Text));
    return out;
}

TEST(ConcurrentCheck, RunsOnSeveralThreadsGiveTheRowsOfRunsOneAfterAnother) {
    const std::vector<InputFile> files = AcceptanceInputs();
    ASSERT_GT(files.size(), 50u);
    // One store for every run, only read while they run, as kvfcheck shares it.
    MemorySettingsStore settings;
    std::vector<std::vector<std::string>> expected;
    for (const InputFile& file : files)
        expected.push_back(CheckRows(settings, file));

    // Each thread checks every file, starting at another place, so that different files
    // are checked at the same moment.
    constexpr std::size_t kThreads = 4;
    std::vector<std::vector<std::vector<std::string>>> got(
        kThreads, std::vector<std::vector<std::string>>(files.size()));
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (std::size_t n = 0; n < files.size(); ++n) {
                const std::size_t i = (n + t * files.size() / kThreads) % files.size();
                got[t][i] = CheckRows(settings, files[i]);
            }
        });
    for (std::thread& thread : threads)
        thread.join();

    for (std::size_t t = 0; t < kThreads; ++t)
        for (std::size_t i = 0; i < files.size(); ++i)
            EXPECT_EQ(got[t][i], expected[i]) << "thread " << t << ": " << files[i].Path;
}

} // namespace
} // namespace kvf
