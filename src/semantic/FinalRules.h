#pragma once

// The final rules: run once, in the context of the file's last entry, after the second
// pass. They demand the keywords every file, master files, slave files and modular slave
// files must have, and blocks that were opened must be closed.

#include "semantic/RuleContext.h"

#include <span>

namespace kvf {

class FinalRules : public RuleGroup {
  public:
    explicit FinalRules(RuleContext& context) : RuleGroup(context) {}
    // The final rules plug into no keyword.
    static std::span<const RuleHook<FinalRules>> Hooks() { return {}; }

    // All of them, in their order.
    void Run();
    int RequireGeneralKeywords();
    int RequireBaudrate();
    int RequireMaxTsdr();
    int RequireKvfRevision();
    int RequireMasterKeywords();
    int RequireMasterTimes();
    int RequireSlaveKeywords();
    int RequireSlaveRevisionKeywords();
    int RequireModularSlaveKeywords();
    int RequireBlocksClosed();
    int RequireDpv1ConformanceClass();
};

} // namespace kvf
