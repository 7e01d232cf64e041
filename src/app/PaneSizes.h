#pragma once

#include <QObject>

class QSplitter;
class QTreeView;
class QWidget;

namespace kvf {

class CInputView;
class SettingsStore;

// How a document window divides itself: the tree pane wide enough for its labels (up to a
// third of the window), the input pane tall enough for the form it shows, and once the user
// drags a divider, the user's sizes, remembered in the settings for the next window.
class PaneSizes : public QObject {
  public:
    PaneSizes(SettingsStore& settings, QSplitter& sideBySide, QSplitter& textOverInput,
              QTreeView& tree, CInputView& input);

    // The first split of a new window.
    void ApplyInitial();
    // After the input pane shows a new form: grows the pane to fit it, unless the user set
    // its height.
    void FitForm();

  private:
    int RememberedTreeWidth() const;
    int RememberedInputHeight() const;

    SettingsStore* settings_;
    QSplitter* sideBySide_;
    QSplitter* textOverInput_;
    QTreeView* tree_;
    CInputView* input_;
};

} // namespace kvf
