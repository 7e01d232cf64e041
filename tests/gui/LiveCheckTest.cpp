// Check as you type: a pause in typing checks a snapshot of the text on a worker thread,
// the findings are marked in the text, results for an older text are dropped, and the tree
// follows the text.
#include "AcceptanceCases.h"
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include "app/LiveCheck.h"
#include "app/SettingsDialog.h"
#include "core/MessageIds.h"
#include "views/CInputView.h"
#include "views/CKVFTreeView.h"
#include "views/UiText.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QThread>

#include <atomic>

using namespace kvf;

namespace {

QString LevelName(int level) {
    switch (level) {
    case LEVEL_ERROR:
        return "Error";
    case LEVEL_FATAL:
        return "Fatal Error";
    case LEVEL_WARNING:
        return "Warning";
    default:
        return "Info";
    }
}

// The marks of a text view as the rows kvfcheck prints for them.
QStringList MarkRows(const CKVFTextView& view) {
    QStringList rows;
    for (const views::FindingMarks::Mark& mark : view.Marks().Marks())
        rows << LevelName(mark.Level) + '\t' +
                    (mark.WholeFile ? QString("---") : QString("Line %1").arg(mark.Line() + 1)) +
                    '\t' + mark.Text;
    return rows;
}

// kvfcheck's rows of the findings (errors, fatal errors and warnings) of a file.
QStringList KvfcheckFindingRows(const QString& folder, const QString& name) {
    QStringList rows;
    for (const QString& row : KvfcheckRows(folder, name))
        if (row.startsWith("Error\t") || row.startsWith("Fatal Error\t") ||
            row.startsWith("Warning\t"))
            rows << row;
    return rows;
}

const QByteArray kSmallFile = "#TALVERON_DP\r\nKVF_Revision = 1\r\nVendor_Name = \"ACME\"\r\n";

// A check that waits until the test lets it finish, counting the checks it ran.
struct HeldCheck {
    QSemaphore release;
    std::atomic<int> runs{0};
    std::atomic<bool> onWorker{true};
    QThread* gui = QThread::currentThread();
    LiveCheckFunction Function() {
        return [this](const LiveCheckRequest& request) {
            ++runs;
            if (QThread::currentThread() == gui)
                onWorker = false;
            release.acquire();
            return LiveCheckResult{request.Revision, {}, nullptr};
        };
    }
};

} // namespace

class LiveCheckTest : public QObject {
    Q_OBJECT
    QString previousDir_;
    QTemporaryDir work_;

