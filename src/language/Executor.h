#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kvf::language {

// Where the language services' work runs: a few threads that every open document shares
// (kvf-lsp, the editor), or the caller's own thread when it drains what was posted (a page
// in a browser worker, a test that decides when work runs).
class Executor {
  public:
    virtual ~Executor() = default;
    // Runs `task` later, never inside this call; tasks posted first run first.
    virtual void Post(std::function<void()> task) = 0;
};

// The threads that run the work of all open documents, first posted first run. A few,
// whatever the number of documents: what a thread's allocator keeps of the memory a check
// used is then kept a few times, not once per open document.
class ThreadPoolExecutor final : public Executor {
  public:
    // Two threads at least, so a large document's check never holds up every other one.
    static unsigned DefaultThreads();

    explicit ThreadPoolExecutor(unsigned threads = DefaultThreads());
    // Runs what is posted still (a task of a closed document returns at once), then joins.
    ~ThreadPoolExecutor() override;
    ThreadPoolExecutor(const ThreadPoolExecutor&) = delete;
    ThreadPoolExecutor& operator=(const ThreadPoolExecutor&) = delete;

    void Post(std::function<void()> task) override;

  private:
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    bool stopping_ = false;
    std::vector<std::thread> threads_; // last: started when everything above is ready
};

// No thread at all: what is posted runs when the owner drains it, on the owner's thread.
// Posting from another thread is allowed; draining is for one thread at a time.
class DrainedExecutor final : public Executor {
  public:
    void Post(std::function<void()> task) override;
    // Runs the tasks posted so far and those they post, until none is left; the count run.
    std::size_t Drain();
    // Runs the first task waiting, if any.
    bool RunOne();
    std::size_t Pending() const;

  private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

} // namespace kvf::language
