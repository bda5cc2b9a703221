#include "gui/finders/FinderSupport.h"

#include "gui/widgets/PrintBox.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace kuyu::gui {

void PrintCountLine(PrintBox& box, const CountLine& line) {
    box.setForeColor(line.colour);
    box.print(line.text);
}

void PlaceBelowMainWindow(QWidget* w, const QWidget* mainWindow) {
    (void)mainWindow; // the placement finds it
    w->adjustSize();
    placeWindow(w);
}

} // namespace kuyu::gui
