#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kvf {

// The files that hold the editor's settings of the user (organisation "DORRIM", application
// "KVF_Ed"), where the editor's settings library keeps them, most specific first: the
// user's file of the application, the user's file of the organisation, then the same two
// in each system configuration folder. A value comes from the first file that has it.
//
// The user's folder is $XDG_CONFIG_HOME, or $HOME/.config when that is unset or empty; the
// system folders are those of $XDG_CONFIG_DIRS (separated by ':'), or /etc/xdg.
std::vector<std::string>
UserSettingsFiles(const std::function<const char*(const char*)>& environment = nullptr);

} // namespace kvf
