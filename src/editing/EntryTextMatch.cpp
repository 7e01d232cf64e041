#include "editing/EntryTextMatch.h"

#include "core/AsciiText.h"
#include "core/TextLines.h"

namespace kvf {
namespace {

// The part of a line the check reads.
constexpr std::size_t kCheckedLineLength = 255;

// The editor trims the no-break space as well as the ASCII blanks.
bool IsBlank(char c) {
    return IsSpace(c) || static_cast<unsigned char>(c) == 0xA0;
}

} // namespace

bool LineHoldsKey(const TextLines& text, int line, std::string_view key) {
    if (line < 0 || line >= text.LineCount())
        return false;
    std::string scratch;
    return LineHoldsKey(text.LineView(line, scratch), key);
}

bool LineHoldsKey(std::string_view lineText, std::string_view key) {
    std::string_view content = lineText.substr(0, kCheckedLineLength);
    while (!content.empty() && IsBlank(content.front()))
        content.remove_prefix(1);
    while (!content.empty() && IsBlank(content.back()))
        content.remove_suffix(1);
    if (!content.empty() && content.front() == ';')
        return false;
    return content.find(key) != std::string_view::npos || key == "Module_Reference";
}

} // namespace kvf
