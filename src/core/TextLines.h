#pragma once

#include "core/BlockSource.h"

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
// the LF belonging to the line break, as VectorTextLines splits them. It keeps the start
// of every 16th line only, and finds a line from there; reading the lines in order (as the
// reader does) finds each from the one before. Costs half a byte per line. Not for use by
// two threads at once: it remembers the line read last.
class BufferTextLines : public TextLines {
  public:
    explicit BufferTextLines(std::string bytes);
    // Bytes shared with their owner, not copied.
    explicit BufferTextLines(std::shared_ptr<const std::string> bytes);
    // The first `size` bytes of `block` (kvfcheck reads a file into a block of the engine's
    // block source).
    BufferTextLines(OwnedBlock block, std::size_t size);

    int LineCount() const override { return static_cast<int>(lineCount_); }
    std::string Line(int index) const override { return std::string(View(index)); }
    int LineLength(int index) const override { return static_cast<int>(View(index).size()); }
    std::string_view LineView(int index, std::string&) const override { return View(index); }
    std::string_view View(int index) const;
    std::string_view Bytes() const { return text_; }
    std::shared_ptr<const void> SharedBytes() const override { return owner_; }

  private:
    void FindLines();
    // The line from `start` up to `end`, its LF or the end of the text.
    std::string_view CutLine(std::size_t start, std::size_t end) const;

    static constexpr std::size_t kStride = 16;

    std::shared_ptr<const void> owner_; // keeps text_ alive
    std::string_view text_;
    std::size_t lineCount_ = 0;
    std::vector<std::size_t> checkpoints_; // start of lines 0, 16, 32, ...
    // The line read last: its number, its start and the start of the line after it.
    mutable std::size_t lastLine_ = 0;
    mutable std::size_t lastStart_ = 0;
    mutable std::size_t lastNext_ = 0;
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
