// A large file in the editor as a user meets it: File Open (read, text, colouring, database,
// tree) and Check KVF (F7) through the main window, with how long the window went without
// handling its events at a stretch (a timer that should fire every 5 ms notes the longest
// gap between two of its ticks).
#include "SampleFile.h"

#include "app/CChildFrame.h"
#include "app/CKVF_EdDoc.h"
#include "app/CMainFrame.h"
#include "app/EditorSettings.h"
#include "app/LiveCheck.h"
#include "core/AppServices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

struct MainWindow {
    QTemporaryDir dir;
    kvf::QtIniSettingsStore store{dir.filePath("settings.ini")};
    kvf::CMainFrame frame{store};
    kvf::AppServices app{store, frame};

    MainWindow() {
        QDir::setCurrent(dir.path());
        frame.AttachApp(app);
        app.SetAlertSink(&frame);
        frame.SetAlertHandler([](const QString&) {});
        frame.resize(1200, 800);
        frame.show();
        QApplication::processEvents();
    }
    ~MainWindow() {
        for (kvf::CChildFrame* child : frame.Children())
            child->Doc().Text().setModified(false);
    }
};

// The GUI thread's own processor time in milliseconds: unlike the wall clock, it does not
// grow when other programs (or the check's worker thread) share the processor.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The longest time between two ticks of a 5 ms timer while `work` runs, in milliseconds of
// the wall clock and of the GUI thread's processor time.
class FreezeWatch {
  public:
    FreezeWatch() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    }
    void Watch(const std::function<void()>& work) {
        since_.start();
        cpuSince_ = ThreadCpuMs();
        timer_.start();
        work();
        QApplication::processEvents();
        Tick();
        timer_.stop();
    }
    double Longest() const { return longest_; }
    double LongestCpu() const { return longestCpu_; }

  private:
    void Tick() {
        longest_ = std::max(longest_, static_cast<double>(since_.nsecsElapsed()) / 1e6);
        since_.restart();
        const double cpu = ThreadCpuMs();
        longestCpu_ = std::max(longestCpu_, cpu - cpuSince_);
        cpuSince_ = cpu;
    }

    QTimer timer_;
    QElapsedTimer since_;
    double cpuSince_ = 0;
    double longest_ = 0;
    double longestCpu_ = 0;
};

void BM_OpenLargeFile(benchmark::State& state) {
    MainWindow window;
    const QString path = kvf::bench::WriteSampleFile(window.dir, static_cast<int>(state.range(0)));
    FreezeWatch freeze;
    double first = -1; // the program's first open: fonts and caches are still cold
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        freeze.Watch([&] { window.frame.OpenPaths({path}, false); });
        if (first < 0)
            first = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        for (kvf::CChildFrame* child : window.frame.Children()) {
            child->Live().WaitForRunning();
            child->Doc().Text().setModified(false);
            child->close();
        }
        // The closed windows go now, so that the next open loads the file again.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["longest_freeze_ms"] = freeze.Longest();
    state.counters["longest_freeze_cpu_ms"] = freeze.LongestCpu();
    state.counters["first_open_ms"] = first;
}

void BM_CheckLargeFile(benchmark::State& state) {
    MainWindow window;
    const QString path = kvf::bench::WriteSampleFile(window.dir, static_cast<int>(state.range(0)));
    window.frame.OpenPaths({path}, false);
    window.frame.Children().first()->Live().WaitForRunning();
    QApplication::processEvents();
    FreezeWatch freeze;
    double first = -1;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        freeze.Watch([&] { window.frame.Check(); });
        if (first < 0)
            first = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    state.counters["longest_freeze_ms"] = freeze.Longest();
    state.counters["longest_freeze_cpu_ms"] = freeze.LongestCpu();
    state.counters["first_check_ms"] = first;
}

} // namespace

BENCHMARK(BM_OpenLargeFile)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLargeFile)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);
