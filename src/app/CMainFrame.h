#pragma once

#include "app/EditorSettings.h"
#include "app/FrameCommands.h"
#include "app/RecentFiles.h"
#include "core/AlertSink.h"
#include "core/MessageSink.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace kvf {

class AppServices;
class CChildFrame;
class ProgressDialog;
class CMyListBoxBar;
class FindReplaceDialog;
class HelpWindow;
class QtIniSettingsStore;
class WorkerThread;
struct VariantRow;

// The main window: documents in an MDI area, the toolbar, the status bar with its five
// panes and the output window docked at the bottom. It is the application's message sink
// (reporting shows the output window when it is hidden) and its alert sink.
class CMainFrame : public QMainWindow, public MessageSink, public AlertSink {
    Q_OBJECT
  public:
    static constexpr int kRecentFiles = kvf::RecentFiles::kCount;

    explicit CMainFrame(QtIniSettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Attaches the application state and makes this window's progress dialog its progress
    // sink: loading, colouring and building the database of a large file show it.
    void AttachApp(AppServices& app);
    ProgressDialog* Progress() const { return progress_; }
    // Where help requests go; without a help window they do nothing.
    void SetHelpWindow(HelpWindow* help) { help_ = help; }

    void AddMessage(int level, int line, const std::string& text,
                    const Document* document) override;
    void ClearMessages() override;
    void Alert(const std::string& text) override;
    // Tests answer message boxes themselves.
    void SetAlertHandler(std::function<void(const QString&)> handler) {
        alertHandler_ = std::move(handler);
    }

    // File commands without their dialogs.
    CChildFrame* NewDocument();
    // A new untitled document with the template file's text; none when it cannot be read.
    CChildFrame* NewDocumentFromTemplate(const QString& templatePath);
    // Opens the paths as the Open command does after its dialog: the attribute checks,
    // read-only where asked or marked, LastDir. Returns the windows opened.
    QList<CChildFrame*> OpenPaths(const QStringList& paths, bool readOnlyTicked);
    bool SaveDocument(CChildFrame* frame);
    bool SaveDocumentAs(CChildFrame* frame, const QString& path);
    void Rebuild();
    void Check();
    // Extras > Compare Language Variants: the active document's text as it stands against
    // its siblings (their open text where they are open, else the file), on a worker while
    // the progress dialog holds the window; the differences go to the output window.
    void CompareVariants();
    // Waits for a comparison still running and shows its rows now (tests).
    void WaitForVariantComparison();

    CChildFrame* ActiveChild() const;
    QList<CChildFrame*> Children() const;
    CChildFrame* ChildOf(const Document* document) const;

    CMyListBoxBar* OutputWindow() const { return output_; }
    QMdiArea* MdiArea() const { return mdi_; }
    EditorSettings& Settings() { return settings_; }
    QLabel* MessagePane() const { return messagePane_; }
    QLabel* CaretPane() const { return caretPane_; }
    QLabel* ModifiedPane() const { return modifiedPane_; }
    QToolBar* MainToolBar() const { return toolBar_; }
    QStringList RecentFiles() const { return recent_.Paths(); }
    QAction* Command(const QString& name) const;

    // Applies changed settings to the store the engine reads during a run.
    void ApplySettings(const EditorSettings& settings);
    // Writes the settings and the bars' placement; done once, when the window closes.
    void SaveSettings();
    // Shows the window at start: where and as large as it was last used (maximised
    // included), maximised at the first start or while "Don't save window positions" is set.
    void ShowAtStart();

  public slots:
    // File New: the template dialog decides whether and how a document is created.
    void OnFileNew();
    void OnFileOpen();
    void OnSettings();
    // User Key... of the keyword tree: registers the key of the current entry of `owner`
    // (the active document window when none is given) and applies the registration at
    // once (the entry's group in the tree, its check, the highlighting).
    void OnUserKey(CChildFrame* owner = nullptr);
    // Extras > User Keys...: the list of registered keys, to edit or remove them.
    void OnUserKeyList();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The commands the menus and the toolbar are built from (FrameCommands.cpp).
    static const std::vector<FrameCommand> kCommands;

    QAction* CreateAction(const FrameCommand& command, QMenu* menu);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ApplyFlatbar();
    void UpdateStatusPanes();
    void UpdateCommands();
    void AddRecentFile(const QString& path);
    void RebuildRecentMenu();
    CChildFrame* AddChild();
    // A new window with the file loaded; none when it could not be loaded.
    CChildFrame* LoadChild(const QString& path, bool readOnly);
    void ShowNewChild(CChildFrame* child);
    // Where a new document window goes: the first one fills the area, maximised unless
    // the user chose otherwise; later ones as the area's windows are (PlaceNewWindow).
    void PlaceChild(CChildFrame* child);
    // The user maximised or restored a document window: the next first window follows.
    void FollowWindowState(Qt::WindowStates before, Qt::WindowStates now);
    bool SaveAsDialog(CChildFrame* frame);
    // Where the Open dialog starts: the folder of the active document, else the last
    // folder opened from, else the current folder.
    QString OpenFolder() const;
    void ShowFind(bool replace);
    // F3 and Shift+F3: the last search again; the Find dialog when there was none.
    void FindAgain(bool backward);
    void Navigate(const Document* document, int line);
    // A difference row: the sibling at `otherPath` opened (or activated) at `otherLine`,
    // beside the document's window at `line`.
    void NavigateBeside(const Document* document, int line, const QString& otherPath,
                        int otherLine);
    void ShowVariantRows(CChildFrame& child, const std::vector<VariantRow>& rows);
    // The open window of the file at `path`, if any.
    CChildFrame* ChildAt(const QString& path) const;
    // F5 or F7 of `child`, else of the active document window.
    void RunCheck(bool fullCheck, CChildFrame* child = nullptr);
    void PrintActive(bool preview);
    // A registration edited or removed in the list: every open document that holds the key
    // is classified anew and checked again (the active one as F7 does), and the colours of
    // registered keys follow.
    void FollowUserKeyChange(const QString& key);

    // The handlers of the commands.
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint();
    void OnFilePreview();
    void OnPrintSetup();
    void OnExit();
    void OnUndo();
    void OnRedo();
    void UndoOrRedo(bool redo);
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnFind();
    void OnFindNext();
    void OnFindPrevious();
    void OnGoToLine();
    void OnReplace();
    QAction* ToolBarAction() const;
    void SetFlatbar(bool on);
    bool IsFlatbar() const;
    void ShowStatusBar(bool on);
    bool IsStatusBarShown() const;
    QAction* OutputAction() const;
    // Tabbed Documents: the document windows as tabs of the area instead of windows in it.
    void SetTabbedDocuments(bool on);
    bool IsTabbedDocuments() const;
    void ApplyViewMode();
    void OnCascade();
    void OnTileHorizontally();
    void OnTileVertically();
    void OnArrangeIcons();
    void OnSplit();
    void OnHelpIndex();
    void OnHelpFinder();
    void OnAbout();

    QtIniSettingsStore* store_;
    EditorSettings settings_;
    AppServices* app_ = nullptr;
    ProgressDialog* progress_ = nullptr; // owned as a child window
    QMdiArea* mdi_;
    CMyListBoxBar* output_;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QLabel* capPane_ = nullptr;
    QLabel* numPane_ = nullptr;
    QLabel* caretPane_ = nullptr;
    QLabel* modifiedPane_ = nullptr;
    QAction* flatbarAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    kvf::RecentFiles recent_;
    QList<QAction*> documentCommands_;
    QList<QAction*> documentKeyCommands_; // their keys act in every document window
    QList<QAction*> arrangeCommands_;     // Cascade, Tile and Arrange, not for tabs
    QPointer<FindReplaceDialog> find_;
    HelpWindow* help_ = nullptr;
    WorkerThread* variantWorker_ = nullptr; // Compare Language Variants, owned as a child
    std::unique_ptr<QPrinter> printer_;     // shared by Print Setup and every document
    QPointer<FindReplaceDialog> replace_;
    QPointer<FindReplaceDialog> lastSearch_; // the dialog shown last
    std::function<void(const QString&)> alertHandler_;
    int untitledCount_ = 0;
    bool settingsSaved_ = false;
    bool placingChild_ = false; // the frame itself maximises or places a document window
};

} // namespace kvf
