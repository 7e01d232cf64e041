#include "catalogue/UserKeys.h"

#include "catalogue/KeywordDispatcher.h"
#include "catalogue/NumberReader.h"
#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/AsciiText.h"
#include "core/MessageIds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace kvf {

namespace {

constexpr auto npos = std::string_view::npos;

constexpr std::array<int, 4> kEntryTypes = {TYPE_SIMPLE_STRING, TYPE_SIMPLE_UINT, TYPE_SIMPLE_BOOL,
                                            TYPE_OCTET_STRING};

constexpr std::array<unsigned, 9> kTreeGroups = {PARENT_GENERAL,
                                                 PARENT_SLAVE,
                                                 PARENT_MASTER,
                                                 PARENT_MODULE,
                                                 PARENT_PHYSICAL_INTERFACES,
                                                 PARENT_MODULE_ASSIGNMENT,
                                                 PARENT_SLAVE_EXT,
                                                 PARENT_SLAVE_DATA_EXCHNG,
                                                 PARENT_MASTER_EXT};

// The integer type words of a range text, searched in this order in the upper-cased text
// (so UCHAR is found before CHAR, USHORT before SHORT, UINT before INT).
struct IntegerType {
    std::string_view Word;
    NumberWidth Width;
    int RangeTextId;
};
constexpr IntegerType kIntegerTypes[] = {
    {"UCHAR", kUnsigned8, msg::RangeUChar}, {"USHORT", kUnsigned16, msg::RangeUShort},
    {"UINT", kUnsigned32, msg::RangeUInt},  {"CHAR", kSigned8, msg::RangeChar},
    {"SHORT", kSigned16, msg::RangeShort},  {"INT", kSigned32, msg::RangeInt},
};

constexpr std::string_view kNumberWord = "Number";
constexpr std::string_view kAllowedValueWord = "Allowed Value";
constexpr std::string_view kMinMaxWord = "Min-Max";
constexpr std::string_view kBooleanWord = "Boolean";

std::string SettingName(std::string_view key) {
    return ToUpperAscii(key);
}

// User keys have no catalogue row; their checks take every parameter from RangeLen.
const CatalogueKeyword& NoKeyword() {
    static const CatalogueKeyword keyword{};
    return keyword;
}

// Allowed values are compared as the number reader reads them, so that hexadecimal values,
// which the number rule accepts, compare by their value.
std::int64_t Number(std::string_view text) {
    return ValueNumber(Trim(text));
}

int CheckSingleAllowedValue(RowCheck& check, std::string_view value, std::string_view allowed) {
    if (!CheckNumber(value, kAnyNumber)) {
        check.Error(msg::UnexpectedFormat, kNumberWord);
        return 0;
    }
    if (!CheckNumber(allowed, kAnyNumber)) {
        check.Error(msg::UnexpectedFormat, kAllowedValueWord);
        return 0;
    }
    if (Number(value) != Number(allowed)) {
        check.Error(msg::NotWithinAllowedValues, check.Entry.RangeLen);
        return 0;
    }
    return 1;
}

// A user-defined key's value against the comma list of its range text, compared by number
// value (automatic base), the items of any width.
int CheckUserValueInList(RowCheck& check, std::string_view value, std::string_view list) {
    if (!CheckNumber(value, kAnyNumber)) {
        check.Error(msg::UnexpectedFormat, kNumberWord);
        return 0;
    }
    bool found = false;
    for (std::string_view item : CommaListItems(list)) {
        if (!CheckNumber(item, kAnyNumber)) {
            check.Error(msg::UnexpectedFormat, kAllowedValueWord);
            return 0;
        }
        if (Number(item) == Number(value))
            found = true;
    }
    if (!found) {
        check.Error(msg::NotWithinAllowedValues, check.Entry.RangeLen);
        return 0;
    }
    return 1;
}

// A user-defined key's value against the "min-max" of its range text, compared by number
// value, the bounds in either order.
int CheckUserValueInRange(RowCheck& check, std::string_view value, std::string_view range,
                          std::size_t separator) {
    const std::string_view minText = range.substr(0, separator);
    const std::string_view maxText = range.substr(separator + 1);
    if (!CheckNumber(minText, kAnyNumber) || !CheckNumber(maxText, kAnyNumber)) {
        check.Error(msg::UnexpectedFormat, kMinMaxWord);
        return 0;
    }
    std::int64_t min = Number(minText);
    std::int64_t max = Number(maxText);
    if (max < min)
        std::swap(min, max);
    if (!CheckNumber(value, kAnyNumber)) {
        check.Error(msg::UnexpectedFormat, min < 0 ? kNumberWord : kAllowedValueWord);
        return 0;
    }
    const std::int64_t number = Number(value);
    if (number < min || number > max) {
        check.Error(msg::ValueOutOfRange, check.Entry.RangeLen);
        return 0;
    }
    return 1;
}

void CheckInteger(RowCheck& check) {
    const std::string_view value = check.Entry.m_Ready[0];
    const std::string upper = ToUpperAscii(check.Entry.RangeLen);
    for (const IntegerType& type : kIntegerTypes) {
        if (upper.find(type.Word) == npos)
            continue;
        if (!CheckNumber(value, type.Width))
            check.Error(msg::ValueExceedsLimit, MessageText(type.RangeTextId));
        return;
    }

    const std::string_view range = Trim(check.Entry.RangeLen);
    // A comma list is taken as a list whether or not it holds a minus sign.
    if (range.find(',') != npos) {
        CheckUserValueInList(check, value, range);
        return;
    }
    // A leading minus belongs to the minimum; without a further minus the text is a single
    // (negative) value.
    const std::size_t separator = range.find('-', !range.empty() && range.front() == '-' ? 1 : 0);
    if (separator == npos)
        CheckSingleAllowedValue(check, value, range);
    else
        CheckUserValueInRange(check, value, range, separator);
}

// A String key registered without a length takes strings of any length; read as the number
// 0, its empty range text would fail every value.
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

void CheckString(RowCheck& check) {
    const std::string_view length = Trim(check.Entry.RangeLen);
    const int maxLength =
        length.empty() ? kNoLengthLimit : static_cast<std::int32_t>(ReadSigned32(length, 10).Bits);
    CheckStringValue(check, check.Entry.m_Ready[0], maxLength);
}

void CheckOctets(RowCheck& check) {
    if (!CheckOctetList(check.Entry.m_Ready[0], check.Entry.ValueCount))
        check.Error(msg::ValueExceedsLimit, MessageText(msg::RangeUChar));
}

// The summary lists each key once; it is compared item by item, so that a key that ends
// another one is still added.
bool SummaryHolds(std::string_view summary, std::string_view name) {
    for (std::string_view item : CommaListItems(summary))
        if (item == name)
            return true;
    return false;
}

} // namespace

