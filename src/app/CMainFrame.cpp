#include "app/CMainFrame.h"

#include "app/CChildFrame.h"
#include "app/CKVF_EdDoc.h"
#include "app/ProgressDialog.h"
#include "app/FindReplaceDialog.h"
#include "app/HelpWindow.h"
#include "app/SettingsDialog.h"
#include "app/TemplateDialog.h"
#include "app/UserKeyCommand.h"
#include "app/UserKeyDialog.h"
#include "core/AppServices.h"
#include "core/MessageIds.h"
#include "document/CheckRun.h"
#include "version/BuildVersion.h"
#include "views/CKVFTextView.h"
#include "views/CKVFTreeView.h"
#include "views/CMyListBoxBar.h"
#include "views/UiText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

namespace kvf {
namespace {

// What the engine's check run asks of the window: status text, wait cursor, views.
class FrameHooks : public CheckRunHooks {
  public:
    FrameHooks(QLabel* status, CChildFrame* child) : status_(status), child_(child) {}
    void StatusText(const std::string& text) override {
        status_->setText(FromBytes(text));
        status_->repaint();
    }
    void WaitCursor(bool on) override {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    void ViewsChanged(Document&) override { child_->RefreshViews(); }

  private:
    QLabel* status_;
    CChildFrame* child_;
};

QString Text(int id) {
    return UiText(id);
}

// The Open dialog's filter: the string table's "name|pattern|name|pattern||" form.
QString DialogFilter() {
    QStringList parts = Text(msg::OpenFileFilter).split('|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QString("%1 (%2)").arg(parts[i].section(" (", 0, 0), parts[i + 1]);
    return filters.join(";;");
}

} // namespace

CMainFrame::CMainFrame(QtIniSettingsStore& store, QWidget* parent)
    : QMainWindow(parent), store_(&store), mdi_(new QMdiArea(this)),
      output_(new CMyListBoxBar(store, this)), printer_(std::make_unique<QPrinter>()) {
    settings_.Read(store);
    setObjectName("MainFrame");
    setWindowTitle(Text(msg::DocumentTypeName));
    setAcceptDrops(true);
    mdi_->setViewMode(QMdiArea::SubWindowView);
    mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(mdi_);

    QSettings& qt = store_->Qt();
    for (int i = 1; i <= kRecentFiles; ++i) {
        QString path = qt.value(QString("Recent File List/File%1").arg(i)).toString();
        if (!path.isEmpty())
            recent_ << path;
    }

    CreateMenus();
    CreateStatusBar();

    addDockWidget(Qt::BottomDockWidgetArea, output_);
    output_->AddMessage(LEVEL_FRAME, 0, std::string(MessageText(msg::WelcomeText)), nullptr);
    output_->setWindowTitle(Text(msg::OutputWindowCaption));
    connect(output_, &CMyListBoxBar::navigateTo, this, &CMainFrame::Navigate);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] {
        UpdateStatusPanes();
        UpdateCommands();
        if (find_)
            find_->SetTarget(ActiveChild() ? ActiveChild()->TextView() : nullptr);
        if (replace_)
            replace_->SetTarget(ActiveChild() ? ActiveChild()->TextView() : nullptr);
    });

    ApplyFlatbar();
    resize(1100, 780);
    if (!settings_.NoWinPosSave)
        restoreState(qt.value("FloatBars").toByteArray());
    UpdateStatusPanes();
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    if (app_)
        app_->SetProgressSink(nullptr); // the dialog goes with this window
    SaveSettings();
    // The document windows go while this object is still whole: they report to it as
    // they are destroyed.
    disconnect(mdi_, nullptr, this, nullptr);
    QMdiArea* area = mdi_;
    mdi_ = nullptr; // the handlers see that the documents are going
    delete area;
}

void CMainFrame::AttachApp(AppServices& app) {
    app_ = &app;
    if (!progress_)
        progress_ = new ProgressDialog(this);
    app.SetProgressSink(progress_);
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& name, const QString& text,
                                const QKeySequence& key, std::function<void()> handler,
                                bool needsDocument) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (!key.isEmpty())
        action->setShortcut(key);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    if (needsDocument)
        documentCommands_ << action;
    return action;
}

