#pragma once

#include "core/AsciiText.h"
#include "core/BlockAllocator.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// A map from names to values that ignores ASCII case, for the lookups every line of a file
// makes (its keyword in the catalogue, in the semantic list, among the user keys). Open
// addressing over a power-of-two table with each name's hash beside it: a lookup hashes
// the key once and compares names only where the hashes agree.
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
            if (slot.Hash == hash) {
                std::string_view held = NameOf(slot);
                if (EqualsNoCase(held, name))
                    return &slot.Data;
            }
        }
    }

    // Adds a name unless it is there; returns its value either way.
    Value& Insert(std::string_view name, Value value) {
        if ((count_ + 1) * 2 > slots_.size())
            Grow();
        const std::uint64_t hash = CaseInsensitiveHash{}(name);
        std::size_t i = hash & mask_;
        for (; slots_[i].Used; i = (i + 1) & mask_)
            if (slots_[i].Hash == hash && EqualsNoCase(NameOf(slots_[i]), name))
                return slots_[i].Data;
        if (name.size() > kMaxNameBytes - names_.size())
            throw std::length_error("keyword table full");
        Slot& slot = slots_[i];
        slot.Hash = hash;
        slot.Offset = static_cast<std::uint32_t>(names_.size());
        slot.Length = static_cast<std::uint32_t>(name.size());
        slot.Data = std::move(value);
        slot.Used = true;
        names_.append(name);
        ++count_;
        return slot.Data;
    }

    std::size_t Size() const { return count_; }
    void Clear() {
        slots_.clear();
        names_.clear();
        count_ = 0;
        mask_ = 0;
    }

  private:
    // A slot holds where its name stands in `names_`, not a string of its own: a table of
    // many short names costs a third of the memory and grows without moving strings.
    struct Slot {
        std::uint64_t Hash = 0;
        std::uint32_t Offset = 0;
        std::uint32_t Length = 0;
        Value Data{};
        bool Used = false;
    };
    static constexpr std::size_t kMaxNameBytes = 0xFFFFFFFFu;

    std::string_view NameOf(const Slot& slot) const {
        return std::string_view(names_).substr(slot.Offset, slot.Length);
    }

    void Grow() {
        BlockVector<Slot> old = std::move(slots_);
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

    BlockVector<Slot> slots_;
    std::string names_; // every name inserted, one after the other
    std::size_t count_ = 0;
    std::size_t mask_ = 0;
};

} // namespace kvf
