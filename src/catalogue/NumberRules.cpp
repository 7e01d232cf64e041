// The number rows (Boolean, Unsigned8, Unsigned16, Unsigned32) and the range rule.

#include "catalogue/NumberReader.h"
#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/MessageIds.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace kvf {

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

struct Interval {
    std::int64_t Low;
    std::int64_t High;
};

// The values a range text accepts, as up to six closed intervals.
struct AcceptedValues {
    std::string_view RangeText;
    int Count;
    Interval Parts[6];
};

// The range texts are the ones the messages show, spelled as the catalogue spells them.
// Where the text is looser than the bound (an open upper end), the number rule's width
// caps the value.
constexpr AcceptedValues kAcceptedValues[] = {
    {"Unsigned8: 0..63", 1, {{0, 63}}},
    {"Unsigned8: 0|(16..255)", 2, {{0, 0}, {16, 255}}},
    {"Unsigned8: 0|1", 1, {{0, 1}}},
    {"Unsigned8: 6|(8..244)", 2, {{6, 6}, {8, 244}}},
    {"Unsigned8: 0..2", 1, {{0, 2}}},
    {"UNSIGNED8: 0..4, 128-255", 2, {{0, 4}, {128, 255}}},
    {"Unsigned8: 0..237", 1, {{0, 237}}},
    {"UNSIGNED8: 0..237", 1, {{0, 237}}},
    {"Unsigned8: 0..244", 1, {{0, 244}}},
    {"UNSIGNED8: 0..244", 1, {{0, 244}}},
    {"Unsigned8: 1..244", 1, {{1, 244}}},
    {"UNSIGNED8: 1..244", 1, {{1, 244}}},
    {"USHORT: 1..65535", 1, {{1, kMax}}},
    {"UNSIGNED16: 1..65535", 2, {{kMin, -1}, {1, kMax}}},
    {"UNSIGNED16: 12..65535", 1, {{12, kMax}}},
    {"USHORT: 0..488", 1, {{0, 488}}},
    {"USHORT: 0..495", 1, {{0, 495}}},
    {"USHORT: 24..495", 1, {{24, 495}}},
    {"Unsigned8: 16..31)", 1, {{16, 31}}},
    {"Unsigned8: 1..127", 1, {{1, 127}}},
    {"Unsigned8: 32..128,129", 1, {{32, 129}}},
    {"Unsigned8: 0,1,8,9", 4, {{0, 0}, {1, 1}, {8, 8}, {9, 9}}},
    {"UNSIGNED8: 0..240", 1, {{0, 240}}},
    {"UNSIGNED8: 0,48 .. 240", 2, {{0, 0}, {48, 240}}},
    {"UNSIGNED8: 0,48.. 244", 2, {{0, 0}, {48, 244}}},
    {"UNSIGNED8: 0,2.. 32", 2, {{0, 0}, {2, 32}}},
    {"UNSIGNED8: 0..49", 1, {{0, 49}}},
    {"UNSIGNED8: 0..125", 1, {{0, 125}}},
    {"Unsigned8: 0..3", 1, {{0, 3}}},
    {"UNSIGNED8: 0,5..244", 2, {{0, 0}, {5, 244}}},
    {"Unsigned8: 1..255", 1, {{1, 255}}},
    {"Unsigned8: 1..125", 1, {{1, 125}}},
    {"UNSIGNED8: 1..2", 1, {{1, 2}}},
    {"UNSIGNED8: 0..7", 1, {{0, 7}}},
    {"UNSIGNED32: 375, 750, 1500, 3000, 6000, 12000",
     6,
     {{375, 375}, {750, 750}, {1500, 1500}, {3000, 3000}, {6000, 6000}, {12000, 12000}}},
};

const AcceptedValues* FindAcceptedValues(std::string_view rangeText) {
    for (const auto& accepted : kAcceptedValues)
        if (accepted.RangeText == rangeText)
            return &accepted;
    return nullptr;
}

} // namespace

std::uint32_t ReadRuleNumber(std::string_view text, bool isSigned) {
    int base = text.find('x') != std::string_view::npos ? 0 : 10;
    return isSigned ? ReadSigned32(text, base).Bits : ReadUnsigned32(text, base).Bits;
}

bool IsKnownRangeText(std::string_view rangeText) {
    return FindAcceptedValues(rangeText) != nullptr;
}

int CheckRange(std::string_view value, std::string_view rangeText) {
    const AcceptedValues* accepted = FindAcceptedValues(rangeText);
    if (!accepted)
        return 1;
    const std::int64_t number = ValueNumber(value);
    for (int i = 0; i < accepted->Count; ++i)
        if (number >= accepted->Parts[i].Low && number <= accepted->Parts[i].High)
            return 1;
    return 0;
}

int CheckNumberValue(RowCheck& check) {
    const std::string_view value = check.Entry.m_Ready[0];
    const NumberWidth width = check.Keyword.Width;
    if (!CheckNumber(value, width)) {
        check.Error(msg::UnexpectedFormat,
                    check.TypeWord(width == kBooleanDigit ? "Boolean" : "Number"));
        return 0;
    }
    const std::string_view rangeText = check.Keyword.RangeText;
    if (!rangeText.empty() && !CheckRange(value, rangeText)) {
        check.Error(msg::ValueExceedsLimit, rangeText);
        return 0;
    }
    return 1;
}

} // namespace kvf
