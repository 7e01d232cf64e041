#include "variants/SequenceAlignment.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <unordered_set>

namespace kvf {
namespace {

using Index = std::ptrdiff_t;

// Elements of both sequences, with the positions they had before the others were set aside.
struct SharedElements {
    std::vector<std::uint32_t> Values;
    std::vector<std::size_t> Positions;
};

// Which values a sequence holds: a table of bits for small numbers (interned ids, as the
// callers pass), a hash set otherwise.
class ValueSet {
  public:
    explicit ValueSet(std::span<const std::uint32_t> values) {
        std::uint32_t largest = 0;
        for (std::uint32_t v : values)
            largest = std::max(largest, v);
        if (values.empty() || largest <= 4 * values.size() + 1024) {
            bits_.assign(values.empty() ? 0 : std::size_t{largest} + 1, false);
            for (std::uint32_t v : values)
                bits_[v] = true;
            dense_ = true;
        } else {
            hashed_.insert(values.begin(), values.end());
        }
    }
    bool Contains(std::uint32_t v) const {
        return dense_ ? v < bits_.size() && bits_[v] : hashed_.contains(v);
    }

  private:
    bool dense_ = false;
    std::vector<bool> bits_;
    std::unordered_set<std::uint32_t> hashed_;
};

SharedElements KeepShared(std::span<const std::uint32_t> values, const ValueSet& other) {
    SharedElements kept;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (other.Contains(values[i])) {
            kept.Values.push_back(values[i]);
            kept.Positions.push_back(i);
        }
    return kept;
}

// One part of the edit graph still to be aligned: x from xLow to xHigh, y from yLow to yHigh.
struct Part {
    Index XLow, XHigh, YLow, YHigh;
};

// The search for the middle of the shortest edit script of a part, forward from its start
// and backward from its end until the two meet (Myers, "An O(ND) difference algorithm and
// its variations", 1986, in linear space). The furthest x reached on each diagonal k = x - y
// is kept for both directions in one array each, over every diagonal of the whole graph.
class MiddleSearch {
  public:
    MiddleSearch(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
        : a_(a), b_(b), offset_(static_cast<Index>(b.size()) + 1),
          forward_(a.size() + b.size() + 3), backward_(a.size() + b.size() + 3) {
        // Past this many rounds a part's search settles for the furthest point it reached:
        // about the square root of the sequences' length, and at least 256 rounds, so that
        // parts with up to a few hundred differences are aligned exactly.
        limit_ = 1;
        for (std::size_t diagonals = a.size() + b.size() + 3; diagonals != 0; diagonals >>= 2)
            limit_ <<= 1;
        limit_ = std::max<Index>(limit_, 256);
    }

    // A point (x, y) on a shortest (or, past the limit, a good) path through the part; the
    // part's first elements differ, and so do its last ones.
    std::pair<Index, Index> Split(const Part& p) {
        const Index dMin = p.XLow - p.YHigh, dMax = p.XHigh - p.YLow;
        const Index fMid = p.XLow - p.YLow, bMid = p.XHigh - p.YHigh;
        const bool odd = ((fMid - bMid) & 1) != 0;
        Index fMin = fMid, fMax = fMid, bMin = bMid, bMax = bMid;
        F(fMid) = p.XLow;
        B(bMid) = p.XHigh;
        for (Index round = 1;; ++round) {
            // One more difference forward. The diagonals just outside the range searched
            // get a value that makes the search step into the range from the side.
            if (fMin > dMin)
                F(--fMin - 1) = -1;
            else
                ++fMin;
            if (fMax < dMax)
                F(++fMax + 1) = -1;
            else
                --fMax;
            for (Index k = fMax; k >= fMin; k -= 2) {
                Index below = F(k - 1), above = F(k + 1);
                Index x = below >= above ? below + 1 : above;
                Index y = x - k;
                while (x < p.XHigh && y < p.YHigh && a_[x] == b_[y]) {
                    ++x;
                    ++y;
                }
                F(k) = x;
                if (odd && bMin <= k && k <= bMax && B(k) <= x)
                    return {x, y};
            }
            // And one more backward.
            if (bMin > dMin)
                B(--bMin - 1) = kFar;
            else
                ++bMin;
            if (bMax < dMax)
                B(++bMax + 1) = kFar;
            else
                --bMax;
            for (Index k = bMax; k >= bMin; k -= 2) {
                Index below = B(k - 1), above = B(k + 1);
                Index x = below < above ? below : above - 1;
                Index y = x - k;
                while (x > p.XLow && y > p.YLow && a_[x - 1] == b_[y - 1]) {
                    --x;
                    --y;
                }
                B(k) = x;
                if (!odd && fMin <= k && k <= fMax && x <= F(k))
                    return {x, y};
            }
            if (round >= limit_)
                return Furthest(p, fMin, fMax, bMin, bMax);
        }
    }

  private:
    static constexpr Index kFar = std::numeric_limits<Index>::max();

    Index& F(Index k) { return forward_[static_cast<std::size_t>(k + offset_)]; }
    Index& B(Index k) { return backward_[static_cast<std::size_t>(k + offset_)]; }

    // The search took too long: the point of either direction that got furthest from where
    // that direction started.
    std::pair<Index, Index> Furthest(const Part& p, Index fMin, Index fMax, Index bMin,
                                     Index bMax) {
        Index fBestSum = -1, fBestX = p.XLow;
        for (Index k = fMax; k >= fMin; k -= 2) {
            Index x = std::min(F(k), p.XHigh);
            Index y = x - k;
            if (y > p.YHigh) {
                x = p.YHigh + k;
                y = p.YHigh;
            }
            if (x + y > fBestSum) {
                fBestSum = x + y;
                fBestX = x;
            }
        }
        Index bBestSum = kFar, bBestX = p.XHigh;
        for (Index k = bMax; k >= bMin; k -= 2) {
            Index x = std::max(B(k), p.XLow);
            Index y = x - k;
            if (y < p.YLow) {
                x = p.YLow + k;
                y = p.YLow;
            }
            if (x + y < bBestSum) {
                bBestSum = x + y;
                bBestX = x;
            }
        }
        if ((p.XHigh + p.YHigh) - bBestSum < fBestSum - (p.XLow + p.YLow))
            return {fBestX, fBestSum - fBestX};
        return {bBestX, bBestSum - bBestX};
    }

    const std::vector<std::uint32_t>& a_;
    const std::vector<std::uint32_t>& b_;
    Index offset_;
    Index limit_ = 256;
    std::vector<Index> forward_;
    std::vector<Index> backward_;
};

} // namespace

std::vector<AlignedPair> AlignSequences(std::span<const std::uint32_t> first,
                                        std::span<const std::uint32_t> second) {
    // An element that only one sequence holds is never matched; without them the search
    // sees fewer differences and the same longest common subsequence.
    const SharedElements a = KeepShared(first, ValueSet(second));
    const SharedElements b = KeepShared(second, ValueSet(first));
    const std::vector<std::uint32_t>& x = a.Values;
    const std::vector<std::uint32_t>& y = b.Values;

    // matchOf[i]: the element of y matched with x[i], or -1; read in order at the end, so
    // the parts may be solved in any order.
    std::vector<Index> matchOf(x.size(), -1);
    MiddleSearch search(x, y);
    std::vector<Part> parts{Part{0, static_cast<Index>(x.size()), 0, static_cast<Index>(y.size())}};
    while (!parts.empty()) {
        Part p = parts.back();
        parts.pop_back();
        while (p.XLow < p.XHigh && p.YLow < p.YHigh && x[p.XLow] == y[p.YLow])
            matchOf[p.XLow++] = p.YLow++;
        while (p.XLow < p.XHigh && p.YLow < p.YHigh && x[p.XHigh - 1] == y[p.YHigh - 1])
            matchOf[--p.XHigh] = --p.YHigh;
        if (p.XLow == p.XHigh || p.YLow == p.YHigh)
            continue; // only insertions or only deletions are left
        auto [midX, midY] = search.Split(p);
        // A split at a corner would leave the part as it is: nothing of it is matched then.
        if ((midX == p.XLow && midY == p.YLow) || (midX == p.XHigh && midY == p.YHigh))
            continue;
        parts.push_back(Part{midX, p.XHigh, midY, p.YHigh});
        parts.push_back(Part{p.XLow, midX, p.YLow, midY});
    }

    std::vector<AlignedPair> pairs;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (matchOf[i] >= 0)
            pairs.push_back(
                AlignedPair{a.Positions[i], b.Positions[static_cast<std::size_t>(matchOf[i])]});
    return pairs;
}

} // namespace kvf
