#pragma once

#include "app/QtTextLines.h"
#include "core/MessageSelection.h"
#include "core/SettingsStore.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kvf {

// A text the editor holds, as a worker reads it: the text document's raw text (converted
// to bytes on the worker) and the file's encoding.
struct HeldText {
    std::string Path;
    QString RawText;
    FileEncoding Encoding = FileEncoding::Windows1252;
};

// What Compare Language Variants compares, taken on the GUI thread: the active document's
// text as it stands in the editor (saved or not) and the texts of its siblings that are
// open; every other sibling is read from disk on the worker.
struct VariantCompareRequest {
    HeldText Document;
    std::vector<HeldText> OpenSiblings;
    MessageSelection Selection;
    bool InlineDisable = true; // the document's suppression comments silence findings
    std::function<std::unique_ptr<SettingsStore>()> MakeSettings;
};

// One row for the output window: a frame row, a difference (on a line of the document, with
// the sibling's path and line beside it), or a sibling that could not be read.
struct VariantRow {
    int Level = 0;
    int Line = -1;
    int Id = 0;
    std::string Text;
    std::string OtherPath; // empty: none
    int OtherLine = -1;
};

// The comparison of the document with each of its siblings, framed as kvfcheck frames the
// comparison of a file with its reference; one row that says so when it has none. Runs on
// a worker thread.
std::vector<VariantRow> CompareWithVariants(const VariantCompareRequest& request);

} // namespace kvf
