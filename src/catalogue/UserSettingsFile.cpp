#include "catalogue/UserSettingsFile.h"

#include <cstdlib>
#include <string_view>

namespace kvf {
namespace {

constexpr std::string_view kOrganisation = "DORRIM";
constexpr std::string_view kApplication = "KVF_Ed";

std::string Variable(const std::function<const char*(const char*)>& environment, const char* name) {
    const char* value = environment ? environment(name) : std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::vector<std::string> SystemFolders(const std::string& list) {
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t colon = list.find(':', start);
        if (colon == std::string::npos)
            colon = list.size();
        if (colon > start)
            folders.push_back(WithSlash(list.substr(start, colon - start)));
        start = colon + 1;
    }
    return folders;
}

} // namespace

std::vector<std::string>
UserSettingsFiles(const std::function<const char*(const char*)>& environment) {
    std::string user = Variable(environment, "XDG_CONFIG_HOME");
    if (user.empty()) {
        std::string home = Variable(environment, "HOME");
        user = (home.empty() ? std::string("/") : WithSlash(home)) + ".config";
    }
    std::vector<std::string> system = SystemFolders(Variable(environment, "XDG_CONFIG_DIRS"));
    if (system.empty())
        system.push_back("/etc/xdg/");

    const std::string applicationFile =
        std::string(kOrganisation) + "/" + std::string(kApplication) + ".conf";
    const std::string organisationFile = std::string(kOrganisation) + ".conf";
    std::vector<std::string> files{WithSlash(user) + applicationFile,
                                   WithSlash(user) + organisationFile};
    for (const std::string& folder : system)
        files.push_back(folder + applicationFile);
    for (const std::string& folder : system)
        files.push_back(folder + organisationFile);
    return files;
}

} // namespace kvf
