#include "app/UserKeyDialog.h"

#include "catalogue/UserKeys.h"
#include "core/CDbEntry.h"
#include "core/MessageIds.h"
#include "core/SettingsStore.h"
#include "views/UiText.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace kvf {
namespace {

constexpr int kDataTypeTexts[] = {msg::UserKeyTypeString, msg::UserKeyTypeInteger,
                                  msg::UserKeyTypeBool, msg::UserKeyTypeOctetString};
constexpr int kGroupTexts[] = {msg::UserKeyGroupGeneral, msg::UserKeyGroupSlave,
                               msg::UserKeyGroupMaster, msg::UserKeyGroupModule};
// Bool and Octet String take no range or length.
constexpr int kFirstTypeWithoutRange = 2;
constexpr int kStringIndex = 0;

// What the range field takes, by data type (String, Integer, Bool, Octet String).
constexpr const char* kRangeHints[] = {
    "Maximum length; empty: no limit",
    "UCHAR ... INT, a value, 1,2,5 or Min-Max",
    "Not used",
    "Not used",
};
constexpr const char* kLengthNeeded = "A number of characters, or empty for no limit";

// The tree's groups that the dialog has no button for, from group index 4 on.
constexpr const char* kFurtherGroupTexts[] = {"Physical interfaces", "Module Assignment",
                                              "Slave DP-Extension", "Slave Data Exchange",
                                              "Master DP-Extension"};

// A group box of radio buttons numbered from 0, the button of `checked` checked (none when
// it has no button).
QButtonGroup* AddRadioGroup(QBoxLayout* layout, int titleId, const int (&texts)[4], int checked,
                            QWidget* parent) {
    auto* box = new QGroupBox(UiText(titleId), parent);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(UiText(texts[i]), box);
        group->addButton(button, i);
        boxLayout->addWidget(button);
    }
    if (QAbstractButton* button = group->button(checked))
        button->setChecked(true);
    layout->addWidget(box);
    return group;
}

} // namespace

QString UserKeyDataTypeText(int entryType) {
    const int index = DataTypeIndexForEntryType(entryType);
    if (EntryTypeForDataTypeIndex(index) != entryType)
        return QStringLiteral("-");
    // The button's text without its example.
    return UiText(kDataTypeTexts[index]).section(QStringLiteral(" ("), 0, 0);
}

QString UserKeyGroupText(unsigned treeGroup) {
    const int index = GroupIndexForTreeGroup(treeGroup);
    if (index < 0)
        return QStringLiteral("-");
    if (index < static_cast<int>(std::size(kGroupTexts)))
        return UiText(kGroupTexts[index]);
    return QString::fromLatin1(kFurtherGroupTexts[index - std::size(kGroupTexts)]);
}

UserKeyDialog::UserKeyDialog(const SettingsStore& settings, const CDbEntry& entry, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(UiText(msg::UserKeyDialogTitle));
    setObjectName("UserKeyDialog");
    auto* layout = new QVBoxLayout(this);

    // Which key is registered, since the title cannot say it.
    auto* key = new QLabel(QString("<b>%1</b>").arg(FromBytes(entry.Key).toHtmlEscaped()), this);
    key->setObjectName("UserKeyName");
    layout->addWidget(key);

    auto* choices = new QHBoxLayout;
    dataTypes_ = AddRadioGroup(choices, msg::UserKeyDataTypeLabel, kDataTypeTexts,
                               DataTypeIndexForEntryType(entry.Type), this);
    groups_ = AddRadioGroup(choices, msg::UserKeyGroupLabel, kGroupTexts,
                            GroupIndexForTreeGroup(entry.TreeGroup), this);
    // Tree groups beyond the four buttons open with none checked; OK then stores -1.
    layout->addLayout(choices);

    rangeLabel_ = new QLabel(UiText(msg::UserKeyRangeLabel), this);
    range_ = new QLineEdit(FromBytes(entry.RangeLen), this);
    rangeLabel_->setBuddy(range_);
    rangeHint_ = new QLabel(this);
    rangeHint_->setObjectName("UserKeyRangeHint");
    layout->addWidget(rangeLabel_);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(range_, 1);
    rangeRow->addWidget(rangeHint_);
    layout->addLayout(rangeRow);

    layout->addWidget(new QLabel(UiText(msg::UserKeyRegisteredLabel), this));
    summary_ = new QPlainTextEdit(this);
    summary_->setReadOnly(true);
    summary_->setPlainText(
        FromBytes(settings.GetString(std::string(kUserKeysSection), std::string(kUserKeysSummary),
                                     std::string(MessageText(msg::UserKeySummaryEmpty)))));
    summary_->setMaximumHeight(summary_->fontMetrics().height() * 4 + 12);
    layout->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(dataTypes_, &QButtonGroup::idToggled, this, [this] { UpdateRangeState(); });
    connect(range_, &QLineEdit::textChanged, this, [this] { UpdateRangeState(); });
    UpdateRangeState();
}

int UserKeyDialog::DataTypeIndex() const {
    return dataTypes_->checkedId();
}

int UserKeyDialog::GroupIndex() const {
    return groups_->checkedId();
}

QString UserKeyDialog::RangeText() const {
    return range_->text();
}

void UserKeyDialog::UpdateRangeState() {
    const int dataType = DataTypeIndex();
    const bool usesRange = dataType < kFirstTypeWithoutRange;
    rangeLabel_->setEnabled(usesRange);
    range_->setEnabled(usesRange);
    rangeHint_->setEnabled(usesRange);
    // No button checked (an entry of another type) reads as String, as OK would store it.
    const bool lengthFits = dataType > kStringIndex || IsStringLengthText(ToBytes(RangeText()));
    rangeHint_->setText(lengthFits ? kRangeHints[std::max(dataType, kStringIndex)] : kLengthNeeded);
    rangeHint_->setStyleSheet(lengthFits ? QString() : QStringLiteral("color: #b00000;"));
    ok_->setEnabled(lengthFits);
}

} // namespace kvf
