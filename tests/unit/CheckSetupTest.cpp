#include "document/CheckSetup.h"

#include "core/AppServices.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/TextLines.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kvf {
namespace {

// Two entries without their equal sign; the first one's finding has a suppression comment.
constexpr const char* kText = "#TALVERON_DP\n"
                              "; kvf-disable-next-line\n"
                              "Implementation_Type \"x\"\n"
                              "Implementation_Type \"y\"\n";

struct SetupCase {
    const char* what;
    bool honourSuppressions;
    bool disableEqualSign;
    int equalSignRows; // rows of the equal-sign finding the run reports
    std::size_t unusedComments;
};

class CheckSetupCases : public ::testing::TestWithParam<SetupCase> {};

TEST_P(CheckSetupCases, SelectsAndSilencesForTheRunOnly) {
    const SetupCase& c = GetParam();
    MemorySettingsStore settings;
    settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    OutputRows rows(settings);
    AppServices services(settings, rows);
    // The application's own selection and suppressions, which the run must give back.
    MessageSelection own;
    own.Disable(msg::LineTooLong);
    services.SetMessageSelection(own);
    LineSuppressions ownSuppressions;
    services.SetSuppressions(&ownSuppressions);

    VectorTextLines lines = VectorTextLines::FromBytes(kText);
    Document document(lines, "dev.kvf", "/work/dev.kvf");
    CheckOptions options;
    options.HonourSuppressions = c.honourSuppressions;
    if (c.disableEqualSign)
        options.Selection.Disable(msg::EqualSign);
    CheckReport report = RunConfiguredCheck(services, document, options);

    int equalSign = static_cast<int>(
        std::count_if(rows.Rows().begin(), rows.Rows().end(),
                      [](const OutputRow& row) { return row.Id == msg::EqualSign; }));
    EXPECT_EQ(equalSign, c.equalSignRows) << c.what;
    EXPECT_EQ(report.UnusedSuppressions.size(), c.unusedComments) << c.what;
    EXPECT_EQ(services.Suppressions(), &ownSuppressions) << c.what;
    EXPECT_FALSE(services.Selection().IsSelected(msg::LineTooLong)) << c.what;
    EXPECT_TRUE(services.Selection().IsSelected(msg::EqualSign)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Options, CheckSetupCases,
                         ::testing::Values(SetupCase{"comments honoured", true, false, 1, 0},
                                           SetupCase{"comments ignored", false, false, 2, 0},
                                           SetupCase{
                                               "finding not selected: the comment silences nothing",
                                               true, true, 0, 1}));

TEST(CheckSetup, OptionsFromSettingsReadTheChecksSection) {
    MemorySettingsStore settings;
    settings.SetString(std::string(kChecksSection), std::string(kDisableValue), "136, 99999");
    std::vector<std::string> unknown;
    CheckOptions options = CheckOptionsFromSettings(settings, unknown);
    EXPECT_FALSE(options.Selection.IsSelected(136));
    EXPECT_TRUE(options.HonourSuppressions);
    EXPECT_EQ(unknown, std::vector<std::string>{"99999"});
}

} // namespace
} // namespace kvf

namespace kvf {
namespace {

TEST(CheckSetup, ACancelledRunStopsBeforeItsFindings) {
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices services(settings, rows);
    VectorTextLines lines = VectorTextLines::FromBytes(kText);
    Document document(lines, "dev.kvf", "/work/dev.kvf");
    std::atomic<bool> cancel{true};
    CheckOptions options;
    options.Cancel = &cancel;
    RunConfiguredCheck(services, document, options);
    for (const OutputRow& row : rows.Rows()) {
        EXPECT_NE(row.Id, msg::EqualSign);
        EXPECT_NE(row.Id, msg::StartSemanticCheck);
    }
    // The same document checked again without the flag gives its findings.
    cancel = false;
    RunConfiguredCheck(services, document, options);
    EXPECT_TRUE(std::any_of(rows.Rows().begin(), rows.Rows().end(),
                            [](const OutputRow& row) { return row.Id == msg::EqualSign; }));
}

} // namespace
} // namespace kvf
