#include "core/CKeyDatabase.h"

#include <new>

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
