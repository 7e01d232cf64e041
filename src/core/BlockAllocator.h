#pragma once

#include "core/BlockSource.h"

#include <cstddef>
#include <type_traits>
#include <vector>

namespace kvf {

// A standard allocator over the block source, for the engine's containers that grow with
// the size of a file (rows, keyword tables, the semantic lists): once they are large, they
// live where the entries do. Each allocator keeps the source it was made under, so memory
// always goes back where it came from.
template <class T> class BlockAllocator {
  public:
    static_assert(alignof(T) <= alignof(std::max_align_t));
    using value_type = T;
    using propagate_on_container_copy_assignment = std::true_type;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;

    BlockAllocator() noexcept : source_(&CurrentBlockSource()) {}
    template <class U>
    BlockAllocator(const BlockAllocator<U>& other) noexcept : source_(other.Source()) {}

    T* allocate(std::size_t n) { return static_cast<T*>(source_->Take(n * sizeof(T))); }
    void deallocate(T* block, std::size_t n) noexcept { source_->Give(block, n * sizeof(T)); }

    BlockSource* Source() const noexcept { return source_; }
    template <class U> bool operator==(const BlockAllocator<U>& other) const noexcept {
        return source_ == other.Source();
    }

  private:
    BlockSource* source_;
};

// A vector whose elements live in blocks of the block source.
template <class T> using BlockVector = std::vector<T, BlockAllocator<T>>;

} // namespace kvf
