#include "lsp/Server.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace kvf::lsp {
namespace {

// The server's messages as they are sent, from any thread.
class Recorded : public MessageOutput, public LogOutput {
  public:
    void Send(const std::string& json) override {
        std::lock_guard lock(mutex_);
        messages_.push_back(Json::parse(json));
        arrived_.notify_all();
    }
    void Log(const std::string&) override {}

    // Waits until a message matches; fails the test after a generous time.
    template <typename Predicate> Json WaitFor(Predicate predicate) {
        std::unique_lock lock(mutex_);
        Json found;
        bool ok = arrived_.wait_for(lock, std::chrono::seconds(30), [&] {
            for (const Json& m : messages_)
                if (predicate(m)) {
                    found = m;
                    return true;
                }
            return false;
        });
        EXPECT_TRUE(ok) << "no expected message";
        return found;
    }
    std::vector<Json> Messages() {
        std::lock_guard lock(mutex_);
        return messages_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Json> messages_;
};

const char* const kUri = "file:///tmp/dev.kvf";

Json Note(const std::string& method, Json params) {
    return Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

Json Call(int id, const std::string& method, Json params) {
    return Json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}};
}

bool IsDiagnostics(const Json& m, int version) {
    return m.value("method", "") == "textDocument/publishDiagnostics" &&
           m["params"].value("version", -1) == version;
}

class ServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server_.HandleOne(
            Dump(Call(1, "initialize",
                      {{"capabilities", Json::object()},
                       {"initializationOptions", {{"settingsFile", "/nonexistent.ini"}}}})));
        server_.HandleOne(Dump(Note("initialized", Json::object())));
    }
    void Open(const std::string& text) {
        server_.HandleOne(
            Dump(Note("textDocument/didOpen",
                      {{"textDocument",
                        {{"uri", kUri}, {"languageId", "kvf"}, {"version", 1}, {"text", text}}}})));
    }
    void Change(int version, int line, int from, int to, const std::string& text) {
        server_.HandleOne(Dump(
            Note("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", version}}},
                                            {"contentChanges",
                                             {{{"range",
                                                {{"start", {{"line", line}, {"character", from}}},
                                                 {"end", {{"line", line}, {"character", to}}}}},
                                               {"text", text}}}}})));
    }

    Recorded out_;
    Server server_{out_, out_};
};

TEST_F(ServerTest, DiagnosticsFollowEditsWithIdsAndVersions) {
    Open("#TALVERON_DP\nVendor_Name = \"ACME\"\n");
    Json first = out_.WaitFor([](const Json& m) { return IsDiagnostics(m, 1); });
    for (const Json& d : first["params"]["diagnostics"])
        EXPECT_NE(d["code"], 145);
    Change(2, 1, 14, 20, "5"); // Vendor_Name = 5
    Json second = out_.WaitFor([](const Json& m) { return IsDiagnostics(m, 2); });
    bool found = false;
    for (const Json& d : second["params"]["diagnostics"]) {
        if (d["code"] == 145) {
            found = true;
            EXPECT_EQ(d["source"], "kvfcheck");
            EXPECT_EQ(d["severity"], 1);
            EXPECT_EQ(d["range"]["start"]["line"], 1);
            EXPECT_EQ(d["range"]["start"]["character"], 14);
            EXPECT_EQ(d["range"]["end"]["character"], 15);
        }
    }
    EXPECT_TRUE(found) << second.dump();
}

