#include "language/CheckScheduler.h"

#include <condition_variable>
#include <mutex>
#include <optional>

namespace kvf::language {

struct CheckScheduler::State : std::enable_shared_from_this<State> {
    struct Job {
        std::uint64_t Ticket = 0;
        CheckScheduler::Work Run;
        bool PauseOver = false;
    };

    Executor* Runner = nullptr;
    PauseTimer* Pause = nullptr;

    mutable std::mutex Mutex;
    std::condition_variable Idle;
    std::optional<Job> Waiting;
    std::uint64_t Latest = 0;     // the version last submitted
    std::uint64_t LastTicket = 0; // grows with every Submit and Drop: older results go
    bool Queued = false;          // a task waits in the executor
    bool Running = false;
    bool Stopping = false;
    std::shared_ptr<std::atomic<bool>> RunningCancel;

    // Under the lock: the waiting work, once its pause is over, gets a task of the executor
    // unless one waits or runs.
    void QueueIfIdle() {
        if (Queued || Running || Stopping || !Waiting || !Waiting->PauseOver)
            return;
        Queued = true;
        Runner->Post([self = shared_from_this()] { self->RunWaiting(); });
    }

    void CancelRunning() {
        if (RunningCancel)
            RunningCancel->store(true);
    }

    void PauseElapsed() {
        std::lock_guard lock(Mutex);
        if (Waiting)
            Waiting->PauseOver = true;
        QueueIfIdle();
    }

    void RunWaiting() {
        Job job;
        std::shared_ptr<std::atomic<bool>> cancel = std::make_shared<std::atomic<bool>>(false);
        {
            std::lock_guard lock(Mutex);
            Queued = false;
            if (Stopping || !Waiting)
                return;
            job = std::move(*Waiting);
            Waiting.reset();
            Running = true;
            RunningCancel = cancel;
        }
        CheckScheduler::Deliver deliver = job.Run(*cancel);
        job.Run = nullptr; // what it holds (a text) goes before the next one is made
        std::lock_guard lock(Mutex);
        if (deliver && !Stopping && job.Ticket == LastTicket)
            deliver();
        Running = false;
        RunningCancel.reset();
        // Another document's work comes first before this one's next version.
        QueueIfIdle();
        Idle.notify_all();
    }
};

CheckScheduler::CheckScheduler(Executor& executor, PauseTimer* pause)
    : state_(std::make_shared<State>()) {
    state_->Runner = &executor;
    state_->Pause = pause;
}

CheckScheduler::~CheckScheduler() {
    Stop();
}

void CheckScheduler::Submit(std::uint64_t version, Work work) {
    {
        std::lock_guard lock(state_->Mutex);
        state_->Stopping = false;
        state_->Latest = version;
        state_->Waiting = State::Job{++state_->LastTicket, std::move(work), !state_->Pause};
        state_->CancelRunning();
        state_->QueueIfIdle();
    }
    // The timer is started outside the lock: its callback takes the lock.
    if (state_->Pause)
        state_->Pause->Start([weak = std::weak_ptr<State>(state_)] {
            if (std::shared_ptr<State> state = weak.lock())
                state->PauseElapsed();
        });
}

void CheckScheduler::Now() {
    if (state_->Pause)
        state_->Pause->Stop();
    state_->PauseElapsed();
}

void CheckScheduler::Drop() {
    if (state_->Pause)
        state_->Pause->Stop();
    std::lock_guard lock(state_->Mutex);
    state_->Waiting.reset();
    ++state_->LastTicket;
    state_->CancelRunning();
}

void CheckScheduler::Stop() {
    if (state_->Pause)
        state_->Pause->Stop();
    std::unique_lock lock(state_->Mutex);
    state_->Stopping = true;
    state_->Waiting.reset();
    state_->CancelRunning();
    // A task still queued finds the scheduler stopping and returns at once.
    state_->Idle.wait(lock, [this] { return !state_->Running; });
}

bool CheckScheduler::IsRunning() const {
    std::lock_guard lock(state_->Mutex);
    return state_->Running;
}

bool CheckScheduler::IsWaiting() const {
    std::lock_guard lock(state_->Mutex);
    return state_->Waiting.has_value();
}

std::uint64_t CheckScheduler::LatestVersion() const {
    std::lock_guard lock(state_->Mutex);
    return state_->Latest;
}

} // namespace kvf::language
