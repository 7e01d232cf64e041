#include "language/QuickFixes.h"
#include "catalogue/UserKeys.h"
#include "core/MessageSink.h"
#include "language/Diagnostics.h"
#include "language/TextEdits.h"

#include <gtest/gtest.h>

#include <string>

namespace kvf::language {
namespace {

// A slave that checks without findings; each case breaks it in one place.
const std::string kClean = "#TALVERON_DP\n"
                           "KVF_Revision = 1\n"
                           "Vendor_Name = \"ACME\"\n"
                           "Model_Name = \"Box\"\n"
                           "Revision = \"V1.0\"\n"
                           "Ident_Number = 0x1234\n"
                           "Protocol_Ident = 0\n"
                           "Station_Type = 0\n"
                           "Hardware_Release = \"HW1\"\n"
                           "Software_Release = \"SW1\"\n"
                           "9.6_supp = 1\n"
                           "MaxTsdr_9.6 = 60\n"
                           "Min_Slave_Intervall = 6\n"
                           "Max_Diag_Data_Len = 6\n"
                           "Slave_Family = 3\n"
                           "Module = \"Mod1\" 0x13\n"
                           "EndModule\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string Crlf(const std::string& text) {
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
}

struct FixCase {
    const char* name;
    std::string text;
    int id;            // the finding to fix
    const char* title; // the start of the fix's title
    const char* fixed; // a line the fixed text holds; empty: none asked
};

class QuickFixes : public ::testing::TestWithParam<FixCase> {};

int Count(const CheckOutcome& outcome, int id) {
    int n = 0;
    for (const Diagnostic& d : outcome.Diagnostics)
        n += d.Id == id;
    return n;
}

// The fix makes the finding go away, and only that: no new Error.
TEST_P(QuickFixes, FindingIsGoneAfterTheFix) {
    const FixCase& c = GetParam();
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    Snapshot snapshot{c.text, "ACME1234.kvf", ""};
    CheckOutcome before = CheckSnapshot(snapshot, check);
    const Diagnostic* finding = nullptr;
    for (const Diagnostic& d : before.Diagnostics)
        if (d.Id == c.id)
            finding = &d;
    ASSERT_NE(finding, nullptr) << c.name;

    std::vector<QuickFix> fixes = FixesFor(snapshot, check, *finding);
    const QuickFix* fix = nullptr;
    for (const QuickFix& f : fixes)
        if (f.Title.rfind(c.title, 0) == 0)
            fix = &f;
    ASSERT_NE(fix, nullptr) << c.name << ": no fix \"" << c.title << "\" among " << fixes.size();
    if (!fix->UserKey.empty()) {
        settings.SetString(std::string(kUserKeysSection), fix->UserKey, fix->UserKeySetting);
        settings.SetString(std::string(kUserKeysSection), std::string(kUserKeysSummary),
                           fix->UserKey + ",");
    }
    snapshot.Text = ApplyEdits(snapshot.Text, fix->Edits);
    if (*c.fixed) {
        EXPECT_NE(snapshot.Text.find(c.fixed), std::string::npos) << snapshot.Text;
    }
    CheckOutcome after = CheckSnapshot(snapshot, check);
    EXPECT_EQ(Count(after, c.id), Count(before, c.id) - 1) << c.name << "\n" << snapshot.Text;
    int errorsBefore = 0;
    int errorsAfter = 0;
    for (const Diagnostic& d : before.Diagnostics)
        errorsBefore += d.Level != LEVEL_WARNING && d.Id != c.id;
    for (const Diagnostic& d : after.Diagnostics)
        errorsAfter += d.Level != LEVEL_WARNING;
    EXPECT_LE(errorsAfter, errorsBefore) << c.name << "\n" << snapshot.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Fixes, QuickFixes,
    ::testing::Values(
        FixCase{"did you mean", kClean + "Freze_Mode_supp = 1\n", 133,
                "Did you mean Freeze_Mode_supp", "\nFreeze_Mode_supp = 1\n"},
        FixCase{"register a string key", kClean + "My_Key = \"X\"\n", 133, "Register My_Key", ""},
        FixCase{"register a number key", kClean + "My_Count = 7\n", 133, "Register My_Count", ""},
        FixCase{"missing end of a block", Replaced(kClean, "EndModule\n", ""), 64411,
                "Insert EndModule", "0x13\nEndModule\n"},
        FixCase{"missing mandatory string", Replaced(kClean, "Model_Name = \"Box\"\n", ""), 64400,
                "Insert Model_Name", "Model_Name = \"\""},
        FixCase{"missing mandatory number", Replaced(kClean, "Station_Type = 0\n", ""), 64400,
                "Insert Station_Type", "Station_Type = 0"},
        FixCase{"nearest allowed value",
                Replaced(kClean, "Max_Diag_Data_Len = 6", "Max_Diag_Data_Len = 3"), 130,
                "Replace with the nearest allowed value 6", "Max_Diag_Data_Len = 6"},
        FixCase{"suppression at the end of the line", kClean + "Bogus = 1\n", 133, "Silence 133",
                "Bogus = 1 ; kvf-disable-line 133"},
        FixCase{"suppression above a line with a comment", kClean + "Bogus = 1 ; mine\n", 133,
                "Silence 133", "; kvf-disable-next-line 133\nBogus = 1 ; mine"},
        FixCase{"an inserted line in a CRLF file ends in CRLF",
                Replaced(Crlf(kClean), "EndModule\r\n", ""), 64411, "Insert EndModule",
                "0x13\r\nEndModule\r\n"},
        FixCase{"an inserted line after a last line without its line break",
                Replaced(kClean, "\nEndModule\n", ""), 64411, "Insert EndModule",
                "0x13\nEndModule"},
        FixCase{"suppression in a CRLF file",
                Replaced(kClean, "Vendor_Name = \"ACME\"\n", "Vendor_Name = 5 ; x\r\n"), 145,
                "Silence 145", "; kvf-disable-next-line 145\nVendor_Name"}));

// An unknown key is offered for registration only when the checker takes it for a keyword:
// any other would break the settings file's list of keys.
TEST(QuickFixes, RegistrationOnlyOfKeysTheCheckerTakesForKeywords) {
    struct Offer {
        const char* line;
        bool offered;
    };
    for (const Offer& offer :
         {Offer{"[General] = 1", false}, Offer{"A,B_Key = 1", false}, Offer{"X\"Y = 1", false},
          Offer{"A/B = 1", false}, Offer{"My_Key = 1", true}, Offer{"Max-Len.2 = \"x\"", true}}) {
        MemorySettingsStore settings;
        CheckSettings check;
        check.Settings = &settings;
        Snapshot snapshot{kClean + offer.line + "\n", "ACME1234.kvf", ""};
        const int line = 17;
        bool unknown = false;
        bool offered = false;
        for (const Diagnostic& d : CheckSnapshot(snapshot, check).Diagnostics) {
            if (d.Id != 133 || d.RowLine != line)
                continue;
            unknown = true;
            for (const QuickFix& fix : FixesFor(snapshot, check, d))
                offered = offered || !fix.UserKey.empty();
        }
        EXPECT_TRUE(unknown) << offer.line;
        EXPECT_EQ(offered, offer.offered) << offer.line;
    }
}

TEST(ClosestKeyword, OnlyWithinAFewSlips) {
    EXPECT_EQ(ClosestKeyword("vendor_nme"), "Vendor_Name");
    EXPECT_EQ(ClosestKeyword("Station_Typ"), "Station_Type");
    EXPECT_EQ(ClosestKeyword("Completely_Different_Thing"), "");
}

// Of keywords equally close to a misspelt one, the one the catalogue lists first is named.
TEST(ClosestKeyword, OfEquallyCloseOnesTheFirstListed) {
    EXPECT_EQ(ClosestKeyword("TDP_MAN"), "TDP_MIN");   // or TDP_MAX, listed after it
    EXPECT_EQ(ClosestKeyword("TBASE_DO"), "TBASE_DP"); // or TBASE_IO, listed after it
}

TEST(ApplyEdits, LastFirstSoPositionsHold) {
    std::string text = "A = 1\nB = 2\n";
    std::vector<TextEdit> edits{{{{0, 4}, {0, 5}}, "10"}, {{{1, 0}, {1, 1}}, "Bee"}};
    EXPECT_EQ(ApplyEdits(text, edits), "A = 10\nBee = 2\n");
}

} // namespace
} // namespace kvf::language
