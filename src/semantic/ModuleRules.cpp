// Modules and slots: the configuration identifiers of each module, Module_Reference,
// the declared parameter lengths, the input and output lengths, slots, Jokerblock_Slot,
// Modul_Offset and Protocol_Ident.
//
// Plugs in at Module (both passes), Module_Reference, the module parameter length
// keywords (first pass), ENDMODULE, Max_Data_Len, Modul_Offset, SlotDefinition (first
// pass, before its multiplicity rule), Slot, Jokerblock_Slot and Protocol_Ident.

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"
#include "semantic/ModuleConfig.h"
#include "semantic/SemanticChecker.h"

#include <new>

namespace kvf {

using semantic::Kw;

std::span<const RuleHook> SemanticChecker::ModuleHooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::Module;
    static const RuleHook hooks[] = {
        {Kw::Protocol_Ident, Kw::Protocol_Ident, S::FirstHeld, kOrder,
         &SemanticChecker::OnProtocolIdentFirst},
        {Kw::Module, Kw::Module, S::FirstPlaced, kOrder, &SemanticChecker::OnModuleFirst},
        {Kw::Module, Kw::Module, S::Second, kOrder, &SemanticChecker::OnModuleIoLengthsSecond},
        {Kw::Module_Reference, Kw::Module_Reference, S::FirstHeld, kOrder,
         &SemanticChecker::OnModuleReferenceFirst},
        {Kw::EXT_MODULE_PRM_DATA_LEN, Kw::EXT_MODULE_PRM_DATA_LEN, S::FirstHeld, kOrder,
         &SemanticChecker::OnDeclaredPrmLenFirst},
        {Kw::X_Ext_Module_Prm_Data_Len, Kw::F_Ext_Module_Prm_Data_Len, S::FirstHeld, kOrder,
         &SemanticChecker::OnDeclaredPrmLenFirst},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::FirstHeld, kOrder, &SemanticChecker::OnModuleEndFirst},
        {Kw::Max_Data_Len, Kw::Max_Data_Len, S::Second, kOrder,
         &SemanticChecker::OnMaxDataLenSecond},
        {Kw::Modul_Offset, Kw::Modul_Offset, S::Second, kOrder,
         &SemanticChecker::OnModulOffsetSecond},
        {Kw::SlotDefinition, Kw::SlotDefinition, S::FirstPlaced, kOrder,
         &SemanticChecker::OnSlotDefinitionFirst},
        {Kw::Slot, Kw::Slot, S::FirstHeld, kOrder, &SemanticChecker::OnSlotFirst},
        {Kw::Slot, Kw::Slot, S::Second, kOrder, &SemanticChecker::OnSlotSecond},
        {Kw::Jokerblock_Slot, Kw::Jokerblock_Slot, S::Second, kOrder,
         &SemanticChecker::OnJokerblockSlotSecond},
    };
    return hooks;
}

// ---- Hook adapters ------------------------------------------------------------------------

void SemanticChecker::OnProtocolIdentFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckProtocolIdent(ValueNumber(CurrentValue));
}

// A new module: everything learnt about the previous one goes, whether or not this
// module's line is valid, and its configuration is decoded afresh.
void SemanticChecker::OnModuleFirst(CDbEntry& entry, Kw) {
    Modules.CfgIdentCount = 0;
    for (auto* table : {&Modules.CfgOutFormat, &Modules.CfgInFormat, &Modules.CfgOutLength,
                        &Modules.CfgInLength, &Modules.CfgOutAreaSum, &Modules.CfgInAreaSum})
        table->fill(0);
    Modules.DeclaredPrmLen = Modules.DeclaredFPrmLen = Modules.DeclaredXPrmLen = 0;
    DecodeModuleConfig(entry);
}

// The user parameter group learns the declared lengths again in the second pass.
void SemanticChecker::OnModuleIoLengthsSecond(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckModuleIoLengths(entry);
}

void SemanticChecker::OnModuleReferenceFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckModuleReference(ValueNumber(entry.m_Ready[0]));
}

std::int32_t& SemanticChecker::DeclaredLengthOf(Kw kw) {
    switch (kw) {
    case Kw::F_Ext_Module_Prm_Data_Len:
        return Modules.DeclaredFPrmLen;
    case Kw::X_Ext_Module_Prm_Data_Len:
        return Modules.DeclaredXPrmLen;
    default:
        return Modules.DeclaredPrmLen;
    }
}

void SemanticChecker::OnDeclaredPrmLenFirst(CDbEntry& entry, Kw kw) {
    if (entry.Valid)
        DeclaredLengthOf(kw) = ValueNumber(entry.m_Ready[0]);
}

