#pragma once

#include "language/Diagnostics.h"
#include "lsp/ServerSettings.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace kvf::lsp {

// Checks one open document off the reading thread: at most one check runs and one waits;
// a newer version replaces the waiting one, and the result of a version that is no longer
// the latest is dropped instead of published. Destroying the checker waits for a running
// check to end and publishes nothing more.
class DocumentChecker {
  public:
    using Publish = std::function<void(int version, const language::CheckOutcome& outcome)>;
    // The check itself (the tests put one in whose timing they control).
    using Check = std::function<language::CheckOutcome(const language::Snapshot&,
                                                       const language::CheckSettings&)>;

    explicit DocumentChecker(Publish publish, Check check = language::CheckSnapshot);
    ~DocumentChecker();
    DocumentChecker(const DocumentChecker&) = delete;
    DocumentChecker& operator=(const DocumentChecker&) = delete;

    void Submit(int version, language::Snapshot snapshot,
                std::shared_ptr<const ServerSettings> settings);

  private:
    struct Job {
        int Version = 0;
        language::Snapshot Text;
        std::shared_ptr<const ServerSettings> Settings;
    };
    void Work();

    Publish publish_;
    Check check_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> waiting_;
    int latest_ = 0;
    bool stopping_ = false;
    std::thread thread_; // last: started when everything above is ready
};

} // namespace kvf::lsp
