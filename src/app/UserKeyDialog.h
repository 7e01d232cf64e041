#pragma once

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kvf {

class SettingsStore;
struct CDbEntry;

// A registered key's data type in short ("Integer") by its entry type, and its key group by
// its tree group (the dialog's button, or the tree's group beyond the four buttons); "-" for
// a stored value that gives neither.
QString UserKeyDataTypeText(int entryType);
QString UserKeyGroupText(unsigned treeGroup);

// "User Key...": registers the current entry's key with a data type, a tree group and a
// range or length text. It opens with the entry's own type, group and range; the range
// field is only used by String and Integer, and a hint beside it says what it takes. A
// String takes a length or nothing (no limit): OK stays disabled for any other text. The
// box below lists the keys already registered ("Summary" of the settings).
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
    QLabel* RangeHint() const { return rangeHint_; }
    QPushButton* OkButton() const { return ok_; }
    QPlainTextEdit* SummaryBox() const { return summary_; }

  private:
    void UpdateRangeState();

    QButtonGroup* dataTypes_;
    QButtonGroup* groups_;
    QLabel* rangeLabel_;
    QLineEdit* range_;
    QLabel* rangeHint_;
    QPlainTextEdit* summary_;
    QPushButton* ok_;
};

} // namespace kvf
