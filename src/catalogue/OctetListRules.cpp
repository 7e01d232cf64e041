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
    std::string_view rest = list;
    while (!rest.empty()) {
        std::size_t comma = rest.find(',');
        items.push_back(rest.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        rest = Trim(rest.substr(comma + 1));
    }
    return items;
}

int CheckOctetList(std::string_view list, int& valueCount, std::vector<std::uint8_t>* bytes) {
    valueCount = 1;
    std::vector<std::string_view> items;
    if (list.find(',') == std::string_view::npos)
        items.push_back(list);
    else
        items = CommaListItems(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            ++valueCount;
        std::uint8_t byte = 0;
        if (!CheckNumber(items[i], kUnsigned8, &byte))
            return 0;
        if (bytes)
            bytes->push_back(byte);
    }
    return 1;
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
