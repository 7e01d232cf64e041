#pragma once

#include <QColor>
#include <QIcon>

namespace kvf::views {

// The colour of a finding's level (LEVEL_INFO ... LEVEL_WARNING): the output window's icons
// and the marks in the text share it.
QColor LevelColour(int level);

// The icon of a level, 16 by 16 pixels: Info, Error, Fatal Error, Warning.
QIcon LevelIcon(int level);

} // namespace kvf::views