QAction* CMainFrame::Command(const QString& name) const {
    return findChild<QAction*>(name);
}

void CMainFrame::CreateMenus() {
    QStyle* style = this->style();
    toolBar_ = addToolBar("Toolbar");
    toolBar_->setObjectName("MainToolBar");

    QMenu* file = menuBar()->addMenu("&File");
    QAction* fileNew = AddCommand(
        file, "cmd_file_new", "&New", QKeySequence("Ctrl+N"), [this] { OnFileNew(); }, false);
    QAction* fileOpen = AddCommand(
        file, "cmd_file_open", "&Open...", QKeySequence("Ctrl+O"), [this] { OnFileOpen(); }, false);
    AddCommand(
        file, "cmd_file_close", "&Close", {},
        [this] {
            if (CChildFrame* child = ActiveChild())
                child->close();
        },
        true);
    QAction* fileSave = AddCommand(
        file, "cmd_file_save", "&Save", QKeySequence("Ctrl+S"),
        [this] { SaveDocument(ActiveChild()); }, true);
    AddCommand(
        file, "cmd_file_saveas", "Save &As...", {},
        [this] {
            if (CChildFrame* child = ActiveChild())
                SaveAsDialog(child);
        },
        true);
    file->addSeparator();
    QAction* filePrint = AddCommand(
        file, "cmd_file_print", "&Print...", QKeySequence("Ctrl+P"), [this] { PrintActive(false); },
        true);
    AddCommand(
        file, "cmd_file_preview", "Print Pre&view", {}, [this] { PrintActive(true); }, true);
    AddCommand(
        file, "cmd_file_setup", "P&rint Setup...", {},
        [this] {
            QPageSetupDialog dialog(printer_.get(), this);
            dialog.exec();
        },
        false);
    file->addSeparator();
    recentMenu_ = file->addMenu("Recent &Files");
    RebuildRecentMenu();
    file->addSeparator();
    AddCommand(
        file, "cmd_file_exit", "E&xit", {}, [this] { close(); }, false);
    fileNew->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    fileOpen->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    fileSave->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    filePrint->setIcon(
        QIcon::fromTheme("document-print", style->standardIcon(QStyle::SP_FileDialogDetailedView)));

    QMenu* edit = menuBar()->addMenu("&Edit");
    auto onText = [this](void (QPlainTextEdit::*slot)()) {
        return [this, slot] {
            if (CChildFrame* child = ActiveChild())
                (child->TextView()->*slot)();
        };
    };
    AddCommand(edit, "cmd_edit_undo", "&Undo", QKeySequence("Ctrl+Z"),
               onText(&QPlainTextEdit::undo), true);
    edit->addSeparator();
    QAction* cut = AddCommand(edit, "cmd_edit_cut", "Cu&t", QKeySequence("Ctrl+X"),
                              onText(&QPlainTextEdit::cut), true);
    QAction* copy = AddCommand(edit, "cmd_edit_copy", "&Copy", QKeySequence("Ctrl+C"),
                               onText(&QPlainTextEdit::copy), true);
    QAction* paste = AddCommand(edit, "cmd_edit_paste", "&Paste", QKeySequence("Ctrl+V"),
                                onText(&QPlainTextEdit::paste), true);
    edit->addSeparator();
    AddCommand(
        edit, "cmd_edit_find", "&Find...", QKeySequence("Ctrl+F"), [this] { ShowFind(false); },
        true);
    AddCommand(
        edit, "cmd_edit_replace", "R&eplace...", QKeySequence("Ctrl+R"), [this] { ShowFind(true); },
        true);
    // Each view acts on its own keys; the menu's shortcuts must not take them away.
    for (QAction* action : {cut, copy, paste})
        action->setShortcutContext(Qt::WidgetShortcut);
    Command("cmd_edit_undo")->setShortcutContext(Qt::WidgetShortcut);
    cut->setIcon(QIcon::fromTheme("edit-cut"));
    copy->setIcon(QIcon::fromTheme("edit-copy"));
    paste->setIcon(QIcon::fromTheme("edit-paste"));

    QMenu* view = menuBar()->addMenu("&View");
    QAction* toolbar = toolBar_->toggleViewAction();
    toolbar->setText("&Toolbar");
    toolbar->setObjectName("cmd_view_toolbar");
    view->addAction(toolbar);
    flatbarAction_ = view->addAction("&Flat Toolbar");
    flatbarAction_->setObjectName("cmd_view_flatbar");
    flatbarAction_->setCheckable(true);
    flatbarAction_->setChecked(settings_.Flatbar != 0);
    connect(flatbarAction_, &QAction::toggled, this, [this](bool on) {
        settings_.Flatbar = on ? 1 : 0;
        ApplyFlatbar();
    });
    QAction* statusBarAction = view->addAction("&Status Bar");
    statusBarAction->setObjectName("cmd_view_statusbar");
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    QAction* outputAction = output_->toggleViewAction();
    outputAction->setText(Text(msg::MenuOutput));
    outputAction->setObjectName("cmd_view_output");
    view->addAction(outputAction);

    QMenu* extras = menuBar()->addMenu("E&xtras");
    QString rebuildText = Text(msg::MenuRebuild).section('\t', 0, 0);
    QString checkText = Text(msg::MenuCheck).section('\t', 0, 0);
    QAction* rebuild = AddCommand(
        extras, "cmd_extras_rebuild", rebuildText, QKeySequence(Qt::Key_F5), [this] { Rebuild(); },
        true);
    QAction* check = AddCommand(
        extras, "cmd_extras_check", checkText, QKeySequence(Qt::Key_F7), [this] { Check(); }, true);
    extras->addSeparator();
    AddCommand(
        extras, "cmd_extras_settings", "&Settings...", {}, [this] { OnSettings(); }, false);
    rebuild->setIcon(style->standardIcon(QStyle::SP_BrowserReload));
    check->setIcon(style->standardIcon(QStyle::SP_DialogApplyButton));

    windowMenu_ = menuBar()->addMenu("&Window");
    AddCommand(
        windowMenu_, "cmd_window_cascade", "&Cascade", {}, [this] { mdi_->cascadeSubWindows(); },
        true);
    AddCommand(
        windowMenu_, "cmd_window_tile_horz", "Tile &Horizontally", {},
        [this] {
            // One window above the other, each as wide as the area.
            QList<QMdiSubWindow*> windows = mdi_->subWindowList();
            if (windows.isEmpty())
                return;
            int height = mdi_->viewport()->height() / static_cast<int>(windows.size());
            int top = 0;
            for (QMdiSubWindow* window : windows) {
                window->showNormal();
                window->setGeometry(0, top, mdi_->viewport()->width(), height);
                top += height;
            }
        },
        true);
    AddCommand(
        windowMenu_, "cmd_window_tile_vert", "Tile &Vertically", {},
        [this] {
            // Side by side, each as tall as the area.
            QList<QMdiSubWindow*> windows = mdi_->subWindowList();
            if (windows.isEmpty())
                return;
            int width = mdi_->viewport()->width() / static_cast<int>(windows.size());
            int left = 0;
            for (QMdiSubWindow* window : windows) {
                window->showNormal();
                window->setGeometry(left, 0, width, mdi_->viewport()->height());
                left += width;
            }
        },
        true);
    AddCommand(
        windowMenu_, "cmd_window_arrange", "&Arrange Icons", {},
        [this] {
            // Minimised windows line up along the bottom of the area.
            int left = 0;
            for (QMdiSubWindow* window : mdi_->subWindowList()) {
                if (!window->isMinimized())
                    continue;
                QSize size = window->size();
                window->move(left, mdi_->viewport()->height() - size.height());
                left += size.width();
            }
        },
        true);
    AddCommand(
        windowMenu_, "cmd_window_split", "S&plit", {},
        [this] {
            if (CChildFrame* child = ActiveChild())
                child->ToggleSplit();
        },
        true);
    windowMenu_->addSeparator();
    connect(windowMenu_, &QMenu::aboutToShow, this, [this] {
        // The list of open windows after the fixed commands.
        for (QAction* action : windowMenu_->actions())
            if (action->property("windowEntry").toBool())
                windowMenu_->removeAction(action), action->deleteLater();
        int number = 1;
        for (QMdiSubWindow* window : mdi_->subWindowList()) {
            QAction* entry =
                windowMenu_->addAction(QString("&%1 %2").arg(number++).arg(window->windowTitle()));
            entry->setProperty("windowEntry", true);
            entry->setCheckable(true);
            entry->setChecked(window == mdi_->activeSubWindow());
            connect(entry, &QAction::triggered, this,
                    [this, window] { mdi_->setActiveSubWindow(window); });
        }
    });

    QMenu* help = menuBar()->addMenu("&Help");
    AddCommand(
        help, "cmd_help_index", "Help &Index", {},
        [this] {
            if (help_)
                help_->ShowContext(HelpContext::HelpIndex);
        },
        false);
    AddCommand(
        help, "cmd_help_context", "Help &Finder", QKeySequence(Qt::Key_F1),
        [this] {
            // The page of the window the user is in.
            if (help_)
                help_->ShowContext(ActiveChild() ? HelpContext::ChildWindow
                                                 : HelpContext::MainWindow);
        },
        false);
    help->addSeparator();
    AddCommand(
        help, "cmd_help_about", "&About KVF_Ed...", {},
        [this] {
            QMessageBox::about(this, "About KVF_Ed",
                               Text(msg::AboutText) + "\n\nVersion " +
                                   QString::fromStdString(VersionText()));
        },
        false);

    toolBar_->addAction(fileNew);
    toolBar_->addAction(fileOpen);
    toolBar_->addAction(fileSave);
    toolBar_->addSeparator();
    for (QAction* action : {cut, copy, paste})
        if (!action->icon().isNull())
            toolBar_->addAction(action);
    toolBar_->addAction(filePrint);
    toolBar_->addSeparator();
    toolBar_->addAction(rebuild);
    toolBar_->addAction(check);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    messagePane_ = new QLabel(Text(msg::IdleStatus), this);
    capPane_ = new QLabel("CAP", this);
    numPane_ = new QLabel("NUM", this);
    caretPane_ = new QLabel(this);
    modifiedPane_ = new QLabel(this);
    // The two document panes are as wide as their longest text, so they do not jump.
    QFontMetrics metrics(font());
    caretPane_->setMinimumWidth(metrics.horizontalAdvance(Text(msg::CaretPaneSizing)) + 12);
    modifiedPane_->setMinimumWidth(metrics.horizontalAdvance(Text(msg::StatusModified)) + 12);
    // The lock keys' state is not known to a portable program: the panes are shown dimmed.
    capPane_->setEnabled(false);
    numPane_->setEnabled(false);
    bar->addWidget(messagePane_, 1);
    for (QLabel* pane : {capPane_, numPane_, caretPane_, modifiedPane_}) {
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
}

void CMainFrame::ApplyFlatbar() {
    // A flat toolbar draws its buttons without frames until the mouse is over them; the
    // raised look frames every button.
    if (flatbarAction_->isChecked() != (settings_.Flatbar != 0))
        flatbarAction_->setChecked(settings_.Flatbar != 0);
    toolBar_->setStyleSheet(settings_.Flatbar
                                ? QString()
                                : QStringLiteral("QToolButton { border: 1px outset palette(mid); "
                                                 "border-radius: 2px; padding: 2px; }"));
}

void CMainFrame::UpdateStatusPanes() {
    CChildFrame* child = mdi_ ? ActiveChild() : nullptr;
    if (!child) {
        caretPane_->setText(Text(msg::NoLine));
        modifiedPane_->setText(Text(msg::NoLine));
        return;
    }
    caretPane_->setText(
        UiText(msg::CaretPosition, child->CaretLine() + 1, child->CaretColumn() + 1));
    modifiedPane_->setText(
        Text(child->Doc().IsModified() ? msg::StatusModified : msg::StatusOriginal));
}

void CMainFrame::UpdateCommands() {
    bool hasDocument = mdi_ && ActiveChild() != nullptr;
    for (QAction* action : documentCommands_)
        action->setEnabled(hasDocument);
}

CChildFrame* CMainFrame::ActiveChild() const {
    return qobject_cast<CChildFrame*>(mdi_->activeSubWindow());
}

QList<CChildFrame*> CMainFrame::Children() const {
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : mdi_->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window))
            children << child;
    return children;
}

