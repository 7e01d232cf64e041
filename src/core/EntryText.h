#pragma once

#include "core/BlockArena.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

class EntryTextStore;

// A text of an entry (key, value, value part, range text) in the space of one pointer. It
// reads like a std::string_view and converts to std::string, so code written against
// string fields keeps working. The text either lies in memory its database keeps (the
// file's own bytes, or a store of texts the reader and the classification made: the entry
// only points there, so a file's entries cost no allocation each and free nothing each),
// or in a block the text owns (what anybody else assigns: the input view storing a form, a
// test). A copy is always a text of its own, so a copy never outlives what it points into.
//
// The handle packs the address (the low 48 bits, the user address space of the 64-bit
// platforms we build for), the length and two flags into 64 bits; a text longer than a
// short length is reached through an 8-byte length in front of its bytes.
class EntryText {
  public:
    static constexpr std::size_t npos = std::string_view::npos;

    EntryText() noexcept = default;
    EntryText(std::string_view text) { bits_ = OwnCopy(text); }
    EntryText(const std::string& text) : EntryText(std::string_view(text)) {}
    EntryText(const char* text) : EntryText(std::string_view(text)) {}
    EntryText(const EntryText& other) : EntryText(other.View()) {}
    EntryText(EntryText&& other) noexcept : bits_(other.bits_) { other.bits_ = 0; }
    ~EntryText() { Release(bits_); }

    EntryText& operator=(const EntryText& other) { return Assign(other.View()); }
    EntryText& operator=(EntryText&& other) noexcept {
        if (this != &other) {
            Release(bits_);
            bits_ = other.bits_;
            other.bits_ = 0;
        }
        return *this;
    }
    EntryText& operator=(std::string_view text) { return Assign(text); }
    EntryText& operator=(const std::string& text) { return Assign(text); }
    EntryText& operator=(const char* text) { return Assign(text); }

    std::string_view View() const noexcept {
        if (bits_ == 0)
            return {};
        const char* address = Address(bits_);
        if (bits_ & kLong)
            return std::string_view(address + kLongHeader, LongLength(address));
        return std::string_view(address, ShortLength(bits_));
    }
    operator std::string_view() const noexcept { return View(); }
    operator std::string() const { return std::string(View()); }

    // The bytes; not NUL-terminated (a text may be a view of a line).
    const char* data() const noexcept { return View().data(); }
    std::size_t size() const noexcept { return View().size(); }
    std::size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return bits_ == 0 || size() == 0; }
    char operator[](std::size_t i) const noexcept { return View()[i]; }
    char front() const noexcept { return View().front(); }
    char back() const noexcept { return View().back(); }
    const char* begin() const noexcept { return View().data(); }
    const char* end() const noexcept { return View().data() + View().size(); }

    std::size_t find(char c, std::size_t pos = 0) const noexcept { return View().find(c, pos); }
    std::size_t find(std::string_view s, std::size_t pos = 0) const noexcept {
        return View().find(s, pos);
    }
    std::size_t rfind(char c, std::size_t pos = npos) const noexcept {
        return View().rfind(c, pos);
    }
    std::size_t find_first_of(std::string_view s, std::size_t pos = 0) const noexcept {
        return View().find_first_of(s, pos);
    }
    std::size_t find_first_not_of(std::string_view s, std::size_t pos = 0) const noexcept {
        return View().find_first_not_of(s, pos);
    }
    bool starts_with(std::string_view s) const noexcept { return View().starts_with(s); }
    bool ends_with(std::string_view s) const noexcept { return View().ends_with(s); }
    // A copy, as std::string::substr gives; throws std::out_of_range past the end.
    std::string substr(std::size_t pos = 0, std::size_t count = npos) const {
        return std::string(View().substr(pos, count));
    }

    void clear() noexcept {
        Release(bits_);
        bits_ = 0;
    }

    // Whether the text lies in memory its database keeps (true) or in a block of its own
    // (false; also for an empty text).
    bool IsKept() const noexcept { return bits_ != 0 && (bits_ & kOwned) == 0; }

    friend bool operator==(const EntryText& a, const EntryText& b) noexcept {
        return a.View() == b.View();
    }
    friend bool operator==(const EntryText& a, std::string_view b) noexcept {
        return a.View() == b;
    }
    friend bool operator==(const EntryText& a, const char* b) noexcept {
        return a.View() == std::string_view(b);
    }
    friend bool operator==(const EntryText& a, const std::string& b) noexcept {
        return a.View() == std::string_view(b);
    }
    friend std::string operator+(const EntryText& a, const EntryText& b) {
        return std::string(a.View()).append(b.View());
    }
    friend std::string operator+(const EntryText& a, std::string_view b) {
        return std::string(a.View()).append(b);
    }
    friend std::string operator+(std::string_view a, const EntryText& b) {
        return std::string(a).append(b.View());
    }
    friend std::string operator+(const char* a, const EntryText& b) {
        return std::string(a).append(b.View());
    }
    friend std::string operator+(const EntryText& a, const char* b) {
        return std::string(a.View()).append(b);
    }
    friend std::string operator+(const std::string& a, const EntryText& b) {
        return std::string(a).append(b.View());
    }
    friend std::string operator+(const EntryText& a, const std::string& b) {
        return std::string(a.View()).append(b);
    }
    friend std::ostream& operator<<(std::ostream& out, const EntryText& text);

  private:
    friend class EntryTextStore;
    friend class ValueParts;

    static constexpr int kAddressBits = 48;
    static constexpr std::uint64_t kAddressMask = (std::uint64_t{1} << kAddressBits) - 1;
    static constexpr int kLengthBits = 14;
    static constexpr std::size_t kMaxShortLength = (std::size_t{1} << kLengthBits) - 1;
    static constexpr std::uint64_t kLong = std::uint64_t{1} << 62;  // reached through a length
    static constexpr std::uint64_t kOwned = std::uint64_t{1} << 63; // a block of its own
    static constexpr std::size_t kLongHeader = sizeof(std::uint64_t);

    // A handle may instead mark a block that is no text (ValueParts keeps its rarely used
    // parts so): a pattern no text has, a long text's flag with a short length. Only the
    // owner of such a handle reads or clears it; it must be cleared before it is dropped.
    static constexpr std::uint64_t kMarkPattern = kLong | (std::uint64_t{1} << kAddressBits);
    static constexpr std::uint64_t kMarkMask =
        kOwned | kLong | (std::uint64_t{kMaxShortLength} << kAddressBits);
    bool IsMark() const noexcept { return (bits_ & kMarkMask) == kMarkPattern; }
    void* MarkedBlock() const noexcept {
        return reinterpret_cast<void*>(static_cast<std::uintptr_t>(bits_ & kAddressMask));
    }
    void SetMark(void* block) { bits_ = Pack(static_cast<const char*>(block), 1, kLong); }
    void ClearMark() noexcept { bits_ = 0; }

    static const char* Address(std::uint64_t bits) noexcept {
        return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(bits & kAddressMask));
    }
    static std::size_t ShortLength(std::uint64_t bits) noexcept {
        return static_cast<std::size_t>((bits >> kAddressBits) & kMaxShortLength);
    }
    static std::size_t LongLength(const char* header) noexcept;
    // A handle to `size` bytes at `address` (a short text) or to a length header there.
    static std::uint64_t Pack(const char* address, std::size_t shortLength, std::uint64_t flags);
    // Room for a text: its bytes, behind a length where it is long.
    static std::size_t BlockSize(std::string_view text) noexcept {
        return text.size() > kMaxShortLength ? kLongHeader + text.size() : text.size();
    }
    // Writes the text into a block of BlockSize(text) bytes and returns the handle.
    static std::uint64_t Fill(char* block, std::string_view text, std::uint64_t flags);
    static std::uint64_t OwnCopy(std::string_view text);
    static void Release(std::uint64_t bits) noexcept {
        if (bits & kOwned)
            delete[] const_cast<char*>(Address(bits));
    }
    // The new text is made before the old one goes: `text` may be a view of it.
    EntryText& Assign(std::string_view text) {
        std::uint64_t copy = OwnCopy(text);
        Release(bits_);
        bits_ = copy;
        return *this;
    }

    std::uint64_t bits_ = 0;
};

