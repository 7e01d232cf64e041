#pragma once

// The data types a Data_Type line names by number: how many bytes each takes in a data area,
// which identifier format reading it needs, and what the user is told about it.

#include <cstdint>

namespace kvf {

// The lowest identifier format a data type needs.
enum class DataTypeFormat : std::uint8_t {
    None,
    WordUnit,    // a 2-byte type; at an odd end of the area it needs consistency too
    Consistency, // longer types are read consistently
};

enum class DataTypeNote : std::uint8_t {
    None,
    VariableLength, // counted with 1 byte although its length varies
    UserSpecific,   // counted with 1 byte
    Reserved,       // no length
};

struct DataTypeInfo {
    std::uint32_t Length;
    DataTypeFormat Need;
    DataTypeNote Note;
};

// The row of a data type value; 0, negative and values above 255 take no length and get
// no note.
const DataTypeInfo& LookUpDataType(std::int32_t value);

} // namespace kvf
