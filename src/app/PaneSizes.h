#pragma once

#include <QObject>

class QSplitter;
class QTreeView;
class QWidget;

namespace kvf {

class CInputView;
class SettingsStore;

// How a document window divides itself: the tree pane wide enough for its labels (up to a
// third of the window); the text stays the main pane, at least two thirds of the window's
// height, and the input pane below it is as tall as the form it shows up to the rest (a
// taller form scrolls, a module's identifier list in its own list). Once the user drags a
// divider, the user's sizes stand, remembered in the settings for the next window.
class PaneSizes : public QObject {
  public:
    PaneSizes(SettingsStore& settings, QWidget& window, QSplitter& sideBySide,
              QSplitter& textOverInput, QTreeView& tree, CInputView& input);

    // The first split of a new window.
    void ApplyInitial();
    // After the input pane shows a new form: grows the pane to fit it, as far as the text
    // keeps its share, unless the user set its height.
    void FitForm();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int RememberedTreeWidth() const;
    int RememberedInputHeight() const;
    // The input pane's most in the default layout: what the text's two thirds leave.
    int InputCap() const;
    // The input pane no taller than its most, unless the user set its height.
    void KeepTextMain();

    SettingsStore* settings_;
    QWidget* window_;
    QSplitter* sideBySide_;
    QSplitter* textOverInput_;
    QTreeView* tree_;
    CInputView* input_;
};

} // namespace kvf
