#pragma once

#include <functional>
#include <string>

namespace kvf {

// The file that holds the editor's settings of the user (organisation "DORRIM", application
// "KVF_Ed"), where the editor keeps it: DORRIM/KVF_Ed.conf in $XDG_CONFIG_HOME, or in
// $HOME/.config when that is unset or empty. `environment` looks up a variable (null:
// the process environment).
std::string UserSettingsFile(const std::function<const char*(const char*)>& environment = nullptr);

} // namespace kvf