// The texts of one database's entries: copies kept in large blocks that are freed together
// when the database is cleared or destroyed, and views of bytes the database keeps alive.
// Texts only ever get added.
class EntryTextStore {
  public:
    EntryTextStore() = default;
    EntryTextStore(const EntryTextStore&) = delete;
    EntryTextStore& operator=(const EntryTextStore&) = delete;

    // A copy of `text` kept here; the handle is valid until Clear().
    EntryText Keep(std::string_view text);
    // `text` itself where it lies in bytes the database keeps alive (KeepAlive); a copy
    // where it is too long for a view.
    EntryText View(std::string_view text);
    // The same text for a second field: kept texts are shared, not copied. `text` must be
    // empty, a text of its own, or a text of this store.
    EntryText Share(const EntryText& text);
    // Bytes that views of this store point into, released by Clear().
    void KeepAlive(std::shared_ptr<const void> bytes) { alive_.push_back(std::move(bytes)); }
    // Trades every text and kept byte with `other`; texts of either stay where they are.
    void Swap(EntryTextStore& other) noexcept {
        std::swap(blocks_, other.blocks_);
        alive_.swap(other.alive_);
    }
    void Clear();
    // Bytes held in blocks (for tests and benchmarks).
    std::size_t BlockBytes() const { return blocks_.BlockBytes(); }

  private:
    BlockArena blocks_;
    std::vector<std::shared_ptr<const void>> alive_;
};

// Where code that fills an entry puts the texts it makes: into the store of the database
// being built, or, without one, into copies the entry owns.
struct EntryTextWriter {
    EntryTextStore* Store = nullptr;

    void Set(EntryText& field, std::string_view text) const {
        field = Store ? Store->Keep(text) : EntryText(text);
    }
    // A text that lies inside `whole`, the bytes of a text of the same store (KeptBytes):
    // a view of them, no copy.
    void SetPart(EntryText& field, std::string_view text, std::string_view whole) const {
        std::less_equal<const char*> notAfter;
        if (Store && !text.empty() && !whole.empty() && notAfter(whole.data(), text.data()) &&
            notAfter(text.data() + text.size(), whole.data() + whole.size()))
            field = Store->View(text);
        else
            Set(field, text);
    }
    // `field` gets the same text as `from` (a field of the same entry).
    void Same(EntryText& field, const EntryText& from) const {
        if (&field != &from)
            field = Store ? Store->Share(from) : EntryText(from);
    }
    // The bytes of a text that views may point into: those of a kept text, else none.
    static std::string_view KeptBytes(const EntryText& text) {
        return text.IsKept() ? text.View() : std::string_view();
    }
};

} // namespace kvf
