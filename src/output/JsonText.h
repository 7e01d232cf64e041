#pragma once

#include <string>
#include <string_view>

namespace kvf {

// A JSON string literal (with quotes) of Windows-1252 bytes.
std::string JsonString(std::string_view windows1252);

} // namespace kvf
