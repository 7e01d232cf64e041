#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kvf {

// White space of every trim and split: blank, tab, CR, LF, VT, FF (no other byte, whatever
// the locale).
inline bool IsSpace(char c) {
    // One test of a bit in place of six comparisons: every line is trimmed several times.
    constexpr std::uint64_t kSpaces =
        1ull << ' ' | 1ull << '\t' | 1ull << '\r' | 1ull << '\n' | 1ull << '\v' | 1ull << '\f';
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' && (kSpaces >> byte & 1u) != 0;
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

// The value of a hexadecimal digit, or -1 for any other byte.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

inline char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

inline char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

inline std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ToUpperAscii(c);
    return out;
}

// The bytes of a word with every ASCII capital made small, eight at a time: a byte is a
// capital when it lies from 'A' to 'Z' and has its top bit clear, and only those get bit
// 0x20. Other bytes, those of 0x80 and above too, stay as they are.
inline std::uint64_t FoldCaseWord(std::uint64_t word) {
    constexpr std::uint64_t kTopBits = 0x8080808080808080ull;
    const std::uint64_t low = word & ~kTopBits;
    const std::uint64_t fromA = low + 0x3F3F3F3F3F3F3F3Full;   // top bit set from 'A' up
    const std::uint64_t beyondZ = low + 0x2525252525252525ull; // top bit set beyond 'Z'
    const std::uint64_t capital = fromA & ~beyondZ & ~word & kTopBits;
    return word | (capital >> 2);
}

// The first place at or after `from` where one of `Bytes` stands, or npos. The reader
// looks for a few marks in every line: eight bytes are tested at a time, each for all the
// marks at once. In a word, a byte equal to a mark becomes zero after an exclusive or, and
// the lowest zero byte is found exactly (borrows can only flag bytes above it).
template <char... Bytes> std::size_t FindFirstOf(std::string_view text, std::size_t from = 0) {
    static_assert(std::endian::native == std::endian::little, "the lowest byte comes first");
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kTops = 0x8080808080808080ull;
    auto zeroBytes = [](std::uint64_t x) { return (x - kOnes) & ~x & kTops; };
    std::size_t i = from;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t hits =
            (zeroBytes(word ^ (kOnes * static_cast<unsigned char>(Bytes))) | ...);
        if (hits != 0)
            return i + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
    }
    for (; i < text.size(); ++i)
        if (((text[i] == Bytes) || ...))
            return i;
    return std::string_view::npos;
}

// The words of a text as the keyword comparison and hash read them. A text of eight bytes
// or more is read as the words at 0, 8, 16, ... before its last eight bytes, then the word
// of its last eight bytes, which may overlap the word before it. A shorter text is one word
// of its bytes gathered one by one, as a copy of a varying length would cost a call.
inline std::uint64_t WordAt(std::string_view text, std::size_t at) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    return word;
}

inline std::uint64_t ShortWord(std::string_view text) {
    std::uint64_t word = 0;
    for (char c : text)
        word = word << 8 | static_cast<unsigned char>(c);
    return word;
}

// Keyword comparison: ASCII letters ignore case, every other byte compares as it is. Words
// are case folded only where they differ (most keys are written as the catalogue spells
// them).
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    auto sameWord = [](std::uint64_t x, std::uint64_t y) {
        return x == y || FoldCaseWord(x) == FoldCaseWord(y);
    };
    const std::size_t size = a.size();
    if (size < 8)
        return sameWord(ShortWord(a), ShortWord(b));
    for (std::size_t i = 0; i + 8 < size; i += 8)
        if (!sameWord(WordAt(a, i), WordAt(b, i)))
            return false;
    return sameWord(WordAt(a, size - 8), WordAt(b, size - 8));
}

// Hash and equality that ignore ASCII case, for maps keyed by keywords: a key is looked up
// as written, without an upper-cased copy. Transparent, so a map of strings is searched
// with a view.
struct CaseInsensitiveHash {
    using is_transparent = void;
    // A letter differs from its other case in bit 0x20 only, so with that bit set in every
    // byte both cases hash alike (bytes that this merges are told apart by the equality).
    std::size_t operator()(std::string_view text) const {
        constexpr std::uint64_t kCaseBits = 0x2020202020202020ull;
        const std::size_t size = text.size();
        std::uint64_t hash = size * 0x9E3779B97F4A7C15ull;
        auto mix = [&hash](std::uint64_t word) { hash = (hash ^ word) * 0xFF51AFD7ED558CCDull; };
        if (size >= 8) {
            for (std::size_t i = 0; i + 8 < size; i += 8)
                mix(WordAt(text, i) | kCaseBits);
            mix(WordAt(text, size - 8) | kCaseBits);
        } else if (size > 0) {
            // The case bit in the bytes of the text only.
            mix(ShortWord(text) | kCaseBits >> (8 * (8 - size)));
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
