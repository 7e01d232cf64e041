#include "app/HelpWindow.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace kvf {
namespace {

QString PageOf(const QString& topic) {
    return topic.section(u'#', 0, 0);
}

// Topics name a page of the help folder and nothing else.
bool IsPlainPageName(const QString& page) {
    return !page.isEmpty() && !page.contains(u'/') && !page.contains(u'\\') &&
           page != QStringLiteral("..") && !page.startsWith(u'.');
}

} // namespace

QString HelpWindow::BuiltInPages() {
    return QStringLiteral(":/help");
}

HelpWindow::HelpWindow(QWidget* parent, const QString& pageFolder)
    : QWidget(parent, Qt::Window), pageFolder_(pageFolder), browser_(new QTextBrowser(this)) {
    // The window type the help pages are opened in.
    setObjectName(QStringLiteral("alfXX"));
    setWindowTitle(tr("KVF Editor Help"));
    resize(720, 560);

    auto* toolBar = new QToolBar(this);
    back_ = toolBar->addAction(tr("Back"), browser_, &QTextBrowser::backward);
    forward_ = toolBar->addAction(tr("Forward"), browser_, &QTextBrowser::forward);
    toolBar->addAction(tr("Contents"), this, [this] {
        ShowTopic(QString::fromLatin1(kDefaultHelpPage.data(), kDefaultHelpPage.size()));
    });
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("KVF Editor Help")
                                       : tr("KVF Editor Help - %1").arg(title));
    });
    browser_->setOpenExternalLinks(true);
    // The pages' common style sheet, applied to every page the browser shows.
    QFile styleSheet(pageFolder_ + QStringLiteral("/help.css"));
    if (styleSheet.open(QIODevice::ReadOnly))
        browser_->document()->setDefaultStyleSheet(QString::fromUtf8(styleSheet.readAll()));

    // Escape closes the window, wherever its focus is.
    auto* closeAction = new QAction(this);
    closeAction->setShortcut(Qt::Key_Escape);
    closeAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(browser_);
}

bool HelpWindow::HasPage(const QString& topic) const {
    const QString page = PageOf(topic);
    return IsPlainPageName(page) && QFileInfo(pageFolder_ + u'/' + page).isFile();
}

bool HelpWindow::ShowTopic(const QString& topic) {
    if (!HasPage(topic))
        return false;
    const QString path = pageFolder_ + u'/' + PageOf(topic);
    QUrl url =
        path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
    const QString anchor = topic.section(u'#', 1);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    browser_->setSource(url);
    if (!anchor.isEmpty())
        browser_->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
    return true;
}

bool HelpWindow::ShowContext(HelpContext context) {
    const std::string_view page = HelpPageFor(context);
    return ShowTopic(QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size())));
}

void HelpWindowService::OpenTopic(const std::string& topic) {
    if (window_)
        window_->ShowTopic(QString::fromStdString(topic));
}

} // namespace kvf
