#pragma once

// The rate table and the Min_Slave_Intervall limits of the baud rate and timing rules.

#include "core/MessageIds.h"
#include "semantic/RuleContext.h"
#include "semantic/SemanticKeywordList.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <span>

namespace kvf::semantic {

// The rate indexes, in the order every rate rule takes them.
enum RateIndex : int {
    Rate9k6,
    Rate19k2,
    Rate31k25,
    Rate45k45,
    Rate93k75,
    Rate187k5,
    Rate500k,
    Rate1M5,
    Rate3M,
    Rate6M,
    Rate12M,
};

// One baud rate: the keyword that declares its support, the timing keywords that belong to
// it, and the label the delay completeness rule prints for it.
struct RateRow {
    Kw Supp;
    Kw MaxTsdr;
    Kw Trdy, Tqui, Tset, Tsdi;           // the master times
    Kw TransmissionDelay, ReactionDelay; // inside a Physical_Interface
    int DelayLabel;                      // message id of the label ("9.6 k")
};

// clang-format off
inline constexpr std::array<RateRow, kRateCount> kRateTable = {{
    {Kw::Supp_9_6,   Kw::MaxTsdr_9_6,   Kw::TRDY_9_6,   Kw::TQUI_9_6,   Kw::TSET_9_6,   Kw::TSDI_9_6,
     Kw::Transmission_Delay_9_6,   Kw::Reaction_Delay_9_6,   msg::RateLabel9k6 + 0},
    {Kw::Supp_19_2,  Kw::MaxTsdr_19_2,  Kw::TRDY_19_2,  Kw::TQUI_19_2,  Kw::TSET_19_2,  Kw::TSDI_19_2,
     Kw::Transmission_Delay_19_2,  Kw::Reaction_Delay_19_2,  msg::RateLabel9k6 + 1},
    {Kw::Supp_31_25, Kw::MaxTsdr_31_25, Kw::TRDY_31_25, Kw::TQUI_31_25, Kw::TSET_31_25, Kw::TSDI_31_25,
     Kw::Transmission_Delay_31_25, Kw::Reaction_Delay_31_25, msg::RateLabel9k6 + 2},
    {Kw::Supp_45_45, Kw::MaxTsdr_45_45, Kw::TRDY_45_45, Kw::TQUI_45_45, Kw::TSET_45_45, Kw::TSDI_45_45,
     Kw::Transmission_Delay_45_45, Kw::Reaction_Delay_45_45, msg::RateLabel9k6 + 3},
    {Kw::Supp_93_75, Kw::MaxTsdr_93_75, Kw::TRDY_93_75, Kw::TQUI_93_75, Kw::TSET_93_75, Kw::TSDI_93_75,
     Kw::Transmission_Delay_93_75, Kw::Reaction_Delay_93_75, msg::RateLabel9k6 + 4},
    {Kw::Supp_187_5, Kw::MaxTsdr_187_5, Kw::TRDY_187_5, Kw::TQUI_187_5, Kw::TSET_187_5, Kw::TSDI_187_5,
     Kw::Transmission_Delay_187_5, Kw::Reaction_Delay_187_5, msg::RateLabel9k6 + 5},
    {Kw::Supp_500,   Kw::MaxTsdr_500,   Kw::TRDY_500,   Kw::TQUI_500,   Kw::TSET_500,   Kw::TSDI_500,
     Kw::Transmission_Delay_500,   Kw::Reaction_Delay_500,   msg::RateLabel9k6 + 6},
    {Kw::Supp_1_5M,  Kw::MaxTsdr_1_5M,  Kw::TRDY_1_5M,  Kw::TQUI_1_5M,  Kw::TSET_1_5M,  Kw::TSDI_1_5M,
     Kw::Transmission_Delay_1_5M,  Kw::Reaction_Delay_1_5M,  msg::RateLabel9k6 + 7},
    {Kw::Supp_3M,    Kw::MaxTsdr_3M,    Kw::TRDY_3M,    Kw::TQUI_3M,    Kw::TSET_3M,    Kw::TSDI_3M,
     Kw::Transmission_Delay_3M,    Kw::Reaction_Delay_3M,    msg::RateLabel9k6 + 8},
    {Kw::Supp_6M,    Kw::MaxTsdr_6M,    Kw::TRDY_6M,    Kw::TQUI_6M,    Kw::TSET_6M,    Kw::TSDI_6M,
     Kw::Transmission_Delay_6M,    Kw::Reaction_Delay_6M,    msg::RateLabel9k6 + 9},
    {Kw::Supp_12M,   Kw::MaxTsdr_12M,   Kw::TRDY_12M,   Kw::TQUI_12M,   Kw::TSET_12M,   Kw::TSDI_12M,
     Kw::Transmission_Delay_12M,   Kw::Reaction_Delay_12M,   msg::RateLabel9k6 + 10},
}};
// clang-format on

// The rate index (0..10) of any keyword of the rate table, or -1 for other keywords.
int RateIndexOf(Kw kw);

// The main Slave_Family of a process automation slave, which has its own interval limit.
inline constexpr std::int32_t kPaSlaveFamily = 12;

enum class FamilyCondition : std::uint8_t { Any, PaSlave, NotPaSlave };

// One row of the Min_Slave_Intervall limits: the row holds when its rate is (or, for
// RateSupported false, is not) supported, the family condition is met and the interval is
// above the limit.
struct IntervalLimitRow {
    int Rate; // -1: no rate condition
    bool RateSupported;
    FamilyCondition Family;
    std::int32_t Limit;
    int Label; // message id of the label the message prints
};

// Tried in this order; the first row that holds decides. Since each row only holds above
// its limit, the limit of the fastest supported rate from 500k up applies.
inline constexpr IntervalLimitRow kIntervalLimits[] = {
    {Rate12M, true, FamilyCondition::Any, 6, msg::IntervalLabel12M},
    {Rate6M, true, FamilyCondition::Any, 10, msg::IntervalLabel6M},
    {Rate3M, true, FamilyCondition::Any, 15, msg::IntervalLabel3M},
    {Rate1M5, true, FamilyCondition::Any, 20, msg::IntervalLabel1M5},
    {Rate500k, true, FamilyCondition::Any, 60, msg::IntervalLabel500k},
    {Rate187k5, false, FamilyCondition::PaSlave, 250, msg::IntervalLabelPaSlave},
    {-1, true, FamilyCondition::NotPaSlave, 200, msg::IntervalLabelUpTo187k5},
};

// The row of kIntervalLimits that the interval exceeds, or none. All comparisons are
// signed.
const IntervalLimitRow* ExceededIntervalLimit(std::int32_t interval,
                                              const std::bitset<kRateCount>& supported,
                                              std::int32_t slaveFamily);

} // namespace kvf::semantic

