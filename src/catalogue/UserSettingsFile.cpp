#include "catalogue/UserSettingsFile.h"

#include <cstdlib>

namespace kvf {
namespace {

std::string Variable(const std::function<const char*(const char*)>& environment, const char* name) {
    const char* value = environment ? environment(name) : std::getenv(name);
    return value ? std::string(value) : std::string();
}

#ifndef _WIN32
std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}
#endif

} // namespace

std::string WindowsUserSettingsFile(const std::function<const char*(const char*)>& environment) {
    std::string folder = Variable(environment, "APPDATA");
    if (folder.empty())
        folder = Variable(environment, "USERPROFILE") + "\\AppData\\Roaming";
    if (folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder + "DORRIM\\KVF_Ed.ini";
}

std::string UserSettingsFile(const std::function<const char*(const char*)>& environment) {
#ifdef _WIN32
    return WindowsUserSettingsFile(environment);
#else
    std::string folder = Variable(environment, "XDG_CONFIG_HOME");
    if (folder.empty())
        folder = WithSlash(Variable(environment, "HOME")) + ".config";
    return WithSlash(folder) + "DORRIM/KVF_Ed.conf";
#endif
}

} // namespace kvf
