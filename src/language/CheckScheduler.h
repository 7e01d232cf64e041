#pragma once

#include "language/Executor.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

namespace kvf::language {

// The pause after an edit before a check starts: the editor's is a timer of its event loop, a
// test's elapses when the test says. Start restarts it; it calls back once, on the owner's
// thread, unless it is stopped or started again first.
class PauseTimer {
  public:
    virtual ~PauseTimer() = default;
    virtual void Start(std::function<void()> elapsed) = 0;
    virtual void Stop() = 0;
};

// When one document's checks run: after the pause (if there is a timer) the newest version
// goes to the executor; at most one check runs and one waits, a newer version replaces the
// waiting one and sets the running one's cancel flag, and only the result of the latest
// submission is delivered. kvf-lsp and the editor's check as you type both use it.
class CheckScheduler {
  public:
    // Called under the scheduler's lock, so nothing is delivered for a submission once a
    // newer one has returned; it must not call the scheduler.
    using Deliver = std::function<void()>;
    // The work of one submission, on the executor: given the flag that says it is no longer
    // wanted, it returns what delivers its result (or nothing).
    using Work = std::function<Deliver(const std::atomic<bool>& cancelled)>;

    explicit CheckScheduler(Executor& executor, PauseTimer* pause = nullptr);
    // Stops: see Stop.
    ~CheckScheduler();
    CheckScheduler(const CheckScheduler&) = delete;
    CheckScheduler& operator=(const CheckScheduler&) = delete;

    // A new version's work: it waits for the pause (when there is a timer), replacing what
    // waited, and whatever runs is no longer wanted.
    void Submit(std::uint64_t version, Work work);
    // The waiting work starts without waiting for the rest of the pause.
    void Now();
    // Nothing waits any more and the running work's result is not delivered (a check
    // switched off); the next Submit starts afresh.
    void Drop();
    // As Drop, and waits for the running work to end; nothing is delivered afterwards. On an
    // executor without threads nothing can be running here but the caller's own work.
    void Stop();

    bool IsRunning() const;
    bool IsWaiting() const;
    std::uint64_t LatestVersion() const;

  private:
    struct State; // shared with the executor's tasks, which may run after the scheduler goes
    std::shared_ptr<State> state_;
};

} // namespace kvf::language
