// Keyword prerequisites: a detail keyword only makes sense when the feature it details is
// switched on. Two generic rules, driven by a table of keywords and their prerequisites.
//
// Plugs in in the second pass at the keywords of that table; the kept values it consults
// (KeptValue) are collected by the driver in the first pass.

#include "semantic/SemanticChecker.h"

namespace kvf {

std::span<const RuleHook> SemanticChecker::PrerequisiteHooks() {
    return {};
}

} // namespace kvf