CChildFrame* CMainFrame::ChildOf(const Document* document) const {
    for (CChildFrame* child : Children())
        if (&child->Doc().Engine() == document)
            return child;
    return nullptr;
}

void CMainFrame::AddMessage(int level, int line, const std::string& text,
                            const Document* document) {
    if (output_->isHidden())
        output_->show();
    output_->AddMessage(level, line, text, document);
}

void CMainFrame::ClearMessages() {
    output_->ClearMessages();
}

void CMainFrame::Alert(const std::string& text) {
    if (alertHandler_)
        alertHandler_(FromBytes(text));
    else
        QMessageBox::warning(this, "KVF_Ed", FromBytes(text));
}

CChildFrame* CMainFrame::AddChild() {
    auto* child = new CChildFrame(*app_);
    mdi_->addSubWindow(child);
    connect(child, &CChildFrame::caretMoved, this, [this] { UpdateStatusPanes(); });
    connect(child, &CChildFrame::modifiedChanged, this, [this] { UpdateStatusPanes(); });
    connect(child, &QObject::destroyed, this, [this] {
        UpdateStatusPanes();
        UpdateCommands();
    });
    child->SaveAsHandler = [this, child] { return SaveAsDialog(child); };
    child->TextView()->setAlertSink(this);
    connect(child->TreeView(), &CKVFTreeView::userKeyRequested, this,
            [this, child] { OnUserKey(child); });
    // Registered user-defined keys are coloured from the start when "Syntax" asks for it.
    if (app_)
        child->TextView()->ApplyUserKeyHighlighting(app_->Settings());
    child->TextView()->setPrinter(printer_.get());
    return child;
}

