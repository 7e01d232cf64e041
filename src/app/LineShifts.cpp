#include "app/LineShifts.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace kvf {

LineShifts::LineShifts(QTextDocument& text, QObject* parent)
    : QObject(parent), text_(&text), blockCount_(text.blockCount()) {
    connect(&text, &QTextDocument::contentsChange, this, &LineShifts::OnContentsChange);
}

void LineShifts::Reset() {
    shifts_.clear();
    blockCount_ = text_->blockCount();
}

void LineShifts::OnContentsChange(int position, int removed, int added) {
    const int count = text_->blockCount();
    const int change = count - blockCount_;
    blockCount_ = count;
    // Colouring changes formats over the same characters: no line moves.
    if (change == 0 && removed == added)
        return;
    const QTextBlock first = text_->findBlock(position);
    const int line = first.blockNumber();
    const int addedBreaks = text_->findBlock(position + added).blockNumber() - line;
    const int removedBreaks = std::max(0, addedBreaks - change);
    if (addedBreaks == 0 && removedBreaks == 0)
        return; // within one line
    shifts_.push_back({line, position - first.position(), removedBreaks, addedBreaks});
}

int LineShifts::Map(int line) const {
    for (const Shift& shift : shifts_) {
        if (line < shift.Line)
            continue;
        if (line == shift.Line) {
            // Text put in front of the line's start pushes the whole line down.
            if (shift.Column == 0 && shift.RemovedBreaks == 0)
                line += shift.AddedBreaks;
        } else if (line <= shift.Line + shift.RemovedBreaks) {
            line = shift.Line + shift.AddedBreaks; // its start went with the edit
        } else {
            line += shift.AddedBreaks - shift.RemovedBreaks;
        }
    }
    return line;
}

} // namespace kvf