// A completion says what it replaces: the half-typed keyword, '.' included, which a
// client's notion of a word would cut ("MaxTsdr_9." would become "MaxTsdr_9.MaxTsdr_9.6").
TEST_F(ServerTest, CompletionReplacesTheKeyWrittenSoFar) {
    Open("#TALVERON_DP\nMaxTsdr_9.\n");
    server_.HandleOne(Dump(
        Call(7, "textDocument/completion",
             {{"textDocument", {{"uri", kUri}}}, {"position", {{"line", 1}, {"character", 10}}}})));
    Json reply = out_.WaitFor([](const Json& m) { return m.value("id", 0) == 7; });
    bool found = false;
    for (const Json& item : reply["result"]) {
        if (item["label"] != "MaxTsdr_9.6")
            continue;
        found = true;
        EXPECT_EQ(item["textEdit"]["newText"], "MaxTsdr_9.6");
        EXPECT_EQ(item["textEdit"]["range"]["start"]["character"], 0);
        EXPECT_EQ(item["textEdit"]["range"]["end"]["character"], 10);
        EXPECT_EQ(item["textEdit"]["range"]["start"]["line"], 1);
    }
    EXPECT_TRUE(found) << reply.dump();
}

// Many changes in a row: the last version is published, and no result of an older
// version comes after a newer one.
TEST_F(ServerTest, OlderResultsAreDropped) {
    std::string text = "#TALVERON_DP\n";
    for (int i = 0; i < 3000; ++i)
        text += "Vendor_Name = \"ACME\"\n";
    Open(text);
    for (int v = 2; v <= 40; ++v)
        Change(v, 1, 0, 0, "X");
    out_.WaitFor([](const Json& m) { return IsDiagnostics(m, 40); });
    int last = 0;
    int published = 0;
    for (const Json& m : out_.Messages()) {
        if (m.value("method", "") != "textDocument/publishDiagnostics")
            continue;
        int version = m["params"]["version"];
        EXPECT_GT(version, last);
        last = version;
        ++published;
    }
    EXPECT_LT(published, 39); // superseded checks never ran or were dropped
}

TEST_F(ServerTest, CloseClearsTheDiagnostics) {
    Open("Bogus = 1\n");
    out_.WaitFor([](const Json& m) { return IsDiagnostics(m, 1); });
    server_.HandleOne(Dump(Note("textDocument/didClose", {{"textDocument", {{"uri", kUri}}}})));
    Json closed = out_.WaitFor([](const Json& m) {
        return m.value("method", "") == "textDocument/publishDiagnostics" &&
               !m["params"].contains("version");
    });
    EXPECT_TRUE(closed["params"]["diagnostics"].empty());
}

TEST_F(ServerTest, ExitCodes) {
    EXPECT_FALSE(server_.ExitRequested());
    server_.HandleOne(Dump(Call(2, "shutdown", nullptr)));
    server_.HandleOne(Dump(Note("exit", nullptr)));
    EXPECT_TRUE(server_.ExitRequested());
    EXPECT_EQ(server_.ExitCode(), 0);
}

} // namespace
} // namespace kvf::lsp

namespace kvf::lsp {
namespace {

// A version submitted while an older one waits or runs: only the newer one is published,
// whether the older one was still waiting (replaced) or already running (dropped).
TEST(DocumentChecker, OnlyTheLatestVersionIsPublished) {
    std::string problem;
    auto settings = ServerSettings::Load("/nonexistent.ini", problem);
    std::string text = "#TALVERON_DP\n";
    // Long enough that the first check still runs when the second version comes.
    for (int i = 0; i < 60000; ++i)
        text += "Vendor_Name = \"ACME\"\n";
    for (int round = 0; round < 5; ++round) {
        std::mutex mutex;
        std::condition_variable done;
        std::vector<int> published;
        {
            DocumentChecker checker([&](int version, const language::CheckOutcome&) {
                std::lock_guard lock(mutex);
                published.push_back(version);
                done.notify_all();
            });
            checker.Submit(1, {text, "dev.kvf", ""}, settings);
            std::this_thread::sleep_for(std::chrono::milliseconds(round));
            checker.Submit(2, {text, "dev.kvf", ""}, settings);
            std::unique_lock lock(mutex);
            done.wait_for(lock, std::chrono::seconds(30),
                          [&] { return !published.empty() && published.back() == 2; });
        }
        EXPECT_EQ(published, std::vector<int>{2}) << "round " << round;
    }
}

} // namespace
} // namespace kvf::lsp
