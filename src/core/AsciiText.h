#pragma once

#include <string>
#include <string_view>

namespace kvf {

// White space as the original text routines saw it: blank, tab, CR, LF, VT, FF.
inline bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

inline std::string_view TrimLeft(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    return text.substr(i);
}

inline std::string_view TrimRight(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && IsSpace(text[n - 1]))
        --n;
    return text.substr(0, n);
}

inline std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

inline char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

inline std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ToUpperAscii(c);
    return out;
}

// Keyword comparison: ASCII letters ignore case, every other byte compares as it is.
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i]))
            return false;
    return true;
}

} // namespace kvf
