#pragma once

#include <string>

namespace kvf::lsp {

// The whole content of a regular file; false when it is no regular file or cannot be read to
// its end (a folder, a file without read permission, an error while reading).
bool ReadFileText(const std::string& path, std::string& text);

} // namespace kvf::lsp
