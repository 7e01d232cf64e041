// Action 3 of a catalogue row: the equal-sign rule where the value rule has one, then the
// rule's check; the entry counts as valid when both passed.

#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "catalogue/ValueRuleTable.h"
#include "core/Document.h"
#include "core/MessageIds.h"

namespace kvf {

namespace {

// A check without document sees no lines.
const VectorTextLines& NoLines() {
    static const VectorTextLines noLines;
    return noLines;
}

} // namespace

const TextLines& CheckedLines(const RunContext& run) {
    return run.CheckedDocument ? run.CheckedDocument->Lines() : NoLines();
}

void CheckRowValue(RunContext& run, CDbEntry& entry, const CatalogueRow& row,
                   const CatalogueKeyword& keyword) {
    RowCheck check{run, entry, keyword, CheckedLines(run)};
    const ValueRuleRow& rule = ValueRuleOf(row.Rule);
    if (rule.EqualSignRule && !CheckEqualSign(entry, check.Lines)) {
        check.Error(msg::EqualSign);
        return;
    }
    if (rule.Check(check))
        entry.Valid = 1;
}

} // namespace kvf
