#include "semantic/RuleGroups.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kvf {

using semantic::Index;
using semantic::Kw;

namespace {

constexpr std::size_t kStageCount = 3;

// A hook of any group: the group's place in RuleGroupList and a call that casts back.
struct BoundHook {
    std::size_t Group;
    void (*Call)(void* group, const void* hook, CDbEntry& entry, Kw kw);
    const void* Hook;
    int Order;
};

template <typename Group> void CallHook(void* group, const void* hook, CDbEntry& entry, Kw kw) {
    const auto* typed = static_cast<const RuleHook<Group>*>(hook);
    (static_cast<Group*>(group)->*(typed->Run))(entry, kw);
}

// The hooks of all rule groups, sorted per keyword and stage; built once.
struct HookTable {
    std::array<std::vector<BoundHook>, semantic::kKeywordCount * kStageCount> Lists;

    static std::size_t At(Kw kw, HookStage stage) {
        return Index(kw) * kStageCount + static_cast<std::size_t>(stage);
    }
};

template <typename Group> void CollectHooks(HookTable& table, std::size_t group) {
    for (const RuleHook<Group>& hook : Group::Hooks())
        for (std::size_t k = Index(hook.First); k <= Index(hook.Last); ++k)
            table.Lists[HookTable::At(static_cast<Kw>(k), hook.Stage)].push_back(
                {group, &CallHook<Group>, &hook, hook.Order});
}

template <std::size_t... I> HookTable BuildHookTable(std::index_sequence<I...>) {
    HookTable table;
    (CollectHooks<std::tuple_element_t<I, RuleGroupList>>(table, I), ...);
    for (auto& list : table.Lists)
        std::stable_sort(list.begin(), list.end(),
                         [](const BoundHook& a, const BoundHook& b) { return a.Order < b.Order; });
    return table;
}

const HookTable& Hooks() {
    static const HookTable table =
        BuildHookTable(std::make_index_sequence<std::tuple_size_v<RuleGroupList>>());
    return table;
}

template <std::size_t... I>
RuleGroupList MakeGroups(RuleContext& context, std::index_sequence<I...>) {
    return RuleGroupList(((void)I, context)...);
}

} // namespace

RuleGroups::RuleGroups(RuleContext& context)
    : groups_(MakeGroups(context, std::make_index_sequence<kGroupCount>())),
      addresses_(std::apply(
          [](auto&... group) { return std::array<void*, kGroupCount>{&group...}; }, groups_)) {
    context.userParameters_ = &Get<UserParameterRules>();
    context.modules_ = &Get<ModuleRules>();
}

void RuleGroups::RunHooks(Kw kw, HookStage stage, CDbEntry& entry) {
    for (const BoundHook& hook : Hooks().Lists[HookTable::At(kw, stage)])
        hook.Call(addresses_[hook.Group], hook.Hook, entry, kw);
}

} // namespace kvf
