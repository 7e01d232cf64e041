#include "app/ProgressDialog.h"

#include "core/MessageIds.h"
#include "views/ViewText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kvf {

ProgressDialog::ProgressDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), owner_(owner),
      bar_(new QProgressBar(this)), percent_(new QLabel(this)), status_(new QLabel(this)) {
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    percent_->setAlignment(Qt::AlignCenter);
    status_->setMinimumWidth(260);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(percent_);
    layout->addWidget(status_);
    setModal(false);
}

void ProgressDialog::Begin(const std::string& caption) {
    setWindowTitle(views::FromCodePage(caption));
    bar_->setValue(0);
    percent_->setText(views::ViewText(msg::ProgressPercent, 0, '%'));
    status_->clear();
    statusDue_ = true;
    if (depth_++ > 0)
        return; // a phase of the running operation
    if (owner_) {
        ownerWasEnabled_ = owner_->isEnabled();
        owner_->setEnabled(false);
    }
    // The dialog itself stays usable while its owner is disabled.
    setEnabled(true);
    clock_.start();
    ShowWhenDue();
}

void ProgressDialog::Step() {
    if (depth_ == 0)
        return;
    const int value = std::min(bar_->value() + 1, bar_->maximum());
    bar_->setValue(value);
    percent_->setText(views::ViewText(msg::ProgressPercent, value, '%'));
    statusDue_ = true;
    ShowWhenDue();
    QCoreApplication::processEvents();
}

void ProgressDialog::Status(const std::string& text) {
    if (depth_ == 0)
        return;
    status_->setText(views::FromCodePage(text));
    statusDue_ = false;
}

bool ProgressDialog::ShowsStatus() const {
    return depth_ > 0 && statusDue_ && isVisible();
}

void ProgressDialog::End() {
    if (depth_ == 0 || --depth_ > 0)
        return;
    hide();
    if (owner_)
        owner_->setEnabled(ownerWasEnabled_);
}

int ProgressDialog::Value() const {
    return bar_->value();
}

QString ProgressDialog::PercentText() const {
    return percent_->text();
}

QString ProgressDialog::StatusText() const {
    return status_->text();
}

void ProgressDialog::ShowWhenDue() {
    if (!isVisible() && clock_.elapsed() >= showDelay_)
        show();
}

} // namespace kvf
