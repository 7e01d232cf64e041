#pragma once

// The rule groups of the semantic check, one object of each per run, and the walk's entry
// into their hooks. Adding a group: its file pair (a RuleGroup with its hooks), its line in
// RuleGroupList, its test file.

#include "semantic/BaudRateRules.h"
#include "semantic/BlockContentRules.h"
#include "semantic/DataAreaRules.h"
#include "semantic/DiagnosisRules.h"
#include "semantic/FinalRules.h"
#include "semantic/IdentificationRules.h"
#include "semantic/ModuleRules.h"
#include "semantic/PrerequisiteRules.h"
#include "semantic/RuleContext.h"
#include "semantic/UserParameterRules.h"

#include <array>
#include <tuple>

namespace kvf {

// Every rule group. Hooks of one keyword and stage run in the order of their hook_order
// numbers, and hooks with the same number in the order of this list.
using RuleGroupList =
    std::tuple<BlockContentRules, IdentificationRules, BaudRateRules, UserParameterRules,
               DiagnosisRules, ModuleRules, DataAreaRules, PrerequisiteRules, FinalRules>;

class RuleGroups {
  public:
    explicit RuleGroups(RuleContext& context);
    RuleGroups(const RuleGroups&) = delete;
    RuleGroups& operator=(const RuleGroups&) = delete;

    template <typename Group> Group& Get() { return std::get<Group>(groups_); }
    template <typename Group> const Group& Get() const { return std::get<Group>(groups_); }

    // Runs the hooks of every group at the keyword in that stage.
    void RunHooks(semantic::Kw kw, HookStage stage, CDbEntry& entry);

  private:
    static constexpr std::size_t kGroupCount = std::tuple_size_v<RuleGroupList>;

    RuleGroupList groups_;
    std::array<void*, kGroupCount> addresses_; // of each group, in the order of the list
};

} // namespace kvf
