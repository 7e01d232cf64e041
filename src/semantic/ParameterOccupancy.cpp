#include "semantic/ParameterOccupancy.h"

namespace kvf {

std::optional<ParameterOccupancy::Released> ParameterOccupancy::Release(std::uint32_t first,
                                                                        std::uint32_t last) {
    if (last < first)
        return std::nullopt;
    auto begin = bytes_.lower_bound(first);
    auto end = bytes_.upper_bound(last);
    if (begin == end)
        return std::nullopt;
    auto highest = std::prev(end);
    Released released{highest->first, highest->second};
    bytes_.erase(begin, end);
    return released;
}

void ParameterOccupancy::Claim(std::uint32_t first, std::uint32_t last, OccupiedByte byte) {
    if (last < first)
        return;
    auto hint = bytes_.upper_bound(last);
    for (std::uint64_t offset = first; offset <= last; ++offset)
        bytes_.insert_or_assign(hint, static_cast<std::uint32_t>(offset), byte);
}

std::vector<std::uint32_t> ParameterOccupancy::Words() const {
    std::vector<std::uint32_t> words;
    words.reserve(bytes_.size());
    for (const auto& [offset, byte] : bytes_)
        words.push_back((byte.ByReference ? 0xFF000000u : 0u) |
                        (static_cast<std::uint32_t>(byte.Mask) << 16) | (offset & 0xFFFFu));
    return words;
}

} // namespace kvf
