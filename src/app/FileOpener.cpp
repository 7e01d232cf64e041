#include "app/FileOpener.h"

#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "views/UiText.h"

#include <QDir>
#include <QFileInfo>

namespace kvf {

FileOpener::Outcome FileOpener::CheckAttributes(const QString& path) const {
    QFileInfo info(path);
    std::string shown = ToBytes(QDir::toNativeSeparators(path));
    // A file whose attributes cannot be read counts as having all of them.
    bool missing = !info.exists();
    bool marked = false;
    if (missing || !info.isWritable()) {
        Alert(FormatMessage(msg::FileReadOnlyFlag, shown));
        marked = true;
    }
    if (missing || info.isDir()) {
        Alert(FormatMessage(msg::FileIsDirectory, shown));
        return Outcome::Stop;
    }
    if (info.fileName().startsWith('.')) {
        Alert(FormatMessage(msg::FileHiddenFlag, shown));
        marked = true;
    }
    return marked ? Outcome::OpenReadOnly : Outcome::Open;
}

QStringList FileOpener::Open(const QStringList& paths, bool readOnlyTicked) const {
    QStringList loaded;
    for (const QString& path : paths) {
        const Outcome outcome = CheckAttributes(path);
        if (outcome == Outcome::Stop)
            break; // this and all following files stay unopened
        QFileInfo info(path);
        if (BringToFront(info.canonicalFilePath()))
            continue;
        if (Load(info.absoluteFilePath(), readOnlyTicked || outcome == Outcome::OpenReadOnly))
            loaded << info.absoluteFilePath();
    }
    return loaded;
}

std::optional<QString> FileOpener::LastDirOf(const QStringList& paths) {
    if (paths.isEmpty())
        return std::nullopt;
    const QString& last = paths.last();
    qsizetype slash = last.lastIndexOf('/');
    if (slash < 0)
        return std::nullopt;
    return last.left(slash);
}

} // namespace kvf
