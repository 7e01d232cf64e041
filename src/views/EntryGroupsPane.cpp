#include "views/EntryGroupsPane.h"

#include "app/UiText.h"
#include "document/Document.h"
#include "output/MessageIds.h"

#include <QHeaderView>

#include <array>

namespace kvf {
namespace {

enum Group {
    GeneralKeys,
    PhysicalInterfaces,
    MasterKeys,
    MasterExtension,
    SlaveKeys,
    ModuleAssignment,
    SlaveExtension,
    SlaveDataExchange,
    UserDefinedKeys,
    GroupCount
};

const std::array<const char*, GroupCount> kGroupLabels = {
    "General Keys",        "Physical interfaces", "Master Keys",
    "Master DP-Extension", "Slave Keys",          "Module Assignment",
    "Slave DP-Extension",  "Slave Data Exchange", "User-defined Keys"};

constexpr int kEntryIndexRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;

Group GroupOf(unsigned treeGroup) {
    switch (treeGroup) {
    case PARENT_GENERAL:
        return GeneralKeys;
    case PARENT_SLAVE:
        return SlaveKeys;
    case PARENT_MASTER:
        return MasterKeys;
    case PARENT_MASTER_EXT:
        return MasterExtension;
    case PARENT_SLAVE_EXT:
        return SlaveExtension;
    case PARENT_SLAVE_DATA_EXCHNG:
        return SlaveDataExchange;
    case PARENT_MODULE_ASSIGNMENT:
        return ModuleAssignment;
    case PARENT_PHYSICAL_INTERFACES:
        return PhysicalInterfaces;
    default:
        return UserDefinedKeys;
    }
}

} // namespace

EntryGroupsPane::EntryGroupsPane(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (quiet_ || !item || !item->data(0, kEntryIndexRole).isValid())
            return;
        emit entryChosen(item->data(0, kEntryIndexRole).toInt(), item->data(0, kLineRole).toInt());
    });
}

void EntryGroupsPane::Rebuild(const Document& document) {
    quiet_ = true;
    clear();
    root_ = new QTreeWidgetItem(this, QStringList(QStringLiteral("ORVEL KVF-File")));
    QFont bold = font();
    bold.setBold(true);
    root_->setFont(0, bold);
    std::array<QTreeWidgetItem*, GroupCount> groups{};
    for (int g = 0; g < GroupCount; ++g) {
        groups[g] = new QTreeWidgetItem(root_, QStringList(QString(kGroupLabels[g])));
        groups[g]->setFont(0, bold);
    }
    // Entries inside a block (a module, a physical interface) hang under the entry that
    // began it, as the keyword tree shows them.
    QTreeWidgetItem* block = nullptr;
    int index = 0;
    for (const CDbEntry& entry : document.Database) {
        Group group = GroupOf(entry.TreeGroup);
        bool beginsBlock = (entry.ModuleFlag & TYPE_MODULE_BEGIN) != 0;
        QTreeWidgetItem* parent = groups[group];
        if (entry.TreeGroup == PARENT_MODULE)
            parent = block ? block : groups[UserDefinedKeys];
        else if ((group == ModuleAssignment || group == PhysicalInterfaces) && block &&
                 !beginsBlock)
            parent = block;
        QString label = UiText(msg::TreeEntryLabel, entry.Key, entry.LongLine + 1);
        auto* item = new QTreeWidgetItem(parent, QStringList(label));
        item->setData(0, kEntryIndexRole, index);
        item->setData(0, kLineRole, entry.LongLine);
        if (beginsBlock)
            block = item;
        ++index;
    }
    root_->setExpanded(true);
    for (QTreeWidgetItem* group : groups) {
        group->setExpanded(true);
        if (group->childCount() == 0)
            group->setDisabled(true);
    }
    quiet_ = false;
}

void EntryGroupsPane::SelectEntryForLine(int line) {
    QTreeWidgetItemIterator it(this);
    for (; *it; ++it) {
        QVariant itemLine = (*it)->data(0, kLineRole);
        if (itemLine.isValid() && itemLine.toInt() == line) {
            quiet_ = true;
            setCurrentItem(*it);
            scrollToItem(*it);
            quiet_ = false;
            return;
        }
    }
}

} // namespace kvf
