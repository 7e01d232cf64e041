#pragma once

#include "output/OutputRows.h"

#include <QAbstractTableModel>
#include <QDockWidget>
#include <QIcon>

#include <array>

class QTreeView;

namespace kvf {

class SettingsStore;

// The rows of the output window as a three-column table ("Exception", "Line-Nr.",
// "Probable Cause"); the rows themselves are the engine's, so the window shows exactly
// what kvfcheck prints.
class OutputRowsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit OutputRowsModel(const SettingsStore& settings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void AddMessage(int level, int line, const std::string& text, const Document* document);
    void Clear();
    const OutputRows& Rows() const { return rows_; }

  private:
    OutputRows rows_;
    int shown_ = 0;
    std::array<QIcon, 4> icons_;
};

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

    const Document* TargetDocument() const { return model_->Rows().TargetDocument(); }
    int RowCount() const { return model_->rowCount(); }
    QString CellText(int row, int column) const;
    QTreeView* List() const { return list_; }

    // What a click on row `row` does (also the key handling's step).
    void NavigateFromRow(int row);

  signals:
    // Row navigation: select `line` (0-based) of `document` and activate its window.
    void navigateTo(const kvf::Document* document, int line);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OutputRowsModel* model_;
    QTreeView* list_;
};

} // namespace kvf
