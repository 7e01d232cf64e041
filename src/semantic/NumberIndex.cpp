#include "semantic/NumberIndex.h"

#include <stdexcept>

namespace kvf {

// Multiplicative hashing: the high bits of the product spread consecutive numbers (the
// usual case) over the whole table.
std::size_t NumberIndex::SlotOf(std::int32_t number) const {
    const std::uint64_t product =
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(number)) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(product >> shift_);
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
    std::vector<Slot> old = std::move(slots_);
    const std::size_t size = old.empty() ? 16 : old.size() * 2;
    slots_.assign(size, Slot{});
    shift_ = 64;
    for (std::size_t s = size; s > 1; s >>= 1)
        --shift_;
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
