#pragma once

#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "semantic/DiagnosisLists.h"
#include "semantic/RuleContext.h"

#include <cstdint>
#include <span>

namespace kvf {

// What the diagnosis rules collect: the bits of the whole file and of the current
// UnitDiagType block (X_), the values of the current (X_) area, and the channel diagnosis
// types of the current module and of the unit, each with the help texts given for them.
// Keyword names stand as they are; the phrases come from the string table.
struct DiagnosisState {
    static std::string_view Text(int id) { return MessageText(id); }

    DiagNumberList DiagBits{{}, Text(msg::DiagBitsName), "Unit_Diag_Bit"};
    DiagNumberList DiagBitHelps{{}, Text(msg::DiagBitHelpsName), Text(msg::UnknownDefinitionName)};
    DiagNumberList DiagNotBits{{}, Text(msg::DiagBitsName), "Unit_Diag_Not_Bit"};
    DiagNumberList DiagNotBitHelps{
        {}, Text(msg::DiagBitHelpsName), Text(msg::UnknownDefinitionName)};
    DiagNumberList DiagAreaBits{{}, Text(msg::DiagAreaName), Text(msg::UnknownDefinitionName)};
    DiagNumberList XDiagBits{{}, Text(msg::XDiagBitsName), "X_Unit_Diag_Bit"};
    DiagNumberList XDiagBitHelps{
        {}, Text(msg::XDiagBitHelpsName), Text(msg::UnknownDefinitionName)};
    DiagNumberList XDiagNotBits{{}, Text(msg::XDiagBitsName), "X_Unit_Diag_Not_Bit"};
    DiagNumberList XDiagNotBitHelps{
        {}, Text(msg::XDiagBitHelpsName), Text(msg::UnknownDefinitionName)};
    DiagNumberList XDiagAreaBits{{}, Text(msg::XDiagAreaName), Text(msg::UnknownDefinitionName)};
    DiagNumberList AreaValues{{}, "", "Value"};
    DiagNumberList AreaValueHelps{{}, "", Text(msg::UnknownDefinitionName)};
    DiagNumberList XAreaValues{{}, "", "X_Value"};
    DiagNumberList XAreaValueHelps{{}, "", Text(msg::UnknownDefinitionName)};
    DiagNumberList ModuleChannelDiags{{}, "Channel_Diag", Text(msg::ModuleChannelDiagName), true};
    DiagNumberList ModuleChannelDiagHelps{
        {}, "Channel_Diag", Text(msg::UnknownDefinitionName), true};
    DiagNumberList UnitChannelDiags{{}, "Channel_Diag", Text(msg::UnitChannelDiagName), true};
    DiagNumberList UnitChannelDiagHelps{{}, "Channel_Diag", Text(msg::UnknownDefinitionName), true};
    // The number of values the current (X_) area can take.
    std::uint32_t AreaValueRange = 0;
    std::uint32_t XAreaValueRange = 0;
};

// Diagnosis definitions: bits, areas, area values, channel diagnosis types and their help
// texts, free of overlaps and within Max_Diag_Data_Len.
class DiagnosisRules : public RuleGroup {
  public:
    explicit DiagnosisRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<DiagnosisRules>> Hooks();

    // Claims (insert) or tests the numbers first ... last against the list.
    int ClaimDiagBits(DiagNumberList& list, std::uint32_t first, std::uint32_t last, bool insert);
    int CheckDiagPosition(std::uint32_t bit);
    int AddAreaValue(DiagNumberList& list, std::uint32_t range, std::uint32_t value);
    int AddChannelDiag(DiagNumberList& list, std::uint32_t type);
    int CheckHelpHasDefinition(const DiagNumberList& definitions, std::uint32_t value);
    int CheckHelpsHaveDefinitions(const DiagNumberList& definitions, const DiagNumberList& helps);

  private:
    DiagnosisState diagnosis_;

    void OnDiagBitFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDiagAreaPlaced(CDbEntry& entry, semantic::Kw kw);
    void OnUnitDiagTypePlaced(CDbEntry& entry, semantic::Kw kw);
    void OnAreaValueFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleDiagPlaced(CDbEntry& entry, semantic::Kw kw);
    void OnChannelDiagFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDiagBlockEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDiagPositionSecond(CDbEntry& entry, semantic::Kw kw);
    void OnDiagHelpSecond(CDbEntry& entry, semantic::Kw kw);
};

} // namespace kvf
