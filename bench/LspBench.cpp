// kvf-lsp on a large document: the time from one keystroke (a didChange of one character) to
// the new diagnostics published for that version, and the memory an open document holds.
// Both through the server's protocol, as a client sees them, without the pipe.

#include "SyntheticKvf.h"
#include "lsp/Server.h"

#include <benchmark/benchmark.h>

#include <condition_variable>
#include <malloc.h>
#include <mutex>

namespace {

using kvf::lsp::Json;

// Waits for the diagnostics of one version.
class Published : public kvf::lsp::MessageOutput, public kvf::lsp::LogOutput {
  public:
    void Send(const std::string& json) override {
        if (json.find("publishDiagnostics") == std::string::npos)
            return;
        Json message = Json::parse(json);
        std::lock_guard lock(mutex_);
        latest_ = message["params"].value("version", -1);
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

void BM_KeystrokeToDiagnostics(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Published out;
    kvf::lsp::Server server(out, out);
    Initialize(server);
    Open(server, 0, kvf::bench::SyntheticKvf(lines));
    out.WaitFor(1);
    int version = 1;
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
    state.counters["lines"] = lines;
}
BENCHMARK(BM_KeystrokeToDiagnostics)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The heap an open document holds once its check has run: its text, its checker and what
// the checker keeps, averaged over several documents.
void BM_MemoryPerOpenDocument(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    constexpr int kDocuments = 8;
    const std::string text = kvf::bench::SyntheticKvf(lines);
    double perDocument = 0;
    for (auto _ : state) {
        Published out;
        kvf::lsp::Server server(out, out);
        Initialize(server);
        malloc_trim(0);
        std::size_t before = mallinfo2().uordblks;
        for (int n = 0; n < kDocuments; ++n) {
            Open(server, n, text);
            out.WaitForCount(n + 1);
        }
        std::size_t after = mallinfo2().uordblks;
        perDocument = static_cast<double>(after - before) / kDocuments;
        server.CloseAll();
    }
    state.counters["bytes_per_document"] = perDocument;
    state.counters["MB_per_document"] = perDocument / (1024.0 * 1024.0);
}
BENCHMARK(BM_MemoryPerOpenDocument)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
