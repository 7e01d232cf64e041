// Commands chosen in menus, popups and lists, driven as a user drives them: key and mouse
// events on the popped-up menu or list, delivered from a running event loop as the
// application delivers them. A command that rebuilds, checks or opens a dialog processes
// events on its way; the menu it came from deletes itself meanwhile. Run in the sanitizer
// build, a command that still ran inside the menu's handler shows up as a use after free.
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include "app/LiveCheck.h"
#include "app/UserKeyDialog.h"
#include "views/CKVFTreeView.h"
#include "views/CompletionPopup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

using namespace kvf;

namespace {

// A minute means "it hangs", never "it is slow".
constexpr int kDeadlineMs = 60000;

const QByteArray kClean = "#TALVERON_DP\n"
                          "KVF_Revision = 1\n"
                          "Vendor_Name = \"ACME\"\n"
                          "Model_Name = \"Box\"\n"
                          "Revision = \"V1.0\"\n"
                          "Ident_Number = 0x1234\n"
                          "Protocol_Ident = 0\n"
                          "Station_Type = 0\n"
                          "Hardware_Release = \"HW1\"\n"
                          "Software_Release = \"SW1\"\n"
                          "9.6_supp = 1\n"
                          "MaxTsdr_9.6 = 60\n"
                          "Min_Slave_Intervall = 6\n"
                          "Max_Diag_Data_Len = 6\n"
                          "Slave_Family = 3\n"
                          "Module = \"Mod1\" 0x13\n"
                          "EndModule\n";

QByteArray Replaced(QByteArray text, const QByteArray& from, const QByteArray& to) {
    return text.replace(from, to);
}

// Runs `events` from inside a running event loop, as the application delivers real input:
// what a handler leaves for later (a deferred deletion, a queued command) is then carried out
// by the next round of events, as it is in the program.
void FromEventLoop(const std::function<void()>& events) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        events();
        loop.quit();
    });
    loop.exec();
}

// The progress dialog as a desktop session runs it: at each step the window system's events
// are handled, and with them the deletions the handlers on the stack asked for (a menu that
// closed as its action was chosen deletes itself then). A command still running inside the
// menu's handler would go on in the freed menu and in its own freed state.
class DesktopProgress : public ProgressSink {
  public:
    explicit DesktopProgress(AppServices& app) : app_(&app), dialog_(&app.Progress()) {
        app_->SetProgressSink(this);
    }
    ~DesktopProgress() override { app_->SetProgressSink(dialog_); }
    DesktopProgress(const DesktopProgress&) = delete;
    DesktopProgress& operator=(const DesktopProgress&) = delete;

    void Begin(const std::string& caption) override { dialog_->Begin(caption); }
    void Step() override {
        dialog_->Step();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Status(const std::string& text) override { dialog_->Status(text); }
    void End() override { dialog_->End(); }
    bool ShowsStatus() const override { return dialog_->ShowsStatus(); }

  private:
    AppServices* app_;
    ProgressSink* dialog_;
};

// The menu that popped up last, once it is shown.
QMenu* PoppedUpMenu() {
    QMenu* menu = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu && menu->isVisible();
        },
        kDeadlineMs);
    return shown ? menu : nullptr;
}

// Watches the command a menu action (or a list's signal) starts. A slot connected after the
// command's own runs as soon as the command's slot has returned, still inside the handler of
// the key or click: by then the command must not have run (it is queued), and the menu must
// still stand (had the command processed events, the menu would have deleted itself under
// the handler).
class CommandWatch {
  public:
    template <typename Sender, typename Signal>
    CommandWatch(Sender& sender, Signal signal, std::function<bool()> ran, QObject* menu = nullptr)
        : ran_(std::move(ran)) {
        QObject::connect(&sender, signal, &guard_, [this] {
            returned_ = true;
            ranInside_ = ran_();
        });
        if (menu)
            QObject::connect(menu, &QObject::destroyed, &guard_,
                             [this] { deletedInside_ = deletedInside_ || !returned_; });
    }
    // Whether the command's slot returned, and the command had then run nowhere yet.
    bool Queued() const { return returned_ && !ranInside_ && !deletedInside_; }

