#include "core/IniSettingsStore.h"

#include "core/AsciiText.h"
#include "core/Windows1252.h"

#include <cstdlib>
#include <optional>

namespace kvf {
namespace {

int HexDigit(char c) {
    return HexDigitValue(c);
}

// A code point as UTF-8; what no character can be becomes U+FFFD.
void AppendUtf8(std::string& out, unsigned long code) {
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A section or value name: '\' stands for '/', %XX and %UXXXX for a character.
std::string DecodeName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c == '\\') {
            out += '/';
            continue;
        }
        if (c == '%') {
            std::size_t digits = i + 1 < name.size() && name[i + 1] == 'U' ? 4 : 2;
            std::size_t first = digits == 4 ? i + 2 : i + 1;
            unsigned long code = 0;
            bool ok = first + digits <= name.size();
            for (std::size_t k = 0; ok && k < digits; ++k) {
                int d = HexDigit(name[first + k]);
                ok = d >= 0;
                code = code * 16 + static_cast<unsigned long>(d);
            }
            if (ok) {
                AppendUtf8(out, code);
                i = first + digits - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// The backslash escape at value[i] (just after the backslash); advances i past it.
void ReadEscape(std::string_view value, std::size_t& i, std::string& out) {
    char c = value[i++];
    switch (c) {
    case 'a':
        out += '\a';
        return;
    case 'b':
        out += '\b';
        return;
    case 'f':
        out += '\f';
        return;
    case 'n':
        out += '\n';
        return;
    case 'r':
        out += '\r';
        return;
    case 't':
        out += '\t';
        return;
    case 'v':
        out += '\v';
        return;
    case '"':
    case '\'':
    case '?':
    case '\\':
        out += c;
        return;
    default:
        break;
    }
    unsigned long code = 0;
    if (c == 'x') {
        if (i >= value.size() || HexDigit(value[i]) < 0)
            return; // "\x" without digits stands for nothing
        while (i < value.size() && HexDigit(value[i]) >= 0 && code <= 0x10FFFF)
            code = code * 16 + static_cast<unsigned long>(HexDigit(value[i++]));
        AppendUtf8(out, code);
    } else if (c >= '0' && c <= '7') {
        code = static_cast<unsigned long>(c - '0');
        while (i < value.size() && value[i] >= '0' && value[i] <= '7' && code <= 0x10FFFF)
            code = code * 8 + static_cast<unsigned long>(value[i++] - '0');
        AppendUtf8(out, code);
    }
    // Any other escaped character is dropped, as the writer's reader does.
}

// The text of a value as the writer meant it: quotes and escapes read, outer blanks gone.
std::string UnescapeValue(std::string_view value) {
    std::string out;
    std::size_t keep = 0; // text up to here stays, even blanks (quoted or escaped)
    bool quoted = false;
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    while (i < value.size()) {
        char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            ++i;
            ReadEscape(value, i, out);
            keep = out.size();
        } else if (c == '"') {
            quoted = !quoted;
            ++i;
            keep = out.size();
            while (!quoted && i < value.size() && (value[i] == ' ' || value[i] == '\t'))
                ++i; // blanks between quoted parts are no text
        } else if (c == ',' && !quoted) {
            // The writer's list separator: the items are read without the blanks around
            // them and joined with commas again.
            out.resize(keep);
            out += ',';
            keep = out.size();
            for (++i; i < value.size() && (value[i] == ' ' || value[i] == '\t');)
                ++i;
        } else {
            out += c;
            ++i;
            if (quoted || (c != ' ' && c != '\t'))
                keep = out.size();
        }
    }
    out.resize(keep);
    return out;
}

// The writer marks a value that is no plain text with a leading '@'.
std::optional<std::string> ValueText(std::string text) {
    if (text.empty() || text[0] != '@')
        return text;
    if (text.starts_with("@@"))
        return text.substr(1);
    for (std::string_view wrapper : {"@ByteArray(", "@String("})
        if (text.starts_with(wrapper) && text.back() == ')')
            return text.substr(wrapper.size(), text.size() - wrapper.size() - 1);
    if (text.find('(') != std::string::npos && text.back() == ')')
        return std::nullopt; // a typed value (@Invalid(), @Variant(...), @Rect(...))
    return text;
}

std::string ToStore(std::string_view utf8) {
    return Utf8ToWindows1252(utf8);
}

} // namespace

std::string IniNameText(std::string_view written) {
    return ToStore(DecodeName(Trim(written)));
}

IniSettingsStore IniSettingsStore::FromText(std::string_view text) {
    IniSettingsStore store;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::string section = "General";
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = IniNameText(line.substr(1, line.size() - 2));
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string name = IniNameText(line.substr(0, equals));
        std::optional<std::string> value = ValueText(UnescapeValue(line.substr(equals + 1)));
        if (value)
            store.SetString(section, name, ToStore(*value));
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

void IniSettingsStore::Remove(const std::string& section, const std::string& name) {
    values_.Remove(ToUpperAscii(section), ToUpperAscii(name));
}

std::vector<std::string> IniSettingsStore::Names(const std::string& section) const {
    return values_.Names(ToUpperAscii(section));
}

} // namespace kvf
