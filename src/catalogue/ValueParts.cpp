// The splits of classification: how a value as the reader cut it becomes the entry's value
// parts. Each value rule names its split in the value-rule table.

#include "catalogue/ValueParts.h"

#include "core/AsciiText.h"
#include "core/CDbEntry.h"

#include <algorithm>

namespace kvf {
namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool IsSpaceOrMark(char c) {
    return IsSpace(c) || c == kValueMark;
}

// The text with its marks turned into blanks, then trimmed. Marks at the ends only need
// trimming, so the result is a view of `text` unless a mark stands inside it; then it is
// built in `scratch`.
std::string_view BlankMarksAndTrim(std::string_view text, std::string& scratch) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsSpaceOrMark(text[first]))
        ++first;
    while (last > first && IsSpaceOrMark(text[last - 1]))
        --last;
    std::string_view inner = text.substr(first, last - first);
    if (inner.find(kValueMark) == npos)
        return inner;
    scratch.assign(inner);
    std::replace(scratch.begin(), scratch.end(), kValueMark, ' ');
    return scratch;
}

// Index lines, modules and the two-number rows: the part before the first `separator` is
// the index (or name); the rest, its marks blanked and trimmed, becomes Value and the
// second part. Every mark of the rest is blanked so that a quoted text does not keep its
// closing-quote mark.
void SplitAt(CDbEntry& entry, char separator, const EntryTextWriter& writer) {
    std::string_view value = entry.Value;
    std::string_view whole = EntryTextWriter::KeptBytes(entry.Value);
    std::size_t at = value.find(separator);
    writer.SetPart(entry.m_Ready[0], value.substr(0, at), whole);
    std::string scratch;
    // The separator itself counts as a blank.
    std::string_view rest =
        at == npos ? std::string_view() : BlankMarksAndTrim(value.substr(at + 1), scratch);
    writer.SetPart(entry.Value, rest, whole);
    writer.Same(entry.m_Ready[1], entry.Value);
}

struct Fields {
    std::string_view First;
    std::string_view Rest;
};

// The first field (up to a blank or tab) and the rest with leading blanks or tabs skipped.
Fields FirstField(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankOrTab(text[i]))
        ++i;
    std::size_t end = i;
    while (end < text.size() && !IsBlankOrTab(text[end]))
        ++end;
    std::size_t rest = end;
    while (rest < text.size() && IsBlankOrTab(text[rest]))
        ++rest;
    return {text.substr(i, end - i), text.substr(rest)};
}

// The allowed values of a parameter line: the rest after the default, with the blanks or
// tabs between its first and second field removed ("0 -10" reads as "0-10"). A view of
// `rest` where nothing is removed, else built in `scratch`.
std::string_view AllowedValues(std::string_view rest, std::string& scratch) {
    Fields fields = FirstField(rest);
    if (fields.Rest.empty())
        return fields.First;
    scratch.assign(fields.First);
    scratch.append(fields.Rest);
    return scratch;
}

// Bit lines: the bit (or the area first-last), then the default and the allowed values.
void SplitBits(CDbEntry& entry, std::string_view value, bool area, const EntryTextWriter& writer) {
    std::string text(value);
    std::replace(text.begin(), text.end(), kValueMark, ' ');
    Fields bits = FirstField(text);
    std::size_t next = 1;
    if (area) {
        std::size_t dash = bits.First.find('-');
        writer.Set(entry.m_Ready[0], bits.First.substr(0, dash));
        writer.Set(entry.m_Ready[1],
                   dash == npos ? std::string_view() : bits.First.substr(dash + 1));
        next = 2;
    } else {
        writer.Set(entry.m_Ready[0], bits.First);
    }
    Fields defaults = FirstField(bits.Rest);
    std::string scratch;
    writer.Set(entry.m_Ready[next], defaults.First);
    writer.Set(entry.m_Ready[next + 1], AllowedValues(defaults.Rest, scratch));
}

} // namespace

