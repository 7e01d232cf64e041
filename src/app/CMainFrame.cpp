#include "app/CMainFrame.h"

#include "app/CChildFrame.h"
#include "app/CKVF_EdDoc.h"
#include "app/ContextHelp.h"
#include "app/FileOpener.h"
#include "app/FindReplaceDialog.h"
#include "app/HelpWindow.h"
#include "app/LiveCheck.h"
#include "app/ProgressDialog.h"
#include "app/SettingsDialog.h"
#include "app/TemplateDialog.h"
#include "app/UserKeyDialog.h"
#include "app/UserKeyListDialog.h"
#include "app/VariantCompare.h"
#include "app/WindowTiling.h"
#include "app/WorkerThread.h"
#include "catalogue/UserKeys.h"
#include "core/AppServices.h"
#include "core/AsciiText.h"
#include "core/LineSuppressions.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "document/CheckRun.h"
#include "editing/EntryCheck.h"
#include "editing/UserKeyRegistration.h"
#include "variants/VariantFamily.h"
#include "version/BuildVersion.h"
#include "views/CInputView.h"
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
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace kvf {
namespace {

// The main window around a run: the status bar, the wait cursor, the views; and between
// the run's phases a step of the progress dialog, which gives the window its events.
class FrameHooks : public CheckRunHooks {
  public:
    FrameHooks(QLabel* status, CChildFrame* child, ProgressSink& progress)
        : status_(status), child_(child), progress_(&progress) {}
    void StatusText(const std::string& text) override {
        status_->setText(FromBytes(text));
        status_->repaint();
        progress_->Status(text);
        progress_->Step();
    }
    void WaitCursor(bool on) override {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    void ViewsChanged(Document&) override {
        child_->RefreshViews();
        progress_->Step();
    }

  private:
    QLabel* status_;
    CChildFrame* child_;
    ProgressSink* progress_;
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
    mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    // A window the user moves partly out of the area, or an area made smaller, can still be
    // scrolled to.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setTabsClosable(true);
    mdi_->setTabsMovable(true);
    mdi_->setDocumentMode(true);
    setCentralWidget(mdi_);

    QSettings& qt = store_->Qt();
    recent_.Read(qt);

    CreateMenus();
    CreateStatusBar();

    addDockWidget(Qt::BottomDockWidgetArea, output_);
    output_->AddMessage(LEVEL_FRAME, 0, std::string(MessageText(msg::WelcomeText)), nullptr);
    output_->setWindowTitle(Text(msg::OutputWindowCaption));
    connect(output_, &CMyListBoxBar::navigateTo, this, &CMainFrame::Navigate);
    connect(output_, &CMyListBoxBar::navigateBeside, this, &CMainFrame::NavigateBeside);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] {
        UpdateStatusPanes();
        UpdateCommands();
        if (find_)
            find_->SetTarget(ActiveChild() ? ActiveChild()->TextView() : nullptr);
        if (replace_)
            replace_->SetTarget(ActiveChild() ? ActiveChild()->TextView() : nullptr);
    });

    ApplyFlatbar();
    ApplyViewMode();
    // F1 and Shift+F1 on commands and the windows (owned as a child).
    new ContextHelp(
        [this](HelpContext context) {
            if (help_)
                help_->ShowContext(context);
        },
        this);
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

QAction* CMainFrame::CreateAction(const FrameCommand& command, QMenu* menu) {
    QAction* action = command.Provided ? (this->*command.Provided)() : new QAction(menu);
    action->setText(command.TextId ? Text(command.TextId).section('\t', 0, 0)
                                   : QString(command.Text));
    action->setObjectName(command.Name);
    if (*command.Key)
        action->setShortcuts(QKeySequence::listFromString(command.Key));
    switch (command.Scope) {
    case KeyScope::MainWindow:
        break;
    case KeyScope::FocusedView:
        action->setShortcutContext(Qt::WidgetShortcut);
        break;
    case KeyScope::DocumentWindow:
        // Each document window takes the action on as it opens (AddChild).
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        documentKeyCommands_ << action;
        break;
    }
    if (command.Icon.Theme || command.Icon.Standard != QStyle::SP_CustomBase) {
        QIcon fallback = command.Icon.Standard != QStyle::SP_CustomBase
                             ? style()->standardIcon(command.Icon.Standard)
                             : QIcon();
        action->setIcon(command.Icon.Theme ? QIcon::fromTheme(command.Icon.Theme, fallback)
                                           : fallback);
    }
    if (command.Run)
        connect(action, &QAction::triggered, this, [this, run = command.Run] { (this->*run)(); });
    if (command.Toggle) {
        action->setCheckable(true);
        action->setChecked((this->*command.IsOn)());
        connect(action, &QAction::toggled, this,
                [this, toggle = command.Toggle](bool on) { (this->*toggle)(on); });
    }
    if (command.When == Enabling::WithDocument)
        documentCommands_ << action;
    menu->addAction(action);
    return action;
}

QAction* CMainFrame::Command(const QString& name) const {
    return findChild<QAction*>(name);
}

void CMainFrame::CreateMenus() {
    toolBar_ = addToolBar("Toolbar");
    toolBar_->setObjectName("MainToolBar");
    for (const FrameMenu& layout : FrameMenus()) {
        QMenu* menu = menuBar()->addMenu(layout.Title);
        for (std::string_view item : layout.Items) {
            if (item == kSeparator) {
                menu->addSeparator();
            } else if (item == kRecentFilesItem) {
                recentMenu_ = menu->addMenu("Recent &Files");
                // One help page for the list and each of its files.
                recentMenu_->setObjectName("cmd_file_mru");
                recentMenu_->menuAction()->setObjectName("cmd_file_mru");
                RebuildRecentMenu();
            } else if (item == kWindowListItem) {
                windowMenu_ = menu;
                connect(menu, &QMenu::aboutToShow, this,
                        [this] { ListWindows(*windowMenu_, *mdi_); });
            } else {
                auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                            [&](const FrameCommand& c) { return c.Name == item; });
                Q_ASSERT(command != kCommands.end());
                CreateAction(*command, menu);
            }
        }
    }
    flatbarAction_ = Command("cmd_view_flatbar");
    for (const char* name : {"cmd_window_cascade", "cmd_window_tile_horz", "cmd_window_tile_vert",
                             "cmd_window_arrange"})
        arrangeCommands_ << Command(name);
    CreateToolBar();
}

void CMainFrame::CreateToolBar() {
    for (std::string_view item : FrameToolBar()) {
        if (item == kSeparator) {
            toolBar_->addSeparator();
            continue;
        }
        // A command whose icon the theme does not have stays off the toolbar.
        QAction* action =
            Command(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
        if (action && !action->icon().isNull())
            toolBar_->addAction(action);
    }
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
    // Tabs fill the area: there are no windows to arrange.
    if (IsTabbedDocuments())
        for (QAction* action : arrangeCommands_)
            action->setEnabled(false);
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
    else // while a progress run has this window disabled, the box belongs to the dialog
        QMessageBox::warning(progress_ && progress_->Running() ? static_cast<QWidget*>(progress_)
                                                               : this,
                             "KVF_Ed", FromBytes(text));
}

CChildFrame* CMainFrame::AddChild() {
    auto* child = new CChildFrame(*app_);
    child->addActions(documentKeyCommands_);
    mdi_->addSubWindow(child);
    connect(child, &CChildFrame::caretMoved, this, [this] { UpdateStatusPanes(); });
    connect(child, &CChildFrame::modifiedChanged, this, [this] { UpdateStatusPanes(); });
    connect(child, &QObject::destroyed, this, [this] {
        UpdateStatusPanes();
        UpdateCommands();
    });
    child->SaveAsHandler = [this, child] { return SaveAsDialog(child); };
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::FollowWindowState);
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
    // The tree and the first layout of a large file under the progress dialog, a step
    // between the parts, so that the window never goes long without its events.
    {
        ProgressSink& progress = app_->Progress();
        ProgressRun running(progress, std::string(MessageText(msg::ProcessingFile)));
        child->RefreshViews();
        progress.Step();
        placingChild_ = true; // a window shown while another is maximised is maximised too
        child->show();
        placingChild_ = false;
        progress.Step();
        PlaceChild(child);
        progress.Step();
        child->ApplyInitialLayout();
        progress.Step();
    }
    // Shown while the main window was disabled, the new window was neither made the active
    // one nor given the focus.
    mdi_->setActiveSubWindow(child);
    child->TextView()->setFocus();
    UpdateStatusPanes();
    UpdateCommands();
}

void CMainFrame::PlaceChild(CChildFrame* child) {
    placingChild_ = true;
    bool first = true;
    for (QMdiSubWindow* other : mdi_->subWindowList())
        first = first && (other == child || !other->isVisible() || other->isMinimized());
    if (first && mdi_->viewMode() == QMdiArea::SubWindowView) {
        if (settings_.MaximizedDocuments != 0)
            child->showMaximized();
        else
            child->setGeometry(QRect(QPoint(0, 0), mdi_->viewport()->size()));
    } else {
        // A window that opens maximised, as it does while another one is, keeps the size
        // of the whole area; resizing it would leave its panes smaller than its frame.
        PlaceNewWindow(*mdi_, *child);
    }
    placingChild_ = false;
}

void CMainFrame::FollowWindowState(Qt::WindowStates before, Qt::WindowStates now) {
    // Tabs show every window maximised, which says nothing of the user's choice.
    if (placingChild_ || !mdi_ || mdi_->viewMode() == QMdiArea::TabbedView ||
        (now & Qt::WindowMinimized))
        return;
    const bool was = before.testFlag(Qt::WindowMaximized);
    const bool is = now.testFlag(Qt::WindowMaximized);
    if (was != is)
        settings_.MaximizedDocuments = is ? 1 : 0;
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
    FileOpener opener;
    opener.Alert = [this](const std::string& text) { Alert(text); };
    opener.BringToFront = [this](const QString& canonicalPath) {
        bool shown = false;
        for (CChildFrame* child : Children()) {
            if (!child->Doc().IsUntitled() &&
                QFileInfo(child->Doc().Path()).canonicalFilePath() == canonicalPath) {
                mdi_->setActiveSubWindow(child);
                shown = true;
            }
        }
        return shown;
    };
    opener.Load = [this, &opened](const QString& path, bool readOnly) {
        CChildFrame* child = LoadChild(path, readOnly);
        if (child)
            opened << child;
        return child != nullptr;
    };
    opener.Open(paths, readOnlyTicked);
    if (std::optional<QString> folder = FileOpener::LastDirOf(paths))
        settings_.LastDir = *folder;
    UpdateStatusPanes();
    UpdateCommands();
    return opened;
}

CChildFrame* CMainFrame::LoadChild(const QString& path, bool readOnly) {
    CChildFrame* child = AddChild();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool loaded = child->Doc().Load(path, readOnly);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        mdi_->removeSubWindow(child);
        child->deleteLater();
        return nullptr;
    }
    child->TextView()->moveCursor(QTextCursor::Start);
    ShowNewChild(child);
    AddRecentFile(path);
    return child;
}

