#include "views/CKVFTextView.h"

#include "catalogue/UserKeys.h"
#include "core/AlertSink.h"
#include "core/CDbEntry.h"
#include "core/MessageIds.h"
#include "core/ProgressSink.h"
#include "core/SettingsStore.h"
#include "core/Windows1252.h"
#include "editing/EntryLineRewrite.h"
#include "language/LineLayout.h"
#include "views/CompletionPopup.h"
#include "views/KvfHighlighter.h"
#include "views/LevelIcons.h"
#include "views/QueuedCommand.h"
#include "views/ViewText.h"

#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

#include <optional>
#include <utility>

namespace kvf {
namespace {

// Tab stops every fifth of an inch; the text in a 10-point fixed-pitch font.
constexpr double kTabStopInches = 0.2;
constexpr int kFontPointSize = 10;

QFont FixedPitchFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(kFontPointSize);
    font.setBold(false);
    // Where no such face is installed, the system's own fixed-pitch face.
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(kFontPointSize);
    }
    return font;
}

// The status line of the progress dialog names what the scanner met last.
int ProgressStatusId(views::TokenKind kind) {
    switch (kind) {
    case views::TokenKind::Comment:
        return msg::ScanningComment;
    case views::TokenKind::String:
        return msg::ScanningString;
    case views::TokenKind::Keyword:
    case views::TokenKind::SecondWord:
        break;
    }
    return msg::ScanningKeyword;
}

} // namespace

CKVFTextView::CKVFTextView(QWidget* parent)
    : QPlainTextEdit(parent), highlighter_(new views::KvfHighlighter(document())),
      gutter_(new views::MarkGutter(
          this, [this](QPaintEvent* event) { PaintGutter(event); },
          [this](QPoint point) { return GutterTooltipAt(point); })),
      completion_(new views::CompletionPopup(*this)) {
    setFont(FixedPitchFont());
    setTabStopDistance(kTabStopInches * logicalDpiX());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAcceptDrops(true);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CKVFTextView::ReportCaret);
    for (int level = 0; level < 4; ++level)
        levelPixmaps_[level] = views::LevelIcon(level).pixmap(14, 14);
    setViewportMargins(views::MarkGutter::kWidth, 0, 0, 0);
    connect(this, &QPlainTextEdit::updateRequest, this, &CKVFTextView::UpdateGutter);
}

CKVFTextView::~CKVFTextView() = default;

void CKVFTextView::SetDocumentText(const QString& text, ProgressSink* progress) {
    if (progress == nullptr) {
        setPlainText(text);
        return;
    }
    // With a progress dialog the text goes in by parts, uncoloured, and is coloured by parts
    // after: a step of the dialog after each part, so the window never goes long without
    // its events, however large the file.
    progress->Begin(FormatMessage(msg::ProcessingFile));
    highlighter_->SetSuspended(true);
    setPlainText(QString());
    document()->setUndoRedoEnabled(false); // no undo step for the parts
    QTextCursor end(document());
    const QStringView all(text);
    qsizetype from = 0;
    for (int step = 1; step <= kLoadSteps; ++step) {
        // Each part ends with a line break, the last one with the text.
        qsizetype to = all.size() * step / kLoadSteps;
        if (step < kLoadSteps && to > from) {
            const qsizetype lineEnd = all.indexOf(u'\n', to);
            to = lineEnd < 0 ? all.size() : lineEnd + 1;
        }
        if (to > from) {
            end.movePosition(QTextCursor::End);
            end.insertText(all.sliced(from, to - from).toString());
            from = to;
        }
        progress->Step();
    }
    document()->setUndoRedoEnabled(true);
    ColourByParts(*progress, 100 - kLoadSteps, true);
    progress->End();
}

void CKVFTextView::HighlightAll(ProgressSink* progress) {
    highlighter_->SetSuspended(false);
    if (progress == nullptr) {
        highlighter_->rehighlight();
        return;
    }
    progress->Begin(FormatMessage(msg::ProcessingFile));
    ColourByParts(*progress, 100);
    progress->End();
}

void CKVFTextView::ColourByParts(ProgressSink& progress, int steps, bool fresh) {
    highlighter_->SetSuspended(false);
    // One pass per step's share of the lines, a step of the dialog after each.
    const int lineCount = document()->blockCount();
    QTextBlock block = document()->begin();
    int line = 0;
    for (int step = 0; step < steps; ++step) {
        const int next = static_cast<int>((step + 1LL) * lineCount / steps);
        if (next > line) {
            if (fresh)
                highlighter_->ColourNewLines(block, next - line);
            else
                highlighter_->HighlightLines(block, next - line);
            for (; line < next && block.isValid(); ++line)
                block = block.next();
            if (progress.ShowsStatus())
                progress.Status(FormatMessage(ProgressStatusId(highlighter_->LastTokenKind())));
        }
        progress.Step();
    }
}

