#include "variants/VariantComparison.h"
#include "core/AppServices.h"
#include "core/LineSuppressions.h"
#include "core/MessageIds.h"
#include "core/MessageSelection.h"
#include "core/SettingsStore.h"
#include "output/OutputRows.h"
#include "variants/VariantFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kvf {
namespace {

// A DPV1 slave in English; its lines are numbered for the expectations below.
const char* const kEnglish = R"(#TALVERON_DP
KVF_Revision = 5
Vendor_Name = "Vendor"
Model_Name = "DPV1 Device"
Ident_Number = 0xFFFF
Protocol_Ident = 0
Station_Type = 0
9.6_supp = 1
MaxTsdr_9.6 = 60
Min_Slave_Intervall = 1
Unit_Diag_Bit(24) = "Supply voltage missing"
Unit_Diag_Area = 32-35
Value(0) = "No fault"
Value(1) = "Short circuit"
Unit_Diag_Area_End
PrmText = 1
Text(0) = "Off"
Text(1) = "On"
EndPrmText
ExtUserPrmData = 1 "Diagnosis alarm"
Bit(0) 1 0-1
Prm_Text_Ref = 1
EndExtUserPrmData
Ext_User_Prm_Data_Const(0) = 0x00,0x00,0x00
Ext_User_Prm_Data_Ref(3) = 1
Module = "4 Byte In, 4 Byte Out" 0x33
1
EndModule
Module = "8 Byte In" 0x17
2
EndModule
)";

// The same device in German: only the texts differ.
const char* const kGerman = R"(#TALVERON_DP
KVF_Revision = 5
Vendor_Name = "Hersteller"
Model_Name = "DPV1-Geraet"
Ident_Number = 0xFFFF
Protocol_Ident = 0
Station_Type = 0
9.6_supp = 1
MaxTsdr_9.6 = 60
Min_Slave_Intervall = 1
Unit_Diag_Bit(24) = "Versorgungsspannung fehlt"
Unit_Diag_Area = 32-35
Value(0) = "Kein Fehler"
Value(1) = "Kurzschluss"
Unit_Diag_Area_End
PrmText = 1
Text(0) = "Aus"
Text(1) = "Ein"
EndPrmText
ExtUserPrmData = 1 "Diagnosealarm"
Bit(0) 1 0-1
Prm_Text_Ref = 1
EndExtUserPrmData
Ext_User_Prm_Data_Const(0) = 0x00,0x00,0x00
Ext_User_Prm_Data_Ref(3) = 1
Module = "4 Byte Ein, 4 Byte Aus" 0x33
1
EndModule
Module = "8 Byte Ein" 0x17
2
EndModule
)";

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, const char* lineEnd = "\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + lineEnd;
    return text;
}

// The German file with some of its lines (1-based) replaced, removed ("" with remove) or
// with lines inserted before them.
struct Edit {
    int line;
    enum { Replace, Remove, InsertBefore } how;
    std::string text;
};

std::string Edited(const char* base, const std::vector<Edit>& edits) {
    struct Place {
        std::vector<std::string> before; // lines inserted before the line, in order
        std::optional<std::string> line;
    };
    std::vector<Place> places;
    for (const std::string& line : SplitLines(base))
        places.push_back({{}, line});
    for (const Edit& edit : edits) {
        Place& at = places[static_cast<std::size_t>(edit.line - 1)];
        if (edit.how == Edit::InsertBefore)
            at.before.push_back(edit.text);
        else if (edit.how == Edit::Remove)
            at.line.reset();
        else
            at.line = edit.text;
    }
    std::vector<std::string> lines;
    for (const Place& place : places) {
        lines.insert(lines.end(), place.before.begin(), place.before.end());
        if (place.line)
            lines.push_back(*place.line);
    }
    return JoinLines(lines);
}

struct Files {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    std::vector<std::unique_ptr<VariantFile>> files;

    VariantSource Add(const std::string& name, const std::string& text) {
        files.push_back(std::make_unique<VariantFile>(name, text, services));
        return files.back()->Source();
    }
};

// A finding as "id line otherLine text" with 1-based lines.
std::vector<std::string> Shown(const std::vector<VariantFinding>& findings) {
    std::vector<std::string> shown;
    for (const VariantFinding& f : findings)
        shown.push_back(std::to_string(f.Id) + " " + std::to_string(f.Line + 1) + " " +
                        std::to_string(f.OtherLine + 1) + " " + f.Text);
    return shown;
}

