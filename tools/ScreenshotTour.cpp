// Draws the editor's windows as a user sees them and writes them as PNG files: the main
// window with a sample file (its tree's root showing the file at a glance), the output rows
// after Check KVF, the Settings dialog, the print preview, the template dialog of File New,
// the User Key dialog, the marks of the check as you type, a keyword's help under the mouse
// and the quick fixes of a finding. Run under a real X server (scripts/screenshots.sh uses
// Xvfb).
#include "app/CChildFrame.h"
#include "app/CKVF_EdDoc.h"
#include "app/CMainFrame.h"
#include "app/EditorApp.h"
#include "app/TemplateDialog.h"
#include "app/UserKeyDialog.h"
#include "views/CKVFTextView.h"
#include "views/CKVFTreeView.h"
#include "views/CMyListBoxBar.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QWindow>

#include <cstdio>

namespace {

// A modular slave for the tree and input view shots.
const QByteArray kModularSlave = "#TALVERON_DP\n"
                                 "KVF_Revision = 3\n"
                                 "Vendor_Name = \"ACME\"\n"
                                 "Model_Name = \"Modular IO\"\n"
                                 "Revision = \"V1.0\"\n"
                                 "Ident_Number = 0x4711\n"
                                 "Protocol_Ident = 0\n"
                                 "Station_Type = 0\n"
                                 "Hardware_Release = \"HW1\"\n"
                                 "Software_Release = \"SW1\"\n"
                                 "12M_supp = 1\n"
                                 "MaxTsdr_12M = 800\n"
                                 "Auto_Baud_supp = 1\n"
                                 "Modular_Station = 1\n"
                                 "Max_Module = 4\n"
                                 "Max_Input_Len = 32\n"
                                 "Max_Output_Len = 32\n"
                                 "Module = \"8 DI\" 0x10\n"
                                 "1\n"
                                 "EndModule\n"
                                 "Module = \"Mixed\" 0x13,0xC3,0x81,0x01,0x0A,0x0B,0x0C,0x21\n"
                                 "2\n"
                                 "Ext_Module_Prm_Data_Len = 1\n"
                                 "EndModule\n"
                                 "Module = \"Analog\" 0xD1\n"
                                 "3\n"
                                 "EndModule\n"
                                 "ExtUserPrmData = 1 \"Filter\"\n"
                                 "Bit(2) 1 0-1\n"
                                 "Prm_Text_Ref = 1\n"
                                 "EndExtUserPrmData\n"
                                 "SlotDefinition\n"
                                 "Slot(1) = \"Slot 1\" 2 2-3\n"
                                 "EndSlotDefinition\n";

bool Shoot(QWidget* widget, const QString& path) {
    QApplication::processEvents();
    QTest::qWait(300);
    QPixmap shot = widget->screen()->grabWindow(
        0, widget->frameGeometry().x(), widget->frameGeometry().y(),
        widget->frameGeometry().width(), widget->frameGeometry().height());
    bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// Grabs the next modal dialog of `type` once it is up, then closes it.
template <typename Dialog> void ShootNextDialog(const QString& path, bool* ok) {
    QTimer::singleShot(800, [path, ok] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(top); dialog && dialog->isVisible()) {
                *ok = Shoot(dialog, path);
                dialog->reject();
                return;
            }
        }
        std::printf("FAILED no dialog for %s\n", qPrintable(path));
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kvf_screenshots KVF-FILE OUTPUT-FOLDER\n");
        return 2;
    }
    QString sample = QFileInfo(argv[1]).absoluteFilePath();
    // Absolute, since the tour works in a folder of its own.
    QDir out(QFileInfo(argv[2]).absoluteFilePath());
    out.mkpath(".");
    // Its own settings and backup folder, so the user's are left alone.
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    auto store = std::make_unique<kvf::QtIniSettingsStore>(work.filePath("settings.ini"));
    kvf::EditorApp app(std::move(store));
    kvf::StartOptions options;
    options.NoSplash = true;
    options.Files << sample;
    app.Start(options);
    kvf::CMainFrame& frame = app.Frame();
    frame.resize(1200, 820);
    frame.move(20, 20);
    QTest::qWait(500);

