#include "document/TextLines.h"

namespace kvf {

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
