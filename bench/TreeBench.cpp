// The keyword tree on a large file: building its nodes after a rebuild, and selecting an
// entry (the stale-database check, the form filled, the text moved, the input view shown).
#include "SampleFile.h"

#include "app/CKVF_EdDoc.h"
#include "core/AppServices.h"
#include "core/EntryFocus.h"
#include "core/SettingsStore.h"
#include "output/OutputRows.h"
#include "views/CInputView.h"
#include "views/CKVFTextView.h"
#include "views/CKVFTreeView.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Window {
    kvf::MemorySettingsStore settings;
    kvf::OutputRows rows{settings};
    kvf::AppServices app{settings, rows};
    kvf::EntryFocus focus;
    kvf::CKVFTextView text;
    kvf::CKVF_EdDoc doc{app, *text.document()};
    kvf::CKVFTreeView tree{app, focus, doc.Engine(), text};
    kvf::CInputView input{app, focus, doc.Engine(), text};

    explicit Window(const QString& path) {
        QObject::connect(&tree, &kvf::CKVFTreeView::formChanged, &input,
                         &kvf::CInputView::OnUpdate);
        doc.Load(path, false);
        tree.resize(240, 600);
        tree.show();
        tree.RebuildTree();
    }
};

void BM_BuildTree(benchmark::State& state) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Window window(kvf::bench::WriteSampleFile(dir, static_cast<int>(state.range(0))));
    for (auto _ : state) {
        window.tree.RebuildTree();
        QApplication::processEvents(); // the view lays the expanded tree out
        benchmark::DoNotOptimize(window.tree.Model().rowCount(window.tree.Model().RootIndex()));
    }
    state.counters["entries"] = static_cast<double>(window.doc.Engine().Database.Count());
}

void BM_SelectEntry(benchmark::State& state) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Window window(kvf::bench::WriteSampleFile(dir, static_cast<int>(state.range(0))));
    const kvf::CKeyDatabase& database = window.doc.Engine().Database;
    // Two entries far apart, selected in turn, so every step is a real change.
    const QModelIndex nodes[] = {window.tree.Model().IndexOfEntry(database.Count() / 2),
                                 window.tree.Model().IndexOfEntry(database.Count() - 2)};
    std::size_t turn = 0;
    for (auto _ : state) {
        window.tree.setCurrentIndex(nodes[turn++ % 2]);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.focus.CurrentEntry);
    }
}

} // namespace

BENCHMARK(BM_BuildTree)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectEntry)->Arg(10'000)->Unit(benchmark::kMillisecond);
