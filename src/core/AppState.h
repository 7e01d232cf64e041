#pragma once

#include "core/AlertSink.h"
#include "core/CDbEntry.h"
#include "core/HelpService.h"
#include "core/InputForm.h"
#include "core/KeywordTable.h"
#include "core/MessageSelection.h"
#include "core/MessageSink.h"
#include "core/ProgressSink.h"
#include "core/SettingsStore.h"

#include <array>
#include <string>

namespace kvf {

class Document;

// The input form of the input view: which layout, the help text, captions and values.
struct InputFormData {
    InputForm FormKind = InputForm::None;
    std::string HelpText;
    std::array<std::string, 4> Captions;
    std::array<std::string, 4> Values;
};

// Yes/no answers about keys (ASCII case ignored), remembered while a run lasts: a file
// asks the same question for each of its lines, about a few dozen distinct keys. Outside
// a run every question is asked afresh, so a changed setting counts at once.
class KeyAnswers {
  public:
    // Runs nest (a check run builds the database); the answers live until the outer ends.
    void BeginRun() {
        if (runs_++ == 0)
            answers_.Clear();
    }
    void EndRun() {
        if (runs_ > 0 && --runs_ == 0)
            answers_.Clear();
    }
    // A run for the lifetime of the object.
    class Run {
      public:
        explicit Run(KeyAnswers& answers) : answers_(answers) { answers_.BeginRun(); }
        ~Run() { answers_.EndRun(); }
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

      private:
        KeyAnswers& answers_;
    };
    template <typename Ask> bool Answer(std::string_view key, Ask&& ask) {
        if (runs_ == 0)
            return ask();
        if (const bool* known = answers_.Find(key))
            return *known;
        bool answer = ask();
        if (answers_.Size() < kMaxRemembered && key.size() <= kMaxRememberedLength)
            answers_.Insert(key, answer);
        return answer;
    }

  private:
    // A file of many distinct keys (random text, a number per line) would otherwise make a
    // table as large as the file: past these bounds a key is asked about each time.
    static constexpr std::size_t kMaxRemembered = 1u << 16;
    static constexpr std::size_t kMaxRememberedLength = 256;
    int runs_ = 0;
    KeywordTable<bool> answers_;
};

// The application-wide state that the dispatcher, the reader, the check run and the views
// share. The application object (or kvfcheck, or a test) owns one and hands it around;
// there is no global state.
class AppState {
  public:
    AppState(SettingsStore& settings, MessageSink& messages, HelpService* help = nullptr,
             ProgressSink* progress = nullptr);

    CDbEntry* CurrentEntry = nullptr;
    CDbEntry* OpenBlockEntry = nullptr;
    int BlockOpen = 0;
    Document* CheckedDocument = nullptr;
    int MessageCounter = 0;
    InputFormData InputForm;
    // While a database is built: the store of its texts, where the classification keeps
    // the value parts it makes. None otherwise (an entry then owns what is stored in it).
    EntryTextStore* EntryTexts = nullptr;
    // Whether a key is a registered user key, while a build or a check runs.
    KeyAnswers UserKeyAnswers;

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

    // The one reporting operation of all checkers: adds a row (the sink may hide
    // warnings) and counts the call either way. A finding (Error, Fatal Error, Warning)
    // that the message selection leaves out is neither added nor counted.
    void ReportMessage(int level, int line, int id, const std::string& text,
                       const Document* document);
    // A row without a message id: always reported.
    void ReportMessage(int level, int line, const std::string& text, const Document* document) {
        ReportMessage(level, line, 0, text, document);
    }
    // Which findings are reported; everything unless the shell selects otherwise.
    void SetMessageSelection(const MessageSelection& selection) { selection_ = selection; }
    void ClearMessages();

    // Called by a database that destroys an entry: no shared pointer may outlive it.
    void ForgetEntry(const CDbEntry* entry);

  private:
    SettingsStore* settings_;
    MessageSink* messages_;
    HelpService* help_;
    ProgressSink* progress_;
    AlertSink* alerts_ = nullptr;
    MessageSelection selection_;
    NullProgress noProgress_;
};

} // namespace kvf
