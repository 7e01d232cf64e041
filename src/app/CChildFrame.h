#pragma once

#include "core/EntryFocus.h"
#include "editing/FileSummary.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

#include <functional>
#include <memory>

class QSplitter;

namespace kvf {

class AppServices;
class CKeyDatabase;
class CInputView;
class LanguageSnapshots;
class LineShifts;
class LiveCheck;
struct LiveCheckRequest;
class PaneSizes;
class TextServices;
struct LiveCheckResult;
class CKVFTextView;
class CKVF_EdDoc;
class CKVFTreeView;
class SettingsStore;

// How a worker thread reads the settings of `store`: it calls the function there and reads
// the store it makes, never the GUI thread's own.
std::function<std::unique_ptr<SettingsStore>()> WorkerSettingsOf(const SettingsStore& store);

// A document window: the tree pane on the left, on the right the text view over the input
// pane (their sizes: PaneSizes). The text view is the active view. The window owns its document.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    CChildFrame(AppServices& app, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKVF_EdDoc& Doc() const { return *doc_; }
    CKVFTextView* TextView() const { return text_; }
    CKVFTreeView* TreeView() const { return tree_; }
    CInputView* InputView() const { return input_; }
    // Which entry this window shows and its input form: the window's own, so a selection
    // in one document window leaves every other alone.
    EntryFocus& Focus() { return focus_; }

    // Selects line `line` (0-based) in the text view and scrolls it into view.
    void SelectLine(int line);
    // Shows the document's database again in the panes that show it, after a rebuild: no
    // entry is current and the form has no layout. A rebuild enables the tree and the
    // input view again, which a database gone stale disabled.
    void RefreshViews();
    // Rebuilds the database from the text and refreshes the views (Check Syntax's rebuild).
    void RebuildDatabase();
    // Check as you type: on while the "LiveCheck" setting is 1 (the default). Read again
    // when the settings change; off, the marks go and the tree waits for a rebuild again.
    void ApplyLiveCheckSetting();
    LiveCheck& Live() const { return *live_; }

    // The caret as the status bar shows it, 0-based.
    int CaretLine() const { return caretLine_; }
    int CaretColumn() const { return caretColumn_; }

    // What the last check found (F7, or the check as you type): the tree's root shows it
    // in the file's summary.
    void SetLastCheck(const FindingCounts& counts);
    const FindingCounts& LastCheck() const { return lastCheck_; }
    // The file at a glance, as the input view shows it for the tree's root.
    std::string Summary() const;

    // Splits the window, at its first size, as a new document window is split.
    void ApplyInitialLayout();
    // Window Split: a second view of the same text above the first, or none again.
    void ToggleSplit();
    QPlainTextEdit* SecondView() const { return second_; }

    // Asked when an untitled document is to be saved on closing (the Save As dialog).
    std::function<bool()> SaveAsHandler;

  signals:
    void caretMoved(int line, int column);
    void modifiedChanged(bool modified);
    void closing(CChildFrame* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowForm();
    void UpdateCaret();
    // A live check's findings as marks in the text; the tree and the input view rebuilt
    // from the text, the selected entry selected again.
    void ShowLiveResult(const LiveCheckResult& result);
    void FollowText(CKeyDatabase& database);
    // Whether a load or a run is filling the document's database now.
    bool EngineBusy() const;
    void RememberSelectedEntry();
    // The summary in the input view again while the root is selected.
    void ShowSummaryIfRootSelected();
    // A tree entry selected while a live check of the edited text is still to come: the
    // check runs now, and the entry is selected in the database it builds.
    bool ShowAfterPendingCheck(const CDbEntry& entry);
    // What a worker reads of the text as it is now: the check as you type, and the parse
    // that help and completion read.
    LiveCheckRequest TextRequest() const;
    // Hover, completion and quick fixes of the language services in the text view.
    void OfferTextAssist();
    // A quick fix that registers the finding's unknown key as a user key, as User Key...
    // does: in the settings, for the document's entries of that key, coloured when asked.
    // False, with a message and nothing registered, when the settings cannot keep it or the
    // text holds the key no more.
    bool RegisterUserKeyOfFix(const std::string& key, const std::string& setting);

    AppServices* app_;
    EntryFocus focus_;
    QSplitter* split_;
    QSplitter* rightSplit_;
    CKVFTreeView* tree_ = nullptr;
    CKVFTextView* text_;
    CInputView* input_ = nullptr;
    QPointer<QPlainTextEdit> second_;
    CKVF_EdDoc* doc_;
    LiveCheck* live_;
    PaneSizes* paneSizes_;
    LanguageSnapshots* parses_ = nullptr; // what hover and completion read of the text
    std::unique_ptr<TextServices> services_;
    // Where the selected entry begins; it moves with the text, so the entry is found again
    // after the edits a live check follows.
    QTextCursor selectedEntry_;
    // Where the entry begins that the user selected while the live check was pending.
    QTextCursor pendingSelection_;
    LineShifts* lineShifts_;       // the lines moved since the database was built
    quint64 databaseRevision_ = 0; // the text's revision the database was built from
    FindingCounts lastCheck_;
    int caretLine_ = 0;
    int caretColumn_ = 0;
};

} // namespace kvf