namespace kvf {

// Baud rates and timing: the supported rates against MaxTsdr, the master times and the
// delays of the physical interfaces, and Min_Slave_Intervall against the fastest rate.
class BaudRateRules : public RuleGroup {
  public:
    explicit BaudRateRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<BaudRateRules>> Hooks();

    int RequireMaxTsdrForBaudrate(int rate);
    int RequireMasterTimesForBaudrate(int rate);
    int CheckBaudrateInInterfaces(int rate);
    int RequireBaudrateForMaxTsdr(int rate);
    int RequireBaudrateForMasterTime(int rate);
    int RequireBaudrateForDelay(int rate);
    int CheckMinSlaveInterval(std::int32_t interval);

  private:
    // Which rates have interface delays given, over all Physical_Interface blocks.
    std::array<int, semantic::kRateCount> physDelayGiven_{};

    void OnRateSupportSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMaxTsdrSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMasterTimeSecond(CDbEntry& entry, semantic::Kw kw);
    void OnInterfaceDelayFirst(CDbEntry& entry, semantic::Kw kw);
    void OnInterfaceDelaySecond(CDbEntry& entry, semantic::Kw kw);
    void OnMinSlaveIntervalSecond(CDbEntry& entry, semantic::Kw kw);
};

} // namespace kvf
