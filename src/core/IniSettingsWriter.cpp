#include "core/IniSettingsWriter.h"

#include "core/AsciiText.h"
#include "core/Windows1252.h"

#include <algorithm>

namespace kvf {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr char kLowerHex[] = "0123456789abcdef";

bool IsPlainNameCharacter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// The code points of UTF-8 text that Windows1252ToUtf8 made (so always well formed).
std::u32string CodePoints(std::string_view utf8) {
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        points += cp;
        i += length;
    }
    return points;
}

std::string EscapedName(std::string_view bytes) {
    std::string out;
    for (char32_t cp : CodePoints(Windows1252ToUtf8(bytes))) {
        if (cp == '/') {
            out += '\\';
        } else if (IsPlainNameCharacter(cp)) {
            out += static_cast<char>(cp);
        } else if (cp <= 0xFF) {
            out += '%';
            out += kHex[cp >> 4];
            out += kHex[cp & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(cp >> shift) & 0xF];
        }
    }
    return out;
}

void AppendHexEscape(std::string& out, unsigned char byte) {
    out += "\\x";
    if (byte >= 0x10)
        out += kLowerHex[byte >> 4];
    out += kLowerHex[byte & 0xF];
}

std::string EscapedValue(std::string_view bytes) {
    // A leading '@' marks a typed value for both readers; doubled it is the character.
    std::string text = Windows1252ToUtf8(bytes);
    if (!text.empty() && text.front() == '@')
        text.insert(text.begin(), '@');
    std::string out;
    out.reserve(text.size() + 2);
    bool needsQuotes = false;
    // After a numeric escape a hexadecimal digit would be read as part of it.
    bool escapeNextDigit = false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeNextDigit && HexDigitValue(c) >= 0) {
            AppendHexEscape(out, byte);
            continue;
        }
        escapeNextDigit = false;
        switch (c) {
        case '\0':
            out += "\\0";
            escapeNextDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += c;
            break;
        default:
            if (byte <= 0x1F) {
                AppendHexEscape(out, byte);
                escapeNextDigit = true;
            } else {
                out += c;
            }
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

// One line of the text as the engine's reader sees it.
struct TextLine {
    std::string Content; // without the line break
    std::string Break;   // "\r\n", "\n", "\r" or nothing (the last line)
    bool IsSection = false;
    bool IsValue = false;
    std::string Name; // the section's name for a section line, the value's for a value line
};

void Classify(TextLine& line, bool first) {
    std::string_view content = line.Content;
    if (first && content.starts_with("\xEF\xBB\xBF"))
        content.remove_prefix(3);
    content = Trim(content);
    line.IsSection = line.IsValue = false;
    if (content.empty() || content.front() == ';' || content.front() == '#')
        return;
    if (content.front() == '[' && content.back() == ']') {
        line.IsSection = true;
        line.Name = IniNameText(content.substr(1, content.size() - 2));
        return;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return;
    line.IsValue = true;
    line.Name = IniNameText(content.substr(0, equals));
}

std::vector<TextLine> SplitLines(std::string_view text) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        TextLine& line = lines.emplace_back();
        if (end == std::string_view::npos) {
            line.Content = std::string(text.substr(start));
            start = text.size();
        } else {
            std::size_t breakLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
            line.Content = std::string(text.substr(start, end - start));
            line.Break = std::string(text.substr(end, breakLength));
            start = end + breakLength;
        }
        Classify(line, lines.size() == 1);
    }
    return lines;
}

// The section each line stands in (the one before the first header is "General").
std::vector<std::string> SectionsOf(const std::vector<TextLine>& lines) {
    std::vector<std::string> sections;
    std::string section = "General";
    for (const TextLine& line : lines) {
        if (line.IsSection)
            section = line.Name;
        sections.push_back(section);
    }
    return sections;
}

bool IsBlank(const TextLine& line) {
    return Trim(line.Content).empty();
}

// Inserts a line after `at` (-1: at the start); the line before it gets a break if it had none.
void InsertAfter(std::vector<TextLine>& lines, int at, TextLine line, const std::string& lb) {
    if (at >= 0 && lines[static_cast<std::size_t>(at)].Break.empty())
        lines[static_cast<std::size_t>(at)].Break = lb;
    line.Break = lb;
    lines.insert(lines.begin() + (at + 1), std::move(line));
}

