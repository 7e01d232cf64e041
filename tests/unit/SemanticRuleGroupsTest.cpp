#include "SemanticTestDocument.h"

#include "semantic/RuleGroups.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace kvf {
namespace {

using semantic::Index;
using semantic::Kw;

// A hook whose run of ids is empty or reaches past the list would silently plug in nowhere
// (or read past the hook table).
template <typename Group> void ExpectHooksNameRunsOfKeywords(std::size_t group) {
    for (const RuleHook<Group>& hook : Group::Hooks()) {
        SCOPED_TRACE("group " + std::to_string(group) + " at " +
                     std::string(semantic::Info(hook.First).Name));
        EXPECT_LE(Index(hook.First), Index(hook.Last));
        EXPECT_LT(Index(hook.Last), semantic::kKeywordCount);
        EXPECT_NE(hook.Run, nullptr);
    }
}

template <std::size_t... I> void ExpectAllHooksNameRunsOfKeywords(std::index_sequence<I...>) {
    (ExpectHooksNameRunsOfKeywords<std::tuple_element_t<I, RuleGroupList>>(I), ...);
}

TEST(SemanticRuleGroupsTest, EveryHookNamesARunOfKeywords) {
    ExpectAllHooksNameRunsOfKeywords(std::make_index_sequence<std::tuple_size_v<RuleGroupList>>());
}

// The groups other groups read are the ones of the same run, so that two checkers never
// share what they collect.
TEST(SemanticRuleGroupsTest, EachRunReadsItsOwnGroups) {
    test::SemanticTestDocument first, second;
    SemanticChecker a(first.run, first.document);
    SemanticChecker b(second.run, second.document);
    EXPECT_EQ(&a.Context().UserParameters(), &a.Groups().Get<UserParameterRules>());
    EXPECT_EQ(&a.Context().Modules(), &a.Groups().Get<ModuleRules>());
    EXPECT_NE(&a.Context().Modules(), &b.Context().Modules());
}

} // namespace
} // namespace kvf
