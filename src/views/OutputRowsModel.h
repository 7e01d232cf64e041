#pragma once

#include "output/OutputRows.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <array>

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

} // namespace kvf
