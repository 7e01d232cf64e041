#pragma once

#include "app/EditorSettings.h"
#include "output/MessageSink.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace kvf {

class AppState;
class CMyListBoxBar;
class QtIniSettingsStore;

// The main window: documents in an MDI area, the toolbar, the status bar with its five
// panes and the output window docked at the bottom. It is the message sink of the
// application: reporting shows the output window when it is hidden.
class CMainFrame : public QMainWindow, public MessageSink {
    Q_OBJECT
  public:
    explicit CMainFrame(QtIniSettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    void AttachApp(AppState& app) { app_ = &app; }

    void AddMessage(int level, int line, const std::string& text,
                    const Document* document) override;
    void ClearMessages() override;

    CMyListBoxBar* OutputWindow() const { return output_; }
    QMdiArea* MdiArea() const { return mdi_; }
    EditorSettings& Settings() { return settings_; }
    QLabel* CaretPane() const { return caretPane_; }
    QLabel* ModifiedPane() const { return modifiedPane_; }
    QToolBar* MainToolBar() const { return toolBar_; }

    // Writes the settings and the bars' placement; done once, when the window closes.
    void SaveSettings();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateMenus();
    void CreateStatusBar();
    void ApplyFlatbar();

    QtIniSettingsStore* store_;
    EditorSettings settings_;
    AppState* app_ = nullptr;
    QMdiArea* mdi_;
    CMyListBoxBar* output_;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QLabel* capPane_ = nullptr;
    QLabel* numPane_ = nullptr;
    QLabel* caretPane_ = nullptr;
    QLabel* modifiedPane_ = nullptr;
    QAction* flatbarAction_ = nullptr;
    bool settingsSaved_ = false;
};

} // namespace kvf