void SemanticChecker::OnModuleEndFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckModulePrmLengths();
}

void SemanticChecker::OnMaxDataLenSecond(CDbEntry&, Kw) {
    CheckMaxDataLen(ValueNumber(CurrentValue));
}

void SemanticChecker::OnModulOffsetSecond(CDbEntry& entry, Kw) {
    if (entry.Accepted && entry.Valid)
        CheckModulOffset(ValueNumber(CurrentValue));
}

void SemanticChecker::OnSlotDefinitionFirst(CDbEntry&, Kw) {
    Modules.LastSlotNumber = 0;
}

// After a gap the numbering goes on from the number actually written, so one gap gives
// one report.
void SemanticChecker::OnSlotFirst(CDbEntry& entry, Kw) {
    if (!entry.Valid)
        return;
    std::int32_t slot = ValueNumber(entry.m_Ready[0]);
    CheckSlotNumber(slot);
    Modules.LastSlotNumber = slot;
}

void SemanticChecker::OnSlotSecond(CDbEntry& entry, Kw) {
    if (!entry.Accepted)
        return;
    CheckSlotBound(ValueNumber(entry.m_Ready[0]));
    CheckSlotDefault(ValueNumber(entry.m_Ready[2]));
}

void SemanticChecker::OnJokerblockSlotSecond(CDbEntry& entry, Kw) {
    if (entry.Accepted)
        CheckJokerblockSlot(ValueNumber(entry.m_Ready[0]));
}

// ---- Rules ----------------------------------------------------------------------------------

// Fills the identifier tables of the current module; the data area rules read them.
void SemanticChecker::DecodeModuleConfig(const CDbEntry& entry) {
    DecodedModuleConfig decoded = DecodeCfgIdentifiers(entry.m_Ready[1]);
    Modules.CfgIdentCount = static_cast<int>(decoded.Identifiers.size());
    for (std::size_t i = 0; i < decoded.Identifiers.size(); ++i) {
        const CfgIdentifier& ident = decoded.Identifiers[i];
        Modules.CfgOutFormat[i + 1] = ident.Out.Format;
        Modules.CfgOutLength[i + 1] = ident.Out.Length;
        Modules.CfgInFormat[i + 1] = ident.In.Format;
        Modules.CfgInLength[i + 1] = ident.In.Length;
    }
}

// Each module by itself against the unit's maximum input and output lengths.
int SemanticChecker::CheckModuleIoLengths(const CDbEntry& entry) {
    std::optional<ModuleIoSums> sums = SumModuleIoLengths(entry.m_Ready[1]);
    if (!sums)
        return 0; // an item the number rule refuses; the syntax check has reported it
    int holds = 1;
    auto maxInput = static_cast<std::uint32_t>(KeptValue(Kw::Max_Input_Len));
    auto maxOutput = static_cast<std::uint32_t>(KeptValue(Kw::Max_Output_Len));
    if (Count(Kw::Max_Input_Len) != 0 && maxInput < sums->Input)
        holds = Report(LEVEL_ERROR, msg::ExceedsRangeSpecifiedBy,
                       kvf::MessageText(msg::InputLengthName), sums->Input, maxInput,
                       "\"Max_Input_Len\"");
    if (Count(Kw::Max_Output_Len) != 0 && maxOutput < sums->Output)
        holds = Report(LEVEL_ERROR, msg::ExceedsRangeSpecifiedBy,
                       kvf::MessageText(msg::OutputLengthName), sums->Output, maxOutput,
                       "\"Max_Output_Len\"");
    return holds;
}

