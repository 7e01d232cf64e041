#include "app/CMainFrame.h"
#include "document/AppState.h"
#include "views/CMyListBoxBar.h"

#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace kvf;

class MainFrameTest : public QObject {
    Q_OBJECT
  private slots:
    void outputWindowStartsWithWelcomeRow() {
        QTemporaryDir dir;
        QtIniSettingsStore store(dir.filePath("settings.ini"));
        CMainFrame frame(store);
        CMyListBoxBar* output = frame.OutputWindow();
        QCOMPARE(output->windowTitle(), QString("Output Window"));
        QCOMPARE(output->RowCount(), 1);
        QCOMPARE(output->CellText(0, 0), QString("Info"));
        QCOMPARE(output->CellText(0, 1), QString("---"));
        QCOMPARE(frame.dockWidgetArea(output), Qt::BottomDockWidgetArea);
        QCOMPARE(frame.CaretPane()->text(), QString("---"));
    }

    void settingsAreWrittenAtExitWithExpert() {
        QTemporaryDir dir;
        QString path = dir.filePath("settings.ini");
        {
            QtIniSettingsStore store(path);
            CMainFrame frame(store);
            frame.Settings().NoBackup = 1;
            frame.Settings().LastDir = "/tmp/kvf files";
        }
        QSettings written(path, QSettings::IniFormat);
        QCOMPARE(written.value("Settings/Expert").toInt(), 1);
        QCOMPARE(written.value("Settings/NoBackup").toInt(), 1);
        QCOMPARE(written.value("Settings/Flatbar").toInt(), 1);
        QCOMPARE(written.value("Settings/LastDir").toString(), QString("/tmp/kvf files"));
        QVERIFY(written.contains("FloatBars"));
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
