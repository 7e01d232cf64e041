// A large file in the editor as a user meets it: File Open (read, text, colouring, database,
// tree) and Check KVF (F7) through the main window, with how long the window went without
// handling its events at a stretch (a timer that should fire every 5 ms notes the longest
// gap between two of its ticks).
#include "SampleFile.h"

#include "app/CChildFrame.h"
#include "app/CKVF_EdDoc.h"
#include "app/CMainFrame.h"
#include "app/EditorApp.h"
#include "app/EditorSettings.h"
#include "app/LiveCheck.h"
#include "core/AppServices.h"
#include "views/CKVFTextView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
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

// Notes when the text of a large file is first painted: the first paint of a text view's
// viewport once the view holds all the file's lines.
class TextPainted : public QObject {
  public:
    explicit TextPainted(int lines) : lines_(lines) { qApp->installEventFilter(this); }
    ~TextPainted() override { qApp->removeEventFilter(this); }
    bool Painted() const { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint) {
            auto* view = qobject_cast<kvf::CKVFTextView*>(watched->parent());
            if (view && watched == view->viewport() && view->document()->blockCount() >= lines_)
                painted_ = true;
        }
        return false;
    }

  private:
    int lines_;
    bool painted_ = false;
};

// The editor started with a large file named on the command line, as a user starts it (the
// splash screen as the settings have it): the time until the file's text is painted in its
// window, and the longest the window went without its events meanwhile.
void BM_StartWithLargeFile(benchmark::State& state) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const int lines = static_cast<int>(state.range(0));
    const QString path = kvf::bench::WriteSampleFile(dir, lines);
    FreezeWatch freeze;
    double slowest = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto app = std::make_unique<kvf::EditorApp>(
            std::make_unique<kvf::QtIniSettingsStore>(dir.filePath("settings.ini")));
        TextPainted painted(lines);
        freeze.Watch([&] {
            kvf::StartOptions options;
            options.Files << path;
            app->Start(options);
            while (!painted.Painted())
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        });
        slowest = std::max(slowest, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        for (kvf::CChildFrame* child : app->Frame().Children()) {
            child->Live().WaitForRunning();
            child->Doc().Text().setModified(false);
        }
        app.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["slowest_start_ms"] = slowest;
    state.counters["longest_freeze_ms"] = freeze.Longest();
    state.counters["longest_freeze_cpu_ms"] = freeze.LongestCpu();
}

// Typing in a large file through the main window, with the check as you type on: one
// character typed at the middle line (the key press as the text view gets it, and what the
// window does before it reads the next event), and the longest stretch of the GUI thread
// afterwards until the marks and the tree follow the text (the check runs on its worker).
// A letter typed as the first of a keyword at a line's start asks for completion too.
void BM_TypeInLargeFile(benchmark::State& state) {
    MainWindow window;
    const int lines = static_cast<int>(state.range(0));
    const QString path = kvf::bench::WriteSampleFile(window.dir, lines);
    kvf::CChildFrame* child = window.frame.OpenPaths({path}, false).first();
    child->Live().WaitForRunning();
    QApplication::processEvents();
    kvf::CKVFTextView* view = child->TextView();
    QTextCursor middle(view->document()->findBlockByNumber(lines / 2));
    const bool keywordStart = state.range(1) != 0;
    if (keywordStart) {
        middle.insertText("\nM"); // a new line begun with a keyword's first letter
    } else {
        middle.movePosition(QTextCursor::EndOfBlock);
    }
    view->setTextCursor(middle);
    child->Live().WaitForRunning();
    QApplication::processEvents();
    const kvf::CKeyDatabase& database = child->Doc().Engine().Database;
    double longestKey = 0;
    double longestKeyCpu = 0;
    double longestFollowCpu = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        const kvf::CDbEntry* before = database.Count() ? &database.At(0) : nullptr;
        const double cpu = ThreadCpuMs();
        clock.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(view, &press);
        QApplication::processEvents(); // the paint and what else the key left
        longestKey = std::max(longestKey, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        longestKeyCpu = std::max(longestKeyCpu, ThreadCpuMs() - cpu);
        state.PauseTiming();
        child->Live().CheckNow();
        while (database.Count() == 0 || &database.At(0) == before) {
            const double passCpu = ThreadCpuMs();
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            longestFollowCpu = std::max(longestFollowCpu, ThreadCpuMs() - passCpu);
        }
        state.ResumeTiming();
    }
    state.counters["longest_key_ms"] = longestKey;
    state.counters["longest_key_cpu_ms"] = longestKeyCpu;
    state.counters["longest_follow_cpu_ms"] = longestFollowCpu;
}

} // namespace

BENCHMARK(BM_StartWithLargeFile)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeInLargeFile)
    ->Args({100'000, 0})
    ->Args({100'000, 1})
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargeFile)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLargeFile)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);
