#include "app/SettingsDialog.h"

#include "app/EditorSettings.h"
#include "core/MessageIds.h"
#include "views/UiText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace kvf {
namespace {

QCheckBox* AddBox(QGroupBox* group, int textId, int value) {
    auto* box = new QCheckBox(UiText(textId), group);
    box->setChecked(value != 0);
    group->layout()->addWidget(box);
    return box;
}

QGroupBox* AddGroup(QVBoxLayout* layout, int titleId, QWidget* parent) {
    auto* group = new QGroupBox(UiText(titleId), parent);
    group->setLayout(new QVBoxLayout);
    layout->addWidget(group);
    return group;
}

} // namespace

SettingsDialog::SettingsDialog(const EditorSettings& settings, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Settings");
    // The names of the help pages F1 opens in the dialog and on its live-check box.
    setObjectName("cmd_extras_settings");
    auto* layout = new QVBoxLayout(this);
    QGroupBox* program = AddGroup(layout, msg::ProgramOptionsGroup, this);
    showSplash_ = AddBox(program, msg::ShowSplashOption, settings.ShowSplash);
    coolMenu_ = AddBox(program, msg::CoolMenuOption, settings.CoolMenu);
    QGroupBox* editor = AddGroup(layout, msg::EditorOptionsGroup, this);
    noBackup_ = AddBox(editor, msg::NoBackupOption, settings.NoBackup);
    syntax_ = AddBox(editor, msg::SyntaxOption, settings.Syntax);
    warnings_ = AddBox(editor, msg::SuppressWarningsOption, settings.Warnings);
    liveCheck_ = AddBox(editor, msg::LiveCheckOption, settings.LiveCheck);
    liveCheck_->setObjectName("cmd_extras_livecheck");
    QGroupBox* failSafe = AddGroup(layout, msg::FailSafeGroup, this);
    noSemantic_ = AddBox(failSafe, msg::SkipSemanticCheckOption, settings.NoSemanticCheck);
    noWinPosSave_ = AddBox(failSafe, msg::NoWinPosSaveOption, settings.NoWinPosSave);
    syntax_->setEnabled(false);
    failSafe->setEnabled(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void SettingsDialog::CopyTo(EditorSettings& settings) const {
    settings.NoSemanticCheck = noSemantic_->isChecked() ? 1 : 0;
    settings.NoWinPosSave = noWinPosSave_->isChecked() ? 1 : 0;
    settings.ShowSplash = showSplash_->isChecked() ? 1 : 0;
    settings.CoolMenu = coolMenu_->isChecked() ? 1 : 0;
    settings.NoBackup = noBackup_->isChecked() ? 1 : 0;
    settings.Syntax = syntax_->isChecked() ? 1 : 0;
    settings.Warnings = warnings_->isChecked() ? 1 : 0;
    settings.LiveCheck = liveCheck_->isChecked() ? 1 : 0;
}

} // namespace kvf