    CChildFrame* Open(FrameFixture& f, const QByteArray& bytes) {
        return f.frame->OpenPaths({f.Write("ACME1234.kvf", bytes)}, false).first();
    }

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(work_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    // Keystrokes within the pause start no check: ten of them give one check, of the text
    // with all ten, when the pause ends (here: when the test ends it, so that no stall of a
    // busy machine can count as a pause).
    void keystrokesWithinThePauseGiveOneCheck() {
        FrameFixture f;
        CChildFrame* child = Open(f, kSmallFile);
        LiveCheck& live = child->Live();
        SettleLiveCheck(live); // the check of the file as opened
        live.SetPause(60'000);
        QSignalSpy started(&live, &LiveCheck::started);
        QSignalSpy checked(&live, &LiveCheck::checked);
        child->TextView()->moveCursor(QTextCursor::End);
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(child->TextView(), Qt::Key_A);
            QCoreApplication::processEvents();
        }
        QCOMPARE(started.size(), 0);
        live.SetPause(0); // the pause, started again by the last keystroke, ends now
        QVERIFY(WaitForSignals(checked));
        QCOMPARE(started.size(), 1);
        QCOMPARE(checked.size(), 1);
        QCOMPARE(checked.first().first().value<LiveCheckResult>().Revision, live.Revision());
    }

    // A result that arrives after the text changed is dropped; the marks stay as they were.
    void aLateResultForAnOlderTextIsDropped() {
        FrameFixture f;
        CChildFrame* child = Open(f, kSmallFile);
        LiveCheck& live = child->Live();
        live.SetPause(60'000); // only CheckNow starts a check here
        live.WaitForRunning();
        HeldCheck held;
        live.SetCheckFunction(held.Function());
        QSignalSpy checked(&live, &LiveCheck::checked);
        QSignalSpy dropped(&live, &LiveCheck::dropped);
        child->TextView()->SetFindingMarks({{1, 0, 3, LEVEL_ERROR, 0, "old"}});

        live.CheckNow();
        const quint64 checkedRevision = live.Revision();
        QVERIFY(live.IsRunning());
        child->TextView()->moveCursor(QTextCursor::End);
        child->TextView()->insertPlainText("x");
        held.release.release();
        QVERIFY(WaitForSignals(dropped));
        QCOMPARE(dropped.first().first().value<quint64>(), checkedRevision);
        QCOMPARE(checked.size(), 0);
        QCOMPARE(child->TextView()->Marks().Marks().size(), std::size_t(1));
        QVERIFY(held.onWorker);
    }

    // While one check runs, any number of further requests leave one waiting, which checks
    // the newest text when the first is done.
    void oneCheckRunsAndOneWaits() {
        FrameFixture f;
        CChildFrame* child = Open(f, kSmallFile);
        LiveCheck& live = child->Live();
        live.SetPause(60'000);
        live.WaitForRunning();
        HeldCheck held;
        live.SetCheckFunction(held.Function());
        QSignalSpy started(&live, &LiveCheck::started);
        QSignalSpy checked(&live, &LiveCheck::checked);
        live.CheckNow();
        for (int i = 0; i < 5; ++i) {
            child->TextView()->insertPlainText("x");
            live.CheckNow();
        }
        QCOMPARE(started.size(), 1);
        held.release.release(2);
        QVERIFY(WaitForSignals(checked));
        QCOMPARE(started.size(), 2);
        QCOMPARE(started.last().first().value<quint64>(), live.Revision());
        QCOMPARE(held.runs.load(), 2);
    }

    // The marks after opening each acceptance file are kvfcheck's findings for it, with
    // their levels, lines and texts, none left out and none added.
    void marksMatchKvfcheckRows_data() { AddAcceptanceCaseRows(); }
    void marksMatchKvfcheckRows() {
        QFETCH(QString, caseDir);
        QTemporaryDir work;
        const QString input = CopyAcceptanceCase(caseDir, work);
        QVERIFY(!input.isEmpty());
        QDir::setCurrent(work.path());
        const QStringList expected = KvfcheckFindingRows(work.path(), input);

        FrameFixture f(work.filePath("settings.ini"));
        CChildFrame* child = f.frame->OpenPaths({work.filePath(input)}, false).first();
        SettleLiveCheck(child->Live());
        // The marks stand in text order, the rows in the order the check found them.
        QStringList marks = MarkRows(*child->TextView());
        QStringList rows = expected;
        marks.sort();
        rows.sort();
        QCOMPARE(marks, rows);
    }

    // In a UTF-8 file (one with the byte order mark) a mark covers the characters its
    // finding is about, however many bytes they take in the file.
    void marksOfAUtf8FileCoverTheirCharacters() {
        FrameFixture f;
        // Seventeen characters outside the BMP: 34 code units, more than the name may hold.
        const QByteArray kLaughing = QByteArray("\xF0\x9F\x98\x80").repeated(17);
        const QByteArray bytes(QByteArray("\xEF\xBB\xBF#TALVERON_DP\r\n"
                                          "Vendor_Name = \"Gr\xC3\xBC\xC3\x9F"
                                          "e \xE2\x82\xAC\" ; K\xC3\xB6ln\r\n"
                                          "Gr\xC3\xB6\xC3\x9F"
                                          "e = 1\r\n"
                                          "Model_Name = \"") +
                               kLaughing + "\" \r\n");
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", bytes)}, false).first();
        SettleLiveCheck(child->Live());
        QMap<int, QStringList> covered; // line -> the text under each of its marks
        for (const views::FindingMarks::Mark& mark : child->TextView()->Marks().Marks())
            if (!mark.WholeFile)
                covered[mark.Line()] << mark.Range.selectedText();
        const QList<std::pair<int, QString>> expected = {
            {1, QString::fromUtf8("\"Gr\xC3\xBC\xC3\x9F"
                                  "e \xE2\x82\xAC\"")},
            {2, QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                                  "e")},
            // A character outside the BMP counts two code units, as the text does.
            {3, QString::fromUtf8("\"" + kLaughing + "\"")},
        };
        for (const auto& [line, text] : expected)
            QVERIFY2(
                covered.value(line).contains(text),
                qPrintable(QString("line %1: %2").arg(line).arg(covered.value(line).join('|'))));
    }

    // Each mark underlines its range in its level's colour and tells its message over it.
    void marksUnderlineTheirRangeAndTellTheirMessage() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\r\nKVF_Revision = 1\r\nStation_Type = 7\r\n");
        CKVFTextView* view = child->TextView();
        // Opening the file checks it (the marks come, whenever the machine gets to it).
        QTRY_VERIFY_WITH_TIMEOUT(!view->Marks().Marks().empty(), kHangsMs);
        const QList<QTextEdit::ExtraSelection> selections = view->extraSelections();
        QVERIFY(!selections.isEmpty());
        QCOMPARE(selections.first().format.underlineStyle(), QTextCharFormat::WaveUnderline);
        const views::FindingMarks::Mark& mark = view->Marks().Marks().front();
        QTextCursor inside(view->document());
        inside.setPosition(mark.Range.selectionStart());
        const QRect box = view->cursorRect(inside);
        // With the keyword's help below it, the message is rich text.
        const QString tip = view->TooltipAt(box.center() + QPoint(2, 0));
        QVERIFY2(tip.contains(mark.Text) || tip.contains(mark.Text.toHtmlEscaped()),
                 qPrintable(tip));
        QVERIFY(view->GutterTooltipAt(QPoint(5, box.center().y())).contains(mark.Text));
        // The first line holds no finding.
        QVERIFY(!view->TooltipAt(QPoint(1, 1)).contains(mark.Text.toHtmlEscaped()));
    }

    // With the setting off, typing starts no check and the marks go; the tree waits for F5.
    void theSettingTurnsItOff() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\r\nStation_Type = 7\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(!child->TextView()->Marks().Marks().empty(), kHangsMs);

        SettingsDialog dialog(f.frame->Settings());
        QVERIFY(dialog.LiveCheckBox()->isChecked());
        dialog.LiveCheckBox()->setChecked(false);
        EditorSettings changed = f.frame->Settings();
        dialog.CopyTo(changed);
        f.frame->ApplySettings(changed);
        QCOMPARE(f.store->GetInt("Settings", "LiveCheck", 1), 0);
        QVERIFY(child->TextView()->Marks().Marks().empty());

        const std::size_t entries = child->Doc().Engine().Database.Count();
        QSignalSpy started(&child->Live(), &LiveCheck::started);
        child->Live().SetPause(50);
        child->TextView()->moveCursor(QTextCursor::End);
        child->TextView()->insertPlainText("Vendor_Name = \"ACME\"\n");
        QTest::qWait(300);
        QCOMPARE(started.size(), 0);
        QCOMPARE(child->Doc().Engine().Database.Count(), entries);
    }

