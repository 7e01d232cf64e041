#include "views/CMyListBoxBar.h"

#include "core/MessageIds.h"
#include "views/UiText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTreeView>

namespace kvf {
namespace {

// The four level icons, drawn once: Info, Error, Fatal Error, Warning.
QIcon LevelIcon(int level) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill;
    QString glyph;
    switch (level) {
    case LEVEL_ERROR:
        fill = QColor(0xd0, 0x30, 0x30);
        glyph = "x";
        break;
    case LEVEL_FATAL:
        fill = QColor(0x80, 0x00, 0x20);
        glyph = "!";
        break;
    case LEVEL_WARNING:
        fill = QColor(0xf0, 0xb0, 0x20);
        glyph = "!";
        break;
    default:
        fill = QColor(0x30, 0x70, 0xd0);
        glyph = "i";
        break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    if (level == LEVEL_WARNING) {
        QPainterPath triangle;
        triangle.moveTo(8, 1);
        triangle.lineTo(15, 15);
        triangle.lineTo(1, 15);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else if (level == LEVEL_FATAL) {
        painter.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
    } else {
        painter.drawEllipse(QRectF(1, 1, 14, 14));
    }
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(level == LEVEL_WARNING ? Qt::black : Qt::white);
    painter.drawText(QRectF(0, level == LEVEL_WARNING ? 3 : 0, 16, 16), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

int IconIndex(int level) {
    return level >= LEVEL_INFO && level <= LEVEL_WARNING ? level : 0;
}

} // namespace

OutputRowsModel::OutputRowsModel(const SettingsStore& settings, QObject* parent)
    : QAbstractTableModel(parent), rows_(settings) {
    for (int level = 0; level < 4; ++level)
        icons_[level] = LevelIcon(level);
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

CMyListBoxBar::CMyListBoxBar(const SettingsStore& settings, QWidget* parent)
    : QDockWidget(UiText(msg::OutputWindowCaption), parent),
      model_(new OutputRowsModel(settings, this)), list_(new QTreeView(this)) {
    setObjectName("OutputWindow"); // the name its placement is saved under
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setAllColumnsShowFocus(true);
    list_->setFrameShape(QFrame::StyledPanel);
    list_->setFrameShadow(QFrame::Sunken);
    list_->setSortingEnabled(false);
    list_->header()->setStretchLastSection(true);
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->setColumnWidth(0, 100);
    list_->setColumnWidth(1, 80);
    list_->setColumnWidth(2, 500);
    list_->setContextMenuPolicy(Qt::NoContextMenu);
    list_->installEventFilter(this);
    connect(list_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { NavigateFromRow(index.row()); });
    setWidget(list_);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setContentsMargins(4, 4, 4, 4);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        int inset = floating ? 2 : 4;
        setContentsMargins(inset, inset, inset, inset);
    });
}

void CMyListBoxBar::AddMessage(int level, int line, const std::string& text,
                               const Document* document) {
    model_->AddMessage(level, line, text, document);
}

void CMyListBoxBar::ClearMessages() {
    model_->Clear();
}

QString CMyListBoxBar::CellText(int row, int column) const {
    return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
}

void CMyListBoxBar::NavigateFromRow(int row) {
    // The line comes from the row's second column as shown: "Line N", or "---" which
    // reads as 0. Rows for the first line and rows without a line go nowhere.
    QString cell = (row >= 0 && row < RowCount()) ? CellText(row, 1) : QString();
    bool ok = false;
    int number = cell.mid(4).trimmed().toInt(&ok);
    int line = (ok ? number : 0) - 1;
    const Document* target = TargetDocument();
    if (target && row != -1 && line > 0)
        emit navigateTo(target, line);
}

bool CMyListBoxBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        // The row the selection is moving to; the list then moves the selection itself.
        int key = static_cast<QKeyEvent*>(event)->key();
        QModelIndexList selected = list_->selectionModel()->selectedRows();
        int row = selected.isEmpty() ? -1 : selected.first().row();
        if (key == Qt::Key_Down)
            ++row;
        else if (key == Qt::Key_Up)
            --row;
        if (row >= 0 && row < RowCount())
            NavigateFromRow(row);
    }
    return QDockWidget::eventFilter(watched, event);
}

} // namespace kvf
