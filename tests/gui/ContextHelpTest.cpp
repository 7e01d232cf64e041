// Context help: F1 (or Shift+F1) on a highlighted command opens the command's page, Shift+F1
// elsewhere starts help mode in which the next command chosen opens its page instead of
// running; the settings' options and the text view's lists have pages of their own.
#include "FrameFixture.h"

#include "app/FindReplaceDialog.h"
#include "app/HelpWindow.h"
#include "app/LiveCheck.h"
#include "app/SettingsDialog.h"
#include "views/CKVFTreeView.h"
#include "views/CompletionPopup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

using namespace kvf;

namespace {

QString ShownPage(const HelpWindow& help) {
    return help.isVisible() ? help.Browser()->source().fileName() : QString();
}

QMenu* MenuTitled(CMainFrame& frame, const QString& title) {
    for (QAction* top : frame.menuBar()->actions())
        if (top->text() == title)
            return top->menu();
    return nullptr;
}

bool InHelpMode() {
    return QApplication::overrideCursor() &&
           QApplication::overrideCursor()->shape() == Qt::WhatsThisCursor;
}

// A main window with a document and the help window, active, as a user has it.
struct HelpFixture {
    QTemporaryDir cwd;
    QString previousDir = QDir::currentPath();
    HelpWindow help;
    FrameFixture f;
    CChildFrame* child;

    HelpFixture() {
        QDir::setCurrent(cwd.path());
        f.frame->SetHelpWindow(&help);
        child =
            f.frame->OpenPaths({f.Write("dev.kvf", "#TALVERON_DP\nKVF_Revision = 1\n\n")}, false)
                .first();
        f.frame->activateWindow();
        if (!QTest::qWaitForWindowActive(f.frame.get(), kHangsMs))
            qWarning("the main window is not active");
        child->TextView()->setFocus();
    }
    ~HelpFixture() {
        help.close();
        QDir::setCurrent(previousDir);
    }
};

} // namespace

