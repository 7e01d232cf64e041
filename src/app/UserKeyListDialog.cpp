#include "app/UserKeyListDialog.h"

#include "app/UserKeyDialog.h"
#include "catalogue/UserKeys.h"
#include "core/MessageIds.h"
#include "core/SettingsStore.h"
#include "views/QueuedCommand.h"
#include "views/UiText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvf {
namespace {

constexpr int kIndexRole = Qt::UserRole; // the row's place in keys_
constexpr int kColumnGap = 16;           // pixels

// What the range text means for the key's data type.
QString RangeText(const CDbEntry& key) {
    const QString range = FromBytes(key.RangeLen);
    switch (key.Type) {
    case TYPE_SIMPLE_STRING:
        return range.trimmed().isEmpty() ? QStringLiteral("no limit") : range;
    case TYPE_SIMPLE_BOOL:
    case TYPE_OCTET_STRING:
        return QStringLiteral("not used");
    default:
        return range;
    }
}

} // namespace

UserKeyListDialog::UserKeyListDialog(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("User-defined Keys"));
    setObjectName("UserKeyListDialog");
    auto* layout = new QVBoxLayout(this);

    auto* label = new QLabel(UiText(msg::UserKeyRegisteredLabel), this);
    layout->addWidget(label);
    list_ = new QTreeWidget(this);
    list_->setObjectName("UserKeyList");
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Data Type"),
                            QStringLiteral("Range / Length"), QStringLiteral("Key Group")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    label->setBuddy(list_);
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    edit_ = buttons->addButton(QStringLiteral("&Edit..."), QDialogButtonBox::ActionRole);
    remove_ = buttons->addButton(QStringLiteral("&Remove"), QDialogButtonBox::ActionRole);
    connect(edit_, &QPushButton::clicked, this, &UserKeyListDialog::EditSelected);
    connect(remove_, &QPushButton::clicked, this, &UserKeyListDialog::RemoveSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(list_, &QTreeWidget::itemSelectionChanged, this, &UserKeyListDialog::UpdateButtons);
    // Edit fills the list anew: it runs after the list's own handler of the key or click.
    connect(list_, &QTreeWidget::itemActivated, this,
            views::Queued(this, [this] { EditSelected(); }));
    Fill(QString());
    resize(600, 340);
}

const CDbEntry* UserKeyListDialog::SelectedEntry() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const QVariant index = selected.first()->data(KeyColumn, kIndexRole);
    if (!index.isValid() || index.toULongLong() >= keys_.size())
        return nullptr;
    return &keys_[index.toULongLong()];
}

QString UserKeyListDialog::SelectedKey() const {
    const CDbEntry* key = SelectedEntry();
    return key ? FromBytes(key->Key) : QString();
}

void UserKeyListDialog::Fill(const QString& select) {
    keys_ = RegisteredUserKeys(settings_);
    list_->clear();
    QTreeWidgetItem* selected = nullptr;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const CDbEntry& key = keys_[i];
        auto* item = new QTreeWidgetItem(list_);
        item->setText(KeyColumn, FromBytes(key.Key));
        item->setText(DataTypeColumn, UserKeyDataTypeText(key.Type));
        item->setText(RangeColumn, RangeText(key));
        item->setText(GroupColumn, UserKeyGroupText(key.TreeGroup));
        item->setData(KeyColumn, kIndexRole, QVariant::fromValue(static_cast<qulonglong>(i)));
        if (!selected || item->text(KeyColumn) == select)
            selected = item;
    }
    if (keys_.empty()) {
        auto* none = new QTreeWidgetItem(list_, {UiText(msg::UserKeySummaryEmpty)});
        none->setFlags(Qt::NoItemFlags);
    }
    // Each column as wide as its texts, with room to tell the columns apart.
    for (int column = 0; column + 1 < ColumnCount; ++column) {
        list_->resizeColumnToContents(column);
        list_->setColumnWidth(column, list_->columnWidth(column) + kColumnGap);
    }
    if (selected)
        list_->setCurrentItem(selected);
    UpdateButtons();
}

void UserKeyListDialog::UpdateButtons() {
    const bool any = SelectedEntry() != nullptr;
    edit_->setEnabled(any);
    remove_->setEnabled(any);
}

void UserKeyListDialog::EditSelected() {
    const CDbEntry* selected = SelectedEntry();
    if (!selected)
        return;
    CDbEntry key = *selected;
    UserKeyDialog dialog(settings_, key, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (canWrite_ && !canWrite_())
        return;
    RegisterUserKey(settings_, key, dialog.DataTypeIndex(), dialog.GroupIndex(),
                    ToBytes(dialog.RangeText()));
    const QString name = FromBytes(key.Key);
    Fill(name);
    emit keyChanged(name);
}

void UserKeyListDialog::RemoveSelected() {
    const QString name = SelectedKey();
    if (name.isEmpty())
        return;
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Remove User Key"),
        QStringLiteral("Remove the user-defined key \"%1\"?\nIts entries are checked as unknown "
                       "keys again.")
            .arg(name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (canWrite_ && !canWrite_())
        return;
    RemoveUserKey(settings_, ToBytes(name));
    Fill(QString());
    emit keyChanged(name);
}

} // namespace kvf
