#include "cli/HugePageBlocks.h"

#include "core/BlockSource.h"

#include <cstddef>
#include <cstdint>
#include <new>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace kvf::cli {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kPage = 4096;
// Below this, a block comes from the heap: it cannot hold a huge page.
constexpr std::size_t kSmallestMapped = kHugePage;

std::uintptr_t RoundUp(std::uintptr_t value, std::size_t step) {
    return (value + step - 1) / step * step;
}

#ifdef _WIN32
// Windows gives large pages only to a process that holds the right to lock memory, which a
// user's program does not have by default. A large block is committed in one call instead:
// aligned, zero-filled and returned whole to the system when it is given back.
class HugePageBlocks : public BlockSource {
  public:
    void* Take(std::size_t bytes) override {
        if (bytes < kSmallestMapped)
            return ::operator new(bytes);
        void* block =
            VirtualAlloc(nullptr, RoundUp(bytes, kPage), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (!block)
            throw std::bad_alloc();
        return block;
    }

    void Give(void* block, std::size_t bytes) noexcept override {
        if (bytes < kSmallestMapped)
            ::operator delete(block);
        else
            VirtualFree(block, 0, MEM_RELEASE);
    }
};
#else
class HugePageBlocks : public BlockSource {
  public:
    void* Take(std::size_t bytes) override {
        if (bytes < kSmallestMapped)
            return ::operator new(bytes);
        // Map a huge page more than needed and cut an aligned start out of it. The block
        // ends at its last 4 KiB page, so a part of a huge page at its end is not filled
        // out to a whole one.
        const std::size_t length = RoundUp(bytes, kPage);
        void* mapped = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED)
            throw std::bad_alloc();
        const auto first = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t start = RoundUp(first, kHugePage);
        if (start > first)
            munmap(mapped, start - first);
        const std::uintptr_t end = first + length + kHugePage;
        if (end > start + length)
            munmap(reinterpret_cast<void*>(start + length), end - (start + length));
        // Advice only: where the system has no huge pages to give, the block works all
        // the same.
        madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
        return reinterpret_cast<void*>(start);
    }

    void Give(void* block, std::size_t bytes) noexcept override {
        if (bytes < kSmallestMapped)
            ::operator delete(block);
        else
            munmap(block, RoundUp(bytes, kPage));
    }
};
#endif

} // namespace

BlockSource& HugePageBlockSource() {
    // Never destroyed: blocks may still be given back while the process ends.
    static BlockSource* const source = new HugePageBlocks;
    return *source;
}

void UseHugePageBlocks() {
    // WebAssembly's memory has no pages to map: there mmap is an allocation filled with
    // zeros and munmap gives nothing back that is not a whole mapping, so the cut-off ends
    // and every block given back would stay taken. Blocks come from the heap there.
#ifndef __EMSCRIPTEN__
    InstallBlockSource(&HugePageBlockSource());
#endif
}

} // namespace kvf::cli
