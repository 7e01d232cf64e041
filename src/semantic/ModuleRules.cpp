// Modules and slots: the configuration identifiers of each module, Module_Reference,
// the declared parameter lengths, the input and output lengths, slots, Jokerblock_Slot,
// Modul_Offset and Protocol_Ident.
//
// Plugs in at Module (both passes), Module_Reference, the module parameter length
// keywords, ENDMODULE, Max_Data_Len, Modul_Offset, SlotDefinition (first pass, before its
// multiplicity rule: HookStage::FirstPlaced), Slot, Jokerblock_Slot and Protocol_Ident.

#include "catalogue/NumberReader.h"
#include "output/MessageIds.h"
#include "output/MessageSink.h"
#include "semantic/SemanticChecker.h"

namespace kvf {

using semantic::Kw;

std::span<const RuleHook> SemanticChecker::ModuleHooks() {
    static const RuleHook hooks[] = {
        {Kw::Protocol_Ident, Kw::Protocol_Ident, HookStage::FirstHeld, hook_order::Module,
         &SemanticChecker::OnProtocolIdentFirst},
    };
    return hooks;
}

void SemanticChecker::OnProtocolIdentFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckProtocolIdent(ValueNumber(CurrentValue));
}

// Protocol ident 0 is the DP protocol; any other value describes another kind of device.
int SemanticChecker::CheckProtocolIdent(std::int32_t value) {
    if (value == 0)
        return 1;
    return Report(LEVEL_WARNING, msg::ProtocolIdentNotDp, CurrentKey);
}

} // namespace kvf
