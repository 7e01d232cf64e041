#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QSettings;

namespace kvf {

// The recently used files, newest first, at most kCount of them; kept in the settings
// file's "Recent File List" section as File1 to File9.
class RecentFiles {
  public:
    static constexpr int kCount = 9;

    void Read(const QSettings& settings);
    void Write(QSettings& settings) const;

    // `path` becomes the newest; a path already listed moves up instead of standing twice.
    void Add(const QString& path);
    const QStringList& Paths() const { return paths_; }

    // The File menu's "Recent Files": "&1 path" and so on, each opening its path; disabled
    // while the list is empty.
    void FillMenu(QMenu& menu, const std::function<void(const QString&)>& open) const;

  private:
    QStringList paths_;
};

} // namespace kvf
