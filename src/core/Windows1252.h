#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvf {

// KVF files are Windows-1252 bytes; the edges (terminal output, JSON, the editor's
// widgets) want Unicode. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code page
// leaves undefined, become the C1 control characters of the same value, so no byte is
// ever lost.
std::string Windows1252ToUtf8(std::string_view bytes);
// The same, appended to `out` (for output written row after row into one buffer).
void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes);

// The reverse: characters the code page cannot hold become '?'. Malformed UTF-8 bytes are
// taken as Windows-1252 bytes as they stand.
std::string Utf8ToWindows1252(std::string_view text);

// UTF-8 text (a file that starts with the UTF-8 byte order mark, a language client's text) as
// engine bytes, one byte per UTF-16 code unit, so that a column counted in UTF-16 code units,
// as the editor and the language clients count, is the column of the bytes: a character of
// the code page is its byte, one the code page cannot hold '?', one outside the Basic
// Multilingual Plane (two code units) "??". A byte that starts no well-formed character (an
// overlong form and an encoded surrogate included) stands for itself, as the code page's byte.
std::string Utf8ToCodeUnitBytes(std::string_view text);

// UTF-8 bytes as well-formed UTF-8: each byte that starts no well-formed character becomes
// the character it is in Windows-1252. A widget shows such a byte so instead of as a
// replacement character; Utf8ToCodeUnitBytes reads both the same.
std::string WellFormedUtf8(std::string_view bytes);

// A character of UTF-8 text that has no Windows-1252 byte.
struct UnencodableCharacter {
    std::size_t Column = 0; // 1-based, counted in characters
    std::string Utf8;       // the character itself
};
// How many characters of `text` Utf8ToWindows1252 would turn into '?'; the first of them
// in `first` when there is one. A save asks before it loses them.
std::size_t CountUnencodable(std::string_view text, UnencodableCharacter* first = nullptr);

} // namespace kvf
