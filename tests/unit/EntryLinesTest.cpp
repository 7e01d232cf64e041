// The text side of editing an entry: its lines rewritten with a new value, whether the text
// still holds it where the database put it, and a file's line breaks kept through a save.
#include "core/TextLines.h"
#include "editing/EntryLineRewrite.h"
#include "editing/EntryTextMatch.h"
#include "editing/LineBreaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvf {
namespace {

struct RewriteCase {
    const char* name;
    std::vector<std::string> oldLines;
    const char* key;
    const char* value;
    std::vector<std::string> expected;
    int lastLineOffset;
};

class EntryRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(EntryRewrite, NewLines) {
    const RewriteCase& c = GetParam();
    auto rewritten = RewriteEntryLines(c.oldLines, std::string(c.key), std::string(c.value),
                                       std::string(c.key) == "Module_Reference");
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->Lines, c.expected);
    EXPECT_EQ(rewritten->LastLineOffset, c.lastLineOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryRewrite,
    ::testing::Values(
        RewriteCase{"OneLine",
                    {"Vendor_Name = \"a\""},
                    "Vendor_Name",
                    "=\"b\"",
                    {"Vendor_Name = \"b\""},
                    0},
        // The blanks around '=' are the line's own, whatever the value brings.
        RewriteCase{"UnspacedLineStaysUnspaced", {"A=1"}, "A", "= 2", {"A=2"}, 0},
        RewriteCase{"TabsStay", {"A\t=\t1"}, "A", "=2", {"A\t=\t2"}, 0},
        RewriteCase{"UnevenSpacingStays", {"A  =1"}, "A", "=2", {"A  =2"}, 0},
        RewriteCase{"IndexedLineKeepsItsSpacing",
                    {"Slot(1)=\"a\" 1 1-2"},
                    "Slot",
                    "(1) = \"b\" 1 1-2",
                    {"Slot(1)=\"b\" 1 1-2"},
                    0},
        RewriteCase{"EqualSignEndingTheLineIsSpacedAlike", {"A ="}, "A", "=2", {"A = 2"}, 0},
        RewriteCase{
            "EqualSignInACommentIsNotTheLines", {"A 1 ; x = y"}, "A", "=2", {"A=2 ; x = y"}, 0},
        RewriteCase{"LineWithoutEqualSignWritesTheValueAsItIs",
                    {"Unsigned8  1 0-9"},
                    "Unsigned8",
                    " 2 0-9",
                    {"Unsigned8 2 0-9"},
                    0},
        RewriteCase{
            "CommentKeepsItsColumn", {"A = 1      ; note"}, "A", "=22", {"A = 22     ; note"}, 0},
        RewriteCase{"LongerLinePushesTheComment",
                    {"A = 1 ; note"},
                    "A",
                    "=123456789",
                    {"A = 123456789 ; note"},
                    0},
        RewriteCase{"SemicolonInsideQuotesIsText",
                    {"Info_Text = \"a;b\" ; c"},
                    "Info_Text",
                    "=\"x\"",
                    {"Info_Text = \"x\"   ; c"},
                    0},
        RewriteCase{"ValueOverTwoLinesContinues",
                    {"Info_Text = \"a\""},
                    "Info_Text",
                    "=\"a\"\r\n\"b\"",
                    {"Info_Text = \"a\"\\", "\"b\""},
                    1},
        RewriteCase{"ShorterValueKeepsOnlyTheOldComments",
                    {"Info_Text = \"a\" \\", "\"b\" \\ ; two", "\"c\""},
                    "Info_Text",
                    "=\"z\"",
                    {"Info_Text = \"z\"", "      ; two"},
                    0},
        RewriteCase{"ModuleReferenceWritesWhatFollowsTheEqualSign",
                    {"1"},
                    "Module_Reference",
                    "=5",
                    {"5"},
                    0},
        RewriteCase{"TrailingBackslashGetsAnEmptyLine",
                    {"Bitmap_Device = \"a\""},
                    "Bitmap_Device",
                    "=C:\\",
                    {"Bitmap_Device = C:\\", ""},
                    1},
        RewriteCase{"TrailingBlanksAndNoBreakSpacesGo", {"A = 1"}, "A", "=2 \t\xA0", {"A = 2"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryRewrite, RefusesOverlongLines) {
    const std::string longest = "A = " + std::string(kMaxRewriteLineLength - 4, 'x');
    EXPECT_TRUE(RewriteEntryLines<std::string>({longest}, "A", "=1", false));
    EXPECT_FALSE(RewriteEntryLines<std::string>({"B", longest + "x"}, "A", "=1", false));
}

// In the editor's text a comment keeps characters no code page holds, at its column.
TEST(EntryRewrite, EditorTextKeepsEveryCharacterOfAComment) {
    auto rewritten =
        RewriteEntryLines<std::u16string>({u"A = \u00e4 ; \u2192 \u4e2d"}, u"A", u"=\"b\"", false);
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->Lines, std::vector<std::u16string>{u"A = \"b\" ; \u2192 \u4e2d"});
}

struct MatchCase {
    const char* line;
    const char* key;
    bool holds;
};

class EntryTextMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(EntryTextMatch, LineHoldsKey) {
    VectorTextLines text({"#TALVERON_DP", GetParam().line});
    EXPECT_EQ(LineHoldsKey(text, 1, GetParam().key), GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryTextMatch,
                         ::testing::Values(MatchCase{"Vendor_Name = \"x\"", "Vendor_Name", true},
                                           MatchCase{"  \t Vendor_Name = 1", "Vendor_Name", true},
                                           MatchCase{"Model_Name = 1", "Vendor_Name", false},
                                           MatchCase{"vendor_name = 1", "Vendor_Name", false},
                                           MatchCase{"; Vendor_Name = 1", "Vendor_Name", false},
                                           MatchCase{" \xA0; Vendor_Name = 1", "Vendor_Name",
                                                     false},
                                           MatchCase{"1", "Module_Reference", true},
                                           MatchCase{"; 1", "Module_Reference", false}));

TEST(EntryTextMatch, ReadsTheFirst255CharactersOfALineThatExists) {
    VectorTextLines text({std::string(250, ' ') + "Vendor_Name"});
    EXPECT_TRUE(LineHoldsKey(text, 0, "Vendo"));
    EXPECT_FALSE(LineHoldsKey(text, 0, "Vendor"));
    EXPECT_FALSE(LineHoldsKey(text, 1, "Vendo"));
    EXPECT_FALSE(LineHoldsKey(text, -1, "Vendo"));
}

} // namespace
} // namespace kvf

namespace kvf {
namespace {

struct BreaksCase {
    const char* name;
    std::string original;
    std::vector<std::string> edited;
    std::string expected;
};

class LineBreaks : public ::testing::TestWithParam<BreaksCase> {};

// Saving writes each line's own break back: unchanged lines keep theirs, a changed line
// takes the break of the line it replaces, an added line the break most lines have.
TEST_P(LineBreaks, SplitAndCompose) {
    const BreaksCase& c = GetParam();
    SplitText split = SplitText::FromBytes(c.original);
    EXPECT_EQ(split.ToBytes(), c.original);
    EXPECT_EQ(ComposeBytes(split, c.edited), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineBreaks,
    ::testing::Values(
        BreaksCase{"UnchangedCrLf", "a\r\nb\r\n", {"a", "b", ""}, "a\r\nb\r\n"},
        BreaksCase{"MixedKept", "a\nb\r\nc\rd", {"a", "b", "c", "d"}, "a\nb\r\nc\rd"},
        BreaksCase{"ChangedLineKeepsItsBreak", "a\nb\r\nc\n", {"a", "B", "c", ""}, "a\nB\r\nc\n"},
        BreaksCase{"AddedLineTakesTheDominantBreak",
                   "a\r\nb\r\nc\n",
                   {"a", "new", "b", "c", ""},
                   "a\r\nnew\r\nb\r\nc\n"},
        BreaksCase{"RemovedLine", "a\nb\r\nc\r\n", {"a", "c", ""}, "a\nc\r\n"},
        BreaksCase{"TextAfterTheLastLineGainsABreak", "a\nb", {"a", "b", "c"}, "a\nb\nc"},
        BreaksCase{"Empty", "", {""}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kvf
