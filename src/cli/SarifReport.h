#pragma once

#include "cli/FileCheck.h"

#include <ostream>
#include <vector>

namespace kvf::cli {

// One SARIF 2.1.0 log of a whole kvfcheck run: one run whose tool lists every message id
// that can be a finding as a rule, and one result per Error, Fatal Error or Warning row of
// every file. The frame rows of a check run are no findings and stay out. Files that
// could not be read are tool notifications, and make the invocation unsuccessful.
void PrintSarif(std::ostream& out, const std::vector<FileResult>& results);

// A URI reference for a path as given: relative paths stay relative (resolved against the
// folder kvfcheck ran in), absolute ones become file URIs.
std::string PathToUri(const std::string& path);

} // namespace kvf::cli
