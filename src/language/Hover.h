#pragma once

#include "language/Snapshot.h"
#include "language/TextRange.h"

#include <string>
#include <string_view>

namespace kvf::language {

class SnapshotDatabase;

// What the help says of the place a position points at: for a keyword its help text, its
// value rule and range and the group it belongs to; for a value what it means (a Boolean's
// meaning, a module's decoded configuration identifiers, the PrmText or ExtUserPrmData a
// reference points to). Markdown, Windows-1252.
struct HoverText {
    bool Found = false;
    TextRange Range;
    std::string Markdown;
};

HoverText HoverAt(const Snapshot& snapshot, const CheckSettings& settings, TextPosition at);
// The same on one line: `line` is the text of line at.Line as it is now, `db` the database
// of that text (the editor's parse, made on a worker thread), read for the help of a value
// only. Without one, the help of a value is not found and `wantsDatabase` (where given) is
// set; a keyword's help needs none.
HoverText HoverOnLine(std::string_view line, const CheckSettings& settings, TextPosition at,
                      const SnapshotDatabase* db, bool* wantsDatabase = nullptr);
// The same on a version already read (its analysis): nothing is parsed again.
HoverText HoverAt(const SnapshotDatabase& read, const CheckSettings& settings, TextPosition at);

} // namespace kvf::language
