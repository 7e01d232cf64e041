// Reading, classification and checking of large synthetic KVF files. Run with
// --benchmark_counters_tabular=true; the ratio between the sizes shows the growth.

#include "SyntheticKvf.h"

#include "core/Document.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"
#include "document/FileReader.h"
#include "output/OutputRows.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kvf;

struct Workbench {
    explicit Workbench(int lines) : text(bench::SyntheticKvf(lines)), lines(text) {}
    std::string text;
    BufferTextLines lines;
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};
};

void SetCounters(benchmark::State& state, const Workbench& bench) {
    state.counters["lines"] = bench.lines.LineCount();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bench.text.size()));
}

// Splitting the bytes into lines, as kvfcheck does after reading the file.
void BM_SplitLines(benchmark::State& state) {
    Workbench bench(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BufferTextLines(bench.text).LineCount());
    SetCounters(state, bench);
}

// The reader with the classification of every entry.
void BM_ReadAndClassify(benchmark::State& state) {
    Workbench bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CKeyDatabase database(&bench.run);
        BuildDatabase(bench.run, database, bench.lines);
        benchmark::DoNotOptimize(database.Count());
    }
    SetCounters(state, bench);
}

// The whole check run: rebuild, syntax check and, when range(1) is 1, the semantic check.
void BM_CheckRun(benchmark::State& state) {
    Workbench bench(static_cast<int>(state.range(0)));
    bench.settings.SetInt("FailSafe", "NoSemanticCheck", state.range(1) ? 0 : 1);
    Document document(bench.lines, "ACME1234.kvf", "/bench/ACME1234.kvf");
    for (auto _ : state) {
        Check(bench.services, document);
        benchmark::DoNotOptimize(bench.rows.Rows().size());
        bench.rows.ClearMessages();
    }
    SetCounters(state, bench);
}

// Hostile shapes that must stay linear: a value continued over range(0) lines, and one
// line of range(0) bytes. Doubling the size should double the time.
std::string ContinuationChain(int lines) {
    std::string text = "#TALVERON_DP\nUser_Prm_Data = 0x00,\\\n";
    for (int i = 0; i < lines; ++i)
        text += "0x01,\\\n";
    return text + "0x02\n";
}

std::string LongLine(int bytes) {
    return "#TALVERON_DP\nVendor_Name = \"" + std::string(static_cast<std::size_t>(bytes), 'A') +
           "\"\n";
}

// A quoted value of `=` signs closed by a comment: the equal-sign rule walks from `=` to `=`.
std::string EqualSignLine(int bytes) {
    return "#TALVERON_DP\nVendor_Name = \"" + std::string(static_cast<std::size_t>(bytes), '=') +
           "\";\n";
}

// A quoted string continued over `lines` lines, each ending in a backslash.
std::string StringChain(int lines) {
    std::string text = "#TALVERON_DP\nVendor_Name = \"a\\\n";
    for (int i = 0; i < lines; ++i)
        text += "aaaaaaaaaa\\\n";
    return text + "a\"\n";
}

void CheckText(benchmark::State& state, const std::string& text) {
    BufferTextLines lines(text);
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    Document document(lines, "ACME1234.kvf", "/bench/ACME1234.kvf");
    for (auto _ : state) {
        Check(services, document);
        benchmark::DoNotOptimize(rows.Rows().size());
        rows.ClearMessages();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void BM_ContinuationChain(benchmark::State& state) {
    CheckText(state, ContinuationChain(static_cast<int>(state.range(0))));
}

void BM_LongLine(benchmark::State& state) {
    CheckText(state, LongLine(static_cast<int>(state.range(0))));
}

void BM_StringChain(benchmark::State& state) {
    CheckText(state, StringChain(static_cast<int>(state.range(0))));
}

void BM_EqualSignLine(benchmark::State& state) {
    CheckText(state, EqualSignLine(static_cast<int>(state.range(0))));
}

BENCHMARK(BM_ContinuationChain)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongLine)->Arg(1 << 20)->Arg(2 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringChain)->Arg(50'000)->Arg(100'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EqualSignLine)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_SplitLines)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndClassify)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckRun)
    ->ArgsProduct({{10'000, 100'000, 1'000'000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
