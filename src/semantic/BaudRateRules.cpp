// Baud rates and timing: the supported rates against MaxTsdr, the master times and the
// delays of the physical interfaces, and Min_Slave_Intervall against the fastest rate.
//
// Plugs in at the rate keywords: first pass at Transmission_Delay_<rate> and
// Reaction_Delay_<rate> (PhysDelayGiven), second pass at <rate>_supp, MaxTsdr_<rate>,
// TRDY/TQUI/TSET/TSDI_<rate>, the delay keywords and Min_Slave_Intervall. The rate flags
// (BaudSupported) are kept by the driver.

#include "semantic/SemanticChecker.h"

namespace kvf {

std::span<const RuleHook> SemanticChecker::BaudRateHooks() {
    return {};
}

} // namespace kvf
