#pragma once

#include <QList>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QHelpEvent;

namespace kvf::views {

// A finding as the text view marks it: where in the text (0-based line, columns in
// characters; a line of -1 for a finding about the whole file), its level and its message.
struct FindingSpot {
    int Line = -1;
    int StartColumn = 0;
    int EndColumn = 0;
    int Level = 0;
    int Id = 0;
    QString Text;
};

// The findings of the last check marked in a text: a wavy underline in the level's colour
// over the range, an icon in a gutter beside the line, the message as a tooltip. The marks
// are text cursors, so they move with the text as it is edited until the next check
// replaces them.
class FindingMarks {
  public:
    struct Mark {
        QTextCursor Range; // its anchor and position move with the text
        bool WholeFile = false;
        int Level = 0;
        int Id = 0;
        QString Text;
        // The mark's line now (0 for a finding about the whole file).
        int Line() const { return WholeFile ? 0 : Range.blockNumber(); }
    };

    void Set(QTextDocument& document, const std::vector<FindingSpot>& spots);
    void Clear() { marks_.clear(); }
    // Takes away the mark of the same finding at the same place.
    void Remove(const Mark& mark);
    const std::vector<Mark>& Marks() const { return marks_; }

    // The underlines of the marks that begin in [from, to] (text positions), for
    // QPlainTextEdit::setExtraSelections: only those on screen, since the view lays out
    // every line an underline touches.
    QList<QTextEdit::ExtraSelection> Selections(int from, int to) const;
    // The messages of the marks on a line, or of the marks that hold a text position.
    QStringList MessagesOnLine(int line) const;
    QStringList MessagesAt(int position) const;
    // The most severe level marked on each line of [first, last], lines that begin at text
    // position `firstPosition` and end before `endPosition`: Fatal over Error over Warning;
    // -1 for a line with no mark.
    std::vector<int> LevelsOfLines(int first, int last, int firstPosition, int endPosition) const;

  private:
    // The marks that begin in [from, to]: the marks are kept in text order, which edits
    // keep too (a cursor moves with the text around it, never past another).
    std::pair<std::size_t, std::size_t> Between(int from, int to) const;

    std::vector<Mark> marks_;
};

// Shows `tip` for a help event over `widget`, or hides the tooltip when there is none.
void ShowTooltip(const QHelpEvent& event, const QString& tip, QWidget* widget);

// The strip left of the text where the marked lines show their level's icon. The text view
// paints it (only the view knows where its lines stand) and names the tooltip of a point.
class MarkGutter : public QWidget {
  public:
    static constexpr int kWidth = 18;
    MarkGutter(QWidget* parent, std::function<void(QPaintEvent*)> paint,
               std::function<QString(QPoint)> tooltip)
        : QWidget(parent), paint_(std::move(paint)), tooltip_(std::move(tooltip)) {}
    QSize sizeHint() const override { return {kWidth, 0}; }

  protected:
    void paintEvent(QPaintEvent* event) override { paint_(event); }
    bool event(QEvent* event) override;

  private:
    std::function<void(QPaintEvent*)> paint_;
    std::function<QString(QPoint)> tooltip_;
};

} // namespace kvf::views
