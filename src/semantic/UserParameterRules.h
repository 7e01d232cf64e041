#pragma once

#include "core/BlockAllocator.h"
#include "semantic/NumberIndex.h"
#include "semantic/ParameterOccupancy.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
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

// The values of one PrmText table, without duplicates. A table has a few values, and a
// large file a table every few lines: the first few stand in the record itself, and only a
// table with more keeps them all in a set (filled in linear-logarithmic time whatever the
// order of its Text lines).
class PrmTextValues {
  public:
    PrmTextValues() = default;
    PrmTextValues(const PrmTextValues& other);
    PrmTextValues(PrmTextValues&&) noexcept = default;
    PrmTextValues& operator=(const PrmTextValues& other);
    PrmTextValues& operator=(PrmTextValues&&) noexcept = default;

    // Adds a value; false when it is there already.
    bool Insert(std::uint32_t value);
    bool Contains(std::uint32_t value) const;
    std::size_t Size() const { return all_ ? all_->size() : few_; }
    std::vector<std::uint32_t> Descending() const;

  private:
    static constexpr std::size_t kInRecord = 4;
    std::array<std::uint32_t, kInRecord> first_{};
    std::uint32_t few_ = 0; // values in first_ while all_ is none
    std::unique_ptr<std::set<std::uint32_t>> all_;
};

// One PrmText block: kept in PrmTextList once it was closed with at least one Text line.
struct PrmTextRecord {
    std::int32_t Number = 0;
    int Referenced = 0;
    int Line = 0; // the line of its PrmText entry
    PrmTextValues Values;
};

// What the user parameter rules collect: the definitions and text tables, and the
// parameter bytes each telegram has in use.
struct UserParameterState {
    std::unique_ptr<ExtUserPrmDataRecord> CurrentExtUserPrmData;
    std::unique_ptr<PrmTextRecord> CurrentPrmText;
    BlockVector<ExtUserPrmDataRecord> ExtUserPrmDataList;
    BlockVector<PrmTextRecord> PrmTextList;
    // Position in the list by number, so that looking a definition up costs the same in a
    // file with a hundred thousand definitions as in one with ten.
    NumberIndex ExtUserPrmDataByNumber;
    NumberIndex PrmTextByNumber;
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
