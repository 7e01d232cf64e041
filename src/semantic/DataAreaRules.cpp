// Plugs in in the first pass at Module (a new module starts with no area sums),
// Data_Area_Beg, the six numeric area keywords (their values are kept even after a repeated
// line was reported), Data_Type, Data_Area_End (after the block content rule) and ENDMODULE
// (after the module and diagnosis rules of the module's end).

#include "semantic/DataAreaRules.h"

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "semantic/DataTypeTable.h"

#include <algorithm>

namespace kvf {

using semantic::Kw;

namespace {

std::string_view DirectionWord(bool output) {
    return MessageText(output ? msg::DirectionOutput : msg::DirectionInput);
}

// The lengths, format and area sum of one direction of the identifier a data area names.
// Numbers outside the identifiers 1 ... 244 have no lengths and keep no sum.
struct IdentifierSide {
    std::uint32_t Length = 0;
    std::uint32_t Format = 0;
    std::uint32_t* AreaSum = nullptr;
};

} // namespace

std::span<const RuleHook<DataAreaRules>> DataAreaRules::Hooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::DataArea;
    static const RuleHook<DataAreaRules> hooks[] = {
        {Kw::Module, Kw::Module, S::FirstPlaced, kOrder, &DataAreaRules::OnModuleBeginFirst},
        {Kw::Data_Area_Beg, Kw::Data_Area_Beg, S::FirstHeld, kOrder,
         &DataAreaRules::OnDataAreaBeginFirst},
        {Kw::Related_CFG_Identifier, Kw::DP_Master_allowed, S::FirstHeld, kOrder,
         &DataAreaRules::OnDataAreaValueFirst},
        {Kw::Data_Type, Kw::Data_Type, S::FirstHeld, kOrder, &DataAreaRules::OnDataTypeFirst},
        {Kw::Data_Area_End, Kw::Data_Area_End, S::FirstHeld, kOrder,
         &DataAreaRules::OnDataAreaEndFirst},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::FirstHeld, kOrder,
         &DataAreaRules::OnModuleEndCoverageFirst},
    };
    return hooks;
}

void DataAreaRules::OnModuleBeginFirst(CDbEntry&, Kw) {
    sums_ = AreaSums{};
}

void DataAreaRules::OnDataAreaBeginFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        area_ = DataAreaState{};
}

// The area keywords reach this point only with a valid value.
void DataAreaRules::OnDataAreaValueFirst(CDbEntry& entry, Kw kw) {
    std::int32_t value = ValueNumber(entry.m_Ready[0]);
    switch (kw) {
    case Kw::Related_CFG_Identifier:
        area_.CfgIdentifier = value;
        CheckCfgIdentifierExists();
        break;
    case Kw::IO_Direction:
        area_.IoDirection = value;
        break;
    case Kw::Length:
        area_.AreaLength = value;
        break;
    case Kw::Consistency:
        area_.Consistency = value;
        break;
    case Kw::Publisher_allowed:
        area_.PublisherAllowed = value;
        break;
    case Kw::DP_Master_allowed:
        area_.DpMasterAllowed = value;
        break;
    default:
        break;
    }
}

void DataAreaRules::OnDataTypeFirst(CDbEntry& entry, Kw) {
    AddDataType(ValueNumber(entry.m_Ready[0]));
}

void DataAreaRules::OnDataAreaEndFirst(CDbEntry&, Kw) {
    CheckDataAreaEnd(area_, context_.Modules().Identifiers());
}

void DataAreaRules::OnModuleEndCoverageFirst(CDbEntry&, Kw) {
    CheckDataAreaCoverage();
}

int DataAreaRules::CheckCfgIdentifierExists() {
    const int count = context_.Modules().Identifiers().Count;
    if (static_cast<std::uint32_t>(count) >= static_cast<std::uint32_t>(area_.CfgIdentifier))
        return 1;
    return Report(LEVEL_WARNING, msg::CfgIdentifierMissing, area_.CfgIdentifier, count);
}