QString CMainFrame::OpenFolder() const {
    CChildFrame* child = ActiveChild();
    if (child && !child->Doc().IsUntitled())
        return QFileInfo(child->Doc().Path()).absolutePath();
    if (!settings_.LastDir.isEmpty() && QFileInfo(settings_.LastDir).isDir())
        return settings_.LastDir;
    return QDir::currentPath();
}

void CMainFrame::OnFileOpen() {
    QFileDialog dialog(this, "Open");
    dialog.setNameFilter(DialogFilter());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDirectory(OpenFolder());
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
    const QString kvfFilter = Text(msg::DocumentFilter);
    QFileDialog dialog(this, "Save As", start, kvfFilter + ";;All Files (*)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A bare name gets the extension of the KVF filter; the dialog adds it before it asks
    // whether to replace an existing file, so the name asked about is the one written.
    dialog.setDefaultSuffix("kvf");
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, kvfFilter](const QString& f) {
        dialog.setDefaultSuffix(f == kvfFilter ? QStringLiteral("kvf") : QString());
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return SaveDocumentAs(frame, dialog.selectedFiles().first());
}

void CMainFrame::AddRecentFile(const QString& path) {
    recent_.Add(path);
    RebuildRecentMenu();
}

void CMainFrame::RebuildRecentMenu() {
    recent_.FillMenu(*recentMenu_, [this](const QString& path) { OpenPaths({path}, false); });
}

void CMainFrame::RunCheck(bool fullCheck, CChildFrame* child) {
    if (!child)
        child = ActiveChild();
    if (!child || !app_)
        return;
    // One run of the progress dialog over the whole command: the window gets its events
    // between the phases while no second command can start.
    ProgressRun running(app_->Progress(), std::string(MessageText(msg::BuildingDatabase)));
    FrameHooks hooks(messagePane_, child, app_->Progress());
    // The file's own suppression comments silence their findings here as in kvfcheck.
    LineSuppressions suppressions = LineSuppressions::Read(child->Doc().Engine().Lines());
    app_->SetSuppressions(&suppressions);
    struct Forget { // the list lives in this call only
        AppServices* app;
        ~Forget() { app->SetSuppressions(nullptr); }
    } forget{app_};
    if (fullCheck) {
        kvf::Check(*app_, child->Doc().Engine(), &hooks);
        child->SetLastCheck(output_->Counts()); // the run cleared the rows before it
    } else {
        kvf::Rebuild(*app_, child->Doc().Engine(), &hooks);
    }
    messagePane_->setText(Text(msg::IdleStatus));
}

void CMainFrame::Rebuild() {
    RunCheck(false);
}
void CMainFrame::Check() {
    RunCheck(true);
}

void CMainFrame::CompareVariants() {
    CChildFrame* child = ActiveChild();
    if (!child || !app_ || (variantWorker_ && variantWorker_->IsRunning()))
        return;
    ClearMessages();
    const Document* document = &child->Doc().Engine();
    if (child->Doc().IsUntitled()) {
        AddMessage(LEVEL_FRAME, -1, std::string(MessageText(msg::VariantsNeedFileName)), document);
        return;
    }
    // What the worker reads is taken here: the texts may be edited meanwhile.
    auto held = [](CChildFrame* frame) {
        return HeldText{QFileInfo(frame->Doc().Path()).absoluteFilePath().toStdString(),
                        frame->TextView()->document()->toRawText(),
                        frame->Doc().Lines().Encoding()};
    };
    auto request = std::make_shared<VariantCompareRequest>();
    request->Document = held(child);
    for (CChildFrame* other : Children())
        if (other != child && !other->Doc().IsUntitled() &&
            AreVariantSiblings(request->Document.Path,
                               QFileInfo(other->Doc().Path()).absoluteFilePath().toStdString()))
            request->OpenSiblings.push_back(held(other));
    request->Selection = app_->Selection();
    request->MakeSettings = WorkerSettingsOf(app_->Settings());

    if (!variantWorker_)
        variantWorker_ = new WorkerThread(this);
    // The progress dialog holds the window while the worker runs, as a check run does; its
    // bar moves on while the worker has not ended.
    ProgressSink& progress = app_->Progress();
    progress.Begin(std::string(MessageText(msg::ComparingVariants)));
    auto* steps = new QTimer(this);
    connect(steps, &QTimer::timeout, this, [&progress] { progress.Step(); });
    steps->start(100);
    auto rows = std::make_shared<std::vector<VariantRow>>();
    QPointer<CChildFrame> target(child);
    variantWorker_->Start([request, rows] { *rows = CompareWithVariants(*request); },
                          [this, rows, target, steps, &progress] {
                              steps->stop();
                              steps->deleteLater();
                              progress.End();
                              if (target) // else the document went meanwhile
                                  ShowVariantRows(*target, *rows);
                          });
}

void CMainFrame::ShowVariantRows(CChildFrame& child, const std::vector<VariantRow>& rows) {
    if (output_->isHidden())
        output_->show();
    const Document* document = &child.Doc().Engine();
    for (const VariantRow& row : rows) {
        if (row.OtherPath.empty())
            output_->AddMessage(row.Level, row.Line, row.Text, document);
        else
            output_->AddRelatedMessage(row.Level, row.Line, row.Text, document,
                                       QString::fromStdString(row.OtherPath), row.OtherLine);
    }
}

void CMainFrame::WaitForVariantComparison() {
    if (variantWorker_)
        variantWorker_->Wait();
}

CChildFrame* CMainFrame::ChildAt(const QString& path) const {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty())
        return nullptr;
    for (CChildFrame* child : Children())
        if (!child->Doc().IsUntitled() &&
            QFileInfo(child->Doc().Path()).canonicalFilePath() == wanted)
            return child;
    return nullptr;
}

