#include "gui/plantview/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kuyu::gui {

namespace {
QRect availableArea(QWidget* w) {
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}
} // namespace

void placeOnScreen(QWidget* w) {
    const QRect area = availableArea(w);
    const QSize size = w->size().expandedTo(w->sizeHint());
    const int x = area.left() + std::max(0, (area.width() - size.width()) / 2);
    const int y = area.top() + std::max(0, (area.height() - size.height()) / 2);
    w->move(x, y);
}

void placeBelow(QWidget* w, const QWidget* mainWindow, double fraction) {
    const QRect area = availableArea(w);
    int top = area.top();
    if (mainWindow && mainWindow->isVisible()) {
        top = mainWindow->frameGeometry().bottom() + 8;
    }
    const QSize size = w->frameGeometry().size().expandedTo(w->sizeHint());
    const int x = area.left() + static_cast<int>(area.width() * fraction);
    w->move(std::min(x, std::max(area.left(), area.right() - size.width())),
            std::max(area.top(), std::min(top, area.bottom() - size.height())));
}

void keepOnScreen(QWidget* w) {
    const QRect area = availableArea(w);
    QPoint p = w->pos();
    const QSize size = w->frameGeometry().size();
    if (p.x() + size.width() > area.right()) {
        p.setX(area.right() - size.width());
    }
    if (p.y() + size.height() > area.bottom()) {
        p.setY(area.bottom() - size.height());
    }
    p.setX(std::max(p.x(), area.left()));
    p.setY(std::max(p.y(), area.top()));
    if (p != w->pos()) {
        w->move(p);
    }
}

} // namespace kuyu::gui
