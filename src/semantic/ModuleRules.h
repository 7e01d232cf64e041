#pragma once

#include "semantic/ModuleConfig.h"
#include "semantic/NumberIndex.h"

#include <array>
#include <cstdint>

namespace kvf {

// What the module and slot rules collect: the current module's decoded configuration
// identifiers and declared parameter lengths, the module references of the file and the
// last slot number.
struct ModuleState {
    int CfgIdentCount = 0;
    // Indexed by identifier number 1..244; element 0 is unused.
    std::array<std::uint32_t, kMaxCfgIdentifiers + 1> CfgOutFormat{}, CfgInFormat{}, CfgOutLength{},
        CfgInLength{}, CfgOutAreaSum{}, CfgInAreaSum{};
    NumberIndex ModuleReferences; // every accepted Module_Reference of the file
    std::int32_t DeclaredPrmLen = 0;
    std::int32_t DeclaredFPrmLen = 0;
    std::int32_t DeclaredXPrmLen = 0;
    std::int32_t LastSlotNumber = 0;
};

} // namespace kvf