void CKVFTextView::ApplyUserKeyHighlighting(const SettingsStore& settings) {
    if (settings.GetInt("Settings", "Syntax", 0) == 0)
        return;
    const std::string summary =
        settings.GetString(std::string(kUserKeysSection), std::string(kUserKeysSummary), "");
    QStringList keys;
    for (const QString& key : views::FromCodePage(summary).split(u',', Qt::SkipEmptyParts)) {
        if (!key.trimmed().isEmpty())
            keys << key.trimmed();
    }
    // The standard words again, so that a key no longer registered loses its colour.
    highlighter_->Words() = views::HighlightWords::Standard();
    highlighter_->Words().AddKeywords(keys);
    highlighter_->rehighlight();
}

int CKVFTextView::SelectLine(int line) {
    const int lineCount = document()->blockCount();
    if (line < 0 || line >= lineCount)
        return lineCount;
    const QTextBlock block = document()->findBlockByNumber(line);
    // The selection runs from the line's end back to its start, where the caret stays: a
    // long line shows its keyword, not its end.
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    // Without line wrapping the scroll position counts lines: the line becomes the first.
    verticalScrollBar()->setValue(line);
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    return lineCount;
}

namespace {

// The first character outside the comments of `count` lines from `block` that Windows-1252
// cannot hold: its 1-based line and column (in characters). A rewrite from the entry's value
// would bring it back as '?'.
std::optional<std::pair<int, int>> FirstUnwritableCharacter(QTextBlock block, int count) {
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next()) {
        const QString text = block.text();
        // One byte per code unit, so the layout's columns are the text's.
        const language::LineLayout layout =
            language::LayOut(Utf8ToCodeUnitBytes(text.toStdString()));
        const int end = layout.CommentBegin >= 0 ? layout.CommentBegin : layout.ContentEnd;
        UnencodableCharacter first;
        if (CountUnencodable(text.left(end).toStdString(), &first) > 0)
            return std::pair{block.blockNumber() + 1, static_cast<int>(first.Column)};
    }
    return std::nullopt;
}

} // namespace

bool CKVFTextView::ReplaceEntryLines(CDbEntry& entry) {
    const int lineCount = document()->blockCount();
    if (isReadOnly() || entry.LongLine < 0 || entry.Line < entry.LongLine ||
        entry.Line >= lineCount)
        return false; // the entry no longer matches the text
    const QTextBlock first = document()->findBlockByNumber(entry.LongLine);
    if (const auto lost = FirstUnwritableCharacter(first, entry.Line - entry.LongLine + 1)) {
        AlertText(FormatMessage(msg::ApplyWouldLoseCharacter, lost->first, lost->second));
        return false;
    }
    std::vector<std::u16string> oldLines;
    QTextBlock block = first;
    for (int line = entry.LongLine; line <= entry.Line; ++line, block = block.next())
        oldLines.push_back(block.text().toStdU16String());
    const QTextBlock last = block.previous();

    const QString key = views::FromCodePage(entry.Key);
    const bool moduleReference =
        key.compare(QStringLiteral("Module_Reference"), Qt::CaseInsensitive) == 0;
    const auto rewritten =
        RewriteEntryLines(oldLines, key.toStdU16String(),
                          views::FromCodePage(entry.Value).toStdU16String(), moduleReference);
    if (!rewritten) {
        Alert(msg::LineLengthUnexpected);
        return false;
    }

    QTextCursor cursor(document());
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    QStringList lines;
    for (const std::u16string& line : rewritten->Lines)
        lines << QString::fromStdU16String(line);
    cursor.insertText(lines.join(u'\n'));
    cursor.endEditBlock();
    entry.Line = entry.LongLine + rewritten->LastLineOffset;
    return true;
}

void CKVFTextView::setReadOnlyDocument(bool readOnly) {
    setReadOnly(readOnly);
    // The caret still moves and reports where it is.
    if (readOnly)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

int CKVFTextView::CaretLine() const {
    return textCursor().blockNumber();
}

int CKVFTextView::CaretColumn() const {
    return textCursor().positionInBlock();
}

void CKVFTextView::ReportCaret() {
    emit caretMoved(CaretLine() + 1, CaretColumn() + 1);
}

void CKVFTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit lineDoubleClicked(CaretLine());
}

// Files dropped here are refused (the main window opens them); dragged text still moves.
void CKVFTextView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void CKVFTextView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void CKVFTextView::dropEvent(QDropEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        Alert(msg::DropNotAllowed);
        return;
    }
    QPlainTextEdit::dropEvent(event);
}

void CKVFTextView::SetFindingMarks(const std::vector<views::FindingSpot>& spots) {
    marks_.Set(*document(), spots);
    markedRange_ = {-1, -1};
    UnderlineVisibleMarks();
    gutter_->update();
}

