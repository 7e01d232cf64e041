#include "core/BlockArena.h"

namespace kvf {

char* BlockArena::Room(std::size_t size) {
    if (size > kOwnBlockAbove) {
        blocks_.emplace_back(size);
        blockBytes_ += size;
        return blocks_.back().Bytes();
    }
    if (size > left_) {
        // The first blocks are smaller than a text may be.
        while (nextBlock_ < size)
            nextBlock_ *= 2;
        blocks_.emplace_back(nextBlock_);
        blockBytes_ += nextBlock_;
        free_ = blocks_.back().Bytes();
        left_ = nextBlock_;
        if (nextBlock_ < kLargestBlock)
            nextBlock_ *= 2;
    }
    char* room = free_;
    free_ += size;
    left_ -= size;
    return room;
}

void BlockArena::Clear() {
    blocks_.clear();
    nextBlock_ = kFirstBlock;
    free_ = nullptr;
    left_ = 0;
    blockBytes_ = 0;
}

} // namespace kvf
