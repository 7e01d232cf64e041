// Plugs in at Module (both passes), Module_Reference, the module parameter length
// keywords (first pass), ENDMODULE, Max_Data_Len, Modul_Offset, SlotDefinition (first
// pass, before its multiplicity rule), Slot, Jokerblock_Slot and Protocol_Ident.

#include "semantic/ModuleRules.h"

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"
#include "semantic/ModuleConfig.h"

#include <new>

namespace kvf {

using semantic::Kw;

std::span<const RuleHook<ModuleRules>> ModuleRules::Hooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::Module;
    static const RuleHook<ModuleRules> hooks[] = {
        {Kw::Protocol_Ident, Kw::Protocol_Ident, S::FirstHeld, kOrder,
         &ModuleRules::OnProtocolIdentFirst},
        {Kw::Module, Kw::Module, S::FirstPlaced, kOrder, &ModuleRules::OnModuleFirst},
        {Kw::Module, Kw::Module, S::Second, kOrder, &ModuleRules::OnModuleIoLengthsSecond},
        {Kw::Module_Reference, Kw::Module_Reference, S::FirstHeld, kOrder,
         &ModuleRules::OnModuleReferenceFirst},
        {Kw::EXT_MODULE_PRM_DATA_LEN, Kw::EXT_MODULE_PRM_DATA_LEN, S::FirstHeld, kOrder,
         &ModuleRules::OnDeclaredPrmLenFirst},
        {Kw::X_Ext_Module_Prm_Data_Len, Kw::F_Ext_Module_Prm_Data_Len, S::FirstHeld, kOrder,
         &ModuleRules::OnDeclaredPrmLenFirst},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::FirstHeld, kOrder, &ModuleRules::OnModuleEndFirst},
        {Kw::Max_Data_Len, Kw::Max_Data_Len, S::Second, kOrder, &ModuleRules::OnMaxDataLenSecond},
        {Kw::Modul_Offset, Kw::Modul_Offset, S::Second, kOrder, &ModuleRules::OnModulOffsetSecond},
        {Kw::SlotDefinition, Kw::SlotDefinition, S::FirstPlaced, kOrder,
         &ModuleRules::OnSlotDefinitionFirst},
        {Kw::Slot, Kw::Slot, S::FirstHeld, kOrder, &ModuleRules::OnSlotFirst},
        {Kw::Slot, Kw::Slot, S::Second, kOrder, &ModuleRules::OnSlotSecond},
        {Kw::Jokerblock_Slot, Kw::Jokerblock_Slot, S::Second, kOrder,
         &ModuleRules::OnJokerblockSlotSecond},
    };
    return hooks;
}

// ---- Hook adapters ------------------------------------------------------------------------

void ModuleRules::OnProtocolIdentFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckProtocolIdent(ValueNumber(CurrentValue()));
}

// A new module: everything learnt about the previous one goes, whether or not this
// module's line is valid, and its configuration is decoded afresh.
void ModuleRules::OnModuleFirst(CDbEntry& entry, Kw) {
    identifiers_ = ModuleIdentifiers{};
    declared_ = DeclaredPrmLengths{};
    DecodeModuleConfig(entry);
}

// The user parameter group learns the declared lengths again in the second pass.
void ModuleRules::OnModuleIoLengthsSecond(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckModuleIoLengths(entry);
}

void ModuleRules::OnModuleReferenceFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckModuleReference(ValueNumber(entry.m_Ready[0]));
}

void ModuleRules::SetDeclaredPrmLength(Kw kw, std::int32_t length) {
    switch (kw) {
    case Kw::F_Ext_Module_Prm_Data_Len:
        declared_.F = length;
        break;
    case Kw::X_Ext_Module_Prm_Data_Len:
        declared_.X = length;
        break;
    default:
        declared_.Plain = length;
        break;
    }
}

void ModuleRules::OnDeclaredPrmLenFirst(CDbEntry& entry, Kw kw) {
    if (entry.Valid)
        SetDeclaredPrmLength(kw, ValueNumber(entry.m_Ready[0]));
}

void ModuleRules::OnModuleEndFirst(CDbEntry& entry, Kw) {
    if (entry.Valid)
        CheckModulePrmLengths(declared_, context_.UserParameters().UsedModulePrmLengths());
}

void ModuleRules::OnMaxDataLenSecond(CDbEntry&, Kw) {
    CheckMaxDataLen(ValueNumber(CurrentValue()));
}

void ModuleRules::OnModulOffsetSecond(CDbEntry& entry, Kw) {
    if (entry.Accepted && entry.Valid)
        CheckModulOffset(ValueNumber(CurrentValue()));
}

void ModuleRules::OnSlotDefinitionFirst(CDbEntry&, Kw) {
    lastSlotNumber_ = 0;
}

// After a gap the numbering goes on from the number actually written, so one gap gives
// one report.
void ModuleRules::OnSlotFirst(CDbEntry& entry, Kw) {
    if (!entry.Valid)
        return;
    std::int32_t slot = ValueNumber(entry.m_Ready[0]);
    CheckSlotNumber(slot);
    lastSlotNumber_ = slot;
}