struct PairCase {
    const char* name;
    std::string variant; // DEV.KVG, compared with the English DEV.KVD
    std::vector<std::string> findings;
};

class VariantPair : public ::testing::TestWithParam<PairCase> {};

TEST_P(VariantPair, FindsExactlyTheDifferences) {
    Files files;
    VariantSource reference = files.Add("DEV.KVD", kEnglish);
    VariantSource variant = files.Add("DEV.KVG", GetParam().variant);
    EXPECT_EQ(Shown(CompareVariant(variant, reference)), GetParam().findings);
}

INSTANTIATE_TEST_SUITE_P(
    Families, VariantPair,
    ::testing::Values(
        PairCase{"TextsOnly", kGerman, {}},
        PairCase{"CrlfAgainstLf", JoinLines(SplitLines(kGerman), "\r\n"), {}},
        // Comments, blank lines, blanks and the spelling of '=' never count, nor the case
        // of a keyword or of a hexadecimal number's digits.
        PairCase{
            "CommentsAndBlanks",
            Edited(kGerman, {{2, Edit::InsertBefore, "; Geraetestammdaten, deutsch"},
                             {2, Edit::InsertBefore, ""},
                             {6, Edit::Replace, "Protocol_Ident=0 ; DP"},
                             {12, Edit::Replace, "Unit_Diag_Area  =  32 - 35"},
                             {21, Edit::Replace, "Bit(0)\t1   0-1"},
                             {8, Edit::Replace, "9.6_SUPP = 1"},
                             {5, Edit::Replace, "Ident_Number = 0xffff"},
                             {24, Edit::Replace, "Ext_User_Prm_Data_Const(0) = 0x00, 0x00, 0x00"},
                             {17, Edit::Replace, "Text(0) \"Aus\""}}),
            {}},
        // A text continued on the next line in one language only.
        PairCase{"TextContinued",
                 Edited(kGerman, {{4, Edit::Replace, "Model_Name = \"DPV1-\" \\"},
                                  {5, Edit::InsertBefore, "  \"Geraet\""}}),
                 {}},
        PairCase{"ValueChanged",
                 Edited(kGerman, {{10, Edit::Replace, "Min_Slave_Intervall = 2"}}),
                 {"65410 10 10 Value of key \"Min_Slave_Intervall\" is '2' here but '1' in the "
                  "language variant DEV.KVD (Line 10)."}},
        PairCase{"ReferencePointsElsewhere",
                 Edited(kGerman, {{22, Edit::Replace, "Prm_Text_Ref = 29"}}),
                 {"65410 22 22 Value of key \"Prm_Text_Ref\" is '29' here but '1' in the "
                  "language variant DEV.KVD (Line 22)."}},
        // The unquoted part of a line that also holds a text.
        PairCase{"IdentifierOfAModule",
                 Edited(kGerman, {{26, Edit::Replace, "Module = \"4 Byte Ein, 4 Byte Aus\" 0x23"}}),
                 {"65410 26 26 Value of key \"Module\" is '\"...\" 0x23' here but '\"...\" 0x33' "
                  "in the language variant DEV.KVD (Line 26)."}},
        PairCase{"TextWhereANameStood",
                 Edited(kGerman, {{3, Edit::Replace, "Vendor_Name = Hersteller"}}),
                 {"65410 3 3 Value of key \"Vendor_Name\" is 'Hersteller' here but '\"...\"' in "
                  "the language variant DEV.KVD (Line 3)."}},
        // A keyword missing: found where it would stand, and nothing after it differs.
        PairCase{"KeywordMissing",
                 Edited(kGerman, {{9, Edit::Remove, ""}}),
                 {"65411 9 9 Key \"MaxTsdr_9.6\" of the language variant DEV.KVD (Line 9) is "
                  "missing here."}},
        PairCase{"KeywordAdded",
                 Edited(kGerman, {{9, Edit::InsertBefore, "Sync_Mode_supp = 1"}}),
                 {"65412 9 9 Key \"Sync_Mode_supp\" is missing in the language variant DEV.KVD "
                  "(near Line 9)."}},
        PairCase{"IndexDiffers",
                 Edited(kGerman, {{25, Edit::Replace, "Ext_User_Prm_Data_Ref(5) = 1"}}),
                 {"65411 25 25 Key \"Ext_User_Prm_Data_Ref(3)\" of the language variant DEV.KVD "
                  "(Line 25) is missing here.",
                  "65412 25 25 Key \"Ext_User_Prm_Data_Ref(5)\" is missing in the language "
                  "variant DEV.KVD (near Line 25)."}},
        // A whole block missing or added is one finding.
        PairCase{"ModuleMissing",
                 Edited(kGerman,
                        {{29, Edit::Remove, ""}, {30, Edit::Remove, ""}, {31, Edit::Remove, ""}}),
                 {"65413 28 29 Block 'Module = \"...\" 0x17' of the language variant DEV.KVD "
                  "(Lines 29-31) is missing here."}},
        PairCase{"PrmTextInOneLanguageOnly",
                 Edited(kGerman, {{16, Edit::Remove, ""},
                                  {17, Edit::Remove, ""},
                                  {18, Edit::Remove, ""},
                                  {19, Edit::Remove, ""}}),
                 {"65413 16 16 Block 'PrmText = 1' of the language variant DEV.KVD (Lines "
                  "16-19) is missing here."}},
        PairCase{"PrmTextAdded",
                 Edited(kGerman, {{20, Edit::InsertBefore, "PrmText = 2"},
                                  {20, Edit::InsertBefore, "Text(0) = \"Nein\""},
                                  {20, Edit::InsertBefore, "EndPrmText"}}),
                 {"65414 20 20 Block 'PrmText = 2' (Lines 20-22) is missing in the language "
                  "variant DEV.KVD (near Line 20)."}},
        // A block's entry missing is that entry, not the block.
        PairCase{"EntryOfABlockMissing",
                 Edited(kGerman, {{14, Edit::Remove, ""}}),
                 {"65411 14 14 Key \"Value(1)\" of the language variant DEV.KVD (Line 14) is "
                  "missing here."}},
        // An insertion early on does not make every later line differ.
        PairCase{"InsertionThenChange",
                 Edited(kGerman,
                        {{3, Edit::InsertBefore, "Revision = \"V1\""}, {27, Edit::Replace, "3"}}),
                 {"65412 3 3 Key \"Revision\" is missing in the language variant DEV.KVD (near "
                  "Line 3).",
                  "65410 28 27 Value of key \"Module_Reference\" is '3' here but '1' in the "
                  "language variant DEV.KVD (Line 27)."}},
        // A missing keyword at the end is found at the last line.
        PairCase{"LastEntryMissing",
                 Edited(kGerman, {{31, Edit::Remove, ""}}),
                 {"65411 30 31 Key \"EndModule\" of the language variant DEV.KVD (Line 31) is "
                  "missing here."}}),
    [](const auto& info) { return std::string(info.param.name); });

