#pragma once

#include <cstdint>
#include <set>
#include <string_view>

namespace kvf {

// A list of diagnosis numbers (bit positions, area values or channel diagnosis types), each
// at most once, with the names the messages about it print. An ordered set, so that a file
// with thousands of bits costs a logarithmic step per bit, not a walk of the whole list.
struct DiagNumberList {
    std::set<std::uint32_t> Numbers;
    std::string_view RedefinitionName; // what a repeated number is a redefinition in
    std::string_view DefinitionName;   // what a help text without this definition names
    bool Descending = false;           // help texts without definition are reported in
                                       // descending order

    bool Contains(std::uint32_t number) const { return Numbers.count(number) != 0; }
};

} // namespace kvf
