#include "output/OutputRows.h"

#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/SettingsStore.h"

namespace kvf {

std::string LevelText(int level) {
    switch (level) {
    case LEVEL_ERROR:
        return std::string(MessageText(msg::LevelError));
    case LEVEL_FATAL:
        return std::string(MessageText(msg::LevelFatal));
    case LEVEL_WARNING:
        return std::string(MessageText(msg::LevelWarning));
    default:
        return std::string(MessageText(msg::LevelInfo));
    }
}

std::string LineText(int level, int line) {
    if (line < 0 || level < LEVEL_INFO || level > LEVEL_WARNING)
        return std::string(MessageText(msg::NoLine));
    return FormatMessage(msg::LineNumber, line + 1);
}

void OutputRows::AddMessage(int level, int line, const std::string& text,
                            const Document* document) {
    AddIdentifiedMessage(level, line, 0, text, document);
}

void OutputRows::AddIdentifiedMessage(int level, int line, int id, const std::string& text,
                                      const Document* document) {
    if (level == LEVEL_WARNING && settings_->GetInt("Settings", "Warnings", 0) == 1)
        return;
    rows_.push_back(OutputRow{level, line, text, document, id});
    if (document)
        target_ = document;
}

void OutputRows::ClearMessages() {
    rows_.clear();
    target_ = nullptr;
}

} // namespace kvf
