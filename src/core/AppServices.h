#pragma once

#include "core/AlertSink.h"
#include "core/HelpService.h"
#include "core/LineSuppressions.h"
#include "core/MessageSelection.h"
#include "core/MessageSink.h"
#include "core/ProgressSink.h"
#include "core/SettingsStore.h"

#include <string>

namespace kvf {

// The services the application shares with every build and check it runs: the settings
// store, the message sink, the help service, the progress sink, the message boxes and
// which findings are reported. The application object (or kvfcheck, or a test) owns one
// and hands it to each run (see RunContext); it holds no state of any run.
//
// Threads: a run reads the settings store and the message selection and writes to the
// message sink, the progress sink and the alerts. Two runs on two threads at once may
// share one settings store only when its reads are safe from several threads at once
// (IniSettingsStore and MemorySettingsStore are, as long as nothing writes them
// meanwhile); the sinks need not be: each thread makes an AppServices of its own, with
// sinks of its own, over the shared store. The help service is only reached by the
// glossary action of the editor's views, on the thread that owns them.
class AppServices {
  public:
    AppServices(SettingsStore& settings, MessageSink& messages, HelpService* help = nullptr,
                ProgressSink* progress = nullptr);

    SettingsStore& Settings() const { return *settings_; }
    MessageSink& Messages() const { return *messages_; }
    ProgressSink& Progress() const { return *progress_; }
    // Opens a help topic when a help service is attached; otherwise does nothing.
    void OpenHelpTopic(const std::string& topic) const;
    // Shows a message box when an alert sink is attached; otherwise does nothing.
    void Alert(const std::string& text) const;
    void SetAlertSink(AlertSink* alerts) { alerts_ = alerts; }
    // The editor attaches its progress dialog once its main window exists; nullptr
    // detaches it.
    void SetProgressSink(ProgressSink* progress) { progress_ = progress ? progress : &noProgress_; }

    // Which findings are reported; everything unless the shell selects otherwise.
    void SetMessageSelection(const MessageSelection& selection) { selection_ = selection; }
    const MessageSelection& Selection() const { return selection_; }
    // The suppression comments of the document being checked, which silence findings of
    // their lines and note which they used; none: every finding is reported.
    void SetSuppressions(LineSuppressions* suppressions) { suppressions_ = suppressions; }
    LineSuppressions* Suppressions() const { return suppressions_; }
    void ClearMessages() const;

  private:
    SettingsStore* settings_;
    MessageSink* messages_;
    HelpService* help_;
    ProgressSink* progress_;
    AlertSink* alerts_ = nullptr;
    MessageSelection selection_;
    LineSuppressions* suppressions_ = nullptr;
    NullProgress noProgress_;
};

} // namespace kvf
