#pragma once

#include "app/HelpTopics.h"

#include <QObject>

#include <functional>

class QAction;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace kvf {

// Help on what the user points at, for the whole program (an application event filter).
// F1 or Shift+F1 while a menu command is highlighted opens that command's page; in a widget
// named after a page (a dialog, one of its options, the text view's lists), or inside one,
// they open that page. Shift+F1 anywhere else starts help mode: the next command chosen,
// from a menu, the toolbar or by its key, opens its page instead of running, and a click
// elsewhere opens the page of the window clicked in. Escape ends help mode.
// Plain F1 anywhere else is left to the Help Finder command.
class ContextHelp : public QObject {
    Q_OBJECT
  public:
    // `show` opens the page of a context.
    explicit ContextHelp(std::function<void(HelpContext)> show, QObject* parent = nullptr);
    ~ContextHelp() override;

    void StartHelpMode();
    bool InHelpMode() const { return helpMode_; }

    // The page for a widget with the focus or under the mouse: the highlighted command of a
    // menu, else the nearest of the widget and its parents named after a page; Other when
    // none is.
    static HelpContext NamedContextOf(QWidget* widget);
    // The page of the window a widget belongs to: the toolbar, the status bar, the output
    // window, a document window, else the main window.
    static HelpContext WindowContextOf(QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void EndHelpMode();
    // A key meant for the widget `watched`; true when it was help's.
    bool OnHelpKey(QObject* watched, QKeyEvent& event);
    // A click in help mode: true when help takes it.
    bool OnHelpModeClick(QWidget& widget, QMouseEvent& event);
    void Show(HelpContext context);

    std::function<void(HelpContext)> show_;
    bool helpMode_ = false;
    bool swallowRelease_ = false; // the release of the click that ended help mode
};

} // namespace kvf
