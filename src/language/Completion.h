#pragma once

#include "language/Snapshot.h"
#include "language/TextRange.h"

#include <string>
#include <vector>

namespace kvf::language {

class SnapshotDatabase;

struct CompletionItem {
    std::string Label;         // what is inserted (Windows-1252)
    std::string Detail;        // the value rule, or what a value means
    std::string Documentation; // the keyword's help
    bool IsKeyword = false;    // a keyword, else a value
    // Shows what may be written (the span of a range, "1..65535"); choosing it writes
    // nothing, so it replaces nothing.
    bool IsHint = false;
    // What the item replaces on its line: the key or the value written so far (it holds
    // the position asked about), or nothing at that position where none is written yet.
    TextRange Replaces;
};

// What may be written at a position: at the start of a line the keywords that may stand
// there (inside a Module block the module keywords, at the top the file's keywords, without
// those that may stand once and are already given); after the equal sign the allowed values
// (0 and 1 for a Boolean, the values of a list or of a short range, the PrmText and
// ExtUserPrmData numbers the file defines for a reference), the values the file's other
// entries of the keyword (or of its family, MaxTsdr_9.6 beside MaxTsdr_12M) use, and a
// longer range as a hint. Each value comes with the keyword's help.
std::vector<CompletionItem> CompleteAt(const Snapshot& snapshot, const CheckSettings& settings,
                                       TextPosition at);
// The same over the database of a snapshot built before (the editor's parse of the text it
// shows, made on a worker thread).
std::vector<CompletionItem> CompleteAt(const SnapshotDatabase& db, const CheckSettings& settings,
                                       TextPosition at);

} // namespace kvf::language
