#pragma once

#include "cli/Options.h"

#include <ostream>
#include <string>

namespace kvf {

class CKeyDatabase;

// kvfcheck --explain-module: every Module of the file with its line and reference numbers,
// then one row per configuration identifier (bytes, direction, length, unit, consistency,
// vendor bytes), as a text table or, with the json format, one JSON document per file.
void PrintModuleExplanation(std::ostream& out, cli::ReportFormat format,
                            const std::string& fileName, const CKeyDatabase& database);

} // namespace kvf
