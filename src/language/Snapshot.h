#pragma once

#include "core/MessageSelection.h"
#include "core/SettingsStore.h"

#include <atomic>
#include <string>

namespace kvf::language {

// What every language service works on: one version of a document's text and the settings
// it is checked with. The services keep nothing of it; a caller may hand snapshots of
// several documents to several threads at once when their settings store allows reads from
// several threads (see AppServices).
struct Snapshot {
    std::string Text;     // the document's Windows-1252 bytes, line breaks LF or CRLF
    std::string FileName; // the document's title, as the check run's frame rows name it
    std::string PathName; // the full path, where there is one
};

struct CheckSettings {
    const SettingsStore* Settings = nullptr; // only read
    MessageSelection Selection;              // which findings are reported
    bool InlineDisable = true;               // honour the suppression comments
    bool KeepRows = true; // every row in CheckOutcome::Rows, not only the findings
    // Set while the check runs when its result is no longer wanted: it then stops early.
    const std::atomic<bool>* Cancel = nullptr;
};

} // namespace kvf::language
