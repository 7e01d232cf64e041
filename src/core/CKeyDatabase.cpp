#include "core/CKeyDatabase.h"

#include "core/AppState.h"

namespace kvf {

CKeyDatabase::~CKeyDatabase() {
    Clear();
}

std::vector<CDbEntry>& CKeyDatabase::ChunkWithRoom() {
    if (count_ == chunks_.size() * kChunk) {
        chunks_.emplace_back();
        chunks_.back().reserve(kChunk);
    }
    return chunks_[count_ / kChunk];
}

CDbEntry& CKeyDatabase::Append(std::unique_ptr<CDbEntry> entry) {
    CDbEntry& added = ChunkWithRoom().emplace_back(std::move(*entry));
    ++count_;
    return added;
}

CDbEntry& CKeyDatabase::Emplace(EntryText key, EntryText value, int lastLine, int firstLine) {
    CDbEntry& added =
        ChunkWithRoom().emplace_back(std::move(key), std::move(value), lastLine, firstLine);
    ++count_;
    return added;
}

void CKeyDatabase::Clear() {
    while (count_ > 0) {
        if (app_)
            app_->ForgetEntry(&At(count_ - 1));
        chunks_[(count_ - 1) / kChunk].pop_back();
        if (--count_ % kChunk == 0)
            chunks_.pop_back();
    }
    texts_.Clear();
}

long CKeyDatabase::IndexOf(const CDbEntry* entry) const {
    for (std::size_t i = 0; i < count_; ++i)
        if (&At(i) == entry)
            return static_cast<long>(i);
    return -1;
}

} // namespace kvf