void CMainFrame::NavigateBeside(const Document* document, int line, const QString& otherPath,
                                int otherLine) {
    CChildFrame* child = ChildOf(document);
    if (!child)
        return;
    CChildFrame* other = ChildAt(otherPath);
    if (!other) {
        const QList<CChildFrame*> opened = OpenPaths({otherPath}, false);
        other = opened.isEmpty() ? ChildAt(otherPath) : opened.first();
    }
    if (!other)
        return; // the file could not be opened; the opener said why
    if (other != child) {
        placingChild_ = true; // the user's choice of maximised windows stays
        PlaceSideBySide(*mdi_, *child, *other);
        placingChild_ = false;
    }
    child->TreeView()->SelectEntryForLine(line);
    child->SelectLine(line);
    other->TreeView()->SelectEntryForLine(otherLine);
    other->SelectLine(otherLine);
    mdi_->setActiveSubWindow(other);
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
    lastSearch_ = dialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void CMainFrame::FindAgain(bool backward) {
    CChildFrame* child = ActiveChild();
    if (!child)
        return;
    if (!lastSearch_ || lastSearch_->FindField()->text().isEmpty()) {
        ShowFind(false);
        return;
    }
    lastSearch_->SetTarget(child->TextView());
    if (!lastSearch_->FindInDirection(backward))
        statusBar()->showMessage(
            QString("Cannot find \"%1\".").arg(lastSearch_->FindField()->text()), 3000);
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
    // They count for this run all the same; the user learns that they are not kept.
    if (app_)
        SettingsCanKeep(*app_, msg::SettingsNotWritable);
}

void CMainFrame::OnUserKey(CChildFrame* owner) {
    if (!owner)
        owner = ActiveChild();
    CDbEntry* entry = owner && app_ ? owner->Focus().CurrentEntry : nullptr;
    if (!entry || !DocumentHoldsEntry(owner->Doc().Engine(), entry)) {
        Alert(std::string(MessageText(msg::NoDatabase)));
        return;
    }
    // A key the checker takes for no keyword is never written into the settings.
    if (!IsRegistrableUserKey(entry->Key)) {
        Alert(FormatMessage(msg::UserKeyNotRegistrable, std::string(entry->Key)));
        return;
    }
    // A registration the settings cannot keep is not asked for.
    if (!SettingsCanKeep(*app_, msg::UserKeySettingsNotWritable))
        return;
    // The dialog is modal, but its loop delivers the live check's results meanwhile: the
    // database may be built again from the text (the entry then is another object, or none
    // when its line changed), and the window may go. The entry is found again after it.
    const QPointer<CChildFrame> window(owner);
    const int entryLine = entry->LongLine;
    const std::string entryKey = entry->Key;
    UserKeyDialog dialog(app_->Settings(), *entry, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    entry = window ? FindEntry(owner->Doc().Engine().Database, entryLine, entryKey) : nullptr;
    if (!entry) {
        Alert(std::string(MessageText(msg::UserKeyEntryGone)));
        return;
    }
    ApplyUserKeyRegistration(*app_, owner->Doc().Engine(), *entry, dialog.DataTypeIndex(),
                             dialog.GroupIndex(), ToBytes(dialog.RangeText()));
    for (CChildFrame* child : Children()) {
        child->TextView()->ApplyUserKeyHighlighting(app_->Settings());
        // The marks in the text follow the registration too.
        if (child->Live().IsEnabled())
            child->Live().CheckNow();
    }
    // The tree files the entry under its new group and shows it selected again; a text
    // edited since the last rebuild makes the tree ask for a rebuild instead.
    const int line = entry->LongLine;
    owner->TreeView()->RebuildTree();
    owner->TreeView()->SelectEntryForLine(line);
    if (owner->TreeView()->isEnabled())
        CheckOneEntry(*app_, owner->Focus(), owner->Doc().Engine(), *entry);
}

void CMainFrame::OnUserKeyList() {
    if (!app_)
        return;
    UserKeyListDialog dialog(app_->Settings(), this);
    dialog.SetWriteCheck(
        [this] { return SettingsCanKeep(*app_, msg::UserKeySettingsNotWritable); });
    connect(&dialog, &UserKeyListDialog::keyChanged, this, &CMainFrame::FollowUserKeyChange);
    dialog.exec();
}

void CMainFrame::FollowUserKeyChange(const QString& key) {
    store_->Sync(); // kvfcheck reads the file
    const std::string name = ToBytes(key);
    // The list is modal: the document window the user works in is current, not active.
    const QMdiSubWindow* current = mdi_->currentSubWindow();
    for (CChildFrame* child : Children()) {
        child->TextView()->ApplyUserKeyHighlighting(app_->Settings());
        bool holdsKey = false;
        for (const CDbEntry& entry : child->Doc().Engine().Database)
            holdsKey = holdsKey || EqualsNoCase(entry.Key, name);
        if (holdsKey) {
            const CDbEntry* selected = child->Focus().CurrentEntry;
            const int line = selected ? selected->LongLine : -1;
            if (child == current)
                RunCheck(true, child);
            else
                child->RebuildDatabase();
            if (line >= 0)
                child->TreeView()->SelectEntryForLine(line);
        }
        // The marks in the text follow too (a text typed since the last build included).
        if (child->Live().IsEnabled())
            child->Live().CheckNow();
    }
}

void CMainFrame::ApplySettings(const EditorSettings& settings) {
    settings_ = settings;
    // The engine reads Warnings, NoBackup and NoSemanticCheck from the store when it uses
    // them, so the new values count from the next use on.
    settings_.Write(*store_);
    for (CChildFrame* child : Children())
        child->ApplyLiveCheckSetting();
}

void CMainFrame::SaveSettings() {
    if (settingsSaved_)
        return;
    settingsSaved_ = true;
    QSettings& qt = store_->Qt();
    settings_.Write(*store_);
    recent_.Write(qt);
    if (!settings_.NoWinPosSave) {
        qt.setValue("FloatBars", saveState());
        qt.setValue("MainWindowPlacement", saveGeometry());
    }
    store_->Sync();
}

void CMainFrame::ShowAtStart() {
    const QByteArray placement = store_->Qt().value("MainWindowPlacement").toByteArray();
    if (settings_.NoWinPosSave || placement.isEmpty() || !restoreGeometry(placement)) {
        // Filled before it is maximised: where no window manager maximises it, the window
        // takes the screen all the same.
        if (QScreen* screen = this->screen())
            setGeometry(screen->availableGeometry());
        showMaximized();
        return;
    }
    show();
}

void CMainFrame::OnFileClose() {
    if (CChildFrame* child = ActiveChild())
        child->close();
}

void CMainFrame::OnFileSave() {
    SaveDocument(ActiveChild());
}

void CMainFrame::OnFileSaveAs() {
    if (CChildFrame* child = ActiveChild())
        SaveAsDialog(child);
}

void CMainFrame::OnFilePrint() {
    PrintActive(false);
}

void CMainFrame::OnFilePreview() {
    PrintActive(true);
}

void CMainFrame::OnPrintSetup() {
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void CMainFrame::OnExit() {
    close();
}

void CMainFrame::UndoOrRedo(bool redo) {
    CChildFrame* child = ActiveChild();
    if (!child)
        return;
    // A text field of the input form the user types in undoes its own typing, as any field
    // does: what it holds is not the document's text until Apply, and taking back a change
    // of the text behind the field instead would change what the user is not looking at.
    // Its keys reach the field itself; the menu command and Ctrl+Y, which a field does not
    // know, are sent on to it here.
    QWidget* focus = QApplication::focusWidget();
    if (focus && child->InputView()->isAncestorOf(focus)) {
        auto* line = qobject_cast<QLineEdit*>(focus);
        auto* text = qobject_cast<QPlainTextEdit*>(focus);
        if ((line && !line->isReadOnly()) || (text && !text->isReadOnly())) {
            QMetaObject::invokeMethod(focus, redo ? "redo" : "undo");
            return;
        }
    }
    if (redo)
        child->TextView()->redo();
    else
        child->TextView()->undo();
}

void CMainFrame::OnUndo() {
    UndoOrRedo(false);
}

void CMainFrame::OnRedo() {
    UndoOrRedo(true);
}

void CMainFrame::OnCut() {
    if (CChildFrame* child = ActiveChild())
        child->TextView()->cut();
}

void CMainFrame::OnCopy() {
    if (CChildFrame* child = ActiveChild())
        child->TextView()->copy();
}

void CMainFrame::OnPaste() {
    if (CChildFrame* child = ActiveChild())
        child->TextView()->paste();
}

void CMainFrame::OnFind() {
    ShowFind(false);
}

void CMainFrame::OnReplace() {
    ShowFind(true);
}

void CMainFrame::OnFindNext() {
    FindAgain(false);
}

void CMainFrame::OnFindPrevious() {
    FindAgain(true);
}

void CMainFrame::OnGoToLine() {
    CChildFrame* child = ActiveChild();
    if (!child)
        return;
    QPlainTextEdit* view = child->TextView();
    bool chosen = false;
    const int line = QInputDialog::getInt(
        this, "Go To Line", QString("&Line number (1-%1):").arg(view->blockCount()),
        view->textCursor().blockNumber() + 1, 1, view->blockCount(), 1, &chosen);
    if (!chosen)
        return;
    // The caret goes to the start of the line, which the view scrolls into sight.
    view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(line - 1)));
    view->centerCursor();
    view->setFocus();
}

QAction* CMainFrame::ToolBarAction() const {
    return toolBar_->toggleViewAction();
}

void CMainFrame::SetFlatbar(bool on) {
    settings_.Flatbar = on ? 1 : 0;
    ApplyFlatbar();
}

bool CMainFrame::IsFlatbar() const {
    return settings_.Flatbar != 0;
}

void CMainFrame::ShowStatusBar(bool on) {
    statusBar()->setVisible(on);
}

bool CMainFrame::IsStatusBarShown() const {
    // Before the bar is made it is shown as soon as it is.
    const QStatusBar* bar = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    return !bar || !bar->isHidden();
}

QAction* CMainFrame::OutputAction() const {
    return output_->toggleViewAction();
}

void CMainFrame::SetTabbedDocuments(bool on) {
    settings_.TabbedDocuments = on ? 1 : 0;
    ApplyViewMode();
}

bool CMainFrame::IsTabbedDocuments() const {
    return settings_.TabbedDocuments != 0;
}

void CMainFrame::ApplyViewMode() {
    const bool tabbed = IsTabbedDocuments();
    if (QAction* action = Command("cmd_view_tabbed"); action && action->isChecked() != tabbed)
        action->setChecked(tabbed);
    if (!mdi_ || (mdi_->viewMode() == QMdiArea::TabbedView) == tabbed)
        return;
    mdi_->setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    // A tab as wide as its file name, as in other editors, not a share of the whole width.
    if (auto* tabs = mdi_->findChild<QTabBar*>())
        tabs->setExpanding(false);
    if (!tabbed) {
        // Back from tabs every window shows whole in the area again, the active one on top.
        QMdiSubWindow* active = mdi_->activeSubWindow();
        placingChild_ = true;
        CascadeInside(*mdi_);
        placingChild_ = false;
        if (active)
            mdi_->setActiveSubWindow(active);
    }
    UpdateCommands();
}

void CMainFrame::OnCascade() {
    mdi_->cascadeSubWindows();
}

void CMainFrame::OnTileHorizontally() {
    TileHorizontally(*mdi_);
}

void CMainFrame::OnTileVertically() {
    TileVertically(*mdi_);
}

void CMainFrame::OnArrangeIcons() {
    ArrangeIcons(*mdi_);
}

void CMainFrame::OnSplit() {
    if (CChildFrame* child = ActiveChild())
        child->ToggleSplit();
}

void CMainFrame::OnHelpIndex() {
    if (help_)
        help_->ShowContext(HelpContext::HelpIndex);
}

void CMainFrame::OnHelpFinder() {
    // The page of the window the user is in.
    if (help_)
        help_->ShowContext(ActiveChild() ? HelpContext::ChildWindow : HelpContext::MainWindow);
}

void CMainFrame::OnAbout() {
    QMessageBox::about(this, "About KVF_Ed",
                       Text(msg::AboutText) + "\n\nVersion " +
                           QString::fromStdString(VersionText()));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Each document asks about its unsaved changes; the first one kept open (Cancel, or a
    // save that failed) keeps the window open. A closed document window is only deleted
    // later, so the area still lists it here: what counts is the answer of its close.
    for (CChildFrame* child : Children()) {
        if (!child->isHidden() && !child->close()) {
            event->ignore();
            return;
        }
    }
    SaveSettings();
    // The help window goes with the main window, so that the program ends.
    if (help_)
        help_->close();
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
