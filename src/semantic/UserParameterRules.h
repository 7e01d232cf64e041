#pragma once

#include "core/BlockAllocator.h"
#include "semantic/NumberIndex.h"
#include "semantic/ParameterOccupancy.h"
#include "semantic/RuleContext.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <span>
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

// The bytes of a module's parameter telegrams in use: one past the highest byte its plain,
// F_ and X_ parameters reach.
struct ModulePrmLengths {
    std::uint32_t Plain = 0;
    std::uint32_t F = 0;
    std::uint32_t X = 0;
};

// User parameter data: ExtUserPrmData and PrmText definitions, the references to them, the
// occupancy of parameter bytes and the parameter lengths (UserParameterRules.cpp and
// ParameterLengthRules.cpp).
class UserParameterRules : public RuleGroup {
  public:
    explicit UserParameterRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<UserParameterRules>> Hooks();

    // The blocks under construction (none outside a block, or when its number was refused)
    // and the finished ones. The block content rules move a finished block into its list.
    ExtUserPrmDataRecord* CurrentExtUserPrmData() const { return currentExtUserPrmData_.get(); }
    PrmTextRecord* CurrentPrmText() const { return currentPrmText_.get(); }
    void StoreFinishedExtUserPrmData();
    void StoreFinishedPrmText();
    const BlockVector<ExtUserPrmDataRecord>& ExtUserPrmDataList() const {
        return extUserPrmDataList_;
    }
    const BlockVector<PrmTextRecord>& PrmTextList() const { return prmTextList_; }
    // What the current module's parameters use; the module length rules compare it with the
    // declared lengths.
    const ModulePrmLengths& UsedModulePrmLengths() const { return used_; }

    int DefineExtUserPrmData(std::int32_t number);
    int ResolvePrmTextRef(std::int32_t number);
    int CheckPrmTextDefault(std::int32_t textNumber, std::int32_t defaultValue);
    int DefinePrmText(std::int32_t number);
    int AddPrmTextValue(std::int32_t value);
    int ClaimConstParameter(std::int32_t offset, std::int32_t count, bool inModule, bool f, bool x);
    int ClaimRefParameter(std::int32_t offset, std::int32_t number, bool inModule, bool f, bool x);
    int CheckExtUserPrmDataUsed(std::int32_t number);
    int CheckPrmTextUsed(std::int32_t number);
    int CheckUserPrmDataInvalidated();
    int CheckUserPrmDataLength(std::int32_t count);
    int CheckUserPrmDataLenInvalidated();
    // plainLength: the module's declared plain and F_ parameter lengths together.
    int CheckModulePrmLimit(std::int32_t plainLength, std::int32_t xLength);
    // A feature switched on by the current line needs parameter data of this length.
    int CheckMinimumPrmLen(std::int32_t minimum);
    // The finished record of a number, or none.
    ExtUserPrmDataRecord* FindExtUserPrmData(std::int32_t number);
    PrmTextRecord* FindPrmText(std::int32_t number);

  private:
    std::unique_ptr<ExtUserPrmDataRecord> currentExtUserPrmData_;
    std::unique_ptr<PrmTextRecord> currentPrmText_;
    BlockVector<ExtUserPrmDataRecord> extUserPrmDataList_;
    BlockVector<PrmTextRecord> prmTextList_;
    // Position in the list by number, so that looking a definition up costs the same in a
    // file with a hundred thousand definitions as in one with ten.
    NumberIndex extUserPrmDataByNumber_;
    NumberIndex prmTextByNumber_;
    // The parameter bytes in use: of the unit (plain and X_) for the whole file, of the
    // current module (plain, F_ and X_).
    ParameterOccupancy unitPrmOccupancy_;
    ParameterOccupancy xUnitPrmOccupancy_;
    ParameterOccupancy modulePrmOccupancy_;
    ParameterOccupancy fModulePrmOccupancy_;
    ParameterOccupancy xModulePrmOccupancy_;
    ModulePrmLengths used_;

    void OnExtUserPrmDataFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataTypeLineFirst(CDbEntry& entry, semantic::Kw kw);
    void OnPrmTextRefFirst(CDbEntry& entry, semantic::Kw kw);
    void OnExtUserPrmDataEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnPrmTextFirst(CDbEntry& entry, semantic::Kw kw);
    void OnTextFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModulePrmPlaced(CDbEntry& entry, semantic::Kw kw);
    void OnParameterClaimFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDefinitionUsedSecond(CDbEntry& entry, semantic::Kw kw);
    void OnUserPrmDataSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMaxUserPrmDataLenSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModulePrmSecond(CDbEntry& entry, semantic::Kw kw);
    void OnDeclaredModulePrmLenSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModulePrmEndSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMinimumPrmLenSecond(CDbEntry& entry, semantic::Kw kw);
    // The occupancy of the telegram a parameter line claims bytes of (unit or current
    // module; plain, F_ or X_); grows the module's used length to end + 1.
    ParameterOccupancy& ClaimedTelegram(bool inModule, bool f, bool x, std::int64_t end);
};

} // namespace kvf
