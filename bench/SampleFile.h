#pragma once

#include "SyntheticKvf.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace kvf::bench {

// Writes the synthetic file of `lines` lines into the folder, for the editor's benchmarks
// that open a file as a user does.
inline QString WriteSampleFile(const QTemporaryDir& dir, int lines) {
    std::string bytes = SyntheticKvf(lines);
    QString path = dir.filePath("bench.kvf");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

} // namespace kvf::bench
