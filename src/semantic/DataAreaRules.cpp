// Data areas: each Data_Area against its data types and the configuration identifier it
// names, and at the module's end the coverage of every identifier by its areas.
//
// Plugs in in the first pass at Data_Area_Beg, the six numeric area keywords (their values
// are kept even after a repeated line was reported), Data_Type, Data_Area_End (after the
// block content rule) and ENDMODULE (after the module and diagnosis rules of the module's
// end).

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "semantic/DataTypeTable.h"
#include "semantic/SemanticChecker.h"

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

std::span<const RuleHook> SemanticChecker::DataAreaHooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::DataArea;
    static const RuleHook hooks[] = {
        {Kw::Data_Area_Beg, Kw::Data_Area_Beg, S::FirstHeld, kOrder,
         &SemanticChecker::OnDataAreaBeginFirst},
        {Kw::Related_CFG_Identifier, Kw::DP_Master_allowed, S::FirstHeld, kOrder,
         &SemanticChecker::OnDataAreaValueFirst},
        {Kw::Data_Type, Kw::Data_Type, S::FirstHeld, kOrder, &SemanticChecker::OnDataTypeFirst},
        {Kw::Data_Area_End, Kw::Data_Area_End, S::FirstHeld, kOrder,
         &SemanticChecker::OnDataAreaEndFirst},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::FirstHeld, kOrder,
         &SemanticChecker::OnModuleEndCoverageFirst},
    };
    return hooks;
}

void SemanticChecker::OnDataAreaBeginFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        DataArea = DataAreaState{};
}

// The area keywords reach this point only with a valid value.
void SemanticChecker::OnDataAreaValueFirst(CDbEntry& entry, Kw kw) {
    std::int32_t value = ValueNumber(entry.m_Ready[0]);
    switch (kw) {
    case Kw::Related_CFG_Identifier:
        DataArea.CfgIdentifier = value;
        CheckCfgIdentifierExists();
        break;
    case Kw::IO_Direction:
        DataArea.IoDirection = value;
        break;
    case Kw::Length:
        DataArea.AreaLength = value;
        break;
    case Kw::Consistency:
        DataArea.Consistency = value;
        break;
    case Kw::Publisher_allowed:
        DataArea.PublisherAllowed = value;
        break;
    case Kw::DP_Master_allowed:
        DataArea.DpMasterAllowed = value;
        break;
    default:
        break;
    }
}

void SemanticChecker::OnDataTypeFirst(CDbEntry& entry, Kw) {
    AddDataType(ValueNumber(entry.m_Ready[0]));
}

void SemanticChecker::OnDataAreaEndFirst(CDbEntry&, Kw) {
    CheckDataAreaEnd();
}

void SemanticChecker::OnModuleEndCoverageFirst(CDbEntry&, Kw) {
    CheckDataAreaCoverage();
}

int SemanticChecker::CheckCfgIdentifierExists() {
    if (static_cast<std::uint32_t>(Modules.CfgIdentCount) >=
        static_cast<std::uint32_t>(DataArea.CfgIdentifier))
        return 1;
    return Report(LEVEL_WARNING, msg::CfgIdentifierMissing, DataArea.CfgIdentifier,
                  Modules.CfgIdentCount);
}

int SemanticChecker::AddDataType(std::int32_t value) {
    const DataTypeInfo& type = LookUpDataType(value);
    DataArea.TypeLengthSum += static_cast<std::int32_t>(type.Length);
    std::int32_t& required = DataArea.RequiredFormat;
    switch (type.Need) {
    case DataTypeFormat::None:
        break;
    case DataTypeFormat::WordUnit:
        // A word that starts on an odd byte of the area can only be read consistently.
        if (required < 2 && DataArea.TypeLengthSum % 2 != 0)
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

int SemanticChecker::CheckDataAreaEnd() {
    const DataAreaState& area = DataArea;
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
        side.Length = output ? Modules.CfgOutLength[ident] : Modules.CfgInLength[ident];
        side.Format = output ? Modules.CfgOutFormat[ident] : Modules.CfgInFormat[ident];
        side.AreaSum = output ? &Modules.CfgOutAreaSum[ident] : &Modules.CfgInAreaSum[ident];
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
int SemanticChecker::CheckDataAreaCoverage() {
    int holds = 1;
    for (int n = 1; n <= Modules.CfgIdentCount; ++n) {
        std::uint32_t outSum = Modules.CfgOutAreaSum[n];
        std::uint32_t inSum = Modules.CfgInAreaSum[n];
        if (outSum == 0 && inSum == 0)
            continue;
        if (outSum < Modules.CfgOutLength[n])
            holds = Report(LEVEL_WARNING, msg::IdentifierNotCovered, outSum, DirectionWord(true),
                           Modules.CfgOutLength[n], n);
        if (inSum < Modules.CfgInLength[n])
            holds = Report(LEVEL_WARNING, msg::IdentifierNotCovered, inSum, DirectionWord(false),
                           Modules.CfgInLength[n], n);
        if (Modules.CfgOutLength[n] < outSum)
            holds = Report(LEVEL_ERROR, msg::DataAreasExceedIdentifier, DirectionWord(true), outSum,
                           n, Modules.CfgOutLength[n]);
        if (Modules.CfgInLength[n] < inSum)
            holds = Report(LEVEL_ERROR, msg::DataAreasExceedIdentifier, DirectionWord(false), inSum,
                           n, Modules.CfgInLength[n]);
    }
    return holds;
}

} // namespace kvf
