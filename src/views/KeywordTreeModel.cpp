#include "views/KeywordTreeModel.h"

#include "catalogue/KeywordCatalogue.h"
#include "core/CKeyDatabase.h"
#include "views/TreeIcons.h"
#include "views/ViewText.h"

#include <QFont>

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>

namespace kvf {
namespace {

// The fixed nodes in the order the view keeps them; their labels are the catalogue's group
// names (the root first, "no database" last), so selecting one shows its glossary page.
enum GroupSlot {
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
constexpr std::size_t kRootName = 0;
constexpr std::size_t kFirstGroupName = 1;
constexpr std::size_t kNoDatabaseName = kFirstGroupName + GroupCount;

constexpr std::array<int, GroupCount> kGroupImages = {
    KeywordTreeModel::ImageGeneralKeys,    KeywordTreeModel::ImagePhysicalInterfaces,
    KeywordTreeModel::ImageMasterKeys,     KeywordTreeModel::ImageMasterExtension,
    KeywordTreeModel::ImageSlaveKeys,      KeywordTreeModel::ImageModuleAssignment,
    KeywordTreeModel::ImageSlaveExtension, KeywordTreeModel::ImageSlaveDataExchange,
    KeywordTreeModel::ImageUserKeys};

const char* FixedLabel(std::size_t nameIndex) {
    auto names = KeywordCatalogue::Instance().GroupNames();
    return nameIndex < names.size() ? names[nameIndex].Name.data() : "";
}

int EntryImage(const CDbEntry& entry) {
    if (entry.ModuleFlag == TYPE_MODULE_BEGIN)
        return KeywordTreeModel::ImageBlock;
    switch (entry.Type) {
    case TYPE_SIMPLE_STRING:
        return KeywordTreeModel::ImageString;
    case TYPE_SIMPLE_UINT:
        return KeywordTreeModel::ImageUint;
    case TYPE_SIMPLE_BOOL:
        return KeywordTreeModel::ImageBool;
    case TYPE_OCTET_STRING:
        return KeywordTreeModel::ImageOctetString;
    default:
        return KeywordTreeModel::ImageOther;
    }
}

// The group an entry's tree group names, before blocks are taken into account.
GroupSlot GroupOf(unsigned treeGroup) {
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

// The part of an entry's label after its key: its line, counted from one.
void AppendLineSuffix(const CDbEntry& entry, std::string& out) {
    char digits[16];
    const auto written = std::to_chars(std::begin(digits), std::end(digits),
                                       static_cast<unsigned>(entry.LongLine + 1));
    out += " (";
    out.append(digits, written.ptr);
    out += ')';
}

std::string EntryLabel(const CDbEntry& entry) {
    std::string label = entry.Key;
    AppendLineSuffix(entry, label);
    return label;
}

// The order of a tree control's sorted insertion is that of the labels compared ignoring
// ASCII case, byte by byte as unsigned values: the order of the lowered labels as strings.
char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

} // namespace

struct KeywordTreeModel::Node {
    int Parent = -1;
    int Row = 0;
    int Image = 0;
    long Entry = -1;             // database index of an entry node
    const char* Fixed = nullptr; // label of the root, a group or "no database"
    std::vector<int> Children;
};

KeywordTreeModel::KeywordTreeModel(QObject* parent) : QAbstractItemModel(parent) {
    Clear();
}

KeywordTreeModel::~KeywordTreeModel() = default;

int KeywordTreeModel::AddNode(int parent, int image, long entry, const char* fixedLabel) {
    int id = static_cast<int>(nodes_.size());
    Node& node = nodes_.emplace_back();
    node.Parent = parent;
    node.Image = image;
    node.Entry = entry;
    node.Fixed = fixedLabel;
    if (parent >= 0) {
        node.Row = static_cast<int>(nodes_[parent].Children.size());
        nodes_[parent].Children.push_back(id);
    }
    return id;
}

void KeywordTreeModel::SortChildren(int node) {
    std::vector<int>& children = nodes_[node].Children;
    if (children.size() < 2)
        return;
    // Each label lowered once into one buffer, so that the sort compares plain bytes and
    // moves only numbers: a large file's tree is sorted on the window's thread.
    std::string lowered;
    lowered.reserve(children.size() * 24); // a keyword and its line, mostly
    std::vector<std::size_t> ends;
    ends.reserve(children.size());
    for (int child : children) {
        const Node& item = nodes_[static_cast<std::size_t>(child)];
        const CDbEntry* entry = item.Fixed || !database_
                                    ? nullptr
                                    : &database_->At(static_cast<std::size_t>(item.Entry));
        const std::string_view label = item.Fixed ? std::string_view(item.Fixed)
                                       : entry    ? std::string_view(entry->Key)
                                                  : std::string_view();
        const std::size_t begin = lowered.size();
        lowered += label;
        for (std::size_t i = begin; i < lowered.size(); ++i)
            lowered[i] = LowerAscii(lowered[i]);
        if (entry) // the rest of EntryLabel: " (line)"
            AppendLineSuffix(*entry, lowered);
        ends.push_back(lowered.size());
    }
    auto labelOf = [&](std::size_t i) {
        const std::size_t begin = i == 0 ? 0 : ends[i - 1];
        return std::string_view(lowered).substr(begin, ends[i] - begin);
    };
    std::vector<std::size_t> order(children.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return labelOf(a) < labelOf(b); });
    const std::vector<int> unsorted = children;
    for (std::size_t i = 0; i < order.size(); ++i) {
        children[i] = unsorted[order[i]];
        nodes_[static_cast<std::size_t>(children[i])].Row = static_cast<int>(i);
    }
}

void KeywordTreeModel::Clear() {
    beginResetModel();
    nodes_.clear();
    nodeOfEntry_.clear();
    database_ = nullptr;
    AddNode(-1, ImageRoot, -1, FixedLabel(kRootName));
    endResetModel();
}

void KeywordTreeModel::Rebuild(CKeyDatabase& database) {
    beginResetModel();
    nodes_.clear();
    nodeOfEntry_.assign(database.Count(), -1);
    database_ = &database;
    nodes_.reserve(1 + GroupCount + database.Count());
    int root = AddNode(-1, ImageRoot, -1, FixedLabel(kRootName));
    if (database.Empty()) {
        AddNode(root, ImageNoDatabase, -1, FixedLabel(kNoDatabaseName));
        database_ = nullptr;
        endResetModel();
        return;
    }
    std::array<int, GroupCount> groups{};
    for (int g = 0; g < GroupCount; ++g)
        groups[g] = AddNode(root, kGroupImages[g], -1, FixedLabel(kFirstGroupName + g));

    // The last entry that began a block holds what follows it as the rules say, until the
    // next block begins.
    int block = -1;
    for (std::size_t i = 0; i < database.Count(); ++i) {
        CDbEntry& entry = database.At(i);
        bool beginsBlock = entry.ModuleFlag == TYPE_MODULE_BEGIN;
        GroupSlot group = GroupOf(entry.TreeGroup);
        int parent = groups[group];
        if (entry.TreeGroup == PARENT_MODULE)
            parent = block >= 0 ? block : groups[UserDefinedKeys];
        else if ((entry.TreeGroup == PARENT_MODULE_ASSIGNMENT ||
                  entry.TreeGroup == PARENT_PHYSICAL_INTERFACES) &&
                 block >= 0 && !beginsBlock)
            parent = block;
        int node = AddNode(parent, EntryImage(entry), static_cast<long>(i), nullptr);
        nodeOfEntry_[i] = node;
        if (beginsBlock)
            block = node;
    }
    // Every level in sorted order, as the tree control inserts its items.
    for (std::size_t n = 0; n < nodes_.size(); ++n)
        SortChildren(static_cast<int>(n));
    std::vector<void*> treeNodes(database.Count());
    for (std::size_t i = 0; i < database.Count(); ++i)
        treeNodes[i] = &nodes_[static_cast<std::size_t>(nodeOfEntry_[i])];
    database.SetTreeNodes(std::move(treeNodes));
    endResetModel();
}

const KeywordTreeModel::Node* KeywordTreeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid())
        return nullptr;
    auto id = static_cast<std::size_t>(index.internalId());
    return id < nodes_.size() ? &nodes_[id] : nullptr;
}

