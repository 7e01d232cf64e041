// What kvf-lsp does not do, it says: a registration it cannot write, a change it cannot make,
// a quick fix for a text that has changed since. Each says why and changes nothing.

#include "ServerHarness.h"

#include "core/IniSettingsStore.h"
#include "lsp/FileText.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace kvf::lsp {
namespace {

using namespace test;
namespace fs = std::filesystem;

const char* const kUri = "file:///tmp/ACME1234.kvf";
const std::string kSettings = "[Settings]\nSyntax=1\n\n[UserKeys]\nOLD_KEY=\"1;0;INT\"\n"
                              "Summary=\"OLD_KEY,\"\n";

// A folder of the test's own, gone at the end.
class Folder {
  public:
    Folder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("kvf-lsp-test-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code error;
        fs::permissions(path_ / "settings.ini", fs::perms::owner_all, error);
        fs::remove_all(path_, error);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Read(const std::string& path) {
    std::string text;
    return ReadFileText(path, text) ? text : std::string("<unreadable>");
}

class Refusals : public ::testing::Test {
  protected:
    void Start(const std::string& settingsFile, Json capabilities = Json::object()) {
        server_.HandleOne(
            Dump(Call(1, "initialize",
                      {{"capabilities", std::move(capabilities)},
                       {"initializationOptions", {{"settingsFile", settingsFile}}}})));
        server_.HandleOne(Dump(Note("initialized", Json::object())));
    }
    void Open(const std::string& text, int version = 1) {
        server_.HandleOne(Dump(Note(
            "textDocument/didOpen",
            {{"textDocument",
              {{"uri", kUri}, {"languageId", "kvf"}, {"version", version}, {"text", text}}}})));
    }
    void Change(int version, Json changes) {
        server_.HandleOne(Dump(
            Note("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", version}}},
                                            {"contentChanges", std::move(changes)}})));
    }
    // The reply to a request, sent now.
    Json Ask(const std::string& method, Json params) {
        const int id = ++lastId_;
        server_.HandleOne(Dump(Call(id, method, std::move(params))));
        return out_.WaitFor([id](const Json& m) { return IsReply(m, id); });
    }
    Json Register(Json arguments) {
        return Ask("workspace/executeCommand",
                   {{"command", "kvf.registerUserKey"}, {"arguments", std::move(arguments)}});
    }
    Json Register(const std::string& key, const std::string& setting) {
        return Register(Json::array({{{"key", key}, {"setting", setting}}}));
    }
    std::vector<Json> Shown() {
        std::vector<Json> shown;
        for (const Json& m : out_.Messages())
            if (IsShownMessage(m))
                shown.push_back(m["params"]);
        return shown;
    }
    std::vector<int> Codes(int version) {
        std::vector<int> codes;
        Json published =
            out_.WaitFor([version](const Json& m) { return IsDiagnostics(m, version); });
        for (const Json& d : published["params"]["diagnostics"])
            codes.push_back(d["code"]);
        return codes;
    }

    Folder folder_;
    Recorded out_;
    Server server_{out_, out_};
    int lastId_ = 1;
};

