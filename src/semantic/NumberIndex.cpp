#include "semantic/NumberIndex.h"

#include <stdexcept>

namespace kvf {

// Numbers a file defines mostly follow each other (1, 2, 3, ...): their slots do too, so
// looking them up in file order stays in the cache. The higher bits are folded in, so that
// numbers that differ only there (multiples of a power of two) still spread.
std::size_t NumberIndex::SlotOf(std::int32_t number) const {
    const auto bits = static_cast<std::uint32_t>(number);
    return static_cast<std::size_t>(bits ^ (bits >> 11) ^ (bits >> 22)) & (slots_.size() - 1);
}

const std::uint32_t* NumberIndex::Find(std::int32_t number) const {
    if (slots_.empty())
        return nullptr;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = SlotOf(number);; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.Position == kUnused)
            return nullptr;
        if (slot.Number == number)
            return &slot.Position;
    }
}

bool NumberIndex::Insert(std::int32_t number, std::uint32_t position) {
    if (position == kUnused)
        throw std::length_error("position out of range");
    if ((count_ + 1) * 2 > slots_.size())
        Grow();
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = SlotOf(number);
    for (; slots_[i].Position != kUnused; i = (i + 1) & mask)
        if (slots_[i].Number == number)
            return false;
    slots_[i] = Slot{number, position};
    ++count_;
    return true;
}

void NumberIndex::Grow() {
    BlockVector<Slot> old = std::move(slots_);
    const std::size_t size = old.empty() ? 16 : old.size() * 2;
    slots_.assign(size, Slot{});
    const std::size_t mask = size - 1;
    for (const Slot& slot : old) {
        if (slot.Position == kUnused)
            continue;
        std::size_t i = SlotOf(slot.Number);
        while (slots_[i].Position != kUnused)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

} // namespace kvf
