#include "gui/finders/FinderSupport.h"

#include "gui/widgets/PrintBox.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace kuyu::gui {

QFont MinchoFont() {
    return QFont(QStringLiteral("ＭＳ 明朝"), 11);
}
QFont GothicFont() {
    return QFont(QStringLiteral("ＭＳ ゴシック"), 11);
}

int CellWidth(const QFont& font, int n) {
    return QFontMetrics(font).horizontalAdvance(QString(n, QChar(0xFF71)));
}

void PrintCountLine(PrintBox& box, const CountLine& line) {
    box.setForeColor(line.colour);
    box.print(line.text);
}

QMenu* MakePopupMenu(QWidget* owner, const char* objectName, const QString& title) {
    auto* menu = new QMenu(title, owner);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QAction* AddMenuItem(QMenu* menu, const char* objectName, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(objectName));
    return a;
}

void PlaceBelowMainWindow(QWidget* w, const QWidget* mainWindow) {
    (void)mainWindow; // the placement finds it
    w->adjustSize();
    placeWindow(w);
}

void PopUp(QMenu* menu, QAction* defaultItem, const QPoint& globalPos) {
    menu->setDefaultAction(defaultItem);
    menu->popup(globalPos);
}

} // namespace kuyu::gui