TextLine MakeLine(std::string content) {
    TextLine line;
    line.Content = std::move(content);
    Classify(line, false);
    return line;
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) on "[" + std::string&& at -O3.
std::string SectionHeaderLine(std::string_view section) {
    std::string line = "[";
    line += EscapedName(section);
    line += ']';
    return line;
}

} // namespace

std::string IniValueLine(std::string_view name, std::string_view value) {
    return EscapedName(name) + "=" + EscapedValue(value);
}

IniSettingsWriter::IniSettingsWriter(std::string text)
    : text_(std::move(text)), values_(IniSettingsStore::FromText(text_)) {}

int IniSettingsWriter::GetInt(const std::string& section, const std::string& name,
                              int defaultValue) const {
    return values_.GetInt(section, name, defaultValue);
}

void IniSettingsWriter::SetInt(const std::string& section, const std::string& name, int value) {
    SetString(section, name, std::to_string(value));
}

std::string IniSettingsWriter::GetString(const std::string& section, const std::string& name,
                                         const std::string& defaultValue) const {
    return values_.GetString(section, name, defaultValue);
}

void IniSettingsWriter::SetString(const std::string& section, const std::string& name,
                                  const std::string& value) {
    values_.SetString(section, name, value);
    std::erase_if(changes_, [&](const Change& c) {
        return EqualsNoCase(c.Section, section) && EqualsNoCase(c.Name, name);
    });
    changes_.push_back({section, name, value});
}

void IniSettingsWriter::Remove(const std::string& section, const std::string& name) {
    values_.Remove(section, name);
    std::erase_if(changes_, [&](const Change& c) {
        return EqualsNoCase(c.Section, section) && EqualsNoCase(c.Name, name);
    });
    changes_.push_back({section, name, std::nullopt});
}

std::vector<std::string> IniSettingsWriter::Names(const std::string& section) const {
    return values_.Names(section);
}

std::string IniSettingsWriter::Text() const {
    std::vector<TextLine> lines = SplitLines(text_);
    const std::string lb =
        !lines.empty() && !lines.front().Break.empty() && lines.front().Break != "\r"
            ? lines.front().Break
            : std::string("\n");
    for (const Change& change : changes_) {
        const std::vector<std::string> sections = SectionsOf(lines);
        bool inExactSection = false;
        for (std::size_t i = lines.size(); i-- > 0;) {
            TextLine& line = lines[i];
            if (!line.IsValue || !EqualsNoCase(sections[i], change.Section) ||
                !EqualsNoCase(line.Name, change.Name))
                continue;
            if (!change.Value) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            inExactSection = inExactSection || sections[i] == change.Section;
            line.Content = IniValueLine(change.Name, *change.Value);
            line.Name = change.Name;
        }
        if (!change.Value || inExactSection)
            continue;
        // At the end of the last section of exactly that name: after its last line that is
        // not blank, so the blank line before the next section stays where it is.
        int header = -1;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].IsSection && lines[i].Name == change.Section)
                header = static_cast<int>(i);
        TextLine line = MakeLine(IniValueLine(change.Name, *change.Value));
        if (header < 0) {
            if (!lines.empty() && !IsBlank(lines.back()))
                InsertAfter(lines, static_cast<int>(lines.size()) - 1, MakeLine(""), lb);
            InsertAfter(lines, static_cast<int>(lines.size()) - 1,
                        MakeLine(SectionHeaderLine(change.Section)), lb);
            InsertAfter(lines, static_cast<int>(lines.size()) - 1, std::move(line), lb);
            continue;
        }
        int last = header;
        for (int i = header + 1; i < static_cast<int>(lines.size()); ++i) {
            if (lines[static_cast<std::size_t>(i)].IsSection)
                break;
            if (!IsBlank(lines[static_cast<std::size_t>(i)]))
                last = i;
        }
        InsertAfter(lines, last, std::move(line), lb);
    }
    std::string out;
    out.reserve(text_.size() + 256);
    for (const TextLine& line : lines)
        out.append(line.Content).append(line.Break);
    return out;
}

} // namespace kvf
