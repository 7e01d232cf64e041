#pragma once

#include "core/AsciiText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// A map from names to values that ignores ASCII case, for the lookups every line of a file
// makes (its keyword in the catalogue, in the semantic list, among the user keys). Open
// addressing over a power-of-two table with each name's hash beside it: a lookup hashes
// the key once and compares names only where the hashes agree, the exact spelling first.
template <typename Value> class KeywordTable {
  public:
    // The value of a name; the first insertion of a name (in any case) wins.
    const Value* Find(std::string_view name) const {
        if (slots_.empty())
            return nullptr;
        const std::uint64_t hash = CaseInsensitiveHash{}(name);
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (!slot.Used)
                return nullptr;
            if (slot.Hash == hash && (slot.Name == name || EqualsNoCase(slot.Name, name)))
                return &slot.Data;
        }
    }

    // Adds a name unless it is there; returns its value either way.
    Value& Insert(std::string_view name, Value value) {
        if ((count_ + 1) * 2 > slots_.size())
            Grow();
        const std::uint64_t hash = CaseInsensitiveHash{}(name);
        std::size_t i = hash & mask_;
        for (; slots_[i].Used; i = (i + 1) & mask_)
            if (slots_[i].Hash == hash && EqualsNoCase(slots_[i].Name, name))
                return slots_[i].Data;
        slots_[i] = Slot{true, hash, std::string(name), std::move(value)};
        ++count_;
        return slots_[i].Data;
    }

    std::size_t Size() const { return count_; }
    void Clear() {
        slots_.clear();
        count_ = 0;
        mask_ = 0;
    }

  private:
    struct Slot {
        bool Used = false;
        std::uint64_t Hash = 0;
        std::string Name;
        Value Data{};
    };

    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
        mask_ = slots_.size() - 1;
        for (Slot& slot : old) {
            if (!slot.Used)
                continue;
            std::size_t i = slot.Hash & mask_;
            while (slots_[i].Used)
                i = (i + 1) & mask_;
            slots_[i] = std::move(slot);
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    std::size_t mask_ = 0;
};

} // namespace kvf
