#pragma once

#include "cli/FileCheck.h"

#include <ostream>
#include <vector>

namespace kvf::cli {

// Which findings a run can report: a check run's, or a comparison of language variants'.
enum class SarifRules { Check, Variants };

// One SARIF 2.1.0 log of a whole kvfcheck run: one run whose tool lists every message id
// that can be a finding of such a run as a rule, and one result per Error, Fatal Error or
// Warning row of every file, with the line of the other file where a row names one (a
// language variant's) as a related location. The frame rows of a run are no findings and
// stay out. Files that could not be read are tool notifications, and make the invocation
// unsuccessful.
void PrintSarif(std::ostream& out, const std::vector<FileResult>& results,
                SarifRules rules = SarifRules::Check);

// A URI reference for a path as given: relative paths stay relative (resolved against the
// folder kvfcheck ran in), absolute ones become file URIs.
std::string PathToUri(const std::string& path);

} // namespace kvf::cli
