#pragma once

#include "cli/FileCheck.h"
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
// rows stay the output window's. Where `related` gives a row a line of another file (a
// language variant's), the JSON row names it.
void PrintRows(std::ostream& out, ReportFormat format, const std::string& path,
               const OutputRowList& rows, const std::vector<Suppression>& unusedSuppressions = {},
               const std::vector<RelatedLine>& related = {});

// The note of a suppression comment that silenced nothing, and its message id.
std::string UnusedSuppressionText(const Suppression& suppression);
int UnusedSuppressionId();

// The entry database as JSON lines, one object per entry, in file order.
void PrintDatabase(std::ostream& out, const CKeyDatabase& database);

// Whether a row is an Error or Fatal Error, and whether it is a Warning.
bool IsErrorRow(const OutputRow& row);
bool IsWarningRow(const OutputRow& row);
// The exit status of a run after one more file's result: 2 once a file failed, else 1 once
// a file's rows fail the run, else 0.
int ExitStatusAfter(int status, const FileResult& result, FailOn failOn);

} // namespace kvf::cli
