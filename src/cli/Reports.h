#pragma once

#include "cli/Options.h"
#include "core/LineSuppressions.h"
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
// Suppression comments that silenced nothing follow as notes in gcc and JSON; the text
// rows stay the output window's.
void PrintRows(std::ostream& out, ReportFormat format, const std::string& path,
               const OutputRowList& rows, const std::vector<Suppression>& unusedSuppressions = {});

// The note of a suppression comment that silenced nothing, and its message id.
std::string UnusedSuppressionText(const Suppression& suppression);
int UnusedSuppressionId();

// The entry database as JSON lines, one object per entry, in file order.
void PrintDatabase(std::ostream& out, const CKeyDatabase& database);

// Whether a row is an Error or Fatal Error, and whether it is a Warning.
bool IsErrorRow(const OutputRow& row);
bool IsWarningRow(const OutputRow& row);

} // namespace kvf::cli