// A hexadecimal number's letters count without case whatever its digits, zeros too; its
// digits count.
TEST(VariantValues, HexNumbersWithoutCaseOfTheirLetters) {
    const std::string head = "#TALVERON_DP\nIdent_Number = ";
    const struct {
        const char* reference;
        const char* variant;
        std::size_t findings;
    } cases[] = {{"0x0A0F", "0x0a0f", 0}, {"0xA0", "0xa0", 0}, {"0x0A0F", "0x0A0E", 1}};
    for (const auto& c : cases) {
        Files files;
        VariantSource reference = files.Add("DEV.KVD", head + c.reference + "\n");
        VariantSource variant = files.Add("DEV.KVG", head + c.variant + "\n");
        EXPECT_EQ(CompareVariant(variant, reference).size(), c.findings)
            << c.reference << " " << c.variant;
    }
}

// Blocks that read alike (modules whose names are texts): the one missing is found as a
// block wherever the alignment put the gap.
TEST(VariantBlocks, MissingAmongEqualBlocksIsOneBlock) {
    std::string modules;
    for (int i = 0; i < 4; ++i)
        modules += "Module = \"M" + std::to_string(i) + "\" 0x13\n1\nEndModule\n";
    const std::string head = "#TALVERON_DP\nVendor_Name = \"V\"\n";
    for (int missing = 0; missing < 4; ++missing) {
        std::string three;
        for (int i = 0; i < 4; ++i)
            if (i != missing)
                three += "Module = \"Modul " + std::to_string(i) + "\" 0x13\n1\nEndModule\n";
        Files files;
        VariantSource reference = files.Add("DEV.KVD", head + modules);
        VariantSource variant = files.Add("DEV.KVG", head + three);
        std::vector<VariantFinding> findings = CompareVariant(variant, reference);
        ASSERT_EQ(findings.size(), 1u) << missing;
        EXPECT_EQ(findings[0].Id, msg::VariantBlockMissing);
        // And the other way round.
        findings = CompareVariant(reference, variant);
        ASSERT_EQ(findings.size(), 1u) << missing;
        EXPECT_EQ(findings[0].Id, msg::VariantBlockExtra);
    }
}

