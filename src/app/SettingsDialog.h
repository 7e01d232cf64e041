#pragma once

#include <QDialog>

class QCheckBox;

namespace kvf {

struct EditorSettings;

// "Settings...": the program options, the editor options and the fail-safe switches. The
// fail-safe group and the user-key highlighting box are shown but cannot be changed here.
class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SettingsDialog(const EditorSettings& settings, QWidget* parent = nullptr);

    // Copies the eight boxes into `settings`.
    void CopyTo(EditorSettings& settings) const;

    QCheckBox* ShowSplashBox() const { return showSplash_; }
    QCheckBox* CoolMenuBox() const { return coolMenu_; }
    QCheckBox* NoBackupBox() const { return noBackup_; }
    QCheckBox* SyntaxBox() const { return syntax_; }
    QCheckBox* WarningsBox() const { return warnings_; }
    QCheckBox* LiveCheckBox() const { return liveCheck_; }
    QCheckBox* NoSemanticBox() const { return noSemantic_; }
    QCheckBox* NoWinPosSaveBox() const { return noWinPosSave_; }

  private:
    QCheckBox* showSplash_;
    QCheckBox* coolMenu_;
    QCheckBox* noBackup_;
    QCheckBox* syntax_;
    QCheckBox* warnings_;
    QCheckBox* liveCheck_;
    QCheckBox* noSemantic_;
    QCheckBox* noWinPosSave_;
};

} // namespace kvf
