#include "language/Executor.h"

#include <algorithm>

namespace kvf::language {

unsigned ThreadPoolExecutor::DefaultThreads() {
    constexpr unsigned kFewest = 2;
    constexpr unsigned kMost = 4;
    return std::clamp(std::thread::hardware_concurrency(), kFewest, kMost);
}

ThreadPoolExecutor::ThreadPoolExecutor(unsigned threads) {
    for (unsigned i = 0; i < std::max(threads, 1u); ++i)
        threads_.emplace_back([this] { Work(); });
}

ThreadPoolExecutor::~ThreadPoolExecutor() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void ThreadPoolExecutor::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void ThreadPoolExecutor::Work() {
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

void DrainedExecutor::Post(std::function<void()> task) {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
}

bool DrainedExecutor::RunOne() {
    std::function<void()> task;
    {
        std::lock_guard lock(mutex_);
        if (tasks_.empty())
            return false;
        task = std::move(tasks_.front());
        tasks_.pop_front();
    }
    task(); // outside the lock: it may post more
    return true;
}

std::size_t DrainedExecutor::Drain() {
    std::size_t ran = 0;
    while (RunOne())
        ++ran;
    return ran;
}

std::size_t DrainedExecutor::Pending() const {
    std::lock_guard lock(mutex_);
    return tasks_.size();
}

} // namespace kvf::language
