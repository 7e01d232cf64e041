#include "lsp/DocumentChecker.h"

namespace kvf::lsp {

DocumentChecker::DocumentChecker(Publish publish, Check check)
    : publish_(std::move(publish)), check_(std::move(check)), thread_([this] { Work(); }) {}

DocumentChecker::~DocumentChecker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
    }
    wake_.notify_one();
    thread_.join();
}

void DocumentChecker::Submit(int version, language::Snapshot snapshot,
                             std::shared_ptr<const ServerSettings> settings) {
    {
        std::lock_guard lock(mutex_);
        latest_ = version;
        waiting_ = Job{version, std::move(snapshot), std::move(settings)};
    }
    wake_.notify_one();
}

void DocumentChecker::Work() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
            if (stopping_)
                return;
            job = std::move(*waiting_);
            waiting_.reset();
        }
        language::CheckSettings settings = job.Settings->ForCheck();
        language::CheckOutcome outcome = check_(job.Text, settings);
        // Published under the lock: a newer version submitted meanwhile, or the checker
        // being destroyed, drops this result.
        std::lock_guard lock(mutex_);
        if (!stopping_ && job.Version == latest_)
            publish_(job.Version, outcome);
    }
}

} // namespace kvf::lsp
