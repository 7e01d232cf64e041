#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>

// Small helpers the GUI tests share: waits for what comes later, files written and read back
// as bytes.

// A wait for an asynchronous result (a check on a worker thread, a window shown, a program
// run) fails only when the result never comes: its deadline means "it hangs", on a machine as
// busy as it may be. No test measures speed with a wait; the benchmarks do.
inline constexpr int kHangsMs = 120'000;

// Waits until `spy` holds `count` signals in all (those it holds already count).
inline bool WaitForSignals(QSignalSpy& spy, qsizetype count = 1) {
    const QDeadlineTimer deadline(kHangsMs);
    while (spy.size() < count && !deadline.hasExpired())
        spy.wait(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    return spy.size() >= count;
}

// Waits for one signal more than `spy` holds now.
inline bool WaitForNext(QSignalSpy& spy) {
    return WaitForSignals(spy, spy.size() + 1);
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
