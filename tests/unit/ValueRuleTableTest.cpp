// The value-rule table: one complete row per rule, catalogue rows that agree with their
// rule, and for every rule a line that survives show, store and a second reading.

#include "catalogue/ValueRuleTable.h"
#include "catalogue/KeywordCatalogue.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/CKeyDatabase.h"
#include "core/RunContext.h"
#include "core/TextLines.h"
#include "document/FileReader.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kvf {
namespace {

constexpr std::size_t kRuleCount = static_cast<std::size_t>(ValueRule::BitAreaLine) + 1;

TEST(ValueRuleTable, EveryRuleHasACompleteRowInEnumOrder) {
    ASSERT_EQ(ValueRuleRows().size(), kRuleCount);
    for (std::size_t i = 0; i < kRuleCount; ++i) {
        const auto rule = static_cast<ValueRule>(i);
        const ValueRuleRow& row = ValueRuleOf(rule);
        EXPECT_EQ(row.Rule, rule) << i;
        EXPECT_NE(row.Forms, 0u) << i;
        EXPECT_NE(row.Split, nullptr) << i;
        EXPECT_NE(row.Show, nullptr) << i;
        EXPECT_NE(row.Store, nullptr) << i;
        EXPECT_NE(row.Check, nullptr) << i;
        EXPECT_GE(row.NumberWidths, 0) << i;
        EXPECT_LE(row.NumberWidths, 2) << i;
    }
}

// Each catalogue row is edited in a layout its rule knows, and each keyword carries the
// number widths its rule reads: a missing one would check the value as a number of any
// size.
TEST(ValueRuleTable, CatalogueRowsAgreeWithTheirRule) {
    std::set<ValueRule> used;
    for (const CatalogueRow& row : KeywordCatalogue::Instance().Rows()) {
        const ValueRuleRow& rule = ValueRuleOf(row.Rule);
        const std::string_view first = row.Keywords.front().Name;
        used.insert(row.Rule);
        EXPECT_TRUE(rule.AllowsForm(row.Form)) << first;
        // Only keywords that stand alone take back what a store wrote.
        EXPECT_EQ(rule.HasValue, row.Form != InputForm::HelpOnly) << first;
        for (const CatalogueKeyword& keyword : row.Keywords) {
            if (rule.NumberWidths >= 1) {
                EXPECT_NE(keyword.Width.Bits, 0u) << keyword.Name;
            }
            if (rule.NumberWidths >= 2) {
                EXPECT_NE(keyword.Width2.Bits, 0u) << keyword.Name;
            }
        }
    }
    // A rule no keyword uses is dead weight in the table.
    EXPECT_EQ(used.size(), kRuleCount);
}

struct Fixture {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows, nullptr};
    RunContext run{services};
    CKeyDatabase database{&run};

    // The last entry of the lines, the current one.
    CDbEntry& Load(const std::string& text) {
        VectorTextLines lines = VectorTextLines::FromBytes("#TALVERON_DP\n" + text + "\n");
        BuildDatabase(run, database, lines);
        run.Focus.CurrentEntry = &database.At(database.Count() - 1);
        return *run.Focus.CurrentEntry;
    }
};

struct RoundTrip {
    ValueRule Rule;
    std::string Before; // lines the entry needs before it (its block)
    std::string Line;
};

// The line as the text view writes it back: key and value; a module reference line is the
// number alone.
std::string Written(const CDbEntry& entry, ValueRule rule) {
    const std::string value = entry.Value;
    if (rule == ValueRule::ReferenceLine)
        return value.substr(value.find('=') + 1);
    return std::string(entry.Key) + value;
}

TEST(ValueRuleTable, EveryRuleReadsBackWhatItStores) {
    using R = ValueRule;
    const RoundTrip cases[] = {
        {R::Boolean, "", "FMS_supp = 1"},
        {R::Unsigned8, "", "Repeater_Ctrl_Sig = 2"},
        {R::Unsigned16, "", "Ident_Number = 0x0815"},
        {R::Unsigned32, "", "TBASE_DP = 375"},
        {R::VisibleString, "", "Vendor_Name = \"ACME\""},
        {R::FileName, "", "Bitmap_Device = \"DEV\""},
        {R::NoValue, "Module = \"M\" 0x10\n", "EndModule"},
        {R::OctetList, "", "User_Prm_Data = 0x00,0x01"},
        {R::OffsetOctets, "", "Ext_User_Prm_Data_Const(0) = 0x01,0x02"},
        {R::TwoNumbers, "", "Ext_User_Prm_Data_Ref(2) = 3"},
        {R::BitArea, "", "Unit_Diag_Area = 16-23"},
        {R::IndexText, "", "Unit_Diag_Bit(7) = \"Hot\""},
        {R::NumberName, "", "ExtUserPrmData = 1 \"Mode\""},
        {R::Module, "", "Module = \"In\" 0x10,0x20"},
        {R::Slot, "SlotDefinition\n", "Slot(3) = \"S\" 5 5-9"},
        {R::FamilyList, "", "Slave_Family = 3@TK"},
        {R::ReferenceLine, "Module = \"M\" 0x10\n", "7"},
        {R::DataTypeLine, "ExtUserPrmData = 1 \"P\"\n", "Signed16 -4 -9-9"},
        {R::BitLine, "ExtUserPrmData = 1 \"P\"\n", "Bit(7) 0 0-1"},
        {R::BitAreaLine, "ExtUserPrmData = 1 \"P\"\n", "BitArea(4-5) 1 0,1,3"},
    };
    std::set<ValueRule> covered;
    for (const RoundTrip& c : cases) {
        Fixture f;
        CDbEntry& entry = f.Load(c.Before + c.Line);
        const CatalogueMatch match = KeywordCatalogue::Instance().Find(entry.Key);
        ASSERT_TRUE(match) << c.Line;
        EXPECT_EQ(match.Row->Rule, c.Rule) << c.Line;
        covered.insert(match.Row->Rule);
        const std::string key = entry.Key;
        const auto parts = entry.m_Ready;

        Dispatch(f.run, f.run.Focus, entry.Key, ACTION_SHOW, "");
        EXPECT_EQ(f.run.Focus.InputForm.FormKind, match.Row->Form) << c.Line;
        Dispatch(f.run, f.run.Focus, entry.Key, ACTION_STORE, "");
        EXPECT_EQ(f.run.Focus.InputForm.FormKind, match.Row->Form) << c.Line;

        Fixture again;
        CDbEntry& reread = again.Load(c.Before + Written(entry, c.Rule));
        EXPECT_EQ(std::string(reread.Key), key) << c.Line;
        EXPECT_EQ(reread.m_Ready, parts) << c.Line;
    }
    EXPECT_EQ(covered.size(), kRuleCount);
}

} // namespace
} // namespace kvf
