// Action 3 of a catalogue row: which rules run, in which order, and when the entry counts
// as valid.

#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/Document.h"
#include "core/MessageIds.h"

namespace kvf {

namespace {

// Rows whose line is no `Key = Value` line: the keyword alone, a bare reference number,
// the slot definition and the parameter definition lines.
bool HasEqualSignRule(ValueRule rule) {
    switch (rule) {
    case ValueRule::NoValue:
    case ValueRule::ReferenceLine:
    case ValueRule::Slot:
    case ValueRule::DataTypeLine:
    case ValueRule::BitLine:
    case ValueRule::BitAreaLine:
        return false;
    default:
        return true;
    }
}

int RunValueRule(RowCheck& check, ValueRule rule) {
    switch (rule) {
    case ValueRule::Boolean:
    case ValueRule::Unsigned8:
    case ValueRule::Unsigned16:
    case ValueRule::Unsigned32:
        return CheckNumberValue(check, rule);
    case ValueRule::VisibleString:
        return CheckStringValue(check, check.Entry.m_Ready[0], check.Keyword.MaxLength);
    case ValueRule::FileName:
        return CheckFileNameValue(check);
    case ValueRule::NoValue:
        return CheckNoValue(check);
    case ValueRule::OctetList:
        return CheckOctetListValue(check, check.Entry.m_Ready[0]);
    case ValueRule::OffsetOctets:
        return CheckOffsetOctets(check);
    case ValueRule::TwoNumbers:
        return CheckTwoNumbers(check);
    case ValueRule::BitArea:
        return CheckBitArea(check);
    case ValueRule::IndexText:
        return CheckIndexText(check);
    case ValueRule::NumberName:
        return CheckNumberName(check);
    case ValueRule::Module:
        return CheckModule(check);
    case ValueRule::Slot:
        return CheckSlot(check);
    case ValueRule::FamilyList:
        return CheckFamilyList(check);
    case ValueRule::ReferenceLine:
        return CheckReferenceLine(check);
    case ValueRule::DataTypeLine:
        return CheckDataTypeLine(check);
    case ValueRule::BitLine:
        return CheckBitLine(check);
    case ValueRule::BitAreaLine:
        return CheckBitAreaLine(check);
    }
    return 0;
}

} // namespace

const TextLines& CheckedLines(const AppState& app) {
    static const VectorTextLines noLines;
    return app.CheckedDocument ? app.CheckedDocument->Lines() : noLines;
}

void CheckRowValue(AppState& app, CDbEntry& entry, const CatalogueRow& row,
                   const CatalogueKeyword& keyword) {
    RowCheck check{app, entry, keyword, CheckedLines(app)};
    if (HasEqualSignRule(row.Rule) && !CheckEqualSign(entry, check.Lines)) {
        check.Error(msg::EqualSign);
        return;
    }
    if (RunValueRule(check, row.Rule))
        entry.Valid = 1;
}

} // namespace kvf
