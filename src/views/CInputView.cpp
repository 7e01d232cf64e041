#include "views/CInputView.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"
#include "editing/EntryCheck.h"
#include "editing/FormApply.h"
#include "semantic/ModuleConfigEdit.h"
#include "semantic/ModuleOverview.h"
#include "views/CKVFTextView.h"
#include "views/CKVFTreeView.h"
#include "views/CfgIdentifierDialog.h"
#include "views/QueuedCommand.h"
#include "views/UiText.h"
#include "views/ViewText.h"
#include "views/WaitCursor.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTreeWidget>

#include <optional>

namespace kvf {
namespace {

// The data types of parameter lines, as the list offers them: the numeric ones first,
// then the bit types.
constexpr std::array<const char*, 8> kDataTypes = {
    "Unsigned32", "Unsigned16", "Unsigned8", "Signed32", "Signed16", "Signed8", "Bit", "BitArea"};
constexpr std::size_t kNumericDataTypes = 6;

bool IsNumericDataType(const QString& type) {
    for (std::size_t i = 0; i < kNumericDataTypes; ++i)
        if (type.compare(QLatin1String(kDataTypes[i]), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString Hex(const std::vector<std::uint8_t>& bytes, std::size_t first, std::size_t count) {
    QStringList items;
    for (std::size_t i = first; i < first + count && i < bytes.size(); ++i)
        items << QString::asprintf("0x%02X", bytes[i]);
    return items.join(u',');
}

// A column of both parts: the output's and the input's text, once when they agree.
template <typename Show> QString PerPart(const CfgIdentifier& ident, Show show) {
    switch (DirectionOf(ident)) {
    case CfgDirection::Empty:
        return views::ViewText(msg::NoLine);
    case CfgDirection::Input:
        return show(ident.In);
    case CfgDirection::Output:
        return show(ident.Out);
    case CfgDirection::Both:
        break;
    }
    const QString out = show(ident.Out);
    const QString in = show(ident.In);
    return out == in ? out : out + u'/' + in;
}

QStringList ConfigRow(const DecodedModuleConfig& config, const CfgIdentifier& ident) {
    auto length = [](const CfgPart& part) {
        return part.Length ? QString::number(part.Length) : views::ViewText(msg::NoLine);
    };
    static const int kDirections[] = {msg::NoLine, msg::CfgSelectIn, msg::CfgSelectOut,
                                      msg::CfgSelectInOut};
    const QString vendor =
        ident.VendorBytesPresent()
            ? Hex(config.Bytes, ident.FirstByte + 1 + ident.LengthBytes, ident.VendorBytesPresent())
            : views::ViewText(msg::NoLine);
    return {views::ViewText(ident.Special ? msg::CfgFormatExtent : msg::CfgFormatShort),
            views::ViewText(kDirections[static_cast<int>(DirectionOf(ident))]),
            length(ident.In),
            length(ident.Out),
            PerPart(ident,
                    [](const CfgPart& part) {
                        QString unit = views::ViewText((part.Format & kCfgFormatWordUnit)
                                                           ? msg::CfgConsistenceWord
                                                           : msg::CfgConsistenceByte);
                        if (part.Format >= kCfgFormatConsistent)
                            unit += " (" + views::ViewText(msg::CfgWholeLength) + ")";
                        return unit;
                    }),
            vendor};
}

// The radio buttons of the two choice layouts.
int ChoiceCount(InputForm kind) {
    return kind == InputForm::ThreeChoices ? 3 : 2;
}

} // namespace

CInputView::CInputView(AppServices& app, EntryFocus& focus, Document& document, CKVFTextView& text,
                       QWidget* parent)
    : QWidget(parent), app_(&app), focus_(&focus), document_(&document), text_(&text) {
    BuildControls();
    OnUpdate();
}

CInputView::~CInputView() = default;

void CInputView::BuildControls() {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    // The pane may be as low as the window makes it; the form scrolls, the help box too.
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumHeight(20);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll_ = scroll;
    form_ = new QWidget(scroll);
    scroll->setWidget(form_);
    auto* grid = new QGridLayout(form_);
    grid_ = grid;
    grid->setContentsMargins(4, 4, 4, 4);

    apply_ = new QPushButton(views::ViewText(msg::ApplyButton), form_);
    help_ = new QPushButton(views::ViewText(msg::HelpLabel), form_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(apply_);
    buttons->addWidget(help_);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 0, 1, 4);

    // In the order of the rows, which is also the order the Tab key follows.
    AddValueFields(*grid);
    AddParameterFields(*grid);
    AddConfigList(*grid);

    picture_ = new QLabel(form_);
    picture_->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(48, 48));
    picture_->setAlignment(Qt::AlignCenter);
    grid->addWidget(picture_, 10, 0, 1, 4);
    grid->setRowStretch(11, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    helpBox_ = new QPlainTextEdit(this);
    helpBox_->setObjectName("help");
    helpBox_->setReadOnly(true);
    outer->addWidget(scroll, 3);
    outer->addWidget(separator);
    outer->addWidget(helpBox_, 2);

    connect(apply_, &QPushButton::clicked, this, &CInputView::OnApply);
    // Enter in a one-line field applies, as the Apply button does.
    for (QLineEdit* edit : {uint_, area_, default_, range_, slotName_})
        connect(edit, &QLineEdit::returnPressed, this, [this] {
            if (apply_->isVisible())
                OnApply();
        });
    connect(range_, &QLineEdit::textChanged, this, [this] {
        if (focus_->InputForm.FormKind == InputForm::Module)
            FillConfigList();
    });
    connect(help_, &QPushButton::clicked, this, &CInputView::ShowHelp);
    // Undo and redo of an Apply reach the view as edits of the text.
    connect(text_->document(), &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) {
                if (removed != 0 || added != 0)
                    FollowAppliedSteps();
            });
}

int CInputView::FormHeight() const {
    const QMargins margins = layout()->contentsMargins();
    return form_->sizeHint().height() + margins.top() + margins.bottom();
}

QLabel* CInputView::NewLabel(int id) {
    return new QLabel(views::ViewText(id), form_);
}

QLineEdit* CInputView::NewField(const char* name) {
    auto* edit = new QLineEdit(form_);
    edit->setObjectName(name);
    return edit;
}

void CInputView::AddValueFields(QGridLayout& grid) {
    stringLabel_ = NewLabel(msg::InputStringLabel);
    string_ = new QPlainTextEdit(form_);
    string_->setObjectName("string");
    string_->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid.addWidget(stringLabel_, 1, 0);

    uintLabel_ = NewLabel(msg::InputUintLabel);
    uint_ = NewField("uint");
    // Digits, or a hexadecimal number as the files write identifiers.
    uint_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("0[xX][0-9a-fA-F]*|[0-9]*")), uint_));
    grid.addWidget(uintLabel_, 2, 0);
    grid.addWidget(uint_, 2, 1);

