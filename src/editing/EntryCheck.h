#pragma once

#include <string>

namespace kvf {

class AppServices;
class CheckRunHooks;
class CKeyDatabase;
class Document;
struct CDbEntry;
struct EntryFocus;

// The check of one entry, as Check Syntax of the tree, Apply of the input view and User
// Key... ask for it: the output is cleared, "Start Syntax-Check...", the entry's syntax
// check, "... check finished without errors." when it reported nothing, "Stop
// Syntax-Check...". The entry becomes the window's CurrentEntry (`shown`); the check runs
// in a context of its own. `hooks` shows the wait cursor meanwhile.
void CheckOneEntry(AppServices& app, EntryFocus& shown, Document& document, CDbEntry& entry,
                   CheckRunHooks* hooks = nullptr);

// The entry that begins on `longLine` with `key` (the same entry after a rebuild), or none.
CDbEntry* FindEntry(CKeyDatabase& database, int longLine, const std::string& key);

// The index of the entry whose lines (LongLine to Line) hold `line`, or -1 where none does.
long IndexOfEntryHolding(const CKeyDatabase& database, int line);

// Whether `entry` is one of the document's entries (a window's current entry that its
// database no longer holds is none).
bool DocumentHoldsEntry(const Document& document, const CDbEntry* entry);

} // namespace kvf
