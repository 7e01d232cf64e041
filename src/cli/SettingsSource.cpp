#include "cli/SettingsSource.h"

#include "catalogue/UserSettingsFile.h"
#include "cli/FileCheck.h"
#include "core/IniSettingsStore.h"
#include "document/CheckSetup.h"

#include <filesystem>

namespace kvf::cli {
namespace {

std::string JoinIds(const std::vector<std::string>& ids) {
    std::string list;
    for (const std::string& id : ids)
        list += (list.empty() ? "" : ",") + id;
    return list;
}

// Command-line ids must name messages: a mistyped id would otherwise select nothing.
bool CheckIds(const std::vector<std::string>& ids, const char* option, std::ostream& errors) {
    std::vector<std::string> unknown;
    ParseMessageIds(JoinIds(ids), unknown);
    for (const std::string& id : unknown)
        errors << "kvfcheck: " << option << ": unknown message id '" << id
               << "' (see --list-messages)\n";
    return unknown.empty();
}

// The settings file's store; a user without a settings file has the defaults.
std::unique_ptr<SettingsStore> ReadSettingsFile(const Options& options, std::ostream& errors) {
    std::string path;
    if (options.settingsFile) {
        path = *options.settingsFile;
    } else {
        path = UserSettingsFile();
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return std::make_unique<IniSettingsStore>();
    }
    FileBytes text;
    std::string reason;
    if (!ReadWholeFile(path, text, reason)) {
        errors << "kvfcheck: cannot read settings file '" << path << "': " << reason << '\n';
        return nullptr;
    }
    return std::make_unique<IniSettingsStore>(IniSettingsStore::FromText(text.View()));
}

} // namespace

std::unique_ptr<RunSettings> LoadRunSettings(const Options& options, std::ostream& errors) {
    if (!CheckIds(options.disable, "--disable", errors) ||
        !CheckIds(options.enableOnly, "--enable-only", errors))
        return nullptr;
    std::unique_ptr<SettingsStore> file = ReadSettingsFile(options, errors);
    if (!file)
        return nullptr;

    auto run = std::make_unique<RunSettings>(std::move(file));
    SettingsStore& store = run->Store();
    if (options.noSemantic)
        store.SetInt("FailSafe", "NoSemanticCheck", 1);
    if (options.suppressWarnings)
        store.SetInt("Settings", "Warnings", 1);

    const std::string section(kChecksSection);
    const std::string disableName(kDisableValue);
    if (!options.disable.empty()) {
        std::string stored = store.GetString(section, disableName, "");
        store.SetString(section, disableName,
                        stored + (stored.empty() ? "" : ",") + JoinIds(options.disable));
    }
    if (!options.enableOnly.empty())
        store.SetString(section, std::string(kEnableOnlyValue), JoinIds(options.enableOnly));

    std::vector<std::string> unknown;
    run->SetSelection(CheckOptionsFromSettings(store, unknown).Selection);
    for (const std::string& id : unknown)
        errors << "kvfcheck: settings [" << section << "]: unknown message id '" << id
               << "' ignored\n";
    return run;
}

} // namespace kvf::cli
