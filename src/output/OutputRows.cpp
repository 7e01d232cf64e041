#include "output/OutputRows.h"

#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/SettingsStore.h"

#include <cstring>

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

void OutputRowList::Add(int level, int line, int id, std::string_view text,
                        const Document* document) {
    rows_.push_back(OutputRow{level, line, Keep(text), document, id});
}

std::string_view OutputRowList::Keep(std::string_view text) {
    if (text.empty())
        return {};
    char* room = texts_.Room(text.size());
    std::memcpy(room, text.data(), text.size());
    return std::string_view(room, text.size());
}

void OutputRowList::Clear() {
    rows_.clear();
    texts_.Clear();
}

void OutputRowList::ForgetTargets() {
    for (OutputRow& row : rows_)
        row.Target = nullptr;
}

void OutputRows::AddMessage(int level, int line, const std::string& text,
                            const Document* document) {
    AddIdentifiedMessage(level, line, 0, text, document);
}

bool OutputRows::WarningsHidden() {
    if (hideWarnings_ >= 0)
        return hideWarnings_ == 1;
    return settings_->GetInt("Settings", "Warnings", 0) == 1;
}

void OutputRows::AddIdentifiedMessage(int level, int line, int id, const std::string& text,
                                      const Document* document) {
    if (level == LEVEL_WARNING && WarningsHidden())
        return;
    rows_.Add(level, line, id, text, document);
    if (document)
        target_ = document;
}

void OutputRows::ClearMessages() {
    rows_.Clear();
    target_ = nullptr;
}

void OutputRows::RunStarts() {
    hideWarnings_ = settings_->GetInt("Settings", "Warnings", 0) == 1 ? 1 : 0;
}

void OutputRows::RunEnds() {
    hideWarnings_ = -1;
}

} // namespace kvf
