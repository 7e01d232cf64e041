// The main window: start-up state, the Open command's checks, status panes, output
// window navigation, settings and their persistence.
#include "FrameFixture.h"
#include "GuiTestSupport.h"
#include "core/InputForm.h"
#include "views/CInputView.h"

#include "app/FindReplaceDialog.h"
#include "app/HelpWindow.h"
#include "app/ProgressDialog.h"
#include "app/SettingsDialog.h"
#include "version/BuildVersion.h"
#include "views/CKVFTreeView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

using namespace kvf;

namespace {

const QByteArray kDevice = "#TALVERON_DP\r\n"
                           "KVF_Revision = 1\r\n"
                           "Vendor_Name = \"ACME\"\r\n"
                           "Model_Name = \"Device\"\r\n"
                           "Revision = \"1\"\r\n";

int CaretLine(CChildFrame* child) {
    return child->TextView()->textCursor().blockNumber();
}

// Records what a long operation shows in the progress dialog.
struct RecordingProgress : kvf::ProgressSink {
    QStringList Captions;
    int Steps = 0, Ends = 0;
    void Begin(const std::string& caption) override { Captions << QString::fromStdString(caption); }
    void Step() override { ++Steps; }
    void Status(const std::string&) override {}
    void End() override { ++Ends; }
};

// The input pane's height for the form it shows: the form's height, as far as the text
// keeps two thirds of the window (the text and input panes' `total` is the window's height
// without its frame).
int FittedInputHeight(CChildFrame& child, int total) {
    const int textLeast = (child.height() * 2 + 2) / 3;
    return std::min(child.InputView()->FormHeight(),
                    std::max(std::min(40, total), total - textLeast));
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
    QTemporaryDir cwd_;
    QString previousDir_;

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(cwd_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    void startsWithWelcomeRowAndEmptyPanes() {
        FrameFixture f;
        CMyListBoxBar* output = f.frame->OutputWindow();
        QCOMPARE(output->windowTitle(), QString("Output Window"));
        QCOMPARE(output->RowCount(), 1);
        QCOMPARE(output->CellText(0, 0), QString("Info"));
        QCOMPARE(output->CellText(0, 1), QString("---"));
        QCOMPARE(f.frame->dockWidgetArea(output), Qt::BottomDockWidgetArea);
        QCOMPARE(f.frame->CaretPane()->text(), QString("---"));
        QCOMPARE(f.frame->ModifiedPane()->text(), QString("---"));
        QVERIFY(!f.frame->Command("cmd_extras_check")->isEnabled());
        auto* header = output->List()->header();
        QCOMPARE(header->model()->headerData(0, Qt::Horizontal).toString(), QString("Exception"));
        QCOMPARE(header->model()->headerData(1, Qt::Horizontal).toString(), QString("Line-Nr."));
        QCOMPARE(header->model()->headerData(2, Qt::Horizontal).toString(),
                 QString("Probable Cause"));
        QCOMPARE(output->List()->columnWidth(0), 100);
        QCOMPARE(output->List()->columnWidth(1), 80);
    }

    void commandsHaveTheirKeys_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("key");
        QTest::newRow("new") << "cmd_file_new"
                             << "Ctrl+N";
        QTest::newRow("open") << "cmd_file_open"
                              << "Ctrl+O";
        QTest::newRow("save") << "cmd_file_save"
                              << "Ctrl+S";
        QTest::newRow("print") << "cmd_file_print"
                               << "Ctrl+P";
        QTest::newRow("undo") << "cmd_edit_undo"
                              << "Ctrl+Z";
        QTest::newRow("cut") << "cmd_edit_cut"
                             << "Ctrl+X";
        QTest::newRow("copy") << "cmd_edit_copy"
                              << "Ctrl+C";
        QTest::newRow("paste") << "cmd_edit_paste"
                               << "Ctrl+V";
        QTest::newRow("find") << "cmd_edit_find"
                              << "Ctrl+F";
        QTest::newRow("replace") << "cmd_edit_replace"
                                 << "Ctrl+R";
        QTest::newRow("rebuild") << "cmd_extras_rebuild"
                                 << "F5";
        QTest::newRow("check") << "cmd_extras_check"
                               << "F7";
    }
    void commandsHaveTheirKeys() {
        QFETCH(QString, command);
        QFETCH(QString, key);
        FrameFixture f;
        QAction* action = f.frame->Command(command);
        QVERIFY(action);
        QCOMPARE(action->shortcut(), QKeySequence(key));
    }

    // Opening a file colours its text and builds its database under the frame's progress
    // dialog, which the frame attaches to the application state.
    void openingAFileShowsProgress() {
        FrameFixture f;
        QCOMPARE(&f.app->Progress(), static_cast<kvf::ProgressSink*>(f.frame->Progress()));
        RecordingProgress progress;
        f.app->SetProgressSink(&progress);
        QByteArray bytes = kDevice;
        for (int i = 0; i < 500; ++i)
            bytes += "Info_Text = \"line\"\r\n";
        CChildFrame* child = f.frame->OpenPaths({f.Write("big.kvf", bytes)}, false).first();
        QVERIFY(progress.Captions.contains("Processing KVF file..."));
        QVERIFY(progress.Captions.contains("Building Database..."));
        QCOMPARE(progress.Ends, progress.Captions.size());
        QVERIFY(progress.Steps >= 100);
        QTextDocument* text = child->TextView()->document();
        for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
            if (!block.text().isEmpty())
                QVERIFY2(!block.layout()->formats().isEmpty(), qPrintable(block.text()));
        f.app->SetProgressSink(nullptr);
    }

    // The main window at start: maximised the first time (and while window positions are
    // not saved), else where and as large as it was last used, maximised or not.
    void theMainWindowStartsAsLastUsed() {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        auto start = [&](auto&& use) {
            QtIniSettingsStore store(path);
            CMainFrame frame(store);
            frame.ShowAtStart();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            use(frame);
            frame.SaveSettings();
        };
        const QRect screen = QApplication::primaryScreen()->availableGeometry();
        start([&](CMainFrame& frame) {
            QVERIFY(frame.isMaximized());
            QCOMPARE(frame.frameGeometry().size(), screen.size());
            frame.showNormal();
            frame.setGeometry(60, 50, 700, 500);
        });
        start([&](CMainFrame& frame) {
            QVERIFY(!frame.isMaximized());
            QCOMPARE(frame.geometry(), QRect(60, 50, 700, 500));
            frame.showMaximized();
        });
        start([&](CMainFrame& frame) { QVERIFY(frame.isMaximized()); });
        {
            QSettings settings(path, QSettings::IniFormat);
            settings.setValue("FailSafe/NoWinPosSave", 1);
            settings.setValue("MainWindowPlacement", QByteArray());
        }
        start([&](CMainFrame& frame) {
            QVERIFY(frame.isMaximized());
            frame.showNormal();
            frame.setGeometry(60, 50, 700, 500);
        });
        start([&](CMainFrame& frame) { QVERIFY(frame.isMaximized()); });
    }

    // A file opened while another document is maximised opens maximised and fills the area.
    void openingWhileMaximisedFillsTheArea() {
        FrameFixture f;
        f.frame->OpenPaths({f.Write("a.kvf", kDevice)}, false).first()->showMaximized();
        CChildFrame* second = f.frame->OpenPaths({f.Write("b.kvf", kDevice)}, false).first();
        QTRY_VERIFY_WITH_TIMEOUT(second->isMaximized(), kHangsMs);
        QTRY_COMPARE_WITH_TIMEOUT(second->size(),
                                  f.frame->findChild<QMdiArea*>()->viewport()->size(), kHangsMs);
    }

    // The text stays the main pane: selecting a module grows the input pane no further than
    // a third of the window, and the module's identifier list reads whole (every column, no
    // part of the form out of sight) with its own scroll bar for its rows. A height the user
    // drags is kept, also for the next window, and no form changes it.
    void textStaysTheMainPaneUnlessTheUserSizedIt() {
        FrameFixture f;
        QByteArray modular = kDevice +
                             "Modular_Station = 1\r\nMax_Module = 2\r\n"
                             "Module = \"8 DI\" 0x10,0x20,0x13,0x21,0x31,0x11,0x12,0x14\r\n"
                             "1\r\nEndModule\r\n";
        for (int line = 0; line < 60; ++line)
            modular += "; line\r\n";
        CChildFrame* child = f.frame->OpenPaths({f.Write("mod.kvf", modular)}, false).first();
        auto* right = qobject_cast<QSplitter*>(child->TextView()->parentWidget());
        QVERIFY(right);
        const int total = right->sizes().first() + right->sizes().last();
        // The form with nothing to edit (its picture under the Help button) opens whole.
        QCOMPARE(right->sizes().last(), FittedInputHeight(*child, total));
        child->TreeView()->SelectEntryForLine(7);
        QApplication::processEvents();
        QCOMPARE(child->Focus().InputForm.FormKind, InputForm::Module);
        QVERIFY2(
            child->TextView()->height() * 3 >= child->height() * 2,
            qPrintable(
                QString("text %1 of %2").arg(child->TextView()->height()).arg(child->height())));
        QTreeWidget* list = child->InputView()->ConfigList();
        QVERIFY(list->isVisible());
        QCOMPARE(list->topLevelItemCount(), 8);
        QVERIFY2(list->header()->length() <= list->viewport()->width(),
                 qPrintable(QString("columns %1 in %2")
                                .arg(list->header()->length())
                                .arg(list->viewport()->width())));
        for (int column = 0; column < list->columnCount(); ++column) {
            const QString title = list->headerItem()->text(column);
            QVERIFY2(list->columnWidth(column) >= list->fontMetrics().horizontalAdvance(title),
                     qPrintable(title));
        }
        // The form fits its pane sideways; the list holds more rows than it shows and
        // scrolls them itself.
        auto* scroll = child->InputView()->findChild<QScrollArea*>();
        QVERIFY(scroll);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
        QVERIFY(list->verticalScrollBar()->maximum() > 0);

        right->setSizes({total - 200, 200});
        emit right->splitterMoved(total - 200, 1);
        child->TreeView()->SelectEntryForLine(2);
        child->TreeView()->SelectEntryForLine(7);
        QCOMPARE(right->sizes().last(), 200);
        CChildFrame* next = f.frame->OpenPaths({f.Write("next.kvf", modular)}, false).first();
        auto* nextRight = qobject_cast<QSplitter*>(next->TextView()->parentWidget());
        QCOMPARE(nextRight->sizes().last(), 200);
    }

    void openedDocumentWindowIsSplit() {
        FrameFixture f;
        QList<CChildFrame*> opened = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false);
        QCOMPARE(opened.size(), 1);
        CChildFrame* child = opened.first();
        QCOMPARE(child->windowTitle(), QString("dev.kvf"));
        auto* split = qobject_cast<QSplitter*>(child->widget());
        QVERIFY(split);
        // The tree pane is at least 200 pixels, wide enough for its labels, at most a third.
        const int treeWidth = split->sizes().first();
        QVERIFY(treeWidth >= 200);
        QVERIFY(treeWidth <= std::max(200, split->width() / 3));
        QVERIFY(static_cast<QAbstractItemView*>(child->TreeView())->sizeHintForColumn(0) <=
                child->TreeView()->viewport()->width());
        auto* right = qobject_cast<QSplitter*>(split->widget(1));
        QVERIFY(right);
        QCOMPARE(right->widget(0), child->TextView());
        const int total = right->height() - right->handleWidth();
        QCOMPARE(right->sizes().last(), FittedInputHeight(*child, total));
        QCOMPARE(f.frame->ModifiedPane()->text(), QString("Original"));
        QCOMPARE(f.frame->CaretPane()->text(), QString("Line: 1, Char: 1"));
        // The interim tree lists the entries under their groups.
        QVERIFY(!child->TreeView()
                     ->Model()
                     .match(child->TreeView()->Model().RootIndex(), Qt::DisplayRole,
                            "Vendor_Name (3)", 1, Qt::MatchRecursive | Qt::MatchExactly)
                     .isEmpty());

        QTest::keyClicks(child->TextView(), "x");
        QCOMPARE(child->windowTitle(), QString("dev.kvf*"));
        QCOMPARE(f.frame->ModifiedPane()->text(), QString("Modified"));
        QCOMPARE(f.frame->CaretPane()->text(), QString("Line: 1, Char: 2"));
    }

