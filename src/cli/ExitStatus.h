#pragma once

namespace kvf::cli {

inline constexpr int kExitClean = 0;    // no row that fails the run
inline constexpr int kExitFindings = 1; // a row that fails the run (see --fail-on)
inline constexpr int kExitTrouble = 2;  // bad usage, or a file that cannot be read

} // namespace kvf::cli
