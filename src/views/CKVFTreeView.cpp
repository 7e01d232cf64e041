#include "views/CKVFTreeView.h"

#include "catalogue/KeywordDispatcher.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"
#include "core/Windows1252.h"
#include "document/CheckRun.h"
#include "editing/EntryCheck.h"
#include "editing/EntryTextMatch.h"
#include "views/CKVFTextView.h"
#include "views/EntryDetails.h"
#include "views/QueuedCommand.h"
#include "views/ViewText.h"
#include "views/WaitCursor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace kvf {
namespace {

// The keyboard's context menu opens this far inside the view's top-left corner.
constexpr int kKeyboardMenuOffset = 5;

std::string Bytes(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

// Whether the text still holds the entry where the database put it, reading only its line
// (the document's lines would convert the whole text after an edit).
bool LineHoldsKey(const QTextDocument& text, int line, std::string_view key) {
    const QTextBlock block = text.findBlockByNumber(line);
    return block.isValid() && kvf::LineHoldsKey(Bytes(block.text()), key);
}

} // namespace

CKVFTreeView::CKVFTreeView(AppServices& app, EntryFocus& focus, Document& document,
                           CKVFTextView& text, QWidget* parent)
    : QTreeView(parent), app_(&app), focus_(&focus), document_(&document), text_(&text) {
    setModel(&model_);
    setHeaderHidden(true);
    // The column is as wide as its longest label (of the rows a header measures), so a long
    // label scrolls sideways instead of being cut.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    RebuildDocument = [this] {
        Rebuild(*app_, *document_);
        focus_->ShowNoEntry();
    };
}

CKVFTreeView::~CKVFTreeView() = default;

void CKVFTreeView::RebuildTree() {
    if (WaitsForRebuild())
        return;
    views::WaitCursor wait;
    rebuilding_ = true;
    model_.Rebuild(document_->Database);
    // Within a long command a step of its progress between the two halves of the work.
    app_->Progress().Step();
    expandAll();
    // The root is selected as the tree is built; the selection does not move the text.
    setCurrentIndex(model_.RootIndex());
    scrollTo(model_.RootIndex());
    rebuilding_ = false;
    document_->RebuildFlag = false;
}

bool CKVFTreeView::RootSelected() const {
    return currentIndex() == model_.RootIndex();
}

bool CKVFTreeView::WaitsForRebuild() const {
    // Set aside by the tree itself, not only disabled with its window (as a progress
    // dialog disables the main window between the steps of a long command).
    return testAttribute(Qt::WA_ForceDisabled);
}

void CKVFTreeView::RelabelEntry(const CDbEntry& entry) {
    model_.Relabel(entry);
}

void CKVFTreeView::OnCurrentChanged(const QModelIndex& current) {
    if (rebuilding_ || !current.isValid())
        return;
    CDbEntry* entry = model_.EntryAt(current);
    if (!entry) {
        // The root, a group or "no database": the about text, and the text from its top.
        // The root tells what the file holds instead.
        RunContext run(*app_);
        Dispatch(run, *focus_, Bytes(model_.Label(current)), ACTION_SHOW, std::string());
        if (current == model_.RootIndex() && RootSummary)
            focus_->InputForm.HelpText = RootSummary();
        emit formChanged();
        if (sync_)
            text_->verticalScrollBar()->setValue(0);
        return;
    }
    if (!selectingForLine_ && ShowAfterPendingCheck && ShowAfterPendingCheck(*entry))
        return;
    const bool fresh = document_->RebuildFlag;
    if (!fresh && !LineHoldsKey(*text_->document(), entry->LongLine, entry->Key)) {
        setEnabled(false);
        emit databaseStale();
        // The message box runs its own loop, in which the tree may be built anew: it shows
        // after the tree's handler of the click or key has returned.
        views::RunQueued(this, [this] { Inform(msg::DatabaseNeedsUpdate); });
        return;
    }
    focus_->CurrentEntry = entry;
    if (sync_ && !fresh)
        text_->SelectLine(entry->LongLine);
    if (!fresh) {
        RunContext run(*app_);
        Dispatch(run, *focus_, entry->Key, ACTION_SHOW, entry->Value);
        emit formChanged();
    }
}

