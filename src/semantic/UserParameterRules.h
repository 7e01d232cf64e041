#pragma once

#include "semantic/ParameterOccupancy.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

namespace kvf {

// One ExtUserPrmData block: created when the block begins, kept in ExtUserPrmDataList once
// it was closed with a data type line.
struct ExtUserPrmDataRecord {
    std::int32_t Number = 0;
    int Referenced = 0;
    int TypeSeen = 0;
    std::uint32_t Length = 0;    // bytes of the parameter; 0 while no data type line
    std::uint8_t BitMask = 0xFF; // bits of the byte the parameter uses
    std::int32_t DefaultValue = 2147483647;
    std::int32_t PrmTextRef = -1;
    int Line = 0; // the line of its ExtUserPrmData entry
};

// One PrmText block: kept in PrmTextList once it was closed with at least one Text line.
struct PrmTextRecord {
    std::int32_t Number = 0;
    int Referenced = 0;
    int Line = 0; // the line of its PrmText entry
    // Descending, without duplicates; a set, so a table of any size is filled in linear-
    // logarithmic time whatever the order of its Text lines.
    std::set<std::uint32_t, std::greater<>> Values;
};

// What the user parameter rules collect: the definitions and text tables, and the
// parameter bytes each telegram has in use.
struct UserParameterState {
    std::unique_ptr<ExtUserPrmDataRecord> CurrentExtUserPrmData;
    std::unique_ptr<PrmTextRecord> CurrentPrmText;
    std::vector<ExtUserPrmDataRecord> ExtUserPrmDataList;
    std::vector<PrmTextRecord> PrmTextList;
    // Position in the list by number, so that looking a definition up costs the same in a
    // file with a hundred thousand definitions as in one with ten.
    std::unordered_map<std::int32_t, std::size_t> ExtUserPrmDataByNumber;
    std::unordered_map<std::int32_t, std::size_t> PrmTextByNumber;
    // The parameter bytes in use: of the unit (plain and X_) for the whole file, of the
    // current module (plain, F_ and X_).
    ParameterOccupancy UnitPrmOccupancy;
    ParameterOccupancy XUnitPrmOccupancy;
    ParameterOccupancy ModulePrmOccupancy;
    ParameterOccupancy FModulePrmOccupancy;
    ParameterOccupancy XModulePrmOccupancy;
    // One past the highest parameter byte the current module's plain, F_ and X_ parameters
    // use; the module length rules compare them with the declared lengths.
    std::uint32_t UsedPrmLen = 0;
    std::uint32_t UsedFPrmLen = 0;
    std::uint32_t UsedXPrmLen = 0;
};

} // namespace kvf