// Module references are unique over the whole file; the same number in a second module is
// reported there.
int SemanticChecker::CheckModuleReference(std::int32_t reference) {
    if (Modules.ModuleReferences.Contains(reference))
        return Report(LEVEL_ERROR, msg::AmbiguousModuleReference, reference, reference);
    try {
        Modules.ModuleReferences.Insert(reference);
    } catch (const std::bad_alloc&) {
        run_.Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    return 1;
}

// The declared parameter lengths of a module against the bytes its parameter definitions
// occupy: more used than declared is an error, fewer a warning.
int SemanticChecker::CheckModulePrmLengths() {
    int holds = 1;
    auto compare = [&](std::int32_t declared, std::uint32_t used, int what, const char* keyword) {
        auto declaredBytes = static_cast<std::uint32_t>(declared);
        if (declaredBytes == used)
            return;
        holds = Report(used > declaredBytes ? LEVEL_ERROR : LEVEL_WARNING,
                       msg::ModulePrmLengthMismatch, kvf::MessageText(what), keyword);
    };
    if (Count(Kw::EXT_MODULE_PRM_DATA_LEN) != 0)
        compare(Modules.DeclaredPrmLen, UserParameters.UsedPrmLen, msg::ParameterName,
                "Ext_Module_Prm_Data_Len");
    compare(Modules.DeclaredFPrmLen, UserParameters.UsedFPrmLen, msg::FParameterName,
            "F_Ext_Module_Prm_Data_Len");
    compare(Modules.DeclaredXPrmLen, UserParameters.UsedXPrmLen, msg::XParameterName,
            "X_Ext_Module_Prm_Data_Len");
    if (Count(Kw::F_ParamDescCRC) == 0 && Modules.DeclaredFPrmLen != 0)
        holds = Report(LEVEL_ERROR, msg::MissingFParamDescCrc);
    return holds;
}

int SemanticChecker::CheckMaxDataLen(std::int32_t value) {
    int holds = 1;
    auto maxData = static_cast<std::uint32_t>(value);
    auto maxInput = static_cast<std::uint32_t>(KeptValue(Kw::Max_Input_Len));
    auto maxOutput = static_cast<std::uint32_t>(KeptValue(Kw::Max_Output_Len));
    std::uint32_t both = maxInput + maxOutput;
    if (Count(Kw::Max_Output_Len) != 0 && Count(Kw::Max_Input_Len) != 0 && both < maxData)
        holds = Report(LEVEL_ERROR, msg::ExceedsRangeSpecifiedBy, "Max_Data_Len", maxData, both,
                       kvf::MessageText(msg::SumOfMaxInputOutputLen));
    if (maxData < maxInput)
        holds = Report(LEVEL_ERROR, msg::ExceedsRangeSpecifiedBy, "Max_Input_Len", maxInput,
                       maxData, "\"Max_Data_Len\"");
    if (maxData < maxOutput)
        holds = Report(LEVEL_ERROR, msg::ExceedsRangeSpecifiedBy, "Max_Output_Len", maxOutput,
                       maxData, "\"Max_Data_Len\"");
    return holds;
}

// Slots count modules from 1, so a device with slots must number its modules from 1 too.
int SemanticChecker::CheckModulOffset(std::int32_t value) {
    if (Count(Kw::SlotDefinition) == 0 || value == 1)
        return 1;
    return Report(LEVEL_WARNING, msg::ModulOffsetWithSlots, CurrentKey);
}

int SemanticChecker::CheckSlotNumber(std::int32_t slot) {
    std::int64_t expected = static_cast<std::int64_t>(Modules.LastSlotNumber) + 1;
    if (slot == expected)
        return 1;
    return Report(LEVEL_ERROR, msg::SlotNumberExpected, expected);
}

int SemanticChecker::CheckSlotBound(std::int32_t slot) {
    auto maxModule = static_cast<std::uint32_t>(KeptValue(Kw::Max_Module));
    if (maxModule >= static_cast<std::uint32_t>(slot))
        return 1;
    return Report(LEVEL_ERROR, msg::ExceedsRangeSpecifiedBy, "Slot_Number", slot, maxModule,
                  kvf::MessageText(msg::MaxModuleNotSet));
}

// Every Module_Reference of the file counts, wherever it stands: the second pass runs after
// the whole first pass.
int SemanticChecker::CheckSlotDefault(std::int32_t reference) {
    if (Modules.ModuleReferences.Contains(reference))
        return 1;
    return Report(LEVEL_ERROR, msg::UnresolvedSlotDefault, reference);
}

int SemanticChecker::CheckJokerblockSlot(std::int32_t slot) {
    if (ModularStation()) {
        auto maxModule = static_cast<std::uint32_t>(KeptValue(Kw::Max_Module));
        if (maxModule >= static_cast<std::uint32_t>(slot))
            return 1;
        return Report(LEVEL_WARNING, msg::ExceedsRangeSpecifiedBy, "Jokerblock_Slot", slot,
                      maxModule, "\"Max_Module\"");
    }
    if (slot <= 1)
        return 1;
    return Report(LEVEL_WARNING, msg::ExceedsRangeSpecifiedBy, "Jokerblock_Slot", slot, 1,
                  kvf::MessageText(msg::NonmodularStation));
}

// Protocol ident 0 is the DP protocol; any other value describes another kind of device.
int SemanticChecker::CheckProtocolIdent(std::int32_t value) {
    if (value == 0)
        return 1;
    return Report(LEVEL_WARNING, msg::ProtocolIdentNotDp, CurrentKey);
}

} // namespace kvf
