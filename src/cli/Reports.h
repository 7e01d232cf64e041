#pragma once

#include "output/OutputRows.h"

#include <ostream>
#include <string>
#include <vector>

namespace kvf {

class CKeyDatabase;

enum class ReportFormat { Text, Gcc, Json };

// The rows of one check run: tab-separated rows as the output window shows them, gcc-style
// diagnostics, or one JSON document.
void PrintRows(std::ostream& out, ReportFormat format, const std::string& fileName,
               const std::vector<OutputRow>& rows);

// The entry database as JSON lines, one object per entry, in file order.
void PrintDatabase(std::ostream& out, const CKeyDatabase& database);

} // namespace kvf
