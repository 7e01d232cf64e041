#include "core/AppServices.h"

namespace kvf {

AppServices::AppServices(SettingsStore& settings, MessageSink& messages, HelpService* help,
                         ProgressSink* progress)
    : settings_(&settings), messages_(&messages), help_(help),
      progress_(progress ? progress : &noProgress_) {}

void AppServices::OpenHelpTopic(const std::string& topic) const {
    if (help_)
        help_->OpenTopic(topic);
}

void AppServices::Alert(const std::string& text) const {
    if (alerts_)
        alerts_->Alert(text);
}

void AppServices::ClearMessages() const {
    messages_->ClearMessages();
}

} // namespace kvf
