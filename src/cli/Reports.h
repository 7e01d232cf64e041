#pragma once

#include "cli/Options.h"
#include "output/OutputRows.h"

#include <ostream>
#include <string>
#include <vector>

namespace kvf {
class CKeyDatabase;
}

namespace kvf::cli {

// The rows of one file's check run: tab-separated rows as the output window shows them,
// gcc-style diagnostics, or one JSON document. (SARIF covers all files at once, see
// SarifReport.h.)
void PrintRows(std::ostream& out, ReportFormat format, const std::string& path,
               const OutputRowList& rows);

// The entry database as JSON lines, one object per entry, in file order.
void PrintDatabase(std::ostream& out, const CKeyDatabase& database);

// Whether a row is an Error or Fatal Error, and whether it is a Warning.
bool IsErrorRow(const OutputRow& row);
bool IsWarningRow(const OutputRow& row);

} // namespace kvf::cli
