#include "editing/LineBreaks.h"

#include "core/Windows1252.h"

#include <algorithm>
#include <array>

namespace kvf {

SplitText SplitText::FromBytes(std::string_view bytes) {
    SplitText text;
    constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        text.ByteOrderMark = kUtf8ByteOrderMark;
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c != '\n' && c != '\r')
            continue;
        std::size_t breakLength =
            (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        text.Lines.emplace_back(bytes.substr(start, i - start));
        text.Breaks.emplace_back(bytes.substr(i, breakLength));
        i += breakLength - 1;
        start = i + 1;
    }
    text.Lines.emplace_back(bytes.substr(start));
    text.Breaks.emplace_back();
    return text;
}

std::string SplitText::ToBytes() const {
    std::string bytes = ByteOrderMark;
    for (std::size_t i = 0; i < Lines.size(); ++i)
        bytes += Lines[i] + Breaks[i];
    return bytes;
}

std::string SplitText::EditorLine(std::size_t i) const {
    return IsUtf8() ? WellFormedUtf8(Lines[i]) : Lines[i];
}

std::string SplitText::DominantBreak() const {
    static const std::array<std::string, 3> kinds = {"\r\n", "\n", "\r"};
    std::array<std::size_t, 3> counts{};
    for (const std::string& lineBreak : Breaks)
        for (std::size_t k = 0; k < kinds.size(); ++k)
            if (lineBreak == kinds[k])
                ++counts[k];
    std::size_t best = 0;
    for (std::size_t k = 1; k < kinds.size(); ++k)
        if (counts[k] > counts[best])
            best = k;
    return kinds[best];
}

std::string ComposeBytes(const SplitText& original, const std::vector<std::string>& current) {
    const std::vector<std::string>& before = original.Lines;
    std::size_t common = std::min(before.size(), current.size());
    std::size_t prefix = 0;
    while (prefix < common && original.EditorLine(prefix) == current[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < common - prefix &&
           original.EditorLine(before.size() - 1 - suffix) == current[current.size() - 1 - suffix])
        ++suffix;

    std::string added = original.DominantBreak();
    std::string bytes = original.ByteOrderMark;
    for (std::size_t i = 0; i < current.size(); ++i) {
        // An unchanged line is written as it was read.
        if (i < prefix)
            bytes += before[i];
        else if (i >= current.size() - suffix)
            bytes += before[before.size() - (current.size() - i)];
        else
            bytes += current[i];
        if (i + 1 == current.size())
            break; // the last line never has a break of its own
        if (i < prefix) {
            // The old last line had no break: text now follows it.
            bytes += i + 1 < before.size() ? original.Breaks[i] : added;
        } else if (i >= current.size() - suffix) {
            bytes += original.Breaks[before.size() - (current.size() - i)];
        } else {
            // A changed line takes the break of the line it replaces, where that line
            // had one; otherwise the break most of the file uses.
            std::size_t replaced = i;
            bool hasOwn = replaced < before.size() - suffix && replaced + 1 < before.size();
            bytes += hasOwn ? original.Breaks[replaced] : added;
        }
    }
    return bytes;
}

} // namespace kvf
