// Rebuild (F5) and Check KVF (F7) in the editor: the same rows as kvfcheck, taken from
// the text in the editor rather than the file on disk.
#include "AcceptanceCases.h"
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

class CheckCommandTest : public QObject {
    Q_OBJECT
    QString previousDir_;

  private slots:
    void init() { previousDir_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previousDir_); }

    // Every acceptance case that kvfcheck runs with its defaults, and the sample file.
    void checkRowsEqualKvfcheckRows_data() {
        AddAcceptanceCaseRows();
        QTest::newRow("sample") << QString(KVF_SOURCE_DIR) + "/resources/samples";
    }
    void checkRowsEqualKvfcheckRows() {
        QFETCH(QString, caseDir);
        QTemporaryDir work;
        const QString input = CopyAcceptanceCase(caseDir, work);
        QVERIFY(!input.isEmpty());
        QDir::setCurrent(work.path());
        QStringList expected = KvfcheckRows(work.path(), input);

        FrameFixture f(work.filePath("settings.ini"));
        QList<CChildFrame*> opened = f.frame->OpenPaths({work.filePath(input)}, false);
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
