#pragma once

// Data areas: each Data_Area against its data types and the configuration identifier it
// names, and at the module's end the coverage of every identifier by its areas.

#include "semantic/ModuleConfig.h"
#include "semantic/ModuleRules.h"
#include "semantic/RuleContext.h"

#include <array>
#include <cstdint>
#include <span>

namespace kvf {

// The values of the current Data_Area; all 0 at Data_Area_Beg.
struct DataAreaState {
    std::int32_t PublisherAllowed = 0;
    std::int32_t DpMasterAllowed = 0;
    std::int32_t IoDirection = 0;
    std::int32_t Consistency = 0;
    std::int32_t RequiredFormat = 0;
    std::int32_t CfgIdentifier = 0;
    std::int32_t AreaLength = 0;
    std::int32_t TypeLengthSum = 0;
};

// The lengths of the current module's data areas summed per identifier and direction,
// indexed as ModuleIdentifiers is.
struct AreaSums {
    std::array<std::uint32_t, kMaxCfgIdentifiers + 1> Out{}, In{};
};

class DataAreaRules : public RuleGroup {
  public:
    explicit DataAreaRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<DataAreaRules>> Hooks();

    const DataAreaState& CurrentArea() const { return area_; }
    const AreaSums& Sums() const { return sums_; }

    int CheckCfgIdentifierExists();
    int AddDataType(std::int32_t value);
    // The area against the identifier it names; adds its length to the identifier's sum.
    int CheckDataAreaEnd(const DataAreaState& area, const ModuleIdentifiers& identifiers);
    int CheckDataAreaCoverage();

  private:
    DataAreaState area_;
    AreaSums sums_;

    void OnModuleBeginFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataAreaBeginFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataAreaValueFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataTypeFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataAreaEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleEndCoverageFirst(CDbEntry& entry, semantic::Kw kw);
};

} // namespace kvf
