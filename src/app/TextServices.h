#pragma once

#include "language/Completion.h"
#include "language/QuickFixes.h"
#include "language/Snapshot.h"
#include "views/FindingMarks.h"
#include "views/TextAssist.h"

#include <QString>

#include <optional>
#include <vector>

class QTextDocument;

namespace kvf {

class AppServices;
class Document;
class LanguageSnapshots;
class QtTextLines;

// The language services over the text of a document window, for its text view: the help
// of the place under the mouse, what may be written at the caret, and the fixes of a marked
// finding. Help and completion read the parse of the text that `parses` makes on a worker
// thread for each version of the text (and the line under the mouse as it is now), never
// parsing the whole text here; the fixes read the text as it is now (through the document's
// bytes, which are converted once after each edit).
class TextServices {
  public:
    TextServices(AppServices& app, const QtTextLines& text, const QTextDocument& shown,
                 const Document& document, LanguageSnapshots& parses)
        : app_(&app), text_(&text), shown_(&shown), document_(&document), parses_(&parses) {}

    language::Snapshot TakeSnapshot() const;
    language::CheckSettings Settings() const;

    // The help of a position (0-based line, column in characters) as rich text; empty where
    // there is none; none yet while the parse it needs is still being made.
    std::optional<QString> HoverHtml(int line, int column) const;
    std::optional<std::vector<language::CompletionItem>> Completions(int line, int column) const;
    // The fixes of a mark, as the finding stands in the text now.
    std::vector<language::QuickFix> Fixes(const views::FindingMarks::Mark& mark) const;

    // The view's choices over the above: completion items as words to offer.
    static std::vector<views::CompletionChoice>
    Choices(const std::vector<language::CompletionItem>& items);

  private:
    AppServices* app_;
    const QtTextLines* text_;
    const QTextDocument* shown_;
    const Document* document_;
    LanguageSnapshots* parses_;
};

// Makes a quick fix's edits in the text as one undo step; each edit's positions are those of
// the text before any of them.
void ApplyTextEdits(QTextDocument& text, const std::vector<language::TextEdit>& edits);

} // namespace kvf