  private:
    QObject guard_;
    std::function<bool()> ran_;
    bool returned_ = false;
    bool ranInside_ = false;
    bool deletedInside_ = false;
};

QAction* ActionStartingWith(QMenu& menu, const QString& title) {
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->isEnabled() && action->text().startsWith(title))
            return action;
    return nullptr;
}

// Chooses the action of a popped-up menu as a user does: with the arrow keys and Return, or
// with a click on it.
// The events go to the menu's window, as the window system delivers them.
void Choose(QMenu* menu, QAction* action, bool byMouse) {
    QWindow* window = menu->windowHandle();
    QVERIFY(window);
    if (byMouse) {
        const QPoint at = menu->actionGeometry(action).center();
        QTest::mouseMove(window, at);
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
        return;
    }
    for (int presses = 0; menu->activeAction() != action && presses < 50; ++presses)
        QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Return);
}

// Puts the caret at the start of the first mark whose message holds `text`.
bool CaretOnMark(CKVFTextView& view, const QString& text) {
    for (const views::FindingMarks::Mark& mark : view.Marks().Marks()) {
        if (!mark.Text.contains(text))
            continue;
        QTextCursor at(view.document());
        at.setPosition(mark.WholeFile ? 0 : mark.Range.selectionStart());
        view.setTextCursor(at);
        return true;
    }
    return false;
}

QModelIndex NodeLabelled(QAbstractItemView& tree, const QString& label) {
    QAbstractItemModel* model = tree.model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, label, 1,
                                               Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

QString Text(const CChildFrame* child) {
    return child->TextView()->toPlainText();
}

} // namespace

class MenuCommandsTest : public QObject {
    Q_OBJECT
    QString previousDir_;
    QTemporaryDir work_;

    CChildFrame* Open(FrameFixture& f, const QByteArray& bytes, const QString& name = "ACME.kvf") {
        CChildFrame* child = f.frame->OpenPaths({f.Write(name, bytes)}, false).value(0);
        if (child) {
            // The marks of the text as opened, and the tree that follows them.
            child->Live().CheckNow();
            while (child->Live().IsRunning())
                child->Live().WaitForRunning();
            QCoreApplication::processEvents();
        }
        return child;
    }

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(work_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    // Every kind of quick fix, chosen with the keys and with the mouse from the menu that
    // Ctrl+. pops up: the fix is made (one undo step for a text fix) and the menu is gone.
    void quickFixMenuMakesEveryKindOfFix_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("mark");  // a text of the finding's message
        QTest::addColumn<QString>("title"); // the beginning of the fix's title
        QTest::addColumn<QString>("fixed"); // a text the fixed file holds; none: registered
        QTest::addColumn<bool>("byMouse");
        const QByteArray unknown =
            Replaced(kClean, "KVF_Revision = 1\n", "KVF_Revision = 1\nOrderNumber = \"6SE\"\n");
        for (bool byMouse : {false, true}) {
            const char* how = byMouse ? " (mouse)" : " (keys)";
            QTest::addRow("register a user key%s", how)
                << unknown << "OrderNumber"
                << "Register OrderNumber" << QString() << byMouse;
            QTest::addRow("did you mean%s", how)
                << Replaced(kClean, "Vendor_Name", "Vendr_Name") << "Vendr_Name"
                << "Did you mean Vendor_Name"
                << "\nVendor_Name = \"ACME\"\n"
                << byMouse;
            QTest::addRow("end of a block%s", how)
                << Replaced(kClean, "EndModule\n", "") << "EndModule"
                << "Insert EndModule"
                << "0x13\nEndModule" << byMouse;
            QTest::addRow("missing keyword%s", how)
                << Replaced(kClean, "Model_Name = \"Box\"\n", "") << "\"Model_Name\" is mandatory"
                << "Insert Model_Name"
                << "Model_Name = \"\"" << byMouse;
            QTest::addRow("nearest allowed value%s", how)
                << Replaced(kClean, "Max_Diag_Data_Len = 6", "Max_Diag_Data_Len = 3")
                << "Max_Diag_Data_Len"
                << "Replace with the nearest allowed value 6"
                << "Max_Diag_Data_Len = 6" << byMouse;
            QTest::addRow("suppression comment%s", how)
                << unknown << "OrderNumber"
                << "Silence 133"
                << "OrderNumber = \"6SE\" ; kvf-disable-line 133" << byMouse;
        }
    }
    void quickFixMenuMakesEveryKindOfFix() {
        QFETCH(QByteArray, file);
        QFETCH(QString, mark);
        QFETCH(QString, title);
        QFETCH(QString, fixed);
        QFETCH(bool, byMouse);
        FrameFixture f;
        DesktopProgress desktop(*f.app);
        CChildFrame* child = Open(f, file);
        QVERIFY(child);
        CKVFTextView* view = child->TextView();
        view->setFocus();
        QVERIFY2(CaretOnMark(*view, mark), qPrintable(mark));
        const QString before = Text(child);

        QPointer<QMenu> menu;
        std::unique_ptr<CommandWatch> watch;
        FromEventLoop([&] {
            QTest::keyClick(view, Qt::Key_Period, Qt::ControlModifier);
            menu = PoppedUpMenu();
            QVERIFY(menu);
            QAction* fix = ActionStartingWith(*menu, title);
            QVERIFY2(fix, qPrintable(title));
            watch = std::make_unique<CommandWatch>(
                *fix, &QAction::triggered,
                [&] {
                    return Text(child) != before ||
                           !f.store->GetString("UserKeys", "ORDERNUMBER", "").empty();
                },
                menu);
            Choose(menu, fix, byMouse);
        });
        QVERIFY2(watch->Queued(), "the fix ran inside the menu's handler");
        if (fixed.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(!f.store->GetString("UserKeys", "ORDERNUMBER", "").empty(),
                                     kDeadlineMs);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(Text(child).contains(fixed), kDeadlineMs);
            view->undo();
            QCOMPARE(Text(child), before);
        }
        QTRY_VERIFY_WITH_TIMEOUT(menu.isNull(), kDeadlineMs); // it deleted itself
        QVERIFY(f.alerts.isEmpty());
    }

