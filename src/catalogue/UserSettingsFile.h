#pragma once

#include <functional>
#include <string>

namespace kvf {

// The file that holds the editor's settings of the user (organisation "DORRIM", application
// "KVF_Ed"), where the editor keeps it: DORRIM/KVF_Ed.conf in $XDG_CONFIG_HOME, or in
// $HOME/.config when that is unset or empty; on Windows WindowsUserSettingsFile().
// `environment` looks up a variable (null: the process environment).
std::string UserSettingsFile(const std::function<const char*(const char*)>& environment = nullptr);

// Where the editor keeps that file on Windows, as an INI file: DORRIM\KVF_Ed.ini in the
// user's roaming application data (%APPDATA%, else %USERPROFILE%\AppData\Roaming).
std::string
WindowsUserSettingsFile(const std::function<const char*(const char*)>& environment = nullptr);

} // namespace kvf
