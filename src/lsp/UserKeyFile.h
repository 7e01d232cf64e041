#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvf::lsp {

// Why a registration was not written.
enum class RegistrationProblem {
    None,
    NotRegistrable, // the key or the setting (the client's arguments) cannot be registered
    FileProblem,    // the settings file cannot be read, is read-only or cannot be replaced
};

// Registers a user-defined key in the settings file kvfcheck and the editor read: the key
// (upper-cased) with its setting in section [UserKeys], and the key added to that section's
// "Summary", as the editor's User Key dialog stores them, through the engine's one writer of
// the file (every other line stays as it was). The new text goes through a temporary file
// beside the file (which keeps the file's permissions), so a failed write leaves the old file
// whole; a read-only file is left alone. On failure nothing changed, and `reason` says why.
RegistrationProblem RegisterUserKeyInFile(const std::string& path, std::string_view key,
                                          std::string_view setting, std::string& reason);

// The same on the file's text: none when the key or the setting cannot be registered.
std::optional<std::string> WithUserKey(std::string_view iniText, std::string_view key,
                                       std::string_view setting);

} // namespace kvf::lsp