    void openChecksAttributes() {
        FrameFixture f;
        QString hidden = f.Write(".hidden.kvf", kDevice);
        QList<CChildFrame*> opened = f.frame->OpenPaths({hidden}, false);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(f.alerts.size(), 1);
        QVERIFY(
            f.alerts[0].startsWith("The selected file \"" + hidden + "\" has the hidden flag."));
        QVERIFY(opened[0]->Doc().IsReadOnly());
        QVERIFY(opened[0]->TextView()->isReadOnly());
        QVERIFY(!f.frame->SaveDocument(opened[0]));
        QCOMPARE(f.alerts.last(), QString("Error: The current file is write-protected!"));

        // A missing name reads as every attribute: read-only, then directory, then stop.
        f.alerts.clear();
        QString good = f.Write("good.kvf", kDevice);
        opened = f.frame->OpenPaths({f.dir.filePath("missing.kvf"), good}, false);
        QVERIFY(opened.isEmpty());
        QCOMPARE(f.alerts.size(), 2);
        QVERIFY(f.alerts[0].contains("has the read-only flag"));
        QVERIFY(f.alerts[1].contains("is marked as a directory"));

        // The dialog's read-only box opens any file read-only, without a message.
        f.alerts.clear();
        opened = f.frame->OpenPaths({good}, true);
        QCOMPARE(opened.size(), 1);
        QVERIFY(f.alerts.isEmpty());
        QVERIFY(opened[0]->Doc().IsReadOnly());
        QCOMPARE(f.frame->Settings().LastDir, f.dir.path());
    }

