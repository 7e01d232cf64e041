#include "lsp/UserKeyFile.h"
#include "core/AsciiText.h"

#include "catalogue/UserKeys.h"
#include "core/IniSettingsStore.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace kvf::lsp {
namespace {

std::string Trimmed(std::string_view line) {
    return std::string(Trim(line));
}

// The name of a "Name=Value" line, upper-cased; empty for other lines.
std::string NameOf(const std::string& line) {
    std::string trimmed = Trimmed(line);
    std::size_t equal = trimmed.find('=');
    if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#' || equal == std::string::npos)
        return {};
    return ToUpperAscii(Trimmed(std::string_view(trimmed).substr(0, equal)));
}

} // namespace

std::string WithUserKey(std::string_view iniText, const std::string& key,
                        const std::string& setting) {
    const std::string section(kUserKeysSection);
    const std::string upperKey = ToUpperAscii(key);
    IniSettingsStore store = IniSettingsStore::FromText(iniText);
    std::string summary = store.GetString(section, std::string(kUserKeysSummary), "");
    // Whole items of the summary: a key is listed once.
    bool listed = false;
    std::stringstream items(summary);
    for (std::string item; std::getline(items, item, ',');)
        listed |= Trimmed(item) == upperKey;
    if (!listed)
        summary += upperKey + ",";
    const std::string keyLine = upperKey + "=\"" + setting + "\"";
    const std::string summaryLine = std::string(kUserKeysSummary) + "=\"" + summary + "\"";

    std::vector<std::string> lines;
    std::stringstream in{std::string(iniText)};
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const bool crlf = !lines.empty() && !lines[0].empty() && lines[0].back() == '\r';

    // Lines of the section [UserKeys]: replace the key's and the summary's, or add them at its end.
    int sectionEnd = -1;
    bool inSection = false;
    bool keyDone = false;
    bool summaryDone = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string trimmed = Trimmed(lines[i]);
        if (!trimmed.empty() && trimmed.front() == '[') {
            inSection = ToUpperAscii(trimmed) == "[" + ToUpperAscii(section) + "]";
            if (inSection)
                sectionEnd = static_cast<int>(i) + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!trimmed.empty())
            sectionEnd = static_cast<int>(i) + 1;
        std::string name = NameOf(lines[i]);
        if (name == upperKey) {
            lines[i] = keyLine + (crlf ? "\r" : "");
            keyDone = true;
        } else if (name == ToUpperAscii(kUserKeysSummary)) {
            lines[i] = summaryLine + (crlf ? "\r" : "");
            summaryDone = true;
        }
    }
    std::vector<std::string> added;
    if (sectionEnd < 0) {
        if (!lines.empty() && !Trimmed(lines.back()).empty())
            added.emplace_back();
        added.push_back("[" + section + "]");
        sectionEnd = static_cast<int>(lines.size());
    }
    if (!keyDone)
        added.push_back(keyLine);
    if (!summaryDone)
        added.push_back(summaryLine);
    for (std::string& line : added)
        if (crlf)
            line += '\r';
    lines.insert(lines.begin() + sectionEnd, added.begin(), added.end());

    std::string out;
    for (const std::string& line : lines)
        out += line + "\n";
    return out;
}

bool RegisterUserKeyInFile(const std::string& path, const std::string& key,
                           const std::string& setting, std::string& problem) {
    std::error_code error;
    std::string text;
    if (std::filesystem::exists(path, error)) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream read;
        read << in.rdbuf();
        if (!in) {
            problem = "cannot read settings file '" + path + "'";
            return false;
        }
        text = std::move(read).str();
    } else {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    }
    std::string updated = WithUserKey(text, key, setting);
    std::string temporary = path + ".kvf-lsp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << updated;
        out.flush();
        if (!out) {
            problem = "cannot write settings file '" + temporary + "'";
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        problem = "cannot replace settings file '" + path + "': " + error.message();
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace kvf::lsp
