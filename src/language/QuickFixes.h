#pragma once

#include "language/Diagnostics.h"
#include "language/Snapshot.h"
#include "language/SnapshotDatabase.h"
#include "language/TextRange.h"

#include <string>
#include <vector>

namespace kvf::language {

// One quick fix of a finding: edits of the document's text, or the registration of an
// unknown key as a user key (a change of the settings, which the shell writes into the
// settings file kvfcheck and the editor read). After the fix the finding is gone.
struct QuickFix {
    std::string Title;
    std::vector<TextEdit> Edits; // in the document's text; none for a registration
    std::string UserKey;         // the key to register, upper-cased; empty for an edit
    std::string UserKeySetting;  // "<data type index>;<group index>;<range text>"
};

// The fixes of one finding (its id, and its range's start line as the row's line) in a
// snapshot: did you mean a known keyword, register the unknown key, insert the missing end
// of a block, insert a missing mandatory keyword with a valid default, the nearest allowed
// value, and a suppression comment for this finding.
std::vector<QuickFix> FixesFor(const Snapshot& snapshot, const CheckSettings& settings,
                               const Diagnostic& finding);
// The same on a version already read (its analysis): nothing is parsed again.
std::vector<QuickFix> FixesFor(const SnapshotDatabase& read, const Diagnostic& finding);

// The closest catalogue keyword to an unknown key, within a few typing slips; empty when
// none is that close.
std::string ClosestKeyword(std::string_view key);

} // namespace kvf::language