    // The text view's context menu offers the fixes above the edit commands; a right-click
    // on the mark and a click on the registration registers the key.
    void textContextMenuRegistersAKey() {
        FrameFixture f;
        DesktopProgress desktop(*f.app);
        CChildFrame* child = Open(
            f, Replaced(kClean, "KVF_Revision = 1\n", "KVF_Revision = 1\nOrderNumber = \"6SE\"\n"));
        QVERIFY(child);
        CKVFTextView* view = child->TextView();
        QVERIFY(CaretOnMark(*view, "OrderNumber"));
        const QPoint at = view->cursorRect().center() + QPoint(4, 0);
        std::unique_ptr<CommandWatch> watch;
        FromEventLoop([&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                    view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &event);
            QMenu* menu = PoppedUpMenu();
            QVERIFY(menu);
            QAction* registration = ActionStartingWith(*menu, "Register OrderNumber");
            QVERIFY(registration);
            watch = std::make_unique<CommandWatch>(
                *registration, &QAction::triggered,
                [&] { return !f.store->GetString("UserKeys", "ORDERNUMBER", "").empty(); }, menu);
            Choose(menu, registration, true);
        });
        QVERIFY2(watch->Queued(), "the registration ran inside the menu's handler");
        QTRY_VERIFY_WITH_TIMEOUT(!f.store->GetString("UserKeys", "ORDERNUMBER", "").empty(),
                                 kDeadlineMs);
        // The live check that follows the registration no longer marks the key.
        QSignalSpy checked(&child->Live(), &LiveCheck::checked);
        QVERIFY(checked.wait(kDeadlineMs));
        for (const views::FindingMarks::Mark& mark : view->Marks().Marks())
            QVERIFY2(!mark.Text.contains("OrderNumber"), qPrintable(mark.Text));
    }

    // The words offered at the caret go in when chosen with Return or with a click in the list.
    void completionListPutsTheChosenWordIn_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("keys") << false;
        QTest::newRow("mouse") << true;
    }
    void completionListPutsTheChosenWordIn() {
        QFETCH(bool, byMouse);
        FrameFixture f;
        CChildFrame* child = Open(f, Replaced(kClean, "Vendor_Name = \"ACME\"\n", "Vend\n"));
        QVERIFY(child);
        CKVFTextView* view = child->TextView();
        view->setFocus();
        QTextCursor caret(view->document()->findBlockByNumber(2));
        caret.movePosition(QTextCursor::EndOfBlock);
        view->setTextCursor(caret);
        QCompleter& completer = view->Completion().Completer();
        CommandWatch watch(completer, qOverload<const QString&>(&QCompleter::activated),
                           [&] { return view->document()->findBlockByNumber(2).text() != "Vend"; });
        FromEventLoop([&] {
            QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
            QAbstractItemView* list = completer.popup();
            QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), kDeadlineMs);
            const QModelIndex first = list->model()->index(0, 0);
            QCOMPARE(first.data().toString(), QString("Vendor_Name"));
            if (byMouse) {
                const QPoint at = list->visualRect(first).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            } else {
                QTest::keyClick(list, Qt::Key_Return);
            }
        });
        QVERIFY2(watch.Queued(), "the word went in inside the list's handler");
        QTRY_COMPARE_WITH_TIMEOUT(view->document()->findBlockByNumber(2).text(),
                                  QString("Vendor_Name"), kDeadlineMs);
        QVERIFY(!view->Completion().IsVisible());
    }

    // Each command of the keyword tree's context menu, opened with Shift+F10 on a selected
    // entry and chosen with the keys or the mouse, runs once the menu is gone.
    void treeContextMenuRunsEachCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("byMouse");
        for (bool byMouse : {false, true})
            for (const char* command : {"Key Info", "Check Syntax", "User Key", "Show Details"})
                QTest::addRow("%s%s", command, byMouse ? " (mouse)" : " (keys)")
                    << QString(command) << byMouse;
    }
    void treeContextMenuRunsEachCommand() {
        QFETCH(QString, command);
        QFETCH(bool, byMouse);
        FrameFixture f;
        DesktopProgress desktop(*f.app);
        CChildFrame* child = Open(
            f, Replaced(kClean, "KVF_Revision = 1\n", "KVF_Revision = 1\nOrderNumber = \"6SE\"\n"));
        QVERIFY(child);
        CKVFTreeView* tree = child->TreeView();
        const QModelIndex node = NodeLabelled(*tree, "OrderNumber (3)");
        QVERIFY(node.isValid());
        tree->setFocus();
        tree->setCurrentIndex(node);
        // User Key... opens its dialog modal: OK takes the dialog's first choice.
        bool accepted = false;
        std::function<void()> acceptDialog = [&] {
            if (auto* dialog = qobject_cast<UserKeyDialog*>(QApplication::activeModalWidget())) {
                dialog->accept();
                accepted = true;
            } else {
                QTimer::singleShot(10, acceptDialog);
            }
        };
        if (command == "User Key")
            QTimer::singleShot(0, acceptDialog);
        QPointer<QMenu> menu;
        std::unique_ptr<CommandWatch> watch;
        FromEventLoop([&] {
            QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
            menu = PoppedUpMenu();
            QVERIFY(menu);
            QAction* action = ActionStartingWith(*menu, command);
            QVERIFY2(action, qPrintable(command));
            const int rows = f.frame->OutputWindow()->RowCount();
            watch = std::make_unique<CommandWatch>(
                *action, &QAction::triggered,
                [&, rows] {
                    return accepted || tree->findChild<QDialog*>() ||
                           f.frame->OutputWindow()->RowCount() != rows;
                },
                menu);
            Choose(menu, action, byMouse);
        });
        QVERIFY2(watch->Queued(), "the command ran inside the menu's handler");
        QTRY_VERIFY_WITH_TIMEOUT(menu.isNull(), kDeadlineMs);
        if (command == "Check Syntax") {
            QTRY_VERIFY_WITH_TIMEOUT(f.Rows().join('\n').contains("Stop Syntax-Check"),
                                     kDeadlineMs);
        } else if (command == "User Key") {
            QTRY_VERIFY_WITH_TIMEOUT(accepted, kDeadlineMs);
            QTRY_VERIFY_WITH_TIMEOUT(!f.store->GetString("UserKeys", "ORDERNUMBER", "").empty(),
                                     kDeadlineMs);
        } else if (command == "Show Details") {
            QTRY_VERIFY_WITH_TIMEOUT(tree->findChild<QDialog*>() &&
                                         tree->findChild<QDialog*>()->isVisible(),
                                     kDeadlineMs);
            delete tree->findChild<QDialog*>();
        } else {
            QTest::qWait(0); // Key Info opens the keyword's help, where there is a help window
        }
        QVERIFY2(f.alerts.isEmpty(), qPrintable(f.alerts.join('\n')));
    }

    // A file chosen in File > Recent Files opens; opening fills that menu anew.
    void recentFilesMenuOpensTheFile() {
        FrameFixture f;
        DesktopProgress desktop(*f.app);
        CChildFrame* first = Open(f, kClean, "FIRST.kvf");
        QVERIFY(first);
        first->close();
        QTRY_VERIFY_WITH_TIMEOUT(f.frame->Children().isEmpty(), kDeadlineMs);
        QMenu* recent = f.frame->findChild<QMenu*>("cmd_file_mru");
        QVERIFY(recent);
        std::unique_ptr<CommandWatch> watch;
        FromEventLoop([&] {
            recent->popup(f.frame->mapToGlobal(QPoint(40, 40)));
            QMenu* menu = PoppedUpMenu();
            QCOMPARE(menu, recent);
            QAction* entry = ActionStartingWith(*menu, "&1 ");
            QVERIFY(entry);
            watch = std::make_unique<CommandWatch>(*entry, &QAction::triggered,
                                                   [&] { return !f.frame->Children().isEmpty(); });
            Choose(menu, entry, false);
        });
        QVERIFY2(watch->Queued(), "the file opened inside the menu's handler");
        QTRY_COMPARE_WITH_TIMEOUT(f.frame->Children().size(), qsizetype(1), kDeadlineMs);
        QCOMPARE(f.frame->Children().first()->Doc().FileName(), QString("FIRST.kvf"));
    }

    // A window chosen in the Window menu's list becomes the active one.
    void windowMenuListActivatesTheWindow() {
        FrameFixture f;
        QVERIFY(Open(f, kClean, "FIRST.kvf"));
        QVERIFY(Open(f, kClean, "SECOND.kvf"));
        QCOMPARE(f.frame->ActiveChild()->Doc().FileName(), QString("SECOND.kvf"));
        QMenu* windowMenu = nullptr;
        for (QAction* item : f.frame->menuBar()->actions())
            if (item->menu() && item->text().remove('&') == "Window")
                windowMenu = item->menu();
        QVERIFY(windowMenu);
        std::unique_ptr<CommandWatch> watch;
        FromEventLoop([&] {
            windowMenu->popup(f.frame->mapToGlobal(QPoint(40, 40)));
            QMenu* menu = PoppedUpMenu();
            QCOMPARE(menu, windowMenu);
            QAction* entry = ActionStartingWith(*menu, "&1 FIRST.kvf");
            QVERIFY(entry);
            watch = std::make_unique<CommandWatch>(*entry, &QAction::triggered, [&] {
                return f.frame->ActiveChild()->Doc().FileName() != "SECOND.kvf";
            });
            Choose(menu, entry, true);
        });
        QVERIFY2(watch->Queued(), "the window was activated inside the menu's handler");
        QTRY_COMPARE_WITH_TIMEOUT(f.frame->ActiveChild()->Doc().FileName(), QString("FIRST.kvf"),
                                  kDeadlineMs);
    }
};

QTEST_MAIN(MenuCommandsTest)
#include "MenuCommandsTest.moc"
