#include "app/TextServices.h"

#include "app/LanguageSnapshots.h"
#include "app/QtTextLines.h"
#include "core/AppServices.h"
#include "core/Document.h"
#include "language/Hover.h"
#include "language/SnapshotDatabase.h"
#include "views/UiText.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace kvf {

language::Snapshot TextServices::TakeSnapshot() const {
    const std::string& title = document_->Title;
    return {std::string(text_->Bytes()), title.substr(0, title.find('*')), document_->PathName};
}

language::CheckSettings TextServices::Settings() const {
    return {&app_->Settings(), app_->Selection(), true};
}

std::optional<QString> TextServices::HoverHtml(int line, int column) const {
    const QTextBlock block = shown_->findBlockByNumber(line);
    if (!block.isValid())
        return QString();
    // The line as it is now, read as the file's encoding (the columns are the editor's); the
    // rest of the text from its parse, where the help reads it.
    const std::string lineBytes = RawTextToBytes(block.text(), text_->Encoding());
    LanguageSnapshots::Database parse = parses_->Current();
    bool wantsParse = false;
    const language::HoverText hover =
        language::HoverOnLine(lineBytes, Settings(), {line, column}, parse.get(), &wantsParse);
    if (wantsParse)
        return std::nullopt;
    if (!hover.Found || hover.Markdown.empty())
        return QString();
    QTextDocument help;
    help.setMarkdown(FromBytes(hover.Markdown));
    return help.toHtml();
}

std::optional<std::vector<language::CompletionItem>> TextServices::Completions(int line,
                                                                               int column) const {
    LanguageSnapshots::Database parse = parses_->Current();
    if (!parse)
        return std::nullopt;
    return language::CompleteAt(*parse, Settings(), {line, column});
}

std::vector<language::QuickFix> TextServices::Fixes(const views::FindingMarks::Mark& mark) const {
    language::Diagnostic finding;
    finding.Level = mark.Level;
    finding.Id = mark.Id;
    finding.Text = ToBytes(mark.Text);
    if (mark.WholeFile) {
        finding.RowLine = -1;
    } else {
        const int line = mark.Line();
        const int blockStart = mark.Range.block().position();
        finding.RowLine = line;
        finding.Range = {{line, mark.Range.selectionStart() - blockStart},
                         {line, mark.Range.selectionEnd() - blockStart}};
    }
    return language::FixesFor(TakeSnapshot(), Settings(), finding);
}

std::vector<views::CompletionChoice>
TextServices::Choices(const std::vector<language::CompletionItem>& items) {
    std::vector<views::CompletionChoice> choices;
    choices.reserve(items.size());
    for (const language::CompletionItem& item : items)
        choices.push_back({FromBytes(item.Label), FromBytes(item.Detail),
                           FromBytes(item.Documentation), item.IsKeyword, item.IsHint});
    return choices;
}

namespace {

// A position of the edits' kind in the text: a line past the end is the end, a column past
// its line's end the line's end.
int PositionOf(const QTextDocument& text, language::TextPosition at) {
    const QTextBlock block = text.findBlockByNumber(at.Line);
    if (at.Line < 0 || !block.isValid())
        return text.characterCount() - 1;
    return block.position() + std::clamp(at.Column, 0, block.length() - 1);
}

} // namespace

void ApplyTextEdits(QTextDocument& text, const std::vector<language::TextEdit>& edits) {
    struct Span {
        int Start;
        int End;
        QString Text;
    };
    std::vector<Span> spans;
    for (const language::TextEdit& edit : edits)
        spans.push_back({PositionOf(text, edit.Range.Start), PositionOf(text, edit.Range.End),
                         FromBytes(edit.NewText)});
    // From the last to the first, so each edit's positions still hold when it is made.
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.Start > b.Start; });
    QTextCursor cursor(&text);
    cursor.beginEditBlock();
    for (const Span& span : spans) {
        cursor.setPosition(span.Start);
        cursor.setPosition(std::max(span.Start, span.End), QTextCursor::KeepAnchor);
        cursor.insertText(span.Text);
    }
    cursor.endEditBlock();
}

} // namespace kvf
