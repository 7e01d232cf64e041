#pragma once

#include <string_view>

namespace kvf::language {

// Where the parts of one physical line stand, in bytes: the keyword, the value after the
// equal sign (or after the keyword where there is none) and the comment. A ';' inside double
// quotes is text, as the reader takes it. Spans are [begin, end); an absent part is empty.
struct LineLayout {
    int KeyBegin = 0;
    int KeyEnd = 0;
    int EqualSign = -1; // column of the first '=' outside quotes before the comment; -1 none
    int ValueBegin = 0;
    int ValueEnd = 0;
    int CommentBegin = -1; // column of the ';' that starts the comment; -1 none
    int ContentEnd = 0;    // the line's end without a CR

    bool HasKey() const { return KeyEnd > KeyBegin; }
    bool HasValue() const { return ValueEnd > ValueBegin; }
};

LineLayout LayOut(std::string_view line);

// The key as the line spells it.
inline std::string_view KeyOf(std::string_view line, const LineLayout& layout) {
    return line.substr(static_cast<std::size_t>(layout.KeyBegin),
                       static_cast<std::size_t>(layout.KeyEnd - layout.KeyBegin));
}

inline std::string_view ValueOf(std::string_view line, const LineLayout& layout) {
    return line.substr(static_cast<std::size_t>(layout.ValueBegin),
                       static_cast<std::size_t>(layout.ValueEnd - layout.ValueBegin));
}

} // namespace kvf::language
