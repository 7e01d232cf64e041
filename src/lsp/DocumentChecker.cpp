#include "lsp/DocumentChecker.h"

#include <condition_variable>
#include <mutex>
#include <optional>

namespace kvf::lsp {

struct DocumentChecker::State {
    struct Job {
        int Version = 0;
        language::Snapshot Text;
        std::shared_ptr<const ServerSettings> Settings;
    };

    CheckPool* Pool = nullptr;
    Render MakeMessage;
    Send SendMessage;
    Check RunCheck;

    std::mutex Mutex;
    std::condition_variable Idle;
    std::optional<Job> Waiting;
    int Latest = 0;
    bool Queued = false;  // a task of this document waits in the pool
    bool Running = false; // a check of this document runs
    bool Stopping = false;

    // Under the lock: the waiting job gets a task of the pool unless one waits or runs.
    void QueueIfIdle(const std::shared_ptr<State>& self) {
        if (Queued || Running || !Waiting || Stopping)
            return;
        Queued = true;
        Pool->Post([self] { DocumentChecker::Run(self); });
    }
};

DocumentChecker::DocumentChecker(CheckPool& pool, Render render, Send send, Check check)
    : state_(std::make_shared<State>()) {
    state_->Pool = &pool;
    state_->MakeMessage = std::move(render);
    state_->SendMessage = std::move(send);
    state_->RunCheck = std::move(check);
}

DocumentChecker::~DocumentChecker() {
    std::unique_lock lock(state_->Mutex);
    state_->Stopping = true;
    state_->Waiting.reset();
    // A task still queued finds the checker stopping and returns at once.
    state_->Idle.wait(lock, [this] { return !state_->Running; });
}

void DocumentChecker::Submit(int version, language::Snapshot snapshot,
                             std::shared_ptr<const ServerSettings> settings) {
    std::lock_guard lock(state_->Mutex);
    state_->Latest = version;
    state_->Waiting = State::Job{version, std::move(snapshot), std::move(settings)};
    state_->QueueIfIdle(state_);
}

void DocumentChecker::Run(const std::shared_ptr<State>& state) {
    State::Job job;
    {
        std::lock_guard lock(state->Mutex);
        state->Queued = false;
        if (state->Stopping || !state->Waiting)
            return;
        job = std::move(*state->Waiting);
        state->Waiting.reset();
        state->Running = true;
    }
    language::CheckOutcome outcome =
        state->RunCheck(std::move(job.Text), job.Settings->ForCheck()); // its text goes with it
    bool current = false;
    {
        std::lock_guard lock(state->Mutex);
        current = !state->Stopping && job.Version == state->Latest;
    }
    std::string message = current ? state->MakeMessage(job.Version, outcome) : std::string();
    outcome = {};
    std::lock_guard lock(state->Mutex);
    if (current && !state->Stopping && job.Version == state->Latest)
        state->SendMessage(message);
    state->Running = false;
    // Another document's check comes first before this one's next version.
    state->QueueIfIdle(state);
    state->Idle.notify_all();
}

} // namespace kvf::lsp
