#include "views/CfgIdentifierDialog.h"

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "views/ViewText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kvf {
namespace {

// The longest part either format can describe, in bytes (64 words).
constexpr int kMaxLengthBytes = 2 * static_cast<int>(kMaxLengthByteUnits);

QGroupBox* RadioGroup(int titleId, std::initializer_list<QRadioButton*> buttons, QWidget* parent) {
    auto* box = new QGroupBox(views::ViewText(titleId), parent);
    auto* layout = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (QRadioButton* button : buttons) {
        group->addButton(button);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return box;
}

QSpinBox* LengthBox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, kMaxLengthBytes);
    return box;
}

// The format both parts share in the dialog: the output's when there is one.
const CfgPartSettings& ShownPart(const CfgIdentifierSettings& settings) {
    return settings.Out.Length > 0 ? settings.Out : settings.In;
}

} // namespace

CfgIdentifierDialog::CfgIdentifierDialog(int number, const CfgIdentifierSettings& settings,
                                         QWidget* parent)
    : QDialog(parent), original_(settings) {
    setWindowTitle(views::ViewText(msg::CfgDialogTitle, number));
    short_ = new QRadioButton(views::ViewText(msg::CfgFormatShort));
    extended_ = new QRadioButton(views::ViewText(msg::CfgFormatExtent));
    in_ = new QRadioButton(views::ViewText(msg::CfgSelectIn));
    out_ = new QRadioButton(views::ViewText(msg::CfgSelectOut));
    inOut_ = new QRadioButton(views::ViewText(msg::CfgSelectInOut));
    byte_ = new QRadioButton(views::ViewText(msg::CfgConsistenceByte));
    word_ = new QRadioButton(views::ViewText(msg::CfgConsistenceWord));
    whole_ = new QCheckBox(views::ViewText(msg::CfgWholeLength));
    inputLength_ = LengthBox(this);
    outputLength_ = LengthBox(this);
    vendor_ = new QLineEdit(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup(msg::CfgIdentFormatLabel, {short_, extended_}, this));
    layout->addWidget(RadioGroup(msg::CfgIoSelectLabel, {in_, out_, inOut_}, this));
    QGroupBox* consistence = RadioGroup(msg::CfgColumnConsistence, {byte_, word_}, this);
    static_cast<QHBoxLayout*>(consistence->layout())->insertWidget(2, whole_);
    layout->addWidget(consistence);
    auto* fields = new QFormLayout;
    fields->addRow(views::ViewText(msg::InputLengthName), inputLength_);
    fields->addRow(views::ViewText(msg::OutputLengthName), outputLength_);
    fields->addRow(views::ViewText(msg::CfgVendorSpecificLabel), vendor_);
    layout->addLayout(fields);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    (settings.Special ? extended_ : short_)->setChecked(true);
    const bool input = settings.In.Length > 0;
    const bool output = settings.Out.Length > 0;
    (input && output ? inOut_ : output ? out_ : in_)->setChecked(true);
    const CfgPartSettings& shown = ShownPart(settings);
    (shown.WordUnit ? word_ : byte_)->setChecked(true);
    whole_->setChecked(shown.Consistent);
    inputLength_->setValue(static_cast<int>(input ? settings.In.Length : 1));
    outputLength_->setValue(static_cast<int>(output ? settings.Out.Length : 1));
    QStringList vendor;
    for (std::uint8_t byte : settings.VendorBytes)
        vendor << QString::asprintf("0x%02X", byte);
    vendor_->setText(vendor.join(u','));

    for (QRadioButton* button : {short_, extended_, in_, out_, inOut_})
        connect(button, &QAbstractButton::toggled, this, &CfgIdentifierDialog::UpdateEnabledFields);
    UpdateEnabledFields();
}

void CfgIdentifierDialog::UpdateEnabledFields() {
    const bool special = extended_->isChecked();
    inputLength_->setEnabled(!out_->isChecked());
    // A short identifier has one length for both parts: the input's.
    outputLength_->setEnabled(!in_->isChecked() && (special || !inOut_->isChecked()));
    vendor_->setEnabled(special);
}

CfgIdentifierSettings CfgIdentifierDialog::Settings() const {
    CfgIdentifierSettings settings = original_;
    settings.Special = extended_->isChecked();
    const CfgPartSettings& shown = ShownPart(original_);
    const bool formatChanged =
        word_->isChecked() != shown.WordUnit || whole_->isChecked() != shown.Consistent;
    auto part = [&](const CfgPartSettings& before, bool present, const QSpinBox* length) {
        CfgPartSettings after = before;
        if (formatChanged || before.Length == 0) {
            after.WordUnit = word_->isChecked();
            after.Consistent = whole_->isChecked();
        }
        after.Length = present ? static_cast<std::uint32_t>(length->value()) : 0;
        return after;
    };
    const bool input = in_->isChecked() || inOut_->isChecked();
    const bool output = out_->isChecked() || inOut_->isChecked();
    settings.In = part(original_.In, input, inputLength_);
    settings.Out =
        part(original_.Out, output, !settings.Special && input ? inputLength_ : outputLength_);
    settings.VendorBytes.clear();
    if (settings.Special) {
        static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
        for (const QString& item : vendor_->text().split(separators, Qt::SkipEmptyParts))
            settings.VendorBytes.push_back(
                static_cast<std::uint8_t>(ValueNumber(item.toStdString()) & 0xFF));
    }
    return settings;
}

} // namespace kvf
