#pragma once

#include <QTreeWidget>

namespace kvf {

class Document;

// The left pane of a document window until the keyword tree arrives: the entries of the
// database under their nine groups, labelled "Key (line)", read-only. Choosing an entry
// asks for its line and its help.
class EntryGroupsPane : public QTreeWidget {
    Q_OBJECT
  public:
    explicit EntryGroupsPane(QWidget* parent = nullptr);

    // Shows the entries of the document's database again.
    void Rebuild(const Document& document);
    // Selects the entry whose first line is `line` (0-based), without signalling.
    void SelectEntryForLine(int line);

  signals:
    // An entry node was chosen: its database index and first line (0-based).
    void entryChosen(int entryIndex, int line);

  private:
    QTreeWidgetItem* root_ = nullptr;
    bool quiet_ = false;
};

} // namespace kvf
