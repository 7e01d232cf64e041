#pragma once

#include <cstddef>
#include <vector>

namespace kvf {

// What the block content rules collect: the Jokerblock_Slot count of each Jokerblock_Type
// block, in file order, so that the second pass judges every block by its own count.
struct BlockContentState {
    std::vector<unsigned> JokerblockSlotCounts;
    std::size_t JokerblockBlocksJudged = 0;
};

} // namespace kvf
