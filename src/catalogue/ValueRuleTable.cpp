// The value-rule table: for each ValueRule its split, show, store, equal-sign flag and
// check, in the order of the enum.

#include "catalogue/ValueRuleTable.h"

#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"

#include <iterator>

namespace kvf {
namespace {

int CheckVisibleStringValue(RowCheck& check) {
    return CheckStringValue(check, check.Entry.m_Ready[0], check.Keyword.MaxLength);
}
int CheckOctetListPart(RowCheck& check) {
    return CheckOctetListValue(check, check.Entry.m_Ready[0]);
}

constexpr unsigned kNumberForms =
    FormBit(InputForm::Number) | FormBit(InputForm::ThreeChoices) | FormBit(InputForm::TwoChoices);
constexpr unsigned kBooleanForms = FormBit(InputForm::Feature) | FormBit(InputForm::TwoChoices);
constexpr unsigned kString = FormBit(InputForm::String);

using R = ValueRule;
using F = InputForm;

// {rule, forms, split, show, store, has a value, equal-sign rule, check, widths read}
// clang-format off
constexpr ValueRuleRow kValueRules[] = {
    {R::Boolean, kBooleanForms, SplitWholeValue, ShowFirstPart, StorePlainValue, true, true,
     CheckNumberValue, 1},
    {R::Unsigned8, kNumberForms, SplitWholeValue, ShowFirstPart, StorePlainValue, true, true,
     CheckNumberValue, 1},
    {R::Unsigned16, kNumberForms, SplitWholeValue, ShowFirstPart, StorePlainValue, true, true,
     CheckNumberValue, 1},
    {R::Unsigned32, kNumberForms, SplitWholeValue, ShowFirstPart, StorePlainValue, true, true,
     CheckNumberValue, 1},
    {R::VisibleString, kString, SplitQuotedString, ShowFirstPart, StoreQuotedValue, true, true,
     CheckVisibleStringValue, 0},
    {R::FileName, kString, SplitQuotedString, ShowFirstPart, StoreQuotedValue, true, true,
     CheckFileNameValue, 0},
    {R::NoValue, FormBit(F::HelpOnly), SplitFirstPart, ShowNoValue, StoreNoValue, false, false,
     CheckNoValue, 0},
    {R::OctetList, kString, SplitTrimmedList, ShowFirstPart, StorePlainValue, true, true,
     CheckOctetListPart, 0},
    {R::OffsetOctets, FormBit(F::IndexText), SplitAtMark, ShowTwoParts, StoreIndexedValue, true,
     true, CheckOffsetOctets, 0},
    {R::TwoNumbers, FormBit(F::TwoNumbers), SplitAtMark, ShowTwoParts, StoreIndexedValue, true,
     true, CheckTwoNumbers, 2},
    {R::BitArea, FormBit(F::TwoNumbers), SplitBitArea, ShowTwoParts, StoreBitArea, true, true,
     CheckBitArea, 1},
    {R::IndexText, FormBit(F::IndexText), SplitAtMark, ShowTwoParts, StoreIndexedText, true, true,
     CheckIndexText, 1},
    {R::NumberName, FormBit(F::IndexText), SplitNumberName, ShowTwoParts, StoreNumberName, true,
     true, CheckNumberName, 1},
    {R::Module, FormBit(F::Module), SplitAtMark, ShowModule, StoreModule, true, true,
     CheckModule, 0},
    {R::Slot, FormBit(F::Slot), SplitSlot, ShowSlot, StoreSlot, true, false, CheckSlot, 2},
    {R::FamilyList, kString, SplitTrimmedList, ShowFirstPart, StorePlainValue, true, true,
     CheckFamilyList, 1},
    {R::ReferenceLine, FormBit(F::Number), SplitWholeValue, ShowFirstPart, StorePlainValue, true,
     false, CheckReferenceLine, 1},
    {R::DataTypeLine, FormBit(F::DataTypeLine), SplitDataTypeLine, ShowDataTypeLine,
     StoreDataTypeLine, true, false, CheckDataTypeLine, 1},
    {R::BitLine, FormBit(F::BitLine), SplitBitLine, ShowBitLine, StoreBitLine, true, false,
     CheckBitLine, 0},
    {R::BitAreaLine, FormBit(F::BitLine), SplitBitAreaLine, ShowBitAreaLine, StoreBitAreaLine,
     true, false, CheckBitAreaLine, 0},
};
// clang-format on

constexpr bool RowsFollowTheRules() {
    for (std::size_t i = 0; i < std::size(kValueRules); ++i)
        if (static_cast<std::size_t>(kValueRules[i].Rule) != i)
            return false;
    return static_cast<std::size_t>(ValueRule::BitAreaLine) + 1 == std::size(kValueRules);
}
static_assert(RowsFollowTheRules(), "one row per value rule, in the order of ValueRule");

} // namespace

const ValueRuleRow& ValueRuleOf(ValueRule rule) {
    return kValueRules[static_cast<std::size_t>(rule)];
}

std::span<const ValueRuleRow> ValueRuleRows() {
    return kValueRules;
}

} // namespace kvf
