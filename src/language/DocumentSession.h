#pragma once

#include "language/Analysis.h"
#include "language/CheckScheduler.h"
#include "language/Executor.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kvf::language {

// One open document of a language session: the analysis of its latest version, made once and
// read by every service, and the scheduler of its checks. kvf-lsp holds one per open
// document; so can the editor's window and a page's worker (on an executor without threads).
class DocumentSession {
  public:
    // What a check's analysis becomes, on the executor's thread outside any lock (a large
    // document's message takes a while), and what delivers it (under the scheduler's lock,
    // only while the version is the latest).
    using Publish =
        std::function<CheckScheduler::Deliver(std::uint64_t version, const Analysis& analysis)>;

    DocumentSession(Executor& executor, Publish publish, PauseTimer* pause = nullptr,
                    LatestAnalysis::Make make = Analyse);
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    // A new version (or the same with new settings): its text, shared with the caller, and
    // its check after the scheduler's pause.
    void Update(std::uint64_t version, std::shared_ptr<const std::string> text,
                std::string fileName, std::string pathName, SharedCheckSettings settings);
    // The analysis of the latest version: the check's, or made here if the check has not
    // made it yet (a check of the same version that runs is waited for). None before the
    // first Update.
    std::shared_ptr<const Analysis> Current() { return analysis_.Get(); }
    std::uint64_t Version() const { return version_; }
    const SharedCheckSettings& Settings() const { return settings_; }
    CheckScheduler& Scheduler() { return scheduler_; }

  private:
    Publish publish_;
    LatestAnalysis analysis_;
    std::uint64_t version_ = 0;
    SharedCheckSettings settings_;
    CheckScheduler scheduler_; // last: it goes first, waiting for a running check
};

} // namespace kvf::language
