#include "variants/SequenceAlignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace kvf {
namespace {

using Sequence = std::vector<std::uint32_t>;

// The length of a longest common subsequence, by the textbook table.
std::size_t LcsLength(const Sequence& a, const Sequence& b) {
    std::vector<std::vector<std::size_t>> t(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            t[i][j] =
                a[i - 1] == b[j - 1] ? t[i - 1][j - 1] + 1 : std::max(t[i - 1][j], t[i][j - 1]);
    return t[a.size()][b.size()];
}

// Pairs of equal elements, increasing in both sequences.
void ExpectCommonSubsequence(const Sequence& a, const Sequence& b,
                             const std::vector<AlignedPair>& pairs) {
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        ASSERT_LT(pairs[k].First, a.size());
        ASSERT_LT(pairs[k].Second, b.size());
        EXPECT_EQ(a[pairs[k].First], b[pairs[k].Second]);
        if (k > 0) {
            EXPECT_LT(pairs[k - 1].First, pairs[k].First);
            EXPECT_LT(pairs[k - 1].Second, pairs[k].Second);
        }
    }
}

struct AlignCase {
    const char* name;
    Sequence a;
    Sequence b;
    std::vector<AlignedPair> pairs;
};

class AlignKnown : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignKnown, GivesThePairs) {
    EXPECT_EQ(AlignSequences(GetParam().a, GetParam().b), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlignKnown,
    ::testing::Values(
        AlignCase{"BothEmpty", {}, {}, {}}, AlignCase{"FirstEmpty", {}, {1, 2}, {}},
        AlignCase{"SecondEmpty", {1, 2}, {}, {}},
        AlignCase{"Equal", {1, 2, 3}, {1, 2, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        // An insertion or deletion in the middle leaves everything after it matched.
        AlignCase{"Inserted", {1, 2, 3, 4}, {1, 2, 9, 3, 4}, {{0, 0}, {1, 1}, {2, 3}, {3, 4}}},
        AlignCase{"Deleted", {1, 2, 9, 3, 4}, {1, 2, 3, 4}, {{0, 0}, {1, 1}, {3, 2}, {4, 3}}},
        AlignCase{"Replaced", {1, 2, 3}, {1, 7, 3}, {{0, 0}, {2, 2}}},
        AlignCase{"NothingShared", {1, 2, 3}, {4, 5, 6}, {}},
        AlignCase{"InsertedAtStart", {5, 6}, {4, 5, 6}, {{0, 1}, {1, 2}}},
        AlignCase{"DeletedAtEnd", {5, 6, 7}, {5, 6}, {{0, 0}, {1, 1}}},
        AlignCase{"Crossed", {1, 2}, {2, 1}, {{1, 0}}},
        // Large numbers are set aside through a hash set instead of a table.
        AlignCase{"LargeNumbers",
                  {4000000000u, 7, 4000000001u},
                  {4000000000u, 4000000001u},
                  {{0, 0}, {2, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Random sequences over a few letters: every result is a longest common subsequence.
TEST(AlignSequences, FindsALongestCommonSubsequence) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 400; ++round) {
        std::uniform_int_distribution<int> length(0, 40), letter(0, round % 2 ? 3 : 8);
        Sequence a(static_cast<std::size_t>(length(random)));
        Sequence b(static_cast<std::size_t>(length(random)));
        for (auto& v : a)
            v = static_cast<std::uint32_t>(letter(random));
        for (auto& v : b)
            v = static_cast<std::uint32_t>(letter(random));
        auto pairs = AlignSequences(a, b);
        ExpectCommonSubsequence(a, b, pairs);
        ASSERT_EQ(pairs.size(), LcsLength(a, b)) << "round " << round;
    }
}

// Two similar long sequences: each insertion and deletion costs one element, however far
// from the end it lies.
TEST(AlignSequences, LongSimilarSequencesLoseOnlyTheirDifferences) {
    Sequence a, b;
    for (std::uint32_t i = 0; i < 200000; ++i)
        a.push_back(i % 1000); // repeating, as the entries of a large file do
    b = a;
    for (std::size_t at : {150000u, 90000u, 40000u, 10u})
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(at),
                 5000 + static_cast<std::uint32_t>(at));
    b.erase(b.begin() + 120000);
    b.erase(b.begin() + 60000);
    auto pairs = AlignSequences(a, b);
    ExpectCommonSubsequence(a, b, pairs);
    EXPECT_EQ(pairs.size(), a.size() - 2);
}

// Sequences that share their elements in another order: the search stops at its limit
// and still gives a common subsequence.
TEST(AlignSequences, ShuffledSequencesStillGiveACommonSubsequence) {
    Sequence a(20000);
    for (std::uint32_t i = 0; i < a.size(); ++i)
        a[i] = i;
    Sequence b = a;
    std::shuffle(b.begin(), b.end(), std::mt19937(7));
    auto pairs = AlignSequences(a, b);
    ExpectCommonSubsequence(a, b, pairs);
    EXPECT_GT(pairs.size(), 0u);
}

} // namespace
} // namespace kvf