QModelIndex KeywordTreeModel::IndexOfNode(int node) const {
    if (node < 0 || static_cast<std::size_t>(node) >= nodes_.size())
        return {};
    return createIndex(nodes_[node].Row, 0, static_cast<quintptr>(node));
}

QModelIndex KeywordTreeModel::RootIndex() const {
    return IndexOfNode(0);
}

QModelIndex KeywordTreeModel::IndexOfEntry(std::size_t entryIndex) const {
    return entryIndex < nodeOfEntry_.size() ? IndexOfNode(nodeOfEntry_[entryIndex]) : QModelIndex();
}

CDbEntry* KeywordTreeModel::EntryAt(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    if (!node || node->Entry < 0 || !database_ ||
        static_cast<std::size_t>(node->Entry) >= database_->Count())
        return nullptr;
    const auto entry = static_cast<std::size_t>(node->Entry);
    // An entry that does not know this node was built after the tree: no match.
    return database_->TreeNode(entry) == node ? &database_->At(entry) : nullptr;
}

QString KeywordTreeModel::Label(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    if (!node)
        return {};
    if (node->Fixed)
        return QString::fromLatin1(node->Fixed);
    const CDbEntry* entry = EntryAt(index);
    return entry ? views::FromCodePage(EntryLabel(*entry)) : QString();
}

