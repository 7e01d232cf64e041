#include "app/WindowTiling.h"

#include "views/QueuedCommand.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStyle>

#include <algorithm>

namespace kvf {
namespace {

// The windows in equal strips along one direction of the area.
void Tile(QMdiArea& area, Qt::Orientation stacked) {
    QList<QMdiSubWindow*> windows = area.subWindowList();
    if (windows.isEmpty())
        return;
    const QSize size = area.viewport()->size();
    const int count = static_cast<int>(windows.size());
    int at = 0;
    for (QMdiSubWindow* window : windows) {
        window->showNormal();
        if (stacked == Qt::Vertical) {
            window->setGeometry(0, at, size.width(), size.height() / count);
            at += size.height() / count;
        } else {
            window->setGeometry(at, 0, size.width() / count, size.height());
            at += size.width() / count;
        }
    }
}

// How many cascade steps a new window leaves room for, where the area allows.
constexpr int kCascadeSteps = 4;

// A new window's size: nine tenths of the area, smaller where that leaves no room for a few
// cascade steps, but not below six tenths (nor below the window's own minimum), and never
// larger than the area. The window goes to cascade step `slot`, wrapped to the top left
// before it would reach past the area's right or bottom edge.
void PlaceAtStep(QMdiArea& area, QMdiSubWindow& window, int slot) {
    const QSize room = area.viewport()->size();
    // One step is a title bar's height, so each earlier window's title stays in sight.
    const int step =
        std::max(1, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window));
    const QSize stepsRoom(kCascadeSteps * step, kCascadeSteps * step);
    const QSize size = (room * 0.9)
                           .boundedTo(room - stepsRoom)
                           .expandedTo(room * 0.6)
                           .expandedTo(window.minimumSize())
                           .boundedTo(room);
    window.resize(size);
    const int slack = std::min(room.width() - window.width(), room.height() - window.height());
    const int steps = std::max(0, slack) / step + 1;
    const int offset = (slot % steps) * step;
    window.move(offset, offset);
}

} // namespace

void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window) {
    if (window.isMaximized() || area.viewMode() == QMdiArea::TabbedView)
        return;
    int earlier = 0;
    for (QMdiSubWindow* other : area.subWindowList())
        if (other != &window && other->isVisible() && !other->isMinimized())
            ++earlier;
    PlaceAtStep(area, window, earlier);
}

void CascadeInside(QMdiArea& area) {
    int slot = 0;
    for (QMdiSubWindow* window : area.subWindowList()) {
        window->showNormal();
        PlaceAtStep(area, *window, slot++);
    }
}

void TileHorizontally(QMdiArea& area) {
    Tile(area, Qt::Vertical);
}

void TileVertically(QMdiArea& area) {
    Tile(area, Qt::Horizontal);
}

void PlaceSideBySide(QMdiArea& area, QMdiSubWindow& left, QMdiSubWindow& right) {
    if (area.viewMode() == QMdiArea::TabbedView || &left == &right)
        return;
    const QSize room = area.viewport()->size();
    const int half = room.width() / 2;
    left.showNormal();
    right.showNormal();
    left.setGeometry(0, 0, half, room.height());
    right.setGeometry(half, 0, room.width() - half, room.height());
}

void ArrangeIcons(QMdiArea& area) {
    int left = 0;
    for (QMdiSubWindow* window : area.subWindowList()) {
        if (!window->isMinimized())
            continue;
        QSize size = window->size();
        window->move(left, area.viewport()->height() - size.height());
        left += size.width();
    }
}

void ListWindows(QMenu& menu, QMdiArea& area) {
    for (QAction* action : menu.actions())
        if (action->property("windowEntry").toBool())
            menu.removeAction(action), action->deleteLater();
    int number = 1;
    for (QMdiSubWindow* window : area.subWindowList()) {
        QAction* entry = menu.addAction(QString("&%1 %2").arg(number++).arg(window->windowTitle()));
        entry->setProperty("windowEntry", true);
        entry->setObjectName("cmd_window_list"); // the help page of every entry
        entry->setCheckable(true);
        entry->setChecked(window == area.activeSubWindow());
        // The menu lists the windows anew each time it opens; a window may go meanwhile.
        QObject::connect(entry, &QAction::triggered, &area,
                         views::Queued(&area, [&area, window = QPointer<QMdiSubWindow>(window)] {
                             if (window)
                                 area.setActiveSubWindow(window);
                         }));
    }
}

} // namespace kvf
