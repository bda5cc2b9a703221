#pragma once
// A window's default and cancel buttons: Enter presses the one, Esc the
// other, exactly as if they had been clicked.

#include <QAbstractButton>
#include <QKeyEvent>

namespace kuyu::gui {

// Either button may be null (the window has no such role). Returns true when
// the key pressed a button.
inline bool pressDefaultOrCancel(const QKeyEvent* event, QAbstractButton* defaultButton,
                                 QAbstractButton* cancelButton) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton) {
        defaultButton->click();
        return true;
    }
    if (key == Qt::Key_Escape && cancelButton) {
        cancelButton->click();
        return true;
    }
    return false;
}

} // namespace kuyu::gui
