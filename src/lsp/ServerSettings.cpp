#include "lsp/ServerSettings.h"

#include "core/IniSettingsStore.h"
#include "document/CheckSetup.h"
#include "lsp/FileText.h"

#include <filesystem>
#include <vector>

namespace kvf::lsp {

std::shared_ptr<const ServerSettings> ServerSettings::Load(const std::string& path,
                                                           std::string& problem) {
    auto settings = std::make_shared<ServerSettings>();
    settings->path_ = path;
    std::error_code error;
    std::string text;
    if (!path.empty() && std::filesystem::exists(path, error) && !ReadFileText(path, text)) {
        problem = "cannot read the settings file '" + path + "'";
        settings->readFailed_ = true;
        text.clear();
    }
    settings->store_ = std::make_unique<IniSettingsStore>(IniSettingsStore::FromText(text));
    settings->text_ = std::move(text);
    std::vector<std::string> unknown;
    settings->check_.Settings = settings->store_.get();
    settings->check_.Selection = CheckOptionsFromSettings(*settings->store_, unknown).Selection;
    settings->check_.KeepRows = false; // the server publishes the findings only
    for (const std::string& id : unknown)
        problem += (problem.empty() ? "" : "; ") +
                   std::string("settings [Checks]: unknown message id '") + id + "' ignored";
    return settings;
}

} // namespace kvf::lsp
