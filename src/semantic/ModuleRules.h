#pragma once

// Modules and slots: the configuration identifiers of each module, Module_Reference, the
// declared parameter lengths, the input and output lengths, slots, Jokerblock_Slot,
// Modul_Offset and Protocol_Ident.

#include "semantic/ModuleConfig.h"
#include "semantic/NumberIndex.h"
#include "semantic/RuleContext.h"
#include "semantic/UserParameterRules.h"

#include <array>
#include <cstdint>
#include <span>

namespace kvf {

// The decoded configuration identifiers of the current module, indexed by identifier
// number 1 ... Count (element 0 is unused); the data area rules read them.
struct ModuleIdentifiers {
    int Count = 0;
    std::array<std::uint32_t, kMaxCfgIdentifiers + 1> OutFormat{}, InFormat{}, OutLength{},
        InLength{};
};

// The parameter lengths the current module declares.
struct DeclaredPrmLengths {
    std::int32_t Plain = 0;
    std::int32_t F = 0;
    std::int32_t X = 0;
};

class ModuleRules : public RuleGroup {
  public:
    explicit ModuleRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<ModuleRules>> Hooks();

    const ModuleIdentifiers& Identifiers() const { return identifiers_; }
    // The declared lengths, as the first pass reads them; the user parameter rules read them
    // again in the second pass.
    const DeclaredPrmLengths& DeclaredLengths() const { return declared_; }
    void ClearDeclaredPrmLengths() { declared_ = DeclaredPrmLengths{}; }
    // kw: Ext_Module_Prm_Data_Len or its F_ or X_ form.
    void SetDeclaredPrmLength(semantic::Kw kw, std::int32_t length);

    void DecodeModuleConfig(const CDbEntry& entry);
    int CheckModuleIoLengths(const CDbEntry& entry);
    int CheckModuleReference(std::int32_t reference);
    int CheckModulePrmLengths(const DeclaredPrmLengths& declared, const ModulePrmLengths& used);
    int CheckMaxDataLen(std::int32_t value);
    int CheckModulOffset(std::int32_t value);
    int CheckSlotNumber(std::int32_t slot);
    int CheckSlotBound(std::int32_t slot);
    int CheckSlotDefault(std::int32_t reference);
    int CheckJokerblockSlot(std::int32_t slot);
    int CheckProtocolIdent(std::int32_t value);

  private:
    ModuleIdentifiers identifiers_;
    NumberIndex moduleReferences_; // every accepted Module_Reference of the file
    DeclaredPrmLengths declared_;
    std::int32_t lastSlotNumber_ = 0;

    void OnProtocolIdentFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleIoLengthsSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModuleReferenceFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDeclaredPrmLenFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnMaxDataLenSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModulOffsetSecond(CDbEntry& entry, semantic::Kw kw);
    void OnSlotDefinitionFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlotFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlotSecond(CDbEntry& entry, semantic::Kw kw);
    void OnJokerblockSlotSecond(CDbEntry& entry, semantic::Kw kw);
};

} // namespace kvf