CChildFrame* CMainFrame::NewDocument() {
    CChildFrame* child = AddChild();
    child->Doc().InitNew(QString("%1%2").arg(Text(msg::DocumentTypeName)).arg(++untitledCount_));
    ShowNewChild(child);
    return child;
}

CChildFrame* CMainFrame::NewDocumentFromTemplate(const QString& templatePath) {
    CChildFrame* child = AddChild();
    const QString title = QString("%1%2").arg(Text(msg::DocumentTypeName)).arg(untitledCount_ + 1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = child->Doc().InitFromTemplate(title, templatePath);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        mdi_->removeSubWindow(child);
        child->deleteLater();
        return nullptr;
    }
    ++untitledCount_;
    child->TextView()->moveCursor(QTextCursor::Start);
    ShowNewChild(child);
    return child;
}

void CMainFrame::ShowNewChild(CChildFrame* child) {
    child->RefreshViews();
    child->show();
    child->ApplyInitialLayout(mdi_->viewport()->size() * 0.9);
    child->TextView()->setFocus();
    UpdateStatusPanes();
    UpdateCommands();
}

void CMainFrame::OnFileNew() {
    if (!store_)
        return;
    TemplateDialog dialog(
        *store_, [this](const QString& text) { Alert(ToBytes(text)); }, this);
    dialog.exec();
    switch (dialog.Choice()) {
    case TemplateChoice::Cancel:
        break;
    case TemplateChoice::EmptyDocument:
        NewDocument();
        break;
    case TemplateChoice::OpenTemplate:
        NewDocumentFromTemplate(dialog.ChosenPath());
        break;
    }
}

