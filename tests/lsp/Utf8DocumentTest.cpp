// A file saved as UTF-8 with a byte order mark, as a client sends it: decoded, the mark
// hidden (most clients) or kept as U+FEFF in front of the text. Every position the server
// reads or sends counts UTF-16 code units of that text, on lines with characters of several
// bytes and on the first line behind a kept mark.
#include "ServerHarness.h"

#include <string>
#include <vector>

namespace kvf::lsp {
namespace {

using namespace test;

const char* const kUri = "file:///tmp/dev.kvf";

// Lines 1 to 5 hold characters of two and three bytes in UTF-8 (one code unit each).
const std::string kBody = "#TALVERON_DP\n"
                          "Vendor_Name = \"Gr\u00fc\u00dfe \u20ac\" ; K\u00f6ln\n"
                          "; \u00c4 \u00d6 \u2192 \u00fc\n"
                          "Modl_Name = \"\u00d6l\" ; Gr\u00f6\u00dfe\n"
                          "KVF_Revision = 1x ; \u00e4\n"
                          "Model_Name = \"M\u00f6bel \u20ac\u20ac\u20ac\u20ac \u00c4\u00d6\u00dc "
                          "\u00e4\u00f6\u00fc \u00df \u00c4\u00d6\u00dc\u00e4\u00f6\u00fc\u00df\"\n"
                          "Station_Type = 0 ; Gr\u00f6\u00dfe \u20ac\n";

Json Position(int line, int character) {
    return {{"line", line}, {"character", character}};
}

Json Range(int line, int from, int to) {
    return {{"start", Position(line, from)}, {"end", Position(line, to)}};
}

class Utf8DocumentTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        server_.HandleOne(
            Dump(Call(1, "initialize",
                      {{"capabilities", Json::object()},
                       {"initializationOptions", {{"settingsFile", "/nonexistent.ini"}}}})));
        server_.HandleOne(Dump(Note("initialized", Json::object())));
        const std::string text = (MarkKept() ? "\xEF\xBB\xBF" : "") + kBody;
        server_.HandleOne(
            Dump(Note("textDocument/didOpen",
                      {{"textDocument",
                        {{"uri", kUri}, {"languageId", "kvf"}, {"version", 1}, {"text", text}}}})));
        diagnostics_ = out_.WaitFor(
            [](const Json& m) { return IsDiagnostics(m, 1); })["params"]["diagnostics"];
    }
    bool MarkKept() const { return GetParam(); }

    // The published diagnostic of `code` on `line`; null when there is none.
    Json Finding(int code, int line) const {
        for (const Json& d : diagnostics_)
            if (d["code"] == code && d["range"]["start"]["line"] == line)
                return d;
        return nullptr;
    }

    Json Request(const std::string& method, Json params) {
        const int id = ++lastId_;
        server_.HandleOne(Dump(Call(id, method, std::move(params))));
        return out_.WaitFor([id](const Json& m) { return IsReply(m, id); })["result"];
    }

    // The edits of the quick fixes of a finding, by the start of their titles.
    Json FixEdits(const Json& finding, const std::string& titleStart) {
        Json actions = Request("textDocument/codeAction",
                               {{"textDocument", {{"uri", kUri}}},
                                {"range", finding["range"]},
                                {"context", {{"diagnostics", Json::array({finding})}}}});
        for (const Json& action : actions)
            if (action["title"].get<std::string>().starts_with(titleStart))
                return action["edit"]["changes"][kUri];
        ADD_FAILURE() << "no fix \"" << titleStart << "\" in " << actions.dump();
        return nullptr;
    }

    Recorded out_;
    Server server_{out_, out_};
    Json diagnostics_;
    int lastId_ = 1;
};