    choiceLabel_ = NewLabel(msg::InputChoiceLabel);
    auto* choiceRow = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        choices_[i] = new QRadioButton(form_);
        group->addButton(choices_[i], static_cast<int>(i));
        choiceRow->addWidget(choices_[i]);
    }
    choiceRow->addStretch(1);
    grid.addWidget(choiceLabel_, 3, 0);
    grid.addLayout(choiceRow, 3, 1, 1, 3);

    boolLabel_ = NewLabel(msg::InputBoolLabel);
    bool_ = new QCheckBox(form_);
    grid.addWidget(boolLabel_, 4, 0);
    grid.addWidget(bool_, 4, 1, 1, 3);
}

void CInputView::AddParameterFields(QGridLayout& grid) {
    areaLabel_ = NewLabel(msg::InputAreaLabel);
    defaultLabel_ = NewLabel(msg::InputDefaultLabel);
    rangeLabel_ = NewLabel(msg::InputRangeLabel);
    area_ = NewField("area");
    default_ = NewField("default");
    range_ = NewField("range");
    grid.addWidget(areaLabel_, 5, 1);
    grid.addWidget(defaultLabel_, 5, 2);
    grid.addWidget(area_, 6, 1);
    grid.addWidget(default_, 6, 2);
    PlaceRangeField(false);

    dataTypeLabel_ = NewLabel(msg::UserKeyDataTypeLabel);
    dataType_ = new QComboBox(form_);
    for (const char* type : kDataTypes)
        dataType_->addItem(QLatin1String(type));
    grid.addWidget(dataTypeLabel_, 7, 0);
    grid.addWidget(dataType_, 7, 1);
    connect(dataType_, &QComboBox::textActivated, this, &CInputView::OnDataTypeChanged);

    slotNameLabel_ = NewLabel(msg::InputSlotNameLabel);
    slotName_ = NewField("slotName");
    grid.addWidget(slotNameLabel_, 8, 0);
    grid.addWidget(slotName_, 8, 1, 1, 3);
}

