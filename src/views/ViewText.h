#pragma once

#include "core/MessageTable.h"
#include "core/Windows1252.h"

#include <QString>

#include <string_view>

namespace kvf::views {

// Engine bytes (Windows-1252) as widget text.
inline QString FromCodePage(std::string_view bytes) {
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

// A string-table text, formatted like the engine's messages, as widget text.
template <typename... Args> QString ViewText(int id, const Args&... args) {
    return FromCodePage(FormatMessage(id, args...));
}

} // namespace kvf::views
