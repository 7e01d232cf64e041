#include "semantic/BlockContentRules.h"

#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "semantic/UserParameterRules.h"

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

} // namespace

std::span<const RuleHook<BlockContentRules>> BlockContentRules::Hooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::BlockContent;
    static const RuleHook<BlockContentRules> hooks[] = {
        {Kw::ENDPRMTEXT, Kw::ENDPRMTEXT, S::FirstHeld, kOrder, &BlockContentRules::OnPrmTextEnd},
        {Kw::ENDEXTUSERPRMDATA, Kw::ENDEXTUSERPRMDATA, S::FirstHeld, kOrder,
         &BlockContentRules::OnExtUserPrmDataEnd},
        {Kw::UNIT_DIAG_AREA_END, Kw::UNIT_DIAG_AREA_END, S::FirstHeld, kOrder,
         &BlockContentRules::OnUnitDiagAreaEnd},
        {Kw::X_Unit_Diag_Area_End, Kw::X_Unit_Diag_Area_End, S::FirstHeld, kOrder,
         &BlockContentRules::OnXUnitDiagAreaEnd},
        {Kw::Module, Kw::Module, S::Second, kOrder, &BlockContentRules::OnModuleSecond},
        {Kw::Module_Reference, Kw::Module_Reference, S::Second, kOrder,
         &BlockContentRules::OnModuleReferenceSecond},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::Second, kOrder, &BlockContentRules::OnModuleEndSecond},
        {Kw::End_Physical_Interface, Kw::End_Physical_Interface, S::FirstHeld, kOrder,
         &BlockContentRules::OnInterfaceEnd},
        {Kw::EndSlotDefinition, Kw::EndSlotDefinition, S::FirstHeld, kOrder,
         &BlockContentRules::OnSlotDefinitionEnd},
        {Kw::Data_Area_End, Kw::Data_Area_End, S::FirstHeld, kOrder,
         &BlockContentRules::OnDataAreaEnd},
        {Kw::End_Jokerblock_Type, Kw::End_Jokerblock_Type, S::FirstHeld, kOrder,
         &BlockContentRules::OnJokerblockEndFirst},
        {Kw::End_Jokerblock_Type, Kw::End_Jokerblock_Type, S::Second, kOrder,
         &BlockContentRules::OnJokerblockEndSecond},
    };
    return hooks;
}

void BlockContentRules::OnPrmTextEnd(CDbEntry&, Kw) {
    if (context_.UserParameters().CurrentPrmText())
        RequirePrmTextContent();
}

void BlockContentRules::OnExtUserPrmDataEnd(CDbEntry&, Kw) {
    if (context_.UserParameters().CurrentExtUserPrmData())
        RequireExtUserPrmDataContent();
}

void BlockContentRules::OnUnitDiagAreaEnd(CDbEntry&, Kw) {
    RequireUnitDiagAreaValue();
}

void BlockContentRules::OnXUnitDiagAreaEnd(CDbEntry&, Kw) {
    RequireXUnitDiagAreaValue();
}

// The second pass counts the references of each module again, so that the rule at its
// end sees the references of its own module.
void BlockContentRules::OnModuleSecond(CDbEntry&, Kw) {
    context_.Counter(Kw::Module_Reference) = 0;
}

void BlockContentRules::OnModuleReferenceSecond(CDbEntry&, Kw) {
    ++context_.Counter(Kw::Module_Reference);
}

void BlockContentRules::OnModuleEndSecond(CDbEntry&, Kw) {
    RequireModuleReference();
}

void BlockContentRules::OnInterfaceEnd(CDbEntry&, Kw) {
    RequireInterfaceDelays();
}

void BlockContentRules::OnSlotDefinitionEnd(CDbEntry&, Kw) {
    RequireSlotContent();
}

void BlockContentRules::OnDataAreaEnd(CDbEntry&, Kw) {
    RequireDataAreaContent();
}

// Each Jokerblock_Type block is judged by its own Jokerblock_Slot count: the first pass
// notes the count at every end line, the second pass reads them back in the same order.
void BlockContentRules::OnJokerblockEndFirst(CDbEntry&, Kw) {
    jokerblockSlotCounts_.push_back(Count(Kw::Jokerblock_Slot));
}

void BlockContentRules::OnJokerblockEndSecond(CDbEntry& entry, Kw) {
    if (!entry.Accepted || jokerblockBlocksJudged_ >= jokerblockSlotCounts_.size())
        return;
    RequireJokerblockSlot(jokerblockSlotCounts_[jokerblockBlocksJudged_++]);
}

int BlockContentRules::RequirePrmTextContent() {
    if (Count(Kw::TEXT) == 0) // the definition stays current until the next PrmText
        return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "Text",
                      kvf::MessageText(msg::PrmTextDefinitionName));
    context_.UserParameters().StoreFinishedPrmText();
    return 1;
}

int BlockContentRules::RequireExtUserPrmDataContent() {
    if (!context_.UserParameters().CurrentExtUserPrmData()->TypeSeen)
        return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "Data_Type_Name",
                      kvf::MessageText(msg::ExtUserPrmDataDefinitionName));
    context_.UserParameters().StoreFinishedExtUserPrmData();
    return 1;
}

int BlockContentRules::RequireUnitDiagAreaValue() {
    if (Count(Kw::VALUE) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "Value",
                  kvf::MessageText(msg::UnitDiagAreaDefinitionName));
}

int BlockContentRules::RequireXUnitDiagAreaValue() {
    if (Count(Kw::X_Value) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingKeywordInBlock, "X_Value",
                  kvf::MessageText(msg::XUnitDiagAreaDefinitionName));
}

int BlockContentRules::RequireModuleReference() {
    if (RevisionInForce() < 3 || Count(Kw::Module_Reference) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingModuleReference, "Module_Reference", "Module_Reference",
                  RevisionInForce());
}

int BlockContentRules::RequireInterfaceDelays() {
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

int BlockContentRules::RequireSlotContent() {
    if (Count(Kw::Slot) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingMandatoryInBlock, "Slot",
                  kvf::MessageText(msg::SlotDefinitionName));
}

int BlockContentRules::RequireDataAreaContent() {
    int holds = 1;
    for (const NamedKeyword& row : kDataAreaKeywords)
        if (Count(row.Keyword) == 0)
            holds = Report(LEVEL_ERROR, msg::MissingMandatoryInBlock, row.Name, "Data_Area");
    return holds;
}

int BlockContentRules::RequireJokerblockSlot(unsigned slotCount) {
    if (slotCount != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingMandatoryInBlock, "Jokerblock_Slot", "Jokerblock_Type");
}

} // namespace kvf
