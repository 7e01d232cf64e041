// Rebuild (F5) and Check KVF (F7) in the editor: the same rows as kvfcheck, taken from
// the text in the editor rather than the file on disk.
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include "views/CKVFTreeView.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTextCursor>

using namespace kvf;

namespace {

const QStringList kCaseFiles = {"expected", "expected.jsonl", "args", "settings.ini", "why",
                                "exit"};

QStringList KvfcheckRows(const QString& folder, const QString& name) {
    QProcess run;
    run.setWorkingDirectory(folder);
    run.start(KVFCHECK_PATH, {"--settings", "settings.ini", name});
    run.waitForFinished(60000);
    QString out = QString::fromUtf8(run.readAllStandardOutput());
    QStringList rows = out.split('\n');
    if (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT
    QString previousDir_;

  private slots:
    void init() { previousDir_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previousDir_); }

    // Every acceptance case that kvfcheck runs with its defaults, and the sample file.
    void checkRowsEqualKvfcheckRows_data() {
        QTest::addColumn<QString>("caseDir");
        QDirIterator it(QString(KVF_SOURCE_DIR) + "/tests/acceptance",
                        QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QDir dir(it.next());
            if (dir.exists("expected") && !dir.exists("args"))
                QTest::newRow(qPrintable(dir.dirName())) << dir.path();
        }
        QTest::newRow("sample") << QString(KVF_SOURCE_DIR) + "/resources/samples";
    }
    void checkRowsEqualKvfcheckRows() {
        QFETCH(QString, caseDir);
        QTemporaryDir work;
        QStringList inputs;
        for (const QString& name : QDir(caseDir).entryList(QDir::Files))
            if (!kCaseFiles.contains(name))
                inputs << name;
        QCOMPARE(inputs.size(), 1);
        QFile::copy(QDir(caseDir).filePath(inputs[0]), work.filePath(inputs[0]));
        QString settings = work.filePath("settings.ini");
        if (QFile::exists(QDir(caseDir).filePath("settings.ini")))
            QFile::copy(QDir(caseDir).filePath("settings.ini"), settings);
        else
            WriteBytes(settings, {});
        QDir::setCurrent(work.path());
        QStringList expected = KvfcheckRows(work.path(), inputs[0]);

        FrameFixture f(settings);
        QList<CChildFrame*> opened = f.frame->OpenPaths({work.filePath(inputs[0])}, false);
        QCOMPARE(opened.size(), 1);
        f.frame->Check();
        QCOMPARE(f.Rows(), expected);
    }

    void checkUsesTheEditorText() {
        QTemporaryDir work;
        QDir::setCurrent(work.path());
        FrameFixture f;
        QByteArray onDisk = "#TALVERON_DP\r\nKVF_Revision = 1\r\n";
        QString path = f.Write("dev.kvf", onDisk);
        CChildFrame* child = f.frame->OpenPaths({path}, false).first();
        QTextCursor cursor(&child->Doc().Text());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText("Vendor_Name = \"ACME\" junk\r\n");
        f.frame->Rebuild();
        QCOMPARE(child->Doc().Engine().Database.Count(), std::size_t(2));
        QVERIFY(!child->TreeView()
                     ->Model()
                     .match(child->TreeView()->Model().RootIndex(), Qt::DisplayRole,
                            "Vendor_Name (3)", 1, Qt::MatchRecursive | Qt::MatchExactly)
                     .isEmpty());

        f.frame->Check();
        QStringList rows = f.Rows();
        QVERIFY(!rows.isEmpty());
        // The modified document is checked under its plain name.
        QCOMPARE(rows.first(), QString("Info\t---\tStart Syntax-Check of file dev.kvf ..."));
        QVERIFY2(rows.filter("\tLine 3\t").size() > 0, qPrintable(rows.join('\n')));
        QCOMPARE(ReadBytes(path), onDisk);
        QCOMPARE(f.frame->MessagePane()->text(), QString("For Help, press F1"));
    }
};

QTEST_MAIN(CheckCommandTest)
#include "CheckCommandTest.moc"
