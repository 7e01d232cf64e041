#pragma once

#include <cstddef>
#include <utility>

namespace kvf {

// Where the engine's large blocks of memory come from: entry chunks, the texts of entries
// and rows, the tables and lists that grow with a file, and kvfcheck's copy of the file.
// The engine takes them from the heap; a shell may install a source that maps memory the
// way its platform serves large blocks best (kvfcheck asks for huge pages, which makes
// first touches of a large file's memory several times cheaper). Blocks are given back to
// the source that took them.
class BlockSource {
  public:
    virtual ~BlockSource() = default;
    // At least `bytes` bytes (bytes > 0), aligned for any object, not cleared. Throws
    // std::bad_alloc when there is no memory.
    virtual void* Take(std::size_t bytes) = 0;
    // A block Take returned, with the size asked for then.
    virtual void Give(void* block, std::size_t bytes) noexcept = 0;
};

// The source new blocks come from. Installed by a shell before its first check run and
// kept for the rest of the process; nullptr restores the heap.
BlockSource& CurrentBlockSource();
void InstallBlockSource(BlockSource* source);

// A block owned: given back to its source when it ends.
class OwnedBlock {
  public:
    OwnedBlock() = default;
    explicit OwnedBlock(std::size_t bytes)
        : source_(&CurrentBlockSource()), data_(source_->Take(bytes)), size_(bytes) {}
    OwnedBlock(OwnedBlock&& other) noexcept
        : source_(std::exchange(other.source_, nullptr)),
          data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    OwnedBlock& operator=(OwnedBlock&& other) noexcept {
        if (this != &other) {
            Release();
            source_ = std::exchange(other.source_, nullptr);
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
        }
        return *this;
    }
    OwnedBlock(const OwnedBlock&) = delete;
    OwnedBlock& operator=(const OwnedBlock&) = delete;
    ~OwnedBlock() { Release(); }

    char* Bytes() const { return static_cast<char*>(data_); }
    void* Data() const { return data_; }
    std::size_t Size() const { return size_; }

  private:
    void Release() noexcept {
        if (data_)
            source_->Give(data_, size_);
        data_ = nullptr;
    }

    BlockSource* source_ = nullptr;
    void* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace kvf
