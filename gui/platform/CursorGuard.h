// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hourglass for the length of a scope; every exit path restores the
// pointer, failures included.

#include <QApplication>
#include <QCursor>

namespace kuyu::gui {

class CursorGuard {
  public:
    CursorGuard() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorGuard() { restore(); }
    CursorGuard(const CursorGuard&) = delete;
    CursorGuard& operator=(const CursorGuard&) = delete;
    // Give the pointer back early (before a message box, say).
    void restore() {
        if (active_) {
            QApplication::restoreOverrideCursor();
            active_ = false;
        }
    }

  private:
    bool active_ = true;
};

} // namespace kuyu::gui
