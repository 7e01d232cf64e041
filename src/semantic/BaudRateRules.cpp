// Baud rates and timing: the supported rates against MaxTsdr, the master times and the
// delays of the physical interfaces, and Min_Slave_Intervall against the fastest rate.
//
// The first pass collects (the rate flags are kept by the driver as the values of the
// <rate>_supp keywords; the delays mark physDelayGiven_ here), the second pass judges, so
// the order of the lines in the file does not matter.

#include "semantic/BaudRateRules.h"

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"

namespace kvf {

using semantic::kRateTable;
using semantic::Kw;

namespace semantic {

namespace {

constexpr std::array<std::int8_t, kKeywordCount> BuildRateIndexes() {
    std::array<std::int8_t, kKeywordCount> indexes{};
    for (auto& index : indexes)
        index = -1;
    for (int rate = 0; rate < kRateCount; ++rate) {
        const RateRow& row = kRateTable[static_cast<std::size_t>(rate)];
        for (Kw kw : {row.Supp, row.MaxTsdr, row.Trdy, row.Tqui, row.Tset, row.Tsdi,
                      row.TransmissionDelay, row.ReactionDelay})
            indexes[Index(kw)] = static_cast<std::int8_t>(rate);
    }
    return indexes;
}

constexpr std::array<std::int8_t, kKeywordCount> kRateIndexes = BuildRateIndexes();

bool FamilyHolds(FamilyCondition condition, std::int32_t slaveFamily) {
    switch (condition) {
    case FamilyCondition::Any:
        return true;
    case FamilyCondition::PaSlave:
        return slaveFamily == kPaSlaveFamily;
    case FamilyCondition::NotPaSlave:
        return slaveFamily != kPaSlaveFamily;
    }
    return false;
}

} // namespace

int RateIndexOf(Kw kw) {
    return kw == Kw::Count_ ? -1 : kRateIndexes[Index(kw)];
}

const IntervalLimitRow* ExceededIntervalLimit(std::int32_t interval,
                                              const std::bitset<kRateCount>& supported,
                                              std::int32_t slaveFamily) {
    for (const IntervalLimitRow& row : kIntervalLimits) {
        if (row.Rate >= 0 &&
            supported.test(static_cast<std::size_t>(row.Rate)) != row.RateSupported)
            continue;
        if (FamilyHolds(row.Family, slaveFamily) && interval > row.Limit)
            return &row;
    }
    return nullptr;
}

} // namespace semantic

std::span<const RuleHook<BaudRateRules>> BaudRateRules::Hooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::BaudRate;
    static const RuleHook<BaudRateRules> hooks[] = {
        {Kw::Supp_9_6, Kw::Supp_12M, S::Second, kOrder, &BaudRateRules::OnRateSupportSecond},
        {Kw::MaxTsdr_9_6, Kw::MaxTsdr_12M, S::Second, kOrder, &BaudRateRules::OnMaxTsdrSecond},
        {Kw::TRDY_9_6, Kw::TSDI_12M, S::Second, kOrder, &BaudRateRules::OnMasterTimeSecond},
        {Kw::Transmission_Delay_9_6, Kw::Reaction_Delay_12M, S::FirstHeld, kOrder,
         &BaudRateRules::OnInterfaceDelayFirst},
        {Kw::Transmission_Delay_9_6, Kw::Reaction_Delay_12M, S::Second, kOrder,
         &BaudRateRules::OnInterfaceDelaySecond},
        {Kw::Min_Slave_Intervall, Kw::Min_Slave_Intervall, S::Second, kOrder,
         &BaudRateRules::OnMinSlaveIntervalSecond},
    };
    return hooks;
}

// A rate line that failed its context or multiplicity rule, or one with value 0, declares
// no support, so it is not judged as a supported rate.
void BaudRateRules::OnRateSupportSecond(CDbEntry& entry, Kw kw) {
    int rate = semantic::RateIndexOf(kw);
    if (!entry.Accepted || !entry.Valid || !context_.BaudSupported(rate))
        return;
    RequireMaxTsdrForBaudrate(rate);
    RequireMasterTimesForBaudrate(rate);
    CheckBaudrateInInterfaces(rate);
}

