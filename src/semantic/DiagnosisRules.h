#pragma once

#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "semantic/DiagnosisLists.h"

#include <cstdint>

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

} // namespace kvf
