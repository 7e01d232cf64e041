#pragma once

namespace kvf {

// The width of a number as the number rule reads it: how many bits, and whether it is read
// signed. Unsigned widths reject a leading minus; a number of any size reads unsigned and
// takes one (modulo 2^32).
struct NumberWidth {
    unsigned Bits = 0;   // 8, 16 or 32; 1 for a Boolean digit; 0 for a number of any size
    bool Signed = false; // -128..127 and so on instead of 0..255

    friend constexpr bool operator==(NumberWidth, NumberWidth) = default;
};

inline constexpr NumberWidth kAnyNumber{0, false};
inline constexpr NumberWidth kBooleanDigit{1, false};
inline constexpr NumberWidth kUnsigned8{8, false};
inline constexpr NumberWidth kUnsigned16{16, false};
inline constexpr NumberWidth kUnsigned32{32, false};
inline constexpr NumberWidth kSigned8{8, true};
inline constexpr NumberWidth kSigned16{16, true};
inline constexpr NumberWidth kSigned32{32, true};

} // namespace kvf
