#include "cli/OrderedRun.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kvf::cli {
namespace {

FileResult Guarded(const std::function<FileResult(std::size_t)>& work, std::size_t index) {
    try {
        return work(index);
    } catch (const std::exception& error) {
        FileResult failed;
        failed.Failed = true;
        failed.Problem = std::string("check aborted: ") + error.what();
        failed.Diagnostics = "kvfcheck: " + failed.Problem + '\n';
        return failed;
    }
}

} // namespace

void RunInOrder(std::size_t count, unsigned jobs,
                const std::function<FileResult(std::size_t)>& work,
                const std::function<void(FileResult&)>& deliver) {
    std::size_t threads = std::min<std::size_t>(std::max(jobs, 1u), count);
    if (threads <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            FileResult result = Guarded(work, i);
            deliver(result);
        }
        return;
    }

    std::vector<std::optional<FileResult>> done(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) {
            FileResult result = Guarded(work, i);
            std::lock_guard lock(mutex);
            done[i] = std::move(result);
            ready.notify_one();
        }
    };
    std::vector<std::jthread> pool;
    pool.reserve(threads);
    for (std::size_t t = 0; t < threads; ++t)
        pool.emplace_back(worker);

    for (std::size_t i = 0; i < count; ++i) {
        FileResult result;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return done[i].has_value(); });
            result = std::move(*done[i]);
            done[i].reset();
        }
        deliver(result);
    }
}

} // namespace kvf::cli