    void outputRowsNavigate() {
        FrameFixture f;
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        const Document* document = &child->Doc().Engine();
        CMyListBoxBar* output = f.frame->OutputWindow();
        output->ClearMessages();
        RunContext run(*f.app);
        run.ReportMessage(1, 3, "fourth line", document);
        run.ReportMessage(1, 0, "first line", document);
        run.ReportMessage(3, -1, "no line", nullptr);
        run.ReportMessage(-1, 2, "frame row", nullptr);
        QCOMPARE(f.Rows(), (QStringList{"Error\tLine 4\tfourth line", "Error\tLine 1\tfirst line",
                                        "Warning\t---\tno line", "Info\t---\tframe row"}));
        QCOMPARE(output->TargetDocument(), document);

        QTreeView* list = output->List();
        // A row's line is shown after the list's handler of the click or key.
        auto click = [&](int row) {
            QRect rect = list->visualRect(list->model()->index(row, 2));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QCoreApplication::processEvents();
        };
        click(0);
        QCOMPARE(CaretLine(child), 3);
        QCOMPARE(child->TextView()->textCursor().selectedText(),
                 QString("Model_Name = \"Device\""));
        child->SelectLine(1);
        click(1); // the first line of the file does not navigate
        QCOMPARE(CaretLine(child), 1);
        click(2); // nor does a row without a line
        QCOMPARE(CaretLine(child), 1);

        // Up from the second row moves to the first, which navigates.
        click(1);
        QTest::keyClick(list, Qt::Key_Up);
        QCoreApplication::processEvents();
        QCOMPARE(CaretLine(child), 3);
        // Down on the last row does nothing.
        child->SelectLine(1);
        list->setCurrentIndex(list->model()->index(3, 0));
        QTest::keyClick(list, Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(CaretLine(child), 1);
    }

    void reportingShowsHiddenOutputAndWarningsCanBeHidden() {
        FrameFixture f;
        CMyListBoxBar* output = f.frame->OutputWindow();
        output->hide();
        EditorSettings settings = f.frame->Settings();
        settings.Warnings = 1;
        f.frame->ApplySettings(settings);
        RunContext run(*f.app);
        run.ReportMessage(3, 4, "a warning", nullptr);
        QVERIFY(output->isVisible());
        QCOMPARE(output->RowCount(), 1);
        QCOMPARE(run.MessageCounter, 1);
        run.ReportMessage(1, 4, "an error", nullptr);
        QCOMPARE(output->RowCount(), 2);
    }

    void closingClearsTheOutputWindow() {
        FrameFixture f;
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        RunContext run(*f.app);
        run.ReportMessage(1, 2, "row", &child->Doc().Engine());
        child->close();
        QCOMPARE(f.frame->OutputWindow()->RowCount(), 0);
        QVERIFY(!f.frame->OutputWindow()->TargetDocument());
        QTRY_COMPARE_WITH_TIMEOUT(f.frame->CaretPane()->text(), QString("---"), kHangsMs);
    }

    void settingsDialogCopiesSevenBoxes() {
        EditorSettings settings;
        SettingsDialog dialog(settings);
        QVERIFY(!dialog.SyntaxBox()->isEnabled());
        QVERIFY(!dialog.NoSemanticBox()->isEnabled());
        QVERIFY(!dialog.NoWinPosSaveBox()->isEnabled());
        QVERIFY(dialog.ShowSplashBox()->isChecked());
        dialog.ShowSplashBox()->setChecked(false);
        dialog.CoolMenuBox()->setChecked(false);
        dialog.NoBackupBox()->setChecked(true);
        dialog.WarningsBox()->setChecked(true);
        dialog.SyntaxBox()->setChecked(true);
        dialog.NoSemanticBox()->setChecked(true);
        dialog.NoWinPosSaveBox()->setChecked(true);
        dialog.CopyTo(settings);
        QCOMPARE(settings.ShowSplash, 0);
        QCOMPARE(settings.CoolMenu, 0);
        QCOMPARE(settings.NoBackup, 1);
        QCOMPARE(settings.Warnings, 1);
        QCOMPARE(settings.Syntax, 1);
        QCOMPARE(settings.NoSemanticCheck, 1);
        QCOMPARE(settings.NoWinPosSave, 1);
    }

    void settingsPersistAcrossRuns() {
        QTemporaryDir dir;
        QString path = dir.filePath("settings.ini");
        QByteArray movedState;
        {
            QtIniSettingsStore store(path);
            CMainFrame frame(store);
            QCOMPARE(frame.Settings().Flatbar, 1);
            frame.Settings().NoBackup = 1;
            frame.Settings().LastDir = "/tmp/kvf files";
            frame.Command("cmd_view_flatbar")->setChecked(false);
            frame.show();
            frame.addDockWidget(Qt::TopDockWidgetArea, frame.OutputWindow());
            movedState = frame.saveState();
        }
        QSettings written(path, QSettings::IniFormat);
        QCOMPARE(written.value("Settings/Expert").toInt(), 1);
        QCOMPARE(written.value("Settings/NoBackup").toInt(), 1);
        QCOMPARE(written.value("Settings/Flatbar").toInt(), 0);
        QCOMPARE(written.value("Settings/LastDir").toString(), QString("/tmp/kvf files"));
        QCOMPARE(written.value("FloatBars").toByteArray(), movedState);
        {
            QtIniSettingsStore store(path);
            CMainFrame frame(store);
            QCOMPARE(frame.Settings().NoBackup, 1);
            QVERIFY(!frame.Command("cmd_view_flatbar")->isChecked());
            QCOMPARE(frame.dockWidgetArea(frame.OutputWindow()), Qt::TopDockWidgetArea);
            frame.Settings().NoWinPosSave = 1;
            frame.addDockWidget(Qt::BottomDockWidgetArea, frame.OutputWindow());
        }
        // With NoWinPosSave the bars' placement is neither saved nor restored.
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("FloatBars").toByteArray(),
                 movedState);
        QtIniSettingsStore store(path);
        CMainFrame frame(store);
        QCOMPARE(frame.dockWidgetArea(frame.OutputWindow()), Qt::BottomDockWidgetArea);
    }

