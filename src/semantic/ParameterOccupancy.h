#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace kvf {

// One parameter byte in use: the bits of it that parameters use, and whether a reference to
// a parameter definition claimed it (constant bytes claim the byte without naming bits).
struct OccupiedByte {
    std::uint8_t Mask = 0;
    bool ByReference = false;
};

// The parameter bytes in use in one parameter telegram, by offset. Ordered by offset, so
// that claiming a few bytes costs a logarithmic step whatever the number of definitions.
class ParameterOccupancy {
  public:
    struct Released {
        std::uint32_t Offset;
        OccupiedByte Byte;
    };

    // Frees the bytes first ... last and tells the highest one that was in use, if any.
    std::optional<Released> Release(std::uint32_t first, std::uint32_t last);
    // Marks the bytes first ... last as in use, each as `byte` says.
    void Claim(std::uint32_t first, std::uint32_t last, OccupiedByte byte);
    void Clear() { bytes_.clear(); }

    // The bytes as occupancy words in ascending order: bits 15-0 the offset, 23-16 the mask,
    // 31-24 0xFF for a byte claimed by a reference and 0 for constant bytes.
    std::vector<std::uint32_t> Words() const;

  private:
    std::map<std::uint32_t, OccupiedByte> bytes_;
};

} // namespace kvf
