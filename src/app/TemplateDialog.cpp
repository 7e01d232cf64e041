#include "app/TemplateDialog.h"

#include "core/MessageIds.h"
#include "core/SettingsStore.h"
#include "views/UiText.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kvf {
namespace {

constexpr int kFileColumnWidth = 90;
constexpr int kDescriptionColumnWidth = 180;

// The string table's "name|pattern||" filter in the file dialog's form.
QString BrowseFilter() {
    const QStringList parts = UiText(msg::TemplateFilter).split('|', Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return QString();
    return QString("%1 (%2)").arg(parts[0].section(" (", 0, 0), parts[1]);
}

} // namespace

TemplateDialog::TemplateDialog(SettingsStore& settings, WarningHandler warn, QWidget* parent)
    : QDialog(parent), settings_(&settings), warn_(std::move(warn)), list_(new QTreeWidget(this)),
      pathLine_(new QLabel(this)),
      insertComments_(new QCheckBox(UiText(msg::InsertCommentsOption), this)),
      browseButton_(new QPushButton(UiText(msg::TemplateBrowseButton), this)),
      emptyButton_(new QPushButton(UiText(msg::TemplateEmptyButton), this)),
      cancelButton_(new QPushButton(UiText(msg::TemplateCancelButton), this)),
      openButton_(new QPushButton(UiText(msg::TemplateOpenButton), this)) {
    setWindowTitle(UiText(msg::TemplateDialogTitle));
    setObjectName("TemplateDialog");

    list_->setColumnCount(2);
    list_->setHeaderLabels({UiText(msg::FileLabel), UiText(msg::TemplateColumnDescription)});
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(0, kFileColumnWidth);
    list_->setColumnWidth(1, kDescriptionColumnWidth);
    list_->setMinimumWidth(kFileColumnWidth + kDescriptionColumnWidth + 40);
    pathLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLine_->setFrameShape(QFrame::StyledPanel);
    pathLine_->setFrameShadow(QFrame::Sunken);
    pathLine_->setMinimumHeight(pathLine_->fontMetrics().height() + 6);
    // Kept for the layout the dialog has always had: checked, never shown.
    insertComments_->setChecked(true);
    insertComments_->hide();
    openButton_->setDefault(true);
    openButton_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(browseButton_);
    buttons->addStretch(1);
    buttons->addWidget(emptyButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(openButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(UiText(msg::TemplatesLabel), this));
    layout->addWidget(list_, 1);
    layout->addWidget(pathLine_);
    layout->addWidget(insertComments_);
    layout->addLayout(buttons);
    resize(460, 320);

    browse_ = [this](const QString& start) {
        return QFileDialog::getOpenFileName(this, UiText(msg::TemplateBrowseTitle), start,
                                            BrowseFilter());
    };
    connect(browseButton_, &QPushButton::clicked, this, &TemplateDialog::Browse);
    connect(emptyButton_, &QPushButton::clicked, this,
            [this] { Finish(TemplateChoice::EmptyDocument); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { Finish(TemplateChoice::Cancel); });
    connect(openButton_, &QPushButton::clicked, this, [this] {
        if (openButton_->isEnabled())
            Finish(TemplateChoice::OpenTemplate);
    });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { Choose(item); });
    connect(list_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { Choose(item); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        Choose(item);
        openButton_->click();
    });

    Scan(StartTemplateFolder(settings));
}

void TemplateDialog::Scan(const QString& folder) {
    folder_ = folder;
    list_->clear();
    chosenPath_.clear();
    pathLine_->clear();
    openButton_->setEnabled(false);

    const TemplateScan scan = ScanTemplateFolder(folder);
    if (!scan.AnyTemplateFile) {
        ShowErrorRow(msg::NoTemplatesFound);
        return;
    }
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const TemplateRow& row : scan.Rows) {
        auto* item = new QTreeWidgetItem(list_, {row.FileName, row.Description});
        item->setIcon(0, icon);
        item->setToolTip(1, row.Description);
    }
    // The file column is as wide as its names need, never narrower than its usual width.
    list_->resizeColumnToContents(0);
    list_->setColumnWidth(0, std::max(kFileColumnWidth, list_->columnWidth(0)));
    if (!scan.UnreadableFile.isEmpty() && warn_)
        warn_(UiText(msg::TemplateOpenFailed, ToBytes(scan.UnreadableFile)));
}

void TemplateDialog::ShowErrorRow(int textId) {
    auto* item = new QTreeWidgetItem(list_, {UiText(msg::TemplateErrorRow), UiText(textId)});
    item->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxCritical));
}

void TemplateDialog::Browse() {
    const QString file = browse_ ? browse_(folder_) : QString();
    if (file.isEmpty()) {
        folder_.clear();
        list_->clear();
        chosenPath_.clear();
        pathLine_->clear();
        openButton_->setEnabled(false);
        ShowErrorRow(msg::NoDirectorySelected);
        return;
    }
    const QString folder = FolderWithSlash(QFileInfo(file).absolutePath());
    settings_->SetString(kTemplatePathSection, kTemplatePathName, ToBytes(folder));
    Scan(folder);
}

void TemplateDialog::Choose(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QString name = item->text(0);
    chosenPath_ = folder_ + name;
    pathLine_->setText(chosenPath_);
    openButton_->setEnabled(name.toLower().contains(".tpl"));
}

void TemplateDialog::Finish(TemplateChoice choice) {
    choice_ = choice;
    if (choice == TemplateChoice::Cancel)
        reject();
    else
        accept();
}

} // namespace kvf
