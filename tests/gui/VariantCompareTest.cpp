// Extras > Compare Language Variants: the active document as it stands against its siblings,
// the differences in the output window as kvfcheck --variants lists them, and a row's click
// that shows both lines side by side.
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeView>

using namespace kvf;

namespace {

// The reference; lines 0-based.
const QByteArray kReference = "#TALVERON_DP\r\n"             // 0
                              "Vendor_Name = \"Vendor\"\r\n" // 1
                              "Min_Slave_Intervall = 1\r\n"  // 2
                              "MaxTsdr_9.6 = 60\r\n"         // 3
                              "PrmText = 1\r\n"              // 4
                              "Text(0) = \"Off\"\r\n"        // 5
                              "EndPrmText\r\n"               // 6
                              "Station_Type = 0\r\n";        // 7

// The German file: a comment more (its lines one after the reference's), a text (no
// difference), a value and a whole block differ.
const QByteArray kGerman = "#TALVERON_DP\n"
                           "; Deutsch\n"
                           "Vendor_Name = \"Hersteller\"\n"
                           "Min_Slave_Intervall = 2\n"
                           "MaxTsdr_9.6 = 60\n"
                           "Station_Type = 0\n";

const QString kStart = "Info\t---\tStart comparison of file DEV.KVG with its language variant "
                       "DEV.KVD ...";
const QString kStop = "Info\t---\t...stop comparison";
const QString kValue = "Error\tLine 4\tValue of key \"Min_Slave_Intervall\" is '2' here but '1' "
                       "in the language variant DEV.KVD (Line 3).";
const QString kBlock = "Error\tLine 6\tBlock 'PrmText = 1' of the language variant DEV.KVD "
                       "(Lines 5-7) is missing here.";

// What kvfcheck --variants prints for `file` of `dir`, with empty settings.
QStringList KvfcheckVariantRows(const QString& dir, const QString& file) {
    WriteBytes(QDir(dir).filePath("kvfcheck.ini"), {});
    QProcess run;
    run.setWorkingDirectory(dir);
    run.start(KVFCHECK_PATH, {"--settings", "kvfcheck.ini", "--variants", file});
    run.waitForFinished(kHangsMs);
    QStringList rows = QString::fromLatin1(run.readAllStandardOutput()).split('\n');
    rows.removeAll(QString());
    return rows;
}

void Compare(FrameFixture& f) {
    f.frame->Command("cmd_extras_variants")->trigger();
    f.frame->WaitForVariantComparison();
}

int CaretLine(CChildFrame* child) {
    return child->TextView()->textCursor().blockNumber();
}

// Clicks a row of the output window as the user does.
void ClickRow(FrameFixture& f, int row) {
    QTreeView* list = f.frame->OutputWindow()->List();
    const QRect rect = list->visualRect(list->model()->index(row, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class VariantCompareTest : public QObject {
    Q_OBJECT

  private slots:
    void rowsAreTheDifferencesAsKvfcheckListsThem() {
        FrameFixture f;
        f.Write("DEV.KVD", kReference);
        const QString german = f.Write("DEV.KVG", kGerman);
        f.frame->OpenPaths({german}, false);
        Compare(f);
        const QStringList expected = {kStart, kValue, kBlock, kStop};
        QCOMPARE(f.Rows(), expected);
        QCOMPARE(KvfcheckVariantRows(f.dir.path(), "DEV.KVG"), expected);
    }

    // Against a sibling that agrees, the comparison says so; the reference compared with
    // the German file names the German file's lines.
    void eachSiblingInTurn() {
        FrameFixture f;
        const QString reference = f.Write("DEV.KVD", kReference);
        f.Write("dev.kve", QByteArray(kReference).replace("\"Vendor\"", "\"Seller\""));
        f.Write("DEV.KVG", kGerman);
        f.frame->OpenPaths({reference}, false);
        Compare(f);
        const QString start = "Info\t---\tStart comparison of file DEV.KVD with its language "
                              "variant %1 ...";
        QCOMPARE(f.Rows(),
                 QStringList({start.arg("dev.kve"), "Info\t---\t... the language variants agree.",
                              kStop, start.arg("DEV.KVG"),
                              "Error\tLine 3\tValue of key \"Min_Slave_Intervall\" is '1' here "
                              "but '2' in the language variant DEV.KVG (Line 4).",
                              "Error\tLine 5\tBlock 'PrmText = 1' (Lines 5-7) is missing in the "
                              "language variant DEV.KVG (near Line 6).",
                              kStop}));
    }

    // What is compared is the text in the editor, of the document and of an open sibling,
    // saved or not; the files stay as they are.
    void unsavedTextsAreCompared() {
        FrameFixture f;
        const QString reference = f.Write("DEV.KVD", kReference);
        const QString german = f.Write("DEV.KVG", kGerman);
        CChildFrame* referenceWindow = f.frame->OpenPaths({reference}, false).first();
        CChildFrame* germanWindow = f.frame->OpenPaths({german}, false).first();

        QTextCursor value(referenceWindow->Doc().Text().findBlockByNumber(3));
        value.movePosition(QTextCursor::EndOfBlock);
        value.deletePreviousChar();
        value.insertText("5"); // MaxTsdr_9.6 = 65
        QTextCursor own(germanWindow->Doc().Text().findBlockByNumber(3));
        own.movePosition(QTextCursor::EndOfBlock);
        own.deletePreviousChar();
        own.insertText("1"); // Min_Slave_Intervall = 1, as in the reference
        f.frame->MdiArea()->setActiveSubWindow(germanWindow);
        Compare(f);
        QCOMPARE(f.Rows(), QStringList({kStart,
                                        "Error\tLine 5\tValue of key \"MaxTsdr_9.6\" is '60' "
                                        "here but '65' in the language variant DEV.KVD (Line 4).",
                                        kBlock, kStop}));
        QCOMPARE(ReadBytes(reference), kReference);
        QCOMPARE(ReadBytes(german), kGerman);
    }

    void noVariantSaysSo_data() {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<QString>("row");
        QTest::newRow("alone") << false
                               << "Info\t---\tNo language variant of file DEV.KVG beside it.";
        QTest::newRow("untitled")
            << true
            << "Info\t---\tThe document has no file name yet: save it beside its language "
               "variants to compare it with them.";
    }
    void noVariantSaysSo() {
        QFETCH(bool, untitled);
        QFETCH(QString, row);
        FrameFixture f;
        f.Write("DEV.TXT", kReference); // no KVF file
        f.Write("DEVICE.KVD", kReference);
        if (untitled)
            f.frame->NewDocument();
        else
            f.frame->OpenPaths({f.Write("DEV.KVG", kGerman)}, false);
        Compare(f);
        QCOMPARE(f.Rows(), QStringList{row});
        QVERIFY(f.frame->OutputWindow()->isVisible());
    }

    void clickShowsBothLinesSideBySide() {
        FrameFixture f;
        const QString reference = f.Write("DEV.KVD", kReference);
        const QString german = f.Write("DEV.KVG", kGerman);
        CChildFrame* germanWindow = f.frame->OpenPaths({german}, false).first();
        Compare(f);
        QCOMPARE(f.Rows().value(2), kBlock);

        ClickRow(f, 2);
        QTRY_COMPARE(f.frame->Children().size(), 2);
        CChildFrame* referenceWindow = f.frame->ActiveChild();
        QVERIFY(referenceWindow != germanWindow);
        QCOMPARE(QFileInfo(referenceWindow->Doc().Path()).canonicalFilePath(),
                 QFileInfo(reference).canonicalFilePath());
        QCOMPARE(CaretLine(referenceWindow), 4); // PrmText = 1
        QCOMPARE(CaretLine(germanWindow), 5);    // where the block would stand
        // Side by side, the document on the left, neither hiding the other.
        QVERIFY(!germanWindow->isMaximized() && !referenceWindow->isMaximized());
        QVERIFY(germanWindow->isVisible() && referenceWindow->isVisible());
        QVERIFY(germanWindow->geometry().right() < referenceWindow->geometry().left());
        QCOMPARE(germanWindow->geometry().top(), referenceWindow->geometry().top());

        // Another row: the open sibling is taken, not opened again.
        ClickRow(f, 1);
        QTRY_COMPARE(CaretLine(referenceWindow), 2);
        QCOMPARE(CaretLine(germanWindow), 3);
        QCOMPARE(f.frame->Children().size(), 2);
        QCOMPARE(f.frame->ActiveChild(), referenceWindow);

        // Frame rows go nowhere.
        ClickRow(f, 0);
        QTest::qWait(50);
        QCOMPARE(CaretLine(referenceWindow), 2);
        QCOMPARE(f.frame->Children().size(), 2);
    }
};

QTEST_MAIN(VariantCompareTest)
#include "VariantCompareTest.moc"
