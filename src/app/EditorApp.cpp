#include "app/EditorApp.h"

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/HelpWindow.h"
#include "app/SplashScreen.h"

namespace kvf {

StartOptions ParseCommandLine(const QStringList& arguments) {
    StartOptions options;
    bool onlyFiles = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!onlyFiles && argument == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && (argument == "--nosplash" || argument == "-nosplash" ||
                                  argument == "/nosplash")) {
            options.NoSplash = true;
        } else if (!onlyFiles && argument.startsWith("-") && argument.size() > 1) {
            options.Error = QString("Unknown option %1").arg(argument);
        } else {
            options.Files << argument;
        }
    }
    return options;
}

void EditorApp::FrameSink::AddMessage(int level, int line, const std::string& text,
                                      const Document* document) {
    if (Frame)
        Frame->AddMessage(level, line, text, document);
}

void EditorApp::FrameSink::ClearMessages() {
    if (Frame)
        Frame->ClearMessages();
}

EditorApp::EditorApp(std::unique_ptr<QtIniSettingsStore> store)
    : store_(std::move(store)), help_(std::make_unique<HelpWindow>()),
      helpService_(std::make_unique<HelpWindowService>(*help_)),
      services_(std::make_unique<AppServices>(*store_, sink_, helpService_.get())) {}

EditorApp::~EditorApp() {
    sink_.Frame = nullptr;
    services_->SetAlertSink(nullptr);
    frame_.reset();
}

void EditorApp::Start(const StartOptions& options) {
    frame_ = std::make_unique<CMainFrame>(*store_);
    frame_->AttachApp(*services_);
    sink_.Frame = frame_.get();
    frame_->SetHelpWindow(help_.get());
    services_->SetAlertSink(frame_.get());
    if (!options.NoSplash && frame_->Settings().ShowSplash)
        (new SplashScreen)->ShowFor();
    frame_->ShowAtStart();
    if (options.Files.isEmpty())
        frame_->OnFileNew(); // the template dialog; cancelled, no document opens
    else
        frame_->OpenPaths(options.Files, false);
}

} // namespace kvf
