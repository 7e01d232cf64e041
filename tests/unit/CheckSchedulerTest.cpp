#include "language/CheckScheduler.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace kvf::language {
namespace {

// A pause that is over only when the test says so.
class ManualPause : public PauseTimer {
  public:
    void Start(std::function<void()> elapsed) override { elapsed_ = std::move(elapsed); }
    void Stop() override { elapsed_ = nullptr; }
    bool Running() const { return static_cast<bool>(elapsed_); }
    void Elapse() {
        if (auto elapsed = std::exchange(elapsed_, nullptr))
            elapsed();
    }

  private:
    std::function<void()> elapsed_;
};

// What the works of one test did, in order.
struct Journal {
    std::vector<std::string> ran;
    std::vector<std::string> delivered;

    CheckScheduler::Work Work(std::string name, std::function<void()> during = {}) {
        return [this, name, during](const std::atomic<bool>& cancelled) {
            ran.push_back(name);
            if (during)
                during();
            if (cancelled)
                ran.push_back(name + " cancelled");
            return CheckScheduler::Deliver([this, name] { delivered.push_back(name); });
        };
    }
};

using Names = std::vector<std::string>;

// The scheduler's orders on an executor without threads: the test drains it, so every step
// happens when the test says.
struct Step {
    const char* what;
    std::function<void(CheckScheduler&, Journal&, DrainedExecutor&, ManualPause&)> act;
    Names ran;
    Names delivered;
};

class SchedulerSteps : public ::testing::TestWithParam<Step> {};

TEST_P(SchedulerSteps, RunAndDeliverAsOrdered) {
    DrainedExecutor executor;
    ManualPause pause;
    Journal journal;
    {
        CheckScheduler scheduler(executor, &pause);
        GetParam().act(scheduler, journal, executor, pause);
        executor.Drain();
    }
    executor.Drain(); // what was queued when the scheduler went runs nothing
    EXPECT_EQ(journal.ran, GetParam().ran) << GetParam().what;
    EXPECT_EQ(journal.delivered, GetParam().delivered) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SchedulerSteps,
    ::testing::Values(
        Step{"nothing starts before the pause is over",
             [](CheckScheduler& s, Journal& j, DrainedExecutor& e, ManualPause&) {
                 s.Submit(1, j.Work("v1"));
                 EXPECT_EQ(e.Drain(), 0u);
                 EXPECT_TRUE(s.IsWaiting());
             },
             {},
             {}},
        Step{"the pause over, the version runs and is delivered",
             [](CheckScheduler& s, Journal& j, DrainedExecutor&, ManualPause& p) {
                 s.Submit(1, j.Work("v1"));
                 p.Elapse();
             },
             {"v1"},
             {"v1"}},
        Step{"Now starts the waiting version without the pause",
             [](CheckScheduler& s, Journal& j, DrainedExecutor&, ManualPause& p) {
                 s.Submit(1, j.Work("v1"));
                 s.Now();
                 EXPECT_FALSE(p.Running());
             },
             {"v1"},
             {"v1"}},
        Step{"versions submitted within the pause: only the newest runs",
             [](CheckScheduler& s, Journal& j, DrainedExecutor&, ManualPause& p) {
                 s.Submit(1, j.Work("v1"));
                 s.Submit(2, j.Work("v2"));
                 s.Submit(3, j.Work("v3"));
                 p.Elapse();
                 EXPECT_EQ(s.LatestVersion(), 3u);
             },
             {"v3"},
             {"v3"}},
        Step{"a version submitted while one runs: the running one is cancelled and dropped, "
             "the new one waits for it and runs after",
             [](CheckScheduler& s, Journal& j, DrainedExecutor& e, ManualPause& p) {
                 s.Submit(1, j.Work("v1", [&] {
                     s.Submit(2, j.Work("v2"));
                     s.Now();
                     EXPECT_EQ(e.Pending(), 0u); // one runs, one waits: no second task
                     EXPECT_TRUE(s.IsRunning());
                 }));
                 p.Elapse();
             },
             {"v1", "v1 cancelled", "v2"},
             {"v2"}},
        Step{"Drop forgets the waiting version and delivers nothing",
             [](CheckScheduler& s, Journal& j, DrainedExecutor&, ManualPause& p) {
                 s.Submit(1, j.Work("v1"));
                 s.Drop();
                 p.Elapse();
             },
             {},
             {}},
        Step{"Drop while a version runs: it is cancelled and not delivered",
             [](CheckScheduler& s, Journal& j, DrainedExecutor&, ManualPause&) {
                 s.Submit(1, j.Work("v1", [&] { s.Drop(); }));
                 s.Now();
             },
             {"v1", "v1 cancelled"},
             {}},
        Step{"after Drop the next version runs as ever",
             [](CheckScheduler& s, Journal& j, DrainedExecutor& e, ManualPause&) {
                 s.Submit(1, j.Work("v1"));
                 s.Drop();
                 s.Submit(2, j.Work("v2"));
                 s.Now();
                 e.Drain();
             },
             {"v2"},
             {"v2"}},
        Step{"the scheduler gone before its queued task runs: nothing runs",
             [](CheckScheduler& s, Journal& j, DrainedExecutor& e, ManualPause&) {
                 s.Submit(1, j.Work("v1"));
                 s.Now();
                 EXPECT_EQ(e.Pending(), 1u);
                 s.Stop();
             },
             {},
             {}}));

TEST(CheckScheduler, WithoutATimerAVersionGoesToTheExecutorAtOnce) {
    DrainedExecutor executor;
    Journal journal;
    CheckScheduler scheduler(executor);
    scheduler.Submit(7, journal.Work("v7"));
    EXPECT_EQ(executor.Pending(), 1u);
    executor.Drain();
    EXPECT_EQ(journal.delivered, Names{"v7"});
}

TEST(CheckScheduler, TwoDocumentsTakeTurnsOnTheExecutor) {
    DrainedExecutor executor;
    Journal journal;
    CheckScheduler a(executor);
    CheckScheduler b(executor);
    a.Submit(1, journal.Work("a1", [&] { a.Submit(2, journal.Work("a2")); }));
    b.Submit(1, journal.Work("b1"));
    executor.Drain();
    // a's next version queues behind b's waiting one.
    EXPECT_EQ(journal.ran, (Names{"a1", "a1 cancelled", "b1", "a2"}));
    EXPECT_EQ(journal.delivered, (Names{"b1", "a2"}));
}

// On a pool's threads: a version submitted while one runs cancels it; the newest is
// delivered. The waits are deadlines that mean "it hangs", never measures of speed.
TEST(CheckScheduler, OnThreadsTheRunningCheckSeesItsCancelFlag) {
    constexpr auto kHangs = std::chrono::minutes(2);
    std::mutex mutex;
    std::condition_variable changed;
    bool started = false;
    bool sawCancel = false;
    Names delivered;
    ThreadPoolExecutor pool(2);
    CheckScheduler scheduler(pool);
    scheduler.Submit(1, [&](const std::atomic<bool>& cancelled) {
        std::unique_lock lock(mutex);
        started = true;
        changed.notify_all();
        sawCancel = changed.wait_for(lock, kHangs, [&] { return cancelled.load(); });
        return CheckScheduler::Deliver([&] { delivered.push_back("v1"); });
    });
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, kHangs, [&] { return started; }));
    }
    scheduler.Submit(2, [&](const std::atomic<bool>&) {
        return CheckScheduler::Deliver([&] {
            std::lock_guard lock(mutex);
            delivered.push_back("v2");
            changed.notify_all();
        });
    });
    {
        std::lock_guard lock(mutex);
        changed.notify_all(); // the running check looks at its flag again
    }
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, kHangs, [&] { return !delivered.empty(); }));
    EXPECT_TRUE(sawCancel);
    EXPECT_EQ(delivered, Names{"v2"});
}

} // namespace
} // namespace kvf::language
