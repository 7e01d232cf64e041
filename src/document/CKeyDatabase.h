#pragma once

#include "document/CDbEntry.h"

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
    void Clear();
    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    CDbEntry& At(std::size_t index) { return *entries_[index]; }
    const CDbEntry& At(std::size_t index) const { return *entries_[index]; }
    CDbEntry* Last() { return entries_.empty() ? nullptr : entries_.back().get(); }

    // Index of an entry of this database, or -1. Linear: meant for reports, not hot loops.
    long IndexOf(const CDbEntry* entry) const;

    class Iterator {
    public:
        using Inner = std::vector<std::unique_ptr<CDbEntry>>::const_iterator;
        explicit Iterator(Inner it) : it_(it) {}
        CDbEntry& operator*() const { return **it_; }
        CDbEntry* operator->() const { return it_->get(); }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return it_ != other.it_; }
        bool operator==(const Iterator& other) const { return it_ == other.it_; }

    private:
        Inner it_;
    };
    Iterator begin() const { return Iterator(entries_.begin()); }
    Iterator end() const { return Iterator(entries_.end()); }

private:
    AppState* app_;
    std::vector<std::unique_ptr<CDbEntry>> entries_;
};

} // namespace kvf
