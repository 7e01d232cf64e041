#include "core/AppState.h"

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

void AppState::ReportMessage(int level, int line, int id, const std::string& text,
                             const Document* document) {
    bool finding = level >= LEVEL_ERROR && level <= LEVEL_WARNING;
    if (finding && id != 0 && !selection_.IsSelected(id))
        return;
    messages_->AddIdentifiedMessage(level, line, id, text, document);
    ++MessageCounter;
}

void AppState::ClearMessages() {
    messages_->ClearMessages();
}

void AppState::ForgetEntry(const CDbEntry* entry) {
    if (CurrentEntry == entry)
        CurrentEntry = nullptr;
    if (OpenBlockEntry == entry)
        OpenBlockEntry = nullptr;
}

} // namespace kvf
