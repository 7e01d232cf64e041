// The lines of a parameter definition: the numeric data type lines, BIT and BITAREA, and
// the Slot line of the module assignment. All of them hold a default value followed by the
// allowed values, a comma list or a range Min-Max.

#include "catalogue/NumberReader.h"
#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/AsciiText.h"
#include "core/MessageIds.h"

#include <cstdint>

namespace kvf {

namespace {

constexpr auto npos = std::string_view::npos;

constexpr std::string_view kMinMax = "Min-Max";
constexpr std::string_view kMinMaxConstraint = "Min<Max & Min<=Default<=Max";
constexpr std::string_view kBitNumberRange = "Unsigned8: 0..7";
constexpr std::string_view kBitValues = "BIT: 0|1";
constexpr std::string_view kByteRange = "Unsigned8: 0..255";
constexpr std::string_view kMalformedArea = "Area: Unsigned8-Unsigned8";
constexpr std::string_view kBitAreaConstraint = "First_Bit<=Last_Bit & Last_Bit-FirstBit<7";
constexpr std::string_view kAreaTooSmall = "Min..Max too large for area";
constexpr std::string_view kSingleBitKeyword = "BIT";
constexpr std::string_view kModuleReferenceWord = "Unsigned16";

// How one kind of line treats its allowed values.
struct AllowedValuesRule {
    NumberWidth Width;                 // of items, Min and Max; signed: comparisons, leading minus
    int BadItemId;                     // message for an item, Min or Max that is no number
    std::string_view BadItemText;      // its second argument
    std::string_view LeadingMinusText; // unsigned: message 132 for a `-` in first position
    bool SingleValue = false;          // without comma and `-`: one value, equal to the default
    int AreaBits = 0;                  // Min and Max must fit into this many bits; 0: no limit
};

std::string_view UnsignedTypeRange(NumberWidth width) {
    switch (width.Bits) {
    case 16:
        return "USHORT: 0..65535";
    case 32:
        return "UINT: 0..4294967295";
    default:
        return kByteRange;
    }
}

bool LessThan(std::uint32_t a, std::uint32_t b, bool isSigned) {
    return isSigned ? static_cast<std::int32_t>(a) < static_cast<std::int32_t>(b) : a < b;
}

// A parameter line's default against a comma list of allowed values: every item must pass
// the number rule of the line's width, and the default must be one of them as written.
int CheckDefaultInAllowedList(RowCheck& check, std::string_view defaultText,
                              std::string_view allowed, const AllowedValuesRule& rule) {
    bool found = false;
    bool stopped = false;
    bool first = true;
    ForEachCommaListItem(allowed, [&](std::string_view item) {
        if (!first)
            ++check.Entry.ValueCount;
        first = false;
        if (!CheckNumber(item, rule.Width)) {
            check.Error(rule.BadItemId, rule.BadItemText);
            stopped = true;
            return false;
        }
        if (Trim(item) == defaultText)
            found = true;
        return true;
    });
    if (found)
        return stopped ? 0 : 1;
    // A list cut short by a bad item cannot tell whether the default was among the rest.
    if (stopped)
        check.ReportPlain(LEVEL_ERROR, msg::DefaultNotAllowed);
    else
        check.Error(msg::NotWithinAllowedValues, allowed);
    return 0;
}

// A parameter line's default against a "min-max" range, compared as the line's data type
// (signed or unsigned 32-bit), within the bits of an area.
int CheckDefaultInAllowedRange(RowCheck& check, std::string_view defaultText,
                               std::string_view allowed, const AllowedValuesRule& rule) {
    if (!rule.Width.Signed && allowed.front() == '-') {
        check.Error(msg::ValueOutOfRange, rule.LeadingMinusText);
        return 0;
    }
    // A leading minus of a signed type belongs to the minimum.
    const std::size_t separator =
        allowed.find('-', rule.Width.Signed && allowed.front() == '-' ? 1 : 0);
    const std::string_view minText = allowed.substr(0, separator);
    const std::string_view maxText =
        separator == npos ? std::string_view() : allowed.substr(separator + 1);
    if (!CheckNumber(minText, rule.Width) || !CheckNumber(maxText, rule.Width)) {
        check.Error(rule.BadItemId, rule.BadItemText);
        return 0;
    }
    const std::uint32_t min = ReadRuleNumber(Trim(minText), rule.Width.Signed);
    const std::uint32_t max = ReadRuleNumber(Trim(maxText), rule.Width.Signed);
    if (rule.AreaBits > 0) {
        const std::uint32_t areaMax = (1u << rule.AreaBits) - 1u;
        if (min > areaMax || max > areaMax) {
            check.Error(msg::ValueOutOfRange, kAreaTooSmall);
            return 0;
        }
    }
    const std::uint32_t value = ReadRuleNumber(defaultText, rule.Width.Signed);
    if (LessThan(max, min, rule.Width.Signed) || LessThan(value, min, rule.Width.Signed) ||
        LessThan(max, value, rule.Width.Signed)) {
        check.Error(msg::ValueOutOfRange, kMinMaxConstraint);
        return 0;
    }
    return 1;
}

// The allowed values of a line whose default already passed. ValueCount := 1, plus one for
// each further list item.
int CheckAllowedValues(RowCheck& check, std::string_view defaultText, std::string_view allowed,
                       const AllowedValuesRule& rule) {
    check.Entry.ValueCount = 1;
    defaultText = Trim(defaultText);
    allowed = Trim(allowed);
    if (allowed.find(',') != npos)
        return CheckDefaultInAllowedList(check, defaultText, allowed, rule);
    if (allowed.find('-') != npos)
        return CheckDefaultInAllowedRange(check, defaultText, allowed, rule);
    if (!rule.SingleValue || !CheckNumber(allowed, rule.Width)) {
        check.Error(msg::UnexpectedFormat, kMinMax);
        return 0;
    }
    if (allowed != defaultText) {
        check.ReportPlain(LEVEL_ERROR, msg::DefaultNotAllowed);
        return 0;
    }
    return 1;
}

} // namespace

int CheckDataTypeLine(RowCheck& check) {
    const NumberWidth width = check.Keyword.Width;
    const std::string_view typeName = check.TypeWord();
    const std::string_view defaultText = check.Entry.m_Ready[0];
    if (!CheckNumber(defaultText, width)) {
        check.Error(msg::UnexpectedFormat, typeName);
        return 0;
    }
    const AllowedValuesRule rule{width, msg::UnexpectedFormat, typeName, UnsignedTypeRange(width)};
    return CheckAllowedValues(check, defaultText, check.Entry.m_Ready[1], rule);
}

int CheckBitLine(RowCheck& check) {
    const std::string_view bitNumber = check.Entry.m_Ready[0];
    if (!CheckNumber(bitNumber, kUnsigned8) || ValueNumber(bitNumber) > 7) {
        check.Error(msg::ValueOutOfRange, kBitNumberRange);
        return 0;
    }
    const std::string_view defaultText = check.Entry.m_Ready[1];
    if (!CheckNumber(defaultText, kBooleanDigit)) {
        check.Error(msg::ValueExceedsLimit, kBitValues);
        return 0;
    }
    const AllowedValuesRule rule{kBooleanDigit, msg::ValueOutOfRange, kBitValues, kBitValues};
    return CheckAllowedValues(check, defaultText, check.Entry.m_Ready[2], rule);
}

int CheckBitAreaLine(RowCheck& check) {
    const CDbEntry& entry = check.Entry;
    if (!CheckNumber(entry.m_Ready[0], kUnsigned8) || !CheckNumber(entry.m_Ready[1], kUnsigned8)) {
        check.Error(msg::UnexpectedFormat, kMalformedArea);
        return 0;
    }
    const std::int32_t first = ValueNumber(entry.m_Ready[0]);
    const std::int32_t last = ValueNumber(entry.m_Ready[1]);
    if (first > 7 || last > 7) {
        check.Error(msg::ValueOutOfRange, kBitNumberRange);
        return 0;
    }
    if (last < first || last - first > 7) {
        check.Error(msg::ValueOutOfRange, kBitAreaConstraint);
        return 0;
    }
    if (first == last)
        check.Report(LEVEL_WARNING, msg::UseInPlaceOfArea, kSingleBitKeyword);

    const std::string_view defaultText = Trim(entry.m_Ready[2]);
    if (!defaultText.empty() && defaultText.front() == '-') {
        check.Error(msg::ValueOutOfRange, kByteRange);
        return 0;
    }
    if (!CheckNumber(defaultText, kUnsigned8)) {
        check.Error(msg::UnexpectedFormat, check.TypeWord());
        return 0;
    }
    AllowedValuesRule rule{kUnsigned8, msg::UnexpectedFormat, check.TypeWord(), kByteRange};
    rule.AreaBits = last - first + 1;
    return CheckAllowedValues(check, defaultText, entry.m_Ready[3], rule);
}

int CheckSlot(RowCheck& check) {
    const CDbEntry& entry = check.Entry;
    if (!CheckNumber(entry.m_Ready[0], check.Keyword.Width)) {
        check.Error(msg::UnexpectedFormat, check.TypeWord("Unsigned8"));
        return 0;
    }
    const int maxLength = check.Keyword.MaxLength > 0 ? check.Keyword.MaxLength : 32;
    if (!CheckStringValue(check, entry.m_Ready[1], maxLength))
        return 0;
    const NumberWidth referenceWidth = check.Keyword.Width2;
    if (!CheckNumber(entry.m_Ready[2], referenceWidth)) {
        check.Error(msg::UnexpectedFormat, kModuleReferenceWord);
        return 0;
    }
    AllowedValuesRule rule{referenceWidth, msg::UnexpectedFormat, kModuleReferenceWord,
                           kModuleReferenceWord};
    rule.SingleValue = true;
    return CheckAllowedValues(check, entry.m_Ready[2], entry.m_Ready[3], rule);
}

} // namespace kvf
