#pragma once

#include "views/KeywordTreeModel.h"

#include <QDialog>
#include <QPointer>
#include <QTreeView>

#include <functional>

class QMenu;

namespace kvf {

class AppServices;
class CKVFTextView;
class Document;
struct CDbEntry;
struct EntryFocus;

// The first pane of a document window: the document's entries as a keyword tree. Selecting
// an entry makes it the window's current entry (`focus`, shared with the window's input
// view), moves the text view to its line and fills the input form; a node whose line no longer
// holds its key disables the tree (and, through databaseStale, the input view) until the next
// Rebuild. The context menu offers the keyword's help, a check of the one entry, the user-defined
// key settings and a details box.
class CKVFTreeView : public QTreeView {
    Q_OBJECT
  public:
    CKVFTreeView(AppServices& app, EntryFocus& focus, Document& document, CKVFTextView& text,
                 QWidget* parent = nullptr);
    ~CKVFTreeView() override;

    KeywordTreeModel& Model() { return model_; }

    // Builds the nodes from the document's database again; nothing while the tree waits
    // for a rebuild of the database.
    void RebuildTree();
    // Selects the entry node of a 0-based line without moving the text view; nothing while
    // the tree waits for a rebuild. "No Tree-Entry found!" when no entry begins on that line.
    void SelectEntryForLine(int line);
    // Whether the tree set itself aside because the text no longer matches the database.
    bool WaitsForRebuild() const;
    // Shows an entry's changed key or line in its node.
    void RelabelEntry(const CDbEntry& entry);

    // The context menu's commands.
    void KeyInfo();
    void CheckSyntax();
    void ShowDetails();
    QDialog* DetailsBox() const { return details_; }
    // The context menu as it opens (for the keyboard and for tests).
    QMenu* CreateContextMenu();

    // How Check Syntax rebuilds the database; by default without the frame's hooks.
    std::function<void()> RebuildDocument;
    // The text the input view shows for the root: the file at a glance (none: the about
    // text of the group names).
    std::function<std::string()> RootSummary;
    // Whether the root node is the selected one.
    bool RootSelected() const;
    // Asked before a selected entry is shown: true when the window shows the entry later
    // instead, once a check of the text as it is now (still to come) has built the database
    // the entry is then found in.
    std::function<bool(const CDbEntry& entry)> ShowAfterPendingCheck;
    // Selects the entry whose lines hold `line` as a click on its node would, moving the
    // text view to it; false (and nothing selected) where no entry holds the line.
    bool SelectEntryHolding(int line);

  signals:
    // The input form was filled for the selected node: the input view shows it.
    void formChanged();
    // The database no longer matches the text: the tree disabled itself.
    void databaseStale();
    // The context menu's User Key... command.
    void userKeyRequested();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OnCurrentChanged(const QModelIndex& current);
    void Inform(int messageId);
    // The window's current entry when it is still one of this document's.
    CDbEntry* CurrentEntryHere() const;

    AppServices* app_;
    EntryFocus* focus_;
    Document* document_;
    CKVFTextView* text_;
    KeywordTreeModel model_;
    QPointer<QDialog> details_;
    bool sync_ = true; // a selection moves the text view
    bool rebuilding_ = false;
    bool selectingForLine_ = false; // SelectEntryForLine looks for a line of the database
};

} // namespace kvf
