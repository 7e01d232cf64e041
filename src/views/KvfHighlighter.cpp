#include "views/KvfHighlighter.h"

#include <QColor>
#include <QFont>

namespace kvf::views {
namespace {

// The colour table: red, green, blue and whether the slot is drawn bold.
struct ColourSlot {
    TokenKind Kind;
    int Red, Green, Blue;
    bool Bold;
};

constexpr ColourSlot kColourTable[] = {
    {TokenKind::Comment, 9, 115, 57, false},
    {TokenKind::String, 159, 17, 255, false},
    {TokenKind::Keyword, 0, 0, 230, true},
    {TokenKind::SecondWord, 178, 147, 4, false},
};

} // namespace

KvfHighlighter::KvfHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document), words_(HighlightWords::Standard()) {
    for (const ColourSlot& slot : kColourTable)
        formats_[static_cast<std::size_t>(slot.Kind)] = FormatOf(slot.Kind);
}

QTextCharFormat KvfHighlighter::FormatOf(TokenKind kind) {
    QTextCharFormat format;
    for (const ColourSlot& slot : kColourTable) {
        if (slot.Kind != kind)
            continue;
        format.setForeground(QColor(slot.Red, slot.Green, slot.Blue));
        format.setFontWeight(slot.Bold ? QFont::Bold : QFont::Normal);
    }
    return format;
}

void KvfHighlighter::HighlightLines(const QTextBlock& first, int count) {
    if (!first.isValid() || count <= 0)
        return;
    linesLeftInPass_ = count;
    ++passStamp_;
    rehighlightBlock(first);
    linesLeftInPass_ = 0;
}

void KvfHighlighter::ColourNewLines(const QTextBlock& first, int count) {
    if (!first.isValid() || count <= 0)
        return;
    QTextBlock block = first;
    QTextBlock last = first;
    QList<QTextLayout::FormatRange> ranges;
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next()) {
        ranges.clear();
        for (const HighlightToken& token : ScanLine(block.text(), words_)) {
            ranges.append(
                {token.Start, token.Length, formats_[static_cast<std::size_t>(token.Kind)]});
            lastKind_ = token.Kind;
        }
        block.layout()->setFormats(ranges);
        ++linesScanned_;
        last = block;
    }
    document()->markContentsDirty(first.position(),
                                  last.position() + last.length() - first.position());
}

void KvfHighlighter::highlightBlock(const QString& text) {
    if (linesLeftInPass_ > 0) {
        if (--linesLeftInPass_ > 0)
            setCurrentBlockState(passStamp_);
    }
    if (suspended_)
        return;
    ++linesScanned_;
    for (const HighlightToken& token : ScanLine(text, words_)) {
        setFormat(token.Start, token.Length, formats_[static_cast<std::size_t>(token.Kind)]);
        lastKind_ = token.Kind;
    }
}

} // namespace kvf::views