void ModuleRules::OnSlotSecond(CDbEntry& entry, Kw) {
    if (!entry.Accepted)
        return;
    CheckSlotBound(ValueNumber(entry.m_Ready[0]));
    CheckSlotDefault(ValueNumber(entry.m_Ready[2]));
}

void ModuleRules::OnJokerblockSlotSecond(CDbEntry& entry, Kw) {
    if (entry.Accepted)
        CheckJokerblockSlot(ValueNumber(entry.m_Ready[0]));
}

// ---- Rules ----------------------------------------------------------------------------------

// Fills the identifier tables of the current module; the data area rules read them.
void ModuleRules::DecodeModuleConfig(const CDbEntry& entry) {
    DecodedModuleConfig decoded = DecodeCfgIdentifiers(entry.m_Ready[1]);
    identifiers_.Count = static_cast<int>(decoded.Identifiers.size());
    for (std::size_t i = 0; i < decoded.Identifiers.size(); ++i) {
        const CfgIdentifier& ident = decoded.Identifiers[i];
        identifiers_.OutFormat[i + 1] = ident.Out.Format;
        identifiers_.OutLength[i + 1] = ident.Out.Length;
        identifiers_.InFormat[i + 1] = ident.In.Format;
        identifiers_.InLength[i + 1] = ident.In.Length;
    }
}

// Each module by itself against the unit's maximum input and output lengths.
int ModuleRules::CheckModuleIoLengths(const CDbEntry& entry) {
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
int ModuleRules::CheckModuleReference(std::int32_t reference) {
    if (moduleReferences_.Contains(reference))
        return Report(LEVEL_ERROR, msg::AmbiguousModuleReference, reference, reference);
    try {
        moduleReferences_.Insert(reference);
    } catch (const std::bad_alloc&) {
        context_.Run().Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    return 1;
}

// The declared parameter lengths of a module against the bytes its parameter definitions
// occupy: more used than declared is an error, fewer a warning.
int ModuleRules::CheckModulePrmLengths(const DeclaredPrmLengths& declared,
                                       const ModulePrmLengths& used) {
    int holds = 1;
    auto compare = [&](std::int32_t declared, std::uint32_t used, int what, const char* keyword) {
        auto declaredBytes = static_cast<std::uint32_t>(declared);
        if (declaredBytes == used)
            return;
        holds = Report(used > declaredBytes ? LEVEL_ERROR : LEVEL_WARNING,
                       msg::ModulePrmLengthMismatch, kvf::MessageText(what), keyword);
    };
    if (Count(Kw::EXT_MODULE_PRM_DATA_LEN) != 0)
        compare(declared.Plain, used.Plain, msg::ParameterName, "Ext_Module_Prm_Data_Len");
    compare(declared.F, used.F, msg::FParameterName, "F_Ext_Module_Prm_Data_Len");
    compare(declared.X, used.X, msg::XParameterName, "X_Ext_Module_Prm_Data_Len");
    if (Count(Kw::F_ParamDescCRC) == 0 && declared.F != 0)
        holds = Report(LEVEL_ERROR, msg::MissingFParamDescCrc);
    return holds;
}

int ModuleRules::CheckMaxDataLen(std::int32_t value) {
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
int ModuleRules::CheckModulOffset(std::int32_t value) {
    if (Count(Kw::SlotDefinition) == 0 || value == 1)
        return 1;
    return Report(LEVEL_WARNING, msg::ModulOffsetWithSlots, CurrentKey());
}

int ModuleRules::CheckSlotNumber(std::int32_t slot) {
    std::int64_t expected = static_cast<std::int64_t>(lastSlotNumber_) + 1;
    if (slot == expected)
        return 1;
    return Report(LEVEL_ERROR, msg::SlotNumberExpected, expected);
}

int ModuleRules::CheckSlotBound(std::int32_t slot) {
    auto maxModule = static_cast<std::uint32_t>(KeptValue(Kw::Max_Module));
    if (maxModule >= static_cast<std::uint32_t>(slot))
        return 1;
    return Report(LEVEL_ERROR, msg::ExceedsRangeSpecifiedBy, "Slot_Number", slot, maxModule,
                  kvf::MessageText(msg::MaxModuleNotSet));
}

// Every Module_Reference of the file counts, wherever it stands: the second pass runs after
// the whole first pass.
int ModuleRules::CheckSlotDefault(std::int32_t reference) {
    if (moduleReferences_.Contains(reference))
        return 1;
    return Report(LEVEL_ERROR, msg::UnresolvedSlotDefault, reference);
}

int ModuleRules::CheckJokerblockSlot(std::int32_t slot) {
    if (context_.ModularStation()) {
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
int ModuleRules::CheckProtocolIdent(std::int32_t value) {
    if (value == 0)
        return 1;
    return Report(LEVEL_WARNING, msg::ProtocolIdentNotDp, CurrentKey());
}

} // namespace kvf
