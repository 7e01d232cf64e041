// The structured values: block keywords without value, module reference lines, two
// numbers, index and text, number and name, bit areas and the family list.

#include "catalogue/NumberReader.h"
#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/MessageIds.h"

namespace kvf {

namespace {

constexpr std::string_view kBitAreaConstraint = "First_Bit<Last_Bit and Last_Bit-FirstBit<15";
constexpr std::string_view kSingleBitKeyword = "Unit_Diag_Bit";
constexpr int kMaxSubFamilies = 3;

// A number part with its width, type word and, when the keyword has one, its range.
int CheckNumberPart(RowCheck& check, std::string_view text, NumberWidth width) {
    if (!CheckNumber(text, width)) {
        check.Error(msg::UnexpectedFormat, check.TypeWord());
        return 0;
    }
    const std::string_view rangeText = check.Keyword.RangeText;
    if (!rangeText.empty() && !CheckRange(text, rangeText)) {
        check.Error(msg::ValueExceedsLimit, rangeText);
        return 0;
    }
    return 1;
}

} // namespace

int CheckNoValue(RowCheck& check) {
    if (!check.Entry.Value.empty() || CheckEqualSign(check.Entry, check.Lines)) {
        check.Error(msg::TooManyValues);
        return 0;
    }
    return 1;
}

int CheckReferenceLine(RowCheck& check) {
    if (!CheckNoValue(check))
        return 0;
    if (!CheckNumber(check.Entry.m_Ready[0], check.Keyword.Width)) {
        check.Error(msg::UnexpectedFormat, check.TypeWord("Unsigned16"));
        return 0;
    }
    return 1;
}

int CheckTwoNumbers(RowCheck& check) {
    const NumberWidth widths[2] = {check.Keyword.Width, check.Keyword.Width2};
    for (std::size_t i = 0; i < 2; ++i) {
        if (!CheckNumber(check.Entry.m_Ready[i], widths[i])) {
            check.Error(msg::UnexpectedFormat, check.TypeWord());
            return 0;
        }
    }
    return 1;
}

int CheckIndexText(RowCheck& check) {
    if (!CheckNumberPart(check, check.Entry.m_Ready[0], check.Keyword.Width))
        return 0;
    return CheckStringValue(check, check.Entry.m_Ready[1], check.Keyword.MaxLength);
}

int CheckNumberName(RowCheck& check) {
    if (!CheckNumber(check.Entry.m_Ready[0], check.Keyword.Width)) {
        check.Error(msg::UnexpectedFormat, check.TypeWord());
        return 0;
    }
    const int maxLength = check.Keyword.MaxLength > 0 ? check.Keyword.MaxLength : 32;
    return CheckStringValue(check, check.Entry.m_Ready[1], maxLength);
}

int CheckBitArea(RowCheck& check) {
    const NumberWidth width = check.Keyword.Width;
    const std::string_view firstText = check.Entry.m_Ready[0];
    const std::string_view lastText = check.Entry.m_Ready[1];
    if (!CheckNumberPart(check, firstText, width) || !CheckNumberPart(check, lastText, width))
        return 0;
    const std::int64_t first = ValueNumber(firstText);
    const std::int64_t last = ValueNumber(lastText);
    if (last < first || last - first > 15) {
        check.Error(msg::ValueOutOfRange, kBitAreaConstraint);
        return 0;
    }
    if (first == last)
        check.Report(LEVEL_WARNING, msg::UseInPlaceOfArea, kSingleBitKeyword);
    return 1;
}

int CheckFamilyList(RowCheck& check) {
    const std::string_view value = check.Entry.m_Ready[0];
    const NumberWidth width = check.Keyword.Width;
    const std::size_t separator = value.find('@');
    if (separator == std::string_view::npos) {
        if (!CheckNumber(value, width)) {
            check.Error(msg::UnexpectedFormat, check.TypeWord("Unsigned8"));
            return 0;
        }
        return 1;
    }

    // A bad main family is reported, and the sub-families are still checked.
    int passed = 1;
    if (!CheckNumber(value.substr(0, separator), width)) {
        check.Error(msg::UnexpectedFormat, check.TypeWord("Unsigned8"));
        passed = 0;
    }
    int subFamilies = 0;
    std::string_view rest = value.substr(separator + 1);
    while (true) {
        const std::size_t next = rest.find('@');
        if (rest.substr(0, next).empty()) {
            check.Error(msg::UnexpectedFormat, "Subfamily");
            return 0;
        }
        ++subFamilies;
        if (next == std::string_view::npos)
            break;
        rest = rest.substr(next + 1);
    }
    if (subFamilies > kMaxSubFamilies) {
        check.Error(msg::TooManyValues);
        return 0;
    }
    return passed;
}

} // namespace kvf