bool Holds(const std::vector<int>& codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

int ErrorCode(const Json& reply) {
    return reply.contains("error") ? reply["error"].value("code", 0) : 0;
}

// Arguments of the wrong shape, and keys or settings that cannot be registered: InvalidParams,
// and the settings file as it was.
TEST_F(Refusals, RegistrationOfTheWrongShapeChangesNothing) {
    const std::string settings = folder_.File("settings.ini");
    Write(settings, kSettings);
    Start(settings);
    const Json pair = {{"key", "NEW_KEY"}, {"setting", "1;0;INT"}};
    const std::vector<std::pair<const char*, Json>> shapes = {
        {"no arguments", nullptr},
        {"arguments no list", pair},
        {"an empty list", Json::array()},
        {"a number", Json::array({1})},
        {"two arguments", Json::array({pair, pair})},
        {"a key that is a number", Json::array({{{"key", 5}, {"setting", "1;0;INT"}}})},
        {"no setting", Json::array({{{"key", "NEW_KEY"}}})},
        {"a key with a comma", Json::array({{{"key", "A,B_Key"}, {"setting", "1;0;INT"}}})},
        {"a key in brackets", Json::array({{{"key", "[General]"}, {"setting", "1;0;INT"}}})},
        {"a key with a line break",
         Json::array({{{"key", "K\r\n[Evil]\r\nX"}, {"setting", "1;0;INT"}}})},
        {"a key of characters no code page holds",
         Json::array({{{"key", "\xe6\x97\xa5"}, {"setting", "1;0;INT"}}})},
        {"an empty key", Json::array({{{"key", ""}, {"setting", "1;0;INT"}}})},
        {"a setting without indexes", Json::array({{{"key", "NEW_KEY"}, {"setting", "INT"}}})},
        {"an empty setting", Json::array({{{"key", "NEW_KEY"}, {"setting", ""}}})},
        {"a setting no code page holds",
         Json::array({{{"key", "NEW_KEY"}, {"setting", "1;0;\xe6\x97\xa5"}}})},
    };
    for (const auto& [name, arguments] : shapes) {
        Json reply = arguments.is_null()
                         ? Ask("workspace/executeCommand", {{"command", "kvf.registerUserKey"}})
                         : Register(arguments);
        EXPECT_EQ(ErrorCode(reply), error::InvalidParams) << name << ": " << reply.dump();
        EXPECT_EQ(Read(settings), kSettings) << name;
    }
    Json unknown = Ask("workspace/executeCommand", {{"command", "kvf.noSuchCommand"}});
    EXPECT_EQ(ErrorCode(unknown), error::InvalidParams);
}

// A settings file that cannot be read, is read-only or cannot be written: the request fails
// with the reason, and nothing changed.
TEST_F(Refusals, RegistrationThatCannotBeWrittenSaysWhy) {
    const std::string readOnly = folder_.File("settings.ini");
    Write(readOnly, kSettings);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    const std::string folderInstead = folder_.File("folder.ini");
    fs::create_directories(folderInstead);
    const std::string blocker = folder_.File("blocker");
    Write(blocker, "a file where a folder should be");
    const std::string underAFile = blocker + "/settings.ini";

    struct Case {
        const char* name;
        std::string path;
        const char* reason;
    };
    for (const Case& c : {Case{"read-only", readOnly, "is read-only"},
                          Case{"a folder", folderInstead, "cannot read"},
                          Case{"under a file", underAFile, "cannot write"}}) {
        Recorded out;
        Server server(out, out);
        server.HandleOne(Dump(Call(1, "initialize",
                                   {{"capabilities", Json::object()},
                                    {"initializationOptions", {{"settingsFile", c.path}}}})));
        server.HandleOne(
            Dump(Call(2, "workspace/executeCommand",
                      {{"command", "kvf.registerUserKey"},
                       {"arguments", {{{"key", "NEW_KEY"}, {"setting", "1;0;INT"}}}}})));
        Json reply = out.WaitFor([](const Json& m) { return IsReply(m, 2); });
        EXPECT_EQ(ErrorCode(reply), error::RequestFailed) << c.name << ": " << reply.dump();
        EXPECT_NE(reply["error"].value("message", "").find(c.reason), std::string::npos)
            << c.name << ": " << reply.dump();
    }
    EXPECT_EQ(Read(readOnly), kSettings);
    EXPECT_EQ(fs::status(readOnly).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_TRUE(fs::is_empty(folderInstead));
    EXPECT_FALSE(fs::exists(underAFile));
}

TEST(RefusalsOfAServer, ThatWritesNoSettingsFile) {
    Recorded out;
    ServerOptions options;
    options.WriteSettings = false;
    Server server(out, out, options);
    server.HandleOne(Dump(Call(1, "initialize", {{"capabilities", Json::object()}})));
    server.HandleOne(Dump(Call(2, "workspace/executeCommand",
                               {{"command", "kvf.registerUserKey"},
                                {"arguments", {{{"key", "NEW_KEY"}, {"setting", "1;0;INT"}}}}})));
    Json reply = out.WaitFor([](const Json& m) { return IsReply(m, 2); });
    EXPECT_EQ(ErrorCode(reply), error::RequestFailed) << reply.dump();
}

// A registration written: the server reads it and checks the open document with it; a file
// that then cannot be read keeps the settings read before, and the user hears of it.
TEST_F(Refusals, SettingsThatCannotBeReadAgainAreKept) {
    const std::string settings = folder_.File("settings.ini");
    Write(settings, kSettings);
    Start(settings);
    Open("#TALVERON_DP\nNEW_KEY = 5\n");
    EXPECT_TRUE(Holds(Codes(1), 133));
    Json reply = Register("New_Key", "1;0;INT");
    EXPECT_FALSE(reply.contains("error")) << reply.dump();
    EXPECT_EQ(IniSettingsStore::FromText(Read(settings)).GetString("UserKeys", "NEW_KEY", ""),
              "1;0;INT");
    Change(2, Json::array({{{"range",
                             {{"start", {{"line", 1}, {"character", 10}}},
                              {"end", {{"line", 1}, {"character", 11}}}}},
                            {"text", "6"}}}));
    EXPECT_FALSE(Holds(Codes(2), 133));

    fs::remove(settings);
    fs::create_directories(settings); // no longer readable as a file
    server_.HandleOne(Dump(Note("textDocument/didSave", {{"textDocument", {{"uri", kUri}}}})));
    Change(3, Json::array({{{"range",
                             {{"start", {{"line", 1}, {"character", 10}}},
                              {"end", {{"line", 1}, {"character", 11}}}}},
                            {"text", "7"}}}));
    EXPECT_FALSE(Holds(Codes(3), 133)); // the key is still known
    std::vector<Json> shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]["type"], 2);
    EXPECT_NE(shown[0]["message"].get<std::string>().find("cannot read the settings file"),
              std::string::npos);
}

