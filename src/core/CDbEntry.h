#pragma once

#include "core/EntryText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

namespace kvf {

// Entry type codes.
inline constexpr int TYPE_SIMPLE_STRING = 1;
inline constexpr int TYPE_SIMPLE_UINT = 2;
inline constexpr int TYPE_SIMPLE_BOOL = 4;
inline constexpr int TYPE_OCTET_STRING = 8;
inline constexpr int TYPE_USER_KEY = 16;
// Module flag of an entry that opens a block.
inline constexpr int TYPE_MODULE_BEGIN = 32;

// Tree groups, one bit each.
inline constexpr unsigned PARENT_GENERAL = 0x8000;
inline constexpr unsigned PARENT_SLAVE = 0x10000;
inline constexpr unsigned PARENT_MASTER = 0x20000;
inline constexpr unsigned PARENT_MODULE = 0x40000;
inline constexpr unsigned PARENT_PHYSICAL_INTERFACES = 0x80000;
inline constexpr unsigned PARENT_MODULE_ASSIGNMENT = 0x100000;
inline constexpr unsigned PARENT_SLAVE_EXT = 0x200000;
inline constexpr unsigned PARENT_SLAVE_DATA_EXCHNG = 0x400000;
inline constexpr unsigned PARENT_MASTER_EXT = 0x800000;

// The value mark: a closing quote or index parenthesis in a stored Value.
inline constexpr char kValueMark = '\xA7';

// The four value parts of an entry (m_Ready), read and written like an array of four
// strings. The first two are what most keywords use and live in the entry; the last two,
// used by slot and bit lines only, live in a block made when one of them is first written.
// That block also takes the second part, and the entry's second slot then marks the block:
// so the parts cost two handles in every entry. (A reference to the second part is not
// held while the third or fourth is first written: the second part then moves.)
class ValueParts {
  public:
    ValueParts() = default;
    ValueParts(const ValueParts& other) : first_(other.first_) {
        if (other.HasRest()) {
            auto rest = std::make_unique<Rest>(*other.RestBlock());
            MarkRest(rest.release());
        } else {
            second_ = other.second_;
        }
    }
    ValueParts(ValueParts&& other) noexcept
        : first_(std::move(other.first_)), second_(std::move(other.second_)) {}
    ValueParts& operator=(const ValueParts& other) {
        if (this != &other)
            *this = ValueParts(other);
        return *this;
    }
    ValueParts& operator=(ValueParts&& other) noexcept {
        if (this != &other) {
            FreeRest();
            first_ = std::move(other.first_);
            second_ = std::move(other.second_);
        }
        return *this;
    }
    ValueParts& operator=(const std::array<std::string, 4>& parts) {
        for (std::size_t i = 0; i < parts.size(); ++i)
            (*this)[i] = parts[i];
        return *this;
    }
    ~ValueParts() { FreeRest(); }

    static constexpr std::size_t size() { return 4; }
    EntryText& operator[](std::size_t i) {
        if (i == 0)
            return first_;
        if (i == 1 && !HasRest())
            return second_;
        return MadeRest()->Parts[i - 1];
    }
    const EntryText& operator[](std::size_t i) const {
        if (i == 0)
            return first_;
        if (HasRest())
            return RestBlock()->Parts[i - 1];
        return i == 1 ? second_ : NoPart();
    }

    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = EntryText;
        using difference_type = std::ptrdiff_t;
        using pointer = const EntryText*;
        using reference = const EntryText&;
        const_iterator() = default;
        const_iterator(const ValueParts* parts, std::size_t i) : parts_(parts), i_(i) {}
        const EntryText& operator*() const { return (*parts_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return i_ == other.i_; }

      private:
        const ValueParts* parts_ = nullptr;
        std::size_t i_ = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const ValueParts& a, const ValueParts& b) {
        for (std::size_t i = 0; i < size(); ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }
    friend bool operator==(const ValueParts& a, const std::array<std::string, 4>& b) {
        for (std::size_t i = 0; i < size(); ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }
    friend std::ostream& operator<<(std::ostream& out, const ValueParts& parts) {
        out << '[';
        for (std::size_t i = 0; i < size(); ++i)
            out << (i ? ", \"" : "\"") << parts[i] << '"';
        return out << ']';
    }

  private:
    // Parts two to four, once a third or fourth part is written.
    struct Rest {
        std::array<EntryText, 3> Parts;
    };

    bool HasRest() const { return second_.IsMark(); }
    Rest* RestBlock() const { return static_cast<Rest*>(second_.MarkedBlock()); }
    void MarkRest(Rest* rest) { second_.SetMark(rest); }
    Rest* MadeRest() {
        if (HasRest())
            return RestBlock();
        auto rest = std::make_unique<Rest>();
        rest->Parts[0] = std::move(second_);
        Rest* made = rest.release();
        MarkRest(made);
        return made;
    }
    void FreeRest() noexcept {
        if (HasRest()) {
            Rest* rest = RestBlock();
            second_.ClearMark();
            delete rest;
        }
    }
    static const EntryText& NoPart() {
        static const EntryText empty;
        return empty;
    }

    EntryText first_;
    EntryText second_;
};

// One keyword line of a file (continuation lines joined). The fields keep the order and
// the names the details box prints. The texts read like strings; those the reader and the
// classification make live in the database's text store (see EntryText).
struct CDbEntry {
    CDbEntry(EntryText key, EntryText value, int lastLine, int firstLine)
        : Line(lastLine), LongLine(firstLine), Key(std::move(key)), Value(std::move(value)) {}

    // Small numbers (flags, a type code, a module flag) in two bytes each, so that an entry
    // of a large file stays small.
    std::int16_t Valid = 0;
    std::int16_t Accepted = 0;
    std::int16_t Type = TYPE_USER_KEY;
    std::int16_t ModuleFlag = 0;
    int ValueCount = 0;
    // A continued value spans several physical lines: LongLine is the line where the long
    // (joined) line begins, Line the one where it ends. The names are the entry's documented
    // fields, printed by the details box and --dump-db.
    int Line = 0;     // 0-based last physical line
    int LongLine = 0; // 0-based first physical line; every message reports this one
    unsigned TreeGroup = 0;
    EntryText RangeLen;
    EntryText Key;
    EntryText Value;
    CDbEntry* hParent = nullptr;
    ValueParts m_Ready;
};

} // namespace kvf
