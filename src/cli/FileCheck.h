#pragma once

#include "cli/Options.h"
#include "core/LineSuppressions.h"
#include "core/TextLines.h"
#include "document/EngineFile.h"
#include "output/OutputRows.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {
class MessageSelection;
class SettingsStore;
} // namespace kvf

namespace kvf::cli {

// The place in another file that a row also points to: the line of a language variant
// that a comparison's finding names. No line (-1) for a row that points nowhere else.
struct RelatedLine {
    std::string Path;
    int Line = -1; // 0-based
};

// What checking one file gives: the rows of its check run (or its entry database as JSON
// lines), what goes to standard error, and whether the file could be read at all. A result
// holds no reference to the run that made it, so results can be made on other threads and
// printed later in argument order.
struct FileResult {
    std::string Path;
    bool Failed = false;     // nothing could be checked; Problem says why
    std::string Problem;     // why the file could not be read, searched or checked
    std::string Diagnostics; // lines for standard error
    OutputRowList Rows;
    // Beside each row, where it also points (kvfcheck --variants); empty otherwise.
    std::vector<RelatedLine> Related;
    // The file's suppression comments that silenced no finding (notes of gcc, JSON, SARIF).
    std::vector<Suppression> UnusedSuppressions;
    std::string DatabaseDump;      // --dump-db: JSON lines
    std::string ModuleExplanation; // --explain-module: text or JSON
};

enum class FileAction { Check, DumpDatabase, ExplainModules };

// Checks one file as the editor does when it opens the file and runs Check KVF. The store
// is only read, so one store serves files checked at the same time.
FileResult CheckFile(const std::string& path, SettingsStore& settings,
                     const MessageSelection& selection, FileAction action,
                     ReportFormat format = ReportFormat::Text, bool inlineDisable = true);

// The result of an argument or a file that gives nothing to check, for `problem`, which
// also goes to standard error.
FileResult FailedResult(const std::string& path, const std::string& problem);
// The same for a file that cannot be read, for `reason`.
FileResult UnreadableResult(const std::string& path, const std::string& reason);

} // namespace kvf::cli
