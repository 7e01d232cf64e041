#include "app/PaneSizes.h"

#include "core/SettingsStore.h"
#include "views/CInputView.h"

#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>

namespace kvf {
namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kTreeWidth = "TreePaneWidth";
constexpr const char* kInputHeight = "InputPaneHeight";
// The narrowest tree pane and the input pane's height where its form fits in it.
constexpr int kMinTreeWidth = 200;
constexpr int kStartInputHeight = 70;

} // namespace

PaneSizes::PaneSizes(SettingsStore& settings, QSplitter& sideBySide, QSplitter& textOverInput,
                     QTreeView& tree, CInputView& input)
    : QObject(&sideBySide), settings_(&settings), sideBySide_(&sideBySide),
      textOverInput_(&textOverInput), tree_(&tree), input_(&input) {
    // Only a drag by the user moves a divider with this signal; setSizes does not.
    connect(sideBySide_, &QSplitter::splitterMoved, this,
            [this] { settings_->SetInt(kSection, kTreeWidth, sideBySide_->sizes().value(0)); });
    connect(textOverInput_, &QSplitter::splitterMoved, this, [this] {
        settings_->SetInt(kSection, kInputHeight, textOverInput_->sizes().value(1));
    });
}

int PaneSizes::RememberedTreeWidth() const {
    return settings_->GetInt(kSection, kTreeWidth, 0);
}

int PaneSizes::RememberedInputHeight() const {
    return settings_->GetInt(kSection, kInputHeight, 0);
}

void PaneSizes::ApplyInitial() {
    const int width = sideBySide_->width() - sideBySide_->handleWidth();
    int treeWidth = RememberedTreeWidth();
    if (treeWidth <= 0) {
        int labels = static_cast<const QAbstractItemView*>(tree_)->sizeHintForColumn(0) +
                     2 * tree_->frameWidth() + tree_->verticalScrollBar()->sizeHint().width();
        treeWidth = std::max(kMinTreeWidth, std::min(labels, width / 3));
    }
    treeWidth = std::min(treeWidth, std::max(20, width - 20));
    sideBySide_->setSizes({treeWidth, std::max(20, width - treeWidth)});

    const int height = textOverInput_->height() - textOverInput_->handleWidth();
    int inputHeight = RememberedInputHeight();
    if (inputHeight <= 0)
        inputHeight = kStartInputHeight;
    const int textHeight = std::max(20, height - inputHeight);
    textOverInput_->setSizes({textHeight, std::max(0, height - textHeight)});
    // The form shown before the window had its sizes (the one with nothing to edit, its
    // picture under the Help button) opens whole too.
    FitForm();
}

void PaneSizes::FitForm() {
    if (RememberedInputHeight() > 0)
        return; // the user's height stands
    const QList<int> sizes = textOverInput_->sizes();
    const int height = sizes.value(0) + sizes.value(1);
    const int wanted = std::min(input_->FormHeight(), height * 2 / 3);
    if (wanted <= sizes.value(1))
        return;
    textOverInput_->setSizes({height - wanted, wanted});
}

} // namespace kvf
