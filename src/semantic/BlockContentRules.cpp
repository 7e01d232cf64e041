// The mandatory content of blocks, judged when the block's end keyword is handled: in the
// first pass when the end keyword stands in the block it closes, for Module and
// Jokerblock_Type in the second pass.

#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"
#include "semantic/SemanticChecker.h"

#include <new>

namespace kvf {

using semantic::Kw;
using semantic::RateGroup;

namespace {

// The label of a rate in the delay rule's message (the labels stand in rate order).
std::string_view RateLabel(int rate) {
    return kvf::MessageText(msg::RateLabel9k6 + rate);
}

struct NamedKeyword {
    Kw Keyword;
    const char* Name;
};

// The keywords every Data_Area must hold, in the order they are reported.
constexpr NamedKeyword kDataAreaKeywords[] = {
    {Kw::Area_Name, "Area_Name"},
    {Kw::Related_CFG_Identifier, "Related_Cfg_Identifier"},
    {Kw::IO_Direction, "IO_Direction"},
    {Kw::Length, "Length"},
    {Kw::Consistency, "Consistency"},
    {Kw::Publisher_allowed, "Publisher_allowed"},
    {Kw::DP_Master_allowed, "DP_Master_allowed"},
    {Kw::Data_Type, "Data_Type"},
};

// Moves a finished definition into its list. When memory runs out the definition is
// dropped, the user is told, and the rule still counts as holding.
template <typename Record>
void StoreFinished(RunContext& run, std::unique_ptr<Record>& current, BlockVector<Record>& list,
                   NumberIndex& byNumber) {
    try {
        // The first of a number is found.
        byNumber.Insert(current->Number, static_cast<std::uint32_t>(list.size()));
        list.push_back(std::move(*current));
    } catch (const std::bad_alloc&) {
        run.Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    current.reset();
}

} // namespace

std::span<const RuleHook> SemanticChecker::BlockContentHooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::BlockContent;
    static const RuleHook hooks[] = {
        {Kw::ENDPRMTEXT, Kw::ENDPRMTEXT, S::FirstHeld, kOrder, &SemanticChecker::OnPrmTextEnd},
        {Kw::ENDEXTUSERPRMDATA, Kw::ENDEXTUSERPRMDATA, S::FirstHeld, kOrder,
         &SemanticChecker::OnExtUserPrmDataEnd},
        {Kw::UNIT_DIAG_AREA_END, Kw::UNIT_DIAG_AREA_END, S::FirstHeld, kOrder,
         &SemanticChecker::OnUnitDiagAreaEnd},
        {Kw::X_Unit_Diag_Area_End, Kw::X_Unit_Diag_Area_End, S::FirstHeld, kOrder,
         &SemanticChecker::OnXUnitDiagAreaEnd},
        {Kw::Module, Kw::Module, S::Second, kOrder, &SemanticChecker::OnModuleSecond},
        {Kw::Module_Reference, Kw::Module_Reference, S::Second, kOrder,
         &SemanticChecker::OnModuleReferenceSecond},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::Second, kOrder, &SemanticChecker::OnModuleEndSecond},
        {Kw::End_Physical_Interface, Kw::End_Physical_Interface, S::FirstHeld, kOrder,
         &SemanticChecker::OnInterfaceEnd},
        {Kw::EndSlotDefinition, Kw::EndSlotDefinition, S::FirstHeld, kOrder,
         &SemanticChecker::OnSlotDefinitionEnd},
        {Kw::Data_Area_End, Kw::Data_Area_End, S::FirstHeld, kOrder,
         &SemanticChecker::OnDataAreaEnd},
        {Kw::End_Jokerblock_Type, Kw::End_Jokerblock_Type, S::FirstHeld, kOrder,
         &SemanticChecker::OnJokerblockEndFirst},
        {Kw::End_Jokerblock_Type, Kw::End_Jokerblock_Type, S::Second, kOrder,
         &SemanticChecker::OnJokerblockEndSecond},
    };
    return hooks;
}

void SemanticChecker::OnPrmTextEnd(CDbEntry&, Kw) {
    if (UserParameters.CurrentPrmText)
        RequirePrmTextContent();
}

void SemanticChecker::OnExtUserPrmDataEnd(CDbEntry&, Kw) {
    if (UserParameters.CurrentExtUserPrmData)
        RequireExtUserPrmDataContent();
}

void SemanticChecker::OnUnitDiagAreaEnd(CDbEntry&, Kw) {
    RequireUnitDiagAreaValue();
}

void SemanticChecker::OnXUnitDiagAreaEnd(CDbEntry&, Kw) {
    RequireXUnitDiagAreaValue();
}

// The second pass counts the references of each module again, so that the rule at its
// end sees the references of its own module.
void SemanticChecker::OnModuleSecond(CDbEntry&, Kw) {
    OccurrenceCount[semantic::Index(Kw::Module_Reference)] = 0;
}

void SemanticChecker::OnModuleReferenceSecond(CDbEntry&, Kw) {
    ++OccurrenceCount[semantic::Index(Kw::Module_Reference)];
}

