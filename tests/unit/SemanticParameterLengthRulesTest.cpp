#include "SemanticRuleTestLines.h"
#include "SemanticTestDocument.h"

#include "core/MessageIds.h"
#include "semantic/ParameterOccupancy.h"

#include <gtest/gtest.h>

#include <optional>

namespace kvf {
namespace {

using semantic::Index;
using semantic::Kw;
using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

// ---- The occupancy of one telegram ---------------------------------------------------------

TEST(ParameterOccupancyTest, ReleaseTellsTheHighestByteInUse) {
    ParameterOccupancy bytes;
    bytes.Claim(2, 3, {0x0F, true});
    bytes.Claim(6, 6, {0x00, false});
    EXPECT_EQ(bytes.Words(), (std::vector<std::uint32_t>{0xFF0F0002, 0xFF0F0003, 0x00000006}));

    struct Case {
        std::uint32_t First, Last;
        std::optional<std::uint32_t> Highest;
    };
    const Case cases[] = {
        {0, 1, std::nullopt}, {4, 5, std::nullopt}, {7, 2, std::nullopt}, {3, 9, 6}, {0, 2, 2}};
    for (const Case& c : cases) {
        auto released = bytes.Release(c.First, c.Last);
        ASSERT_EQ(released.has_value(), c.Highest.has_value()) << c.First << "-" << c.Last;
        if (released) {
            EXPECT_EQ(released->Offset, *c.Highest);
        }
    }
    EXPECT_TRUE(bytes.Words().empty());
}

// ---- Claims of the parameter lines (first pass) --------------------------------------------

struct ClaimCase {
    const char* Name;
    std::vector<std::string_view> Lines; // from line 17 on
    Rows Expected;                       // first pass
};

void PrintTo(const ClaimCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticParameterClaimTest : public ::testing::TestWithParam<ClaimCase> {};

// Lines 0-16: a revision 5 slave file with the definitions 1 to 4 (Bit(0), Bit(1), Bit(2),
// Bit(2)) and 5 (Unsigned16, two bytes).
TEST_P(SemanticParameterClaimTest, ReportsExactly) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 5", "Station_Type = 0"});
    const char* types[] = {"Bit(0) = 0", "Bit(1) = 0", "Bit(2) = 0", "Bit(2) = 1",
                           "Unsigned16 = 0"};
    for (int n = 1; n <= 5; ++n)
        doc.Add({"EXTUSERPRMDATA = " + std::to_string(n), types[n - 1], "ENDEXTUSERPRMDATA"});
    for (std::string_view line : GetParam().Lines)
        doc.Add(line);
    test::CompleteValueParts(doc);
    EXPECT_EQ(doc.RunFirstPass(), GetParam().Expected);
}

const char* const kRef = "Ext_User_Prm_Data_Ref";

INSTANTIATE_TEST_SUITE_P(
    Occupancy, SemanticParameterClaimTest,
    ::testing::Values(
        ClaimCase{"DistinctBitsShareAByte",
                  {"Max_User_Prm_Data_Len = 8", "Ext_User_Prm_Data_Ref(0) = 1",
                   "Ext_User_Prm_Data_Ref(0) = 2", "Ext_User_Prm_Data_Ref(0) = 3",
                   "Ext_User_Prm_Data_Ref(0) = 4"},
                  {W(21, msg::MultipleUseOfOffset, 0)}},
        ClaimCase{"ConstantsOverReferencesWarnNotTheReverse",
                  {"Max_User_Prm_Data_Len = 8", "Ext_User_Prm_Data_Ref(2) = 5",
                   "Ext_User_Prm_Data_Const(1) = 0x01,0x02", "Ext_User_Prm_Data_Ref(1) = 5"},
                  {W(19, msg::MultipleUseOfOffset, 2)}},
        // A reference to a missing definition takes its one byte without bits.
        ClaimCase{"UnresolvedReference",
                  {"Max_User_Prm_Data_Len = 8", "Ext_User_Prm_Data_Ref(0) = 9",
                   "Ext_User_Prm_Data_Ref(0) = 1", "Ext_User_Prm_Data_Const(0) = 0x01"},
                  {E(18, msg::UnresolvedExtUserPrmData, 9), W(20, msg::MultipleUseOfOffset, 0)}},
        ClaimCase{"ModulesHaveTelegramsOfTheirOwn",
                  {"Max_User_Prm_Data_Len = 8", "Ext_User_Prm_Data_Ref(0) = 5",
                   "Module = \"M\" 0x10", "Ext_User_Prm_Data_Ref(0) = 5",
                   "F_Ext_User_Prm_Data_Ref(0) = 5", "X_Ext_User_Prm_Data_Const(0) = 0x01",
                   "EndModule", "Module = \"N\" 0x10", "Ext_User_Prm_Data_Const(1) = 0x01",
                   "Ext_User_Prm_Data_Const(1) = 0x01"},
                  // Undeclared F_ and X_ bytes are reported at the module end.
                  {E(23, msg::ModulePrmLengthMismatch, "F-Parameter", "F_Ext_Module_Prm_Data_Len"),
                   E(23, msg::ModulePrmLengthMismatch, "X-Parameter", "X_Ext_Module_Prm_Data_Len"),
                   W(26, msg::MultipleUseOfOffset, 1)}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Lengths, SemanticParameterClaimTest,
    ::testing::Values(
        ClaimCase{"MaxUserPrmDataLen",
                  {"Max_User_Prm_Data_Len = 4", "Ext_User_Prm_Data_Ref(3) = 5",
                   "Ext_User_Prm_Data_Const(2) = 0x01,0x02"},
                  {E(18, msg::UnitPrmExceedsMax), W(19, msg::MultipleUseOfOffset, 3)}},
        // Without Max_User_Prm_Data_Len references are measured by User_Prm_Data_Len and
        // their bytes are not tracked; the recommendation comes once per kind of line.
        ClaimCase{"UserPrmDataLenOnly",
                  {"User_Prm_Data_Len = 4", "Ext_User_Prm_Data_Ref(0) = 5",
                   "Ext_User_Prm_Data_Ref(0) = 5", "Ext_User_Prm_Data_Ref(3) = 5",
                   "Ext_User_Prm_Data_Const(3) = 0x01", "Ext_User_Prm_Data_Const(3) = 0x01,0x02"},
                  {W(18, msg::MaxUserPrmDataLenRecommended, kRef),
                   E(20, msg::UserPrmDefinitionLength, kRef),
                   W(21, msg::MaxUserPrmDataLenRecommended, "Ext_User_Prm_Data_Const"),
                   E(22, msg::UserPrmDefinitionLength, "Ext_User_Prm_Data_Const"),
                   W(22, msg::MultipleUseOfOffset, 3)}},
        ClaimCase{"NoLengthAtAll",
                  {"Ext_User_Prm_Data_Ref(0) = 1", "Ext_User_Prm_Data_Ref(1) = 1",
                   "Ext_User_Prm_Data_Const(2) = 0x01", "Ext_User_Prm_Data_Const(2) = 0x01"},
                  {E(17, msg::UserPrmLengthRequired, kRef),
                   E(19, msg::UserPrmLengthRequired, "Ext_User_Prm_Data_Const"),
                   W(20, msg::MultipleUseOfOffset, 2)}},
        // The extended telegram is always tracked and measured by X_Max_User_Prm_Data_Len,
        // at top level; its constants in modules are not measured.
        ClaimCase{"ExtendedTelegram",
                  {"X_Max_User_Prm_Data_Len = 4", "X_Ext_User_Prm_Data_Ref(0) = 5",
                   "X_Ext_User_Prm_Data_Ref(1) = 5", "X_Ext_User_Prm_Data_Ref(3) = 5",
                   "X_Ext_User_Prm_Data_Const(4) = 0x01", "Module = \"M\" 0x10",
                   "X_Ext_User_Prm_Data_Const(9) = 0x01", "X_Ext_User_Prm_Data_Ref(9) = 1"},
                  {W(19, msg::MultipleUseOfOffset, 1), E(20, msg::UnitPrmExceedsMax),
                   E(21, msg::UnitPrmExceedsMax), W(21, msg::MultipleUseOfOffset, 4),
                   E(24, msg::UnitPrmExceedsMax)}}),
    [](const auto& info) { return info.param.Name; });

// One past the highest byte each kind of module parameter reaches, until the next Module.
TEST(SemanticParameterClaimTest, UsedLengthsOfTheModule) {
    for (bool nextModule : {false, true}) {
        SemanticTestDocument doc;
        doc.Add({"KVF_Revision = 5", "Station_Type = 0", "Max_User_Prm_Data_Len = 8",
                 "X_Max_User_Prm_Data_Len = 8", "EXTUSERPRMDATA = 1", "Bit(3) = 0",
                 "ENDEXTUSERPRMDATA", "Module = \"M\" 0x10", "Ext_User_Prm_Data_Ref(1) = 9",
                 "Ext_User_Prm_Data_Const(0) = 0x01", "F_Ext_User_Prm_Data_Const(0) = 1,2,3",
                 "X_Ext_User_Prm_Data_Ref(4) = 1", "EndModule"});
        if (nextModule)
            doc.Add("Module = \"N\" 0x10");
        test::CompleteValueParts(doc);
        doc.RunFirstPass();
        const ModulePrmLengths& used =
            doc.checker->Groups().Get<UserParameterRules>().UsedModulePrmLengths();
        EXPECT_EQ(used.Plain, nextModule ? 0u : 2u);
        EXPECT_EQ(used.F, nextModule ? 0u : 3u);
        EXPECT_EQ(used.X, nextModule ? 0u : 5u);
    }
}

// ---- Length rules of the second pass -------------------------------------------------------

// The collected lengths a rule reads; -1 for a keyword that did not occur.
struct Lengths {
    std::int32_t Max = -1;
    std::int32_t UserPrmDataLen = -1;
    std::int32_t XMax = -1;
};

UserParameterRules& CheckerWith(SemanticTestDocument& doc, Lengths lengths, std::string key,
                                std::string value = "") {
    doc.checker = std::make_unique<SemanticChecker>(doc.run, doc.document);
    RuleContext& context = doc.checker->Context();
    auto keep = [&](Kw kw, std::int32_t length) {
        if (length < 0)
            return;
        context.Counter(kw) = 1;
        context.SetKeptValue(kw, length);
    };
    keep(Kw::Max_User_Prm_Data_Len, lengths.Max);
    keep(Kw::User_Prm_Data_Len, lengths.UserPrmDataLen);
    keep(Kw::X_Max_User_Prm_Data_Len, lengths.XMax);
    doc.heldKey = std::move(key);
    doc.heldValue = std::move(value);
    context.SetCurrent(doc.heldKey, doc.heldValue, 0);
    return doc.checker->Groups().Get<UserParameterRules>();
}

TEST(SemanticParameterLengthTest, ModulePrmLimit) {
    struct Case {
        Lengths Given;
        std::int32_t Plain, Extended; // declared plain + F_, declared X_
        Rows Expected;
    };
    const std::string limit = E(0, msg::ModulePrmExceedsMax);
    const std::string recommend = W(0, msg::ModulePrmLenRecommendsMax);
    const Case cases[] = {
        {{4, -1, -1}, 5, 0, {limit}},
        {{4, 9, -1}, 4, 0, {}},
        {{-1, 2, -1}, 3, 0, {recommend, E(0, msg::UserPrmDefinitionLength, "EndModule")}},
        {{-1, 3, -1}, 3, 0, {recommend}},
        {{-1, -1, -1}, 3, 0, {recommend, E(0, msg::UserPrmLengthRequired, "EndModule")}},
        {{-1, -1, -1}, 0, 0, {}},
        {{-1, -1, -1}, -1, 0, {}},
        {{-1, -1, 5}, 0, 6, {limit}},
        {{-1, -1, 5}, 0, 5, {}},
        {{4, -1, -1}, 0, 1, {limit}}, // X_Max_User_Prm_Data_Len absent counts as 0
        {{1, -1, 1}, 2, 2, {limit, limit}},
    };
    for (const Case& c : cases) {
        SemanticTestDocument doc;
        CheckerWith(doc, c.Given, "EndModule").CheckModulePrmLimit(c.Plain, c.Extended);
        EXPECT_EQ(doc.Messages(), c.Expected) << c.Plain << " " << c.Extended;
    }
}

TEST(SemanticParameterLengthTest, MinimumPrmLen) {
    struct Case {
        Lengths Given;
        const char* Value;
        bool Reported;
    };
    const Case cases[] = {
        {{10, -1, -1}, "1", true}, {{11, -1, -1}, "1", false}, {{20, 5, -1}, "1", false},
        {{5, 20, -1}, "1", true},  {{-1, 12, -1}, "1", false}, {{-1, 10, -1}, "1", true},
        {{-1, -1, -1}, "1", true}, {{-1, -1, -1}, "0", false}, {{10, -1, -1}, "0x0", false},
        {{10, -1, -1}, "2", true},
    };
    for (const Case& c : cases) {
        SemanticTestDocument doc;
        CheckerWith(doc, c.Given, "PrmCmd_supp", c.Value).CheckMinimumPrmLen(11);
        Rows expected;
        if (c.Reported)
            expected.push_back(E(0, msg::MinimumPrmLength, 11, "PrmCmd_supp"));
        EXPECT_EQ(doc.Messages(), expected) << c.Given.Max << " " << c.Given.UserPrmDataLen;
    }
}

TEST(SemanticParameterLengthTest, UserPrmDataAgainstItsLength) {
    struct Case {
        Lengths Given;
        std::int32_t Octets;
        Rows Expected;
    };
    const Case cases[] = {
        {{-1, 3, -1}, 3, {}},
        {{-1, 4, -1}, 3, {E(0, msg::UserPrmDataLengthMismatch)}},
        {{-1, -1, -1}, 3, {E(0, msg::UserPrmLengthRequired, "User_Prm_Data")}},
    };
    for (const Case& c : cases) {
        SemanticTestDocument doc;
        CheckerWith(doc, c.Given, "User_Prm_Data").CheckUserPrmDataLength(c.Octets);
        EXPECT_EQ(doc.Messages(), c.Expected);
    }
}

// Unused definitions and tables are reported in the second pass, once every reference of
// the file is known: at the block that defined the number, not again at a refused
// duplicate of it.
TEST(SemanticParameterLengthTest, SecondPassOfTheFile) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 5",
             "Station_Type = 0",
             "User_Prm_Data_Len = 2",
             "User_Prm_Data = 0x00,0x01",
             "Max_User_Prm_Data_Len = 4",
             "PRMTEXT = 1",
             "TEXT(0) = off",
             "ENDPRMTEXT",
             "PRMTEXT = 2",
             "TEXT(0) = off",
             "ENDPRMTEXT",
             "EXTUSERPRMDATA = 1",
             "Unsigned8 = 0",
             "PRM_TEXT_REF = 1",
             "ENDEXTUSERPRMDATA",
             "EXTUSERPRMDATA = 2",
             "Unsigned8 = 0",
             "ENDEXTUSERPRMDATA",
             "EXTUSERPRMDATA = 2",
             "Unsigned8 = 0",
             "ENDEXTUSERPRMDATA",
             "Ext_User_Prm_Data_Ref(0) = 1",
             "EXTUSERPRMDATA = 3",
             "Unsigned8 = 0",
             "ENDEXTUSERPRMDATA",
             "Ext_User_Prm_Data_Ref(1) = 3",
             "DPV1_Slave = 1"});
    test::CompleteValueParts(doc);
    EXPECT_EQ(doc.RunPasses(),
              (Rows{E(18, msg::AmbiguousExtUserPrmData, 2, 2),
                    W(3, msg::UserPrmDataInvalidated, "Ext_User_Prm_Data_Ref"),
                    W(4, msg::UserPrmDataLenInvalidated, "Max_User_Prm_Data_Len"),
                    W(8, msg::UnreferencedPrmText, 2), W(15, msg::UnreferencedExtUserPrmData, 2)}));
}

} // namespace
} // namespace kvf
