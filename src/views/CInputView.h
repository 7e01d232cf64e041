#pragma once

#include "core/InputForm.h"
#include "views/AppliedSteps.h"

#include <QWidget>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTreeWidget;

namespace kvf {

struct CfgIdentifierSettings;
struct InputFormData;

class AppServices;
struct EntryFocus;
class CKVFTextView;
class CKVFTreeView;
class Document;

// The third pane of a document window: the help text of the selected keyword and the form
// of its value, in the layout the input form's FormKind names (InputForm). The view owns no
// data: it shows the input form of its window's focus (shared with the window's tree) and,
// on Apply, writes the fields back into it, stores them into the window's current entry,
// rewrites the entry's lines in the text and checks the entry.
class CInputView : public QWidget {
    Q_OBJECT
  public:
    CInputView(AppServices& app, EntryFocus& focus, Document& document, CKVFTextView& text,
               QWidget* parent = nullptr);
    ~CInputView() override;

    // The tree whose node Apply relabels and which a stale database disables.
    void SetTreeView(CKVFTreeView* tree) { tree_ = tree; }

    // Hides every control, shows the help text and the layout of the current FormKind.
    void OnUpdate();
    // The height the shown form needs to be seen whole (a module's identifier list with all
    // its rows); the help box beside it scrolls.
    int FormHeight() const;
    // Write protection, fields into the form, store, rewrite the lines, relabel, check; the
    // fields then show what the entry holds. Fields that read as the entry shows them write
    // nothing.
    void OnApply();
    // A data type was chosen in the list (layouts 8 and 9).
    void OnDataTypeChanged(const QString& type);

    // The configuration list of a module (layout 6): the identifiers of the configuration
    // field, decoded. A double-click edits one in the identifier dialog; the new bytes go
    // into the field, and Apply writes them.
    void EditConfigIdentifier(int row);
    void ApplyConfigIdentifier(int row, const CfgIdentifierSettings& settings);
    // Inserts an empty identifier (0x00) before `row`, or at the end for the row count.
    void InsertConfigIdentifier(int row);

    // The controls, for the frame's tests and screenshots.
    QPushButton* ApplyButton() const { return apply_; }
    QPushButton* HelpButton() const { return help_; }
    QPlainTextEdit* StringField() const { return string_; }
    QLineEdit* UintField() const { return uint_; }
    QRadioButton* Choice(int n) const { return choices_[static_cast<std::size_t>(n)]; }
    QCheckBox* BoolBox() const { return bool_; }
    QLineEdit* AreaField() const { return area_; }
    QLineEdit* DefaultField() const { return default_; }
    QLineEdit* RangeField() const { return range_; }
    QLabel* AreaLabel() const { return areaLabel_; }
    QLabel* DefaultLabel() const { return defaultLabel_; }
    QLabel* RangeLabel() const { return rangeLabel_; }
    QComboBox* DataTypeList() const { return dataType_; }
    QLabel* DataTypeLabel() const { return dataTypeLabel_; }
    QLineEdit* SlotNameField() const { return slotName_; }
    QTreeWidget* ConfigList() const { return configList_; }
    QPlainTextEdit* HelpBox() const { return helpBox_; }
    QLabel* Picture() const { return picture_; }

  private:
    void BuildControls();
    // The rows of the form: the single value fields, the parameter line's fields, the
    // module's configuration list.
    void AddValueFields(QGridLayout& grid);
    void AddParameterFields(QGridLayout& grid);
    void AddConfigList(QGridLayout& grid);
    QLabel* NewLabel(int id);
    QLineEdit* NewField(const char* name);
    void HideAll();
    // The fields of the current layout into the form's values, as the table of layouts says.
    void ReadFields(InputFormData& form) const;
    void ShowSmallFields(int count);
    // The range field with its label beside the text field (a module's configuration), or
    // in the row of the parameter fields.
    void PlaceRangeField(bool besideText);
    // A module's list of identifiers whole: as wide as its columns, the form no narrower.
    void FitConfigList();
    void SelectDataType(const std::string& type);
    void ShowChoices(int count);
    // The text field and the range field with its caption (layouts 6 and 11).
    void SizeStringField(InputForm kind);
    void ShowTextAndRange(const std::string& text, const std::string& rangeCaption,
                          const std::string& range);
    void ShowHelp();
    // The current entry's form as the dispatcher fills it, in the fields.
    void ShowCurrentEntry();
    // After an edit of the text: an entry whose Apply was undone (or redone) is as its lines
    // read again, and the form shows it when it is the current entry.
    void FollowAppliedSteps();
    void FillConfigList();
    void OnConfigListMenu(const QPoint& at);

    AppServices* app_;
    EntryFocus* focus_;
    Document* document_;
    CKVFTextView* text_;
    CKVFTreeView* tree_ = nullptr;
    AppliedSteps applied_;
    bool applying_ = false; // the text changes because of this view's own Apply

    QWidget* form_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    int stringFieldLines_ = 0;
    QPushButton* apply_ = nullptr;
    QPushButton* help_ = nullptr;
    QLabel* stringLabel_ = nullptr;
    QPlainTextEdit* string_ = nullptr;
    QLabel* uintLabel_ = nullptr;
    QLineEdit* uint_ = nullptr;
    QLabel* choiceLabel_ = nullptr;
    std::array<QRadioButton*, 3> choices_{};
    QLabel* boolLabel_ = nullptr;
    QCheckBox* bool_ = nullptr;
    QLabel* areaLabel_ = nullptr;
    QLineEdit* area_ = nullptr;
    QLabel* defaultLabel_ = nullptr;
    QLineEdit* default_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QLineEdit* range_ = nullptr;
    QLabel* dataTypeLabel_ = nullptr;
    QComboBox* dataType_ = nullptr;
    QLabel* slotNameLabel_ = nullptr;
    QLineEdit* slotName_ = nullptr;
    QTreeWidget* configList_ = nullptr;
    QPlainTextEdit* helpBox_ = nullptr;
    QLabel* picture_ = nullptr;
};

} // namespace kvf
