#pragma once

// The prerequisite table: for each keyword that details an optional feature, the ordered
// calls that check the feature it depends on.

#include "semantic/RuleContext.h"
#include "semantic/SemanticKeywordList.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvf::semantic {

enum class PrerequisiteRule : std::uint8_t {
    Require,       // a non-zero line needs the prerequisite (Error)
    Restrict,      // a non-zero line only makes sense with the prerequisite (Warning)
    MinimumPrmLen, // the user parameter length rule with a minimum length
};

// Where the value of the prerequisite comes from.
enum class PrerequisiteValue : std::uint8_t {
    Kept,       // the kept value of the keyword Source
    Blocks,     // the number of Source lines (the blocks a begin keyword opens)
    EitherKept, // 1 when the kept value of Source or of OrSource is set
};

struct PrerequisiteCall {
    Kw Keyword; // the keyword whose line is judged
    PrerequisiteRule Rule;
    PrerequisiteValue From;
    Kw Source;         // the prerequisite keyword; Count_ for MinimumPrmLen
    Kw OrSource;       // for EitherKept: the other prerequisite keyword
    int MinimumLength; // for MinimumPrmLen
};

// The whole table; the calls of one keyword stand together, in the order they run.
std::span<const PrerequisiteCall> PrerequisiteTable();

// The calls of one keyword, in order; empty for a keyword without prerequisites.
std::span<const PrerequisiteCall> PrerequisiteCallsOf(Kw kw);

// The prerequisite as the messages name it: the name of its keyword in the keyword list,
// or "A or B" for an either-or.
std::string PrerequisiteName(const PrerequisiteCall& call);

} // namespace kvf::semantic

namespace kvf {

// Keyword prerequisites: a detail keyword only makes sense when the feature it details is
// switched on. Two generic rules, driven by the prerequisite table.
class PrerequisiteRules : public RuleGroup {
  public:
    explicit PrerequisiteRules(RuleContext& context) : RuleGroup(context) {}
    static std::span<const RuleHook<PrerequisiteRules>> Hooks();

    // The prerequisite's value and its name as the message prints it.
    int RequirePrerequisite(std::int32_t prerequisite, std::string_view name);
    int RestrictToPrerequisite(std::int32_t prerequisite, std::string_view name);

  private:
    void OnPrerequisiteSecond(CDbEntry& entry, semantic::Kw kw);
    std::int32_t PrerequisiteValueOf(const semantic::PrerequisiteCall& call) const;
};

} // namespace kvf
