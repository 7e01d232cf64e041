// Check as you type on a large file, from the GUI thread's side: how long the thread is busy
// at a stretch between a keystroke and the marks and tree that follow the text (the check
// itself runs on a worker), and the parts of that work on their own.
#include "SampleFile.h"

#include "app/CChildFrame.h"
#include "app/CKVF_EdDoc.h"
#include "app/LiveCheck.h"
#include "core/AppServices.h"
#include "core/MessageSink.h"
#include "core/SettingsStore.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"
#include "views/CKVFTextView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>

#include <ctime>
#include <functional>

#include <benchmark/benchmark.h>

namespace {

struct Window {
    QTemporaryDir dir;
    kvf::MemorySettingsStore settings;
    kvf::OutputRows rows{settings};
    kvf::AppServices app{settings, rows};
    kvf::CChildFrame frame{app};

    explicit Window(int lines) {
        QDir::setCurrent(dir.path());
        frame.Doc().Load(kvf::bench::WriteSampleFile(dir, lines), false);
        frame.RefreshViews();
        frame.resize(1000, 700);
        frame.show();
        frame.Live().SetPause(0);
        frame.Live().WaitForRunning();
        QApplication::processEvents();
    }
};

// The GUI thread's own CPU time in milliseconds: other programs on a busy machine do not
// count, as they would in wall-clock time.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A keystroke in the middle of the file, then the event loop until the tree follows the
// text: the longest stretch the GUI thread spent in one pass of the loop (CPU time, and
// wall-clock time as the machine allowed).
void BM_LiveCheckKeystroke(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    QTextDocument& text = *window.frame.TextView()->document();
    kvf::CKeyDatabase& database = window.frame.Doc().Engine().Database;
    double longestCpu = 0;
    double longestWall = 0;
    QElapsedTimer clock;
    auto pass = [&](const std::function<void()>& work) {
        const double cpu = ThreadMilliseconds();
        clock.restart();
        work();
        longestCpu = std::max(longestCpu, ThreadMilliseconds() - cpu);
        longestWall = std::max(longestWall, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    };
    auto keystroke = [&] {
        const kvf::CDbEntry* before = database.Count() ? &database.At(0) : nullptr;
        pass([&] {
            QTextCursor cursor(text.findBlockByNumber(text.blockCount() / 2));
            cursor.insertText(" ");
        });
        // The tree follows once the database is another one.
        while (database.Count() == 0 || &database.At(0) == before)
            pass([] { QApplication::processEvents(QEventLoop::AllEvents); });
        QApplication::processEvents();
    };
    // A first round unmeasured: the window's first layout of the tree and of the marks.
    keystroke();
    longestCpu = 0;
    longestWall = 0;
    for (auto _ : state)
        keystroke();
    state.counters["longest_cpu_ms"] = longestCpu;
    state.counters["longest_wall_ms"] = longestWall;
}

// The parts: taking the snapshot, marking findings (one on every tenth line), and the tree
// and database rebuilt from the text.
void BM_LiveSnapshot(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(window.frame.TextView()->document()->toRawText());
}

void BM_LiveMarks(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    std::vector<kvf::views::FindingSpot> spots;
    for (int line = 0; line < state.range(0); line += 10)
        spots.push_back({line, 0, 5, kvf::LEVEL_ERROR, 0, "a finding"});
    for (auto _ : state) {
        window.frame.TextView()->SetFindingMarks(spots);
        QApplication::processEvents();
    }
}

void BM_LiveFollowText(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.frame.RebuildDatabase();
        QApplication::processEvents();
    }
}

void BM_LiveRebuildOnly(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    for (auto _ : state)
        kvf::Rebuild(window.app, window.frame.Doc().Engine());
}

} // namespace

BENCHMARK(BM_LiveRebuildOnly)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiveCheckKeystroke)->Arg(10'000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiveSnapshot)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiveMarks)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiveFollowText)->Arg(10'000)->Unit(benchmark::kMillisecond);
