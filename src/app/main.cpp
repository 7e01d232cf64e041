#include "app/EditorApp.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("DORRIM");
    QApplication::setApplicationName("KVF_Ed");
    kvf::StartOptions options = kvf::ParseCommandLine(QApplication::arguments());
    if (!options.Error.isEmpty()) {
        QMessageBox::warning(nullptr, "KVF_Ed",
                             options.Error + "\n\nUsage: kvf-editor [--nosplash] [FILE...]");
        return 2;
    }
    kvf::EditorApp app(std::make_unique<kvf::QtIniSettingsStore>());
    app.Start(options);
    return QApplication::exec();
}
