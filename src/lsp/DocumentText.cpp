#include "lsp/DocumentText.h"

#include <algorithm>
#include <cstring>

namespace kvf::lsp {
namespace {

// The offset where a line starts, or the text's size for a line past the end.
std::size_t LineStart(const std::string& bytes, int line) {
    std::size_t at = 0;
    for (int i = 0; i < line; ++i) {
        const void* lf = std::memchr(bytes.data() + at, '\n', bytes.size() - at);
        if (!lf)
            return bytes.size();
        at = static_cast<std::size_t>(static_cast<const char*>(lf) - bytes.data()) + 1;
    }
    return at;
}

// The end of the line starting at `start`, before its CR LF or LF.
std::size_t LineEnd(const std::string& bytes, std::size_t start) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos)
        end = bytes.size();
    if (end > start && bytes[end - 1] == '\r')
        --end;
    return end;
}

} // namespace

std::size_t DocumentText::Offset(int line, int column) const {
    if (line < 0)
        return 0;
    std::size_t start = LineStart(bytes_, line);
    if (start == bytes_.size())
        return start;
    std::size_t end = LineEnd(bytes_, start);
    return start +
           std::min<std::size_t>(static_cast<std::size_t>(std::max(column, 0)), end - start);
}

bool DocumentText::Edit(int startLine, int startColumn, int endLine, int endColumn,
                        std::string_view newBytes) {
    std::size_t from = Offset(startLine, startColumn);
    std::size_t to = Offset(endLine, endColumn);
    if (from > to)
        return false;
    bytes_.replace(from, to - from, newBytes);
    return true;
}

std::string_view DocumentText::Line(int line) const {
    std::size_t start = LineStart(bytes_, std::max(line, 0));
    return std::string_view(bytes_).substr(start, LineEnd(bytes_, start) - start);
}

} // namespace kvf::lsp
