#include "core/CKeyDatabase.h"

#include <initializer_list>
#include <new>
#include <utility>

namespace kvf {

CKeyDatabase::~CKeyDatabase() {
    Clear();
}

void* CKeyDatabase::RoomForNext() {
    if (count_ == ChunkStart(chunks_.size())) {
        const std::size_t entries = ChunkStart(chunks_.size() + 1) - count_;
        chunks_.emplace_back(entries * sizeof(CDbEntry));
    }
    return Slot(count_);
}

CDbEntry& CKeyDatabase::Append(std::unique_ptr<CDbEntry> entry) {
    CDbEntry* added = new (RoomForNext()) CDbEntry(std::move(*entry));
    ++count_;
    return *added;
}

CDbEntry& CKeyDatabase::Emplace(EntryText key, EntryText value, int lastLine, int firstLine) {
    CDbEntry* added =
        new (RoomForNext()) CDbEntry(std::move(key), std::move(value), lastLine, firstLine);
    ++count_;
    return *added;
}

void CKeyDatabase::Swap(CKeyDatabase& other) noexcept {
    for (CKeyDatabase* database : {this, &other})
        if (database->references_)
            for (std::size_t i = 0; i < database->count_; ++i)
                database->references_->ForgetEntry(&database->At(i));
    texts_.Swap(other.texts_);
    chunks_.swap(other.chunks_);
    std::swap(count_, other.count_);
    treeNodes_.swap(other.treeNodes_);
}

void CKeyDatabase::Clear() {
    for (; count_ > 0; --count_) {
        CDbEntry& entry = At(count_ - 1);
        if (references_)
            references_->ForgetEntry(&entry);
        entry.~CDbEntry();
    }
    chunks_.clear();
    treeNodes_.clear();
    texts_.Clear();
}

long CKeyDatabase::IndexOf(const CDbEntry* entry) const {
    for (std::size_t i = 0; i < count_; ++i)
        if (&At(i) == entry)
            return static_cast<long>(i);
    return -1;
}

} // namespace kvf
