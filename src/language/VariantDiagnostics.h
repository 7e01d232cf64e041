#pragma once

#include "language/Diagnostics.h"
#include "language/SnapshotDatabase.h"
#include "variants/VariantSiblings.h"

#include <string>
#include <vector>

namespace kvf::language {

// A difference of a document from one of its language variants, as a finding on the
// document's line, with the sibling's file and line it names.
struct VariantDiagnostic {
    Diagnostic Finding;
    std::string OtherPath;
    int OtherLine = 0; // 0-based
};

// The differences of the document `read` holds (called `fileName` in the texts) from each of
// its siblings, sibling by sibling, each in the order of the document's lines: the findings
// the settings' selection reports and the document's suppression comments (when honoured)
// do not silence. A sibling that cannot be read gives none.
std::vector<VariantDiagnostic> VariantDiagnostics(const SnapshotDatabase& read,
                                                  const std::string& fileName,
                                                  const std::vector<VariantSibling>& siblings,
                                                  const CheckSettings& settings);

} // namespace kvf::language
