#pragma once

#include "editing/FormApply.h"
#include "views/FindingMarks.h"
#include "views/TextAssist.h"

#include <QPlainTextEdit>
#include <QString>

#include <array>
#include <memory>
#include <utility>
#include <vector>

class QPrinter;
class QMenu;
class QPrintPreviewDialog;

namespace kvf {

struct CDbEntry;
class AlertSink;
class ProgressSink;
class SettingsStore;
namespace views {
class CompletionPopup;
class KvfHighlighter;
} // namespace views

// The editing pane of a document window: the whole KVF file as plain text in a fixed-pitch
// font, coloured as the user types, with the caret position reported to the frame, entry
// rewriting for the input view, and printing with a header and a footer. The text is the
// document's content; the view keeps no model of its own.
class CKVFTextView : public QPlainTextEdit, public EntryLineEditor {
    Q_OBJECT
  public:
    explicit CKVFTextView(QWidget* parent = nullptr);
    ~CKVFTextView() override;

    views::KvfHighlighter& Highlighter() { return *highlighter_; }

    // Sets the whole text, as loading a document does, and colours it; a progress dialog
    // (when given) shows the colouring pass. The undo history starts afresh.
    void SetDocumentText(const QString& text, ProgressSink* progress = nullptr);
    // Colours the whole text again, stepping the progress dialog when one is given.
    void HighlightAll(ProgressSink* progress = nullptr);

    // Colours registered user-defined keys like keywords when the "Syntax" setting is on.
    void ApplyUserKeyHighlighting(const SettingsStore& settings);

    // Selects a 0-based line without its line break and scrolls it to the top. A line
    // beyond the last changes nothing. Returns the line count.
    int SelectLine(int line);

    // Rewrites the physical lines of an entry with its key and new value as one undoable
    // step and sets the entry's Line to its new last line (RewriteEntryLines, on the text as
    // it stands, so comments keep every character). Refuses, with a message when a line is
    // longer than 1024 characters, and changes nothing; false then.
    bool ReplaceEntryLines(CDbEntry& entry) override;

    // Marks the findings of a check in the text, in place of the marks before; none clears
    // them. The marks follow the text as it is edited.
    void SetFindingMarks(const std::vector<views::FindingSpot>& spots);
    const views::FindingMarks& Marks() const { return marks_; }
    // Takes away one mark (its finding was just fixed).
    void RemoveMark(const views::FindingMarks::Mark& mark);
    // The tooltip over a point of the viewport or of the gutter: the messages marked there,
    // then the help of the place (TextAssist::Hover); while the help is still being made,
    // the messages alone, and the help is shown once it is there (AssistReady).
    QString TooltipAt(QPoint viewportPoint);
    QString GutterTooltipAt(QPoint gutterPoint) const;

    // Hover help, completion and quick fixes, as the document window offers them.
    void SetAssist(views::TextAssist assist) { assist_ = std::move(assist); }
    // Ctrl+Space: the words that may be written at the caret; false when there are none,
    // or while they are still being made (they are shown once they are there, if the caret
    // stayed where it was).
    bool ShowCompletions();
    // What help and completion read of the text is there: a tooltip or a list asked for
    // meanwhile is shown now, where the mouse or the caret still is.
    void AssistReady();
    views::CompletionPopup& Completion() { return *completion_; }
    // The fixes of the marks at a text position (or, where none holds it, on its line).
    std::vector<views::FixChoice> FixesAt(int position) const;
    // Ctrl+.: the fixes of the marks at the caret as a menu below it; the menu, or none
    // when there are no fixes. The caller runs it (exec), so tests can look at it first.
    QMenu* CreateQuickFixMenu();

    // A read-only document can be read, selected and printed, not changed.
    void setReadOnlyDocument(bool readOnly);

    // Where refusals are reported; a warning box when none is set.
    void setAlertSink(AlertSink* alerts) { alerts_ = alerts; }

    // The caret as the status bar shows it, 0-based.
    int CaretLine() const;
    int CaretColumn() const;

    // Printing. The header shows the document's name up to its first '.' with the
    // document type's extension; the printer is shared with the frame's Print Setup when
    // one is set.
    void setPrintDocumentName(const QString& documentName);
    QString PrintHeaderName() const;
    void setPrinter(QPrinter* printer);
    QPrinter& Printer();
    // Draws the text with frame, header and footer on every page; returns the page count.
    int PrintTo(QPrinter& printer);
    // A print preview of the text on the view's printer, not yet shown.
    QPrintPreviewDialog* CreatePrintPreview(QWidget* parent);

  public slots:
    void FilePrint();
    void FilePrintPreview();
    void FilePrintSetup();

  signals:
    // 1-based, as the status bar shows it.
    void caretMoved(int line, int column);
    // The user double-clicked a line (0-based): the tree selects the entry of that line.
    void lineDoubleClicked(int line);

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void ReportCaret();
    void Alert(int messageId);
    void AlertText(const std::string& text); // engine bytes
    void PaintGutter(QPaintEvent* event);
    // Adds the fixes of `position` to a menu as actions; how many were added.
    int AddFixActions(QMenu& menu, int position);
    // After a typed letter at the start of a line, the keywords that begin so.
    void OfferKeywordsWhileTyping(const QString& typed);
    // Colours the whole text in `steps` passes, a step of the dialog after each.
    void ColourByParts(ProgressSink& progress, int steps, bool fresh = false);
    // Of the dialog's hundred steps, those that set a large text by parts.
    static constexpr int kLoadSteps = 50;
    void UpdateGutter(const QRect& rect, int dy);
    // The text positions on screen, from the first visible line's start to the last one's end.
    std::pair<int, int> VisiblePositions() const;
    // Underlines the marks on screen (all marks would make the view lay out every marked
    // line of the text); again whenever other lines come into view.
    void UnderlineVisibleMarks();

    views::KvfHighlighter* highlighter_;
    AlertSink* alerts_ = nullptr;
    QString printDocumentName_;
    QPrinter* sharedPrinter_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_;
    views::FindingMarks marks_;
    views::MarkGutter* gutter_;
    views::TextAssist assist_;
    views::CompletionPopup* completion_;
    std::pair<int, int> markedRange_{-1, -1}; // the positions whose marks are underlined
    // A help or completion asked for before the window could answer: where (the mouse's
    // point in the viewport; the caret's position in the text at that revision), or -1.
    QPoint pendingHover_{-1, -1};
    int pendingCompletion_ = -1;
    int pendingRevision_ = -1;
    std::array<QPixmap, 4> levelPixmaps_;
};

} // namespace kvf
