#pragma once

#include "core/LineSuppressions.h"
#include "core/MessageSelection.h"

#include <atomic>
#include <string>
#include <vector>

namespace kvf {

class AppServices;
class CheckRunHooks;
class Document;
class RunContext;
class SettingsStore;

// What a check run is set up from beside the settings store it reads: which findings it
// reports and whether the file's own suppression comments silence theirs.
struct CheckOptions {
    MessageSelection Selection;
    bool HonourSuppressions = true;
    // Set while the run goes when its result is no longer wanted: it then stops early.
    const std::atomic<bool>* Cancel = nullptr;
};

// The options a settings store holds: its [Checks] selection (kvfcheck lays its command line
// over the store first). Ids the store names that no message has are named in `unknown`.
CheckOptions CheckOptionsFromSettings(const SettingsStore& settings,
                                      std::vector<std::string>& unknown);

// What a check run leaves beside the rows it gave its services' message sink.
struct CheckReport {
    std::vector<Suppression> UnusedSuppressions; // comments that silenced nothing
};

// The one way a whole check run is set up, for kvfcheck, the language session and the
// editor's Check KVF alike: for the length of the run the services take the options'
// selection and, where honoured, the suppression comments of the document's lines; then the
// document is checked (see Check). Afterwards the services select and silence as they did
// before, so an application's long-lived services can be handed in.
CheckReport RunConfiguredCheck(AppServices& services, Document& document,
                               const CheckOptions& options, CheckRunHooks* hooks = nullptr);
// The same in a context the caller made over those services.
CheckReport RunConfiguredCheck(RunContext& run, Document& document, const CheckOptions& options,
                               CheckRunHooks* hooks = nullptr);

} // namespace kvf
