#include "language/Completion.h"
#include "language/Hover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace kvf::language {
namespace {

const std::string kFile = "#TALVERON_DP\n"                 // 0
                          "Vendor_Name = \"ACME\"\n"       // 1
                          "9.6_supp = 1\n"                 // 2
                          "PrmText = 7\n"                  // 3
                          "Text(0) = \"Off\"\n"            // 4
                          "EndPrmText\n"                   // 5
                          "ExtUserPrmData = 3 \"Mode\"\n"  // 6
                          "Bit(0) 0 0-1\n"                 // 7
                          "Prm_Text_Ref = 7\n"             // 8
                          "EndExtUserPrmData\n"            // 9
                          "Module = \"In 4\" 0x13\n"       // 10
                          "Ext_User_Prm_Data_Ref(0) = 3\n" // 11
                          "\n"                             // 12
                          "EndModule\n"                    // 13
                          "\n"                             // 14
                          "Station_Type = 0\n";            // 15

struct HoverCase {
    int line;
    int column;
    const char* contains; // empty: no hover
};

class Hovers : public ::testing::TestWithParam<HoverCase> {};

TEST_P(Hovers, ShowWhatThePlaceMeans) {
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    HoverText hover = HoverAt({kFile, "dev.kvf", ""}, check, {GetParam().line, GetParam().column});
    if (*GetParam().contains == '\0') {
        EXPECT_FALSE(hover.Found) << hover.Markdown;
        return;
    }
    ASSERT_TRUE(hover.Found);
    EXPECT_NE(hover.Markdown.find(GetParam().contains), std::string::npos) << hover.Markdown;
}

INSTANTIATE_TEST_SUITE_P(
    Places, Hovers,
    ::testing::Values(HoverCase{1, 3, "Name of the manufacturer"},     // keyword help
                      HoverCase{1, 3, "Visible-String of at most 32"}, // its value rule
                      HoverCase{1, 3, "Group: General Keys"},          // its group
                      HoverCase{2, 11, "1: yes"},                      // a Boolean's meaning
                      HoverCase{8, 15, "Text(0) = \"Off\""},           // the PrmText referred to
                      HoverCase{8, 15, "\nEndPrmText\n"},              // ... its last line too
                      HoverCase{8, 15, "PrmText 7 (Line 4)"},          // ... and where it is
                      HoverCase{11, 28, "\nEndExtUserPrmData\n"},
                      HoverCase{11, 28, "ExtUserPrmData 3 (Line 7)"},
                      HoverCase{11, 28,
                                "ExtUserPrmData = 3 \"Mode\""},      // the definition referred to
                      HoverCase{10, 16, "1    0x13   input      4"}, // a module's identifiers
                      HoverCase{12, 0, ""},                          // an empty line
                      HoverCase{1, 30, ""}));                        // past the line's end

struct CompletionCase {
    int line;
    int column;
    const char* offered;    // a label that must be offered
    const char* notOffered; // a label that must not be
};

class Completions : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(Completions, OfferWhatMayStandThere) {
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    std::vector<CompletionItem> items =
        CompleteAt({kFile, "dev.kvf", ""}, check, {GetParam().line, GetParam().column});
    auto has = [&](const char* label) {
        return std::any_of(items.begin(), items.end(),
                           [&](const CompletionItem& i) { return i.Label == label; });
    };
    EXPECT_TRUE(has(GetParam().offered)) << GetParam().offered;
    EXPECT_FALSE(has(GetParam().notOffered)) << GetParam().notOffered;
}

INSTANTIATE_TEST_SUITE_P(
    Places, Completions,
    ::testing::Values(
        CompletionCase{14, 0, "Model_Name", "Vendor_Name"}, // top: not what is given once
        CompletionCase{14, 0, "Slave_Family", "Ext_Module_Prm_Data_Len"},
        CompletionCase{12, 0, "Ext_Module_Prm_Data_Len", "Vendor_Name"}, // inside a Module
        CompletionCase{2, 11, "0", "7"},                                 // a Boolean
        CompletionCase{15, 15, "1", "2"},                                // the allowed list 0|1
        CompletionCase{8, 15, "7", "3"},                                 // the PrmText numbers
        CompletionCase{11, 28, "3", "7"})); // the ExtUserPrmData numbers

// Completion on a line of its own file: what the line holds, and the block around it.
struct LineCompletionCase {
    const char* name;
    const char* text; // after the file's first line
    int line;
    int column;
    const char* offered;
    const char* notOffered;
};

class CompletionsOnALine : public ::testing::TestWithParam<LineCompletionCase> {};

TEST_P(CompletionsOnALine, OfferWhatMayStandThere) {
    const LineCompletionCase& c = GetParam();
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    std::vector<CompletionItem> items = CompleteAt(
        {std::string("#TALVERON_DP\n") + c.text, "dev.kvf", ""}, check, {c.line, c.column});
    auto has = [&](const char* label) {
        return std::any_of(items.begin(), items.end(),
                           [&](const CompletionItem& i) { return i.Label == label; });
    };
    if (*c.offered == '\0')
        EXPECT_TRUE(items.empty()) << c.name;
    else
        EXPECT_TRUE(has(c.offered)) << c.name;
    EXPECT_FALSE(has(c.notOffered)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CompletionsOnALine,
    ::testing::Values(LineCompletionCase{"the caret right before a comment", "9.6_supp = 1 ; c\n",
                                         1, 13, "0", "Vendor_Name"},
                      LineCompletionCase{"inside the comment nothing", "9.6_supp = 1 ; c\n", 1, 14,
                                         "", "0"},
                      // The line being typed does not give its keyword yet.
                      LineCompletionCase{"a keyword of one line offered on its own line",
                                         "Vendor_Name = \"ACME\"\n", 1, 0, "Vendor_Name",
                                         "Ext_Module_Prm_Data_Len"},
                      LineCompletionCase{"inside a Jokerblock_Type block its keywords",
                                         "Jokerblock_Type = 1\n\nEnd_Jokerblock_Type\n", 2, 0,
                                         "Jokerblock_Slot", "Vendor_Name"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

// The values offered after a keyword's '=': a long range as one hint that writes nothing,
// a short one value by value, and the values the file's other entries of the keyword (or of
// its family, other baud rates) use; every value with the keyword's help.
struct ValueCase {
    const char* name;
    const char* text;                // lines after the header; the last one is completed at its end
    std::vector<std::string> labels; // every label offered, in order
    const char* hint;                // the one hint's label, or empty
};

class ValueCompletions : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueCompletions, OfferTheRangeAndTheValuesInUse) {
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    const std::string text = std::string("#TALVERON_DP\n") + GetParam().text + "\n";
    const int last = static_cast<int>(std::count(text.begin(), text.end(), '\n')) - 1;
    const std::string lastLine = text.substr(text.rfind('\n', text.size() - 2) + 1);
    const TextPosition at{last, static_cast<int>(lastLine.size()) - 1};
    std::vector<CompletionItem> items = CompleteAt({text, "dev.kvf", ""}, check, at);
    std::vector<std::string> labels;
    for (const CompletionItem& item : items) {
        labels.push_back(item.Label);
        EXPECT_FALSE(item.Documentation.empty()) << item.Label;
        EXPECT_EQ(item.IsHint, item.Label == GetParam().hint) << item.Label;
        if (item.IsHint) { // it writes nothing, so it replaces nothing
            EXPECT_EQ(item.Replaces.Start, item.Replaces.End);
        }
    }
    EXPECT_EQ(labels, GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueCompletions,
    ::testing::Values(
        ValueCase{"range", "MaxTsdr_9.6 = ", {"1..65535"}, "1..65535"},
        ValueCase{"family",
                  "MaxTsdr_12M = 800\nMaxTsdr_1.5M = 150\nMaxTsdr_3M = 150\n"
                  "MaxTsdr_9.6 = 60\nMaxTsdr_9.6 = ",
                  {"800", "150", "60", "1..65535"},
                  "1..65535"},
        ValueCase{
            "short range", "Max_Diag_Data_Len = 8\nRepeater_Ctrl_Sig = ", {"0", "1", "2"}, ""},
        ValueCase{"Boolean", "9.6_supp = 1\n12M_supp = ", {"0", "1"}, ""}),
    [](const ::testing::TestParamInfo<ValueCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// What a completion replaces: the key or the value written so far, which holds the
// position; nothing where none is written yet.
struct ReplaceCase {
    const char* line;
    int column;
    int from;
    int to;
};

class CompletionReplaces : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(CompletionReplaces, TheWordWrittenSoFar) {
    MemorySettingsStore settings;
    CheckSettings check;
    check.Settings = &settings;
    const std::string text = std::string("#TALVERON_DP\n") + GetParam().line + "\n";
    std::vector<CompletionItem> items =
        CompleteAt({text, "dev.kvf", ""}, check, {1, GetParam().column});
    ASSERT_FALSE(items.empty()) << GetParam().line;
    for (const CompletionItem& item : items) {
        if (item.IsHint)
            continue; // a range's hint writes nothing (ValueCompletions)
        EXPECT_EQ(item.Replaces.Start, (TextPosition{1, GetParam().from})) << item.Label;
        EXPECT_EQ(item.Replaces.End, (TextPosition{1, GetParam().to})) << item.Label;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, CompletionReplaces,
    ::testing::Values(ReplaceCase{"MaxTsdr_9.", 10, 0, 10},        // a key with its '.'
                      ReplaceCase{"MaxTsdr_9.", 4, 0, 10},         // the caret inside the key
                      ReplaceCase{"", 0, 0, 0},                    // nothing written yet
                      ReplaceCase{"9.6_supp = 1", 12, 11, 12},     // the value
                      ReplaceCase{"MaxTsdr_9.6 = 60", 15, 14, 16}, // the caret inside it
                      ReplaceCase{"9.6_supp = ", 11, 11, 11}));    // no value yet

} // namespace
} // namespace kvf::language