int EntryTypeForDataTypeIndex(int dataTypeIndex) {
    if (dataTypeIndex < 0 || dataTypeIndex >= static_cast<int>(kEntryTypes.size()))
        return TYPE_OCTET_STRING;
    return kEntryTypes[static_cast<std::size_t>(dataTypeIndex)];
}

int DataTypeIndexForEntryType(int entryType) {
    for (std::size_t i = 1; i < kEntryTypes.size(); ++i)
        if (kEntryTypes[i] == entryType)
            return static_cast<int>(i);
    return 0;
}

unsigned TreeGroupForGroupIndex(int groupIndex) {
    if (groupIndex < 0 || groupIndex >= static_cast<int>(kTreeGroups.size()))
        return PARENT_MODULE;
    return kTreeGroups[static_cast<std::size_t>(groupIndex)];
}

int GroupIndexForTreeGroup(unsigned treeGroup) {
    for (std::size_t i = 0; i < kTreeGroups.size(); ++i)
        if (kTreeGroups[i] == treeGroup)
            return static_cast<int>(i);
    return -1;
}

bool IsRegisteredUserKey(const SettingsStore& settings, std::string_view key) {
    return !settings.GetString(std::string(kUserKeysSection), SettingName(key), "").empty();
}

void ClassifyUserKey(const SettingsStore& settings, CDbEntry& entry,
                     const EntryTextWriter& writer) {
    const std::string stored = settings.GetString(
        std::string(kUserKeysSection), SettingName(entry.Key), std::string(kDefaultUserKeySetting));
    std::string_view rest = stored;

    const NumberParse dataType = ReadSigned32(rest, 10);
    if (dataType.Consumed == 0)
        return;
    entry.Type = EntryTypeForDataTypeIndex(static_cast<std::int32_t>(dataType.Bits));
    rest.remove_prefix(dataType.Consumed);
    if (rest.empty() || rest.front() != ';')
        return;
    rest.remove_prefix(1);

    const NumberParse group = ReadSigned32(rest, 10);
    if (group.Consumed == 0)
        return;
    entry.TreeGroup = TreeGroupForGroupIndex(static_cast<std::int32_t>(group.Bits));
    rest.remove_prefix(group.Consumed);
    if (rest.empty() || rest.front() != ';')
        return;
    rest.remove_prefix(1);

    // The range text is taken whole (it may hold blanks, as in "10 - 20").
    const std::string_view rangeText = Trim(rest);
    if (!rangeText.empty())
        writer.Set(entry.RangeLen, rangeText);
}