QList<CChildFrame*> CMainFrame::OpenPaths(const QStringList& paths, bool readOnlyTicked) {
    QList<CChildFrame*> opened;
    for (const QString& path : paths) {
        QFileInfo info(path);
        std::string shown = ToBytes(QDir::toNativeSeparators(path));
        // A file whose attributes cannot be read counts as having all of them.
        bool missing = !info.exists();
        bool marked = false;
        if (missing || !info.isWritable()) {
            Alert(FormatMessage(msg::FileReadOnlyFlag, shown));
            marked = true;
        }
        if (missing || info.isDir()) {
            Alert(FormatMessage(msg::FileIsDirectory, shown));
            return opened; // this and all following files stay unopened
        }
        if (info.fileName().startsWith('.')) {
            Alert(FormatMessage(msg::FileHiddenFlag, shown));
            marked = true;
        }
        // A file already open is brought to the front rather than opened twice.
        bool alreadyOpen = false;
        for (CChildFrame* child : Children()) {
            if (!child->Doc().IsUntitled() &&
                QFileInfo(child->Doc().Path()).canonicalFilePath() == info.canonicalFilePath()) {
                mdi_->setActiveSubWindow(child);
                alreadyOpen = true;
            }
        }
        if (alreadyOpen)
            continue;
        CChildFrame* child = AddChild();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        bool loaded = child->Doc().Load(info.absoluteFilePath(), readOnlyTicked || marked);
        QApplication::restoreOverrideCursor();
        if (!loaded) {
            mdi_->removeSubWindow(child);
            child->deleteLater();
            continue;
        }
        child->TextView()->moveCursor(QTextCursor::Start);
        child->RefreshViews();
        child->show();
        child->ApplyInitialLayout(mdi_->viewport()->size() * 0.9);
        child->TextView()->setFocus();
        AddRecentFile(info.absoluteFilePath());
        opened << child;
    }
    if (!paths.isEmpty()) {
        QString last = paths.last();
        qsizetype slash = last.lastIndexOf('/');
        if (slash >= 0)
            settings_.LastDir = last.left(slash);
    }
    UpdateStatusPanes();
    UpdateCommands();
    return opened;
}

