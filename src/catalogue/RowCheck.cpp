// Action 3 of a catalogue row: which rules run, in which order, and when the entry counts
// as valid.

#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/Document.h"
#include "core/MessageIds.h"

#include <iterator>

namespace kvf {

namespace {

int CheckVisibleStringValue(RowCheck& check) {
    return CheckStringValue(check, check.Entry.m_Ready[0], check.Keyword.MaxLength);
}
int CheckOctetListPart(RowCheck& check) {
    return CheckOctetListValue(check, check.Entry.m_Ready[0]);
}

// What action 3 does for each value rule: whether the line must be a `Key = Value` line
// (not so for the keyword alone, a bare reference number, the slot definition and the
// parameter definition lines), and the rule's check. One row per rule, in the order of
// ValueRule.
struct ValueRuleCheck {
    ValueRule Rule;
    bool EqualSignRule;
    int (*Check)(RowCheck& check);
};

constexpr ValueRuleCheck kValueRuleChecks[] = {
    {ValueRule::Boolean, true, CheckNumberValue},
    {ValueRule::Unsigned8, true, CheckNumberValue},
    {ValueRule::Unsigned16, true, CheckNumberValue},
    {ValueRule::Unsigned32, true, CheckNumberValue},
    {ValueRule::VisibleString, true, CheckVisibleStringValue},
    {ValueRule::FileName, true, CheckFileNameValue},
    {ValueRule::NoValue, false, CheckNoValue},
    {ValueRule::OctetList, true, CheckOctetListPart},
    {ValueRule::OffsetOctets, true, CheckOffsetOctets},
    {ValueRule::TwoNumbers, true, CheckTwoNumbers},
    {ValueRule::BitArea, true, CheckBitArea},
    {ValueRule::IndexText, true, CheckIndexText},
    {ValueRule::NumberName, true, CheckNumberName},
    {ValueRule::Module, true, CheckModule},
    {ValueRule::Slot, false, CheckSlot},
    {ValueRule::FamilyList, true, CheckFamilyList},
    {ValueRule::ReferenceLine, false, CheckReferenceLine},
    {ValueRule::DataTypeLine, false, CheckDataTypeLine},
    {ValueRule::BitLine, false, CheckBitLine},
    {ValueRule::BitAreaLine, false, CheckBitAreaLine},
};

constexpr bool RowsFollowTheRules() {
    for (std::size_t i = 0; i < std::size(kValueRuleChecks); ++i)
        if (static_cast<std::size_t>(kValueRuleChecks[i].Rule) != i)
            return false;
    return static_cast<std::size_t>(ValueRule::BitAreaLine) + 1 == std::size(kValueRuleChecks);
}
static_assert(RowsFollowTheRules(), "one row per value rule, in the order of ValueRule");

const ValueRuleCheck& ChecksOf(ValueRule rule) {
    return kValueRuleChecks[static_cast<std::size_t>(rule)];
}

} // namespace

const TextLines& CheckedLines(const AppState& app) {
    static const VectorTextLines noLines;
    return app.CheckedDocument ? app.CheckedDocument->Lines() : noLines;
}

void CheckRowValue(AppState& app, CDbEntry& entry, const CatalogueRow& row,
                   const CatalogueKeyword& keyword) {
    RowCheck check{app, entry, keyword, CheckedLines(app)};
    const ValueRuleCheck& rule = ChecksOf(row.Rule);
    if (rule.EqualSignRule && !CheckEqualSign(entry, check.Lines)) {
        check.Error(msg::EqualSign);
        return;
    }
    if (rule.Check(check))
        entry.Valid = 1;
}

} // namespace kvf