class ContextHelpTest : public QObject {
    Q_OBJECT
  private slots:
    void helpKeyOnAHighlightedCommandOpensItsPage_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("redo") << "&Edit"
                              << "cmd_edit_redo" << int(Qt::NoModifier);
        QTest::newRow("find next") << "&Edit"
                                   << "cmd_edit_findnext" << int(Qt::NoModifier);
        QTest::newRow("find previous") << "&Edit"
                                       << "cmd_edit_findprev" << int(Qt::ShiftModifier);
        QTest::newRow("go to line") << "&Edit"
                                    << "cmd_edit_goto" << int(Qt::NoModifier);
        QTest::newRow("tabbed documents") << "&View"
                                          << "cmd_view_tabbed" << int(Qt::ShiftModifier);
        QTest::newRow("open") << "&File"
                              << "cmd_file_open" << int(Qt::NoModifier);
    }
    void helpKeyOnAHighlightedCommandOpensItsPage() {
        QFETCH(QString, menu);
        QFETCH(QString, command);
        QFETCH(int, modifiers);
        HelpFixture h;
        QMenu* shown = MenuTitled(*h.f.frame, menu);
        QVERIFY(shown);
        shown->popup(h.f.frame->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(shown, kHangsMs));
        shown->setActiveAction(h.f.frame->Command(command));
        QTest::keyClick(shown, Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ShownPage(h.help), command + ".htm");
        QVERIFY(!shown->isVisible());
        // The command itself did not run.
        QVERIFY(!h.f.frame->Command("cmd_view_tabbed")->isChecked());
        QVERIFY(!InHelpMode());
    }

    // Shift+F1, then a command's key, a toolbar button or a click in a window: the page of
    // what was chosen opens, and the command does not run. Escape leaves help mode.
    void helpModeShowsThePageOfWhatIsChosenNext() {
        HelpFixture h;
        QWidget* text = h.child->TextView();
        QString dialogShown;
        QTimer guard; // a command that ran anyway would wait in its dialog
        connect(&guard, &QTimer::timeout, [&dialogShown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                dialogShown = modal->windowTitle();
                modal->close();
            }
        });
        guard.start(200);

        QTest::keyClick(text, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(InHelpMode());
        QTest::keyClick(text, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(ShownPage(h.help), QString("cmd_edit_goto.htm"));
        QVERIFY(!InHelpMode());
        QTest::qWait(300);
        QCOMPARE(dialogShown, QString());

        QTest::keyClick(text, Qt::Key_F1, Qt::ShiftModifier);
        const QStringList rows = h.f.Rows();
        QWidget* check =
            h.f.frame->MainToolBar()->widgetForAction(h.f.frame->Command("cmd_extras_check"));
        QVERIFY(check);
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(ShownPage(h.help), QString("cmd_extras_check.htm"));
        QCOMPARE(h.f.Rows(), rows); // no check ran

        QTest::keyClick(text, Qt::Key_F1, Qt::ShiftModifier);
        QTest::mouseClick(h.child->TreeView()->viewport(), Qt::LeftButton);
        QCOMPARE(ShownPage(h.help), QString("wnd_child.htm"));

        QTest::keyClick(text, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(InHelpMode());
        QTest::keyClick(text, Qt::Key_Escape);
        QVERIFY(!InHelpMode());
        h.help.close();
        h.f.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.f.frame.get(), kHangsMs));
        QTest::keyClick(text, Qt::Key_F3);
        QVERIFY(!h.help.isVisible());
        auto* find = h.f.frame->findChild<FindReplaceDialog*>();
        QVERIFY(find && find->isVisible()); // F3 without a search opened Find, as usual
    }

    // F1 in the Settings dialog opens its page, on the live-check box the option's own.
    void helpKeyInTheSettingsOpensTheirPages() {
        HelpFixture h;
        SettingsDialog dialog(h.f.frame->Settings(), h.f.frame.get());
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog, kHangsMs));
        auto* live = dialog.findChild<QCheckBox*>("cmd_extras_livecheck");
        QVERIFY(live);
        live->setFocus();
        QTest::keyClick(live, Qt::Key_F1);
        QCOMPARE(ShownPage(h.help), QString("cmd_extras_livecheck.htm"));
        QVERIFY(live->isChecked()); // the key did not toggle it
        h.help.close();
        QCheckBox* other = nullptr;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box != live && box->isEnabled())
                other = box;
        QVERIFY(other);
        other->setFocus();
        QTest::keyClick(other, Qt::Key_F1);
        QCOMPARE(ShownPage(h.help), QString("cmd_extras_settings.htm"));
    }

    // F1 in the list of words Ctrl+Space offers, and on a quick fix, opens their pages.
    void helpKeyInTheTextViewsListsOpensTheirPages() {
        HelpFixture h;
        CKVFTextView* view = h.child->TextView();
        view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(2)));
        QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
        QAbstractItemView* list = view->Completion().Completer().popup();
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 60'000); // with the parse of the text
        QTest::keyClick(list, Qt::Key_F1);
        QCOMPARE(ShownPage(h.help), QString("cmd_edit_complete.htm"));
        list->hide();

        QSignalSpy checked(&h.child->Live(), &LiveCheck::checked);
        view->insertPlainText("Vendr_Name = \"ACME\"");
        QVERIFY(WaitForNext(checked));
        QPointer<QMenu> fixes = view->CreateQuickFixMenu(); // deletes itself as it closes
        QVERIFY(fixes);
        fixes->popup(view->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(fixes, kHangsMs));
        fixes->setActiveAction(fixes->actions().first());
        QTest::keyClick(fixes, Qt::Key_F1);
        QVERIFY(!fixes || !fixes->isVisible());
        QCOMPARE(ShownPage(h.help), QString("cmd_edit_quickfix.htm"));
        QCOMPARE(view->document()->findBlockByNumber(2).text(), QString("Vendr_Name = \"ACME\""));
    }
};

QTEST_MAIN(ContextHelpTest)
#include "ContextHelpTest.moc"
