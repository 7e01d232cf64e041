#pragma once

#include "cli/FileCheck.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace kvf::cli {

// Runs work(0) ... work(count - 1) on up to `jobs` threads and hands each result to
// deliver() on the calling thread, in index order, as soon as it and every result before
// it are done: the output of a parallel run is the output of a serial one. A work item
// that throws gives failed(reason) instead of ending the program.
template <typename Result>
void RunInOrderOf(std::size_t count, unsigned jobs, const std::function<Result(std::size_t)>& work,
                  const std::function<void(Result&)>& deliver,
                  const std::function<Result(const std::string&)>& failed) {
    auto guarded = [&](std::size_t index) {
        try {
            return work(index);
        } catch (const std::exception& error) {
            return failed(error.what());
        }
    };
    std::size_t threads = std::min<std::size_t>(std::max(jobs, 1u), count);
    if (threads <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            Result result = guarded(i);
            deliver(result);
        }
        return;
    }

    std::vector<std::optional<Result>> done(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) {
            Result result = guarded(i);
            std::lock_guard lock(mutex);
            done[i] = std::move(result);
            ready.notify_one();
        }
    };
    // Joined on every way out. Where no thread can be started (a build without threads),
    // the calling thread does the work of those that could not.
    struct Pool {
        std::vector<std::thread> Threads;
        ~Pool() {
            for (std::thread& thread : Threads)
                thread.join();
        }
    } pool;
    pool.Threads.reserve(threads);
    try {
        for (std::size_t t = 0; t < threads; ++t)
            pool.Threads.emplace_back(worker);
    } catch (const std::system_error&) {
        if (pool.Threads.empty())
            worker();
    }

    for (std::size_t i = 0; i < count; ++i) {
        Result result;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return done[i].has_value(); });
            result = std::move(*done[i]);
            done[i].reset();
        }
        deliver(result);
    }
}

// The same for one file's check at each index.
void RunInOrder(std::size_t count, unsigned jobs,
                const std::function<FileResult(std::size_t)>& work,
                const std::function<void(FileResult&)>& deliver);

// The result of a work item that threw: nothing was checked, for `reason`.
FileResult AbortedResult(const std::string& reason);

} // namespace kvf::cli