void SplitWholeValue(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer) {
    // Shared with Value where it is that text.
    if (value == entry.Value.View())
        writer.Same(entry.m_Ready[0], entry.Value);
    else
        writer.SetPart(entry.m_Ready[0], value, EntryTextWriter::KeptBytes(entry.Value));
}

void SplitFirstPart(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer) {
    std::string_view part = value.substr(0, value.find(kValueMark));
    if (part.size() == entry.Value.size() && part == entry.Value.View())
        writer.Same(entry.m_Ready[0], entry.Value);
    else
        writer.SetPart(entry.m_Ready[0], part, EntryTextWriter::KeptBytes(entry.Value));
}

void SplitQuotedString(CDbEntry& entry, std::string_view, const EntryTextWriter& writer) {
    std::string scratch;
    std::string_view text = BlankMarksAndTrim(entry.Value, scratch);
    if (text != entry.Value.View())
        writer.SetPart(entry.Value, text, EntryTextWriter::KeptBytes(entry.Value));
    writer.Same(entry.m_Ready[0], entry.Value);
}

void SplitTrimmedList(CDbEntry& entry, std::string_view, const EntryTextWriter& writer) {
    std::string_view trimmed = Trim(entry.Value);
    if (trimmed.size() != entry.Value.size())
        writer.SetPart(entry.Value, trimmed, EntryTextWriter::KeptBytes(entry.Value));
    writer.Same(entry.m_Ready[0], entry.Value);
}

void SplitAtMark(CDbEntry& entry, std::string_view, const EntryTextWriter& writer) {
    SplitAt(entry, kValueMark, writer);
}

void SplitBitArea(CDbEntry& entry, std::string_view, const EntryTextWriter& writer) {
    SplitAt(entry, '-', writer);
}

void SplitNumberName(CDbEntry& entry, std::string_view, const EntryTextWriter& writer) {
    std::string_view value = entry.Value;
    std::string_view whole = EntryTextWriter::KeptBytes(entry.Value);
    std::size_t blank = value.find(' ');
    writer.SetPart(entry.m_Ready[0], value.substr(0, blank), whole);
    std::string scratch;
    writer.SetPart(entry.m_Ready[1],
                   blank == npos ? std::string_view()
                                 : BlankMarksAndTrim(value.substr(blank), scratch),
                   whole);
}

void SplitSlot(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer) {
    std::string_view whole = EntryTextWriter::KeptBytes(entry.Value);
    std::size_t first = value.find(kValueMark);
    writer.SetPart(entry.m_Ready[0], value.substr(0, first), whole);
    std::string_view rest = first == npos ? std::string_view() : value.substr(first + 1);
    std::size_t second = rest.find(kValueMark);
    // The name is trimmed: the blanks left by the former '=' and opening quote are no
    // part of it, and a stored slot line must read back the same.
    writer.SetPart(entry.m_Ready[1], Trim(rest.substr(0, second)), whole);
    std::string_view tail = second == npos ? std::string_view() : rest.substr(second + 1);
    tail = Trim(tail);
    std::size_t blank = static_cast<std::size_t>(
        std::find_if(tail.begin(), tail.end(), IsBlankOrTab) - tail.begin());
    writer.SetPart(entry.m_Ready[2], tail.substr(0, blank), whole);
    writer.SetPart(entry.m_Ready[3], TrimLeft(tail.substr(std::min(blank, tail.size()))), whole);
}

void SplitDataTypeLine(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer) {
    std::string_view whole = EntryTextWriter::KeptBytes(entry.Value);
    Fields fields = FirstField(value);
    std::string scratch;
    writer.SetPart(entry.m_Ready[0], fields.First, whole);
    writer.SetPart(entry.m_Ready[1], AllowedValues(fields.Rest, scratch), whole);
}

void SplitBitLine(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer) {
    SplitBits(entry, value, false, writer);
}

void SplitBitAreaLine(CDbEntry& entry, std::string_view value, const EntryTextWriter& writer) {
    SplitBits(entry, value, true, writer);
}

} // namespace kvf
