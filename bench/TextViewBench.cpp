// The editor's text view: colouring a whole file as loading does, and one keystroke in a
// large file (the highlighter re-colours the touched line only). Runs offscreen.

#include "SyntheticKvf.h"

#include "core/ProgressSink.h"
#include "views/CKVFTextView.h"
#include "views/HighlightScanner.h"
#include "views/KvfHighlighter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextBlock>

#include <benchmark/benchmark.h>

namespace {

QString SyntheticText(int lines) {
    return QString::fromLatin1(kvf::bench::SyntheticKvf(lines));
}

// Setting the text of a file and colouring all of it in one pass.
void BM_LoadAndHighlight(benchmark::State& state) {
    const QString text = SyntheticText(static_cast<int>(state.range(0)));
    kvf::CKVFTextView view;
    for (auto _ : state)
        view.SetDocumentText(text);
    state.counters["lines"] = view.document()->blockCount();
}

// The same, coloured line by line with a progress dialog (here one that shows nothing).
void BM_LoadAndHighlightWithProgress(benchmark::State& state) {
    const QString text = SyntheticText(static_cast<int>(state.range(0)));
    kvf::CKVFTextView view;
    kvf::NullProgress progress;
    for (auto _ : state)
        view.SetDocumentText(text, &progress);
    state.counters["lines"] = view.document()->blockCount();
}

// One typed character in the middle of a large file, as the key press reaches the view.
void BM_Keystroke(benchmark::State& state) {
    kvf::CKVFTextView view;
    view.resize(800, 600);
    view.SetDocumentText(SyntheticText(static_cast<int>(state.range(0))));
    QTextCursor cursor(view.document()->findBlockByNumber(view.document()->blockCount() / 2));
    view.setTextCursor(cursor);
    const long long scannedBefore = view.Highlighter().LinesScanned();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&view, &press);
    }
    state.counters["lines"] = view.document()->blockCount();
    state.counters["scanned_per_key"] =
        benchmark::Counter(static_cast<double>(view.Highlighter().LinesScanned() - scannedBefore) /
                           static_cast<double>(state.iterations()));
}

// The scanner alone over every line of a file.
void BM_ScanLines(benchmark::State& state) {
    const QStringList lines = SyntheticText(static_cast<int>(state.range(0))).split(u'\n');
    const kvf::views::HighlightWords words = kvf::views::HighlightWords::Standard();
    for (auto _ : state) {
        for (const QString& line : lines)
            benchmark::DoNotOptimize(kvf::views::ScanLine(line, words));
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

BENCHMARK(BM_LoadAndHighlight)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndHighlightWithProgress)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Keystroke)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanLines)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