void CKVFTextView::RemoveMark(const views::FindingMarks::Mark& mark) {
    marks_.Remove(mark);
    markedRange_ = {-1, -1};
    UnderlineVisibleMarks();
    gutter_->update();
}

QString CKVFTextView::TooltipAt(QPoint viewportPoint) {
    const QTextCursor at = cursorForPosition(viewportPoint);
    const QStringList messages = marks_.MessagesAt(at.position());
    // The help only over the text itself, not the empty space right of a line's end.
    const bool overText =
        cursorRect(at).left() + fontMetrics().averageCharWidth() >= viewportPoint.x();
    std::optional<QString> found;
    if (assist_.Hover && overText)
        found = assist_.Hover(at.blockNumber(), at.positionInBlock());
    pendingHover_ = found ? QPoint(-1, -1) : viewportPoint;
    const QString help = found.value_or(QString());
    if (help.isEmpty())
        return messages.join(u'\n');
    QStringList parts;
    for (const QString& message : messages)
        parts << "<p>" + message.toHtmlEscaped() + "</p>";
    parts << help;
    return parts.join("<hr/>");
}

bool CKVFTextView::ShowCompletions() {
    // A read-only document takes no word, as it takes no typing.
    if (!assist_.Complete || isReadOnly())
        return false;
    const QTextCursor caret = textCursor();
    std::optional<std::vector<views::CompletionChoice>> choices =
        assist_.Complete(caret.blockNumber(), caret.positionInBlock());
    if (!choices) {
        pendingCompletion_ = caret.position();
        pendingRevision_ = document()->revision();
        return false;
    }
    pendingCompletion_ = -1;
    return completion_->Show(*choices);
}

void CKVFTextView::AssistReady() {
    if (pendingCompletion_ >= 0) {
        // Only where the user still is: the same text, the caret where it was.
        const bool stayed = textCursor().position() == pendingCompletion_ &&
                            document()->revision() == pendingRevision_;
        pendingCompletion_ = -1;
        if (stayed)
            ShowCompletions();
    }
    const QPoint hover = pendingHover_;
    pendingHover_ = QPoint(-1, -1);
    const QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
    if (hover.x() >= 0 && (mouse - hover).manhattanLength() <= 4 &&
        viewport()->rect().contains(mouse)) {
        const QString tip = TooltipAt(hover);
        if (!tip.isEmpty())
            QToolTip::showText(viewport()->mapToGlobal(hover), tip, viewport());
    }
}

void CKVFTextView::OfferKeywordsWhileTyping(const QString& typed) {
    if (typed.size() != 1 || !(typed.at(0).isLetter() || typed.at(0) == u'_'))
        return;
    const QTextCursor caret = textCursor();
    const QString before = caret.block().text().left(caret.positionInBlock());
    // Only a keyword being typed at the start of a line: one word, no '=' yet.
    const QString word = before.trimmed();
    if (word.size() < 2 || word.contains(u' ') || word.contains(u'=') || word.startsWith(u';'))
        return;
    ShowCompletions();
}

std::vector<views::FixChoice> CKVFTextView::FixesAt(int position) const {
    std::vector<views::FixChoice> fixes;
    if (!assist_.Fixes)
        return fixes;
    const int line = document()->findBlock(position).blockNumber();
    bool held = false;
    for (const views::FindingMarks::Mark& mark : marks_.Marks())
        held = held || (mark.Range.hasSelection() && position >= mark.Range.selectionStart() &&
                        position <= mark.Range.selectionEnd());
    for (const views::FindingMarks::Mark& mark : marks_.Marks()) {
        const bool here = held ? mark.Range.hasSelection() &&
                                     position >= mark.Range.selectionStart() &&
                                     position <= mark.Range.selectionEnd()
                               : mark.Line() == line;
        if (!here)
            continue;
        for (views::FixChoice& fix : assist_.Fixes(mark)) {
            // Applied, the finding is gone: its mark goes at once, before the next check.
            views::FindingMarks::Mark fixed = mark;
            fixes.push_back({fix.Title, [this, apply = std::move(fix.Apply), fixed] {
                                 if (!apply())
                                     return false;
                                 const_cast<CKVFTextView*>(this)->RemoveMark(fixed);
                                 return true;
                             }});
        }
    }
    return fixes;
}

int CKVFTextView::AddFixActions(QMenu& menu, int position) {
    std::vector<views::FixChoice> fixes = FixesAt(position);
    for (views::FixChoice& fix : fixes) {
        QAction* action = menu.addAction(fix.Title);
        action->setObjectName("cmd_edit_quickfix"); // its help page's name (F1 on it)
        // Queued on the window, which outlives this view: a fix whose document window was
        // closed before it could run says so.
        QWidget* top = window();
        connect(action, &QAction::triggered, this,
                [top, view = QPointer<CKVFTextView>(this), apply = std::move(fix.Apply)] {
                    views::RunQueued(top, [top, view, apply] {
                        if (view) {
                            apply();
                        } else if (auto* alerts = dynamic_cast<AlertSink*>(top)) {
                            alerts->Alert(FormatMessage(msg::FixDocumentClosed));
                        }
                    });
                });
    }
    return static_cast<int>(fixes.size());
}

