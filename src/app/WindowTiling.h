#pragma once

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kvf {

// Where a new document window opens: nine tenths of the area where that leaves room for a
// few cascade steps (smaller, down to six tenths, where it does not), never larger than the
// area, at the next cascade step after the windows already open. The steps start again at
// the top left before a window would reach past the area's right or bottom edge, so its
// title bar and every pane stay in reach. A maximised window (and every window in tab mode)
// keeps filling the area.
void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window);
// Every window in turn as a new one opens, first to last (leaving tab mode).
void CascadeInside(QMdiArea& area);

// The Window menu's arrangements of the document windows inside the area.

// One window above the other, each as wide as the area.
void TileHorizontally(QMdiArea& area);
// Side by side, each as tall as the area.
void TileVertically(QMdiArea& area);
// Two windows side by side, each half as wide as the area and as tall as it, `left` on the
// left; the other windows stay where they are. Nothing in tab mode, where one tab shows.
void PlaceSideBySide(QMdiArea& area, QMdiSubWindow& left, QMdiSubWindow& right);
// Minimised windows line up along the bottom of the area.
void ArrangeIcons(QMdiArea& area);

// The list of open windows at the end of the Window menu ("&1 title", the active one
// checked), made anew each time the menu opens: the entries it added last time go first.
void ListWindows(QMenu& menu, QMdiArea& area);

} // namespace kvf