    void recentFilesKeepNine() {
        QTemporaryDir dir;
        QString path = dir.filePath("settings.ini");
        QStringList files;
        {
            FrameFixture f;
            for (int i = 0; i < 11; ++i)
                files << f.Write(QString("d%1.kvf").arg(i), kDevice);
            f.frame->OpenPaths(files, false);
            QCOMPARE(f.frame->RecentFiles().size(), 9);
            QCOMPARE(f.frame->RecentFiles().first(), QFileInfo(files.last()).absoluteFilePath());
            f.frame->SaveSettings();
            QFile::copy(f.settingsPath, path);
        }
        QtIniSettingsStore store(path);
        CMainFrame frame(store);
        QCOMPARE(frame.RecentFiles().size(), 9);
        QVERIFY(frame.RecentFiles().first().endsWith("d10.kvf"));
    }

    // File, Exit with documents open: a document with unsaved changes asks, Cancel keeps
    // everything open and writes nothing; otherwise one Exit closes the documents, the help
    // window and the main window and writes the settings.
    void exitClosesEverythingAtOnce() {
        HelpWindow help;
        FrameFixture f;
        f.frame->SetHelpWindow(&help);
        help.show();
        const QString path = f.Write("a.kvf", kDevice);
        f.frame->OpenPaths({path}, false);
        CChildFrame* edited = f.frame->NewDocument();
        f.frame->NewDocument();
        edited->TextView()->insertPlainText("x");
        QSettings written(f.settingsPath, QSettings::IniFormat);
        for (auto button : {QMessageBox::Cancel, QMessageBox::No}) {
            QString asked;
            QTimer::singleShot(0, [&asked, button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                asked = box->text();
                box->button(button)->click();
            });
            f.frame->Command("cmd_file_exit")->trigger();
            QCOMPARE(asked, QString("Save changes to KVF1?"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            written.sync();
            const bool cancelled = button == QMessageBox::Cancel;
            QCOMPARE(f.frame->isVisible(), cancelled);
            QCOMPARE(help.isVisible(), cancelled);
            QCOMPARE(f.frame->Children().contains(edited), cancelled);
            QCOMPARE(written.value("Recent File List/File1").toString(),
                     cancelled ? QString() : QFileInfo(path).absoluteFilePath());
        }
        QVERIFY(f.frame->Children().isEmpty());
    }

    // Redo, Find Next and Previous and Go To Line by their keys, typed in the text view.
    void editingKeysActFromTheTextView() {
        FrameFixture f;
        CChildFrame* child = f.frame->NewDocument();
        CKVFTextView* view = child->TextView();
        const QString text = "one\ntwo\none\nfour";
        view->insertPlainText(text);
        auto activate = [&f, view] {
            f.frame->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.frame.get(), kHangsMs));
            view->setFocus();
        };
        activate();
        for (const QKeySequence& redo : {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}) {
            view->undo();
            QVERIFY(view->toPlainText().isEmpty());
            QTest::keySequence(view, redo);
            QCOMPARE(view->toPlainText(), text);
        }

        // Without a search F3 opens Find; then F3 and Shift+F3 search down and up.
        view->moveCursor(QTextCursor::Start);
        QTest::keyClick(view, Qt::Key_F3);
        auto* find = f.frame->findChild<FindReplaceDialog*>();
        QVERIFY(find && find->isVisible());
        find->FindField()->setText("one");
        find->hide();
        activate();
        const QList<std::pair<Qt::KeyboardModifiers, int>> steps = {
            {Qt::NoModifier, 0}, {Qt::NoModifier, 2}, {Qt::ShiftModifier, 0}};
        for (auto [modifiers, line] : steps) {
            QTest::keyClick(view, Qt::Key_F3, modifiers);
            QCOMPARE(view->textCursor().selectedText(), QString("one"));
            QCOMPARE(CaretLine(child), line);
        }

        // Ctrl+G asks for the line and puts the caret at its start.
        QString range;
        QTimer::singleShot(0, [&range] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            range = dialog->labelText();
            dialog->setIntValue(4);
            dialog->accept();
        });
        QTest::keyClick(view, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(range, QString("&Line number (1-4):"));
        QCOMPARE(CaretLine(child), 3);
        QCOMPARE(view->textCursor().positionInBlock(), 0);
        QVERIFY(!view->textCursor().hasSelection());
    }

