#include "app/CMainFrame.h"

#include "app/UiText.h"
#include "document/AppState.h"
#include "output/MessageIds.h"
#include "views/CMyListBoxBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace kvf {

CMainFrame::CMainFrame(QtIniSettingsStore& store, QWidget* parent)
    : QMainWindow(parent), store_(&store), mdi_(new QMdiArea(this)),
      output_(new CMyListBoxBar(store, this)) {
    settings_.Read(store);
    setObjectName("MainFrame");
    setWindowTitle(UiText(msg::DocumentTypeName));
    mdi_->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(mdi_);
    setDockNestingEnabled(true);

    CreateMenus();
    CreateStatusBar();

    addDockWidget(Qt::BottomDockWidgetArea, output_);
    output_->AddMessage(LEVEL_FRAME, 0, std::string(MessageText(msg::WelcomeText)), nullptr);
    output_->setWindowTitle(UiText(msg::OutputWindowCaption));

    ApplyFlatbar();
    if (!settings_.NoWinPosSave)
        restoreState(store_->Qt().value("FloatBars").toByteArray());
    resize(1000, 720);
}

CMainFrame::~CMainFrame() {
    SaveSettings();
}

void CMainFrame::CreateMenus() {
    toolBar_ = addToolBar(UiText(msg::FileLabel));
    toolBar_->setObjectName("MainToolBar");

    QMenu* file = menuBar()->addMenu("&File");
    QAction* exit = file->addAction("E&xit", this, &QWidget::close);
    exit->setShortcut(QKeySequence::Quit);

    QMenu* view = menuBar()->addMenu("&View");
    QAction* toolbar = toolBar_->toggleViewAction();
    toolbar->setText("&Toolbar");
    view->addAction(toolbar);
    flatbarAction_ = view->addAction("&Flat Toolbar");
    flatbarAction_->setCheckable(true);
    connect(flatbarAction_, &QAction::toggled, this, [this](bool on) {
        settings_.Flatbar = on ? 1 : 0;
        ApplyFlatbar();
    });
    QAction* statusBarAction = view->addAction("&Status Bar");
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    QAction* outputAction = output_->toggleViewAction();
    outputAction->setText(UiText(msg::MenuOutput));
    view->addAction(outputAction);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    messagePane_ = new QLabel(this);
    capPane_ = new QLabel("CAP", this);
    numPane_ = new QLabel("NUM", this);
    caretPane_ = new QLabel(UiText(msg::NoLine), this);
    modifiedPane_ = new QLabel(QString(), this);
    // The two document panes are as wide as their longest text, so they do not jump.
    QFontMetrics metrics(font());
    caretPane_->setMinimumWidth(metrics.horizontalAdvance(UiText(msg::CaretPaneSizing)) + 8);
    modifiedPane_->setMinimumWidth(metrics.horizontalAdvance(UiText(msg::StatusModified)) + 8);
    bar->addWidget(messagePane_, 1);
    for (QLabel* pane : {capPane_, numPane_, caretPane_, modifiedPane_}) {
        pane->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(pane);
    }
}

void CMainFrame::ApplyFlatbar() {
    // A flat toolbar draws its buttons without frames until the mouse is over them; the
    // raised look frames every button.
    if (flatbarAction_ && flatbarAction_->isChecked() != (settings_.Flatbar != 0))
        flatbarAction_->setChecked(settings_.Flatbar != 0);
    toolBar_->setStyleSheet(settings_.Flatbar
                                ? QString()
                                : QStringLiteral("QToolButton { border: 1px outset palette(mid); "
                                                 "border-radius: 2px; padding: 2px; }"));
}

void CMainFrame::AddMessage(int level, int line, const std::string& text,
                            const Document* document) {
    if (!output_->isVisible())
        output_->show();
    output_->AddMessage(level, line, text, document);
}

void CMainFrame::ClearMessages() {
    output_->ClearMessages();
}

void CMainFrame::SaveSettings() {
    if (settingsSaved_)
        return;
    settingsSaved_ = true;
    settings_.Write(*store_);
    if (!settings_.NoWinPosSave)
        store_->Qt().setValue("FloatBars", saveState());
    store_->Sync();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SaveSettings();
    event->accept();
}

} // namespace kvf
