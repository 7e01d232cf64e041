#pragma once

#include "app/EditorSettings.h"
#include "core/AppServices.h"

#include <QStringList>

#include <memory>

namespace kvf {

class HelpWindowService;
class CMainFrame;
class HelpWindow;

// What the command line asks for: files to open, and whether the splash may show.
struct StartOptions {
    QStringList Files;
    bool NoSplash = false;
    QString Error; // a usage error, shown instead of starting
};
StartOptions ParseCommandLine(const QStringList& arguments);

// The application object: owns the settings store, the shared services and the main window.
class EditorApp {
  public:
    explicit EditorApp(std::unique_ptr<QtIniSettingsStore> store);
    ~EditorApp();

    // Builds the main window and carries out the command line.
    void Start(const StartOptions& options);

    AppServices& Services() { return *services_; }
    CMainFrame& Frame() { return *frame_; }
    QtIniSettingsStore& Store() { return *store_; }

  private:
    // The output window receives every report; until the frame exists nothing reports.
    class FrameSink : public MessageSink {
      public:
        CMainFrame* Frame = nullptr;
        void AddMessage(int level, int line, const std::string& text,
                        const Document* document) override;
        void ClearMessages() override;
    };

    std::unique_ptr<QtIniSettingsStore> store_;
    FrameSink sink_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<HelpWindowService> helpService_;
    std::unique_ptr<AppServices> services_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace kvf
