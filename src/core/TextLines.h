#pragma once

#include <cstdint>
#include <memory>
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
    // Line i without a copy where the lines are held as bytes; otherwise Line(i) is put
    // into `scratch`. The view lives as long as the lines and `scratch` stay unchanged.
    virtual std::string_view LineView(int index, std::string& scratch) const {
        scratch = Line(index);
        return scratch;
    }
    // Where LineView's views point into bytes that stay unchanged as long as somebody holds
    // them: those bytes, so that a database can point into them and keep them alive. None
    // otherwise (views into `scratch`, or text that may change).
    virtual std::shared_ptr<const void> SharedBytes() const { return nullptr; }
};

// A file's bytes, held once, and its lines as views into them: split at LF, a CR before
// the LF belonging to the line break, as VectorTextLines splits them. Costs one offset
// per line instead of one string.
class BufferTextLines : public TextLines {
  public:
    explicit BufferTextLines(std::string bytes);

    int LineCount() const override { return static_cast<int>(lineCount_); }
    std::string Line(int index) const override { return std::string(View(index)); }
    int LineLength(int index) const override { return static_cast<int>(View(index).size()); }
    std::string_view LineView(int index, std::string&) const override { return View(index); }
    std::string_view View(int index) const;
    const std::string& Bytes() const { return *bytes_; }
    std::shared_ptr<const void> SharedBytes() const override { return bytes_; }

  private:
    std::size_t Start(std::size_t index) const {
        return starts_.empty() ? static_cast<std::size_t>(wideStarts_[index]) : starts_[index];
    }

    std::shared_ptr<const std::string> bytes_;
    // Start of each line, then one past the end of the last line's break: four bytes a line,
    // or eight in `wideStarts_` for a text of 4 GiB or more.
    std::vector<std::uint32_t> starts_;
    std::vector<std::uint64_t> wideStarts_;
    std::size_t lineCount_ = 0;
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