TEST_F(Refusals, UnreadableSettingsAtTheStartAreShown) {
    const std::string folderInstead = folder_.File("folder.ini");
    fs::create_directories(folderInstead);
    Start(folderInstead);
    std::vector<Json> shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]["type"], 2);
    EXPECT_NE(shown[0]["message"].get<std::string>().find("default settings"), std::string::npos);
}

Json Edit(int line, int from, int to, Json text) {
    return {{"range",
             {{"start", {{"line", line}, {"character", from}}},
              {"end", {{"line", line}, {"character", to}}}}},
            {"text", std::move(text)}};
}

// A change the server cannot make: shown to the user as an error, and none of its parts made
// (the next version checks the text as it was).
TEST_F(Refusals, BrokenChangesChangeNothingAndSaySo) {
    Start("/nonexistent/settings.ini");
    Open("#TALVERON_DP\nVendor_Name = \"ACME\"\n");
    EXPECT_FALSE(Holds(Codes(1), 145));
    const Json breaksVendor = Edit(1, 14, 20, "5");
    const std::vector<std::pair<const char*, Json>> broken = {
        {"no list of changes", Json::object()},
        {"a text that is a number", Json::array({breaksVendor, Edit(1, 0, 0, 5)})},
        {"no text", Json::array({breaksVendor, {{"range", breaksVendor["range"]}}})},
        {"a broken range", Json::array({breaksVendor, {{"range", {{"start", 1}}}, {"text", ""}}})},
        {"an end before the start", Json::array({breaksVendor, Edit(1, 9, 3, "")})},
    };
    int version = 1;
    for (const auto& [name, changes] : broken) {
        Change(++version, changes);
        std::vector<Json> shown = Shown();
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(version - 1)) << name;
        EXPECT_EQ(shown.back()["type"], 1) << name;
        EXPECT_NE(shown.back()["message"].get<std::string>().find("ignored a change"),
                  std::string::npos)
            << name;
    }
    Change(++version, Json::array({Edit(0, 0, 0, "")})); // changes nothing itself
    EXPECT_FALSE(Holds(Codes(version), 145));
}

TEST_F(Refusals, ChangesOfADocumentNotOpenAreShown) {
    Start("/nonexistent/settings.ini");
    Open("#TALVERON_DP\nBogus = 1\n");
    EXPECT_TRUE(Holds(Codes(1), 133));
    server_.HandleOne(Dump(Note("textDocument/didClose", {{"textDocument", {{"uri", kUri}}}})));
    Change(2, Json::array({Edit(1, 0, 0, "X")}));
    std::vector<Json> shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]["type"], 2);
    EXPECT_NE(shown[0]["message"].get<std::string>().find("not open"), std::string::npos);
}

// A client that applies edits of a version only gets the version of the text a fix was made
// for: an edit for a text that has changed since is refused by the client, never applied to
// other lines. Other clients get the plain edits.
TEST(QuickFixEdits, CarryTheDocumentVersionWhereTheClientChecksIt) {
    for (bool versioned : {false, true}) {
        Recorded out;
        Server server(out, out);
        Json capabilities = Json::object();
        if (versioned)
            capabilities = {{"workspace", {{"workspaceEdit", {{"documentChanges", true}}}}}};
        server.HandleOne(Dump(Call(1, "initialize", {{"capabilities", capabilities}})));
        server.HandleOne(Dump(Note(
            "textDocument/didOpen",
            {{"textDocument",
              {{"uri", kUri}, {"version", 7}, {"text", "#TALVERON_DP\nFreze_Mode_supp = 1\n"}}}})));
        Json published = out.WaitFor([](const Json& m) { return IsDiagnostics(m, 7); });
        Json finding;
        for (const Json& d : published["params"]["diagnostics"])
            if (d["code"] == 133)
                finding = d;
        ASSERT_FALSE(finding.is_null());
        server.HandleOne(Dump(Call(2, "textDocument/codeAction",
                                   {{"textDocument", {{"uri", kUri}}},
                                    {"range", finding["range"]},
                                    {"context", {{"diagnostics", Json::array({finding})}}}})));
        Json reply = out.WaitFor([](const Json& m) { return IsReply(m, 2); });
        Json edit;
        for (const Json& action : reply["result"])
            if (action["title"].get<std::string>().starts_with("Did you mean"))
                edit = action["edit"];
        ASSERT_FALSE(edit.is_null()) << reply.dump();
        if (versioned) {
            EXPECT_FALSE(edit.contains("changes"));
            EXPECT_EQ(edit["documentChanges"][0]["textDocument"]["uri"], kUri);
            EXPECT_EQ(edit["documentChanges"][0]["textDocument"]["version"], 7);
            EXPECT_EQ(edit["documentChanges"][0]["edits"][0]["newText"], "Freeze_Mode_supp");
        } else {
            EXPECT_FALSE(edit.contains("documentChanges"));
            EXPECT_EQ(edit["changes"][kUri][0]["newText"], "Freeze_Mode_supp");
        }
    }
}

} // namespace
} // namespace kvf::lsp
