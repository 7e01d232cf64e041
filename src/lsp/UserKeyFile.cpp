#include "lsp/UserKeyFile.h"

#include "catalogue/UserKeys.h"
#include "core/IniSettingsWriter.h"
#include "lsp/FileText.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace kvf::lsp {
namespace {

namespace fs = std::filesystem;

// A name beside the file that no other writer of it picks at the same time.
fs::path TemporaryBeside(const fs::path& file) {
    std::random_device random;
    std::ostringstream name;
    name << file.filename().string() << ".kvf-lsp-" << std::hex << random() << random() << '~';
    return file.parent_path() / name.str();
}

RegistrationProblem Failed(std::string& reason, std::string text) {
    reason = std::move(text);
    return RegistrationProblem::FileProblem;
}

// Read-only as the user marked it (no write permission for its owner, which an administrator
// could still write), or as the system keeps it from this process.
bool IsReadOnly(const fs::path& file) {
    std::error_code error;
    const fs::perms perms = fs::status(file, error).permissions();
    if (error || (perms & fs::perms::owner_write) == fs::perms::none)
        return true;
    return !std::ofstream(file, std::ios::binary | std::ios::app); // opened, nothing written
}

} // namespace

std::optional<std::string> WithUserKey(std::string_view iniText, std::string_view key,
                                       std::string_view setting) {
    IniSettingsWriter writer{std::string(iniText)};
    if (!RegisterUserKeySetting(writer, key, setting))
        return std::nullopt;
    return writer.Text();
}

RegistrationProblem RegisterUserKeyInFile(const std::string& path, std::string_view key,
                                          std::string_view setting, std::string& reason) {
    std::error_code error;
    fs::path file(path);
    const bool exists = fs::exists(file, error);
    std::string text;
    if (exists) {
        // The file a link points to is the one replaced; the link stays.
        file = fs::canonical(file, error);
        if (error || !ReadFileText(file.string(), text))
            return Failed(reason, "cannot read the settings file '" + path + "'");
        // A file the user made read-only is not replaced behind their back (a rename would).
        if (IsReadOnly(file))
            return Failed(reason, "the settings file '" + path + "' is read-only");
    }
    std::optional<std::string> updated = WithUserKey(text, key, setting);
    if (!updated) {
        reason = "'" + std::string(key) + "' with the setting '" + std::string(setting) +
                 "' cannot be registered: a key holds only letters, digits, '.', '_', '#' and "
                 "'-', and a setting reads \"<data type>;<group>;<range or length>\"";
        return RegistrationProblem::NotRegistrable;
    }
    if (!exists && file.has_parent_path())
        fs::create_directories(file.parent_path(), error);

    const fs::path temporary = TemporaryBeside(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << *updated;
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return Failed(reason, "cannot write the settings file '" + path +
                                      "' (its folder "
                                      "takes no new file)");
        }
    }
    if (exists)
        fs::permissions(temporary, fs::status(file, error).permissions(), error);
    fs::rename(temporary, file, error);
    if (error) {
        std::string why = error.message();
        fs::remove(temporary, error);
        return Failed(reason, "cannot replace the settings file '" + path + "': " + why);
    }
    return RegistrationProblem::None;
}

} // namespace kvf::lsp
