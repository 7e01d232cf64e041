#pragma once

class QMdiArea;
class QMenu;

namespace kvf {

// The Window menu's arrangements of the document windows inside the area.

// One window above the other, each as wide as the area.
void TileHorizontally(QMdiArea& area);
// Side by side, each as tall as the area.
void TileVertically(QMdiArea& area);
// Minimised windows line up along the bottom of the area.
void ArrangeIcons(QMdiArea& area);

// The list of open windows at the end of the Window menu ("&1 title", the active one
// checked), made anew each time the menu opens: the entries it added last time go first.
void ListWindows(QMenu& menu, QMdiArea& area);

} // namespace kvf
