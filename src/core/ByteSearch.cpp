#include "core/ByteSearch.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace kvf {

const void* FindByte(const void* data, int byte, std::size_t size) noexcept {
    static_assert(std::endian::native == std::endian::little, "the lowest byte comes first");
    const auto* bytes = static_cast<const unsigned char*>(data);
    const auto wanted = static_cast<unsigned char>(byte);
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kTops = 0x8080808080808080ull;
    const std::uint64_t pattern = kOnes * wanted;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        // A byte equal to the wanted one is zero after the exclusive or; the lowest zero
        // byte is found exactly (borrows can only flag bytes above it).
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        word ^= pattern;
        const std::uint64_t hits = (word - kOnes) & ~word & kTops;
        if (hits != 0)
            return bytes + i + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
    }
    for (; i < size; ++i)
        if (bytes[i] == wanted)
            return bytes + i;
    return nullptr;
}

} // namespace kvf

#ifdef __EMSCRIPTEN__
// Every byte search of the program, string_view::find's too, comes here.
extern "C" void* memchr(const void* data, int byte, std::size_t size) {
    return const_cast<void*>(kvf::FindByte(data, byte, size));
}
#endif
