// The octet list and the rules built on it: user parameter data, the constant parameter
// rows (offset and octets) and the module with its configuration identifiers.

#include "catalogue/NumberReader.h"
#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/AsciiText.h"
#include "core/MessageIds.h"

namespace kvf {

namespace {

constexpr std::string_view kOctetRangeText = "0x00-0xff";
// The offset of the constant parameter rows is bounded like the parameter data length.
constexpr std::string_view kOffsetRangeText = "Unsigned8: 0..237";

bool IsSpecialIdentifier(std::uint8_t b) {
    return (b & 0x30) == 0;
}

// The bytes that follow a special identifier: its low four bits (15 meaning none), one
// more when bit 7 is set, one more when bit 6 is set.
int AnnouncedBytes(std::uint8_t b) {
    int count = b & 0x0F;
    if (count == 15)
        count = 0;
    if (b & 0x80)
        ++count;
    if (b & 0x40)
        ++count;
    return count;
}

} // namespace

std::vector<std::string_view> CommaListItems(std::string_view list) {
    std::vector<std::string_view> items;
    ForEachCommaListItem(list, [&items](std::string_view item) {
        items.push_back(item);
        return true;
    });
    return items;
}

int CheckOctetList(std::string_view list, int& valueCount, std::vector<std::uint8_t>* bytes) {
    valueCount = 1;
    bool first = true;
    bool passed = true;
    auto check = [&](std::string_view item) {
        if (!first)
            ++valueCount;
        first = false;
        std::uint8_t byte = 0;
        if (!CheckNumber(item, kUnsigned8, &byte))
            return passed = false;
        if (bytes)
            bytes->push_back(byte);
        return true;
    };
    // A list without a comma is one item, even an empty one.
    if (list.find(',') == std::string_view::npos)
        check(list);
    else
        ForEachCommaListItem(list, check);
    return passed ? 1 : 0;
}

int CheckConfigurationBytes(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() == 1)
        return (bytes[0] != 0 && IsSpecialIdentifier(bytes[0])) ? 0 : 1;
    int pending = 0;
    for (std::uint8_t b : bytes) {
        if (pending > 0)
            --pending; // b belongs to the previous special identifier
        else if (IsSpecialIdentifier(b))
            pending = AnnouncedBytes(b);
    }
    return pending > 0 ? 0 : 1;
}

int CheckOctetListValue(RowCheck& check, std::string_view list) {
    if (!CheckOctetList(list, check.Entry.ValueCount)) {
        check.Error(msg::ValueOutOfRange, kOctetRangeText);
        return 0;
    }
    return 1;
}

int CheckOffsetOctets(RowCheck& check) {
    const std::string_view offset = check.Entry.m_Ready[0];
    if (!CheckNumber(offset, kUnsigned8)) {
        check.Error(msg::UnexpectedFormat, check.TypeWord());
        return 0;
    }
    if (!CheckRange(offset, kOffsetRangeText)) {
        check.Error(msg::ValueExceedsLimit, kOffsetRangeText);
        return 0;
    }
    return CheckOctetListValue(check, check.Entry.m_Ready[1]);
}

int CheckModule(RowCheck& check) {
    const int maxLength = check.Keyword.MaxLength > 0 ? check.Keyword.MaxLength : 32;
    if (!CheckStringValue(check, check.Entry.m_Ready[0], maxLength))
        return 0;
    std::vector<std::uint8_t> bytes;
    if (!CheckOctetList(check.Entry.m_Ready[1], check.Entry.ValueCount, &bytes)) {
        check.Error(msg::ValueOutOfRange, kOctetRangeText);
        return 0;
    }
    // Incomplete configuration data are reported, but the entry still counts as valid.
    if (!CheckConfigurationBytes(bytes))
        check.Error(msg::ConfigurationInvalid);
    return 1;
}

} // namespace kvf
