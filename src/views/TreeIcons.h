#pragma once

#include <QIcon>

namespace kvf::views {

// The 16x16 images of the keyword tree, by image number (KeywordTreeModel::Image): letter
// badges for the entry types, folders in their own colours for the groups, a sheet for the
// root, a bracket for block entries and a cross for "no database".
QIcon TreeIcon(int image);

} // namespace kvf::views
