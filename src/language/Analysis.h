#pragma once

#include "language/Diagnostics.h"
#include "language/Snapshot.h"
#include "language/SnapshotDatabase.h"

#include <atomic>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <string>

namespace kvf::language {

// One version of a document, analysed once: the check run's findings and the entry database
// it built, with the lines it was built from. Diagnostics, hover, completion, the outline and
// the quick fixes all read it, so a version is parsed once whoever asks first.
struct Analysis {
    explicit Analysis(std::shared_ptr<const std::string> text) : Read(std::move(text)) {}

    SnapshotDatabase Read;
    CheckOutcome Outcome;
    bool Cancelled = false; // stopped early: what it holds is not the version's
};

// The whole check run of a text, as kvfcheck runs it on a file of that name, keeping what it
// built. The text is shared, not copied. The editor takes the database over from it
// (Read.TakeDatabase) for its tree instead of building it a second time.
std::shared_ptr<Analysis> Analyse(std::shared_ptr<const std::string> text,
                                  const std::string& fileName, const std::string& pathName,
                                  const CheckSettings& settings);

// The settings a document is checked with, kept alive by whoever owns their store.
using SharedCheckSettings = std::shared_ptr<const CheckSettings>;

// The analysis of a document's latest version, made once by whoever asks first: the
// scheduled check (with its cancel flag) or a request (which then waits for a check of the
// same version that runs, instead of parsing again). Safe from several threads.
class LatestAnalysis {
  public:
    using Make = std::function<std::shared_ptr<const Analysis>(
        std::shared_ptr<const std::string> text, const std::string& fileName,
        const std::string& pathName, const CheckSettings& settings)>;

    explicit LatestAnalysis(Make make = Analyse) : make_(std::move(make)) {}

    // A new version (or new settings): what was made for the one before is let go. The
    // ticket names this version for Scheduled.
    std::uint64_t Update(std::shared_ptr<const std::string> text, std::string fileName,
                         std::string pathName, SharedCheckSettings settings);

    // The analysis of the latest version.
    std::shared_ptr<const Analysis> Get();
    // For the scheduled check of `ticket`: none when that is no longer the latest version or
    // the check was cancelled.
    std::shared_ptr<const Analysis> Scheduled(std::uint64_t ticket,
                                              const std::atomic<bool>& cancelled);
    // The one made last, if any, without making one (for tests and memory figures).
    std::shared_ptr<const Analysis> Made() const;

  private:
    struct Making {
        std::uint64_t Ticket = 0;
        std::shared_future<std::shared_ptr<const Analysis>> Result;
    };

    // Under `lock`: makes the analysis of the latest version (the lock is let go meanwhile).
    std::shared_ptr<const Analysis> MakeLatest(std::unique_lock<std::mutex>& lock,
                                               const std::atomic<bool>* cancelled);

    Make make_;
    mutable std::mutex mutex_;
    std::uint64_t ticket_ = 0;
    std::shared_ptr<const std::string> text_;
    std::string fileName_;
    std::string pathName_;
    SharedCheckSettings settings_;
    std::shared_ptr<const Analysis> made_; // of ticket_, once made
    std::shared_ptr<Making> making_;       // of ticket_, while it is made
};

} // namespace kvf::language
