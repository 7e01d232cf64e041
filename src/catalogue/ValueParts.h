#pragma once

#include "core/EntryText.h"

#include <string_view>

namespace kvf {

struct CDbEntry;
struct CatalogueRow;

// Splits a freshly read value into the entry's value parts m_Ready as the row's form
// prescribes (classification). `value` is the value as the reader cut it. The parts, and a
// Value the split rewrites, go where `writer` puts them.
void SplitValueParts(CDbEntry& entry, const CatalogueRow& row, std::string_view value,
                     const EntryTextWriter& writer);

} // namespace kvf
