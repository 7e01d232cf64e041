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
    virtual void ClearMessages() = 0;
};

} // namespace kvf
