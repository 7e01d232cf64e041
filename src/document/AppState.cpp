#include "document/AppState.h"

namespace kvf {

AppState::AppState(SettingsStore& settings, MessageSink& messages, HelpService* help,
                   ProgressSink* progress)
    : settings_(&settings), messages_(&messages), help_(help),
      progress_(progress ? progress : &noProgress_) {}

void AppState::OpenHelpTopic(const std::string& topic) const {
    if (help_)
        help_->OpenTopic(topic);
}

void AppState::Alert(const std::string& text) const {
    if (alerts_)
        alerts_->Alert(text);
}

void AppState::ReportMessage(int level, int line, const std::string& text,
                             const Document* document) {
    messages_->AddMessage(level, line, text, document);
    ++MessageCounter;
}

void AppState::ClearMessages() { messages_->ClearMessages(); }

void AppState::ForgetEntry(const CDbEntry* entry) {
    if (CurrentEntry == entry)
        CurrentEntry = nullptr;
    if (OpenBlockEntry == entry)
        OpenBlockEntry = nullptr;
}

} // namespace kvf
