#pragma once

#include "language/Snapshot.h"
#include "language/TextRange.h"

#include <string>

namespace kvf::language {

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

} // namespace kvf::language
