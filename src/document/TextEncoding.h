#pragma once

#include <string_view>

namespace kvf {

// KVF files are single-byte text. A file saved as UTF-16 would read as a string of NUL
// bytes and letters, and its check would report nonsense; such a file is recognised by
// its byte order mark, or by NUL bytes at every second place of an ASCII start.
bool LooksLikeUtf16(std::string_view bytes);

} // namespace kvf
