#pragma once

#include <QAbstractItemModel>

#include <cstddef>
#include <string>
#include <vector>

namespace kvf {

class CKeyDatabase;
struct CDbEntry;

// The keyword tree as an item model over a document's entry database: the root, the nine
// groups and one node per entry, placed under its group or under the block that holds it,
// every level sorted by label. The model keeps only the shape of the tree; labels are read
// from the entries whenever a view asks, so the tree never shows a copy that went stale.
class KeywordTreeModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    // Image numbers of the tree's image list.
    enum Image {
        ImageString = 0,
        ImageUint = 1,
        ImageBool = 2,
        ImageMasterKeys = 3,
        ImageSlaveKeys = 4,
        ImageRoot = 5,
        ImageUserKeys = 6,
        ImageBlock = 7,
        ImageNoDatabase = 8,
        ImageOther = 9,
        ImageGeneralKeys = 10,
        ImageOctetString = 11,
        ImagePhysicalInterfaces = 12,
        ImageModuleAssignment = 13,
        ImageSlaveExtension = 14,
        ImageSlaveDataExchange = 15,
        ImageMasterExtension = 16,
        ImageCount = 17
    };
    static constexpr int kImageRole = Qt::UserRole + 1;

    explicit KeywordTreeModel(QObject* parent = nullptr);
    ~KeywordTreeModel() override;

    // Builds the nodes from the database again (an empty database shows "no database")
    // and stores each entry's node in the database (TreeNode). The model reads the database until
    // the next Rebuild or Clear.
    void Rebuild(CKeyDatabase& database);
    // No database at all: only the root.
    void Clear();

    QModelIndex RootIndex() const;
    // The node of the entry at `entryIndex`, or an invalid index.
    QModelIndex IndexOfEntry(std::size_t entryIndex) const;
    // The entry a node stands for (checked against the entry's TreeNode), or nullptr for the
    // root, a group, "no database", or a node whose entry is gone.
    CDbEntry* EntryAt(const QModelIndex& index) const;
    // The node's label: "Key (line)" for an entry, the fixed text otherwise.
    QString Label(const QModelIndex& index) const;
    // An entry's key or line changed: its node shows the new label (in place, unsorted).
    void Relabel(const CDbEntry& entry);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    struct Node;
    const Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOfNode(int node) const;
    int AddNode(int parent, int image, long entry, const char* fixedLabel);
    void SortChildren(int node);

    std::vector<Node> nodes_; // node 0 is the root
    std::vector<int> nodeOfEntry_;
    CKeyDatabase* database_ = nullptr;
};

} // namespace kvf
