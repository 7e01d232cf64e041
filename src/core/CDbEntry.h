#pragma once

#include <array>
#include <string>

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

// One keyword line of a file (continuation lines joined). The fields keep the order and
// the names the details box prints.
struct CDbEntry {
    CDbEntry(std::string key, std::string value, int lastLine, int firstLine)
        : Line(lastLine), LongLine(firstLine), Key(std::move(key)), Value(std::move(value)) {}

    int Valid = 0;
    int Accepted = 0;
    int Type = TYPE_USER_KEY;
    int ValueCount = 0;
    // A continued value spans several physical lines: LongLine is the line where the long
    // (joined) line begins, Line the one where it ends. The names are the entry's documented
    // fields, printed by the details box and --dump-db.
    int Line = 0;     // 0-based last physical line
    int LongLine = 0; // 0-based first physical line; every message reports this one
    unsigned TreeGroup = 0;
    int ModuleFlag = 0;
    void* hTree = nullptr; // the tree view's node; opaque to the engine
    std::string RangeLen;
    std::string Key;
    std::string Value;
    CDbEntry* hParent = nullptr;
    std::array<std::string, 4> m_Ready;
};

} // namespace kvf
