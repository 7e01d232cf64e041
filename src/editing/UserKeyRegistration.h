#pragma once

#include <string>

namespace kvf {

class AppServices;
class Document;
struct CDbEntry;

// The registration of "User Key..." as OK stores it: the key, its data type, group and range
// in the settings store, the key in "Summary", and the entry's type, group and range at
// once. The document's other entries of the same key follow, as a rebuild would classify
// them, unless the catalogue knows the key (then its row still classifies them). False, and
// nothing changed, for a key that may not be registered (IsRegistrableUserKey).
bool ApplyUserKeyRegistration(AppServices& app, Document& document, CDbEntry& entry,
                              int dataTypeIndex, int groupIndex, const std::string& rangeText);

} // namespace kvf