void CMainFrame::OnFileOpen() {
    QFileDialog dialog(this, "Open");
    dialog.setNameFilter(DialogFilter());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDirectory(settings_.LastDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The dialog's own read-only box.
    dialog.setOption(QFileDialog::ReadOnly, false);
    auto* readOnly = new QCheckBox("Open as &read-only", &dialog);
    if (auto* layout = qobject_cast<QGridLayout*>(dialog.layout()))
        layout->addWidget(readOnly, layout->rowCount(), 0, 1, -1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    OpenPaths(dialog.selectedFiles(), readOnly->isChecked());
}

bool CMainFrame::SaveDocument(CChildFrame* frame) {
    if (!frame)
        return false;
    if (frame->Doc().IsUntitled())
        return SaveAsDialog(frame);
    return frame->Doc().Save();
}

bool CMainFrame::SaveDocumentAs(CChildFrame* frame, const QString& path) {
    if (!frame || !frame->Doc().Save(path))
        return false;
    AddRecentFile(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CMainFrame::SaveAsDialog(CChildFrame* frame) {
    if (frame->Doc().IsReadOnly()) {
        Alert(std::string(MessageText(msg::FileWriteProtected)));
        return false;
    }
    QString start = frame->Doc().IsUntitled()
                        ? QDir(settings_.LastDir).filePath(frame->Doc().FileName() + ".kvf")
                        : frame->Doc().Path();
    QString path = QFileDialog::getSaveFileName(this, "Save As", start,
                                                Text(msg::DocumentFilter) + ";;All Files (*)");
    if (path.isEmpty())
        return false;
    return SaveDocumentAs(frame, path);
}

void CMainFrame::AddRecentFile(const QString& path) {
    recent_.removeAll(path);
    recent_.prepend(path);
    while (recent_.size() > kRecentFiles)
        recent_.removeLast();
    RebuildRecentMenu();
}

void CMainFrame::RebuildRecentMenu() {
    recentMenu_->clear();
    int number = 1;
    for (const QString& path : recent_) {
        QAction* action = recentMenu_->addAction(QString("&%1 %2").arg(number++).arg(path));
        connect(action, &QAction::triggered, this, [this, path] { OpenPaths({path}, false); });
    }
    recentMenu_->setEnabled(!recent_.isEmpty());
}

void CMainFrame::RunCheck(bool fullCheck) {
    CChildFrame* child = ActiveChild();
    if (!child || !app_)
        return;
    FrameHooks hooks(messagePane_, child);
    if (fullCheck)
        kvf::Check(*app_, child->Doc().Engine(), &hooks);
    else
        kvf::Rebuild(*app_, child->Doc().Engine(), &hooks);
    messagePane_->setText(Text(msg::IdleStatus));
}

void CMainFrame::Rebuild() {
    RunCheck(false);
}
void CMainFrame::Check() {
    RunCheck(true);
}

void CMainFrame::Navigate(const Document* document, int line) {
    CChildFrame* child = ChildOf(document);
    if (!child)
        return;
    child->TreeView()->SelectEntryForLine(line);
    child->SelectLine(line);
    mdi_->setActiveSubWindow(child);
}

void CMainFrame::ShowFind(bool replace) {
    CChildFrame* child = ActiveChild();
    if (!child)
        return;
    QPointer<FindReplaceDialog>& dialog = replace ? replace_ : find_;
    if (!dialog)
        dialog = new FindReplaceDialog(replace, this);
    dialog->SetTarget(child->TextView());
    dialog->SetFindText(child->TextView()->textCursor().selectedText());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void CMainFrame::PrintActive(bool preview) {
    CChildFrame* child = ActiveChild();
    if (!child)
        return;
    if (preview)
        child->TextView()->FilePrintPreview();
    else
        child->TextView()->FilePrint();
}

void CMainFrame::OnSettings() {
    SettingsDialog dialog(settings_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    EditorSettings changed = settings_;
    dialog.CopyTo(changed);
    ApplySettings(changed);
}

void CMainFrame::OnUserKey(CChildFrame* owner) {
    if (!owner)
        owner = ActiveChild();
    CDbEntry* entry = owner && app_ ? owner->Focus().CurrentEntry : nullptr;
    if (!entry || !DocumentHoldsEntry(owner->Doc().Engine(), entry)) {
        Alert(std::string(MessageText(msg::NoDatabase)));
        return;
    }
    UserKeyDialog dialog(app_->Settings(), *entry, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog was modal: the entry is still the one it was opened for.
    ApplyUserKeyRegistration(*app_, owner->Doc().Engine(), *entry, dialog.DataTypeIndex(),
                             dialog.GroupIndex(), ToBytes(dialog.RangeText()));
    for (CChildFrame* child : Children())
        child->TextView()->ApplyUserKeyHighlighting(app_->Settings());
    // The tree files the entry under its new group and shows it selected again; a text
    // edited since the last rebuild makes the tree ask for a rebuild instead.
    const int line = entry->LongLine;
    owner->TreeView()->RebuildTree();
    owner->TreeView()->SelectEntryForLine(line);
    if (owner->TreeView()->isEnabled())
        CheckOneEntry(*app_, owner->Focus(), owner->Doc().Engine(), *entry);
}

void CMainFrame::ApplySettings(const EditorSettings& settings) {
    settings_ = settings;
    // The engine reads Warnings, NoBackup and NoSemanticCheck from the store when it uses
    // them, so the new values count from the next use on.
    settings_.Write(*store_);
}

void CMainFrame::SaveSettings() {
    if (settingsSaved_)
        return;
    settingsSaved_ = true;
    QSettings& qt = store_->Qt();
    settings_.Write(*store_);
    qt.remove("Recent File List");
    for (qsizetype i = 0; i < recent_.size(); ++i)
        qt.setValue(QString("Recent File List/File%1").arg(i + 1), recent_[i]);
    if (!settings_.NoWinPosSave)
        qt.setValue("FloatBars", saveState());
    store_->Sync();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        event->ignore(); // a document refused to close
        return;
    }
    SaveSettings();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    OpenPaths(paths, false);
}

} // namespace kvf