void SemanticChecker::OnModuleEndSecond(CDbEntry&, Kw) {
    RequireModuleReference();
}

void SemanticChecker::OnInterfaceEnd(CDbEntry&, Kw) {
    RequireInterfaceDelays();
}

void SemanticChecker::OnSlotDefinitionEnd(CDbEntry&, Kw) {
    RequireSlotContent();
}

void SemanticChecker::OnDataAreaEnd(CDbEntry&, Kw) {
    RequireDataAreaContent();
}

// Each Jokerblock_Type block is judged by its own Jokerblock_Slot count: the first pass
// notes the count at every end line, the second pass reads them back in the same order.
void SemanticChecker::OnJokerblockEndFirst(CDbEntry&, Kw) {
    BlockContent.JokerblockSlotCounts.push_back(Count(Kw::Jokerblock_Slot));
}

void SemanticChecker::OnJokerblockEndSecond(CDbEntry& entry, Kw) {
    if (!entry.Accepted ||
        BlockContent.JokerblockBlocksJudged >= BlockContent.JokerblockSlotCounts.size())
        return;
    RequireJokerblockSlot(BlockContent.JokerblockSlotCounts[BlockContent.JokerblockBlocksJudged++]);
}

int SemanticChecker::RequirePrmTextContent() {
    if (Count(Kw::TEXT) == 0) // the definition stays current until the next PrmText
        return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "Text",
                      kvf::MessageText(msg::PrmTextDefinitionName));
    StoreFinished(run_, UserParameters.CurrentPrmText, UserParameters.PrmTextList,
                  UserParameters.PrmTextByNumber);
    return 1;
}

int SemanticChecker::RequireExtUserPrmDataContent() {
    if (!UserParameters.CurrentExtUserPrmData->TypeSeen)
        return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "Data_Type_Name",
                      kvf::MessageText(msg::ExtUserPrmDataDefinitionName));
    StoreFinished(run_, UserParameters.CurrentExtUserPrmData, UserParameters.ExtUserPrmDataList,
                  UserParameters.ExtUserPrmDataByNumber);
    return 1;
}

int SemanticChecker::RequireUnitDiagAreaValue() {
    if (Count(Kw::VALUE) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "Value",
                  kvf::MessageText(msg::UnitDiagAreaDefinitionName));
}

int SemanticChecker::RequireXUnitDiagAreaValue() {
    if (Count(Kw::X_Value) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "X_Value",
                  kvf::MessageText(msg::XUnitDiagAreaDefinitionName));
}

int SemanticChecker::RequireModuleReference() {
    if (RevisionInForce < 3 || Count(Kw::Module_Reference) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingModuleReference, "Module_Reference", "Module_Reference",
                  RevisionInForce);
}

int SemanticChecker::RequireInterfaceDelays() {
    auto given = [this](RateGroup group, int rate) {
        return Count(semantic::RateKeyword(group, rate)) != 0;
    };
    auto anyGiven = [&](RateGroup group) {
        for (int rate = 0; rate < semantic::kRateCount; ++rate)
            if (given(group, rate))
                return true;
        return false;
    };
    int holds = 1;
    if (!anyGiven(RateGroup::TransmissionDelay))
        holds = Report(LEVEL_ERROR, msg::MissingDelayForBaudrate, "Transmission_Delay",
                       kvf::MessageText(msg::AnyBaudrate));
    if (!anyGiven(RateGroup::ReactionDelay))
        holds = Report(LEVEL_ERROR, msg::MissingDelayForBaudrate, "Reaction_Delay",
                       kvf::MessageText(msg::AnyBaudrate));
    for (int rate = 0; rate < semantic::kRateCount; ++rate) {
        bool transmission = given(RateGroup::TransmissionDelay, rate);
        bool reaction = given(RateGroup::ReactionDelay, rate);
        if (transmission && !reaction)
            holds = Report(LEVEL_ERROR, msg::MissingDelayForBaudrate, "Reaction_Delay",
                           RateLabel(rate));
        if (reaction && !transmission)
            holds = Report(LEVEL_ERROR, msg::MissingDelayForBaudrate, "Transmission_Delay",
                           RateLabel(rate));
    }
    return holds;
}

int SemanticChecker::RequireSlotContent() {
    if (Count(Kw::Slot) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingMandatoryInBlock, "Slot",
                  kvf::MessageText(msg::SlotDefinitionName));
}

int SemanticChecker::RequireDataAreaContent() {
    int holds = 1;
    for (const NamedKeyword& row : kDataAreaKeywords)
        if (Count(row.Keyword) == 0)
            holds = Report(LEVEL_ERROR, msg::MissingMandatoryInBlock, row.Name, "Data_Area");
    return holds;
}

int SemanticChecker::RequireJokerblockSlot(unsigned slotCount) {
    if (slotCount != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingMandatoryInBlock, "Jokerblock_Slot", "Jokerblock_Type");
}

} // namespace kvf
