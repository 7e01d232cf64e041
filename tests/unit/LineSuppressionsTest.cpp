#include "core/LineSuppressions.h"
#include "language/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvf {
namespace {

struct ParseCase {
    const char* line;
    bool found;
    int target; // for line 10
    std::vector<int> ids;
};

class SuppressionComment : public ::testing::TestWithParam<ParseCase> {};

TEST_P(SuppressionComment, ReadsDirectiveAndIds) {
    Suppression s;
    bool found = LineSuppressions::ParseLine(GetParam().line, 10, s);
    ASSERT_EQ(found, GetParam().found) << GetParam().line;
    if (!found)
        return;
    EXPECT_EQ(s.CommentLine, 10);
    EXPECT_EQ(s.TargetLine, GetParam().target);
    EXPECT_EQ(s.Ids, GetParam().ids);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SuppressionComment,
    ::testing::Values(ParseCase{"; kvf-disable-next-line 136,147", true, 11, {136, 147}},
                      ParseCase{"Vendor_Name = \"A\" ; kvf-disable-line 136", true, 10, {136}},
                      ParseCase{"Vendor_Name = \"A\" ;kvf-disable-line", true, 10, {}},
                      ParseCase{"; kvf-disable-line 136 147\r", true, 10, {136, 147}},
                      ParseCase{"; kvf-disable-line 999999", true, 10, {-1}}, // names no message
                      ParseCase{
                          "Model_Name = \"; kvf-disable-line 136\"", false, 0, {}}, // inside quotes
                      ParseCase{"; kvf-disable-lines 136", false, 0, {}},
                      ParseCase{"; a comment about kvf-disable-line", false, 0, {}},
                      ParseCase{"Vendor_Name = \"A\"", false, 0, {}}));

TEST(LineSuppressions, SilencesOnlyTheirLineAndIdsAndNoteUse) {
    VectorTextLines lines({"#TALVERON_DP", "; kvf-disable-next-line 136", "A = 1",
                           "B = 2 ; kvf-disable-line", "C = 3 ; kvf-disable-line 147"});
    LineSuppressions list = LineSuppressions::Read(lines);
    EXPECT_TRUE(list.Silences(2, 136));
    EXPECT_FALSE(list.Silences(2, 147));
    EXPECT_FALSE(list.Silences(1, 136));
    EXPECT_TRUE(list.Silences(3, 64301));
    std::vector<Suppression> unused = list.Unused();
    ASSERT_EQ(unused.size(), 1u);
    EXPECT_EQ(unused[0].CommentLine, 4);
    EXPECT_EQ(unused[0].Text, "kvf-disable-line 147");
}

// Two comments for one line both silence its finding: neither is left unused.
TEST(LineSuppressions, TwoCommentsForOneLineBothCount) {
    VectorTextLines lines({"#TALVERON_DP", "; kvf-disable-next-line 136",
                           "A = 1 ; kvf-disable-line 136", "; kvf-disable-next-line",
                           "B = 2 ; kvf-disable-line"});
    LineSuppressions list = LineSuppressions::Read(lines);
    EXPECT_TRUE(list.Silences(2, 136));
    EXPECT_TRUE(list.Silences(4, 147));
    EXPECT_TRUE(list.Unused().empty());
}

// A comment for a finding the selection leaves out silences nothing: the finding was never
// reported, so the comment is unused, whether the selection comes from the settings'
// [Checks] or from the caller.
TEST(LineSuppressions, AFindingNotSelectedIsNotSilenced) {
    MemorySettingsStore settings;
    settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    language::Snapshot snapshot{"#TALVERON_DP\nVendor_Name = 5 ; kvf-disable-line 145\n", "dev.kvf",
                                "/tmp/dev.kvf"};
    language::CheckSettings check;
    check.Settings = &settings;
    check.Selection.Disable(145);
    language::CheckOutcome outcome = language::CheckSnapshot(snapshot, check);
    EXPECT_TRUE(outcome.Diagnostics.empty());
    ASSERT_EQ(outcome.UnusedSuppressions.size(), 1u);
    EXPECT_EQ(outcome.UnusedSuppressions[0].CommentLine, 1);
}

// A check with the comments: the finding is gone and is not counted, so the run ends with
// "check finished without errors"; without them (InlineDisable off) it is back.
TEST(LineSuppressions, CheckRunHonoursThemUnlessSwitchedOff) {
    MemorySettingsStore settings;
    settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    language::Snapshot snapshot{"#TALVERON_DP\nVendor_Name = 5 ; kvf-disable-line 145\n"
                                "; kvf-disable-next-line 136\nModel_Name = \"Box\"\n",
                                "dev.kvf", "/tmp/dev.kvf"};
    language::CheckSettings check;
    check.Settings = &settings;
    language::CheckOutcome on = language::CheckSnapshot(snapshot, check);
    EXPECT_TRUE(on.Diagnostics.empty());
    ASSERT_EQ(on.UnusedSuppressions.size(), 1u);
    EXPECT_EQ(on.UnusedSuppressions[0].CommentLine, 2);
    bool finished = false;
    for (const language::CheckRow& row : on.Rows)
        finished |= row.Text == "... check finished without errors.";
    EXPECT_TRUE(finished);

    check.InlineDisable = false;
    language::CheckOutcome off = language::CheckSnapshot(snapshot, check);
    ASSERT_EQ(off.Diagnostics.size(), 1u);
    EXPECT_EQ(off.Diagnostics[0].Id, 145);
    EXPECT_TRUE(off.UnusedSuppressions.empty());
}

} // namespace
} // namespace kvf
