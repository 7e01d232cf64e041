// Diagnosis definitions: bits, areas, area values, channel diagnosis types and their help
// texts, free of overlaps and within Max_Diag_Data_Len.
//
// Plugs in at Unit_Diag_Bit, Unit_Diag_Not_Bit, their help keywords, UNIT_DIAG_AREA,
// VALUE, VALUE_HELP, UNIT_DIAG_AREA_END, UnitDiagType and its X_ keywords,
// X_Unit_Diag_Area, X_Value, X_Value_Help, X_Unit_Diag_Area_End, EndUnitDiagType,
// Channel_Diag, Channel_Diag_Help, Module and ENDMODULE. At the area ends the block
// content rule runs first (hook_order::BlockContent); at ENDMODULE the module's help-text
// rule runs after the module parameter length rule and before the data area coverage, so
// its hook takes an order between hook_order::Module and hook_order::DataArea.

#include "semantic/SemanticChecker.h"

namespace kvf {

std::span<const RuleHook> SemanticChecker::DiagnosisHooks() {
    return {};
}

} // namespace kvf
