#pragma once

#include "app/TemplateScan.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kvf {

class SettingsStore;

// What File New does with the dialog's answer.
enum class TemplateChoice { Cancel, EmptyDocument, OpenTemplate };

// File New: the templates of the template folder with their descriptions. The user opens
// one as a new untitled document, starts an empty document, browses for another folder, or
// cancels. Browse stores the chosen folder as "Settings"/"Tpl_Path".
class TemplateDialog : public QDialog {
    Q_OBJECT
  public:
    using WarningHandler = std::function<void(const QString&)>;
    // Asks for a template file in another folder; an empty answer is a cancelled dialog.
    using BrowseHandler = std::function<QString(const QString& startFolder)>;

    TemplateDialog(SettingsStore& settings, WarningHandler warn, QWidget* parent = nullptr);

    TemplateChoice Choice() const { return choice_; }
    // The full path of the chosen template (folder and file name).
    QString ChosenPath() const { return chosenPath_; }
    QString Folder() const { return folder_; }

    // Lists the templates of `folder` (empty: the current directory).
    void Scan(const QString& folder);
    // The Browse button, with the file dialog replaced where tests answer it.
    void Browse();
    void SetBrowseHandler(BrowseHandler handler) { browse_ = std::move(handler); }

    QTreeWidget* List() const { return list_; }
    QLabel* PathLine() const { return pathLine_; }
    QPushButton* BrowseButton() const { return browseButton_; }
    QPushButton* EmptyButton() const { return emptyButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QPushButton* OpenButton() const { return openButton_; }

  private:
    void ShowErrorRow(int textId);
    void Choose(QTreeWidgetItem* item);
    void Finish(TemplateChoice choice);

    SettingsStore* settings_;
    WarningHandler warn_;
    BrowseHandler browse_;
    QString folder_;
    QString chosenPath_;
    TemplateChoice choice_ = TemplateChoice::Cancel;
    QTreeWidget* list_;
    QLabel* pathLine_;
    QCheckBox* insertComments_;
    QPushButton* browseButton_;
    QPushButton* emptyButton_;
    QPushButton* cancelButton_;
    QPushButton* openButton_;
};

} // namespace kvf
