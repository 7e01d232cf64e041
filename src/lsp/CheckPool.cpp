#include "lsp/CheckPool.h"

#include <algorithm>

namespace kvf::lsp {

unsigned CheckPool::DefaultThreads() {
    constexpr unsigned kFewest = 2;
    constexpr unsigned kMost = 4;
    return std::clamp(std::thread::hardware_concurrency(), kFewest, kMost);
}

CheckPool::CheckPool(unsigned threads) {
    for (unsigned i = 0; i < std::max(threads, 1u); ++i)
        threads_.emplace_back([this] { Work(); });
}

CheckPool::~CheckPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void CheckPool::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void CheckPool::Work() {
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
            if (tasks_.empty())
                return; // stopping, and nothing left
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

} // namespace kvf::lsp