    bool ok = Shoot(&frame, out.filePath("main-window.png"));
    // Check KVF with its key, as a user presses it, then the first finding is clicked.
    frame.activateWindow();
    (void)QTest::qWaitForWindowActive(&frame, 2000);
    kvf::CMyListBoxBar* output = frame.OutputWindow();
    int rowsBefore = output->RowCount();
    // A click on the first row that names a line, as a user follows a finding.
    auto clickFirstFinding = [output] {
        for (int row = 0; row < output->RowCount(); ++row) {
            if (output->CellText(row, 1).startsWith("Line")) {
                output->NavigateFromRow(row);
                return;
            }
        }
    };
    QTest::keyClick(frame.ActiveChild()->TextView(), Qt::Key_F7);
    QTest::qWait(300);
    // A virtual X server without a window manager may give no window the keyboard focus;
    // the key's command then runs from the menu, as a click on Extras, Check KVF would.
    if (output->RowCount() == rowsBefore)
        frame.Command("cmd_extras_check")->trigger();
    QTest::qWait(300);
    clickFirstFinding();
    ok = Shoot(&frame, out.filePath("check-output.png")) && ok;

    bool dialogOk = false;
    ShootNextDialog<QDialog>(out.filePath("settings-dialog.png"), &dialogOk);
    frame.OnSettings();
    ok = ok && dialogOk;

    bool previewOk = false;
    ShootNextDialog<QPrintPreviewDialog>(out.filePath("print-preview.png"), &previewOk);
    frame.Command("cmd_file_preview")->trigger();
    QTest::qWait(1500); // the preview opens without blocking; the shot is taken meanwhile
    ok = ok && previewOk;

    // File New: the template dialog over the program's own templates, one of them chosen.
    bool templateOk = false;
    QTimer::singleShot(400, [] {
        if (auto* dialog = qobject_cast<kvf::TemplateDialog*>(QApplication::activeModalWidget()))
            dialog->List()->setCurrentItem(dialog->List()->topLevelItem(1));
    });
    ShootNextDialog<kvf::TemplateDialog>(out.filePath("template-dialog.png"), &templateOk);
    frame.OnFileNew();
    ok = ok && templateOk;

    // User Key... for a vendor's own key of a file, with one key registered before.
    QFile vendorFile(work.filePath("ACME1234.kvf"));
    QFile sampleFile(sample);
    if (sampleFile.open(QIODevice::ReadOnly) && vendorFile.open(QIODevice::WriteOnly)) {
        vendorFile.write(sampleFile.readAll());
        vendorFile.write("ACME_Test_Mode = 1\n");
        vendorFile.close();
    }
    app.Store().SetString("UserKeys", "ACME_LED_MODE", "1;1;0-3");
    app.Store().SetString("UserKeys", "Summary", "ACME_LED_MODE,");
    QList<kvf::CChildFrame*> vendor = frame.OpenPaths({vendorFile.fileName()}, false);
    bool userKeyOk = false;
    if (!vendor.isEmpty()) {
        vendor.first()->Focus().CurrentEntry = vendor.first()->Doc().Engine().Database.Last();
        ShootNextDialog<kvf::UserKeyDialog>(out.filePath("user-key-dialog.png"), &userKeyOk);
        frame.OnUserKey();
    }
    ok = ok && userKeyOk;

    // The keyword tree and the input view of a modular slave: a module with its
    // configuration identifiers decoded, then a parameter's bit line.
    QFile modularFile(work.filePath("MODULAR1.kvf"));
    if (modularFile.open(QIODevice::WriteOnly)) {
        modularFile.write(kModularSlave);
        modularFile.close();
    }
    QList<kvf::CChildFrame*> modular = frame.OpenPaths({modularFile.fileName()}, false);
    if (!modular.isEmpty()) {
        kvf::CChildFrame* child = modular.first();
        child->showMaximized();
        // The panes as the window divides itself: the text the main pane, a module's
        // identifiers whole below it.
        kvf::CKVFTreeView* tree = child->TreeView();
        auto select = [tree](const QString& label) {
            QModelIndexList found =
                tree->Model().match(tree->Model().RootIndex(), Qt::DisplayRole, label, 1,
                                    Qt::MatchRecursive | Qt::MatchExactly);
            if (!found.isEmpty())
                tree->setCurrentIndex(found.first());
            return !found.isEmpty();
        };
        ok = select("Module (21)") && Shoot(&frame, out.filePath("tree-input-module.png")) && ok;
        ok = select("Bit (29)") && Shoot(&frame, out.filePath("tree-input-parameter.png")) && ok;
    } else {
        ok = false;
    }

