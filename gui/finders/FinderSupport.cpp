#include "gui/finders/FinderSupport.h"

#include "gui/widgets/FormWindow.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace kuyu::gui {

QFont MinchoFont() {
    return FormWindow::minchoFont();
}
QFont GothicFont() {
    return FormWindow::gothicFont();
}

int CellWidth(const QFont& font, int n) {
    return FormWindow::cellWidth(font, n);
}

void PrintCountLine(PrintBox& box, const CountLine& line) {
    box.setForeColor(line.colour);
    box.print(line.text);
}

QMenu* MakePopupMenu(QWidget* owner, const char* objectName, const QString& title) {
    return FormWindow::makeMenu(owner, objectName, title);
}

QAction* AddMenuItem(QMenu* menu, const char* objectName, const QString& caption) {
    return FormWindow::addMenuItem(menu, objectName, caption);
}

void PlaceBelowMainWindow(QWidget* w, const QWidget* mainWindow) {
    (void)mainWindow; // the placement finds it
    w->adjustSize();
    placeWindow(w);
}

void PopUp(QMenu* menu, QAction* defaultItem, const QPoint& globalPos) {
    FormWindow::popUp(menu, defaultItem, globalPos);
}

} // namespace kuyu::gui
