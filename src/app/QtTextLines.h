#pragma once

#include "core/TextLines.h"

#include <QMetaObject>

#include <memory>

class QString;
class QTextDocument;

namespace kvf {

// How a file holds its characters: as Windows-1252 bytes, one per character, or as UTF-8
// when it starts with the UTF-8 byte order mark.
enum class FileEncoding { Windows1252, Utf8 };

// A text document's raw text (QTextDocument::toRawText: blocks separated by U+2029) as the
// engine's bytes, lines separated by LF: for a Windows-1252 file the bytes a save writes;
// for a UTF-8 file the code page's bytes of its characters, one per UTF-16 code unit, as
// kvfcheck reads the file (Utf8FileAsEngineText).
std::string RawTextToBytes(QString rawText, FileEncoding encoding = FileEncoding::Windows1252);

// The engine's view of the editor's text: line i is block i of the text document, as
// engine bytes (RawTextToBytes). The text in the editor stays the one master copy; what the engine
// reads is a snapshot of it as bytes, taken at the first read after an edit, so that a run over a
// large text converts it in one pass instead of line by line, and the database can point into the
// snapshot's bytes (SharedBytes) instead of copying each key and value.
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
    // The whole text as the engine reads it, lines separated by LF; valid until the next
    // edit.
    std::string_view Bytes() const;
    // The file's encoding, which the bytes follow; the document sets it as it reads a file.
    void SetEncoding(FileEncoding encoding);
    FileEncoding Encoding() const { return encoding_; }

  private:
    const BufferTextLines& Snapshot() const;

    const QTextDocument* text_;
    FileEncoding encoding_ = FileEncoding::Windows1252;
    QMetaObject::Connection edits_;
    mutable std::unique_ptr<BufferTextLines> snapshot_; // none after an edit
};

} // namespace kvf
