#pragma once

#include "views/HighlightScanner.h"

#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextCharFormat>

#include <array>

namespace kvf::views {

// Colours a KVF text as the user types: comments, strings, keywords of the catalogue and the
// words of the second list. Each line is coloured on its own (no token spans a line break),
// so an edit re-colours exactly the lines it touched.
class KvfHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    explicit KvfHighlighter(QTextDocument* document);

    HighlightWords& Words() { return words_; }
    const HighlightWords& Words() const { return words_; }

    // The format of a colour slot: its colour, bold only for keywords.
    static QTextCharFormat FormatOf(TokenKind kind);

    // While suspended, lines are left uncoloured; a large text can be set first and coloured
    // afterwards with a progress dialog.
    void SetSuspended(bool suspended) { suspended_ = suspended; }

    // Colours `count` lines from `first` on in one pass (a part of a large text, between two
    // steps of the progress dialog).
    void HighlightLines(const QTextBlock& first, int count);
    // The same for a text just set and not yet shown: the formats go straight into the
    // lines' layouts and the view is told once for the whole part, not once per line.
    void ColourNewLines(const QTextBlock& first, int count);

    // How many lines have been coloured since creation: how the tests and the benchmarks see
    // that an edit re-colours only the lines it touched.
    long long LinesScanned() const { return linesScanned_; }
    // The kind of the last token coloured, for the progress dialog's status line.
    TokenKind LastTokenKind() const { return lastKind_; }

  protected:
    void highlightBlock(const QString& text) override;

  private:
    HighlightWords words_;
    std::array<QTextCharFormat, 4> formats_;
    bool suspended_ = false;
    // A pass over several lines: each line but the last gets a new state, which makes the
    // base class go on to the next line.
    int linesLeftInPass_ = 0;
    int passStamp_ = 0;
    long long linesScanned_ = 0;
    TokenKind lastKind_ = TokenKind::Keyword;
};

} // namespace kvf::views
