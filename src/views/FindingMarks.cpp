#include "views/FindingMarks.h"

#include "core/MessageSink.h"
#include "views/LevelIcons.h"

#include <QHelpEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

namespace kvf::views {
namespace {

// Fatal errors weigh most, then errors, then warnings.
int Severity(int level) {
    switch (level) {
    case LEVEL_FATAL:
        return 3;
    case LEVEL_ERROR:
        return 2;
    case LEVEL_WARNING:
        return 1;
    default:
        return 0;
    }
}

} // namespace

void FindingMarks::Set(QTextDocument& document, const std::vector<FindingSpot>& spots) {
    std::vector<Mark> marks;
    marks.reserve(spots.size());
    // Inside an edit block a cursor that is placed does not lay its line out to find its
    // x position: thousands of marks cost microseconds each, not a layout each. Nothing is
    // edited, so the block leaves no undo step.
    QTextCursor batch(&document);
    batch.beginEditBlock();
    for (const FindingSpot& spot : spots) {
        Mark mark;
        mark.WholeFile = spot.Line < 0;
        mark.Level = spot.Level;
        mark.Id = spot.Id;
        mark.Text = spot.Text;
        const QTextBlock block = document.findBlockByNumber(std::max(0, spot.Line));
        if (!block.isValid())
            continue; // the text lost the line since the snapshot
        const int length = block.length() - 1;
        mark.Range = QTextCursor(block);
        if (!mark.WholeFile) {
            const int start = std::clamp(spot.StartColumn, 0, length);
            const int end = std::clamp(spot.EndColumn, start, length);
            mark.Range.setPosition(block.position() + start);
            mark.Range.setPosition(block.position() + end, QTextCursor::KeepAnchor);
        }
        marks.push_back(std::move(mark));
    }
    batch.endEditBlock();
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) {
        return a.Range.selectionStart() < b.Range.selectionStart();
    });
    marks_ = std::move(marks);
}

std::pair<std::size_t, std::size_t> FindingMarks::Between(int from, int to) const {
    auto first = std::partition_point(marks_.begin(), marks_.end(), [from](const Mark& mark) {
        return mark.Range.selectionStart() < from;
    });
    auto end = std::partition_point(
        first, marks_.end(), [to](const Mark& mark) { return mark.Range.selectionStart() <= to; });
    return {static_cast<std::size_t>(first - marks_.begin()),
            static_cast<std::size_t>(end - marks_.begin())};
}

void FindingMarks::Remove(const Mark& mark) {
    std::erase_if(marks_, [&mark](const Mark& held) {
        return held.Id == mark.Id && held.WholeFile == mark.WholeFile &&
               held.Range.anchor() == mark.Range.anchor() &&
               held.Range.position() == mark.Range.position() && held.Text == mark.Text;
    });
}

QList<QTextEdit::ExtraSelection> FindingMarks::Selections(int from, int to) const {
    QList<QTextEdit::ExtraSelection> selections;
    const auto [first, end] = Between(from, to);
    for (std::size_t i = first; i < end; ++i) {
        const Mark& mark = marks_[i];
        if (!mark.Range.hasSelection())
            continue;
        QTextEdit::ExtraSelection selection;
        selection.cursor = mark.Range;
        selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        selection.format.setUnderlineColor(LevelColour(mark.Level));
        selections << selection;
    }
    return selections;
}

QStringList FindingMarks::MessagesOnLine(int line) const {
    QStringList messages;
    for (const Mark& mark : marks_)
        if (mark.Line() == line)
            messages << mark.Text;
    return messages;
}

QStringList FindingMarks::MessagesAt(int position) const {
    QStringList messages;
    for (const Mark& mark : marks_)
        if (mark.Range.hasSelection() && position >= mark.Range.selectionStart() &&
            position <= mark.Range.selectionEnd())
            messages << mark.Text;
    return messages;
}

std::vector<int> FindingMarks::LevelsOfLines(int first, int last, int firstPosition,
                                             int endPosition) const {
    std::vector<int> levels(static_cast<std::size_t>(std::max(0, last - first + 1)), -1);
    const auto [from, end] = Between(firstPosition, endPosition);
    // A finding about the whole file stands at its start, among the marks of line 1.
    for (std::size_t i = from; i < end; ++i) {
        const Mark& mark = marks_[i];
        const int line = mark.Line();
        if (line < first || line > last)
            continue;
        int& level = levels[static_cast<std::size_t>(line - first)];
        if (level < 0 || Severity(mark.Level) > Severity(level))
            level = mark.Level;
    }
    return levels;
}

void ShowTooltip(const QHelpEvent& event, const QString& tip, QWidget* widget) {
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPos(), tip, widget);
}

bool MarkGutter::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        ShowTooltip(*help, tooltip_(help->pos()), this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace kvf::views
