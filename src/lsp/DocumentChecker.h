#pragma once

#include "language/Diagnostics.h"
#include "lsp/CheckPool.h"
#include "lsp/ServerSettings.h"

#include <functional>
#include <memory>
#include <string>

namespace kvf::lsp {

// Checks one open document off the reading thread, on the threads of a pool that all
// documents share: at most one check runs and one waits; a newer version replaces the waiting
// one, and the result of a version that is no longer the latest is dropped instead of sent.
// Destroying the checker waits for a running check to end and sends nothing more.
class DocumentChecker {
  public:
    // What a result becomes, made on the pool's thread and outside any lock (a large
    // document's message takes a while), and where it goes: sent under the checker's lock, so
    // nothing goes for a version once Submit of a newer one has returned.
    using Render = std::function<std::string(int version, const language::CheckOutcome& outcome)>;
    using Send = std::function<void(const std::string& message)>;
    // The check itself, given the snapshot (the tests put one in whose timing they control).
    using Check =
        std::function<language::CheckOutcome(language::Snapshot, const language::CheckSettings&)>;

    DocumentChecker(CheckPool& pool, Render render, Send send,
                    Check check = language::CheckSnapshotTaken);
    ~DocumentChecker();
    DocumentChecker(const DocumentChecker&) = delete;
    DocumentChecker& operator=(const DocumentChecker&) = delete;

    void Submit(int version, language::Snapshot snapshot,
                std::shared_ptr<const ServerSettings> settings);

  private:
    struct State; // shared with the pool's task, which may run after the checker is gone
    static void Run(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_;
};

} // namespace kvf::lsp
