#pragma once

#include "core/BlockAllocator.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvf {

// Numbers a file defines (module references, parameter definitions, text tables), each
// with the position of its record: open addressing over a power-of-two table of 8-byte
// slots. A large file defines a number every few lines, so a node-based map would cost
// five times the memory.
class NumberIndex {
  public:
    // Adds the number with its position unless it is there (the first one stays); returns
    // whether it was added.
    bool Insert(std::int32_t number, std::uint32_t position = 0);
    // The position of a number, or none.
    const std::uint32_t* Find(std::int32_t number) const;
    bool Contains(std::int32_t number) const { return Find(number) != nullptr; }
    std::size_t Size() const { return count_; }

  private:
    static constexpr std::uint32_t kUnused = 0xFFFFFFFFu;
    struct Slot {
        std::int32_t Number = 0;
        std::uint32_t Position = kUnused;
    };

    std::size_t SlotOf(std::int32_t number) const;
    void Grow();

    BlockVector<Slot> slots_;
    std::size_t count_ = 0;
};

} // namespace kvf