QMenu* CKVFTextView::CreateQuickFixMenu() {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (AddFixActions(*menu, textCursor().position()) == 0) {
        delete menu;
        return nullptr;
    }
    return menu;
}

void CKVFTextView::keyPressEvent(QKeyEvent* event) {
    if (completion_->IsVisible()) {
        switch (event->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            event->ignore(); // the list takes them
            return;
        default:
            break;
        }
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::ControlModifier) {
        ShowCompletions();
        return;
    }
    if (event->key() == Qt::Key_Period && event->modifiers() == Qt::ControlModifier) {
        if (QMenu* menu = CreateQuickFixMenu())
            menu->popup(viewport()->mapToGlobal(cursorRect().bottomLeft()));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    if (completion_->IsVisible())
        completion_->FollowTyping();
    else if (!isReadOnly())
        OfferKeywordsWhileTyping(event->text());
}

void CKVFTextView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu fixes;
    const int position =
        cursorForPosition(viewport()->mapFromGlobal(event->globalPos())).position();
    if (AddFixActions(fixes, position) > 0) {
        QAction* first = menu->actions().value(0);
        QAction* title = new QAction(views::ViewText(msg::QuickFixesMenu), menu);
        title->setEnabled(false);
        menu->insertAction(first, title);
        for (QAction* action : fixes.actions()) {
            action->setParent(menu);
            menu->insertAction(first, action);
        }
        menu->insertSeparator(first);
    }
    menu->popup(event->globalPos());
}

QString CKVFTextView::GutterTooltipAt(QPoint gutterPoint) const {
    const QTextCursor cursor = cursorForPosition(QPoint(0, gutterPoint.y()));
    QStringList messages = marks_.MessagesOnLine(cursor.blockNumber());
    return messages.join(u'\n');
}

bool CKVFTextView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        views::ShowTooltip(*help, TooltipAt(help->pos()), viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}

void CKVFTextView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    gutter_->setGeometry(area.left(), area.top(), views::MarkGutter::kWidth, viewport()->height());
    UnderlineVisibleMarks();
}

std::pair<int, int> CKVFTextView::VisiblePositions() const {
    const QTextBlock first = firstVisibleBlock();
    const QTextBlock last = cursorForPosition(QPoint(0, viewport()->height())).block();
    if (!first.isValid() || !last.isValid())
        return {0, 0};
    return {first.position(), last.position() + last.length() - 1};
}

void CKVFTextView::UnderlineVisibleMarks() {
    const std::pair<int, int> visible = VisiblePositions();
    if (visible == markedRange_)
        return;
    markedRange_ = visible;
    setExtraSelections(marks_.Selections(visible.first, visible.second));
}

void CKVFTextView::UpdateGutter(const QRect& rect, int dy) {
    // What scrolled into view gets its underlines.
    UnderlineVisibleMarks();
    if (dy != 0)
        gutter_->scroll(0, dy);
    else
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
}

void CKVFTextView::PaintGutter(QPaintEvent* event) {
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    QTextBlock block = firstVisibleBlock();
    if (!block.isValid() || marks_.Marks().empty())
        return;
    // The lines on screen, then the most severe level marked on each.
    const int first = block.blockNumber();
    const int last = cursorForPosition(QPoint(0, viewport()->height())).blockNumber();
    const QTextBlock lastBlock = document()->findBlockByNumber(last);
    const std::vector<int> levels = marks_.LevelsOfLines(
        first, last, block.position(), lastBlock.position() + lastBlock.length() - 1);
    const QPointF offset = contentOffset();
    for (int line = first; block.isValid() && line <= last; block = block.next(), ++line) {
        const int level = levels[static_cast<std::size_t>(line - first)];
        if (level < 0 || level >= static_cast<int>(levelPixmaps_.size()))
            continue;
        const QRectF box = blockBoundingGeometry(block).translated(offset);
        const int y = static_cast<int>(box.top() + (box.height() - 14) / 2);
        painter.drawPixmap(2, y, levelPixmaps_[static_cast<std::size_t>(level)]);
    }
}

void CKVFTextView::Alert(int messageId) {
    AlertText(FormatMessage(messageId));
}

void CKVFTextView::AlertText(const std::string& text) {
    if (alerts_ != nullptr) {
        alerts_->Alert(text);
        return;
    }
    QMessageBox::warning(this, QApplication::applicationName(), views::FromCodePage(text));
}

} // namespace kvf
