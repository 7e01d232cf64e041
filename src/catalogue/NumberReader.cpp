#include "catalogue/NumberReader.h"

#include "core/AsciiText.h"

#include <cstdio>
#include <string>

namespace kvf {

namespace {

constexpr std::uint64_t kUnsignedMax = 0xFFFFFFFFu;
constexpr std::uint64_t kSignedMax = 0x7FFFFFFFu;
constexpr std::uint64_t kSignedMinMagnitude = 0x80000000u;

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

// The digits of a number as the C library finds them: sign, base prefix, digits.
struct Scan {
    bool Negative = false;
    std::uint64_t Magnitude = 0; // saturates just above the 32-bit range
    bool TooLarge = false;       // the magnitude exceeded 32 bits
    std::size_t Consumed = 0;
};

Scan ScanDigits(std::string_view text, int base, std::uint64_t limit) {
    Scan scan;
    if (base < 0 || base == 1 || base > 36)
        return scan;
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos]))
        ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        scan.Negative = text[pos] == '-';
        ++pos;
    }
    // A "0x" prefix counts only when a hexadecimal digit follows it; otherwise the 0 alone
    // is the number and the x is left over.
    auto hexPrefixAt = [&](std::size_t p) {
        return p + 2 < text.size() && text[p] == '0' &&
               (text[p + 1] == 'x' || text[p + 1] == 'X') && DigitValue(text[p + 2]) < 16;
    };
    if (base == 0) {
        if (hexPrefixAt(pos)) {
            base = 16;
            pos += 2;
        } else if (pos < text.size() && text[pos] == '0') {
            base = 8;
        } else {
            base = 10;
        }
    } else if (base == 16 && hexPrefixAt(pos)) {
        pos += 2;
    }
    std::size_t firstDigit = pos;
    while (pos < text.size() && DigitValue(text[pos]) < base) {
        if (!scan.TooLarge) {
            scan.Magnitude = scan.Magnitude * static_cast<std::uint64_t>(base) +
                             static_cast<std::uint64_t>(DigitValue(text[pos]));
            if (scan.Magnitude > limit)
                scan.TooLarge = true;
        }
        ++pos;
    }
    scan.Consumed = pos == firstDigit ? 0 : pos;
    if (scan.Consumed == 0) {
        scan.Negative = false;
        scan.Magnitude = 0;
    }
    return scan;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsCSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsCSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Step 3 of the number rule: the characters a number may be written with at all.
bool HasOnlyNumberCharacters(std::string_view text) {
    for (char c : text)
        if (!IsNumberCharacter(c))
            return false;
    return true;
}

// Step 4: a decimal text; a text that reads as 0 must be written with 0s (and minus signs).
bool DecimalTextIsSound(std::string_view text) {
    for (char c : text)
        if (!IsDigit(c) && c != '-')
            return false;
    // Reading as 0 but not written "0" (as the number's decimal form would be).
    NumberParse leading = ReadSigned32(text, 10);
    if (leading.Bits == 0 && text != "0") {
        for (char c : text)
            if (c != '0' && c != '-')
                return false;
    }
    return true;
}

std::string HexForm(std::uint32_t bits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%#x", static_cast<unsigned>(bits));
    return buffer;
}

// The clamped 32-bit results are also what a correct text of the extreme value reads as;
// only the extreme value's own spellings may pass.
bool IsSpellingOfUnsignedMax(std::string_view text) {
    return text == "4294967295" || Lower(text) == HexForm(0xFFFFFFFFu);
}

bool IsSpellingOfSignedExtreme(std::string_view text, std::uint32_t bits) {
    std::string decimal = std::to_string(static_cast<std::int32_t>(bits));
    std::string hex = HexForm(bits);
    std::string lower = Lower(text);
    return text == decimal || lower == hex || lower == "-" + hex;
}

bool HasZeroCharacter(std::string_view text) {
    return text.find('0') != std::string_view::npos;
}

} // namespace

bool IsNumberCharacter(char c) {
    // With bit 0x20 set, only the two cases of a letter become that small letter.
    const unsigned small = static_cast<unsigned char>(c) | 0x20u;
    return (c >= '0' && c <= '9') || c == '-' || small - 'a' <= 'f' - 'a' || small == 'x';
}

