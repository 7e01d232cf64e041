#pragma once

#include "core/BlockSource.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace kvf {

// Bytes handed out one after another from large blocks and freed all together: where
// texts that live as long as their owner stand, instead of a heap string each. Blocks
// double from 4 KiB up to 2 MiB, so a small file costs one small block and a large one
// mostly blocks big enough for huge pages. Moving the arena keeps every byte where it is.
class BlockArena {
  public:
    BlockArena() = default;
    BlockArena(BlockArena&& other) noexcept { *this = std::move(other); }
    // The arena moved from is left empty, so it cannot hand out room in blocks it no
    // longer owns.
    BlockArena& operator=(BlockArena&& other) noexcept {
        if (this != &other) {
            blocks_ = std::exchange(other.blocks_, {});
            nextBlock_ = std::exchange(other.nextBlock_, kFirstBlock);
            free_ = std::exchange(other.free_, nullptr);
            left_ = std::exchange(other.left_, 0);
            blockBytes_ = std::exchange(other.blockBytes_, 0);
        }
        return *this;
    }
    BlockArena(const BlockArena&) = delete;
    BlockArena& operator=(const BlockArena&) = delete;

    // Room for `size` bytes (size > 0), unaligned, valid until Clear().
    char* Room(std::size_t size);
    void Clear();
    // Bytes held in blocks (for tests and benchmarks).
    std::size_t BlockBytes() const { return blockBytes_; }

  private:
    static constexpr std::size_t kFirstBlock = 4 * 1024;
    static constexpr std::size_t kLargestBlock = 2 * 1024 * 1024;
    // A text longer than this gets a block of its own, so the current block keeps its room.
    static constexpr std::size_t kOwnBlockAbove = 16 * 1024;

    std::vector<OwnedBlock> blocks_;
    std::size_t nextBlock_ = kFirstBlock;
    char* free_ = nullptr;
    std::size_t left_ = 0;
    std::size_t blockBytes_ = 0;
};

} // namespace kvf
