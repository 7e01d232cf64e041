#pragma once

#include <ostream>

namespace kvf::cli {

// Every message id that a check can report as a finding, one a line: id, level and the
// text as the string table holds it (with its printf conversions), separated by tabs.
void PrintMessageList(std::ostream& out);

} // namespace kvf::cli
