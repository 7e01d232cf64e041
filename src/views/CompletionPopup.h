#pragma once

#include "views/TextAssist.h"

#include <QObject>
#include <QTextCursor>

#include <vector>

class QCompleter;
class QPlainTextEdit;
class QStandardItemModel;

namespace kvf::views {

// The list of words a text view offers at the caret: filtered by the word typed so far,
// each with its meaning as a tooltip; Enter or a click puts the chosen one in place of that
// word as one undo step.
class CompletionPopup : public QObject {
    Q_OBJECT
  public:
    explicit CompletionPopup(QPlainTextEdit& text);

    // Opens the list over `choices`; false (and no list) when none fits the typed word.
    bool Show(const std::vector<CompletionChoice>& choices);
    // After a keystroke in the text: the list follows the typed word, or closes.
    void FollowTyping();
    bool IsVisible() const;
    QCompleter& Completer() { return *completer_; }
    // The word that ends at the caret: from the start of its line's keyword or value part.
    QTextCursor WordBeforeCaret() const;

  private:
    void Insert(const QString& label);

    QPlainTextEdit* text_;
    QStandardItemModel* model_;
    QCompleter* completer_;
};

} // namespace kvf::views
