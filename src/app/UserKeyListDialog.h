#pragma once

#include "core/CDbEntry.h"

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace kvf {

class SettingsStore;

// Extras > User Keys...: the keys the settings register, each with its data type, range or
// length and key group. Edit opens the registration dialog with the key's values, Remove
// takes the registration back once the user confirms. Each change goes to the settings at
// once and is announced with keyChanged, so that the open documents follow it.
class UserKeyListDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UserKeyListDialog(SettingsStore& settings, QWidget* parent = nullptr);

    // The list's columns.
    enum Column { KeyColumn, DataTypeColumn, RangeColumn, GroupColumn, ColumnCount };

    QTreeWidget* List() const { return list_; }
    QPushButton* EditButton() const { return edit_; }
    QPushButton* RemoveButton() const { return remove_; }
    // The upper-cased key of the selected row; empty when none is selected.
    QString SelectedKey() const;

    // The buttons' work on the selected key (the dialogs they open are modal).
    void EditSelected();
    void RemoveSelected();
    // Asked before a change is stored: false (after telling the user why) when the settings
    // cannot keep it, and nothing changes. By default every change may be stored.
    void SetWriteCheck(std::function<bool()> canWrite) { canWrite_ = std::move(canWrite); }

  signals:
    void keyChanged(const QString& key);

  private:
    // Lists the registered keys again, `select` selected (else the first).
    void Fill(const QString& select);
    void UpdateButtons();
    const CDbEntry* SelectedEntry() const;

    SettingsStore& settings_;
    std::vector<CDbEntry> keys_;
    QTreeWidget* list_;
    QPushButton* edit_;
    QPushButton* remove_;
    std::function<bool()> canWrite_;
};

} // namespace kvf
