#include "catalogue/UserSettingsFile.h"

#include <cstdlib>

namespace kvf {
namespace {

std::string Variable(const std::function<const char*(const char*)>& environment, const char* name) {
    const char* value = environment ? environment(name) : std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string UserSettingsFile(const std::function<const char*(const char*)>& environment) {
    std::string folder = Variable(environment, "XDG_CONFIG_HOME");
    if (folder.empty())
        folder = WithSlash(Variable(environment, "HOME")) + ".config";
    return WithSlash(folder) + "DORRIM/KVF_Ed.conf";
}

} // namespace kvf
