#include "language/Diagnostics.h"
#include "language/LineLayout.h"
#include "language/Outline.h"

#include <gtest/gtest.h>

#include <string>

namespace kvf::language {
namespace {

struct RangeCase {
    const char* line;
    int id;
    int begin;
    int end;
};

class FindingRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FindingRanges, PointAtKeywordValueOrLine) {
    TextRange range = FindingRange(GetParam().line, 4, GetParam().id);
    EXPECT_EQ(range.Start, (TextPosition{4, GetParam().begin})) << GetParam().line;
    EXPECT_EQ(range.End, (TextPosition{4, GetParam().end})) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FindingRanges,
    ::testing::Values(
        RangeCase{"Vendor_Name = 5 ; no quotes", 145, 14, 15}, // a value rule: the value
        RangeCase{"  Bogus_Key = 1", 133, 2, 11},              // unknown key: the keyword
        RangeCase{"Vendor_Name = \"a;b\"", 64301, 0, 11},      // semantic rule: the keyword
        RangeCase{"Model_Name = \"x\"\r", 136, 0, 16},         // line length: the whole line
        RangeCase{"Text(3) = \"on\"", 131, 10, 14},            // index line: after the '='
        RangeCase{"Bit(0) 0 0-1", 132, 3, 12},                 // no "=": after the key
        RangeCase{"", 64400, 0, 0},                            // no text: an empty range
        RangeCase{"Station_Type =", 134, 0, 12},               // no value: the keyword
        RangeCase{"Station_Type 0 = 1 ; x", 65134, 0, 22}));   // the "=" rule: the line

TEST(FindingRanges, RowWithoutLineStartsTheFile) {
    EXPECT_EQ(FindingRange("anything", -1, 65182), (TextRange{{0, 0}, {0, 0}}));
}

TEST(Outline, BlocksHoldTheirEntriesAndFold) {
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    Snapshot snapshot{"#TALVERON_DP\n"
                      "Vendor_Name = \"ACME\"\n"
                      "PrmText = 1\n"
                      "Text(0) = \"Off\"\n"
                      "EndPrmText\n"
                      "Module = \"In 4\" 0x13\n"
                      "Ext_Module_Prm_Data_Len = 1\n"
                      "EndModule\n"
                      "Module = \"Open\" 0x13\n",
                      "dev.kvf", ""};
    Outline outline = BuildOutline(snapshot, check);
    ASSERT_EQ(outline.Symbols.size(), 4u);
    EXPECT_EQ(outline.Symbols[0].Name, "Vendor_Name");
    EXPECT_EQ(outline.Symbols[0].Detail, "ACME");
    const OutlineSymbol& prmText = outline.Symbols[1];
    EXPECT_TRUE(prmText.IsBlock);
    ASSERT_EQ(prmText.Children.size(), 2u);
    EXPECT_EQ(prmText.Range, (TextRange{{2, 0}, {4, 10}}));
    const OutlineSymbol& module = outline.Symbols[2];
    EXPECT_EQ(module.Name, "Module \"In 4\"");
    EXPECT_EQ(module.KeyRange, (TextRange{{5, 0}, {5, 6}}));
    ASSERT_EQ(module.Children.size(), 2u);
    EXPECT_EQ(module.Children[1].Name, "EndModule");
    // An unclosed block ends where its own line does; a one-line block gives no fold.
    EXPECT_EQ(outline.Symbols[3].Range.End.Line, 8);
    ASSERT_EQ(outline.Folds.size(), 2u);
    EXPECT_EQ(outline.Folds[0].StartLine, 2);
    EXPECT_EQ(outline.Folds[0].EndLine, 4);
    EXPECT_EQ(outline.Folds[1].StartLine, 5);
    EXPECT_EQ(outline.Folds[1].EndLine, 7);
}

// An entry continued over several lines spans all of them, inside a block and outside.
TEST(Outline, ContinuedEntriesSpanTheirLines) {
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    Snapshot snapshot{"#TALVERON_DP\n"
                      "Module = \"In 4\" 0x13,\\\n"
                      "  0x23 ; more\n"
                      "Ext_Module_Prm_Data_Len = \\\n"
                      "  1\n"
                      "EndModule\n",
                      "dev.kvf", ""};
    Outline outline = BuildOutline(snapshot, check);
    ASSERT_EQ(outline.Symbols.size(), 1u);
    const OutlineSymbol& module = outline.Symbols[0];
    EXPECT_EQ(module.Range, (TextRange{{1, 0}, {5, 9}}));
    ASSERT_EQ(module.Children.size(), 2u);
    EXPECT_EQ(module.Children[0].Range, (TextRange{{3, 0}, {4, 3}}));
}

TEST(Outline, DeepNestingStaysBounded) {
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    Snapshot snapshot;
    snapshot.Text = "#TALVERON_DP\n";
    for (int i = 0; i < 5000; ++i)
        snapshot.Text += "SlotDefinition\n";
    Outline outline = BuildOutline(snapshot, check);
    int depth = 0;
    const std::vector<OutlineSymbol>* level = &outline.Symbols;
    while (!level->empty()) {
        ++depth;
        level = &level->back().Children;
    }
    EXPECT_LE(depth, 40);
}

} // namespace
} // namespace kvf::language
