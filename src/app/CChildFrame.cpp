#include "app/CChildFrame.h"

#include "app/CKVF_EdDoc.h"
#include "app/CharacterLossQuestion.h"
#include "app/EditorSettings.h"
#include "app/LanguageSnapshots.h"
#include "app/LineShifts.h"
#include "app/LiveCheck.h"
#include "app/PaneSizes.h"
#include "app/TextServices.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/AppServices.h"
#include "core/AsciiText.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "document/CheckRun.h"
#include "editing/EntryCheck.h"
#include "editing/UserKeyRegistration.h"
#include "views/CInputView.h"
#include "views/CKVFTextView.h"
#include "views/CKVFTreeView.h"
#include "views/FindingMarks.h"
#include "views/UiText.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSplitter>
#include <QTextBlock>
#include <QTimer>

namespace kvf {

// How a worker reads the settings: a store of its own over the same file (the editor's store
// is the GUI thread's, which may write it meanwhile), or a copy of a store held in memory.
std::function<std::unique_ptr<SettingsStore>()> WorkerSettingsOf(const SettingsStore& store) {
    if (const auto* ini = dynamic_cast<const QtIniSettingsStore*>(&store)) {
        QString path = const_cast<QtIniSettingsStore*>(ini)->Qt().fileName();
        return [path] { return std::make_unique<QtIniSettingsStore>(path); };
    }
    if (const auto* memory = dynamic_cast<const MemorySettingsStore*>(&store))
        return [copy = *memory] { return std::make_unique<MemorySettingsStore>(copy); };
    // Any other store is read through, while no dialog writes it.
    return [&store] {
        return std::make_unique<OverlaySettingsStore>(const_cast<SettingsStore&>(store));
    };
}

namespace {

std::vector<views::FindingSpot> Spots(const std::vector<language::Diagnostic>& diagnostics) {
    std::vector<views::FindingSpot> spots;
    spots.reserve(diagnostics.size());
    for (const language::Diagnostic& diagnostic : diagnostics)
        spots.push_back({diagnostic.RowLine, diagnostic.Range.Start.Column,
                         diagnostic.Range.End.Column, diagnostic.Level, diagnostic.Id,
                         FromBytes(diagnostic.Text)});
    return spots;
}

} // namespace

CChildFrame::CChildFrame(AppServices& app, QWidget* parent)
    : QMdiSubWindow(parent), app_(&app), split_(new QSplitter(Qt::Horizontal, this)),
      rightSplit_(new QSplitter(Qt::Vertical)), text_(new CKVFTextView) {
    setAttribute(Qt::WA_DeleteOnClose);
    doc_ = new CKVF_EdDoc(app, *text_->document(), this);
    // Destroying the entry this window shows forgets it.
    doc_->Engine().Database.SetReferences(&focus_);
    doc_->SetTextLoader(
        [this](const QString& text) { text_->SetDocumentText(text, &app_->Progress()); });
    doc_->SetLossQuestion(
        [this](const CharacterLoss& loss) { return AskToReplaceLostCharacters(this, loss); });
    tree_ = new CKVFTreeView(app, focus_, doc_->Engine(), *text_);
    tree_->RebuildDocument = [this] { RebuildDatabase(); };
    tree_->RootSummary = [this] { return Summary(); };
    tree_->ShowAfterPendingCheck = [this](const CDbEntry& entry) {
        return ShowAfterPendingCheck(entry);
    };
    lineShifts_ = new LineShifts(*text_->document(), this);
    input_ = new CInputView(app, focus_, doc_->Engine(), *text_);
    input_->SetTreeView(tree_);

    split_->addWidget(tree_);
    split_->addWidget(rightSplit_);
    rightSplit_->addWidget(text_);
    rightSplit_->addWidget(input_);
    split_->setStretchFactor(1, 1);
    rightSplit_->setStretchFactor(0, 1);
    setWidget(split_);
    setFocusProxy(text_);
    paneSizes_ = new PaneSizes(app.Settings(), *this, *split_, *rightSplit_, *tree_, *input_);

    connect(doc_, &CKVF_EdDoc::titleChanged, this, &QWidget::setWindowTitle);
    connect(text_->document(), &QTextDocument::modificationChanged, this,
            &CChildFrame::modifiedChanged);
    connect(text_, &QPlainTextEdit::cursorPositionChanged, this, &CChildFrame::UpdateCaret);
    connect(tree_, &CKVFTreeView::formChanged, this, &CChildFrame::ShowForm);
    connect(tree_, &CKVFTreeView::databaseStale, this, [this] { input_->setEnabled(false); });
    connect(text_, &CKVFTextView::lineDoubleClicked, tree_, &CKVFTreeView::SelectEntryForLine);
    connect(doc_, &CKVF_EdDoc::titleChanged, this,
            [this] { text_->setPrintDocumentName(doc_->FileName()); });

    live_ = new LiveCheck(
        *text_->document(), [this] { return TextRequest(); }, this);
    connect(live_, &LiveCheck::checked, this, &CChildFrame::ShowLiveResult);
    OfferTextAssist();
    connect(tree_, &CKVFTreeView::formChanged, this, &CChildFrame::RememberSelectedEntry);
    ApplyLiveCheckSetting();
}

CChildFrame::~CChildFrame() {
    // The document is a child object, destroyed after this window's members: its database
    // must not tell the focus, gone by then, of the entries it destroys.
    doc_->Engine().Database.SetReferences(nullptr);
}

void CChildFrame::ApplyInitialLayout() {
    if (layout())
        layout()->activate(); // the panes get their real sizes now, not at the next show
    paneSizes_->ApplyInitial();
}

void CChildFrame::ToggleSplit() {
    if (second_) {
        delete second_;
        text_->setFocus();
        return;
    }
    second_ = new QPlainTextEdit;
    second_->setDocument(text_->document());
    second_->setFont(text_->font());
    second_->setLineWrapMode(QPlainTextEdit::NoWrap);
    second_->setReadOnly(text_->isReadOnly());
    rightSplit_->insertWidget(0, second_);
    int textHeight = rightSplit_->sizes().value(1);
    rightSplit_->setSizes(
        {textHeight / 2, textHeight - textHeight / 2, rightSplit_->sizes().value(2)});
}

void CChildFrame::SelectLine(int line) {
    text_->SelectLine(line);
}

void CChildFrame::RefreshViews() {
    databaseRevision_ = live_->Revision();
    lineShifts_->Reset();
    focus_.ShowNoEntry();
    // The tree selects its root once it is built: the help box tells what the file holds.
    focus_.InputForm.HelpText = Summary();
    tree_->setEnabled(true);
    input_->setEnabled(true);
    // A check run shows the views after its rebuild and again at its end, over the same
    // entries (a check files no entry elsewhere): the tree built the first time still shows
    // them, as the nodes it left in the database say (a rebuild clears them).
    const CKeyDatabase& database = doc_->Engine().Database;
    const bool treeCurrent =
        !database.Empty() && database.TreeNode(database.Count() - 1) &&
        tree_->Model().EntryAt(tree_->Model().IndexOfEntry(0)) == &database.At(0);
    if (!treeCurrent) {
        tree_->RebuildTree();
        app_->Progress().Step(); // within a long command, its events before the form
    }
    ShowForm();
    text_->setReadOnlyDocument(doc_->IsReadOnly());
}

void CChildFrame::SetLastCheck(const FindingCounts& counts) {
    lastCheck_ = counts;
    ShowSummaryIfRootSelected();
}

std::string CChildFrame::Summary() const {
    return FileSummary(ToBytes(doc_->FileName()), doc_->Engine().Database, lastCheck_);
}

void CChildFrame::ShowSummaryIfRootSelected() {
    if (!tree_->RootSelected() || focus_.InputForm.FormKind != InputForm::None)
        return;
    focus_.InputForm.HelpText = Summary();
    input_->OnUpdate();
}

void CChildFrame::RebuildDatabase() {
    class ViewHooks : public CheckRunHooks {
      public:
        explicit ViewHooks(CChildFrame* frame) : frame_(frame) {}
        void ViewsChanged(Document&) override { frame_->RefreshViews(); }

      private:
        CChildFrame* frame_;
    } hooks(this);
    Rebuild(*app_, doc_->Engine(), &hooks);
}

void CChildFrame::ApplyLiveCheckSetting() {
    const bool on = app_->Settings().GetInt("Settings", "LiveCheck", 1) != 0;
    if (on == live_->IsEnabled())
        return;
    live_->SetEnabled(on);
    if (on) {
        live_->CheckNow();
    } else {
        text_->SetFindingMarks({});
        pendingSelection_ = QTextCursor();
        input_->setEnabled(tree_->isEnabled());
    }
}

LiveCheckRequest CChildFrame::TextRequest() const {
    LiveCheckRequest request;
    // The raw text is the document's own buffer, shared, not converted: the copy the worker
    // reads costs the GUI thread one pass over the characters.
    request.RawText = text_->document()->toRawText();
    request.Encoding = doc_->Lines().Encoding();
    const std::string& title = doc_->Engine().Title;
    request.FileName = title.substr(0, title.find('*'));
    request.PathName = doc_->Engine().PathName;
    request.Selection = app_->Selection();
    request.MakeSettings = WorkerSettingsOf(app_->Settings());
    return request;
}

void CChildFrame::OfferTextAssist() {
    parses_ = new LanguageSnapshots(
        *text_->document(), [this] { return TextRequest(); }, this);
    connect(parses_, &LanguageSnapshots::ready, text_, &CKVFTextView::AssistReady);
    services_ = std::make_unique<TextServices>(*app_, doc_->Lines(), *text_->document(),
                                               doc_->Engine(), *parses_);
    views::TextAssist assist;
    assist.Hover = [this](int line, int column) { return services_->HoverHtml(line, column); };
    assist.Complete = [this](int line,
                             int column) -> std::optional<std::vector<views::CompletionChoice>> {
        std::optional<std::vector<language::CompletionItem>> items =
            services_->Completions(line, column);
        if (!items)
            return std::nullopt;
        return TextServices::Choices(*items);
    };
    assist.Fixes = [this](const views::FindingMarks::Mark& mark) {
        std::vector<views::FixChoice> choices;
        // A fix is made for the text it was offered for: its edits name that text's lines
        // and columns.
        const quint64 revision = live_->Revision();
        for (language::QuickFix& fix : services_->Fixes(mark))
            choices.push_back({FromBytes(fix.Title), [this, fix, revision] {
                                   if (live_->Revision() != revision) {
                                       app_->Alert(FormatMessage(msg::FixTextChanged));
                                       return false;
                                   }
                                   if (!fix.UserKey.empty())
                                       return RegisterUserKeyOfFix(fix.UserKey, fix.UserKeySetting);
                                   if (doc_->IsReadOnly()) {
                                       app_->Alert(FormatMessage(msg::FileWriteProtected));
                                       return false;
                                   }
                                   ApplyTextEdits(*text_->document(), fix.Edits);
                                   return true;
                               }});
        return choices;
    };
    text_->SetAssist(std::move(assist));
}

bool CChildFrame::RegisterUserKeyOfFix(const std::string& key, const std::string& setting) {
    // "<data type index>;<group index>;<range text>"
    const QStringList parts = FromBytes(setting).split(u';');
    if (parts.size() < 2)
        return false;
    if (!SettingsCanKeep(*app_, msg::UserKeySettingsNotWritable))
        return false;
    RebuildDatabase();
    for (CDbEntry& entry : doc_->Engine().Database) {
        if (!EqualsNoCase(entry.Key, key))
            continue;
        if (!ApplyUserKeyRegistration(*app_, doc_->Engine(), entry, parts[0].toInt(),
                                      parts[1].toInt(), ToBytes(parts.mid(2).join(u';')))) {
            app_->Alert(FormatMessage(msg::UserKeyNotRegistrable, std::string(entry.Key)));
            return false;
        }
        text_->ApplyUserKeyHighlighting(app_->Settings());
        tree_->RebuildTree();
        live_->CheckNow();
        return true;
    }
    app_->Alert(FormatMessage(msg::UserKeyEntryGone));
    return false;
}

void CChildFrame::ShowLiveResult(const LiveCheckResult& result) {
    text_->SetFindingMarks(Spots(result.Diagnostics));
    FindingCounts counts;
    counts.Checked = true;
    for (const language::Diagnostic& diagnostic : result.Diagnostics)
        counts.Add(diagnostic.Level);
    SetLastCheck(counts);
    // A database built from this very text (a file just opened, F5, F7) is not taken over,
    // nor one that arrives while a load or a run (which gives the window its events
    // between its steps) is still filling the document's own.
    if (EngineBusy() || result.Revision == databaseRevision_ || !result.Database)
        return;
    // The tree in a pass of its own, so that typing and painting get through in between;
    // by then the text may have changed again, and the database is not this text's.
    QTimer::singleShot(0, this, [this, revision = result.Revision, database = result.Database] {
        if (revision == live_->Revision() && !EngineBusy())
            FollowText(*database);
    });
}

bool CChildFrame::EngineBusy() const {
    return doc_->LoadInProgress() || doc_->Engine().RunsInProgress > 0;
}

void CChildFrame::RememberSelectedEntry() {
    const CDbEntry* entry = focus_.CurrentEntry;
    if (entry == nullptr || entry->LongLine < 0) {
        selectedEntry_ = QTextCursor();
        return;
    }
    selectedEntry_ = QTextCursor(text_->document()->findBlockByNumber(entry->LongLine));
}

bool CChildFrame::ShowAfterPendingCheck(const CDbEntry& entry) {
    if (!live_->IsEnabled() || databaseRevision_ == live_->Revision() || EngineBusy())
        return false;
    // The entry's line in the text as it is now; the cursor follows further typing.
    pendingSelection_ =
        QTextCursor(text_->document()->findBlockByNumber(lineShifts_->Map(entry.LongLine)));
    // Its form comes with the new database; the form of the entry before waits unchanged.
    input_->setEnabled(false);
    live_->CheckNow();
    return true;
}

void CChildFrame::FollowText(CKeyDatabase& database) {
    const int line = selectedEntry_.isNull() ? -1 : selectedEntry_.blockNumber();
    const int pending = pendingSelection_.isNull() ? -1 : pendingSelection_.blockNumber();
    pendingSelection_ = QTextCursor();
    Document& engine = doc_->Engine();
    engine.Database.Swap(database);
    engine.RebuildFlag = true;
    RefreshViews();
    // The entry the user chose meanwhile, as a click on it selects it now.
    if (pending >= 0 && tree_->SelectEntryHolding(pending))
        return;
    if (line < 0)
        return;
    // The entry that holds the remembered line now, if any.
    const CKeyDatabase& taken = engine.Database;
    if (const long index = IndexOfEntryHolding(taken, line); index >= 0)
        tree_->SelectEntryForLine(taken.At(static_cast<std::size_t>(index)).LongLine);
    else
        selectedEntry_ = QTextCursor();
}

void CChildFrame::ShowForm() {
    input_->OnUpdate();
    paneSizes_->FitForm();
    text_->ensureCursorVisible(); // the line of the entry stays in sight of a taller pane
}

void CChildFrame::UpdateCaret() {
    QTextCursor cursor = text_->textCursor();
    caretLine_ = cursor.blockNumber();
    caretColumn_ = cursor.positionInBlock();
    emit caretMoved(caretLine_, caretColumn_);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (doc_->IsModified() && !doc_->IsReadOnly()) {
        auto answer = QMessageBox::question(
            this, "KVF_Ed", QString("Save changes to %1?").arg(doc_->FileName()),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            event->ignore();
            return;
        }
        bool saved = answer == QMessageBox::No ||
                     (doc_->IsUntitled() ? (SaveAsHandler && SaveAsHandler()) : doc_->Save());
        if (!saved) {
            event->ignore();
            return;
        }
    }
    // The output window's rows may point at this document: they go first.
    emit closing(this);
    app_->ClearMessages();
    event->accept();
}

} // namespace kvf
