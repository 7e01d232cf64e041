#include "editing/EntryLineRewrite.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <utility>

namespace kvf {
namespace {

// The blanks a rewritten line loses at its end. In Windows-1252 bytes: the ASCII white
// space and the no-break space. In the editor's UTF-16 text: every Unicode space and the
// line and paragraph separators, as the editor's own trimming sees them.
bool IsTrailingBlank(char c) {
    return IsSpace(c) || static_cast<unsigned char>(c) == 0xA0;
}

bool IsTrailingBlank(char16_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

template <typename Text> Text WithoutTrailingSpace(Text text) {
    std::size_t end = text.size();
    while (end > 0 && IsTrailingBlank(text[end - 1]))
        --end;
    text.resize(end);
    return text;
}

// Column of the comment of each old line, or -1: the first ';' outside double quotes. A
// string continued over a line break stays open on the next line.
template <typename Text> std::vector<long> CommentColumns(const std::vector<Text>& lines) {
    std::vector<long> columns;
    bool inString = false;
    for (const Text& line : lines) {
        long column = -1;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"') {
                inString = !inString;
            } else if (line[i] == ';' && !inString) {
                column = static_cast<long>(i);
                break;
            }
        }
        columns.push_back(column);
    }
    return columns;
}

// A line keeps its old comment at the comment's column; a line already reaching that column
// keeps one blank before it.
template <typename Text> Text WithComment(Text line, const Text& comment, std::size_t column) {
    if (line.size() < column)
        line.append(column - line.size(), ' ');
    else if (!line.empty())
        line += ' ';
    return line + comment;
}

// The value's lines, split at CR LF, LF or CR.
template <typename Text> std::vector<Text> SplitLines(const Text& text) {
    std::vector<Text> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// Where the first '=' of a text stands that is neither quoted nor in a comment, or npos.
template <typename Text> std::size_t EqualSignAt(const Text& text, bool& inString) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            inString = !inString;
        else if (inString)
            continue;
        else if (text[i] == ';')
            break;
        else if (text[i] == '=')
            return i;
    }
    return Text::npos;
}

template <typename Text> bool IsBlankOrTab(typename Text::value_type c) {
    return c == ' ' || c == '\t';
}

// The blanks and tabs a text has right before and right after position `at`.
template <typename Text>
std::pair<std::size_t, std::size_t> BlanksAround(const Text& text, std::size_t at) {
    std::size_t first = at;
    while (first > 0 && IsBlankOrTab<Text>(text[first - 1]))
        --first;
    std::size_t last = at + 1;
    while (last < text.size() && IsBlankOrTab<Text>(text[last]))
        ++last;
    return {first, last};
}

// The new text takes the spacing the entry's lines have around their '=' (`Key = v` stays
// `Key = w`, `Key=v` stays `Key=w`), so that Apply changes no more of a line than its value.
// A line whose '=' ends it (`Key =`) is read as spaced alike on both sides.
template <typename Text> Text WithSpacingOf(const std::vector<Text>& oldLines, Text text) {
    bool inString = false;
    for (const Text& line : oldLines) {
        const std::size_t oldAt = EqualSignAt(line, inString);
        if (oldAt == Text::npos)
            continue;
        const auto [oldFirst, oldLast] = BlanksAround(line, oldAt);
        const Text before = line.substr(oldFirst, oldAt - oldFirst);
        const Text after =
            oldLast == line.size() ? before : line.substr(oldAt + 1, oldLast - oldAt - 1);
        bool newInString = false;
        const std::size_t at = EqualSignAt(text, newInString);
        if (at == Text::npos)
            return text;
        const auto [first, last] = BlanksAround(text, at);
        Text equals(1, static_cast<typename Text::value_type>('='));
        return text.substr(0, first) + before + equals + after + text.substr(last);
    }
    return text;
}

} // namespace

template <typename Text>
std::optional<RewrittenEntry<Text>> RewriteEntryLines(const std::vector<Text>& oldLines,
                                                      const Text& key, const Text& value,
                                                      bool moduleReference) {
    for (const Text& line : oldLines)
        if (line.size() > kMaxRewriteLineLength)
            return std::nullopt;

    Text text = key + value;
    if (moduleReference) {
        const std::size_t equals = text.find('=');
        if (equals != Text::npos)
            text = text.substr(equals + 1);
    } else {
        text = WithSpacingOf(oldLines, std::move(text));
    }
    const std::vector<Text> newLines = SplitLines(text);
    const std::vector<long> commentColumns = CommentColumns(oldLines);

    RewrittenEntry<Text> result;
    const std::size_t count = std::max(newLines.size(), oldLines.size());
    const std::size_t last = newLines.size() - 1;
    bool lastContinues = false;
    for (std::size_t i = 0; i < count; ++i) {
        const bool hasComment = i < oldLines.size() && commentColumns[i] >= 0;
        if (i > last && !hasComment)
            continue; // the value got shorter: its surplus lines go
        Text content;
        if (i <= last) {
            content = WithoutTrailingSpace(newLines[i]);
            if (i < last)
                content += '\\';
            else
                lastContinues = !content.empty() && content.back() == '\\';
        }
        if (hasComment) {
            const auto column = static_cast<std::size_t>(commentColumns[i]);
            content = WithComment(content, oldLines[i].substr(column), column);
        }
        result.Lines.push_back(WithoutTrailingSpace(content));
        if (i == last) {
            result.LastLineOffset = static_cast<int>(result.Lines.size()) - 1;
            // A value that itself ends in a backslash would continue into the line below.
            if (lastContinues) {
                result.Lines.emplace_back();
                ++result.LastLineOffset;
            }
        }
    }
    return result;
}

template std::optional<RewrittenEntry<std::string>>
RewriteEntryLines(const std::vector<std::string>&, const std::string&, const std::string&, bool);
template std::optional<RewrittenEntry<std::u16string>>
RewriteEntryLines(const std::vector<std::u16string>&, const std::u16string&, const std::u16string&,
                  bool);

} // namespace kvf
