// kvf-lsp on large documents and on many: the time from one keystroke (a didChange of one
// character) to the new diagnostics published for that version, beside the time of one check
// of the same text; and the memory open documents hold. Through the server's protocol, as a
// client sees them, without the pipe. Run with --benchmark_counters_tabular=true.

#include "SyntheticKvf.h"
#include "core/SettingsStore.h"
#include "language/Diagnostics.h"
#include "lsp/DiagnosticsMessage.h"
#include "lsp/Server.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <mutex>
#include <unistd.h>

namespace {

using kvf::lsp::Json;

// Waits for the diagnostics of one version. Reads the version off the message's end (the
// members stand in name order, "version" last) instead of parsing megabytes of findings.
class Published : public kvf::lsp::MessageOutput, public kvf::lsp::LogOutput {
  public:
    void Send(const std::string& json) override {
        if (json.find("publishDiagnostics") == std::string::npos)
            return;
        const std::size_t at = json.rfind("\"version\":");
        const int version = at == std::string::npos ? -1 : std::atoi(json.c_str() + at + 10);
        std::lock_guard lock(mutex_);
        latest_ = version;
        ++count_;
        arrived_.notify_all();
    }
    void Log(const std::string&) override {}
    void WaitFor(int version) {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [&] { return latest_ == version; });
    }
    void WaitForCount(int count) {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [&] { return count_ >= count; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    int latest_ = 0;
    int count_ = 0;
};

std::string Message(const std::string& method, Json params, int id = 0) {
    Json message{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
    if (id)
        message["id"] = id;
    return message.dump();
}

void Initialize(kvf::lsp::Server& server) {
    server.HandleOne(
        Message("initialize",
                {{"capabilities", Json::object()},
                 {"initializationOptions", {{"settingsFile", "/nonexistent/kvf-bench.ini"}}}},
                1));
}

std::string Uri(int n) {
    return "file:///bench/DEV" + std::to_string(n) + ".kvf";
}

void Open(kvf::lsp::Server& server, int n, const std::string& text) {
    server.HandleOne(
        Message("textDocument/didOpen",
                {{"textDocument",
                  {{"uri", Uri(n)}, {"languageId", "kvf"}, {"version", 1}, {"text", text}}}}));
}

// The processor time of every thread of the process, in milliseconds: what other programs on
// the machine do not inflate, unlike the wall clock.
double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct OneCheck {
    std::size_t Findings = 0;
    double WallMs = 0;
    double CpuMs = 0;
};

// One check of the text, as the server's check of a version runs it.
OneCheck CheckOnce(const std::string& text) {
    kvf::MemorySettingsStore settings;
    kvf::language::CheckSettings check;
    check.Settings = &settings;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessCpuMs();
    OneCheck once;
    once.Findings = kvf::language::CheckSnapshot({text, "DEV0.kvf", "/bench/DEV0.kvf"}, check)
                        .Diagnostics.size();
    once.CpuMs = ProcessCpuMs() - cpuStart;
    once.WallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return once;
}

void BM_KeystrokeToDiagnostics(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const std::string text = kvf::bench::SyntheticKvf(lines);
    Published out;
    kvf::lsp::Server server(out, out);
    Initialize(server);
    Open(server, 0, text);
    out.WaitFor(1);
    int version = 1;
    const double cpuStart = ProcessCpuMs();
    for (auto _ : state) {
        ++version;
        // One character typed in the middle of the file.
        Json change{{"range",
                     {{"start", {{"line", lines / 2}, {"character", 0}}},
                      {"end", {{"line", lines / 2}, {"character", 0}}}}},
                    {"text", version % 2 ? " " : ";"}};
        server.HandleOne(Message("textDocument/didChange",
                                 {{"textDocument", {{"uri", Uri(0)}, {"version", version}}},
                                  {"contentChanges", Json::array({change})}}));
        out.WaitFor(version);
    }
    const double iterations = static_cast<double>(state.iterations());
    const double keystrokeCpuMs = (ProcessCpuMs() - cpuStart) / iterations;
    // The target: a keystroke costs no more than one check of the text, timed as often and
    // right after, so the machine's load weighs on both alike; the processor times (of all the
    // server's threads) tell it apart from that load.
    OneCheck check;
    for (int i = 0; i < static_cast<int>(state.iterations()); ++i) {
        const OneCheck once = CheckOnce(text);
        check.Findings = once.Findings;
        check.WallMs += once.WallMs / iterations;
        check.CpuMs += once.CpuMs / iterations;
    }
    state.counters["lines"] = lines;
    state.counters["findings"] = static_cast<double>(check.Findings);
    state.counters["one_check_ms"] = check.WallMs;
    state.counters["keystroke_cpu_ms"] = keystrokeCpuMs;
    state.counters["one_check_cpu_ms"] = check.CpuMs;
}
BENCHMARK(BM_KeystrokeToDiagnostics)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KeystrokeToDiagnostics)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(4);

// The publishDiagnostics message of a large document's findings, made from its check.
void BM_DiagnosticsMessage(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    kvf::MemorySettingsStore settings;
    kvf::language::CheckSettings check;
    check.Settings = &settings;
    const kvf::language::CheckOutcome outcome = kvf::language::CheckSnapshot(
        {kvf::bench::SyntheticKvf(lines), "DEV0.kvf", "/bench/DEV0.kvf"}, check);
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = kvf::lsp::DiagnosticsMessage(Uri(0), 2, outcome.Diagnostics).size();
    state.counters["findings"] = static_cast<double>(outcome.Diagnostics.size());
    state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_DiagnosticsMessage)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(4);

// A hover once its version is analysed, on a key and on a value of the middle of a large
// document: the analysis the check made is read, nothing is parsed again. Through the
// server (the request's JSON included) and on the analysis alone.
void BM_HoverOfAnalysedVersion(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const std::string text = kvf::bench::SyntheticKvf(lines);
    Published out;
    kvf::lsp::Server server(out, out);
    Initialize(server);
    Open(server, 0, text);
    out.WaitFor(1);
    // A line of the middle with a value.
    int line = lines / 2;
    std::size_t at = 0;
    for (int i = 0; i < line; ++i)
        at = text.find('\n', at) + 1;
    while (text.find('=', at) > text.find('\n', at)) {
        at = text.find('\n', at) + 1;
        ++line;
    }
    const int valueColumn = static_cast<int>(text.find('=', at) - at) + 2;
    int id = 100;
    for (auto _ : state) {
        for (int column : {0, valueColumn})
            server.HandleOne(Message("textDocument/hover",
                                     {{"textDocument", {{"uri", Uri(0)}}},
                                      {"position", {{"line", line}, {"character", column}}}},
                                     ++id));
    }
    state.counters["lines"] = lines;
    state.SetLabel("a key's and a value's hover");
    server.CloseAll();
}
BENCHMARK(BM_HoverOfAnalysedVersion)->Arg(100000)->Unit(benchmark::kMillisecond);

// The resident memory of the process, in bytes (Linux).
double ResidentBytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// A document of about `lines` lines with `unknownKeys` findings more than the synthetic file
// has (an unknown key each).
std::string WithFindings(int lines, int unknownKeys) {
    std::string text = kvf::bench::SyntheticKvf(lines - unknownKeys);
    for (int i = 0; i < unknownKeys; ++i)
        text += "Unknown_Key_" + std::to_string(i) + " = 1\n";
    return text;
}

// What open documents cost the server once their checks have run: the heap in use and the
// resident memory (which counts what the checks' threads keep for later), per document, opened
// all at once as a client opens a session's files. The budget is 200 bytes a line and 300
// bytes a finding.
void BM_MemoryPerOpenDocument(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const int documents = static_cast<int>(state.range(1));
    const std::string text = WithFindings(lines, 3000);
    const std::size_t findings = CheckOnce(text).Findings;
    double heap = 0;
    double resident = 0;
    for (auto _ : state) {
        Published out;
        kvf::lsp::Server server(out, out);
        Initialize(server);
        malloc_trim(0);
        const double residentBefore = ResidentBytes();
        const std::size_t heapBefore = mallinfo2().uordblks;
        for (int n = 0; n < documents; ++n)
            Open(server, n, text);
        out.WaitForCount(documents);
        heap = static_cast<double>(mallinfo2().uordblks - heapBefore) / documents;
        resident = (ResidentBytes() - residentBefore) / documents;
        server.CloseAll();
    }
    const double budget = 200.0 * lines + 300.0 * static_cast<double>(findings);
    state.counters["lines"] = lines;
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["heap_MB_per_doc"] = heap / (1024.0 * 1024.0);
    state.counters["rss_MB_per_doc"] = resident / (1024.0 * 1024.0);
    state.counters["budget_MB_per_doc"] = budget / (1024.0 * 1024.0);
}
BENCHMARK(BM_MemoryPerOpenDocument)
    ->Args({10000, 50})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

BENCHMARK_MAIN();
