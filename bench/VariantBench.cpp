// The comparison of a device's language variants on large synthetic files: a German file
// against the English one, texts translated, with a few keywords inserted and removed and a
// value changed. Run with --benchmark_counters_tabular=true; the ratio between the sizes
// shows the growth.

#include "SyntheticKvf.h"

#include "core/AppServices.h"
#include "output/OutputRows.h"
#include "variants/VariantComparison.h"
#include "variants/VariantFile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kvf;

// The English file's lines in German, every quoted text translated, with `edits` lines
// inserted, as many removed and one value changed, spread over the file.
std::string German(const std::string& english, int edits) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < english.size();) {
        std::size_t end = english.find('\n', start);
        lines.push_back(english.substr(start, end - start));
        start = end == std::string::npos ? english.size() : end + 1;
    }
    std::string text;
    const std::size_t step = lines.size() / static_cast<std::size_t>(edits + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        for (std::size_t q = line.find('"'); q != std::string::npos; q = line.find('"', q + 1)) {
            std::size_t close = line.find('"', q + 1);
            if (close == std::string::npos)
                break;
            line.replace(q + 1, close - q - 1, "Deutscher Text");
            q = line.find('"', q + 1);
        }
        if (i > 30 && i % step == 0)
            text += "Sync_Mode_supp = 1\n"; // inserted
        if (i > 30 && i % step == step / 2 && line.rfind("Unsigned8", 0) != 0)
            continue; // removed
        if (line == "Min_Slave_Intervall = 6")
            line = "Min_Slave_Intervall = 2";
        text += line + '\n';
    }
    return text;
}

struct Family {
    explicit Family(int lines, int edits = 5)
        : english(bench::SyntheticKvf(lines)), german(German(english, edits)) {}
    std::string english;
    std::string german;
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
};

// The comparison alone, over databases built before, of a family with `edits` edits.
void CompareBuilt(benchmark::State& state, int edits) {
    Family family(static_cast<int>(state.range(0)), edits);
    VariantFile reference("DEV.KVD", family.english, family.services);
    VariantFile variant("DEV.KVG", family.german, family.services);
    std::size_t findings = 0;
    for (auto _ : state)
        findings = CompareVariant(variant.Source(), reference.Source()).size();
    state.counters["lines"] = static_cast<double>(reference.Lines().LineCount());
    state.counters["findings"] = static_cast<double>(findings);
}

void BM_CompareVariant(benchmark::State& state) {
    CompareBuilt(state, 5);
}

// What kvfcheck --variants does with the two files' bytes: both databases built, then the
// comparison.
void BM_ReadAndCompare(benchmark::State& state) {
    Family family(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        VariantFile reference("DEV.KVD", family.english, family.services);
        VariantFile variant("DEV.KVG", family.german, family.services);
        benchmark::DoNotOptimize(CompareVariant(variant.Source(), reference.Source()).size());
    }
    state.counters["lines"] = static_cast<double>(state.range(0));
}

// Many differences: a hundred times as many edits, to show how the time grows with them.
void BM_CompareManyDifferences(benchmark::State& state) {
    CompareBuilt(state, 500);
}

} // namespace

BENCHMARK(BM_CompareVariant)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndCompare)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareManyDifferences)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
