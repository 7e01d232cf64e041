#pragma once

#include "catalogue/FormValues.h"
#include "catalogue/KeywordCatalogue.h"
#include "catalogue/ValueParts.h"
#include "core/InputForm.h"

#include <span>

namespace kvf {

struct RowCheck;

// The layouts a rule's keywords may be edited in, one bit per InputForm.
constexpr unsigned FormBit(InputForm form) {
    return 1u << static_cast<unsigned>(form);
}

// Everything a value rule does, one row per rule: how classification splits the value
// (action 1), how the parts fill the input form (action 0) and come back from it
// (action 2), and how the value is checked (action 3). A new rule is one more row and
// its functions.
struct ValueRuleRow {
    ValueRule Rule;
    // The layouts of the rule's keywords (bits of FormBit). Show and store depend on the
    // rule alone: a number shows and stores the same in a number field, radio buttons or a
    // check box; the layout only chooses the widget.
    unsigned Forms;
    ValueSplit Split;
    ValueShow Show;
    ValueStore Store;
    // The keyword has a value: false for the block keywords, whose store leaves the entry
    // as it was.
    bool HasValue;
    // The line must be a `Key = Value` line (not so for the keyword alone, a bare reference
    // number, the slot definition and the parameter definition lines).
    bool EqualSignRule;
    // The rule's check: 1 when everything passed, 0 after reporting its one error.
    int (*Check)(RowCheck& check);
    // The number widths the check reads from its keyword: none, Width, or Width and Width2.
    int NumberWidths;

    bool AllowsForm(InputForm form) const { return (Forms & FormBit(form)) != 0; }
};

const ValueRuleRow& ValueRuleOf(ValueRule rule);
std::span<const ValueRuleRow> ValueRuleRows();

} // namespace kvf
