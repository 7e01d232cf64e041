#pragma once

#include <string>
#include <string_view>

namespace kvf {

// KVF files are single-byte text. A file saved as UTF-16 would read as a string of NUL
// bytes and letters, and its check would report nonsense; such a file is recognised by
// its byte order mark, or by NUL bytes at every second place of an ASCII start.
bool LooksLikeUtf16(std::string_view bytes);

// A file that starts with the UTF-8 byte order mark is UTF-8 text, whatever else it holds.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
bool StartsWithUtf8ByteOrderMark(std::string_view bytes);

// The text of such a file (after its mark) as the engine checks it: its characters as the
// code page's bytes, one per UTF-16 code unit (Utf8ToCodeUnitBytes), the bytes the editor
// checks when it shows the file and the language server when a client sends its text. So
// kvfcheck, the editor and the server read the file alike, and as the same text saved in
// Windows-1252 without the mark would be read.
std::string Utf8FileAsEngineText(std::string_view afterMark);

} // namespace kvf
