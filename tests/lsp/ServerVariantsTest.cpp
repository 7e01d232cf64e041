// The server's comparison of a document with its language variants: off unless the client
// asks, then one diagnostic per difference that points at the sibling's line.

#include "ServerHarness.h"

#include "core/MessageIds.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kvf::lsp {
namespace {

using namespace test;
namespace fs = std::filesystem;

// The reference on disk; lines 0-based.
const char* const kReference = "#TALVERON_DP\n"             // 0
                               "Vendor_Name = \"Vendor\"\n" // 1
                               "Min_Slave_Intervall = 1\n"  // 2
                               "MaxTsdr_9.6 = 60\n"         // 3
                               "Station_Type = 0\n";        // 4

// The document opened: a comment more, a text changed (no difference), a value changed, a
// key missing.
const char* const kDocument = "#TALVERON_DP\n"                 // 0
                              "; Deutsch\n"                    // 1
                              "Vendor_Name = \"Hersteller\"\n" // 2
                              "Min_Slave_Intervall = 2\n"      // 3
                              "Station_Type = 0\n";            // 4

bool IsVariantId(int id) {
    return id >= msg::VariantValueDiffers && id <= msg::VariantBlockExtra;
}

struct Seen {
    int Code;
    int Line;
    std::string RelatedUri; // empty: no related information
    int RelatedLine;
};

std::vector<Seen> VariantDiagnostics(const Json& message) {
    std::vector<Seen> seen;
    for (const Json& d : message["params"]["diagnostics"]) {
        if (!IsVariantId(d["code"].get<int>())) {
            EXPECT_FALSE(d.contains("relatedInformation")) << d.dump();
            continue;
        }
        Seen s{d["code"].get<int>(), d["range"]["start"]["line"].get<int>(), "", -1};
        if (d.contains("relatedInformation")) {
            const Json& related = d["relatedInformation"];
            EXPECT_EQ(related.size(), 1u);
            s.RelatedUri = related[0]["location"]["uri"].get<std::string>();
            s.RelatedLine = related[0]["location"]["range"]["start"]["line"].get<int>();
            EXPECT_FALSE(related[0]["message"].get<std::string>().empty());
        }
        seen.push_back(s);
    }
    return seen;
}

bool operator==(const Seen& a, const Seen& b) {
    return a.Code == b.Code && a.Line == b.Line && a.RelatedUri == b.RelatedUri &&
           a.RelatedLine == b.RelatedLine;
}

void PrintTo(const Seen& s, std::ostream* out) {
    *out << s.Code << "@" << s.Line << "->" << s.RelatedUri << ":" << s.RelatedLine;
}

class ServerVariantsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kvf-lsp-variants-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::ofstream(dir_ / "DEV.KVD", std::ios::binary) << kReference;
        referenceUri_ = "file://" + (dir_ / "DEV.KVD").string();
        documentUri_ = "file://" + (dir_ / "DEV.KVG").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Start(std::optional<bool> compareVariants,
               const std::string& settingsFile = "/nonexistent.ini") {
        Json options{{"settingsFile", settingsFile}};
        if (compareVariants)
            options["compareVariants"] = *compareVariants;
        server_.HandleOne(Dump(Call(
            1, "initialize",
            {{"capabilities", Json::object()}, {"initializationOptions", std::move(options)}})));
        server_.HandleOne(Dump(Note("initialized", Json::object())));
    }
    void Open(const std::string& uri, const std::string& text, int version = 1) {
        server_.HandleOne(Dump(
            Note("textDocument/didOpen",
                 {{"textDocument",
                   {{"uri", uri}, {"languageId", "kvf"}, {"version", version}, {"text", text}}}})));
    }
    void Configure(Json settings) {
        server_.HandleOne(
            Dump(Note("workspace/didChangeConfiguration", {{"settings", std::move(settings)}})));
    }
    // The first diagnostics of `uri` that satisfy `also`.
    template <typename Predicate> Json Diagnostics(const std::string& uri, Predicate also) {
        return out_.WaitFor([&](const Json& m) {
            return m.value("method", "") == "textDocument/publishDiagnostics" &&
                   m["params"]["uri"] == uri && also(m);
        });
    }
    Json Diagnostics(const std::string& uri) {
        return Diagnostics(uri, [](const Json&) { return true; });
    }
    // The first diagnostics of `uri` among the messages sent after the first `after` ones.
    Json NextDiagnostics(const std::string& uri, std::size_t after) {
        const auto deadline = std::chrono::steady_clock::now() + kHangs;
        while (std::chrono::steady_clock::now() < deadline) {
            std::vector<Json> all = out_.Messages();
            for (std::size_t i = after; i < all.size(); ++i)
                if (all[i].value("method", "") == "textDocument/publishDiagnostics" &&
                    all[i]["params"]["uri"] == uri)
                    return all[i];
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ADD_FAILURE() << "no diagnostics of " << uri;
        return Json();
    }
    std::vector<Seen> Expected(const std::string& relatedUri) const {
        return {{msg::VariantValueDiffers, 3, relatedUri, 2},
                {msg::VariantKeyMissing, 4, relatedUri, 3}};
    }

    fs::path dir_;
    std::string referenceUri_;
    std::string documentUri_;
    Recorded out_;
    Server server_{out_, out_};
};

bool HasVariantFindings(const Json& m) {
    for (const Json& d : m["params"]["diagnostics"])
        if (IsVariantId(d["code"].get<int>()))
            return true;
    return false;
}

TEST_F(ServerVariantsTest, OffByDefaultNothingChanges) {
    for (std::optional<bool> setting : {std::optional<bool>(), std::optional<bool>(false)}) {
        SCOPED_TRACE(setting ? "false" : "not given");
        Recorded out;
        Server server(out, out);
        Json options{{"settingsFile", "/nonexistent.ini"}};
        if (setting)
            options["compareVariants"] = *setting;
        server.HandleOne(Dump(Call(
            1, "initialize",
            {{"capabilities", Json::object()}, {"initializationOptions", std::move(options)}})));
        server.HandleOne(Dump(Note("textDocument/didOpen", {{"textDocument",
                                                             {{"uri", documentUri_},
                                                              {"languageId", "kvf"},
                                                              {"version", 1},
                                                              {"text", kDocument}}}})));
        Json off = out.WaitFor([](const Json& m) { return IsDiagnostics(m, 1); });
        EXPECT_TRUE(VariantDiagnostics(off).empty()) << off.dump();

        // The same document with no sibling at all gives the same message.
        fs::remove(dir_ / "DEV.KVD");
        Recorded alone;
        Server lonely(alone, alone);
        lonely.HandleOne(
            Dump(Call(1, "initialize",
                      {{"capabilities", Json::object()},
                       {"initializationOptions", {{"settingsFile", "/nonexistent.ini"}}}})));
        lonely.HandleOne(Dump(Note("textDocument/didOpen", {{"textDocument",
                                                             {{"uri", documentUri_},
                                                              {"languageId", "kvf"},
                                                              {"version", 1},
                                                              {"text", kDocument}}}})));
        EXPECT_EQ(alone.WaitFor([](const Json& m) { return IsDiagnostics(m, 1); }), off);
        std::ofstream(dir_ / "DEV.KVD", std::ios::binary) << kReference;
    }
}

TEST_F(ServerVariantsTest, OnGivesOneDiagnosticPerDifferenceWithTheSiblingsLine) {
    Start(true);
    Open(documentUri_, kDocument);
    Json on = Diagnostics(documentUri_);
    EXPECT_EQ(VariantDiagnostics(on), Expected(referenceUri_)) << on.dump();
    // The document's own findings are still there, first, as without the setting.
    ASSERT_FALSE(on["params"]["diagnostics"].empty());
    EXPECT_FALSE(IsVariantId(on["params"]["diagnostics"][0]["code"].get<int>()));
}

// The differences are findings like any other: the settings' selection and the document's
// suppression comments leave them out.
TEST_F(ServerVariantsTest, SelectionAndSuppressionCommentsApply) {
    const std::string settings = (dir_ / "settings.ini").string();
    std::ofstream(settings) << "[Checks]\nDisable=" << msg::VariantKeyMissing << "\n";
    Start(true, settings);
    std::string silenced = kDocument;
    silenced.insert(silenced.find("Min_Slave"),
                    "; kvf-disable-next-line " + std::to_string(msg::VariantValueDiffers) + "\n");
    Open(documentUri_, silenced);
    Json found = Diagnostics(documentUri_);
    EXPECT_TRUE(VariantDiagnostics(found).empty()) << found.dump();

    Open(documentUri_, kDocument, 2);
    Json unsilenced = Diagnostics(documentUri_, [](const Json& m) { return IsDiagnostics(m, 2); });
    EXPECT_EQ(VariantDiagnostics(unsilenced),
              (std::vector<Seen>{{msg::VariantValueDiffers, 3, referenceUri_, 2}}))
        << unsilenced.dump();
}

TEST_F(ServerVariantsTest, ConfigurationTurnsItOnAndOffForOpenDocuments) {
    Start(std::nullopt);
    Open(documentUri_, kDocument);
    Json before = Diagnostics(documentUri_);
    EXPECT_TRUE(VariantDiagnostics(before).empty());

    // Settings of another section leave it as it is.
    Configure({{"other", {{"compareVariants", true}}}});
    Configure({{"kvf", {{"compareVariants", true}}}});
    Json on = Diagnostics(documentUri_, HasVariantFindings);
    EXPECT_EQ(VariantDiagnostics(on), Expected(referenceUri_)) << on.dump();
    EXPECT_EQ(on["params"]["version"], 1);

    const std::size_t count = out_.Messages().size();
    Configure({{"compareVariants", false}});
    Json off = NextDiagnostics(documentUri_, count);
    EXPECT_FALSE(HasVariantFindings(off)) << off.dump();
    EXPECT_EQ(off["params"]["diagnostics"], before["params"]["diagnostics"]);
}

TEST_F(ServerVariantsTest, AnOpenSiblingCountsWithItsOpenText) {
    Start(true);
    Open(documentUri_, kDocument);
    EXPECT_EQ(VariantDiagnostics(Diagnostics(documentUri_)), Expected(referenceUri_));
    std::size_t count = out_.Messages().size();
    // The reference as the client holds it: Min_Slave_Intervall agrees now, and
    // MaxTsdr_9.6 is gone too.
    Open(referenceUri_, "#TALVERON_DP\nVendor_Name = \"Vendor\"\nMin_Slave_Intervall = 2\n"
                        "Station_Type = 0\n");
    // The document is checked again for the sibling's text.
    Json after = NextDiagnostics(documentUri_, count);
    EXPECT_TRUE(VariantDiagnostics(after).empty()) << after.dump();
    // And the sibling is compared with the document's open text, which agrees.
    Json sibling = Diagnostics(referenceUri_);
    EXPECT_TRUE(VariantDiagnostics(sibling).empty()) << sibling.dump();
    count = out_.Messages().size();

    // An edit of the sibling shows in the document's diagnostics.
    server_.HandleOne(Dump(
        Note("textDocument/didChange", {{"textDocument", {{"uri", referenceUri_}, {"version", 2}}},
                                        {"contentChanges",
                                         {{{"range",
                                            {{"start", {{"line", 2}, {"character", 22}}},
                                             {"end", {{"line", 2}, {"character", 23}}}}},
                                           {"text", "3"}}}}})));
    Json edited = NextDiagnostics(documentUri_, count);
    EXPECT_EQ(VariantDiagnostics(edited),
              (std::vector<Seen>{{msg::VariantValueDiffers, 3, referenceUri_, 2}}))
        << edited.dump();
}

} // namespace
} // namespace kvf::lsp
