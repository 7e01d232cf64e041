#pragma once

#include <QObject>

#include <vector>

class QTextDocument;

namespace kvf {

// How the lines of a text moved since one version of it: an edit that adds or removes line
// breaks shifts the lines after it. Maps a line of that version (the one a database was
// built from) to the line that holds its text now; a line an edit replaced maps to where
// the edit's new text ends.
class LineShifts : public QObject {
  public:
    explicit LineShifts(QTextDocument& text, QObject* parent = nullptr);

    // The text as it is now becomes the version lines are mapped from.
    void Reset();
    int Map(int line) const;

  private:
    void OnContentsChange(int position, int removed, int added);

    // One edit: from column `Column` of line `Line` on, `RemovedBreaks` line breaks went and
    // `AddedBreaks` came.
    struct Shift {
        int Line;
        int Column;
        int RemovedBreaks;
        int AddedBreaks;
    };
    QTextDocument* text_;
    std::vector<Shift> shifts_;
    int blockCount_;
};

} // namespace kvf
