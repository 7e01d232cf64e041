#pragma once

#include <string>

namespace kvf {

struct CDbEntry;
struct CatalogueRow;

// Splits a freshly read value into the entry's value parts m_Ready as the row's form
// prescribes (classification). `value` is the value as the reader cut it.
void SplitValueParts(CDbEntry& entry, const CatalogueRow& row, const std::string& value);

} // namespace kvf
