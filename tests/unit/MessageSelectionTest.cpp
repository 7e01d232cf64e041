#include "core/MessageSelection.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"
#include "core/SettingsStore.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

TEST(MessageSelection, ReadsIdListsFromTheChecksSection) {
    struct Case {
        const char* disable;
        const char* enableOnly;
        std::vector<int> selected; // of 133, 134, 147
        std::vector<std::string> unknown;
    };
    const std::vector<Case> cases = {
        {"", "", {133, 134, 147}, {}},
        {"134", "", {133, 147}, {}},
        {" 134 ,147,, ", "", {133}, {}},
        {"", "147, 133", {133, 147}, {}},
        {"133", "133,147", {147}, {}},
        {"x,99999,134", "", {133, 147}, {"x", "99999"}},
        {"", "4711", {133, 134, 147}, {"4711"}}, // nothing known to enable: no selection
        {"134 7", "", {133, 134, 147}, {"134 7"}},
    };
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        settings.SetString("Checks", "Disable", c.disable);
        settings.SetString("Checks", "EnableOnly", c.enableOnly);
        std::vector<std::string> unknown;
        MessageSelection selection = ReadMessageSelection(settings, unknown);
        std::vector<int> selected;
        for (int id : {133, 134, 147})
            if (selection.IsSelected(id))
                selected.push_back(id);
        EXPECT_EQ(selected, c.selected) << c.disable << " / " << c.enableOnly;
        EXPECT_EQ(unknown, c.unknown) << c.disable << " / " << c.enableOnly;
    }
}

// Line 2 reports Error 134, line 3 Warning 133 (with the semantic check skipped).
std::vector<int> CheckedIds(const MessageSelection& selection, int& counter) {
    MemorySettingsStore settings;
    settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    OutputRows rows(settings);
    AppServices services(settings, rows);
    RunContext run(services);
    services.SetMessageSelection(selection);
    VectorTextLines lines = VectorTextLines::FromBytes("#TALVERON_DP\nFMS_supp = 10\nFoo = 1\n");
    Document document(lines, "dev.kvf", "/dev.kvf");
    Check(run, document);
    run.CheckedDocument = nullptr;
    counter = run.MessageCounter;
    std::vector<int> ids;
    for (const OutputRow& row : rows.Rows())
        ids.push_back(row.Id);
    return ids;
}

TEST(MessageSelection, UnselectedFindingsAreNeitherShownNorCounted) {
    int counter = 0;
    MessageSelection everything;
    EXPECT_EQ(CheckedIds(everything, counter),
              (std::vector<int>{msg::StartSyntaxCheck, msg::UnexpectedFormat, msg::UnknownKey,
                                msg::StopSyntaxCheck, msg::SkippingSemanticCheck}));

    MessageSelection noFindings;
    noFindings.Disable(msg::UnexpectedFormat);
    noFindings.Disable(msg::UnknownKey);
    EXPECT_EQ(CheckedIds(noFindings, counter),
              (std::vector<int>{msg::StartSyntaxCheck, msg::CheckFinishedWithoutErrors,
                                msg::StopSyntaxCheck, msg::SkippingSemanticCheck}));

    MessageSelection onlyFrames; // frame rows are no findings: always shown
    onlyFrames.EnableOnly({msg::LineTooLong});
    EXPECT_EQ(CheckedIds(onlyFrames, counter), CheckedIds(noFindings, counter));
}

} // namespace
} // namespace kvf