void CheckUserKey(RunContext& run, CDbEntry& entry) {
    RowCheck check{run, entry, NoKeyword(), CheckedLines(run)};
    if (!CheckEqualSign(entry, check.Lines)) {
        check.Error(msg::EqualSign);
        return;
    }
    switch (entry.Type) {
    case TYPE_SIMPLE_STRING:
        CheckString(check);
        break;
    case TYPE_SIMPLE_UINT:
        CheckInteger(check);
        break;
    case TYPE_SIMPLE_BOOL:
        if (!CheckNumber(entry.m_Ready[0], kBooleanDigit))
            check.Error(msg::UnexpectedFormat, kBooleanWord);
        break;
    case TYPE_OCTET_STRING:
        CheckOctets(check);
        break;
    default:
        break;
    }
}

bool IsStringLengthText(std::string_view rangeText) {
    const std::string_view length = Trim(rangeText);
    if (length.empty())
        return true;
    const NumberParse number = ReadSigned32(length, 10);
    return number.Consumed == length.size() && length.front() != '-' && length.front() != '+' &&
           !number.Overflow;
}

std::vector<CDbEntry> RegisteredUserKeys(const SettingsStore& settings) {
    std::vector<std::string> names;
    for (const std::string& name : settings.Names(std::string(kUserKeysSection))) {
        // The checker looks a key up upper-cased: a name it never finds registers nothing.
        if (EqualsNoCase(name, kUserKeysSummary) || !IsRegisteredUserKey(settings, name))
            continue;
        names.push_back(SettingName(name));
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());

    std::vector<CDbEntry> keys;
    keys.reserve(names.size());
    for (const std::string& name : names) {
        CDbEntry& entry = keys.emplace_back(name, "", 0, 0);
        ClassifyUserKey(settings, entry);
    }
    return keys;
}

bool RemoveUserKey(SettingsStore& settings, std::string_view key) {
    const std::string section(kUserKeysSection);
    const std::string name = SettingName(key);
    const bool registered = IsRegisteredUserKey(settings, name);
    settings.Remove(section, name);

    const std::string summaryName(kUserKeysSummary);
    const std::string summary = settings.GetString(section, summaryName, "");
    std::string kept;
    bool listed = false;
    for (std::string_view item : CommaListItems(summary)) {
        item = Trim(item);
        if (item == name)
            listed = true;
        else if (!item.empty())
            kept.append(item).append(",");
    }
    if (!listed)
        return registered;
    if (kept.empty())
        settings.Remove(section, summaryName);
    else
        settings.SetString(section, summaryName, kept);
    return registered;
}

void RegisterUserKey(SettingsStore& settings, CDbEntry& entry, int dataTypeIndex, int groupIndex,
                     const std::string& rangeText) {
    const std::string section(kUserKeysSection);
    const std::string name = SettingName(entry.Key);
    settings.SetString(section, name,
                       std::to_string(dataTypeIndex) + ";" + std::to_string(groupIndex) + ";" +
                           rangeText);

    const std::string summaryName(kUserKeysSummary);
    const std::string summary = settings.GetString(section, summaryName, "");
    if (!SummaryHolds(summary, name))
        settings.SetString(section, summaryName, summary + name + ",");

    entry.Type = EntryTypeForDataTypeIndex(dataTypeIndex);
    entry.TreeGroup = TreeGroupForGroupIndex(groupIndex);
    entry.RangeLen = rangeText;
}

bool IsRegistrableUserKey(std::string_view key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), IsKeywordCharacter);
}

bool ReadUserKeySetting(std::string_view setting, UserKeySetting& parts) {
    constexpr std::size_t kMaxIndexDigits = 4;
    int* indexes[] = {&parts.DataTypeIndex, &parts.GroupIndex};
    for (int* index : indexes) {
        const std::size_t end = setting.find(';');
        const std::string_view digits = setting.substr(0, end);
        if (end == npos || digits.empty() || digits.size() > kMaxIndexDigits ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        *index = 0;
        for (char c : digits)
            *index = *index * 10 + (c - '0');
        setting.remove_prefix(end + 1);
    }
    parts.RangeText = std::string(setting);
    return true;
}

bool RegisterUserKeySetting(SettingsStore& settings, std::string_view key,
                            std::string_view setting) {
    UserKeySetting parts;
    if (!IsRegistrableUserKey(key) || !ReadUserKeySetting(setting, parts))
        return false;
    CDbEntry entry(std::string(key), "", 0, 0);
    RegisterUserKey(settings, entry, parts.DataTypeIndex, parts.GroupIndex, parts.RangeText);
    return true;
}

} // namespace kvf
