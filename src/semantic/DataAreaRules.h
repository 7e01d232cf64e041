#pragma once

#include <cstdint>

namespace kvf {

// The values of the current Data_Area; all 0 at Data_Area_Beg.
struct DataAreaState {
    std::int32_t PublisherAllowed = 0;
    std::int32_t DpMasterAllowed = 0;
    std::int32_t IoDirection = 0;
    std::int32_t Consistency = 0;
    std::int32_t RequiredFormat = 0;
    std::int32_t CfgIdentifier = 0;
    std::int32_t AreaLength = 0;
    std::int32_t TypeLengthSum = 0;
};

} // namespace kvf
