#include "ServerHarness.h"

#include "document/FileReader.h"

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
    // How many were superseded depends on the machine's speed; the document session's own test
    // pins the dropping.
}

// After an edit, the check of the new version and every request about it read one parse
// of its text, whichever of them comes first.
TEST_F(ServerTest, AnEditIsParsedOncePerVersion) {
    Open("#TALVERON_DP\nVendor_Name = \"ACME\"\nBogus = 1\nModule = \"M\" 0x13\nEndModule\n");
    Json first = out_.WaitFor([](const Json& m) { return IsDiagnostics(m, 1); });
    const std::uint64_t before = DatabaseBuilds();
    Change(2, 2, 0, 5, "Bogux");
    const Json at = {{"textDocument", {{"uri", kUri}}},
                     {"position", {{"line", 1}, {"character", 16}}}};
    int id = 10;
    for (const char* method : {"textDocument/hover", "textDocument/completion",
                               "textDocument/documentSymbol", "textDocument/foldingRange"})
        server_.HandleOne(Dump(Call(id++, method, at)));
    Json second = out_.WaitFor([](const Json& m) { return IsDiagnostics(m, 2); });
    for (const Json& d : second["params"]["diagnostics"])
        server_.HandleOne(Dump(Call(id++, "textDocument/codeAction",
                                    {{"textDocument", {{"uri", kUri}}},
                                     {"range", d["range"]},
                                     {"context", {{"diagnostics", Json::array({d})}}}})));
    for (int reply = 10; reply < id; ++reply)
        out_.WaitFor([reply](const Json& m) { return IsReply(m, reply); });
    EXPECT_EQ(DatabaseBuilds() - before, 1u);
    EXPECT_FALSE(first["params"]["diagnostics"].empty());
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
