#pragma once

#include "catalogue/NumberWidth.h"

#include <cstdint>
#include <string_view>

namespace kvf {

// The C library's number reading as it behaves where `long` is 32 bits, whatever the
// host's `long` is: leading white space skipped, an optional sign, base 0 detects 0x / 0
// prefixes (lower- and upper-case X alike, as the C library does), reading stops at the
// first character that does not belong to the number.
struct NumberParse {
    std::uint32_t Bits = 0;   // the 32-bit result as the C function returns it
    std::size_t Consumed = 0; // characters read; 0 when no number was found
    bool Overflow = false;    // the result was clamped (ERANGE)
};

// strtoul with a 32-bit unsigned long: overflow gives 0xFFFFFFFF; a minus sign negates
// modulo 2^32.
NumberParse ReadUnsigned32(std::string_view text, int base);
// strtol with a 32-bit long: overflow gives 0x7FFFFFFF or 0x80000000 (as bits).
NumberParse ReadSigned32(std::string_view text, int base);

// The number reader of the semantic rules: a text holding a lower-case `x` is read
// unsigned with automatic base, any other text signed decimal; no number gives 0. The
// result is a 32-bit number whatever the host's `long` is: an unsigned reading wraps into
// it, so 0xFFFFFFFF reads as -1.
std::int32_t ValueNumber(std::string_view text);

// Whether a character may stand in a number at all: a digit, '-', or a to f or x in
// either case.
bool IsNumberCharacter(char c);

// The number rule: the text is one number of `width`. Returns 1 when the text passes. For
// an unsigned 8-bit width, a passing value is stored into *byte when a place is given.
int CheckNumber(std::string_view text, NumberWidth width, std::uint8_t* byte = nullptr);

} // namespace kvf
