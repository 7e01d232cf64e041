#pragma once

#include "core/MessageSink.h"
#include "editing/FileSummary.h"

#include <QDockWidget>
#include <QHash>
#include <QString>

class QTreeView;

namespace kvf {

class OutputRowsModel;
class SettingsStore;

// The output window: a dock at the bottom of the main window with the list of findings.
// A click on a row, or the Up and Down keys, take the user to the reported line of the
// document the rows belong to.
class CMyListBoxBar : public QDockWidget, public MessageSink {
    Q_OBJECT
  public:
    explicit CMyListBoxBar(const SettingsStore& settings, QWidget* parent = nullptr);

    // Adds a row (nothing for a warning while warnings are suppressed); a given document
    // becomes the target of navigation. The row is neither selected nor scrolled to.
    void AddMessage(int level, int line, const std::string& text,
                    const Document* document) override;
    void ClearMessages() override;
    // The same for a row about a line of the document that names a line of another file
    // (a difference from a language variant): a click goes to both lines.
    void AddRelatedMessage(int level, int line, const std::string& text, const Document* document,
                           const QString& otherPath, int otherLine);

    const Document* TargetDocument() const;
    int RowCount() const;
    QString CellText(int row, int column) const;
    QTreeView* List() const { return list_; }
    // What the rows say, by level (after a check run: what the run found).
    FindingCounts Counts() const;

    // What a click on row `row` does (also the key handling's step).
    void NavigateFromRow(int row);

  signals:
    // Row navigation: select `line` (0-based) of `document` and activate its window.
    void navigateTo(const kvf::Document* document, int line);
    // Navigation from a row that names a line of another file as well: `line` of
    // `document` and `otherLine` of the file at `otherPath`, both 0-based.
    void navigateBeside(const kvf::Document* document, int line, const QString& otherPath,
                        int otherLine);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct OtherLine {
        QString Path;
        int Line = -1;
    };

    OutputRowsModel* model_;
    QTreeView* list_;
    QHash<int, OtherLine> otherLines_; // by row
};

} // namespace kvf
