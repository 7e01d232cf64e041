#pragma once

#include <string>
#include <string_view>

namespace kvf::lsp {

// Registers a user-defined key in the settings file kvfcheck and the editor read: the key
// (upper-cased) with its setting in section [UserKeys], and the key added to that section's
// "Summary", as the editor's User Key dialog stores them. The rest of the file stays as it
// was. The new text goes through a temporary file beside it, so a failed write leaves the
// old file whole. False with the reason when it cannot be read or written.
bool RegisterUserKeyInFile(const std::string& path, const std::string& key,
                           const std::string& setting, std::string& problem);

// The same on the file's text (for the tests and for the above).
std::string WithUserKey(std::string_view iniText, const std::string& key,
                        const std::string& setting);

} // namespace kvf::lsp
