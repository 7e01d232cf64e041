#pragma once

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kvf {

class SettingsStore;
struct CDbEntry;

// "User Key...": registers the current entry's key with a data type, a tree group and a
// range or length text. It opens with the entry's own type, group and range; the range
// field is only used by String and Integer. The box below lists the keys already
// registered ("Summary" of the settings).
class UserKeyDialog : public QDialog {
    Q_OBJECT
  public:
    UserKeyDialog(const SettingsStore& settings, const CDbEntry& entry, QWidget* parent = nullptr);

    // The checked data type button (0 String, 1 Integer, 2 Bool, 3 Octet String).
    int DataTypeIndex() const;
    // The checked group button (0 General, 1 Slave, 2 Master, 3 Module), -1 when none is.
    int GroupIndex() const;
    QString RangeText() const;

    QButtonGroup* DataTypeButtons() const { return dataTypes_; }
    QButtonGroup* GroupButtons() const { return groups_; }
    QLineEdit* RangeField() const { return range_; }
    QLabel* RangeLabel() const { return rangeLabel_; }
    QPlainTextEdit* SummaryBox() const { return summary_; }

  private:
    void UpdateRangeState();

    QButtonGroup* dataTypes_;
    QButtonGroup* groups_;
    QLabel* rangeLabel_;
    QLineEdit* range_;
    QPlainTextEdit* summary_;
};

} // namespace kvf
