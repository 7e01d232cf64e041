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
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvf {
namespace {

constexpr int kDataTypeTexts[] = {msg::UserKeyTypeString, msg::UserKeyTypeInteger,
                                  msg::UserKeyTypeBool, msg::UserKeyTypeOctetString};
constexpr int kGroupTexts[] = {msg::UserKeyGroupGeneral, msg::UserKeyGroupSlave,
                               msg::UserKeyGroupMaster, msg::UserKeyGroupModule};
// Bool and Octet String take no range or length.
constexpr int kFirstTypeWithoutRange = 2;

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
    layout->addWidget(rangeLabel_);
    layout->addWidget(range_);

    layout->addWidget(new QLabel(UiText(msg::UserKeyRegisteredLabel), this));
    summary_ = new QPlainTextEdit(this);
    summary_->setReadOnly(true);
    summary_->setPlainText(
        FromBytes(settings.GetString(std::string(kUserKeysSection), std::string(kUserKeysSummary),
                                     std::string(MessageText(msg::UserKeySummaryEmpty)))));
    summary_->setMaximumHeight(summary_->fontMetrics().height() * 4 + 12);
    layout->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(dataTypes_, &QButtonGroup::idToggled, this, [this] { UpdateRangeState(); });
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
    const bool usesRange = DataTypeIndex() < kFirstTypeWithoutRange;
    rangeLabel_->setEnabled(usesRange);
    range_->setEnabled(usesRange);
}

} // namespace kvf
