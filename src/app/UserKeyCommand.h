#pragma once

#include <string>

namespace kvf {

class AppServices;
struct EntryFocus;
class Document;
struct CDbEntry;

// The registration of "User Key..." as OK stores it: the key, its data type, group and range
// in the settings store, the key in "Summary", and the entry's type, group and range at
// once. The document's other entries of the same key follow, as a rebuild would classify
// them, unless the catalogue knows the key (then its row still classifies them).
void ApplyUserKeyRegistration(AppServices& app, Document& document, CDbEntry& entry,
                              int dataTypeIndex, int groupIndex, const std::string& rangeText);

// The check of one entry with its frame rows: the output window is cleared, "Start
// Syntax-Check...", the entry's syntax check, "... check finished without errors." when it
// reported nothing, "Stop Syntax-Check...". The entry becomes the window's CurrentEntry
// (`shown`); the check runs in a context of its own.
void CheckOneEntry(AppServices& app, EntryFocus& shown, Document& document, CDbEntry& entry);

// Whether `entry` is one of the document's entries (a window's current entry that its
// database no longer holds is none).
bool DocumentHoldsEntry(const Document& document, const CDbEntry* entry);

} // namespace kvf
