#include "language/LineLayout.h"

namespace kvf::language {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A key ends at a blank, the equal sign, an index parenthesis or a comment.
bool EndsKey(char c) {
    return IsBlank(c) || c == '=' || c == '(' || c == ';';
}

} // namespace

LineLayout LayOut(std::string_view line) {
    LineLayout layout;
    int end = static_cast<int>(line.size());
    if (end > 0 && line[static_cast<std::size_t>(end - 1)] == '\r')
        --end;
    layout.ContentEnd = end;

    bool quoted = false;
    int contentEnd = end;
    for (int i = 0; i < end; ++i) {
        char c = line[static_cast<std::size_t>(i)];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ';') {
            layout.CommentBegin = i;
            contentEnd = i;
            break;
        } else if (!quoted && c == '=' && layout.EqualSign < 0) {
            layout.EqualSign = i;
        }
    }

    int i = 0;
    while (i < contentEnd && IsBlank(line[static_cast<std::size_t>(i)]))
        ++i;
    layout.KeyBegin = i;
    while (i < contentEnd && !EndsKey(line[static_cast<std::size_t>(i)]))
        ++i;
    layout.KeyEnd = i;

    int valueBegin = layout.EqualSign >= 0 ? layout.EqualSign + 1 : layout.KeyEnd;
    while (valueBegin < contentEnd && IsBlank(line[static_cast<std::size_t>(valueBegin)]))
        ++valueBegin;
    int valueEnd = contentEnd;
    while (valueEnd > valueBegin && IsBlank(line[static_cast<std::size_t>(valueEnd - 1)]))
        --valueEnd;
    layout.ValueBegin = valueBegin;
    layout.ValueEnd = valueEnd;
    return layout;
}

} // namespace kvf::language
