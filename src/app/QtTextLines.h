#pragma once

#include "core/TextLines.h"

#include <QMetaObject>

#include <memory>

class QString;
class QTextDocument;

namespace kvf {

// A text document's raw text (QTextDocument::toRawText: blocks separated by U+2029) as the
// Windows-1252 bytes a save writes, lines separated by LF.
std::string RawTextToBytes(QString rawText);

// The engine's view of the editor's text: line i is block i of the text document, as
// Windows-1252 bytes. The text in the editor stays the one master copy; what the engine reads
// is a snapshot of it as bytes, taken at the first read after an edit, so that a run over
// a large text converts it in one pass instead of line by line, and the database can point
// into the snapshot's bytes (SharedBytes) instead of copying each key and value.
class QtTextLines : public TextLines {
  public:
    explicit QtTextLines(const QTextDocument& text);
    ~QtTextLines() override;
    QtTextLines(const QtTextLines&) = delete;
    QtTextLines& operator=(const QtTextLines&) = delete;

    int LineCount() const override;
    std::string Line(int index) const override;
    int LineLength(int index) const override;
    std::string_view LineView(int index, std::string& scratch) const override;
    std::shared_ptr<const void> SharedBytes() const override;
    // The whole text as the bytes a save would write, lines separated by LF; valid until
    // the next edit.
    std::string_view Bytes() const;

  private:
    const BufferTextLines& Snapshot() const;

    const QTextDocument* text_;
    QMetaObject::Connection edits_;
    mutable std::unique_ptr<BufferTextLines> snapshot_; // none after an edit
};

} // namespace kvf
