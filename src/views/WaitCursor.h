#pragma once

#include "document/CheckRun.h"

#include <QApplication>

namespace kvf::views {

// The wait cursor while a view's command runs.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The wait cursor while an engine operation checks.
class WaitCursorHooks : public CheckRunHooks {
  public:
    void WaitCursor(bool on) override {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
};

} // namespace kvf::views
