#pragma once

#include "catalogue/KeywordCatalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvf::language {

// What the catalogue says of a keyword, in the words the help and completion show.

// The tree group a catalogue row files its keyword under ("General Keys" ...).
std::string_view GroupLabel(unsigned group);

// What kind of value a rule takes ("Boolean: 0 or 1", "Visible-String of at most 32
// characters" ...).
std::string ValueRuleText(const CatalogueMatch& match);

// The numbers a range text allows: "Unsigned8: 0..4, 128-255" gives {0,4} and {128,255},
// "Unsigned8: 0|(16..255)" {0,0} and {16,255}.
struct NumberSpan {
    long long Low = 0;
    long long High = 0;
};
std::vector<NumberSpan> AllowedNumbers(std::string_view rangeText);

// The allowed number nearest to `value`; false when the text allows none.
bool NearestAllowed(std::string_view rangeText, long long value, long long& nearest);

// The number a value holds as the number rule reads a plain value (decimal, or hexadecimal
// with 0x); false when it holds none.
bool ReadNumber(std::string_view value, long long& number);

// A keyword as files write it: some catalogue rows hold theirs upper-cased, while the
// glossary anchors and the semantic list spell it in mixed case.
std::string KeywordSpelling(const CatalogueKeyword& keyword);

// Keys compared as the catalogue compares them: ASCII case ignored.
bool SameKey(std::string_view a, std::string_view b);

} // namespace kvf::language