TEST(VariantFamilies, ThreeVariantsOneDiffers) {
    Files files;
    std::vector<VariantSource> family{
        files.Add("DEV.KVD", kEnglish), files.Add("DEV.KVF", kGerman),
        files.Add("DEV.KVG", Edited(kGerman, {{10, Edit::Replace, "Min_Slave_Intervall = 2"}}))};
    auto findings = CompareFamily(family, 0);
    ASSERT_EQ(findings.size(), 3u);
    EXPECT_TRUE(findings[0].empty()); // the reference
    EXPECT_TRUE(findings[1].empty());
    EXPECT_EQ(Shown(findings[2]),
              std::vector<std::string>{"65410 10 10 Value of key \"Min_Slave_Intervall\" is '2' "
                                       "here but '1' in the language variant DEV.KVD (Line 10)."});
}

// A file whose header line is missing has no entries: everything the other has is missing,
// block by block.
TEST(VariantFamilies, EmptyDatabaseMissesEverything) {
    Files files;
    VariantSource reference = files.Add("DEV.KVD", kEnglish);
    VariantSource empty = files.Add("DEV.KVG", "Vendor_Name = \"V\"\n");
    auto findings = CompareVariant(empty, reference);
    ASSERT_EQ(findings.size(), 17u); // 12 keywords and 5 blocks
    for (const VariantFinding& f : findings)
        EXPECT_EQ(f.Line, 0);
    EXPECT_EQ(CompareVariant(reference, empty).size(), 17u);
    EXPECT_TRUE(CompareVariant(empty, empty).empty());
}

// A long value shows the part where the two differ.
TEST(VariantValues, LongValueShowsWhereItDiffers) {
    std::string octets, changed;
    for (int i = 0; i < 40; ++i) {
        octets += (i ? "," : "") + std::string("0x0") + std::to_string(i % 10);
        changed += (i ? "," : "") + std::string(i == 30 ? "0xFF" : "0x0" + std::to_string(i % 10));
    }
    Files files;
    VariantSource reference =
        files.Add("DEV.KVD", "#TALVERON_DP\nExt_User_Prm_Data_Const(0) = " + octets + "\n");
    VariantSource variant =
        files.Add("DEV.KVG", "#TALVERON_DP\nExt_User_Prm_Data_Const(0) = " + changed + "\n");
    auto findings = CompareVariant(variant, reference);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Text,
              "Value of key \"Ext_User_Prm_Data_Const(0)\" is '... 0x07,0x08,0x09,0xFF,0x01,0x02,"
              "0x03,0x04,0x05,0x06,0x07,0x08 ...' here but '... 0x07,0x08,0x09,0x00,0x01,0x02,"
              "0x03,0x04,0x05,0x06,0x07,0x08 ...' in the language variant DEV.KVD (Line 2).");
}

// Selection and suppression comments leave findings out as they do the check's.
TEST(VariantFindings, SelectionAndSuppressions) {
    Files files;
    VariantSource reference = files.Add("DEV.KVD", kEnglish);
    const std::string text =
        Edited(kGerman, {{10, Edit::Replace, "Min_Slave_Intervall = 2 ; kvf-disable-line 65410"},
                         {22, Edit::Replace, "Prm_Text_Ref = 29"},
                         {9, Edit::Remove, ""}});
    VariantSource variant = files.Add("DEV.KVG", text);
    const auto all = CompareVariant(variant, reference);
    ASSERT_EQ(all.size(), 3u);

    auto findings = all;
    KeepSelected(findings, MessageSelection(), nullptr);
    EXPECT_EQ(findings.size(), 3u);

    LineSuppressions suppressions = LineSuppressions::Read(files.files.back()->Lines());
    findings = all;
    KeepSelected(findings, MessageSelection(), &suppressions);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].Id, msg::VariantKeyMissing);
    EXPECT_EQ(findings[1].Id, msg::VariantValueDiffers);
    EXPECT_TRUE(suppressions.Unused().empty());

    MessageSelection selection;
    selection.Disable(msg::VariantKeyMissing);
    findings = all;
    KeepSelected(findings, selection, nullptr);
    EXPECT_EQ(findings.size(), 2u);
    selection = MessageSelection();
    selection.EnableOnly({msg::VariantKeyMissing});
    findings = all;
    KeepSelected(findings, selection, nullptr);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Id, msg::VariantKeyMissing);
}

} // namespace
} // namespace kvf
