#pragma once

#include "core/LineSuppressions.h"
#include "language/Snapshot.h"
#include "language/TextRange.h"

#include <string>
#include <vector>

namespace kvf::language {

// One finding of a check run with where it points: the keyword or the value of the entry the
// row is about, the whole line where nothing narrower fits, the start of the file for a row
// without a line. Level, line and text are the row's as kvfcheck prints it.
struct Diagnostic {
    TextRange Range;
    int Level = 0;    // LEVEL_ERROR, LEVEL_FATAL or LEVEL_WARNING
    int Id = 0;       // the message id
    int RowLine = -1; // the row's 0-based line; -1 for a row shown with "---"
    std::string Text; // Windows-1252, as the row holds it
};

// One row of the check run, frame rows included, as kvfcheck prints it.
struct CheckRow {
    int Level = 0;
    int Line = 0;
    int Id = 0;
    std::string Text;
};

struct CheckOutcome {
    std::vector<CheckRow> Rows;                  // every row, in order (with KeepRows)
    std::vector<Diagnostic> Diagnostics;         // the findings among them, in order
    std::vector<Suppression> UnusedSuppressions; // comments that silenced nothing
};

// The whole check run of a snapshot, as kvfcheck runs it on a file of that name.
CheckOutcome CheckSnapshot(const Snapshot& snapshot, const CheckSettings& settings);
// The same on a snapshot the caller gives up: its text is checked where it stands, not
// copied first (a large document's keystroke copies its text once, not twice).
CheckOutcome CheckSnapshotTaken(Snapshot snapshot, const CheckSettings& settings);

// Where a finding of `id` reported for `line` points in that line's text.
TextRange FindingRange(std::string_view lineText, int line, int id);

} // namespace kvf::language
