#include "app/QtTextLines.h"

#include "core/Windows1252.h"
#include "document/TextEncoding.h"

#include <QTextDocument>

namespace kvf {

std::string RawTextToBytes(QString rawText, FileEncoding encoding) {
    rawText.replace(QChar::ParagraphSeparator, u'\n');
    if (encoding == FileEncoding::Utf8)
        return Utf8FileAsEngineText(rawText.toStdString());
    return Utf8ToWindows1252(rawText.toStdString());
}

QtTextLines::QtTextLines(const QTextDocument& text) : text_(&text) {
    // Only edits change the characters; colouring changes formats and keeps the snapshot.
    edits_ = QObject::connect(&text, &QTextDocument::contentsChange,
                              [this](int, int removed, int added) {
                                  if (removed != 0 || added != 0)
                                      snapshot_.reset();
                              });
}

QtTextLines::~QtTextLines() {
    QObject::disconnect(edits_);
}

const BufferTextLines& QtTextLines::Snapshot() const {
    if (!snapshot_) {
        snapshot_ =
            std::make_unique<BufferTextLines>(RawTextToBytes(text_->toRawText(), encoding_));
    }
    return *snapshot_;
}

void QtTextLines::SetEncoding(FileEncoding encoding) {
    if (encoding != encoding_)
        snapshot_.reset();
    encoding_ = encoding;
}

int QtTextLines::LineCount() const {
    return text_->blockCount();
}

std::string QtTextLines::Line(int index) const {
    std::string unused;
    return std::string(LineView(index, unused));
}

int QtTextLines::LineLength(int index) const {
    std::string unused;
    return static_cast<int>(LineView(index, unused).size());
}

std::string_view QtTextLines::LineView(int index, std::string&) const {
    const BufferTextLines& lines = Snapshot();
    // The snapshot counts no line after a last line break; the text has an empty block there.
    if (index < 0 || index >= lines.LineCount())
        return {};
    return lines.View(index);
}

std::string_view QtTextLines::Bytes() const {
    return Snapshot().Bytes();
}

std::shared_ptr<const void> QtTextLines::SharedBytes() const {
    return Snapshot().SharedBytes();
}

} // namespace kvf
