#include "views/CompletionPopup.h"

#include "views/QueuedCommand.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>

namespace kvf::views {
namespace {

// The role that marks a hint among the words offered.
constexpr int kHintRole = Qt::UserRole + 1;

// Characters that end a word to complete: a keyword ends at blanks and '=', a value begins
// after '=', ',' or a blank.
bool EndsWord(QChar c) {
    return c == u' ' || c == u'\t' || c == u'=' || c == u',' || c == u';';
}

QString Tooltip(const CompletionChoice& choice) {
    QStringList parts;
    if (!choice.Detail.isEmpty())
        parts << choice.Detail.toHtmlEscaped();
    if (!choice.Help.isEmpty())
        parts << choice.Help.toHtmlEscaped();
    return parts.isEmpty() ? QString() : "<p>" + parts.join("</p><p>") + "</p>";
}

} // namespace

CompletionPopup::CompletionPopup(QPlainTextEdit& text)
    : QObject(&text), text_(&text), model_(new QStandardItemModel(this)),
      completer_(new QCompleter(model_, this)) {
    completer_->setWidget(&text);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setFilterMode(Qt::MatchStartsWith);
    // The list's name is its help page's (F1 in the list).
    completer_->popup()->setObjectName("cmd_edit_complete");
    // A hint says what may be written; the user writes it. A word goes in after the
    // list's own handler of the key or click has returned.
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& chosen) {
                if (chosen.data(kHintRole).toBool())
                    return;
                RunQueued(this, [this, label = chosen.data(Qt::DisplayRole).toString()] {
                    Insert(label);
                });
            });
}

QTextCursor CompletionPopup::WordBeforeCaret() const {
    QTextCursor cursor = text_->textCursor();
    const QString line = cursor.block().text();
    int start = cursor.positionInBlock();
    while (start > 0 && !EndsWord(line.at(start - 1)))
        --start;
    cursor.setPosition(cursor.block().position() + start, QTextCursor::KeepAnchor);
    return cursor;
}

bool CompletionPopup::Show(const std::vector<CompletionChoice>& choices) {
    model_->clear();
    for (const CompletionChoice& choice : choices) {
        auto* item = new QStandardItem(choice.Label);
        item->setToolTip(Tooltip(choice));
        item->setEditable(false);
        if (choice.IsHint) {
            item->setData(true, kHintRole);
            QFont italic = text_->font();
            italic.setItalic(true);
            item->setFont(italic);
            item->setForeground(text_->palette().brush(QPalette::Disabled, QPalette::Text));
        }
        model_->appendRow(item);
    }
    if (model_->rowCount() == 0)
        return false;
    completer_->setCompletionPrefix(WordBeforeCaret().selectedText());
    if (completer_->completionCount() == 0) {
        completer_->popup()->hide();
        return false;
    }
    completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
    QRect at = text_->cursorRect();
    at.setWidth(completer_->popup()->sizeHintForColumn(0) +
                completer_->popup()->verticalScrollBar()->sizeHint().width() + 8);
    at.translate(text_->viewport()->pos());
    completer_->complete(at);
    return true;
}

void CompletionPopup::FollowTyping() {
    if (!IsVisible())
        return;
    completer_->setCompletionPrefix(WordBeforeCaret().selectedText());
    if (completer_->completionCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

bool CompletionPopup::IsVisible() const {
    return completer_->popup()->isVisible();
}

void CompletionPopup::Insert(const QString& label) {
    if (text_->isReadOnly())
        return;
    QTextCursor word = WordBeforeCaret();
    word.beginEditBlock();
    word.insertText(label);
    word.endEditBlock();
    text_->setTextCursor(word);
}

} // namespace kvf::views
