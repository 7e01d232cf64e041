#include "language/TextEdits.h"

#include <algorithm>

namespace kvf::language {
namespace {

std::size_t Offset(const std::string& text, const TextPosition& at) {
    std::size_t start = 0;
    for (int line = 0; line < at.Line; ++line) {
        std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos)
            return text.size();
        start = lf + 1;
    }
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos)
        end = text.size();
    if (end > start && text[end - 1] == '\r')
        --end;
    return start +
           std::min<std::size_t>(static_cast<std::size_t>(std::max(at.Column, 0)), end - start);
}

} // namespace

std::string ApplyEdits(const std::string& text, std::vector<TextEdit> edits) {
    // From the last to the first, so that each edit's positions still hold.
    std::stable_sort(edits.begin(), edits.end(), [](const TextEdit& a, const TextEdit& b) {
        return a.Range.Start.Line != b.Range.Start.Line
                   ? a.Range.Start.Line > b.Range.Start.Line
                   : a.Range.Start.Column > b.Range.Start.Column;
    });
    std::string result = text;
    for (const TextEdit& edit : edits) {
        std::size_t from = Offset(result, edit.Range.Start);
        std::size_t to = std::max(from, Offset(result, edit.Range.End));
        result.replace(from, to - from, edit.NewText);
    }
    return result;
}

} // namespace kvf::language