    // Save As adds .kvf to a bare name while the KVF filter is chosen, not with All Files.
    void saveAsAddsTheExtensionOfTheFilter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare name") << "KVF-Files (*.kvf)"
                                   << "NEWC1234"
                                   << "NEWC1234.kvf";
        QTest::newRow("own extension") << "KVF-Files (*.kvf)"
                                       << "dev.gs"
                                       << "dev.gs";
        QTest::newRow("all files") << "All Files (*)"
                                   << "NEWC1234"
                                   << "NEWC1234";
    }
    void saveAsAddsTheExtensionOfTheFilter() {
        QFETCH(QString, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        FrameFixture f;
        CChildFrame* child = f.frame->NewDocument();
        child->TextView()->insertPlainText(QString::fromLatin1(kDevice));
        const QString folder = f.dir.path();
        QTimer::singleShot(0, [filter, typed, folder] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(folder);
            dialog->selectNameFilter(filter);
            emit dialog->filterSelected(filter);
            dialog->selectFile(typed);
            static_cast<QDialog*>(dialog)->accept(); // the file dialog's own checks
        });
        f.frame->Command("cmd_file_saveas")->trigger();
        QCOMPARE(QFileInfo(child->Doc().Path()).fileName(), written);
        QVERIFY(QFileInfo::exists(f.dir.filePath(written)));
    }

    // File Open starts in the active document's folder, else in the last folder (while it
    // exists), else in the current folder.
    void openStartsInTheDocumentsFolder() {
        FrameFixture f;
        QTemporaryDir last, gone;
        const QString lastDir = last.path();
        QString shown;
        auto startFolder = [&f, &shown] {
            QTimer::singleShot(0, [&shown] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                shown = dialog->directory().absolutePath();
                dialog->reject();
            });
            f.frame->Command("cmd_file_open")->trigger();
            return shown;
        };
        QCOMPARE(startFolder(), QDir::currentPath());
        f.frame->Settings().LastDir = gone.path();
        gone.remove();
        QCOMPARE(startFolder(), QDir::currentPath());
        f.frame->Settings().LastDir = lastDir;
        QCOMPARE(startFolder(), lastDir);
        f.frame->NewDocument();
        QCOMPARE(startFolder(), lastDir);
        f.frame->OpenPaths({f.Write("a.kvf", kDevice)}, false);
        f.frame->Settings().LastDir = lastDir;
        QCOMPARE(startFolder(), QFileInfo(f.dir.path()).absoluteFilePath());
    }

    void newDocumentIsEmptyAndUntitled() {
        FrameFixture f;
        CChildFrame* child = f.frame->NewDocument();
        QCOMPARE(child->windowTitle(), QString("KVF1"));
        QVERIFY(child->Doc().Text().isEmpty());
        QVERIFY(child->Doc().IsUntitled());
    }

    // Help, About names the version the program was built as, with its commit.
    void aboutBoxShowsTheVersion() {
        FrameFixture f;
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->text();
            box->accept();
        });
        f.frame->Command("cmd_help_about")->trigger();
        QVERIFY2(shown.endsWith("\n\nVersion " + QString::fromStdString(kvf::VersionText())),
                 qPrintable(shown));
        QVERIFY(shown.contains(QString::fromStdString(std::string(kvf::ReleaseVersion()))));
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