void CKVFTreeView::SelectEntryForLine(int line) {
    if (WaitsForRebuild())
        return;
    sync_ = false;
    selectingForLine_ = true;
    setCurrentIndex(model_.RootIndex());
    // Depth first from the root, as the labels stand: the first node whose line number
    // is line + 1.
    const QString wanted = QString::number(static_cast<long long>(line) + 1);
    std::vector<QModelIndex> pending{model_.RootIndex()};
    bool found = false;
    while (!pending.empty() && !found) {
        QModelIndex node = pending.back();
        pending.pop_back();
        const QString label = model_.Label(node);
        const qsizetype open = label.indexOf(u'(');
        const qsizetype close = label.indexOf(u')', open);
        if (open >= 0 && close > open && label.mid(open + 1, close - open - 1) == wanted) {
            setCurrentIndex(node);
            scrollTo(node);
            found = true;
            break;
        }
        for (int row = model_.rowCount(node) - 1; row >= 0; --row)
            pending.push_back(model_.index(row, 0, node));
    }
    selectingForLine_ = false;
    if (!found)
        Inform(msg::TreeEntryNotFound);
    sync_ = true;
}

bool CKVFTreeView::SelectEntryHolding(int line) {
    if (WaitsForRebuild())
        return false;
    const long index = IndexOfEntryHolding(document_->Database, line);
    if (index < 0)
        return false;
    const QModelIndex node = model_.IndexOfEntry(static_cast<std::size_t>(index));
    if (!node.isValid())
        return false;
    setCurrentIndex(node);
    scrollTo(node);
    return true;
}

CDbEntry* CKVFTreeView::CurrentEntryHere() const {
    CDbEntry* entry = focus_->CurrentEntry;
    return DocumentHoldsEntry(*document_, entry) ? entry : nullptr;
}

void CKVFTreeView::KeyInfo() {
    CDbEntry* entry = CurrentEntryHere();
    if (!entry) {
        Inform(msg::NoDatabase);
        return;
    }
    RunContext run(*app_);
    Dispatch(run, *focus_, entry->Key, ACTION_GLOSSARY, std::string());
}

void CKVFTreeView::CheckSyntax() {
    app_->ClearMessages();
    CDbEntry* current = CurrentEntryHere();
    if (!current) {
        Inform(msg::NoDatabase);
        return;
    }
    const int longLine = current->LongLine;
    const std::string key = current->Key;
    RebuildDocument();
    CDbEntry* match = FindEntry(document_->Database, longLine, key);
    if (!match) {
        Inform(msg::EditorContentsChanged);
        return;
    }
    views::WaitCursorHooks wait;
    CheckOneEntry(*app_, *focus_, *document_, *match, &wait);
}

void CKVFTreeView::ShowDetails() {
    CDbEntry* entry = CurrentEntryHere();
    if (!entry) {
        Inform(msg::NoDatabase);
        return;
    }
    delete details_;
    auto* box = new QDialog(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(views::ViewText(msg::DetailsTitle));
    auto* layout = new QVBoxLayout(box);
    auto* note = new QLabel(views::ViewText(msg::DetailsNote), box);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* fields = new QPlainTextEdit(box);
    fields->setObjectName("details");
    fields->setReadOnly(true);
    fields->setLineWrapMode(QPlainTextEdit::NoWrap);
    fields->setPlainText(views::EntryDetailsLines(*entry, document_->Database).join(u'\n'));
    layout->addWidget(fields);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);
    layout->addWidget(buttons);
    box->resize(520, 380);
    details_ = box;
    box->open();
}

QMenu* CKVFTreeView::CreateContextMenu() {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Each command runs after the menu, which deletes itself as it closes, has returned:
    // they rebuild, check and open dialogs.
    menu->addAction(views::ViewText(msg::MenuKeyInfo), this,
                    views::Queued(this, [this] { KeyInfo(); }));
    menu->addAction(views::ViewText(msg::MenuCheckSyntax), this,
                    views::Queued(this, [this] { CheckSyntax(); }));
    menu->addAction(views::ViewText(msg::MenuUserKey), this,
                    views::Queued(this, [this] { emit userKeyRequested(); }));
    menu->addAction(views::ViewText(msg::MenuShowDetails), this,
                    views::Queued(this, [this] { ShowDetails(); }));
    return menu;
}

void CKVFTreeView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->reason() == QContextMenuEvent::Keyboard
                    ? mapToGlobal(QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset))
                    : event->globalPos();
    CreateContextMenu()->popup(at);
    event->accept();
}

void CKVFTreeView::mousePressEvent(QMouseEvent* event) {
    // The right button selects the node under the cursor before the menu opens.
    if (event->button() == Qt::RightButton) {
        QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid())
            setCurrentIndex(index);
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void CKVFTreeView::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the context menu as the menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        CreateContextMenu()->popup(mapToGlobal(QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset)));
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CKVFTreeView::Inform(int messageId) {
    app_->Alert(FormatMessage(messageId));
}

} // namespace kvf
