#include "app/ContextHelp.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace kvf {
namespace {

HelpContext ContextNamed(const QObject& object) {
    return HelpContextNamed(object.objectName().toStdString());
}

bool IsHelpKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_F1 &&
           (event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::ShiftModifier);
}

// The open menus close as they do when a command is chosen.
void CloseMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close())
            break;
    }
}

} // namespace

ContextHelp::ContextHelp(std::function<void(HelpContext)> show, QObject* parent)
    : QObject(parent), show_(std::move(show)) {
    qApp->installEventFilter(this);
}

ContextHelp::~ContextHelp() {
    if (helpMode_)
        QApplication::restoreOverrideCursor();
}

HelpContext ContextHelp::NamedContextOf(QWidget* widget) {
    for (QWidget* at = widget; at; at = at->parentWidget()) {
        if (auto* menu = qobject_cast<QMenu*>(at); menu && menu->activeAction()) {
            const HelpContext command = ContextNamed(*menu->activeAction());
            if (command != HelpContext::Other)
                return command;
        }
        const HelpContext named = ContextNamed(*at);
        if (named != HelpContext::Other)
            return named;
    }
    return HelpContext::Other;
}

HelpContext ContextHelp::WindowContextOf(QWidget* widget) {
    for (QWidget* at = widget; at; at = at->parentWidget()) {
        if (qobject_cast<QToolBar*>(at))
            return HelpContext::Toolbar;
        if (qobject_cast<QStatusBar*>(at))
            return HelpContext::StatusBar;
        if (qobject_cast<QDockWidget*>(at))
            return HelpContext::OutputWindow;
        if (qobject_cast<QMdiSubWindow*>(at))
            return HelpContext::ChildWindow;
    }
    return HelpContext::MainWindow;
}

void ContextHelp::StartHelpMode() {
    if (helpMode_)
        return;
    helpMode_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void ContextHelp::EndHelpMode() {
    if (!helpMode_)
        return;
    helpMode_ = false;
    QApplication::restoreOverrideCursor();
}

void ContextHelp::Show(HelpContext context) {
    if (show_)
        show_(context);
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // F1 is the Help Finder's key too: where help has a page of its own, or in help
        // mode, the key comes here as a key press instead.
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool ours = (IsHelpKey(*key) && (key->modifiers() == Qt::ShiftModifier ||
                                               NamedContextOf(widget) != HelpContext::Other)) ||
                          (helpMode_ && key->key() == Qt::Key_Escape);
        if (ours)
            key->accept();
        return ours;
    }
    case QEvent::KeyPress:
        return OnHelpKey(watched, *static_cast<QKeyEvent*>(event));
    case QEvent::Shortcut:
        // In help mode a command's key opens its page; the command does not run.
        if (auto* action = qobject_cast<QAction*>(watched); action && helpMode_) {
            EndHelpMode();
            const HelpContext command = ContextNamed(*action);
            Show(command != HelpContext::Other ? command : HelpContext::MainWindow);
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && helpMode_)
            return OnHelpModeClick(*widget, *static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::MouseButtonRelease:
        if (swallowRelease_ && watched->isWidgetType()) {
            swallowRelease_ = false;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool ContextHelp::OnHelpKey(QObject* watched, QKeyEvent& event) {
    if (helpMode_ && event.key() == Qt::Key_Escape) {
        EndHelpMode();
        return true;
    }
    if (!IsHelpKey(event))
        return false;
    const HelpContext named = NamedContextOf(qobject_cast<QWidget*>(watched));
    if (named != HelpContext::Other) {
        CloseMenus();
        Show(named);
        return true;
    }
    if (event.modifiers() != Qt::ShiftModifier)
        return false;
    StartHelpMode();
    return true;
}

bool ContextHelp::OnHelpModeClick(QWidget& widget, QMouseEvent& event) {
    if (qobject_cast<QMenuBar*>(&widget))
        return false; // a menu opens, to choose a command from
    HelpContext context = HelpContext::Other;
    if (auto* menu = qobject_cast<QMenu*>(&widget)) {
        QAction* action = menu->actionAt(event.position().toPoint());
        if (!action || action->isSeparator())
            return true;
        if (action->menu())
            return false; // a submenu opens
        context = ContextNamed(*action);
        if (context == HelpContext::Other)
            context = NamedContextOf(menu);
    } else if (auto* button = qobject_cast<QToolButton*>(&widget);
               button && button->defaultAction()) {
        context = ContextNamed(*button->defaultAction());
    } else {
        context = NamedContextOf(&widget);
    }
    if (context == HelpContext::Other)
        context = WindowContextOf(&widget);
    EndHelpMode();
    CloseMenus();
    swallowRelease_ = true;
    Show(context);
    return true;
}

} // namespace kvf
