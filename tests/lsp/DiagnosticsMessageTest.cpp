// The findings' message is written straight into text; its bytes are exactly those of the same
// message built as a tree of the JSON library's values and dumped, for any text and any URI.

#include "lsp/DiagnosticsMessage.h"

#include "core/MessageSink.h"
#include "core/SettingsStore.h"
#include "lsp/ClientText.h"
#include "lsp/Protocol.h"

#include <gtest/gtest.h>

namespace kvf::lsp {
namespace {

// The message as the server built it before, value by value.
std::string AsTree(const std::string& uri, std::optional<int> version,
                   const std::vector<language::Diagnostic>& found) {
    Json diagnostics = Json::array();
    for (const language::Diagnostic& d : found)
        diagnostics.push_back({{"range", ToJson(d.Range)},
                               {"severity", d.Level == LEVEL_WARNING ? 2 : 1},
                               {"code", d.Id},
                               {"source", "kvfcheck"},
                               {"message", ToClientText(d.Text)}});
    Json params{{"uri", uri}, {"diagnostics", std::move(diagnostics)}};
    if (version)
        params["version"] = *version;
    return Dump(Json{{"jsonrpc", "2.0"},
                     {"method", "textDocument/publishDiagnostics"},
                     {"params", std::move(params)}});
}

language::Diagnostic Finding(std::string text, int level = LEVEL_ERROR, int id = 145) {
    language::Diagnostic d;
    d.Level = level;
    d.Id = id;
    d.RowLine = 3;
    d.Range = {{3, 14}, {3, 120000}};
    d.Text = std::move(text);
    return d;
}

TEST(DiagnosticsMessage, SameBytesAsTheTreeOfValues) {
    std::string everyByte;
    for (int c = 1; c < 256; ++c)
        everyByte += static_cast<char>(c);
    const std::vector<language::Diagnostic> findings = {
        Finding("Key \"Vendor_Name\": Value exceeds limit (UCHAR: 0..255)!"),
        Finding("", LEVEL_WARNING, 133),
        Finding("back\\slash \"quoted\" /slash/ \t\r\n\b\f\x01\x1f\x7f"),
        Finding("M\xfcller \x80 \x81 \x8d \x9d \xff"),
        Finding(everyByte, LEVEL_FATAL, 64411),
        Finding(std::string(std::size_t{100000}, 'x'), LEVEL_WARNING, 136),
    };
    const std::vector<std::string> uris = {
        "file:///tmp/ACME1234.kvf",
        "file:///tmp/a%20b/\"quoted\"\\back.kvf",
        "file:///tmp/M\xc3\xbcller/\xe2\x82\xac/\xf0\x9f\x98\x80.kvf",
        std::string("file:///tmp/control\x01\x1f\x7f.kvf"),
        "file:///tmp/broken\xc3(\xff\xfe.kvf",
        "",
    };
    for (const std::string& uri : uris) {
        for (std::optional<int> version :
             {std::optional<int>(7), std::optional<int>(), std::optional<int>(-2147483647 - 1)}) {
            EXPECT_EQ(DiagnosticsMessage(uri, version, findings), AsTree(uri, version, findings))
                << uri;
            EXPECT_EQ(DiagnosticsMessage(uri, version, {}), AsTree(uri, version, {})) << uri;
        }
    }
}

// A finding that names a line of another document: its place as relatedInformation, after
// the document's own findings, and the same bytes as the tree of values gives.
TEST(DiagnosticsMessage, RelatedPlacesAsTheTreeOfValues) {
    const std::vector<language::Diagnostic> own = {Finding("own")};
    std::vector<RelatedDiagnostic> related;
    related.push_back({Finding("Value of key \"X\" is '2' here", LEVEL_ERROR, 65410),
                       "file:///tmp/DEV.KVD", 27, "DEV.KVD"});
    related.push_back({Finding("M\xfcller", LEVEL_WARNING, 65411), "file:///tmp/a%20b/\"q\".kvd", 0,
                       "M\xc3\xbcller \"q\".kvd"});

    Json tree = Json::parse(AsTree("file:///tmp/DEV.KVG", 3, own));
    for (const RelatedDiagnostic& r : related) {
        Json diagnostic =
            Json::parse(AsTree("", std::nullopt, {r.Finding}))["params"]["diagnostics"][0];
        const language::TextRange at{{r.Line, 0}, {r.Line, 0}};
        diagnostic["relatedInformation"] = Json::array(
            {{{"location", {{"uri", r.Uri}, {"range", ToJson(at)}}}, {"message", r.Message}}});
        tree["params"]["diagnostics"].push_back(diagnostic);
    }
    EXPECT_EQ(DiagnosticsMessage("file:///tmp/DEV.KVG", 3, own, related), Dump(tree));
    // Without related findings the message is the one of the findings alone.
    EXPECT_EQ(DiagnosticsMessage("file:///tmp/DEV.KVG", 3, own, {}),
              DiagnosticsMessage("file:///tmp/DEV.KVG", 3, own));
}

TEST(PathUri, EncodesWhatAUriCannotHoldAndReadsBack) {
    struct Case {
        std::string path;
        std::string uri;
    };
    for (const Case& c : std::vector<Case>{
             {"/tmp/DEV.KVD", "file:///tmp/DEV.KVD"},
             {"/tmp/a b/#1%.kvd", "file:///tmp/a%20b/%231%25.kvd"},
             {"/tmp/M\xc3\xbcller/x~_-.kvg", "file:///tmp/M%C3%BCller/x~_-.kvg"},
         }) {
        EXPECT_EQ(PathUri(c.path), c.uri);
        EXPECT_EQ(UriPath(PathUri(c.path)), c.path);
    }
}

} // namespace
} // namespace kvf::lsp
