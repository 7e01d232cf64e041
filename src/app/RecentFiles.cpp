#include "app/RecentFiles.h"

#include "views/QueuedCommand.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace kvf {
namespace {

QString Key(qsizetype index) {
    return QString("Recent File List/File%1").arg(index + 1);
}

} // namespace

void RecentFiles::Read(const QSettings& settings) {
    paths_.clear();
    for (int i = 0; i < kCount; ++i) {
        QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty())
            paths_ << path;
    }
}

void RecentFiles::Write(QSettings& settings) const {
    settings.remove("Recent File List");
    for (qsizetype i = 0; i < paths_.size(); ++i)
        settings.setValue(Key(i), paths_[i]);
}

void RecentFiles::Add(const QString& path) {
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kCount)
        paths_.removeLast();
}

void RecentFiles::FillMenu(QMenu& menu, const std::function<void(const QString&)>& open) const {
    menu.clear();
    int number = 1;
    for (const QString& path : paths_) {
        QAction* action = menu.addAction(QString("&%1 %2").arg(number++).arg(path));
        // Opening fills this menu anew, deleting the action: it runs after the menu's handler.
        QObject::connect(action, &QAction::triggered, &menu,
                         views::Queued(&menu, [open, path] { open(path); }));
    }
    menu.setEnabled(!paths_.isEmpty());
}

} // namespace kvf