NumberParse ReadUnsigned32(std::string_view text, int base) {
    Scan scan = ScanDigits(text, base, kUnsignedMax);
    NumberParse result;
    result.Consumed = scan.Consumed;
    if (scan.TooLarge) {
        result.Overflow = true;
        result.Bits = 0xFFFFFFFFu;
        return result;
    }
    auto bits = static_cast<std::uint32_t>(scan.Magnitude);
    result.Bits = scan.Negative ? static_cast<std::uint32_t>(0u - bits) : bits;
    return result;
}

NumberParse ReadSigned32(std::string_view text, int base) {
    Scan scan = ScanDigits(text, base, kUnsignedMax);
    NumberParse result;
    result.Consumed = scan.Consumed;
    std::uint64_t limit = scan.Negative ? kSignedMinMagnitude : kSignedMax;
    if (scan.TooLarge || scan.Magnitude > limit) {
        result.Overflow = true;
        result.Bits = scan.Negative ? 0x80000000u : 0x7FFFFFFFu;
        return result;
    }
    auto bits = static_cast<std::uint32_t>(scan.Magnitude);
    result.Bits = scan.Negative ? static_cast<std::uint32_t>(0u - bits) : bits;
    return result;
}

std::int32_t ValueNumber(std::string_view text) {
    NumberParse parse =
        text.find('x') != std::string_view::npos ? ReadUnsigned32(text, 0) : ReadSigned32(text, 10);
    return static_cast<std::int32_t>(parse.Bits);
}

int CheckNumber(std::string_view text, NumberWidth width, std::uint8_t* byte) {
    text = TrimBlanks(text);
    if (text.empty())
        return 0;
    if (width == kBooleanDigit && text.size() > 1)
        return 0;
    if (!HasOnlyNumberCharacters(text))
        return 0;
    bool hasAnyX = FindFirstOf<'x', 'X'>(text) != std::string_view::npos;
    if (!hasAnyX && !DecimalTextIsSound(text))
        return 0;
    // A number of any size takes a minus sign (and reads unsigned); a sized unsigned one
    // does not.
    if (!width.Signed && width.Bits != 0 && text.front() == '-')
        return 0;

    // Only a lower-case x selects the automatic base; with an upper-case X the reading
    // stops at the X and the rest of the text makes the number fail.
    int base = text.find('x') != std::string_view::npos ? 0 : 10;
    NumberParse parse = width.Signed ? ReadSigned32(text, base) : ReadUnsigned32(text, base);
    if (parse.Consumed != text.size())
        return 0;

    std::uint32_t u = parse.Bits;
    auto s = static_cast<std::int32_t>(parse.Bits);
    bool zeroWithoutZero = u == 0 && !HasZeroCharacter(text);
    if (width.Signed) {
        switch (width.Bits) {
        case 8:
            return (s >= -128 && s <= 127 && !parse.Overflow && !zeroWithoutZero) ? 1 : 0;
        case 16:
            return (s >= -32768 && s <= 32767 && !parse.Overflow && !zeroWithoutZero) ? 1 : 0;
        case 32:
            if (u == 0x7FFFFFFFu || u == 0x80000000u)
                return IsSpellingOfSignedExtreme(text, u) ? 1 : 0;
            return 1;
        default:
            return 0;
        }
    }
    switch (width.Bits) {
    case 1:
        return u <= 1 ? 1 : 0;
    case 8:
        if (u > 255 || u == 0xFFFFFFFFu || zeroWithoutZero)
            return 0;
        if (byte)
            *byte = static_cast<std::uint8_t>(u);
        return 1;
    case 16:
        return (u <= 65535 && u != 0xFFFFFFFFu && !zeroWithoutZero) ? 1 : 0;
    case 32:
        if (u == 0xFFFFFFFFu)
            return IsSpellingOfUnsignedMax(text) ? 1 : 0;
        return 1;
    case 0:
        return 1;
    default:
        return 0;
    }
}

} // namespace kvf
