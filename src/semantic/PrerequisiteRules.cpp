// Keyword prerequisites: a detail keyword only makes sense when the feature it details is
// switched on. Two generic rules, driven by one table of keywords and their prerequisites.
//
// The rules run in the second pass for accepted lines, so a prerequisite written after the
// keyword that needs it still counts: they consult the values kept in the first pass.

#include "semantic/PrerequisiteRules.h"

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "semantic/UserParameterRules.h"

#include <array>
#include <vector>

namespace kvf {

using semantic::Kw;
using semantic::PrerequisiteCall;
using semantic::PrerequisiteRule;
using semantic::PrerequisiteValue;

namespace semantic {

namespace {

constexpr PrerequisiteCall Require(Kw keyword, Kw prerequisite,
                                   PrerequisiteValue from = PrerequisiteValue::Kept) {
    return {keyword, PrerequisiteRule::Require, from, prerequisite, Kw::Count_, 0};
}

constexpr PrerequisiteCall Restrict(Kw keyword, Kw prerequisite) {
    return {keyword, PrerequisiteRule::Restrict, PrerequisiteValue::Kept, prerequisite, Kw::Count_,
            0};
}

constexpr PrerequisiteCall RestrictToEither(Kw keyword, Kw prerequisite, Kw orPrerequisite) {
    return {keyword,
            PrerequisiteRule::Restrict,
            PrerequisiteValue::EitherKept,
            prerequisite,
            orPrerequisite,
            0};
}

constexpr PrerequisiteCall MinimumPrmLen(Kw keyword, int length) {
    return {
        keyword, PrerequisiteRule::MinimumPrmLen, PrerequisiteValue::Kept, Kw::Count_, Kw::Count_,
        length};
}

// clang-format off
constexpr PrerequisiteCall kCalls[] = {
    Require(Kw::Fail_Safe_required, Kw::Fail_Safe),
    Restrict(Kw::X_Ext_Module_Prm_Data_Len, Kw::X_Prm_SAP_supp),
    Restrict(Kw::Prm_Block_Structure_supp, Kw::DPV1_Slave),
    Restrict(Kw::Prm_Block_Structure_req, Kw::DPV1_Slave),
    Restrict(Kw::Prm_Block_Structure_req, Kw::Prm_Block_Structure_supp),
    Restrict(Kw::Jokerblock_supp, Kw::Prm_Block_Structure_supp),
    Require(Kw::Jokerblock_supp, Kw::Jokerblock_Type, PrerequisiteValue::Blocks),
    Restrict(Kw::Jokerblock_Type, Kw::Jokerblock_supp),
    Restrict(Kw::Jokerblock_Location, Kw::X_Prm_SAP_supp),
    Restrict(Kw::PrmCmd_supp, Kw::Prm_Block_Structure_supp),
    MinimumPrmLen(Kw::PrmCmd_supp, 11),
    Require(Kw::PrmCmd_req, Kw::PrmCmd_supp),
    Restrict(Kw::Max_Switch_Over_Time, Kw::PrmCmd_supp),
    Restrict(Kw::Slave_Redundancy_supp, Kw::PrmCmd_supp),
    RestrictToEither(Kw::Ident_Maintenance_supp, Kw::C1_Read_Write_supp, Kw::C2_Read_Write_supp),

    Require(Kw::C1_Read_Write_supp, Kw::DPV1_Slave),
    Require(Kw::C1_Read_Write_supp, Kw::C1_Max_Data_Len),
    Require(Kw::C1_Read_Write_supp, Kw::C1_Response_Timeout),
    Require(Kw::C2_Read_Write_supp, Kw::DPV1_Slave),
    Require(Kw::C2_Read_Write_supp, Kw::C2_Max_Data_Len),
    Require(Kw::C2_Read_Write_supp, Kw::C2_Response_Timeout),
    Require(Kw::C2_Read_Write_supp, Kw::C2_Max_Count_Channels),
    Require(Kw::C2_Read_Write_supp, Kw::Max_Initiate_PDU_Length),
    Restrict(Kw::C1_Max_Data_Len, Kw::C1_Read_Write_supp),
    Restrict(Kw::C1_Response_Timeout, Kw::C1_Read_Write_supp),
    Restrict(Kw::C2_Max_Data_Len, Kw::C2_Read_Write_supp),
    Restrict(Kw::C2_Response_Timeout, Kw::C2_Read_Write_supp),
    Restrict(Kw::C2_Max_Count_Channels, Kw::C2_Read_Write_supp),
    Restrict(Kw::Max_Initiate_PDU_Length, Kw::C2_Read_Write_supp),
    Require(Kw::C1_Read_Write_required, Kw::C1_Read_Write_supp),
    Require(Kw::C2_Read_Write_required, Kw::C2_Read_Write_supp),

    Require(Kw::Diagnostic_Alarm_supp, Kw::Alarm_Type_Mode_supp),
    Require(Kw::Process_Alarm_supp, Kw::Alarm_Type_Mode_supp),
    Require(Kw::Pull_Plug_Alarm_supp, Kw::Alarm_Type_Mode_supp),
    Require(Kw::Status_Alarm_supp, Kw::Alarm_Type_Mode_supp),
    Require(Kw::Update_Alarm_supp, Kw::Alarm_Type_Mode_supp),
    Require(Kw::Manufacturer_Specific_Alarm_supp, Kw::Alarm_Type_Mode_supp),
    Require(Kw::Extra_Alarm_SAP_supp, Kw::C1_Read_Write_supp),
    Require(Kw::Alarm_Sequence_Mode_Count, Kw::C1_Read_Write_supp),
    Require(Kw::Alarm_Type_Mode_supp, Kw::C1_Read_Write_supp),
    Require(Kw::Diagnostic_Alarm_required, Kw::Diagnostic_Alarm_supp),
    Require(Kw::Process_Alarm_required, Kw::Process_Alarm_supp),
    Require(Kw::Pull_Plug_Alarm_required, Kw::Pull_Plug_Alarm_supp),
    Require(Kw::Status_Alarm_required, Kw::Status_Alarm_supp),
    Require(Kw::Update_Alarm_required, Kw::Update_Alarm_supp),
    Require(Kw::Manufacturer_Specific_Alarm_required, Kw::Manufacturer_Specific_Alarm_supp),
    Restrict(Kw::DPV1_Data_Types, Kw::DPV1_Slave),

    Restrict(Kw::Subscriber_supp, Kw::DPV1_Slave),
    MinimumPrmLen(Kw::Subscriber_supp, 12),
    Require(Kw::Subscriber_supp, Kw::DXB_Max_Link_Count),
    Require(Kw::Subscriber_supp, Kw::DXB_Max_Data_Length),
    Require(Kw::DXB_Subscribertable_Block_Location, Kw::X_Prm_SAP_supp),

    Require(Kw::Isochron_Mode_supp, Kw::Fail_Safe),
    MinimumPrmLen(Kw::Isochron_Mode_supp, 31),
    Require(Kw::Isochron_Mode_supp, Kw::TBASE_DP),
    Require(Kw::Isochron_Mode_supp, Kw::TDP_MIN),
    Require(Kw::Isochron_Mode_supp, Kw::TDP_MAX),
    Require(Kw::Isochron_Mode_supp, Kw::T_PLL_W_MAX),
    Require(Kw::Isochron_Mode_supp, Kw::TBASE_IO),
    Require(Kw::Isochron_Mode_required, Kw::Isochron_Mode_supp),
    Restrict(Kw::TBASE_DP, Kw::Isochron_Mode_supp),
    Restrict(Kw::TDP_MIN, Kw::Isochron_Mode_supp),
    Restrict(Kw::TDP_MAX, Kw::Isochron_Mode_supp),
    Restrict(Kw::T_PLL_W_MAX, Kw::Isochron_Mode_supp),
    Restrict(Kw::TBASE_IO, Kw::Isochron_Mode_supp),
    Restrict(Kw::TI_MIN, Kw::Isochron_Mode_supp),
    Restrict(Kw::TO_MIN, Kw::Isochron_Mode_supp),

    Restrict(Kw::X_Prm_SAP_supp, Kw::DPV1_Slave),
    Require(Kw::X_Prm_SAP_supp, Kw::X_Max_User_Prm_Data_Len),
    Require(Kw::X_Prm_SAP_supp, Kw::X_Prm_Block_Structure_supp),
    Restrict(Kw::X_Max_User_Prm_Data_Len, Kw::DPV1_Slave),
    Restrict(Kw::X_Ext_User_Prm_Data_Ref, Kw::DPV1_Slave),
    Restrict(Kw::X_Ext_User_Prm_Data_Const, Kw::DPV1_Slave),
    Restrict(Kw::X_Prm_Block_Structure_supp, Kw::DPV1_Slave),
    Require(Kw::X_Prm_Block_Structure_supp, Kw::X_Prm_SAP_supp),

    Require(Kw::DPV1_Conformance_Class, Kw::DPV1_Master),
    Require(Kw::C1_Master_Read_Write_supp, Kw::DPV1_Master),
    Require(Kw::Master_DPV1_Alarm_supp, Kw::DPV1_Master),
    Require(Kw::Master_Diagnostic_Alarm_supp, Kw::Master_DPV1_Alarm_supp),
    Require(Kw::Master_Process_Alarm_supp, Kw::Master_DPV1_Alarm_supp),
    Require(Kw::Master_Pull_Plug_Alarm_supp, Kw::Master_DPV1_Alarm_supp),
    Require(Kw::Master_Status_Alarm_supp, Kw::Master_DPV1_Alarm_supp),
    Require(Kw::Master_Update_Alarm_supp, Kw::Master_DPV1_Alarm_supp),
    Require(Kw::Master_Manufacturer_Specific_Alarm_supp, Kw::Master_DPV1_Alarm_supp),
    Restrict(Kw::Master_Extra_Alarm_SAP_supp, Kw::Master_DPV1_Alarm_supp),
    Restrict(Kw::Master_Alarm_Sequence_Mode, Kw::Master_DPV1_Alarm_supp),
    Restrict(Kw::Master_Alarm_Type_Mode_supp, Kw::Master_DPV1_Alarm_supp),
};
// clang-format on

// The calls of each keyword as a slice of kCalls, built once.
struct CallIndex {
    std::array<std::span<const PrerequisiteCall>, kKeywordCount> ByKeyword;
};

const CallIndex& Calls() {
    static const CallIndex index = [] {
        CallIndex built;
        std::span<const PrerequisiteCall> all(kCalls);
        std::size_t begin = 0;
        while (begin < all.size()) {
            std::size_t end = begin + 1;
            while (end < all.size() && all[end].Keyword == all[begin].Keyword)
                ++end;
            built.ByKeyword[Index(all[begin].Keyword)] = all.subspan(begin, end - begin);
            begin = end;
        }
        return built;
    }();
    return index;
}

} // namespace

std::span<const PrerequisiteCall> PrerequisiteTable() {
    return kCalls;
}

std::span<const PrerequisiteCall> PrerequisiteCallsOf(Kw kw) {
    return kw == Kw::Count_ ? std::span<const PrerequisiteCall>{} : Calls().ByKeyword[Index(kw)];
}

std::string PrerequisiteName(const PrerequisiteCall& call) {
    if (call.Source == Kw::Count_)
        return {}; // a minimum length names no keyword
    std::string name(Info(call.Source).Name);
    if (call.From == PrerequisiteValue::EitherKept)
        name.append(" or ").append(Info(call.OrSource).Name);
    return name;
}

} // namespace semantic

std::span<const RuleHook<PrerequisiteRules>> PrerequisiteRules::Hooks() {
    // One hook per keyword of the table, so that other keywords pay nothing.
    static const std::vector<RuleHook<PrerequisiteRules>> hooks = [] {
        std::vector<RuleHook<PrerequisiteRules>> built;
        for (std::size_t k = 0; k < semantic::kKeywordCount; ++k) {
            Kw kw = static_cast<Kw>(k);
            if (!semantic::PrerequisiteCallsOf(kw).empty())
                built.push_back({kw, kw, HookStage::Second, hook_order::Prerequisite,
                                 &PrerequisiteRules::OnPrerequisiteSecond});
        }
        return built;
    }();
    return hooks;
}

// Every call of the keyword runs, also after an earlier one reported.
void PrerequisiteRules::OnPrerequisiteSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted)
        return;
    for (const PrerequisiteCall& call : semantic::PrerequisiteCallsOf(kw)) {
        switch (call.Rule) {
        case PrerequisiteRule::Require:
            RequirePrerequisite(PrerequisiteValueOf(call), semantic::PrerequisiteName(call));
            break;
        case PrerequisiteRule::Restrict:
            RestrictToPrerequisite(PrerequisiteValueOf(call), semantic::PrerequisiteName(call));
            break;
        case PrerequisiteRule::MinimumPrmLen:
            context_.UserParameters().CheckMinimumPrmLen(call.MinimumLength);
            break;
        }
    }
}

std::int32_t PrerequisiteRules::PrerequisiteValueOf(const PrerequisiteCall& call) const {
    switch (call.From) {
    case PrerequisiteValue::Kept:
        return KeptValue(call.Source);
    case PrerequisiteValue::Blocks:
        return static_cast<std::int32_t>(Count(call.Source));
    case PrerequisiteValue::EitherKept:
        return KeptValue(call.Source) != 0 || KeptValue(call.OrSource) != 0 ? 1 : 0;
    }
    return 0;
}

// A line that switches its feature off (value 0) needs nothing.
int PrerequisiteRules::RequirePrerequisite(std::int32_t prerequisite, std::string_view name) {
    if (ValueNumber(CurrentValue()) == 0 || prerequisite != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::PrerequisiteRequired, name, CurrentKey());
}

int PrerequisiteRules::RestrictToPrerequisite(std::int32_t prerequisite, std::string_view name) {
    if (ValueNumber(CurrentValue()) == 0 || prerequisite != 0)
        return 1;
    return Report(LEVEL_WARNING, msg::PrerequisiteOnly, CurrentKey(), name);
}

} // namespace kvf