void KeywordTreeModel::Relabel(const CDbEntry& entry) {
    const long found = database_ ? database_->IndexOf(&entry) : -1;
    if (found < 0 || static_cast<std::size_t>(found) >= nodeOfEntry_.size())
        return;
    QModelIndex index = IndexOfNode(nodeOfEntry_[static_cast<std::size_t>(found)]);
    if (EntryAt(index) != &entry) // made after the tree was built
        return;
    emit dataChanged(index, index);
}

QModelIndex KeywordTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && !nodes_.empty() ? IndexOfNode(0) : QModelIndex();
    const Node* node = NodeOf(parent);
    if (!node || static_cast<std::size_t>(row) >= node->Children.size())
        return {};
    return IndexOfNode(node->Children[static_cast<std::size_t>(row)]);
}

QModelIndex KeywordTreeModel::parent(const QModelIndex& child) const {
    const Node* node = NodeOf(child);
    return node ? IndexOfNode(node->Parent) : QModelIndex();
}

int KeywordTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return nodes_.empty() ? 0 : 1;
    const Node* node = NodeOf(parent);
    return node ? static_cast<int>(node->Children.size()) : 0;
}

int KeywordTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant KeywordTreeModel::data(const QModelIndex& index, int role) const {
    const Node* node = NodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: // the whole label, where the pane cuts it
        return Label(index);
    case Qt::DecorationRole:
        return views::TreeIcon(node->Image);
    case kImageRole:
        return node->Image;
    case Qt::FontRole:
        if (node->Fixed && node->Image != ImageNoDatabase) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags KeywordTreeModel::flags(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    if (!node)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // The nodes stay as they are until the next rebuild resets the model. Told that an
    // entry without children keeps none, the view neither keeps a persistent index for
    // every leaf nor asks it for children as it expands the whole tree (a group stays
    // expandable, empty or not).
    if (node->Entry >= 0 && node->Children.empty())
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

} // namespace kvf