    // A file with faults: Check KVF lists them with their levels, and a click on the first
    // one moves the text to its line.
    QFile faultyFile(work.filePath("FAULT123.kvf"));
    sampleFile.close();
    if (sampleFile.open(QIODevice::ReadOnly) && faultyFile.open(QIODevice::WriteOnly)) {
        faultyFile.write(sampleFile.readAll());
        faultyFile.write("Max_Diag_Data_Len = 300\nACME_Test_Mode = 1\n9.6_supp = yes\n");
        faultyFile.close();
    }
    QList<kvf::CChildFrame*> faulty = frame.OpenPaths({faultyFile.fileName()}, false);
    if (!faulty.isEmpty()) {
        faulty.first()->showMaximized();
        QTest::qWait(500); // the maximised window lays its panes out
        frame.Command("cmd_extras_check")->trigger();
        QTest::qWait(300);
        clickFirstFinding();
        ok = Shoot(&frame, out.filePath("check-findings.png")) && ok;
    } else {
        ok = false;
    }

    // Check as you type: a line typed at the end of the faulty file, the pause, then the
    // marks in the text with the message of the new one as its tooltip.
    if (!faulty.isEmpty()) {
        kvf::CKVFTextView* view = faulty.first()->TextView();
        view->moveCursor(QTextCursor::End);
        view->insertPlainText("Min_Slave_Interval = 70000\n");
        view->ensureCursorVisible();
        QTest::qWait(1500); // the pause, the check on its worker, the marks
        // The mark of the line typed last, its message just below the line.
        const kvf::views::FindingMarks::Mark* typed = nullptr;
        for (const auto& mark : view->Marks().Marks())
            if (typed == nullptr || mark.Line() > typed->Line())
                typed = &mark;
        if (typed != nullptr) {
            QTextCursor at = typed->Range;
            at.setPosition(at.selectionStart());
            const QRect line = view->cursorRect(at);
            const QPoint point = line.center() + QPoint(8, 0);
            view->TooltipAt(point); // the help of a value comes with the parse of the text
            QTest::qWait(500);
            QToolTip::showText(view->viewport()->mapToGlobal(point + QPoint(0, line.height())),
                               view->TooltipAt(point), view->viewport());
        }
        ok = Shoot(&frame, out.filePath("live-marks.png")) && ok;
        QToolTip::hideText();

        // The help of a keyword under the mouse: the one of line 2's keyword.
        QTextCursor keyword(view->document()->findBlockByNumber(2));
        const QPoint over = view->cursorRect(keyword).center() + QPoint(20, 0);
        QToolTip::showText(view->viewport()->mapToGlobal(over + QPoint(0, 12)),
                           view->TooltipAt(over), view->viewport());
        ok = Shoot(&frame, out.filePath("hover-help.png")) && ok;
        QToolTip::hideText();

        // The quick fixes of the marked unknown key, as Ctrl+. shows them below the caret.
        for (int line = 0; line < view->document()->blockCount(); ++line) {
            if (!view->document()->findBlockByNumber(line).text().startsWith("ACME_Test_Mode"))
                continue;
            QTextCursor caret(view->document()->findBlockByNumber(line));
            caret.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
            view->setTextCursor(caret);
            if (QMenu* menu = view->CreateQuickFixMenu()) {
                menu->popup(view->viewport()->mapToGlobal(view->cursorRect().bottomLeft()));
                ok = Shoot(&frame, out.filePath("quick-fixes.png")) && ok;
                menu->close();
            } else {
                ok = false;
            }
        }
    }

    for (kvf::CChildFrame* child : frame.Children())
        child->Doc().Text().setModified(false);
    return ok ? 0 : 1;
}