void CInputView::AddConfigList(QGridLayout& grid) {
    configList_ = new QTreeWidget(form_);
    configList_->setRootIsDecorated(false);
    configList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    configList_->setAllColumnsShowFocus(true);
    configList_->setHeaderLabels(
        {views::ViewText(msg::CfgColumnIdentFormat), views::ViewText(msg::CfgColumnIoSelect),
         views::ViewText(msg::CfgColumnInputLength), views::ViewText(msg::CfgColumnOutputLength),
         views::ViewText(msg::CfgColumnConsistence),
         views::ViewText(msg::CfgColumnVendorSpecific)});
    // Each column as wide as its title and its cells, so that the list reads whole; it
    // asks for all its rows and scrolls them where the pane is lower.
    configList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    configList_->header()->setStretchLastSection(false);
    configList_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    configList_->setMinimumHeight(configList_->header()->sizeHint().height() +
                                  configList_->fontMetrics().height() * 3 / 2 + 6);
    configList_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Both ask in a dialog and fill the list anew: after the list's own handler has returned,
    // with the row taken while its item still stands.
    connect(configList_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        views::RunQueued(this, [this, row = configList_->indexOfTopLevelItem(item)] {
            EditConfigIdentifier(row);
        });
    });
    connect(configList_, &QWidget::customContextMenuRequested, this,
            views::Queued(this, [this](const QPoint& at) { OnConfigListMenu(at); }));
    grid.addWidget(configList_, 9, 0, 1, 4);
}

void CInputView::HideAll() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             apply_,      stringLabel_,   string_,     uintLabel_,  uint_,   choiceLabel_,
             choices_[0], choices_[1],    choices_[2], boolLabel_,  bool_,   areaLabel_,
             area_,       defaultLabel_,  default_,    rangeLabel_, range_,  dataTypeLabel_,
             dataType_,   slotNameLabel_, slotName_,   configList_, picture_})
        control->hide();
}

void CInputView::PlaceRangeField(bool besideText) {
    grid_->removeWidget(string_);
    grid_->removeWidget(rangeLabel_);
    grid_->removeWidget(range_);
    if (besideText) {
        grid_->addWidget(string_, 1, 1);
        grid_->addWidget(rangeLabel_, 1, 2, Qt::AlignRight);
        grid_->addWidget(range_, 1, 3);
    } else {
        grid_->addWidget(string_, 1, 1, 1, 3);
        grid_->addWidget(rangeLabel_, 5, 3);
        grid_->addWidget(range_, 6, 3);
    }
}

void CInputView::FitConfigList() {
    const bool shown = focus_->InputForm.FormKind == InputForm::Module;
    // The form is at least as wide as the list; the help box beside it gives way.
    const QMargins margins = grid_->contentsMargins();
    scroll_->setMinimumWidth(shown ? configList_->sizeHint().width() + margins.left() +
                                         margins.right() +
                                         scroll_->verticalScrollBar()->sizeHint().width()
                                   : 0);
}

void CInputView::ShowSmallFields(int count) {
    QLabel* labels[] = {areaLabel_, defaultLabel_, rangeLabel_};
    QLineEdit* fields[] = {area_, default_, range_};
    const InputFormData& form = focus_->InputForm;
    for (int i = 0; i < count; ++i) {
        labels[i]->setText(views::FromCodePage(form.Captions[static_cast<std::size_t>(i)]));
        fields[i]->setText(views::FromCodePage(form.Values[static_cast<std::size_t>(i)]));
        labels[i]->show();
        fields[i]->show();
    }
}

void CInputView::SelectDataType(const std::string& type) {
    const QString wanted = views::FromCodePage(type);
    int index = dataType_->findText(wanted, Qt::MatchFixedString); // ignoring case
    dataType_->setCurrentIndex(index);
    dataTypeLabel_->setText(views::FromCodePage(focus_->InputForm.Captions[3]));
    dataTypeLabel_->show();
    dataType_->show();
}

