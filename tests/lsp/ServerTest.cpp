#include "ServerHarness.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace kvf::lsp {
namespace {

using namespace test;

const char* const kUri = "file:///tmp/dev.kvf";

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
    for (const Json& m : out_.Messages()) {
        if (m.value("method", "") != "textDocument/publishDiagnostics")
            continue;
        int version = m["params"]["version"];
        EXPECT_GT(version, last);
        last = version;
    }
    // How many were superseded depends on the machine's speed; DocumentChecker's own test
    // pins the dropping.
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

// A check whose end the test decides: it says when it starts, and the check of "first" holds
// until the test lets it go.
class HeldCheck {
  public:
    language::CheckOutcome operator()(const language::Snapshot& snapshot,
                                      const language::CheckSettings&) {
        std::unique_lock lock(mutex_);
        checked_.push_back(snapshot.Text);
        changed_.notify_all();
        changed_.wait(lock, [&] { return released_ || snapshot.Text != "first"; });
        return {};
    }
    void WaitUntilChecking(const std::string& text) {
        std::unique_lock lock(mutex_);
        EXPECT_TRUE(changed_.wait_for(lock, kHangs, [&] {
            return std::find(checked_.begin(), checked_.end(), text) != checked_.end();
        }));
    }
    void Release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    std::vector<std::string> Checked() {
        std::lock_guard lock(mutex_);
        return checked_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> checked_;
    bool released_ = false;
};

// What a checker sends, from the pool's threads.
struct Sent {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::string> messages;

    DocumentChecker::Send Into() {
        return [this](const std::string& message) {
            std::lock_guard lock(mutex);
            messages.push_back(message);
            arrived.notify_all();
        };
    }
    bool WaitFor(std::size_t count) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, kHangs, [&] { return messages.size() >= count; });
    }
};

std::string Named(int version, const language::CheckOutcome&) {
    return "version " + std::to_string(version);
}

// A version submitted while an older one runs: the older one's result is dropped. Versions
// submitted while one waits replace it: only the newest of them is checked.
TEST(DocumentChecker, OnlyTheLatestVersionIsPublished) {
    std::string problem;
    auto settings = ServerSettings::Load("/nonexistent.ini", problem);
    for (int waiting : {1, 3}) {
        CheckPool pool(2);
        HeldCheck check;
        Sent sent;
        {
            DocumentChecker checker(pool, Named, sent.Into(), std::ref(check));
            checker.Submit(1, {"first", "dev.kvf", ""}, settings);
            check.WaitUntilChecking("first");
            for (int v = 2; v < 2 + waiting; ++v)
                checker.Submit(v, {"version " + std::to_string(v), "dev.kvf", ""}, settings);
            check.Release();
            EXPECT_TRUE(sent.WaitFor(1));
        }
        const std::string latest = "version " + std::to_string(1 + waiting);
        EXPECT_EQ(sent.messages, std::vector<std::string>{latest}) << waiting << " waiting";
        EXPECT_EQ(check.Checked(), (std::vector<std::string>{"first", latest}))
            << waiting << " waiting";
    }
}

// A version submitted while the message of an older one is being made: that message is made
// in vain and not sent, the newer version's is.
TEST(DocumentChecker, AResultReplacedWhileItsMessageIsMadeIsNotSent) {
    std::string problem;
    auto settings = ServerSettings::Load("/nonexistent.ini", problem);
    CheckPool pool(2);
    std::mutex mutex;
    std::condition_variable changed;
    bool rendering = false;
    bool released = false;
    auto render = [&](int version, const language::CheckOutcome& outcome) {
        if (version == 1) {
            std::unique_lock lock(mutex);
            rendering = true;
            changed.notify_all();
            changed.wait(lock, [&] { return released; });
        }
        return Named(version, outcome);
    };
    auto check = [](language::Snapshot, const language::CheckSettings&) {
        return language::CheckOutcome{};
    };
    Sent sent;
    {
        DocumentChecker checker(pool, render, sent.Into(), check);
        checker.Submit(1, {"one", "a.kvf", ""}, settings);
        {
            std::unique_lock lock(mutex);
            EXPECT_TRUE(changed.wait_for(lock, kHangs, [&] { return rendering; }));
        }
        checker.Submit(2, {"two", "a.kvf", ""}, settings);
        {
            std::lock_guard lock(mutex);
            released = true;
        }
        changed.notify_all();
        EXPECT_TRUE(sent.WaitFor(1));
    }
    EXPECT_EQ(sent.messages, std::vector<std::string>{"version 2"});
}

// Documents share the pool's threads. A document closed while its check still waits for a
// thread goes at once, and sends nothing; the others are not held up by it.
TEST(DocumentChecker, ADocumentClosedWhileItWaitsForAThreadSendsNothing) {
    std::string problem;
    auto settings = ServerSettings::Load("/nonexistent.ini", problem);
    CheckPool pool(1);
    HeldCheck check;
    Sent first;
    Sent second;
    DocumentChecker busy(pool, Named, first.Into(), std::ref(check));
    busy.Submit(1, {"first", "a.kvf", ""}, settings);
    check.WaitUntilChecking("first"); // the pool's one thread is busy
    {
        DocumentChecker closed(pool, Named, second.Into(), std::ref(check));
        closed.Submit(7, {"queued", "b.kvf", ""}, settings);
    } // gone without waiting for a thread
    DocumentChecker third(pool, Named, second.Into(), std::ref(check));
    third.Submit(9, {"third", "c.kvf", ""}, settings);
    check.Release();
    EXPECT_TRUE(first.WaitFor(1));
    EXPECT_TRUE(second.WaitFor(1));
    EXPECT_EQ(first.messages, std::vector<std::string>{"version 1"});
    EXPECT_EQ(second.messages, std::vector<std::string>{"version 9"});
    EXPECT_EQ(check.Checked(), (std::vector<std::string>{"first", "third"}));
}

} // namespace
} // namespace kvf::lsp
