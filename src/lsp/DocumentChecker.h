#pragma once

#include "language/CheckScheduler.h"
#include "language/Diagnostics.h"
#include "language/Executor.h"
#include "lsp/ServerSettings.h"

#include <functional>
#include <memory>
#include <string>

namespace kvf::lsp {

// The threads that check all open documents.
using CheckPool = language::ThreadPoolExecutor;

// Checks one open document off the reading thread, on the threads of a pool that all
// documents share, as the language session's scheduler orders it (no pause: a version is
// checked as soon as a thread is free). Destroying the checker waits for a running check to
// end and sends nothing more.
class DocumentChecker {
  public:
    // What a result becomes, made on the pool's thread and outside any lock (a large
    // document's message takes a while), and where it goes: sent under the scheduler's lock,
    // so nothing goes for a version once Submit of a newer one has returned.
    using Render = std::function<std::string(int version, const language::CheckOutcome& outcome)>;
    using Send = std::function<void(const std::string& message)>;
    // The check itself, given the snapshot (the tests put one in whose timing they control).
    using Check =
        std::function<language::CheckOutcome(language::Snapshot, const language::CheckSettings&)>;

    DocumentChecker(language::Executor& pool, Render render, Send send,
                    Check check = language::CheckSnapshotTaken);
    DocumentChecker(const DocumentChecker&) = delete;
    DocumentChecker& operator=(const DocumentChecker&) = delete;

    void Submit(int version, language::Snapshot snapshot,
                std::shared_ptr<const ServerSettings> settings);

  private:
    Render render_;
    Send send_;
    Check check_;
    language::CheckScheduler scheduler_; // last: it goes first, waiting for a running check
};

} // namespace kvf::lsp