// The findings stand on the characters they are about.
TEST_P(Utf8DocumentTest, DiagnosticRangesCountCodeUnits) {
    struct Expected {
        int Code;
        Json Range;
    };
    const std::vector<Expected> table = {
        {147, Range(1, 14, 23)}, // "Grüße €": three characters counted
        {133, Range(3, 0, 9)},   // Modl_Name, an unknown key
        {134, Range(4, 15, 17)}, // 1x, no number
        {147, Range(5, 13, 43)}, // the Model_Name: nineteen counted
    };
    for (const Expected& row : table) {
        Json found = Finding(row.Code, row.Range["start"]["line"]);
        ASSERT_FALSE(found.is_null()) << row.Code << " in " << diagnostics_.dump();
        EXPECT_EQ(found["range"], row.Range) << found.dump();
    }
    // The message quotes the text as the client holds it.
    EXPECT_NE(Finding(147, 1)["message"].get<std::string>().find("Vendor_Name"), std::string::npos);
}

// The identification line behind the mark is found: the fix for a missing keyword goes
// after it, never in front of the mark.
TEST_P(Utf8DocumentTest, MissingKeywordGoesAfterTheIdentificationLine) {
    Json missing;
    for (const Json& d : diagnostics_)
        if (d["message"].get<std::string>().find("\"Revision\" is mandatory") != std::string::npos)
            missing = d;
    ASSERT_FALSE(missing.is_null()) << diagnostics_.dump();
    Json edits = FixEdits(missing, "Insert Revision");
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0]["range"], Range(1, 0, 0));
    EXPECT_EQ(edits[0]["newText"].get<std::string>().rfind("Revision = ", 0), 0u);
}

TEST_P(Utf8DocumentTest, QuickFixEditsCountCodeUnits) {
    Json misspelt = FixEdits(Finding(133, 3), "Did you mean");
    ASSERT_EQ(misspelt.size(), 1u);
    EXPECT_EQ(misspelt[0]["range"], Range(3, 0, 9));
    EXPECT_EQ(misspelt[0]["newText"], "Model_Name");
    // The comment that silences a finding goes at the end of the line, after every character.
    Json silenced = FixEdits(Finding(147, 5), "Silence 147");
    ASSERT_EQ(silenced.size(), 1u);
    EXPECT_EQ(silenced[0]["range"], Range(5, 43, 43));
}

TEST_P(Utf8DocumentTest, HoverAndCompletionCountCodeUnits) {
    Json hover = Request("textDocument/hover",
                         {{"textDocument", {{"uri", kUri}}}, {"position", Position(1, 5)}});
    ASSERT_TRUE(hover.is_object());
    EXPECT_EQ(hover["range"], Range(1, 0, 11));
    // On the value of a line with characters of several bytes after it.
    Json items = Request("textDocument/completion",
                         {{"textDocument", {{"uri", kUri}}}, {"position", Position(6, 16)}});
    ASSERT_FALSE(items.empty());
    for (const Json& item : items)
        EXPECT_EQ(item["textEdit"]["range"], Range(6, 15, 16)) << item.dump();
}

// An edit behind the characters of several bytes lands where the client made it.
TEST_P(Utf8DocumentTest, EditsCountCodeUnits) {
    // "1x" becomes "1" on line 4; "Modl" becomes "Model" on line 3.
    server_.HandleOne(
        Dump(Note("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", 2}}},
                                             {"contentChanges",
                                              {{{"range", Range(4, 16, 17)}, {"text", ""}},
                                               {{"range", Range(3, 3, 3)}, {"text", "e"}}}}})));
    Json after =
        out_.WaitFor([](const Json& m) { return IsDiagnostics(m, 2); })["params"]["diagnostics"];
    for (const Json& d : after) {
        EXPECT_NE(d["code"], 134) << d.dump();
        EXPECT_NE(d["code"], 133) << d.dump();
    }
}

INSTANTIATE_TEST_SUITE_P(Mark, Utf8DocumentTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Kept" : "Hidden"; });

} // namespace
} // namespace kvf::lsp
