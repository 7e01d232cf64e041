#pragma once

#include "language/Completion.h"
#include "language/QuickFixes.h"
#include "language/Snapshot.h"
#include "views/FindingMarks.h"
#include "views/TextAssist.h"

#include <QString>

#include <vector>

class QTextDocument;

namespace kvf {

class AppServices;
class Document;
class QtTextLines;

// The language services over the text of a document window, for its text view: the help
// of the place under the mouse, what may be written at the caret, and the fixes of a marked
// finding. Each call reads the text as it is now (through the document's bytes, which are
// converted once after each edit); the services keep nothing of it.
class TextServices {
  public:
    TextServices(AppServices& app, const QtTextLines& text, const Document& document)
        : app_(&app), text_(&text), document_(&document) {}

    language::Snapshot TakeSnapshot() const;
    language::CheckSettings Settings() const;

    // The help of a position (0-based line, column in characters) as rich text; empty where
    // there is none.
    QString HoverHtml(int line, int column) const;
    std::vector<language::CompletionItem> Completions(int line, int column) const;
    // The fixes of a mark, as the finding stands in the text now.
    std::vector<language::QuickFix> Fixes(const views::FindingMarks::Mark& mark) const;

    // The view's choices over the above: completion items as words to offer.
    static std::vector<views::CompletionChoice>
    Choices(const std::vector<language::CompletionItem>& items);

  private:
    AppServices* app_;
    const QtTextLines* text_;
    const Document* document_;
};

// Makes a quick fix's edits in the text as one undo step; each edit's positions are those of
// the text before any of them.
void ApplyTextEdits(QTextDocument& text, const std::vector<language::TextEdit>& edits);

} // namespace kvf
