#pragma once

#include "core/ProgressSink.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

class QLabel;
class QProgressBar;

namespace kvf {

// The progress dialog of long operations (loading and colouring a large file): a bar from
// 0 to 100, the percentage and a status line. While it runs its owner is disabled, so no
// second command can start, and pending window events are processed at every step, so the
// program stays responsive. Short operations finish before the dialog would show.
//
// Operations nest: a Begin while the dialog runs starts a phase of the running operation
// (its caption, the bar from 0 again) and its End leaves the owner disabled until the
// outermost End, so that a command made of several steps (read, colour, build, tree)
// gives the window its events between them without letting a second command in.
class ProgressDialog : public QDialog, public ProgressSink {
    Q_OBJECT
  public:
    explicit ProgressDialog(QWidget* owner);

    // How long an operation runs before the dialog shows; 0 shows it at once.
    void SetShowDelay(int milliseconds) { showDelay_ = milliseconds; }

    void Begin(const std::string& caption) override;
    void Step() override;
    void Status(const std::string& text) override;
    void End() override;
    // True when the dialog is on screen and wants a new status line: once per step, so
    // that callers format a status text per percent, not per keyword.
    bool ShowsStatus() const override;

    int Value() const;
    QString PercentText() const;
    QString StatusText() const;
    bool Running() const { return depth_ > 0; }

  private:
    void ShowWhenDue();

    QPointer<QWidget> owner_;
    QProgressBar* bar_;
    QLabel* percent_;
    QLabel* status_;
    QElapsedTimer clock_;
    int showDelay_ = 300;
    int depth_ = 0; // Begin calls not yet ended
    bool statusDue_ = true;
    bool ownerWasEnabled_ = true;
};

} // namespace kvf
