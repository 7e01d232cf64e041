// The editor's own costs on a large file: opening it (read, text into the editor, backup
// copy, database) and Check KVF on the editor's text.
#include "SampleFile.h"

#include "app/CKVF_EdDoc.h"
#include "core/AppServices.h"
#include "core/SettingsStore.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Editor {
    kvf::MemorySettingsStore settings;
    kvf::OutputRows rows{settings};
    kvf::AppServices app{settings, rows};
    QPlainTextEdit view;
    kvf::CKVF_EdDoc doc{app, *view.document()};
};

void BM_OpenDocument(benchmark::State& state) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QString path = kvf::bench::WriteSampleFile(dir, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Editor editor;
        editor.doc.Load(path, false);
        benchmark::DoNotOptimize(editor.doc.Engine().Database.Count());
    }
}

void BM_CheckEditorText(benchmark::State& state) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Editor editor;
    editor.doc.Load(kvf::bench::WriteSampleFile(dir, static_cast<int>(state.range(0))), false);
    for (auto _ : state) {
        kvf::Check(editor.app, editor.doc.Engine());
        benchmark::DoNotOptimize(editor.rows.Rows().size());
    }
    state.counters["rows"] = static_cast<double>(editor.rows.Rows().size());
}

} // namespace

BENCHMARK(BM_OpenDocument)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckEditorText)->Arg(10'000)->Unit(benchmark::kMillisecond);
