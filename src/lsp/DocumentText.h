#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvf::lsp {

// A document's text as the server holds it (engine bytes, one per UTF-16 code unit of the
// client's text, see ClientText.h) and the edits a client sends. Lines end at LF, as the
// engine splits them; a CR before the LF belongs to the line break.
class DocumentText {
  public:
    DocumentText() = default;
    explicit DocumentText(std::string bytes) : bytes_(std::move(bytes)) {}

    const std::string& Bytes() const { return bytes_; }
    void Replace(std::string bytes) { bytes_ = std::move(bytes); }

    // The offset of a client position; a line past the end is the end of the text, a column
    // past the end of its line the end of that line (as the protocol asks).
    std::size_t Offset(int line, int column) const;

    // Replaces the text between two positions. False (and nothing changed) when the start
    // lies after the end.
    bool Edit(int startLine, int startColumn, int endLine, int endColumn,
              std::string_view newBytes);

    // One line without its line break.
    std::string_view Line(int line) const;

  private:
    std::string bytes_;
};

} // namespace kvf::lsp
