#pragma once

#include <string>

namespace kvf {

class Document;

// Message levels of the output window.
inline constexpr int LEVEL_INFO = 0;
inline constexpr int LEVEL_ERROR = 1;
inline constexpr int LEVEL_FATAL = 2;
inline constexpr int LEVEL_WARNING = 3;
// The check run's frame messages: shown as "Info" with "---".
inline constexpr int LEVEL_FRAME = -1;

// Where reported messages go: the output window in the editor, a row list in kvfcheck.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void AddMessage(int level, int line, const std::string& text,
                            const Document* document) = 0;
    // A row with the id of its message in the string table (0: none). A sink that shows
    // no ids need not override it.
    virtual void AddIdentifiedMessage(int level, int line, int id, const std::string& text,
                                      const Document* document) {
        (void)id;
        AddMessage(level, line, text, document);
    }
    virtual void ClearMessages() = 0;
    // A check run adds its rows between these two calls; the settings do not change in
    // between, so a sink may read what it needs of them once.
    virtual void RunStarts() {}
    virtual void RunEnds() {}
};

} // namespace kvf
