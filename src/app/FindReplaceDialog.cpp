#include "app/FindReplaceDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace kvf {

FindReplaceDialog::FindReplaceDialog(bool replace, QWidget* parent)
    : QDialog(parent), find_(new QLineEdit(this)), matchCase_(new QCheckBox("Match &case", this)),
      wholeWord_(new QCheckBox("Match &whole word only", this)), up_(new QRadioButton("&Up", this)),
      status_(new QLabel(this)) {
    setWindowTitle(replace ? "Replace" : "Find");
    auto* fields = new QFormLayout;
    fields->addRow("Fi&nd what:", find_);
    if (replace) {
        replaceWith_ = new QLineEdit(this);
        fields->addRow("Re&place with:", replaceWith_);
    }
    auto* options = new QHBoxLayout;
    auto* boxes = new QVBoxLayout;
    boxes->addWidget(matchCase_);
    boxes->addWidget(wholeWord_);
    options->addLayout(boxes);
    auto* direction = new QGroupBox("Direction", this);
    auto* down = new QRadioButton("&Down", this);
    down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down);
    options->addWidget(direction);
    if (replace)
        direction->hide(); // replacing always walks down the text

    auto* buttons = new QVBoxLayout;
    auto* findNext = new QPushButton("&Find Next", this);
    findNext->setDefault(true);
    buttons->addWidget(findNext);
    connect(findNext, &QPushButton::clicked, this, &FindReplaceDialog::FindNext);
    if (replace) {
        auto* replaceOne = new QPushButton("&Replace", this);
        auto* replaceAll = new QPushButton("Replace &All", this);
        buttons->addWidget(replaceOne);
        buttons->addWidget(replaceAll);
        connect(replaceOne, &QPushButton::clicked, this, &FindReplaceDialog::ReplaceCurrent);
        connect(replaceAll, &QPushButton::clicked, this, &FindReplaceDialog::ReplaceAll);
    }
    auto* close = new QPushButton("Cancel", this);
    buttons->addWidget(close);
    buttons->addStretch();
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addWidget(status_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

void FindReplaceDialog::SetTarget(QPlainTextEdit* view) {
    view_ = view;
}

void FindReplaceDialog::SetFindText(const QString& text) {
    if (!text.isEmpty() && !text.contains(QChar::ParagraphSeparator))
        find_->setText(text);
    find_->selectAll();
}

void FindReplaceDialog::Report(const QString& text) {
    status_->setText(text);
}

bool FindReplaceDialog::FindNext() {
    return FindInDirection(up_->isChecked() && !replaceWith_);
}

bool FindReplaceDialog::FindInDirection(bool backward) {
    if (!view_ || find_->text().isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (matchCase_->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    if (wholeWord_->isChecked())
        flags |= QTextDocument::FindWholeWords;
    if (backward)
        flags |= QTextDocument::FindBackward;
    if (view_->find(find_->text(), flags)) {
        Report(QString());
        return true;
    }
    Report(QString("Cannot find \"%1\".").arg(find_->text()));
    return false;
}

bool FindReplaceDialog::SelectionMatches() const {
    QString selected = view_->textCursor().selectedText();
    Qt::CaseSensitivity sensitivity =
        matchCase_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return !selected.isEmpty() && selected.compare(find_->text(), sensitivity) == 0;
}

bool FindReplaceDialog::ReplaceCurrent() {
    if (!view_ || view_->isReadOnly() || !replaceWith_)
        return false;
    // Replaces the found text under the selection, then moves on to the next one.
    if (SelectionMatches()) {
        view_->textCursor().insertText(replaceWith_->text());
    }
    return FindNext();
}

int FindReplaceDialog::ReplaceAll() {
    if (!view_ || view_->isReadOnly() || !replaceWith_ || find_->text().isEmpty())
        return 0;
    QTextDocument::FindFlags flags;
    if (matchCase_->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    if (wholeWord_->isChecked())
        flags |= QTextDocument::FindWholeWords;
    QTextDocument* document = view_->document();
    QTextCursor edit(document);
    edit.beginEditBlock(); // one undo step for all replacements
    QTextCursor found = document->find(find_->text(), 0, flags);
    int count = 0;
    while (!found.isNull()) {
        found.insertText(replaceWith_->text());
        ++count;
        found = document->find(find_->text(), found.position(), flags);
    }
    edit.endEditBlock();
    Report(QString("%1 occurrence(s) replaced.").arg(count));
    return count;
}

} // namespace kvf
