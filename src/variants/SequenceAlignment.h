#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvf {

// Two positions, one in each sequence, whose elements an alignment pairs.
struct AlignedPair {
    std::size_t First = 0;
    std::size_t Second = 0;
    friend bool operator==(const AlignedPair&, const AlignedPair&) = default;
};

// A longest common subsequence of two sequences of numbers, as the pairs of positions it
// matches, in increasing order of both. An element missing in one sequence is an insertion
// or deletion: the elements after it are still matched.
//
// Time grows with the length of the sequences times the number of differences (the O(ND)
// difference algorithm, searching from both ends for the middle of the shortest edit
// script), so similar sequences of a million elements align in about linear time. Elements
// that only one sequence holds are set aside first, and where a part of the search would
// still grow too long (sequences that share their elements in a very different order) it
// takes the furthest point it reached: the result is then a common subsequence, though not
// always a longest one.
std::vector<AlignedPair> AlignSequences(std::span<const std::uint32_t> first,
                                        std::span<const std::uint32_t> second);

} // namespace kvf
