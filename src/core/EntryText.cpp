#include "core/EntryText.h"

#include <cstring>
#include <ostream>
#include <stdexcept>

namespace kvf {

std::size_t EntryText::LongLength(const char* header) noexcept {
    std::uint64_t length;
    std::memcpy(&length, header, sizeof length);
    return static_cast<std::size_t>(length);
}

std::uint64_t EntryText::Pack(const char* address, std::size_t shortLength, std::uint64_t flags) {
    const auto value = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(address));
    if ((value & ~kAddressMask) != 0)
        throw std::runtime_error("address outside the 48-bit user address space");
    return value | (static_cast<std::uint64_t>(shortLength) << kAddressBits) | flags;
}

std::uint64_t EntryText::Fill(char* block, std::string_view text, std::uint64_t flags) {
    if (text.size() <= kMaxShortLength) {
        if (!text.empty())
            std::memcpy(block, text.data(), text.size());
        return Pack(block, text.size(), flags);
    }
    const std::uint64_t length = text.size();
    std::memcpy(block, &length, sizeof length);
    std::memcpy(block + kLongHeader, text.data(), text.size());
    return Pack(block, 0, flags | kLong);
}

std::uint64_t EntryText::OwnCopy(std::string_view text) {
    if (text.empty())
        return 0;
    std::unique_ptr<char[]> block(new char[BlockSize(text)]);
    std::uint64_t bits = Fill(block.get(), text, kOwned);
    block.release();
    return bits;
}

std::ostream& operator<<(std::ostream& out, const EntryText& text) {
    return out << text.View();
}

EntryText EntryTextStore::Keep(std::string_view text) {
    EntryText kept;
    if (!text.empty())
        kept.bits_ = EntryText::Fill(blocks_.Room(EntryText::BlockSize(text)), text, 0);
    return kept;
}

EntryText EntryTextStore::View(std::string_view text) {
    if (text.size() > EntryText::kMaxShortLength)
        return Keep(text);
    EntryText view;
    if (!text.empty())
        view.bits_ = EntryText::Pack(text.data(), text.size(), 0);
    return view;
}

EntryText EntryTextStore::Share(const EntryText& text) {
    if (!text.IsKept())
        return Keep(text.View());
    EntryText shared;
    shared.bits_ = text.bits_;
    return shared;
}

void EntryTextStore::Clear() {
    blocks_.Clear();
    alive_.clear();
}

} // namespace kvf
