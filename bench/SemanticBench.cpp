// The semantic check of files with many parameter definitions, text tables and diagnosis
// bits. Run with --benchmark_counters_tabular=true; the ratio between the 1x and the 10x
// size shows the growth (linear: about 10).

#include "SemanticKvf.h"

#include "core/Document.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"
#include "semantic/SemanticChecker.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kvf;

// The file checked once, so that the syntax check has set the entries' Valid flags; each
// iteration then runs the semantic check alone.
struct CheckedFile {
    explicit CheckedFile(std::string bytes)
        : text(std::move(bytes)), lines(VectorTextLines::FromBytes(text)),
          document(lines, "ACME1234.kvf", "/bench/ACME1234.kvf") {
        Check(run, document);
    }
    std::string text;
    VectorTextLines lines;
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    RunContext run{services};
    Document document;
};

void RunSemantic(benchmark::State& state, CheckedFile& file) {
    for (auto _ : state) {
        file.rows.ClearMessages();
        RunSemanticCheck(file.run, file.document);
        benchmark::DoNotOptimize(file.rows.Rows().size());
    }
    state.counters["entries"] = static_cast<double>(file.document.Database.Count());
    state.counters["rows"] = static_cast<double>(file.rows.Rows().size());
}

void BM_SemanticParameters(benchmark::State& state) {
    CheckedFile file(bench::ParameterKvf(static_cast<int>(state.range(0))));
    RunSemantic(state, file);
}

void BM_SemanticDiagnosis(benchmark::State& state) {
    CheckedFile file(bench::DiagnosisKvf(static_cast<int>(state.range(0))));
    RunSemantic(state, file);
}

BENCHMARK(BM_SemanticParameters)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SemanticDiagnosis)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
