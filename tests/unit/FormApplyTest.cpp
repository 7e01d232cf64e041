// Apply of the input view and the check of one entry, without a window: a document built
// from lines, the form the dispatcher fills for an entry, and a text that takes new lines.
#include "editing/FormApply.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"
#include "editing/EntryCheck.h"
#include "editing/EntryLineRewrite.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvf {
namespace {

// The text an entry's lines are rewritten in: lines in memory, as the editor would hold them.
class LinesInMemory : public EntryLineEditor {
  public:
    explicit LinesInMemory(std::string bytes) : lines(VectorTextLines::FromBytes(bytes)) {}

    bool ReplaceEntryLines(CDbEntry& entry) override {
        ++Calls;
        std::vector<std::string> all = lines.Lines();
        if (Refuse || entry.LongLine < 0 || entry.Line >= static_cast<int>(all.size()))
            return false;
        auto first = all.begin() + entry.LongLine, last = all.begin() + entry.Line + 1;
        auto rewritten = RewriteEntryLines(std::vector<std::string>(first, last),
                                           std::string(entry.Key), std::string(entry.Value),
                                           EqualsNoCase(entry.Key, "Module_Reference"));
        if (!rewritten)
            return false;
        first = all.erase(first, last);
        all.insert(first, rewritten->Lines.begin(), rewritten->Lines.end());
        lines = VectorTextLines(all);
        entry.Line = entry.LongLine + rewritten->LastLineOffset;
        return true;
    }

    VectorTextLines lines;
    bool Refuse = false;
    int Calls = 0;
};

// A document built from its lines, with the output rows of its runs.
struct Editing {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    LinesInMemory text;
    Document document{text.lines, "DEV01234.kvf", "/work/DEV01234.kvf"};
    EntryFocus shown;

    explicit Editing(const std::string& bytes) : text(bytes) { Rebuild(services, document); }

