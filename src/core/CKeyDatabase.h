#pragma once

#include "core/CDbEntry.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace kvf {

class AppState;

// The ordered, owning list of a document's entries. Entries are only appended and only
// removed all together, so pointers to entries stay valid until Clear().
class CKeyDatabase {
  public:
    // The database resets the application's CurrentEntry and OpenBlockEntry when it
    // destroys the entries they refer to, so neither can dangle.
    explicit CKeyDatabase(AppState* app = nullptr) : app_(app) {}
    ~CKeyDatabase();
    CKeyDatabase(const CKeyDatabase&) = delete;
    CKeyDatabase& operator=(const CKeyDatabase&) = delete;

    void SetAppState(AppState* app) { app_ = app; }

    CDbEntry& Append(std::unique_ptr<CDbEntry> entry);
    // Creates an entry in place at the end (the reader's way: no allocation of its own).
    CDbEntry& Emplace(EntryText key, EntryText value, int lastLine, int firstLine);
    void Clear();
    std::size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    CDbEntry& At(std::size_t index) { return chunks_[index / kChunk][index % kChunk]; }
    const CDbEntry& At(std::size_t index) const { return chunks_[index / kChunk][index % kChunk]; }
    CDbEntry* Last() { return count_ == 0 ? nullptr : &At(count_ - 1); }

    // Where the reader and the classification keep the texts of this database's entries.
    EntryTextStore& Texts() { return texts_; }

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
    // Entries live in chunks that never grow past their first capacity, so an entry never
    // moves and a file's entries cost a few allocations, not one each.
    static constexpr std::size_t kChunk = 1024;
    std::vector<CDbEntry>& ChunkWithRoom();

    AppState* app_;
    EntryTextStore texts_; // declared first: it outlives the entries that point into it
    std::vector<std::vector<CDbEntry>> chunks_;
    std::size_t count_ = 0;
};

} // namespace kvf
