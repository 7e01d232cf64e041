#pragma once

#include "core/BlockSource.h"
#include "core/CDbEntry.h"

#include <bit>
#include <cstddef>
#include <memory>
#include <vector>

namespace kvf {

// What holds pointers to the entries of a database beyond the database itself (a window's
// CurrentEntry, a run's block state): told when the database destroys an entry, so that
// no such pointer can dangle.
class EntryReferences {
  public:
    virtual void ForgetEntry(const CDbEntry* entry) = 0;

  protected:
    ~EntryReferences() = default;
};

// The ordered, owning list of a document's entries. Entries are only appended and only
// removed all together, so pointers to entries stay valid until Clear().
class CKeyDatabase {
  public:
    // The database tells `references` of each entry it destroys.
    explicit CKeyDatabase(EntryReferences* references = nullptr) : references_(references) {}
    ~CKeyDatabase();
    CKeyDatabase(const CKeyDatabase&) = delete;
    CKeyDatabase& operator=(const CKeyDatabase&) = delete;

    void SetReferences(EntryReferences* references) { references_ = references; }

    // Trades entries, texts and tree nodes with `other` (a database built on another thread,
    // say); neither entry nor text moves. The references of each stay with it: this one's are
    // told that its entries left, as Clear tells them.
    void Swap(CKeyDatabase& other) noexcept;

    CDbEntry& Append(std::unique_ptr<CDbEntry> entry);
    // Creates an entry in place at the end (the reader's way: no allocation of its own).
    CDbEntry& Emplace(EntryText key, EntryText value, int lastLine, int firstLine);
    void Clear();
    std::size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    CDbEntry& At(std::size_t index) { return *Slot(index); }
    const CDbEntry& At(std::size_t index) const { return *Slot(index); }
    CDbEntry* Last() { return count_ == 0 ? nullptr : &At(count_ - 1); }

    // Where the reader and the classification keep the texts of this database's entries.
    EntryTextStore& Texts() { return texts_; }

    // The tree view's node of the entry at `index` (its hTree), opaque to the engine; none
    // for an entry made after the tree was built. Kept beside the entries, not in them:
    // only the editor's tree sets it, and without it an entry is eight bytes smaller.
    void* TreeNode(std::size_t index) const {
        return index < treeNodes_.size() ? treeNodes_[index] : nullptr;
    }
    void SetTreeNodes(std::vector<void*> nodes) { treeNodes_ = std::move(nodes); }

    // Index of an entry of this database, or -1. Linear: meant for reports, not hot loops.
    long IndexOf(const CDbEntry* entry) const;

    class Iterator {
      public:
        Iterator(const CKeyDatabase* database, std::size_t index)
            : database_(database), index_(index) {}
        CDbEntry& operator*() const { return const_cast<CDbEntry&>(database_->At(index_)); }
        CDbEntry* operator->() const { return &**this; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return index_ != other.index_; }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

      private:
        const CKeyDatabase* database_;
        std::size_t index_;
    };
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, count_); }

  private:
    // Entries live in chunks that never move, so an entry never moves and a file's entries
    // cost a few blocks, not an allocation each. The first chunk holds 64 entries and each
    // next one twice as many, up to 65,536; after those, every chunk fills 8 MiB, a whole
    // number of huge pages. A small file takes one small block, a large one mostly whole
    // huge pages.
    static constexpr unsigned kFirstChunkBits = 6;
    static constexpr unsigned kDoublings = 10;
    static constexpr std::size_t kGrownChunk = (std::size_t{8} << 20) / sizeof(CDbEntry);
    static constexpr std::size_t kDoubledEntries = ((std::size_t{2} << kDoublings) - 1)
                                                   << kFirstChunkBits;
    static constexpr std::size_t ChunkStart(std::size_t chunk) {
        return chunk <= kDoublings + 1 ? ((std::size_t{1} << chunk) - 1) << kFirstChunkBits
                                       : kDoubledEntries + (chunk - kDoublings - 1) * kGrownChunk;
    }
    static std::size_t ChunkOf(std::size_t index) {
        if (index < kDoubledEntries)
            return static_cast<std::size_t>(std::bit_width((index >> kFirstChunkBits) + 1)) - 1;
        return kDoublings + 1 + (index - kDoubledEntries) / kGrownChunk;
    }
    CDbEntry* Slot(std::size_t index) const {
        const std::size_t chunk = ChunkOf(index);
        return static_cast<CDbEntry*>(chunks_[chunk].Data()) + (index - ChunkStart(chunk));
    }
    void* RoomForNext();

    EntryReferences* references_;
    EntryTextStore texts_; // declared first: it outlives the entries that point into it
    std::vector<OwnedBlock> chunks_;
    std::size_t count_ = 0;
    std::vector<void*> treeNodes_;
};

} // namespace kvf
