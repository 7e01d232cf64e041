#pragma once

#include "core/EntryText.h"

#include <string_view>

namespace kvf {

struct CDbEntry;

// The splits of classification (action 1). Each takes the value as the reader cut it and
// fills the entry's value parts m_Ready; some also rewrite Value. The texts go where
// `writer` puts them. The value-rule table names the split of each rule.
using ValueSplit = void (*)(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);

// Numbers, Booleans, choices and reference lines: the value as read is the first part.
void SplitWholeValue(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// Keywords without a value of their own (and keys without a row): the value up to its
// first mark is the first part.
void SplitFirstPart(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// Strings: Value with its marks blanked and trimmed, and the first part the same.
void SplitQuotedString(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// Octet and family lists: Value trimmed, and the first part the same.
void SplitTrimmedList(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// Index lines, modules and two numbers: the index (or name) before the first mark, the
// rest as Value and second part.
void SplitAtMark(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// A bit area first-last.
void SplitBitArea(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// A number and a quoted name separated by a blank.
void SplitNumberName(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// Slot lines: number, name, default and allowed references.
void SplitSlot(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// Parameter data type lines: default and allowed values.
void SplitDataTypeLine(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// BIT lines: bit, default and allowed values.
void SplitBitLine(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);
// BITAREA lines: first bit, last bit, default and allowed values.
void SplitBitAreaLine(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer);

} // namespace kvf