int DataAreaRules::AddDataType(std::int32_t value) {
    const DataTypeInfo& type = LookUpDataType(value);
    area_.TypeLengthSum += static_cast<std::int32_t>(type.Length);
    std::int32_t& required = area_.RequiredFormat;
    switch (type.Need) {
    case DataTypeFormat::None:
        break;
    case DataTypeFormat::WordUnit:
        // A word that starts on an odd byte of the area can only be read consistently.
        if (required < 2 && area_.TypeLengthSum % 2 != 0)
            required = 2;
        required = std::max<std::int32_t>(required, 1);
        break;
    case DataTypeFormat::Consistency:
        required = std::max<std::int32_t>(required, 2);
        break;
    }
    switch (type.Note) {
    case DataTypeNote::None:
        return 1;
    case DataTypeNote::VariableLength:
        return Report(LEVEL_WARNING, msg::DataTypeLengthUncertain, value,
                      kvf::MessageText(msg::VariableLengthPhrase));
    case DataTypeNote::UserSpecific:
        return Report(LEVEL_WARNING, msg::DataTypeLengthUncertain, value,
                      kvf::MessageText(msg::UserSpecificPhrase));
    case DataTypeNote::Reserved:
        return Report(LEVEL_WARNING, msg::DataTypeReserved, value);
    }
    return 1;
}

int DataAreaRules::CheckDataAreaEnd(const DataAreaState& area,
                                    const ModuleIdentifiers& identifiers) {
    int holds = 1;
    bool input = area.IoDirection == 0;
    bool output = area.IoDirection == 1;
    if (output && !area.PublisherAllowed && !area.DpMasterAllowed)
        holds = Report(LEVEL_ERROR, msg::DataAreaDirection,
                       kvf::MessageText(msg::PublisherOrMasterAllowed),
                       kvf::MessageText(msg::TrueWord), kvf::MessageText(msg::OutputWord));
    if (area.AreaLength < area.TypeLengthSum)
        holds =
            Report(LEVEL_ERROR, msg::DataTypesExceedLength, area.TypeLengthSum, area.AreaLength);
    if (area.TypeLengthSum < area.AreaLength)
        holds = Report(LEVEL_WARNING, msg::DataTypesShort, area.TypeLengthSum, area.AreaLength);
    if (!input && !output)
        return holds; // no direction rule for any other direction value

    IdentifierSide side;
    auto ident = static_cast<std::uint32_t>(area.CfgIdentifier);
    if (ident >= 1 && ident <= static_cast<std::uint32_t>(kMaxCfgIdentifiers)) {
        side.Length = output ? identifiers.OutLength[ident] : identifiers.InLength[ident];
        side.Format = output ? identifiers.OutFormat[ident] : identifiers.InFormat[ident];
        side.AreaSum = output ? &sums_.Out[ident] : &sums_.In[ident];
    }
    auto areaLength = static_cast<std::uint32_t>(area.AreaLength);
    if (side.Length < areaLength)
        holds = Report(LEVEL_ERROR, msg::DataAreaExceedsIdentifier, DirectionWord(output),
                       area.AreaLength, side.Length, area.CfgIdentifier);
    else if (side.AreaSum)
        *side.AreaSum += areaLength;
    if (area.Consistency != 0 && side.Format < kCfgFormatConsistent)
        holds = Report(LEVEL_ERROR, msg::DataAreaConsistency, DirectionWord(output),
                       area.CfgIdentifier);
    if (static_cast<std::int64_t>(side.Format) < area.RequiredFormat)
        holds = Report(LEVEL_ERROR, msg::DataAreaFormat, DirectionWord(output), area.CfgIdentifier);
    return holds;
}

// Identifiers without any data area are not judged; an identifier with areas for one
// direction only is warned for the other.
int DataAreaRules::CheckDataAreaCoverage() {
    const ModuleIdentifiers& identifiers = context_.Modules().Identifiers();
    int holds = 1;
    for (int n = 1; n <= identifiers.Count; ++n) {
        std::uint32_t outSum = sums_.Out[n];
        std::uint32_t inSum = sums_.In[n];
        if (outSum == 0 && inSum == 0)
            continue;
        if (outSum < identifiers.OutLength[n])
            holds = Report(LEVEL_WARNING, msg::IdentifierNotCovered, outSum, DirectionWord(true),
                           identifiers.OutLength[n], n);
        if (inSum < identifiers.InLength[n])
            holds = Report(LEVEL_WARNING, msg::IdentifierNotCovered, inSum, DirectionWord(false),
                           identifiers.InLength[n], n);
        if (identifiers.OutLength[n] < outSum)
            holds = Report(LEVEL_ERROR, msg::DataAreasExceedIdentifier, DirectionWord(true), outSum,
                           n, identifiers.OutLength[n]);
        if (identifiers.InLength[n] < inSum)
            holds = Report(LEVEL_ERROR, msg::DataAreasExceedIdentifier, DirectionWord(false), inSum,
                           n, identifiers.InLength[n]);
    }
    return holds;
}

} // namespace kvf