void CInputView::ShowChoices(int count) {
    const InputFormData& form = focus_->InputForm;
    int checked = 0;
    for (int n = 0; n < count; ++n)
        if (form.Values[0] == std::to_string(n))
            checked = n;
    choiceLabel_->show();
    for (int n = 0; n < count; ++n) {
        QRadioButton* button = choices_[static_cast<std::size_t>(n)];
        button->setText(views::FromCodePage(form.Captions[static_cast<std::size_t>(n)]));
        button->setChecked(n == checked);
        button->show();
    }
}

void CInputView::ShowTextAndRange(const std::string& text, const std::string& rangeCaption,
                                  const std::string& range) {
    string_->setPlainText(views::FromCodePage(text));
    stringLabel_->show();
    string_->show();
    rangeLabel_->setText(views::FromCodePage(rangeCaption));
    range_->setText(views::FromCodePage(range));
    range_->setCursorPosition(0); // a long configuration shows from its start
    rangeLabel_->show();
    range_->show();
}

void CInputView::SizeStringField(InputForm kind) {
    // A module's name is one line: the rows below it keep the room.
    const int lines = kind == InputForm::Module ? 1 : 3;
    if (lines == stringFieldLines_)
        return;
    stringFieldLines_ = lines;
    string_->setFixedHeight(string_->fontMetrics().lineSpacing() * lines + 10);
    string_->setVerticalScrollBarPolicy(lines == 1 ? Qt::ScrollBarAlwaysOff
                                                   : Qt::ScrollBarAsNeeded);
}

void CInputView::OnUpdate() {
    HideAll();
    // A name or a text shows as the line spells it between its quotes, blanks included.
    if (CDbEntry* entry = focus_->CurrentEntry; DocumentHoldsEntry(*document_, entry)) {
        std::vector<std::string> lines;
        for (const QString& line : AppliedSteps::LinesOf(*text_->document(), *entry))
            lines.push_back(ToBytes(line));
        SpellQuotedFieldsAsWritten(*app_, focus_->InputForm, *entry, lines);
    }
    const InputFormData& form = focus_->InputForm;
    // A module's name and configuration share a row, which leaves its identifier list the
    // room below them.
    PlaceRangeField(form.FormKind == InputForm::Module);
    SizeStringField(form.FormKind);
    helpBox_->setPlainText(views::FromCodePage(form.HelpText));
    const InputForm kind = form.FormKind;
    if (kind != InputForm::None && kind != InputForm::HelpOnly)
        apply_->show();
    switch (kind) {
    case InputForm::String:
        string_->setPlainText(views::FromCodePage(form.Values[0]));
        stringLabel_->show();
        string_->show();
        break;
    case InputForm::Number:
        uint_->setText(views::FromCodePage(form.Values[0]));
        uintLabel_->show();
        uint_->show();
        break;
    case InputForm::ThreeChoices:
    case InputForm::TwoChoices:
        ShowChoices(ChoiceCount(kind));
        break;
    case InputForm::Feature:
        bool_->setText(views::FromCodePage(form.Captions[0]));
        bool_->setChecked(form.Values[0] == "1");
        boolLabel_->show();
        bool_->show();
        break;
    case InputForm::Module:
        ShowTextAndRange(form.Values[0], form.Values[2], form.Values[1]);
        FillConfigList();
        configList_->show();
        break;
    case InputForm::BitLine:
        ShowSmallFields(3);
        SelectDataType(form.Values[3]);
        break;
    case InputForm::DataTypeLine:
        ShowSmallFields(2);
        SelectDataType(form.Values[3]);
        break;
    case InputForm::TwoNumbers:
        ShowSmallFields(2);
        break;
    case InputForm::IndexText:
        ShowTextAndRange(form.Values[1], form.Captions[0], form.Values[0]);
        break;
    case InputForm::Slot:
        ShowSmallFields(3);
        slotName_->setText(views::FromCodePage(form.Values[3]));
        slotNameLabel_->show();
        slotName_->show();
        break;
    case InputForm::HelpOnly:
        break;
    case InputForm::None:
        picture_->show();
        break;
    }
    FitConfigList();
    // With nothing to edit, the help (or the file's summary) has most of the width.
    const bool helpMostly = kind == InputForm::None || kind == InputForm::HelpOnly;
    auto* outer = static_cast<QBoxLayout*>(layout());
    outer->setStretch(0, helpMostly ? 1 : 3);
    outer->setStretch(2, helpMostly ? 3 : 2);
}

