#pragma once

#include <QStringList>

namespace kvf {

class CKeyDatabase;
struct CDbEntry;

namespace views {

// The lines of the details box of an entry: key and value in double quotes, then every
// field of the entry by its name (the debugging view of the tree's context menu).
QStringList EntryDetailsLines(const CDbEntry& entry, const CKeyDatabase& database);

} // namespace views
} // namespace kvf
