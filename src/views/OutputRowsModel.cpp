#include "views/OutputRowsModel.h"

#include "core/MessageIds.h"
#include "views/LevelIcons.h"
#include "views/UiText.h"

namespace kvf {
namespace {

int IconIndex(int level) {
    return level >= LEVEL_INFO && level <= LEVEL_WARNING ? level : 0;
}

} // namespace

OutputRowsModel::OutputRowsModel(const SettingsStore& settings, QObject* parent)
    : QAbstractTableModel(parent), rows_(settings) {
    for (int level = 0; level < 4; ++level)
        icons_[level] = views::LevelIcon(level);
}

int OutputRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int OutputRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant OutputRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const OutputRow& row = rows_.Rows()[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case 0:
            return FromBytes(LevelText(row.Level));
        case 1:
            return FromBytes(LineText(row.Level, row.Line));
        default:
            return FromBytes(row.Text);
        }
    }
    if (role == Qt::DecorationRole && index.column() == 0)
        return icons_[IconIndex(row.Level)];
    return {};
}

QVariant OutputRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return UiText(msg::OutputColumnException);
    case 1:
        return UiText(msg::OutputColumnLine);
    default:
        return UiText(msg::OutputColumnCause);
    }
}

void OutputRowsModel::AddMessage(int level, int line, const std::string& text,
                                 const Document* document) {
    // The engine's rows decide (warnings may be suppressed); the view learns of a new row
    // through the count it is shown, which moves only between begin and end.
    rows_.AddMessage(level, line, text, document);
    int total = static_cast<int>(rows_.Rows().size());
    if (total == shown_)
        return;
    beginInsertRows({}, shown_, total - 1);
    shown_ = total;
    endInsertRows();
}

void OutputRowsModel::Clear() {
    beginResetModel();
    rows_.ClearMessages();
    shown_ = 0;
    endResetModel();
}

} // namespace kvf
