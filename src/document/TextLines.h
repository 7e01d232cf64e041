#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// The physical lines of a document's text, as the text view holds them: line i as bytes,
// without its line break. The editor implements it over its text document; the command
// line and the tests over a file's bytes.
class TextLines {
public:
    virtual ~TextLines() = default;
    virtual int LineCount() const = 0;
    // Line i (0-based) as Windows-1252 bytes; empty for a line out of range.
    virtual std::string Line(int index) const = 0;
    // Length of line i in characters (bytes), without its line break.
    virtual int LineLength(int index) const { return static_cast<int>(Line(index).size()); }
};

// Lines held in memory, split from a file's bytes at LF; a CR before the LF is part of the
// line break (files may have CRLF or LF line ends).
class VectorTextLines : public TextLines {
public:
    VectorTextLines() = default;
    explicit VectorTextLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    static VectorTextLines FromBytes(std::string_view bytes);

    int LineCount() const override { return static_cast<int>(lines_.size()); }
    std::string Line(int index) const override;
    int LineLength(int index) const override;
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

} // namespace kvf
