#pragma once

#include <string_view>
#include <vector>

namespace kvf {

// A message that a check reports as a finding (a row of level Error, Fatal Error or
// Warning), with that level and its text from the string table.
struct FindingMessage {
    int Id;
    int Level;
    std::string_view Text;
};

// Every message the checks report as a finding, sorted by id: what tools list as the rules
// that can be selected. A message the checks do not report is not in it.
std::vector<FindingMessage> FindingMessages();

// The level a message is reported with; 0 when it is no finding.
int FindingLevel(int id);

} // namespace kvf
