#pragma once

#include "semantic/ModuleConfigEdit.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kvf {

// Edits one configuration identifier of a module: its format (short or extended), which
// data it carries (input, output or both), the unit and consistency of its data, its
// lengths and, in the extended format, its vendor-specific bytes.
class CfgIdentifierDialog : public QDialog {
    Q_OBJECT
  public:
    // `number` is the identifier's 1-based number, shown in the title.
    CfgIdentifierDialog(int number, const CfgIdentifierSettings& settings,
                        QWidget* parent = nullptr);

    // The identifier as the fields now describe it. The unit and the consistency apply to
    // both parts once changed; until then each part keeps its own.
    CfgIdentifierSettings Settings() const;

    QRadioButton* ShortFormat() const { return short_; }
    QRadioButton* ExtendedFormat() const { return extended_; }
    QRadioButton* Input() const { return in_; }
    QRadioButton* Output() const { return out_; }
    QRadioButton* InputOutput() const { return inOut_; }
    QRadioButton* ByteUnit() const { return byte_; }
    QRadioButton* WordUnit() const { return word_; }
    QCheckBox* WholeLength() const { return whole_; }
    QSpinBox* InputLength() const { return inputLength_; }
    QSpinBox* OutputLength() const { return outputLength_; }
    QLineEdit* VendorBytes() const { return vendor_; }

  private:
    void UpdateEnabledFields();

    CfgIdentifierSettings original_;
    QRadioButton* short_;
    QRadioButton* extended_;
    QRadioButton* in_;
    QRadioButton* out_;
    QRadioButton* inOut_;
    QRadioButton* byte_;
    QRadioButton* word_;
    QCheckBox* whole_;
    QSpinBox* inputLength_;
    QSpinBox* outputLength_;
    QLineEdit* vendor_;
};

} // namespace kvf