void CInputView::ReadFields(InputFormData& form) const {
    auto& values = form.Values;
    // The chosen data type keeps the spelling the line has when it is still the same type.
    auto chosenType = [&] {
        const QString chosen = dataType_->currentText();
        if (dataType_->currentIndex() >= 0 &&
            chosen.compare(views::FromCodePage(values[3]), Qt::CaseInsensitive) != 0)
            values[3] = ToBytes(chosen);
    };
    switch (form.FormKind) {
    case InputForm::String:
        values[0] = ToBytes(string_->toPlainText());
        break;
    case InputForm::Number:
        values[0] = ToBytes(uint_->text());
        break;
    case InputForm::ThreeChoices:
    case InputForm::TwoChoices: {
        const int count = ChoiceCount(form.FormKind);
        int checked = 0;
        for (int n = 0; n < count; ++n)
            if (choices_[static_cast<std::size_t>(n)]->isChecked())
                checked = n;
        values[0] = std::to_string(checked);
        break;
    }
    case InputForm::Feature:
        values[0].assign(1, bool_->isChecked() ? '1' : '0');
        break;
    case InputForm::Module:
        values[0] = ToBytes(string_->toPlainText());
        values[1] = ToBytes(range_->text());
        break;
    case InputForm::BitLine:
        values[0] = ToBytes(area_->text());
        values[1] = ToBytes(default_->text());
        values[2] = ToBytes(range_->text());
        chosenType();
        break;
    case InputForm::DataTypeLine:
        values[0] = ToBytes(area_->text());
        values[1] = ToBytes(default_->text());
        chosenType();
        break;
    case InputForm::TwoNumbers:
        values[0] = ToBytes(area_->text());
        values[1] = ToBytes(default_->text());
        break;
    case InputForm::IndexText:
        values[1] = ToBytes(string_->toPlainText());
        values[0] = ToBytes(range_->text());
        break;
    case InputForm::Slot:
        values[0] = ToBytes(area_->text());
        values[1] = ToBytes(default_->text());
        values[2] = ToBytes(range_->text());
        values[3] = ToBytes(slotName_->text());
        break;
    case InputForm::None:
    case InputForm::HelpOnly:
        break;
    }
}

void CInputView::OnDataTypeChanged(const QString& type) {
    InputFormData& form = focus_->InputForm;
    if (!ChoosesDataType(form.FormKind))
        return;
    if (type.compare(views::FromCodePage(form.Values[3]), Qt::CaseInsensitive) != 0)
        form.Values[3] = ToBytes(type);
    // A numeric line has a default and allowed values; a bit line has its bit (or area)
    // before them. The fields move along, so nothing typed is lost by choosing a type.
    if (IsNumericDataType(type)) {
        if (form.FormKind == InputForm::BitLine) {
            area_->setText(default_->text());
            default_->setText(range_->text());
            range_->clear();
        }
        form.FormKind = InputForm::DataTypeLine;
        form.Captions[0] = std::string(MessageText(caption::DefaultValue));
        form.Captions[1] = std::string(MessageText(caption::MinMaxOrAllowedValues));
        form.Captions[2].clear();
        rangeLabel_->hide();
        range_->hide();
    } else {
        if (form.FormKind == InputForm::DataTypeLine) {
            range_->setText(default_->text());
            default_->setText(area_->text());
            area_->clear();
        }
        form.FormKind = InputForm::BitLine;
        form.Captions[0] = std::string(MessageText(caption::AreaOrTextReference));
        form.Captions[1] = std::string(MessageText(caption::DefaultValue));
        form.Captions[2] = std::string(MessageText(caption::MinMaxOrAllowedValues));
        rangeLabel_->setText(views::FromCodePage(form.Captions[2]));
        rangeLabel_->show();
        range_->show();
    }
    areaLabel_->setText(views::FromCodePage(form.Captions[0]));
    defaultLabel_->setText(views::FromCodePage(form.Captions[1]));
}

