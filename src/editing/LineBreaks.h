#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// A file's text as lines and the line break that ended each one ("\r\n", "\n", "\r"),
// so that saving writes back exactly the bytes that were read wherever the user did not
// edit. The last line has no break; a file that ends with a break ends with an empty line.
// A UTF-8 byte order mark is no part of the first line, as the checker reads it: it is kept
// apart, hidden from the editor, and written back in front of the text. A text with the mark
// is UTF-8 text; one without it Windows-1252 text.
struct SplitText {
    std::string ByteOrderMark; // empty, or the three bytes EF BB BF
    std::vector<std::string> Lines;
    std::vector<std::string> Breaks; // same size as Lines; the last one is empty

    static SplitText FromBytes(std::string_view bytes);
    std::string ToBytes() const;
    bool IsUtf8() const { return !ByteOrderMark.empty(); }
    // Line i as the editor holds it, in the bytes ComposeBytes takes: a UTF-8 line as
    // well-formed UTF-8 (WellFormedUtf8), a Windows-1252 line as it stands.
    std::string EditorLine(std::size_t i) const;
    // The break most lines use, for lines the user adds; CR LF for a text without breaks.
    std::string DominantBreak() const;
};

// The bytes of `current` lines, given the text as it was read or last saved: unchanged
// lines at the start and the end keep their own bytes and breaks, changed lines take the
// break of the line they replace, added lines the file's dominant break. `current` is in
// the file's encoding (UTF-8 for a text with the mark); a line is unchanged when it equals
// the original line as the editor holds it (EditorLine), so a UTF-8 line with a stray byte
// is written back as it was read.
std::string ComposeBytes(const SplitText& original, const std::vector<std::string>& current);

} // namespace kvf
