// The Open command's decisions without a window, and the recent file list.
#include "GuiTestSupport.h"

#include "app/FileOpener.h"
#include "app/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTest>

using namespace kvf;

namespace {

// What the opener asked of its window: the messages, the loads and whether each was
// read-only.
struct Recorder {
    QStringList Alerts;
    QStringList Loads;
    QStringList AlreadyOpen; // canonical paths a window shows
    QStringList FailToLoad;  // absolute paths whose load fails

    FileOpener Opener() {
        FileOpener opener;
        opener.Alert = [this](const std::string& text) {
            Alerts << QString::fromStdString(text).section('\n', 0, 0);
        };
        opener.BringToFront = [this](const QString& path) { return AlreadyOpen.contains(path); };
        opener.Load = [this](const QString& path, bool readOnly) {
            Loads << QFileInfo(path).fileName() + (readOnly ? " ro" : "");
            return !FailToLoad.contains(path);
        };
        return opener;
    }
};

} // namespace

class FileOpenerTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString File(const QString& name) {
        QString path = dir_.filePath(name);
        WriteBytes(path, "#TALVERON_DP\r\n");
        return path;
    }

  private slots:
    void opensInOrderAndStopsAtWhatCannotBeRead() {
        Recorder record;
        // (A file without write permission cannot be made for a test that may run as root.)
        QString a = File("a.kvf"), hidden = File(".b.kvf"), c = File("c.kvf");
        QStringList loaded =
            record.Opener().Open({a, hidden, c, dir_.filePath("missing.kvf"), a}, false);
        QCOMPARE(record.Loads, QStringList({"a.kvf", ".b.kvf ro", "c.kvf"}));
        QCOMPARE(loaded.size(), 3);
        QCOMPARE(
            record.Alerts,
            QStringList(
                {"The selected file \"" + QDir::toNativeSeparators(hidden) +
                     "\" has the hidden flag.",
                 "The selected file \"" + QDir::toNativeSeparators(dir_.filePath("missing.kvf")) +
                     "\" has the read-only flag.",
                 "The selected file \"" + QDir::toNativeSeparators(dir_.filePath("missing.kvf")) +
                     "\" is marked as a directory."}));
    }

    void aFileAlreadyOpenOrFailingToLoadStopsNothing() {
        Recorder record;
        QString a = File("a.kvf"), b = File("b.kvf"), c = File("c.kvf");
        record.AlreadyOpen << QFileInfo(a).canonicalFilePath();
        record.FailToLoad << QFileInfo(b).absoluteFilePath();
        QStringList loaded = record.Opener().Open({a, b, c}, true);
        QCOMPARE(record.Loads, QStringList({"b.kvf ro", "c.kvf ro"}));
        QCOMPARE(loaded, QStringList({QFileInfo(c).absoluteFilePath()}));
        QVERIFY(record.Alerts.isEmpty());
    }

    void lastDirIsTheLastPathsFolder() {
        QCOMPARE(FileOpener::LastDirOf({"/x/a.kvf", "/y/z/b.kvf"}), std::optional<QString>("/y/z"));
        QCOMPARE(FileOpener::LastDirOf({"b.kvf"}), std::nullopt);
        QCOMPARE(FileOpener::LastDirOf({}), std::nullopt);
    }

    void recentFilesKeepNineNewestFirstWithoutTwins() {
        RecentFiles recent;
        for (int i = 1; i <= 11; ++i)
            recent.Add(QString("/f%1.kvf").arg(i));
        recent.Add("/f5.kvf");
        QCOMPARE(recent.Paths(),
                 QStringList({"/f5.kvf", "/f11.kvf", "/f10.kvf", "/f9.kvf", "/f8.kvf", "/f7.kvf",
                              "/f6.kvf", "/f4.kvf", "/f3.kvf"}));

        QSettings settings(dir_.filePath("recent.ini"), QSettings::IniFormat);
        settings.setValue("Recent File List/File9", "/stale.kvf");
        recent.Write(settings);
        RecentFiles read;
        read.Read(settings);
        QCOMPARE(read.Paths(), recent.Paths());

        QMenu menu;
        QString opened;
        read.FillMenu(menu, [&](const QString& path) { opened = path; });
        QCOMPARE(menu.actions().size(), 9);
        QCOMPARE(menu.actions()[1]->text(), QString("&2 /f11.kvf"));
        menu.actions()[1]->trigger();
        QCoreApplication::processEvents(); // the file opens after the menu's handler
        QCOMPARE(opened, QString("/f11.kvf"));
        RecentFiles().FillMenu(menu, [](const QString&) {});
        QVERIFY(!menu.isEnabled());
    }
};

QTEST_MAIN(FileOpenerTest)
#include "FileOpenerTest.moc"