    // Selects the entry of a line as the tree does: its form is shown.
    CDbEntry& Select(int line) {
        CDbEntry* entry = nullptr;
        for (CDbEntry& candidate : document.Database)
            if (candidate.LongLine == line)
                entry = &candidate;
        EXPECT_NE(entry, nullptr) << line;
        shown.CurrentEntry = entry;
        RunContext run(services);
        Dispatch(run, shown, entry->Key, ACTION_SHOW, entry->Value);
        return *entry;
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> out;
        for (const OutputRow& row : rows.Rows())
            out.push_back(LevelText(row.Level) + "|" + LineText(row.Level, row.Line) + "|" +
                          std::string(row.Text));
        return out;
    }
};

const std::string kDevice = "#TALVERON_DP\n"
                            "Vendor_Name = \"ACME\"  ; the maker\n"
                            "Min_Slave_Intervall = 6\n"
                            "Model_Name = \"Box\"\n";

const std::vector<std::string> kCleanCheck = {"Info|---|Start Syntax-Check...",
                                              "Info|---|... check finished without errors.",
                                              "Info|---|Stop Syntax-Check..."};

TEST(FormApply, StoresRewritesTheLinesAndChecksTheEntry) {
    Editing edit(kDevice);
    CDbEntry& entry = edit.Select(1);
    InputFormData typed = edit.shown.InputForm;
    typed.Values[0] = "Widgets Inc.";
    ApplyOutcome outcome = ApplyForm(edit.services, edit.shown, edit.document, typed, edit.text);
    EXPECT_EQ(outcome.Result, ApplyOutcome::Status::Applied);
    EXPECT_EQ(outcome.MessageId, 0);
    EXPECT_EQ(edit.text.lines.Line(1), "Vendor_Name = \"Widgets Inc.\" ; the maker");
    EXPECT_EQ(edit.text.lines.Line(2), "Min_Slave_Intervall = 6");
    EXPECT_EQ(edit.shown.InputForm.Values[0], "Widgets Inc.");
    EXPECT_EQ(edit.shown.CurrentEntry, &entry);
    EXPECT_EQ(edit.Rows(), kCleanCheck);
}

TEST(FormApply, AValueTheCheckRefusesIsWrittenAndReported) {
    Editing edit(kDevice);
    edit.Select(2);
    InputFormData typed = edit.shown.InputForm;
    typed.Values[0] = "70000";
    EXPECT_EQ(ApplyForm(edit.services, edit.shown, edit.document, typed, edit.text).Result,
              ApplyOutcome::Status::Applied);
    EXPECT_EQ(edit.text.lines.Line(2), "Min_Slave_Intervall = 70000");
    std::vector<std::string> rows = edit.Rows();
    ASSERT_EQ(rows.size(), 3u) << ::testing::PrintToString(rows);
    EXPECT_EQ(rows.front(), kCleanCheck.front());
    EXPECT_EQ(rows[1].substr(0, 13), "Error|Line 3|");
    EXPECT_EQ(rows.back(), kCleanCheck.back());
}

// One entry of each kind of form, spaced as files have them and with values a field may
// show other than they are written (a choice that is no button's).
const std::string kSpacedForms = "#TALVERON_DP\n"
                                 "Vendor_Name = \"ACME\"   ; the maker\n"
                                 "Station_Type = 5\n"
                                 "Auto_Baud_supp = 2\n"
                                 "Module = \"8 DI\" 0x10,\\ ; inputs\n"
                                 "  0x20\n"
                                 "EndModule\n"
                                 "ExtUserPrmData = 1 \"Mode\"\n"
                                 "Bit(3) 1 0-1\n"
                                 "EndExtUserPrmData\n"
                                 "SlotDefinition\n"
                                 "Slot(1)=\"Head\" 1 1-2\n"
                                 "EndSlotDefinition\n";

// Apply with every field as the entry shows it writes nothing and still checks the entry.
TEST(FormApply, UnchangedFieldsWriteNothing) {
    for (int line : {1, 2, 3, 4, 6, 7, 8, 11}) {
        Editing edit(kSpacedForms);
        edit.Select(line);
        const InputFormData typed = edit.shown.InputForm;
        ApplyOutcome outcome =
            ApplyForm(edit.services, edit.shown, edit.document, typed, edit.text);
        EXPECT_EQ(outcome.Result, ApplyOutcome::Status::Unchanged) << line;
        EXPECT_EQ(edit.text.Calls, 0) << line;
        ASSERT_FALSE(edit.Rows().empty()) << line;
        EXPECT_EQ(edit.Rows().front(), kCleanCheck.front()) << line;
    }
}

struct SpacingCase {
    const char* name;
    int line;
    std::size_t field;
    const char* typed;
    std::vector<std::string> applied; // the entry's new lines
};

class FormApplySpacing : public ::testing::TestWithParam<SpacingCase> {};

// A changed field rewrites the entry's lines with the blanks its '=' had.
TEST_P(FormApplySpacing, KeepsTheLinesOwnSpacing) {
    const SpacingCase& c = GetParam();
    Editing edit(kSpacedForms);
    CDbEntry& entry = edit.Select(c.line);
    InputFormData typed = edit.shown.InputForm;
    typed.Values[c.field] = c.typed;
    EXPECT_EQ(ApplyForm(edit.services, edit.shown, edit.document, typed, edit.text).Result,
              ApplyOutcome::Status::Applied);
    std::vector<std::string> lines;
    for (int line = entry.LongLine; line <= entry.Line; ++line)
        lines.push_back(edit.text.lines.Line(line));
    EXPECT_EQ(lines, c.applied);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormApplySpacing,
    ::testing::Values(
        SpacingCase{"Commented", 1, 0, "Widgets", {"Vendor_Name = \"Widgets\" ; the maker"}},
        SpacingCase{"ChoiceOfNoButton", 2, 0, "1", {"Station_Type = 1"}},
        SpacingCase{"ModuleNameQuoted", 4, 0, "16 DO", {"Module = \"16 DO\" 0x10,  0x20 ; inputs"}},
        SpacingCase{"ContinuedModule",
                    4,
                    1,
                    "0x10,\r\n0x21",
                    {"Module = \"8 DI\" 0x10,\\ ; inputs", "0x21"}},
        SpacingCase{"UnspacedSlot", 11, 3, "Tail", {"Slot(1)=\"Tail\" 1 1-2"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    void (*prepare)(Editing&);
    ApplyOutcome::Status result;
    int messageId;
};

class FormApplyRefusal : public ::testing::TestWithParam<Refusal> {};

// A refused Apply leaves the text, the entry and the output as they were.
TEST_P(FormApplyRefusal, ChangesNothing) {
    Editing edit(kDevice);
    CDbEntry& entry = edit.Select(1);
    const std::string value = entry.Value;
    const auto parts = entry.m_Ready;
    GetParam().prepare(edit);
    const std::vector<std::string> before = edit.text.lines.Lines();
    InputFormData typed = edit.shown.InputForm;
    typed.Values[0] = "Other";
    ApplyOutcome outcome = ApplyForm(edit.services, edit.shown, edit.document, typed, edit.text);
    EXPECT_EQ(outcome.Result, GetParam().result);
    EXPECT_EQ(outcome.MessageId, GetParam().messageId);
    EXPECT_EQ(edit.text.lines.Lines(), before);
    EXPECT_EQ(entry.Value, value);
    EXPECT_EQ(entry.m_Ready, parts);
    EXPECT_TRUE(edit.Rows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormApplyRefusal,
    ::testing::Values(Refusal{"WriteProtected", [](Editing& e) { e.document.ReadOnly = true; },
                              ApplyOutcome::Status::WriteProtected, msg::FileWriteProtected},
                      Refusal{"NoEntry", [](Editing& e) { e.shown.CurrentEntry = nullptr; },
                              ApplyOutcome::Status::NoEntry, msg::NoDatabase},
                      Refusal{"EntryOfAnotherDatabase",
                              [](Editing& e) {
                                  static CDbEntry stray("Vendor_Name", "= \"x\"", 1, 1);
                                  e.shown.CurrentEntry = &stray;
                              },
                              ApplyOutcome::Status::NoEntry, msg::NoDatabase},
                      Refusal{"LineEditedSinceTheRebuild",
                              [](Editing& e) {
                                  std::vector<std::string> lines = e.text.lines.Lines();
                                  lines.insert(lines.begin() + 1, "; a new comment line");
                                  e.text.lines = VectorTextLines(lines);
                              },
                              ApplyOutcome::Status::DatabaseStale, msg::DatabaseNeedsUpdate},
                      Refusal{"TextShorterThanTheEntry",
                              [](Editing& e) {
                                  std::vector<std::string> lines = e.text.lines.Lines();
                                  lines.resize(1);
                                  lines.push_back("Vendor_Name = \"ACME\"");
                                  e.text.lines = VectorTextLines(lines);
                                  e.shown.CurrentEntry->Line = 4;
                              },
                              ApplyOutcome::Status::DatabaseStale, msg::DatabaseNeedsUpdate},
                      Refusal{"TextRefusesTheLines", [](Editing& e) { e.text.Refuse = true; },
                              ApplyOutcome::Status::TextRefused, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpellingCase {
    const char* name;
    const char* line;
    std::size_t field; // the field typed into
    const char* typed;
    const char* shown;  // values[quoted] before the Apply, as the line spells it
    const char* quoted; // which value is the quoted one, as a digit
    const char* applied;
};

class FormApplySpelling : public ::testing::TestWithParam<SpellingCase> {};

// A name or text between quotes shows as the line spells it, blanks at its ends included, and
// an Apply of another field writes it back so; one the user typed is written as typed.
TEST_P(FormApplySpelling, UntouchedQuotedFieldsKeepTheLinesSpelling) {
    const SpellingCase& c = GetParam();
    Editing edit(std::string("#TALVERON_DP\n") + c.line + "\nEndModule\n");
    CDbEntry& entry = edit.Select(1);
    SpellQuotedFieldsAsWritten(edit.services, edit.shown.InputForm, entry,
                               EntryLines(edit.text.lines, entry));
    const std::size_t quoted = static_cast<std::size_t>(c.quoted[0] - '0');
    EXPECT_EQ(edit.shown.InputForm.Values[quoted], c.shown);
    InputFormData typed = edit.shown.InputForm;
    typed.Values[c.field] = c.typed;
    EXPECT_EQ(ApplyForm(edit.services, edit.shown, edit.document, typed, edit.text).Result,
              ApplyOutcome::Status::Applied);
    EXPECT_EQ(edit.text.lines.Line(1), c.applied);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormApplySpelling,
    ::testing::Values(
        SpellingCase{"ModuleBytes", "Module = \"   Mod1\" 0x13", 1, "0x23", "   Mod1", "0",
                     "Module = \"   Mod1\" 0x23"},
        SpellingCase{"ModuleName", "Module = \"   Mod1\" 0x13", 0, "Mod2", "   Mod1", "0",
                     "Module = \"Mod2\" 0x13"},
        SpellingCase{"TrailingBlanks", "Module = \"Mod1  \" 0x13 ; c", 1, "0x23", "Mod1  ", "0",
                     "Module = \"Mod1  \" 0x23 ; c"},
        SpellingCase{"SlotName", "Slot(1) = \"  Head\" 1 1-2", 1, "2", "  Head", "3",
                     "Slot(1) = \"  Head\" 2 1-2"},
        SpellingCase{"ParameterName", "ExtUserPrmData = 1 \" Mode\"", 0, "2", " Mode", "1",
                     "ExtUserPrmData = 2 \" Mode\""},
        // A number that reads as the quoted text is no quoted field: it keeps no blanks.
        SpellingCase{"SlotNumberLikeItsName", "Slot(1) = \" 1 \" 1 1-2", 1, "2", " 1 ", "3",
                     "Slot(1) = \" 1 \" 2 1-2"}),
    [](const auto& info) { return std::string(info.param.name); });

// A line edited since the rebuild (its key gone) leaves the form as the entry shows it.
TEST(FormApply, SpellingLeavesAFormOfAStaleEntry) {
    Editing edit("#TALVERON_DP\nModule = \"   Mod1\" 0x13\nEndModule\n");
    CDbEntry& entry = edit.Select(1);
    const InputFormData shown = edit.shown.InputForm;
    SpellQuotedFieldsAsWritten(edit.services, edit.shown.InputForm, entry,
                               {"; Module = \"   Mod1\" 0x13"});
    EXPECT_EQ(edit.shown.InputForm.Values, shown.Values);
}

TEST(FormApply, AReadOnlyDocumentKeepsTheShownForm) {
    Editing edit(kDevice);
    edit.Select(1);
    edit.document.ReadOnly = true;
    InputFormData typed = edit.shown.InputForm;
    typed.Values[0] = "Other";
    ApplyForm(edit.services, edit.shown, edit.document, typed, edit.text);
    EXPECT_EQ(edit.shown.InputForm.Values[0], "ACME");
    EXPECT_EQ(edit.text.Calls, 0);
}

TEST(CheckOneEntry, FrameRowsAroundTheEntrysFindings) {
    Editing edit("#TALVERON_DP\nMin_Slave_Intervall = 6\nMax_Diag_Data_Len = 999\n");
    CheckOneEntry(edit.services, edit.shown, edit.document, edit.Select(1));
    EXPECT_EQ(edit.Rows(), kCleanCheck);
    // The output is cleared for each check; a finding leaves out the "finished" row.
    CDbEntry& faulty = edit.Select(2);
    edit.shown.CurrentEntry = nullptr;
    CheckOneEntry(edit.services, edit.shown, edit.document, faulty);
    EXPECT_EQ(edit.shown.CurrentEntry, &faulty);
    std::vector<std::string> rows = edit.Rows();
    ASSERT_EQ(rows.size(), 3u) << ::testing::PrintToString(rows);
    EXPECT_EQ(rows[1].substr(0, 13), "Error|Line 3|");
}

TEST(CheckOneEntry, FindsTheSameEntryAfterARebuild) {
    Editing edit(kDevice);
    EXPECT_EQ(FindEntry(edit.document.Database, 2, "Min_Slave_Intervall"), &edit.Select(2));
    EXPECT_EQ(FindEntry(edit.document.Database, 2, "Vendor_Name"), nullptr);
    EXPECT_EQ(FindEntry(edit.document.Database, 1, "vendor_name"), nullptr);
}

} // namespace
} // namespace kvf
