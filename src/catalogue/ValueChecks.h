#pragma once

#include "catalogue/KeywordCatalogue.h"
#include "core/AsciiText.h"
#include "core/CDbEntry.h"
#include "core/TextLines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

class RunContext;

// The value rules of action 3. Each rule returns 1 when the value passes and 0 when it
// does not; the row check (CheckRowValue) or the user-key check reports the message.

// The equal-sign rule: the entry's first physical line holds exactly one separating `=`;
// further ones may only stand inside a quoted string or in a comment.
int CheckEqualSign(const CDbEntry& entry, const TextLines& lines);

// The Visible-String rule on `text` (the string part of the entry's value) and on the
// quoted string of the entry's physical lines. `unspecifiedCount` receives the number of
// characters of the unspecified set; it is set even when the rule fails.
int CheckVisibleString(const CDbEntry& entry, std::string_view text, int maxLength,
                       const TextLines& lines, int& unspecifiedCount);

// The quoted string of the entry's physical lines, up to its closing quote, and the text
// after that quote. The views point into the lines or into the buffers beside them, used
// only where the lines do not hold the text as it is (a string closed on its own line costs
// no copy); so a QuotedString is neither copied nor moved.
struct QuotedString {
    std::string_view String;
    std::string_view After;
    std::string LineScratch; // the first line, where the lines make it on demand
    std::string Joined;      // a string continued over lines

    QuotedString() = default;
    QuotedString(const QuotedString&) = delete;
    QuotedString& operator=(const QuotedString&) = delete;
};

// False when there is no opening or no closing quote. A string without closing quote
// continues on the next line while its part ends in a backslash (blanks may follow it): the
// text before the backslash stays, the next line is appended.
bool FindQuotedString(const CDbEntry& entry, const TextLines& lines, QuotedString& found);

// The characters of a Visible-String: 1 allowed, 2 allowed but unspecified (counted), 0 not
// allowed. Single Windows-1252 bytes.
int VisibleStringCharacterClass(char c);

// The file-name rule: none of the characters that a file name without extension may not hold.
int CheckFileNameCharacters(std::string_view name);

// The range rule: the value (after the number rule passed) lies in the accepted values of
// the range text. A range text without accepted values of its own adds no bound.
int CheckRange(std::string_view value, std::string_view rangeText);
bool IsKnownRangeText(std::string_view rangeText);

// The items of a comma list as the list rules take them: the text up to the next comma;
// the rest after that comma is trimmed before the next item is taken.
std::vector<std::string_view> CommaListItems(std::string_view list);

// The same items handed to `take` one by one, without a list: as long as it returns true.
template <typename Take> void ForEachCommaListItem(std::string_view list, Take take) {
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        if (!take(rest.substr(0, comma)) || comma == std::string_view::npos)
            return;
        rest = Trim(rest.substr(comma + 1));
    }
}

// The octet list: every item (or the single value) passes the number rule of width 8.
// `valueCount` := 1 plus one for each further item taken, up to the first failing one.
// The bytes of the passing items are appended to `bytes` when a place is given.
int CheckOctetList(std::string_view list, int& valueCount,
                   std::vector<std::uint8_t>* bytes = nullptr);

// The configuration identifiers of a module: 1 when no special identifier announces more
// bytes than the list holds.
int CheckConfigurationBytes(const std::vector<std::uint8_t>& bytes);

// Action 3 of a catalogue row: the equal-sign rule (where the row has one), then the row's
// value rule with the keyword's widths, range text, type word and maximum length. Reports
// through run.ReportMessage; Valid := 1 only when every rule passed.
void CheckRowValue(RunContext& run, CDbEntry& entry, const CatalogueRow& row,
                   const CatalogueKeyword& keyword);

} // namespace kvf
