#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kvf::lsp {

// The threads that run the checks of all open documents, first posted first run. A few,
// whatever the number of documents: what a thread's allocator keeps of the memory a check used
// is then kept a few times, not once per open document.
class CheckPool {
  public:
    // Two threads at least, so a large document's check never holds up every other one.
    static unsigned DefaultThreads();

    explicit CheckPool(unsigned threads = DefaultThreads());
    // Runs what is posted still (a task of a closed document returns at once), then joins.
    ~CheckPool();
    CheckPool(const CheckPool&) = delete;
    CheckPool& operator=(const CheckPool&) = delete;

    void Post(std::function<void()> task);

  private:
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    bool stopping_ = false;
    std::vector<std::thread> threads_; // last: started when everything above is ready
};

} // namespace kvf::lsp
