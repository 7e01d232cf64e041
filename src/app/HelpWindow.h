#pragma once

#include "app/HelpTopics.h"
#include "core/HelpService.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;
class QAction;

namespace kvf {

// The help window: the program's help pages (a page per window and command, and the
// glossary of keywords with one anchor per keyword) in a browser with Back, Forward and
// Contents. The pages ship inside the program; another folder can be given for tests.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // The folder of the pages built into the program.
    static QString BuiltInPages();

    explicit HelpWindow(QWidget* parent = nullptr, const QString& pageFolder = BuiltInPages());

    // Opens "page.htm" or "page.htm#Anchor" and brings the window to the front. A page that
    // does not exist (or a topic that is no plain page name) does nothing; false then.
    bool ShowTopic(const QString& topic);
    // Opens the page of a window or command.
    bool ShowContext(HelpContext context);
    // Whether the folder holds the page of a topic.
    bool HasPage(const QString& topic) const;

    QTextBrowser* Browser() const { return browser_; }

  private:
    QString pageFolder_;
    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
};

// The engine's help requests (keyword glossary topics) opened in the help window.
class HelpWindowService : public HelpService {
  public:
    explicit HelpWindowService(HelpWindow& window) : window_(&window) {}
    void OpenTopic(const std::string& topic) override;

  private:
    QPointer<HelpWindow> window_;
};

} // namespace kvf