void BaudRateRules::OnMaxTsdrSecond(CDbEntry& entry, Kw kw) {
    if (entry.Accepted)
        RequireBaudrateForMaxTsdr(semantic::RateIndexOf(kw));
}

void BaudRateRules::OnMasterTimeSecond(CDbEntry& entry, Kw kw) {
    if (entry.Accepted)
        RequireBaudrateForMasterTime(semantic::RateIndexOf(kw));
}

// Collected over all interfaces of the file and never cleared.
void BaudRateRules::OnInterfaceDelayFirst(CDbEntry&, Kw kw) {
    physDelayGiven_[static_cast<std::size_t>(semantic::RateIndexOf(kw))] = 1;
}

void BaudRateRules::OnInterfaceDelaySecond(CDbEntry& entry, Kw kw) {
    if (entry.Accepted)
        RequireBaudrateForDelay(semantic::RateIndexOf(kw));
}

void BaudRateRules::OnMinSlaveIntervalSecond(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckMinSlaveInterval(ValueNumber(CurrentValue()));
}

int BaudRateRules::RequireMaxTsdrForBaudrate(int rate) {
    if (Count(kRateTable[static_cast<std::size_t>(rate)].MaxTsdr) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::NoMaxTsdrForBaudrate);
}

int BaudRateRules::RequireMasterTimesForBaudrate(int rate) {
    if (StationKind() != 1)
        return 1;
    const semantic::RateRow& row = kRateTable[static_cast<std::size_t>(rate)];
    const struct {
        Kw Keyword;
        int Message;
    } times[] = {
        {row.Trdy, msg::NoTrdyForBaudrate},
        {row.Tqui, msg::NoTquiForBaudrate},
        {row.Tset, msg::NoTsetForBaudrate},
        {row.Tsdi, msg::NoTsdiForBaudrate},
    };
    int holds = 1;
    for (const auto& time : times)
        if (Count(time.Keyword) == 0)
            holds = Report(LEVEL_ERROR, time.Message);
    return holds;
}

// Only a file that describes its physical interfaces has to name every supported rate in
// one of them.
int BaudRateRules::CheckBaudrateInInterfaces(int rate) {
    if (Count(Kw::Physical_Interface) == 0 || physDelayGiven_[static_cast<std::size_t>(rate)])
        return 1;
    return Report(LEVEL_WARNING, msg::BaudrateNotInPhysicalInterface, CurrentKey());
}

// Any <rate>_supp line counts here, also one with value 0.
int BaudRateRules::RequireBaudrateForMaxTsdr(int rate) {
    if (Count(kRateTable[static_cast<std::size_t>(rate)].Supp) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::NoBaudrateForMaxTsdr);
}

int BaudRateRules::RequireBaudrateForMasterTime(int rate) {
    if (Count(kRateTable[static_cast<std::size_t>(rate)].Supp) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::NoBaudrateForTimeParameter);
}

// A delay needs the rate to be supported with value 1.
int BaudRateRules::RequireBaudrateForDelay(int rate) {
    if (context_.BaudSupported(rate))
        return 1;
    return Report(LEVEL_ERROR, msg::NoBaudrateForDelay, CurrentKey());
}

int BaudRateRules::CheckMinSlaveInterval(std::int32_t interval) {
    std::bitset<semantic::kRateCount> supported;
    for (int rate = 0; rate < semantic::kRateCount; ++rate)
        supported.set(static_cast<std::size_t>(rate), context_.BaudSupported(rate));
    const semantic::IntervalLimitRow* exceeded =
        semantic::ExceededIntervalLimit(interval, supported, context_.SlaveFamily());
    if (!exceeded)
        return 1;
    return Report(LEVEL_ERROR, msg::MinSlaveIntervalRange, interval, exceeded->Limit,
                  kvf::MessageText(exceeded->Label));
}

} // namespace kvf
