#include "core/TextLines.h"

namespace kvf {

BufferTextLines::BufferTextLines(std::string bytes)
    : bytes_(std::make_shared<const std::string>(std::move(bytes))) {
    const std::string& text = *bytes_;
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    // The end mark of a text without a final line break lies one past its size.
    const bool narrow = text.size() < std::size_t{0xFFFFFFFFu};
    auto add = [&](std::size_t start) {
        if (narrow)
            starts_.push_back(static_cast<std::uint32_t>(start));
        else
            wideStarts_.push_back(start);
    };
    if (narrow)
        starts_.reserve(lines + 2);
    else
        wideStarts_.reserve(lines + 2);
    std::size_t start = 0;
    while (start < text.size()) {
        add(start);
        ++lineCount_;
        std::size_t end = text.find('\n', start);
        start = end == std::string::npos ? text.size() + 1 : end + 1;
    }
    add(start);
}

std::string_view BufferTextLines::View(int index) const {
    if (index < 0 || index >= LineCount())
        return {};
    std::size_t start = Start(static_cast<std::size_t>(index));
    const std::string& text = *bytes_;
    std::size_t end = Start(static_cast<std::size_t>(index) + 1) - 1; // its LF, or the end
    if (end < text.size() && end > start && text[end - 1] == '\r')
        --end;
    return std::string_view(text).substr(start, end - start);
}

VectorTextLines VectorTextLines::FromBytes(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        if (stop > start && bytes[stop - 1] == '\r' && end != std::string_view::npos)
            --stop;
        lines.emplace_back(bytes.substr(start, stop - start));
        start = next;
    }
    return VectorTextLines(std::move(lines));
}

std::string VectorTextLines::Line(int index) const {
    if (index < 0 || index >= LineCount())
        return {};
    return lines_[static_cast<std::size_t>(index)];
}

int VectorTextLines::LineLength(int index) const {
    if (index < 0 || index >= LineCount())
        return 0;
    return static_cast<int>(lines_[static_cast<std::size_t>(index)].size());
}

} // namespace kvf
