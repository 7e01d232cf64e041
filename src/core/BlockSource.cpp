#include "core/BlockSource.h"

#include <atomic>
#include <new>

namespace kvf {
namespace {

class HeapBlocks : public BlockSource {
  public:
    void* Take(std::size_t bytes) override { return ::operator new(bytes); }
    void Give(void* block, std::size_t) noexcept override { ::operator delete(block); }
};

std::atomic<BlockSource*> installed{nullptr};

} // namespace

BlockSource& CurrentBlockSource() {
    BlockSource* source = installed.load(std::memory_order_acquire);
    static HeapBlocks heap;
    return source ? *source : heap;
}

void InstallBlockSource(BlockSource* source) {
    installed.store(source, std::memory_order_release);
}

} // namespace kvf
