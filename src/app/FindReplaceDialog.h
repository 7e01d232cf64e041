#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kvf {

// Find... and Replace...: a modeless dialog that searches the active text view. The
// frame tells it which view is active; without one its buttons do nothing.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
  public:
    FindReplaceDialog(bool replace, QWidget* parent = nullptr);

    void SetTarget(QPlainTextEdit* view);
    void SetFindText(const QString& text);

    // The dialog's actions, usable without clicking.
    bool FindNext();
    // Find Next in the direction given rather than the dialog's (the keys of the window).
    bool FindInDirection(bool backward);
    bool ReplaceCurrent();
    int ReplaceAll();

    QLineEdit* FindField() const { return find_; }
    QLineEdit* ReplaceField() const { return replaceWith_; }
    QCheckBox* MatchCaseBox() const { return matchCase_; }
    QCheckBox* WholeWordBox() const { return wholeWord_; }

  private:
    bool SelectionMatches() const;
    void Report(const QString& text);

    QPointer<QPlainTextEdit> view_;
    QLineEdit* find_;
    QLineEdit* replaceWith_ = nullptr;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
    QRadioButton* up_;
    QLabel* status_;
};

} // namespace kvf
