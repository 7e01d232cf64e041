#pragma once

// The mandatory content of blocks, judged when the block's end keyword is handled: in the
// first pass when the end keyword stands in the block it closes, for Module and
// Jokerblock_Type in the second pass.

#include "semantic/RuleContext.h"

#include <cstddef>
#include <span>
#include <vector>

namespace kvf {

class BlockContentRules : public RuleGroup {
  public:
    explicit BlockContentRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<BlockContentRules>> Hooks();

    int RequirePrmTextContent();
    int RequireExtUserPrmDataContent();
    int RequireUnitDiagAreaValue();
    int RequireXUnitDiagAreaValue();
    int RequireModuleReference();
    int RequireInterfaceDelays();
    int RequireSlotContent();
    int RequireDataAreaContent();
    int RequireJokerblockSlot(unsigned slotCount);

  private:
    // The Jokerblock_Slot count of each Jokerblock_Type block, in file order, so that the
    // second pass judges every block by its own count.
    std::vector<unsigned> jokerblockSlotCounts_;
    std::size_t jokerblockBlocksJudged_ = 0;

    void OnPrmTextEnd(CDbEntry& entry, semantic::Kw kw);
    void OnExtUserPrmDataEnd(CDbEntry& entry, semantic::Kw kw);
    void OnUnitDiagAreaEnd(CDbEntry& entry, semantic::Kw kw);
    void OnXUnitDiagAreaEnd(CDbEntry& entry, semantic::Kw kw);
    void OnModuleSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModuleReferenceSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModuleEndSecond(CDbEntry& entry, semantic::Kw kw);
    void OnInterfaceEnd(CDbEntry& entry, semantic::Kw kw);
    void OnSlotDefinitionEnd(CDbEntry& entry, semantic::Kw kw);
    void OnDataAreaEnd(CDbEntry& entry, semantic::Kw kw);
    void OnJokerblockEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnJokerblockEndSecond(CDbEntry& entry, semantic::Kw kw);
};

} // namespace kvf
