#include "gui/plantview/Placement.h"

#include "gui/widgets/WindowPlacement.h"

#include <QWidget>

namespace kuyu::gui {

// Where each window goes is decided by the window placement (by window
// name); these keep the calls the windows make.

void placeOnScreen(QWidget* w) {
    placeWindow(w);
}

void placeBelow(QWidget* w, const QWidget* mainWindow, double fraction) {
    (void)mainWindow;
    (void)fraction;
    placeWindow(w);
}

void keepOnScreen(QWidget* w) {
    fitOnScreen(w);
}

} // namespace kuyu::gui
