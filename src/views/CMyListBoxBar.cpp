#include "views/CMyListBoxBar.h"

#include "core/MessageIds.h"
#include "views/OutputRowsModel.h"
#include "views/QueuedCommand.h"
#include "views/UiText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>

namespace kvf {

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
    // Going to a row's line may tell the user something (and the rows may be cleared
    // meanwhile): after the list's own handler of the click.
    connect(list_, &QTreeView::clicked, this, views::Queued(this, [this](const QModelIndex& index) {
                NavigateFromRow(index.row());
            }));
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

void CMyListBoxBar::AddRelatedMessage(int level, int line, const std::string& text,
                                      const Document* document, const QString& otherPath,
                                      int otherLine) {
    const int before = RowCount();
    model_->AddMessage(level, line, text, document);
    if (RowCount() > before) // a row the settings hide is no row
        otherLines_.insert(before, OtherLine{otherPath, otherLine});
}

void CMyListBoxBar::ClearMessages() {
    model_->Clear();
    otherLines_.clear();
}

const Document* CMyListBoxBar::TargetDocument() const {
    return model_->Rows().TargetDocument();
}

FindingCounts CMyListBoxBar::Counts() const {
    FindingCounts counts;
    counts.Checked = true;
    for (const OutputRow& row : model_->Rows().Rows())
        counts.Add(row.Level);
    return counts;
}

int CMyListBoxBar::RowCount() const {
    return model_->rowCount();
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
    if (auto other = otherLines_.constFind(row); target && other != otherLines_.constEnd()) {
        // A difference may lie on the first line as well.
        if (ok)
            emit navigateBeside(target, number - 1, other->Path, other->Line);
        return;
    }
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
            views::RunQueued(this, [this, row] { NavigateFromRow(row); });
    }
    return QDockWidget::eventFilter(watched, event);
}

} // namespace kvf
