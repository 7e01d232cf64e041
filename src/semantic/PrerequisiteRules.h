#pragma once

// The prerequisite table: for each keyword that details an optional feature, the ordered
// calls that check the feature it depends on.

#include "semantic/SemanticKeywordList.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace kvf::semantic {

enum class PrerequisiteRule : std::uint8_t {
    Require,       // a non-zero line needs the prerequisite (Error)
    Restrict,      // a non-zero line only makes sense with the prerequisite (Warning)
    MinimumPrmLen, // the user parameter length rule with a minimum length
};

// Where the value of the prerequisite comes from.
enum class PrerequisiteValue : std::uint8_t {
    Kept,                 // the kept value of the keyword Source
    JokerblockTypeBlocks, // the number of Jokerblock_Type blocks
    EitherReadWriteSupp,  // 1 when C1_Read_Write_supp or C2_Read_Write_supp is set
};

struct PrerequisiteCall {
    Kw Keyword; // the keyword whose line is judged
    PrerequisiteRule Rule;
    PrerequisiteValue From;
    Kw Source;             // for Kept: the prerequisite keyword
    std::string_view Name; // the prerequisite as the messages name it
    int MinimumLength;     // for MinimumPrmLen
};

// The whole table; the calls of one keyword stand together, in the order they run.
std::span<const PrerequisiteCall> PrerequisiteTable();

// The calls of one keyword, in order; empty for a keyword without prerequisites.
std::span<const PrerequisiteCall> PrerequisiteCallsOf(Kw kw);

} // namespace kvf::semantic
