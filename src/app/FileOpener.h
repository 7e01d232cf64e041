#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

namespace kvf {

// The Open command after its dialog, without a window: each chosen path's attribute checks
// with their messages, a file already open brought to the front instead of opened twice,
// the others loaded, read-only where the dialog's box asks for it or the file is marked.
class FileOpener {
  public:
    // A message box with the text.
    std::function<void(const std::string& text)> Alert;
    // Brings the window of an open file to the front; false when no window shows it.
    std::function<bool(const QString& canonicalPath)> BringToFront;
    // Loads a file into a new window; false when it could not be loaded.
    std::function<bool(const QString& absolutePath, bool readOnly)> Load;

    // Opens the paths in order and returns the absolute paths loaded. A path that cannot be
    // read, or names a directory, stops the paths after it; a file that fails to load does not.
    QStringList Open(const QStringList& paths, bool readOnlyTicked) const;

    // The folder the next Open dialog starts in: that of the last chosen path, whether or
    // not it was opened; none for a path without a folder.
    static std::optional<QString> LastDirOf(const QStringList& paths);

  private:
    enum class Outcome { Open, OpenReadOnly, Stop };
    Outcome CheckAttributes(const QString& path) const;
};

} // namespace kvf
