#pragma once

#include "core/CDbEntry.h"
#include "core/SettingsStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvf {

class RunContext;

// Keys that the catalogue does not know but the user registered with a data type, a tree
// group and a range or length text. Registrations live in the settings section "UserKeys"
// under the upper-cased key as "<data type index>;<group index>;<range text>"; the value
// "Summary" lists every registered key followed by a comma.
inline constexpr std::string_view kUserKeysSection = "UserKeys";
inline constexpr std::string_view kUserKeysSummary = "Summary";
// The reading of a registration whose value cannot be found: a string of at most 32
// characters in the general group.
inline constexpr std::string_view kDefaultUserKeySetting = "0;0;32";

// Data type index of the settings dialog (String, Integer, Bool, Octet String) and the
// entry type it gives; an unknown index gives TYPE_OCTET_STRING, an unknown type index 0.
int EntryTypeForDataTypeIndex(int dataTypeIndex);
int DataTypeIndexForEntryType(int entryType);

// Group index of the settings dialog and the tree group it gives; an unknown index gives
// PARENT_MODULE, a tree group without index gives -1 (no group selected).
unsigned TreeGroupForGroupIndex(int groupIndex);
int GroupIndexForTreeGroup(unsigned treeGroup);

// The upper-cased key has a non-empty value in "UserKeys".
bool IsRegisteredUserKey(const SettingsStore& settings, std::string_view key);

// Action 1 for a registered key: the stored setting sets Type, TreeGroup and RangeLen;
// fields missing from it keep the entry's values.
void ClassifyUserKey(const SettingsStore& settings, CDbEntry& entry,
                     const EntryTextWriter& writer = {});

// Action 3 for a registered key: the equal-sign rule, then the check of its data type
// against RangeLen. Reports at most one error; never sets Valid.
void CheckUserKey(RunContext& run, CDbEntry& entry);

// Whether a range text can be a String key's length: a decimal number, or empty for no
// limit.
bool IsStringLengthText(std::string_view rangeText);

// Every registered key, in alphabetical order: an entry of the upper-cased key classified
// by its stored setting, as the next build classifies it.
std::vector<CDbEntry> RegisteredUserKeys(const SettingsStore& settings);

// Takes a registration back: its value goes, and its item of "Summary" (the whole value
// when no key is left). Returns whether the key was registered.
bool RemoveUserKey(SettingsStore& settings, std::string_view key);

// "On OK" of the settings dialog: stores the registration, adds the key to "Summary" and
// applies the settings to the entry at once.
void RegisterUserKey(SettingsStore& settings, CDbEntry& entry, int dataTypeIndex, int groupIndex,
                     const std::string& rangeText);

// Whether a key may be registered: one the checker takes for a keyword, not empty and with no
// character the keyword character rule reports. Any other key would put into "Summary" (a
// list separated by commas) or into the settings file what was never a key.
bool IsRegistrableUserKey(std::string_view key);

// A stored setting taken apart: "<data type index>;<group index>;<range text>", both indexes
// decimal numbers of at most four digits, the range text whatever follows (it may be empty).
struct UserKeySetting {
    int DataTypeIndex = 0;
    int GroupIndex = 0;
    std::string RangeText;
};
bool ReadUserKeySetting(std::string_view setting, UserKeySetting& parts);

// The registration of a key and its stored setting as one text, as a quick fix or a client
// asks for it: false, and nothing stored, when the key may not be registered or the setting
// does not read as above.
bool RegisterUserKeySetting(SettingsStore& settings, std::string_view key,
                            std::string_view setting);

} // namespace kvf
