#include "core/Windows1252.h"

#include <array>
#include <cstdint>

namespace kvf {
namespace {

// Code points of the bytes 0x80..0x9F; the other bytes are their own code points.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t CodePoint(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp >= 0x10000) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ToByte(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    AppendWindows1252AsUtf8(out, bytes);
    return out;
}

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes) {
    // Runs of ASCII, most of any text, are the same bytes in UTF-8.
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
            ++run;
        out.append(bytes.substr(i, run - i));
        if (run < bytes.size())
            AppendUtf8(out, CodePoint(static_cast<unsigned char>(bytes[run++])));
        i = run;
    }
}

namespace {

// The shortest form of each code point, no surrogate, nothing above U+10FFFF: what a reader of
// UTF-8 files (and Qt) takes for a character.
bool IsWellFormed(std::uint32_t cp, std::size_t length) {
    static constexpr std::array<std::uint32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    return cp >= kLeast[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

// Walks UTF-8 text character by character: `character(cp, at, length)` for each well-formed
// one, `stray(byte)` for each byte that starts none. Strict, it also takes an overlong form,
// an encoded surrogate or a code point above U+10FFFF for stray bytes.
template <bool Strict = false, typename Character, typename Stray>
void ForEachCharacter(std::string_view text, Character character, Stray stray) {
    for (std::size_t i = 0; i < text.size();) {
        auto b0 = static_cast<unsigned char>(text[i]);
        std::size_t length = b0 < 0x80           ? 1
                             : (b0 >> 5) == 0x6  ? 2
                             : (b0 >> 4) == 0xE  ? 3
                             : (b0 >> 3) == 0x1E ? 4
                                                 : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            stray(static_cast<char>(b0));
            ++i;
            continue;
        }
        std::uint32_t cp = length == 1 ? b0 : b0 & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (Strict && !IsWellFormed(cp, length)) {
            stray(static_cast<char>(b0));
            ++i;
            continue;
        }
        character(cp, i, length);
        i += length;
    }
}

} // namespace

std::string Utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    ForEachCharacter(
        text, [&](std::uint32_t cp, std::size_t, std::size_t) { out += ToByte(cp); },
        [&](char byte) { out += byte; });
    return out;
}

namespace {

// Strict ForEachCharacter that hands runs of ASCII, most of any text, to `ascii(run)` whole:
// a multi-byte character has no byte below 0x80, so the text can be cut at those.
template <typename Ascii, typename Character, typename Stray>
void ForEachRunOrCharacter(std::string_view text, Ascii ascii, Character character, Stray stray) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t run = i;
        while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x80)
            ++run;
        if (run > i)
            ascii(text.substr(i, run - i));
        std::size_t end = run;
        while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80)
            ++end;
        const std::size_t offset = run;
        ForEachCharacter<true>(
            text.substr(run, end - run),
            [&](std::uint32_t cp, std::size_t at, std::size_t length) {
                character(cp, offset + at, length);
            },
            stray);
        i = end;
    }
}

} // namespace

std::string Utf8ToCodeUnitBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    ForEachRunOrCharacter(
        text, [&](std::string_view run) { out.append(run); },
        [&](std::uint32_t cp, std::size_t, std::size_t) {
            if (cp >= 0x10000)
                out += "??";
            else
                out += ToByte(cp);
        },
        [&](char byte) { out += byte; });
    return out;
}

std::string WellFormedUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    ForEachRunOrCharacter(
        bytes, [&](std::string_view run) { out.append(run); },
        [&](std::uint32_t, std::size_t at, std::size_t length) {
            out.append(bytes.substr(at, length));
        },
        [&](char byte) { AppendUtf8(out, CodePoint(static_cast<unsigned char>(byte))); });
    return out;
}

std::size_t CountUnencodable(std::string_view text, UnencodableCharacter* first) {
    std::size_t count = 0;
    std::size_t column = 0;
    ForEachCharacter(
        text,
        [&](std::uint32_t cp, std::size_t at, std::size_t length) {
            ++column;
            if (cp == '?' || ToByte(cp) != '?')
                return;
            if (count++ == 0 && first)
                *first = {column, std::string(text.substr(at, length))};
        },
        [&](char) { ++column; });
    return count;
}

} // namespace kvf
