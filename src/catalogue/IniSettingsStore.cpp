#include "catalogue/IniSettingsStore.h"

#include "document/AsciiText.h"

#include <cctype>
#include <cstdlib>

namespace kvf {
namespace {

// QSettings writes special characters of names as %XX.
std::string DecodeName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 2 < name.size() &&
            std::isxdigit(static_cast<unsigned char>(name[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2]))) {
            out += static_cast<char>(
                std::strtol(std::string(name.substr(i + 1, 2)).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += name[i];
        }
    }
    return out;
}

std::string DecodeValue(std::string_view value) {
    value = Trim(value);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::string(value);
    std::string out;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        char c = value[i];
        if (c == '\\' && i + 2 < value.size()) {
            char next = value[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

IniSettingsStore IniSettingsStore::FromText(std::string_view text) {
    IniSettingsStore store;
    std::string section = "General";
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = DecodeName(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        store.SetString(section, DecodeName(Trim(line.substr(0, equals))),
                        DecodeValue(line.substr(equals + 1)));
    }
    return store;
}

int IniSettingsStore::GetInt(const std::string& section, const std::string& name,
                             int defaultValue) const {
    std::string text = GetString(section, name, std::string());
    if (Trim(text).empty())
        return defaultValue;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    return end && Trim(end).empty() ? static_cast<int>(value) : defaultValue;
}

void IniSettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    SetString(section, name, std::to_string(value));
}

std::string IniSettingsStore::GetString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) const {
    return values_.GetString(ToUpperAscii(section), ToUpperAscii(name), defaultValue);
}

void IniSettingsStore::SetString(const std::string& section, const std::string& name,
                                 const std::string& value) {
    values_.SetString(ToUpperAscii(section), ToUpperAscii(name), value);
}

} // namespace kvf