void CInputView::OnApply() {
    InputFormData typed = focus_->InputForm;
    ReadFields(typed);
    // What the entry and its lines are before the Apply, for an undo of it to go back to.
    CDbEntry* entry = focus_->CurrentEntry;
    const bool held = DocumentHoldsEntry(*document_, entry);
    const std::optional<CDbEntry> before = held ? std::optional<CDbEntry>(*entry) : std::nullopt;
    const QStringList linesBefore =
        held ? AppliedSteps::LinesOf(*text_->document(), *entry) : QStringList();

    views::WaitCursorHooks wait;
    applying_ = true;
    const ApplyOutcome outcome = ApplyForm(*app_, *focus_, *document_, typed, *text_, &wait);
    applying_ = false;
    if (outcome.Result == ApplyOutcome::Status::DatabaseStale) {
        setEnabled(false);
        if (tree_)
            tree_->setEnabled(false);
    } else if (outcome.Result == ApplyOutcome::Status::Applied) {
        applied_.Add(*entry, *before, linesBefore, *text_->document());
        if (tree_)
            tree_->RelabelEntry(*entry);
        ShowCurrentEntry();
    }
    if (outcome.MessageId)
        app_->Alert(std::string(MessageText(outcome.MessageId)));
}

void CInputView::ShowCurrentEntry() {
    CDbEntry* entry = focus_->CurrentEntry;
    if (!entry)
        return;
    RunContext run(*app_);
    Dispatch(run, *focus_, entry->Key, ACTION_SHOW, entry->Value);
    OnUpdate();
}

void CInputView::FollowAppliedSteps() {
    if (applying_)
        return;
    for (CDbEntry* entry : applied_.Follow(document_->Database, *text_->document())) {
        if (tree_)
            tree_->RelabelEntry(*entry);
        if (entry == focus_->CurrentEntry)
            ShowCurrentEntry();
    }
}

void CInputView::FillConfigList() {
    configList_->clear();
    const DecodedModuleConfig config = DecodeCfgIdentifiers(ToBytes(range_->text()));
    for (const CfgIdentifier& ident : config.Identifiers)
        configList_->addTopLevelItem(new QTreeWidgetItem(ConfigRow(config, ident)));
    FitConfigList();
}

void CInputView::EditConfigIdentifier(int row) {
    const DecodedModuleConfig config = DecodeCfgIdentifiers(ToBytes(range_->text()));
    if (row < 0 || static_cast<std::size_t>(row) >= config.Identifiers.size())
        return;
    CfgIdentifierDialog dialog(row + 1, CfgSettingsOf(config, static_cast<std::size_t>(row)), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyConfigIdentifier(row, dialog.Settings());
}

void CInputView::ApplyConfigIdentifier(int row, const CfgIdentifierSettings& settings) {
    const std::string text = ToBytes(range_->text());
    const DecodedModuleConfig config = DecodeCfgIdentifiers(text);
    if (row < 0 || static_cast<std::size_t>(row) >= config.Identifiers.size())
        return;
    range_->setText(views::FromCodePage(ReplaceCfgIdentifier(
        text, config, static_cast<std::size_t>(row), EncodeCfgIdentifier(settings))));
}

void CInputView::InsertConfigIdentifier(int row) {
    const std::string text = ToBytes(range_->text());
    const DecodedModuleConfig config = DecodeCfgIdentifiers(text);
    const std::size_t at = std::min<std::size_t>(static_cast<std::size_t>(std::max(row, 0)),
                                                 config.Identifiers.size());
    range_->setText(views::FromCodePage(ReplaceCfgIdentifier(text, config, at, {0x00}, true)));
}

void CInputView::OnConfigListMenu(const QPoint& at) {
    QTreeWidgetItem* item = configList_->itemAt(at);
    const int row =
        item ? configList_->indexOfTopLevelItem(item) + 1 : configList_->topLevelItemCount();
    if (QMessageBox::question(this, QApplication::applicationName(),
                              views::ViewText(msg::CfgInsertQuestion),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        InsertConfigIdentifier(row);
}

void CInputView::ShowHelp() {
    if (!focus_->CurrentEntry) {
        app_->Alert(std::string(MessageText(msg::NoDatabase)));
        return;
    }
    RunContext run(*app_);
    Dispatch(run, *focus_, focus_->CurrentEntry->Key, ACTION_GLOSSARY, std::string());
}

} // namespace kvf