    // Switched off while a check runs, that check's result is dropped: its marks never show.
    void switchedOffWhileACheckRunsItsMarksNeverShow() {
        FrameFixture f;
        CChildFrame* child = Open(f, kSmallFile);
        LiveCheck& live = child->Live();
        live.SetPause(60'000); // only CheckNow starts a check here
        live.WaitForRunning();
        QSemaphore release;
        live.SetCheckFunction([&release](const LiveCheckRequest& request) {
            release.acquire();
            language::Diagnostic finding;
            finding.Range = {{1, 0}, {1, 5}};
            finding.Level = LEVEL_ERROR;
            finding.Id = 133;
            finding.RowLine = 1;
            finding.Text = "late";
            return LiveCheckResult{request.Revision, {finding}, nullptr};
        });
        QSignalSpy checked(&live, &LiveCheck::checked);
        QSignalSpy dropped(&live, &LiveCheck::dropped);
        live.CheckNow();
        QVERIFY(live.IsRunning());

        SettingsDialog dialog(f.frame->Settings());
        dialog.LiveCheckBox()->setChecked(false);
        EditorSettings changed = f.frame->Settings();
        dialog.CopyTo(changed);
        f.frame->ApplySettings(changed);
        release.release();
        QVERIFY(WaitForNext(dropped));
        QCOMPARE(checked.size(), 0);
        QVERIFY(child->TextView()->Marks().Marks().empty());
    }

    // While it is on, the tree shows what was typed, and the entry selected before stays
    // selected although its line moved.
    void theTreeFollowsTheTextAndKeepsTheSelection() {
        FrameFixture f;
        CChildFrame* child = Open(f, kSmallFile);
        LiveCheck& live = child->Live();
        SettleLiveCheck(live);
        live.SetPause(50);
        QSignalSpy checked(&live, &LiveCheck::checked);
        child->TreeView()->SelectEntryForLine(2); // Vendor_Name
        QCOMPARE(QString::fromStdString(child->Focus().CurrentEntry->Key), QString("Vendor_Name"));

        QTextCursor top(child->Doc().Text().findBlockByNumber(1));
        top.insertText("Model_Name = \"X\"\n");
        QVERIFY(WaitForNext(checked));
        KeywordTreeModel& model = child->TreeView()->Model();
        // The tree follows in a pass of the event loop of its own.
        QTRY_VERIFY_WITH_TIMEOUT(!model
                                      .match(model.RootIndex(), Qt::DisplayRole, "Model_Name (2)",
                                             1, Qt::MatchRecursive | Qt::MatchExactly)
                                      .isEmpty(),
                                 kHangsMs);
        QCOMPARE(model.Label(child->TreeView()->currentIndex()), QString("Vendor_Name (4)"));
        QVERIFY(child->TreeView()->isEnabled());
        QVERIFY(child->InputView()->isEnabled());
    }

    // A click on the tree right after typing: with the check as you type on, the check of
    // the text as it is now runs and the clicked entry is selected in its database (its line
    // moved by the lines typed above it), without a box; with it off, the tree asks for a
    // rebuild (F5) as before.
    void aClickRightAfterTypingSelectsTheEntry_data() {
        QTest::addColumn<bool>("live");
        QTest::newRow("live check on") << true;
        QTest::newRow("live check off") << false;
    }
    void aClickRightAfterTypingSelectsTheEntry() {
        QFETCH(bool, live);
        FrameFixture f;
        f.store->SetInt("Settings", "LiveCheck", live ? 1 : 0);
        CChildFrame* child = Open(f, kSmallFile + "Model_Name = \"X\"\r\n");
        child->Live().WaitForRunning();
        QApplication::processEvents();
        child->Live().SetPause(60'000); // only the click starts the check
        QSignalSpy checked(&child->Live(), &LiveCheck::checked);
        // Two lines typed above Vendor_Name, one of them splitting a line.
        QTextCursor top(child->Doc().Text().findBlockByNumber(1));
        top.insertText("; typed\n");
        QTextCursor revision(child->Doc().Text().findBlockByNumber(2));
        revision.movePosition(QTextCursor::EndOfBlock);
        revision.insertText(" ; a\n; b");

        CKVFTreeView* tree = child->TreeView();
        QModelIndexList node =
            tree->Model().match(tree->Model().RootIndex(), Qt::DisplayRole, "Vendor_Name (3)", 1,
                                Qt::MatchRecursive | Qt::MatchExactly);
        QVERIFY(!node.isEmpty());
        tree->scrollTo(node.first());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualRect(node.first()).center());
        if (!live) {
            // The box comes after the tree's own handler of the click has returned.
            QTRY_COMPARE_WITH_TIMEOUT(f.alerts, QStringList{UiText(msg::DatabaseNeedsUpdate)},
                                      kHangsMs);
            QVERIFY(!tree->isEnabled());
            return;
        }
        QVERIFY(checked.wait(60'000));
        QTRY_VERIFY_WITH_TIMEOUT(child->Focus().CurrentEntry != nullptr, 60'000);
        QVERIFY(f.alerts.isEmpty());
        const CDbEntry& entry = *child->Focus().CurrentEntry;
        QCOMPARE(QString::fromStdString(std::string(entry.Key)), QString("Vendor_Name"));
        QCOMPARE(entry.LongLine, 4);
        QCOMPARE(tree->Model().Label(tree->currentIndex()), QString("Vendor_Name (5)"));
        QCOMPARE(child->TextView()->textCursor().blockNumber(), 4);
        QVERIFY(tree->isEnabled());
        QVERIFY(child->InputView()->isEnabled());
        QCOMPARE(child->InputView()->StringField()->toPlainText(), QString("ACME"));
    }

    // A run of the document's own (F7, F5) gives the window its events between its steps; a
    // live result that arrives then must not replace the database the run is filling.
    void aResultDuringARunLeavesTheDatabaseAlone() {
        FrameFixture f;
        CChildFrame* child = Open(f, kSmallFile);
        LiveCheck& live = child->Live();
        SettleLiveCheck(live);
        live.SetPause(50);
        QSignalSpy checked(&live, &LiveCheck::checked);
        const CKeyDatabase& database = child->Doc().Engine().Database;
        const std::size_t entries = database.Count();

        ++child->Doc().Engine().RunsInProgress;
        child->TextView()->moveCursor(QTextCursor::End);
        child->TextView()->insertPlainText("Model_Name = \"X\"\n");
        QVERIFY(WaitForNext(checked));
        QTest::qWait(50); // the pass of the event loop in which the tree would follow
        QCOMPARE(database.Count(), entries);
        --child->Doc().Engine().RunsInProgress;
    }
};

QTEST_MAIN(LiveCheckTest)
#include "LiveCheckTest.moc"
