#include "catalogue/ValueParts.h"

#include "catalogue/KeywordCatalogue.h"
#include "core/AsciiText.h"
#include "core/CDbEntry.h"

#include <algorithm>

namespace kvf {
namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

void BlankMarks(std::string& text) {
    std::replace(text.begin(), text.end(), kValueMark, ' ');
}

// Index lines, modules and the two-number rows: the part before the first `separator` is
// the index (or name); the rest, its marks blanked and trimmed, becomes Value and the
// second part. Every mark of the rest is blanked so that a quoted text does not keep its
// closing-quote mark.
void SplitAt(CDbEntry& entry, char separator) {
    std::size_t at = entry.Value.find(separator);
    entry.m_Ready[0] = entry.Value.substr(0, at);
    std::string rest = at == npos ? std::string() : entry.Value.substr(at);
    if (!rest.empty())
        rest[0] = ' ';
    BlankMarks(rest);
    entry.Value = std::string(Trim(rest));
    entry.m_Ready[1] = entry.Value;
}

// The first field (up to a blank or tab) and the rest with leading blanks or tabs skipped.
std::pair<std::string, std::string> FirstField(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankOrTab(text[i]))
        ++i;
    std::size_t end = i;
    while (end < text.size() && !IsBlankOrTab(text[end]))
        ++end;
    std::size_t rest = end;
    while (rest < text.size() && IsBlankOrTab(text[rest]))
        ++rest;
    return {std::string(text.substr(i, end - i)), std::string(text.substr(rest))};
}

// The allowed values of a parameter line: the rest after the default, with the blanks or
// tabs between its first and second field removed ("0 -10" reads as "0-10").
std::string AllowedValues(std::string_view rest) {
    auto [first, more] = FirstField(rest);
    return first + more;
}

void SplitParameterLine(CDbEntry& entry, const std::string& value) {
    auto [defaultValue, rest] = FirstField(value);
    entry.m_Ready[0] = defaultValue;
    entry.m_Ready[1] = AllowedValues(rest);
}

void SplitBitLine(CDbEntry& entry, const std::string& value, bool area) {
    std::string text = value;
    BlankMarks(text);
    auto [bits, afterBits] = FirstField(text);
    std::size_t next = 1;
    if (area) {
        std::size_t dash = bits.find('-');
        entry.m_Ready[0] = bits.substr(0, dash);
        entry.m_Ready[1] = dash == npos ? std::string() : bits.substr(dash + 1);
        next = 2;
    } else {
        entry.m_Ready[0] = bits;
    }
    auto [defaultValue, rest] = FirstField(afterBits);
    entry.m_Ready[next] = defaultValue;
    entry.m_Ready[next + 1] = AllowedValues(rest);
}

// Slot lines: number, mark, name, mark, then the default and the allowed values.
void SplitSlot(CDbEntry& entry, const std::string& value) {
    std::size_t first = value.find(kValueMark);
    entry.m_Ready[0] = value.substr(0, first);
    std::string rest = first == npos ? std::string() : value.substr(first + 1);
    std::size_t second = rest.find(kValueMark);
    // The name is trimmed: the blanks left by the former '=' and opening quote are no
    // part of it, and a stored slot line must read back the same.
    entry.m_Ready[1] = std::string(Trim(rest.substr(0, second)));
    std::string_view tail =
        second == npos ? std::string_view() : std::string_view(rest).substr(second + 1);
    tail = Trim(tail);
    std::size_t blank = static_cast<std::size_t>(
        std::find_if(tail.begin(), tail.end(), IsBlankOrTab) - tail.begin());
    entry.m_Ready[2] = std::string(tail.substr(0, blank));
    entry.m_Ready[3] = std::string(TrimLeft(tail.substr(std::min(blank, tail.size()))));
}

} // namespace

void SplitValueParts(CDbEntry& entry, const CatalogueRow& row, const std::string& value) {
    switch (row.Rule) {
    case ValueRule::OctetList:
    case ValueRule::FamilyList:
        entry.Value = std::string(Trim(entry.Value));
        entry.m_Ready[0] = entry.Value;
        return;
    case ValueRule::BitArea:
        SplitAt(entry, '-');
        return;
    case ValueRule::NumberName: {
        std::size_t blank = entry.Value.find(' ');
        entry.m_Ready[0] = entry.Value.substr(0, blank);
        std::string rest = blank == npos ? std::string() : entry.Value.substr(blank);
        BlankMarks(rest);
        entry.m_Ready[1] = std::string(Trim(rest));
        return;
    }
    case ValueRule::Slot:
        SplitSlot(entry, value);
        return;
    case ValueRule::DataTypeLine:
        SplitParameterLine(entry, value);
        return;
    case ValueRule::BitLine:
        SplitBitLine(entry, value, false);
        return;
    case ValueRule::BitAreaLine:
        SplitBitLine(entry, value, true);
        return;
    case ValueRule::NoValue:
        return;
    default:
        break;
    }
    switch (row.Form) {
    case 1: {
        std::string text(Trim(entry.Value));
        BlankMarks(text);
        entry.Value = std::string(Trim(text));
        entry.m_Ready[0] = entry.Value;
        return;
    }
    case 6:
    case 10:
    case 11:
        SplitAt(entry, kValueMark);
        return;
    default:
        // Numbers, Booleans and choices keep the value as read.
        entry.m_Ready[0] = value;
        return;
    }
}

} // namespace kvf
