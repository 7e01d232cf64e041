#include "document/CKeyDatabase.h"

#include "document/AppState.h"

namespace kvf {

CKeyDatabase::~CKeyDatabase() { Clear(); }

CDbEntry& CKeyDatabase::Append(std::unique_ptr<CDbEntry> entry) {
    entries_.push_back(std::move(entry));
    return *entries_.back();
}

void CKeyDatabase::Clear() {
    while (!entries_.empty()) {
        if (app_)
            app_->ForgetEntry(entries_.back().get());
        entries_.pop_back();
    }
}

long CKeyDatabase::IndexOf(const CDbEntry* entry) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].get() == entry)
            return static_cast<long>(i);
    return -1;
}

} // namespace kvf
