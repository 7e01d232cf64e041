#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Keyword comparison: ASCII letters ignore case, every other byte compares as it is. Most
// keys are written as the catalogue spells them, so eight bytes are compared at a time and
// only a word that differs is looked at byte by byte.
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    std::size_t i = 0;
    for (; i + 8 <= a.size(); i += 8) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x == y)
            continue;
        for (std::size_t j = i; j < i + 8; ++j)
            if (ToUpperAscii(a[j]) != ToUpperAscii(b[j]))
                return false;
    }
    for (; i < a.size(); ++i)
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i]))
            return false;
    return true;
}

// Hash and equality that ignore ASCII case, for maps keyed by keywords: a key is looked up
// as written, without an upper-cased copy. Transparent, so a map of strings is searched
// with a view.
struct CaseInsensitiveHash {
    using is_transparent = void;
    // Eight bytes at a time: a letter differs from its other case in bit 0x20 only, so with
    // that bit set in every byte both cases hash alike (bytes that this merges are told
    // apart by the equality).
    std::size_t operator()(std::string_view text) const {
        constexpr std::uint64_t kCaseBits = 0x2020202020202020ull;
        std::uint64_t hash = text.size() * 0x9E3779B97F4A7C15ull;
        std::size_t i = 0;
        for (; i + 8 <= text.size(); i += 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            hash = (hash ^ (word | kCaseBits)) * 0xFF51AFD7ED558CCDull;
        }
        if (const std::size_t rest = text.size() - i; rest > 0) {
            // The last one to seven bytes in one word, the case bit set in those only.
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, rest);
            hash = (hash ^ (word | (kCaseBits >> (8 * (8 - rest))))) * 0xFF51AFD7ED558CCDull;
        }
        hash ^= hash >> 33;
        hash *= 0xC4CEB9FE1A85EC53ull;
        hash ^= hash >> 33;
        return static_cast<std::size_t>(hash);
    }
};

struct CaseInsensitiveEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return EqualsNoCase(a, b); }
};

} // namespace kvf
