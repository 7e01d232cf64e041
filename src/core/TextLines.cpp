#include "core/TextLines.h"

namespace kvf {

BufferTextLines::BufferTextLines(std::string bytes)
    : BufferTextLines(std::make_shared<const std::string>(std::move(bytes))) {}

BufferTextLines::BufferTextLines(std::shared_ptr<const std::string> bytes) {
    if (!bytes)
        bytes = std::make_shared<const std::string>();
    text_ = *bytes;
    owner_ = std::move(bytes);
    FindLines();
}

BufferTextLines::BufferTextLines(OwnedBlock block, std::size_t size) {
    auto owner = std::make_shared<const OwnedBlock>(std::move(block));
    text_ = std::string_view(owner->Bytes(), size);
    owner_ = std::move(owner);
    FindLines();
}

void BufferTextLines::FindLines() {
    const std::string_view text = text_;
    std::size_t start = 0;
    while (start < text.size()) {
        if (lineCount_ % kStride == 0)
            checkpoints_.push_back(start);
        ++lineCount_;
        std::size_t end = text.find('\n', start);
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    // No line read yet: the cursor stands before line 0.
    lastLine_ = lineCount_;
}

std::string_view BufferTextLines::View(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= lineCount_)
        return {};
    const std::size_t wanted = static_cast<std::size_t>(index);
    const std::string_view text = text_;
    // The rules of one entry read its line several times over: the line read last is cut
    // again without a search.
    if (wanted == lastLine_)
        return CutLine(lastStart_, lastNext_ - 1);
    // Start from the line read last where that lies just before, else from a checkpoint.
    std::size_t line;
    std::size_t start;
    if (lastLine_ < lineCount_ && lastLine_ <= wanted && wanted - lastLine_ <= kStride) {
        line = lastLine_;
        start = lastStart_;
        if (line < wanted) {
            ++line;
            start = lastNext_;
        }
    } else {
        line = wanted / kStride * kStride;
        start = checkpoints_[wanted / kStride];
    }
    std::size_t lineFeed = text.find('\n', start);
    for (; line < wanted; ++line) {
        start = lineFeed + 1; // a line before the last one ends in a LF
        lineFeed = text.find('\n', start);
    }
    std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed;
    lastLine_ = wanted;
    lastStart_ = start;
    lastNext_ = end + 1;
    return CutLine(start, end);
}

std::string_view BufferTextLines::CutLine(std::size_t start, std::size_t end) const {
    // A CR before the LF belongs to the line break; the last line has no LF.
    if (end < text_.size() && end > start && text_[end - 1] == '\r')
        --end;
    return text_.substr(start, end - start);
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
