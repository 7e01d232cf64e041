#pragma once

#include "core/MessageTable.h"
#include "core/Windows1252.h"

#include <QString>

#include <string>
#include <string_view>

namespace kvf {

// Bytes of the engine (Windows-1252) as a widget's text, and back.
inline QString FromBytes(std::string_view bytes) {
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}
inline std::string ToBytes(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

// A string-table text for a window, formatted like the engine's messages.
template <typename... Args> QString UiText(int id, const Args&... args) {
    return FromBytes(FormatMessage(id, args...));
}

} // namespace kvf
