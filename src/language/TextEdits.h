#pragma once

#include "language/TextRange.h"

#include <string>
#include <vector>

namespace kvf::language {

// The text with the edits made, each at the positions it names in the original text
// (edits do not overlap; a column past its line's end is the line's end, a line past the
// text's end its end). A quick fix's edits applied so, as a client applies them.
std::string ApplyEdits(const std::string& text, std::vector<TextEdit> edits);

} // namespace kvf::language
