#include "app/WindowTiling.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

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

} // namespace

void TileHorizontally(QMdiArea& area) {
    Tile(area, Qt::Vertical);
}

void TileVertically(QMdiArea& area) {
    Tile(area, Qt::Horizontal);
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
        entry->setCheckable(true);
        entry->setChecked(window == area.activeSubWindow());
        QObject::connect(entry, &QAction::triggered, &area,
                         [&area, window] { area.setActiveSubWindow(window); });
    }
}

} // namespace kvf
