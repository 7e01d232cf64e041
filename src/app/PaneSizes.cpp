#include "app/PaneSizes.h"

#include "core/SettingsStore.h"
#include "views/CInputView.h"

#include <QEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>

namespace kvf {
namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kTreeWidth = "TreePaneWidth";
constexpr const char* kInputHeight = "InputPaneHeight";
// The narrowest tree pane; the least of the input pane in the default layout (its
// buttons in sight).
constexpr int kMinTreeWidth = 200;
constexpr int kLeastInputHeight = 40;

} // namespace

PaneSizes::PaneSizes(SettingsStore& settings, QWidget& window, QSplitter& sideBySide,
                     QSplitter& textOverInput, QTreeView& tree, CInputView& input)
    : QObject(&sideBySide), settings_(&settings), window_(&window), sideBySide_(&sideBySide),
      textOverInput_(&textOverInput), tree_(&tree), input_(&input) {
    // A window made lower keeps the text its share.
    textOverInput_->installEventFilter(this);
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

int PaneSizes::InputCap() const {
    const int height = textOverInput_->height() - textOverInput_->handleWidth();
    const int textLeast = (window_->height() * 2 + 2) / 3;
    return std::max(std::min(kLeastInputHeight, height), height - textLeast);
}

bool PaneSizes::eventFilter(QObject* watched, QEvent* event) {
    // After the splitter took its new size (it keeps the input pane's height).
    if (watched == textOverInput_ && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &PaneSizes::KeepTextMain, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void PaneSizes::KeepTextMain() {
    if (RememberedInputHeight() > 0)
        return;
    const QList<int> sizes = textOverInput_->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int cap = InputCap();
    if (sizes.size() == 2 && sizes.value(1) > cap && total > 0)
        textOverInput_->setSizes({total - cap, cap});
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
    // The form shown before the window had its sizes (the one with nothing to edit, its
    // picture under the Help button) opens whole where the text keeps its share.
    if (inputHeight <= 0)
        inputHeight = std::min(input_->FormHeight(), InputCap());
    const int textHeight = std::max(20, height - inputHeight);
    textOverInput_->setSizes({textHeight, std::max(0, height - textHeight)});
}

void PaneSizes::FitForm() {
    if (RememberedInputHeight() > 0)
        return; // the user's height stands
    const QList<int> sizes = textOverInput_->sizes();
    if (sizes.size() != 2)
        return; // a second view of the text (Window Split) divides the pane as the user chose
    const int height = sizes.value(0) + sizes.value(1);
    const int wanted = std::min(input_->FormHeight(), InputCap());
    if (wanted <= sizes.value(1))
        return;
    textOverInput_->setSizes({height - wanted, wanted});
}

} // namespace kvf
