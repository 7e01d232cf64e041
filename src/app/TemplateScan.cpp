#include "app/TemplateScan.h"

#include "core/SettingsStore.h"
#include "document/TextEncoding.h"
#include "views/UiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kvf {
namespace {

constexpr char kMarker[] = "KVF_Ed:";
// The description starts after "; KVF_Ed: ", the header's fixed opening.
constexpr qsizetype kDescriptionStart = 10;
// Only the start of a header line is read.
constexpr qint64 kHeaderLength = 255;

} // namespace

std::optional<QString> TemplateDescription(const QByteArray& headerLine) {
    // A template with the UTF-8 byte order mark is UTF-8 text, its header the line after
    // the mark.
    const bool utf8 = StartsWithUtf8ByteOrderMark(headerLine.toStdString());
    const QByteArray line =
        utf8 ? headerLine.mid(static_cast<qsizetype>(kUtf8ByteOrderMark.size())) : headerLine;
    if (!line.contains(kMarker))
        return std::nullopt;
    const QByteArray description = line.mid(kDescriptionStart);
    const std::string_view bytes(description.constData(), description.size());
    return (utf8 ? QString::fromStdString(WellFormedUtf8(bytes)) : FromBytes(bytes)).trimmed();
}

TemplateScan ScanTemplateFolder(const QString& folder) {
    TemplateScan scan;
    QDir dir(folder.isEmpty() ? QDir::currentPath() : folder);
    // Name filters match regardless of case: "*.TPL" is a template too.
    const QFileInfoList all =
        dir.entryInfoList({QStringLiteral("*.tpl")}, QDir::Files | QDir::Hidden | QDir::System,
                          QDir::Name | QDir::IgnoreCase);
    scan.AnyTemplateFile = !all.isEmpty();
    for (const QFileInfo& info : all) {
        // A pipe or a device would block the dialog on opening; a broken link cannot be
        // opened and is reported like any other file that cannot be read.
        if (info.exists() && !info.isFile())
            continue;
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            scan.UnreadableFile = info.fileName();
            break;
        }
        if (std::optional<QString> description =
                TemplateDescription(file.readLine(kHeaderLength + 1)))
            scan.Rows.append({info.fileName(), *description});
    }
    return scan;
}

QString FolderWithSlash(const QString& path) {
    if (path.isEmpty() || path.endsWith('/'))
        return path;
    return path + '/';
}

QString InstalledTemplateFolder() {
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + "/../share/kvf-editor/templates";
    candidates << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            "kvf-editor/templates",
                                            QStandardPaths::LocateDirectory);
#ifdef KVF_SOURCE_TEMPLATES
    candidates << QStringLiteral(KVF_SOURCE_TEMPLATES);
#endif
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isDir())
            return FolderWithSlash(QDir::cleanPath(QDir(candidate).absolutePath()));
    return QString();
}

QString StartTemplateFolder(const SettingsStore& settings) {
    const QString stored =
        FromBytes(settings.GetString(kTemplatePathSection, kTemplatePathName, ""));
    if (!stored.isEmpty())
        return FolderWithSlash(stored);
    const QString local = QDir::current().absoluteFilePath("Templates");
    if (QFileInfo(local).isDir())
        return FolderWithSlash(local);
    return InstalledTemplateFolder();
}

} // namespace kvf
