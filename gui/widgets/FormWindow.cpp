// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/FormWindow.h"

#include "gui/app/App.h"
#include "gui/widgets/PrintBox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace kuyu::gui {

// A window from the start: the style gives a window's layout wider margins
// than a control's, and a window sized as a control grew by them after it
// was placed.
FormWindow::FormWindow(App& app, const char* name, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app) {
    setObjectName(QString::fromLatin1(name));
}

void FormWindow::unload() {
    app_.unload(objectName());
}

QFont FormWindow::minchoFont(int pointSize) {
    return QFont(QStringLiteral("ＭＳ 明朝"), pointSize);
}

QFont FormWindow::gothicFont(int pointSize) {
    return QFont(QStringLiteral("ＭＳ ゴシック"), pointSize);
}

int FormWindow::lineHeight(const QFont& font) {
    return QFontMetrics(font).height() + 6;
}

void FormWindow::setDefaultButton(QAbstractButton* b) {
    // Drawn as the default button; the window decides what Enter presses.
    if (auto* old = qobject_cast<QPushButton*>(default_)) {
        old->setDefault(false);
    }
    default_ = b;
    if (auto* push = qobject_cast<QPushButton*>(b)) {
        push->setDefault(true);
    }
}

int FormWindow::cellWidth(const QFont& font, int n) {
    return QFontMetrics(font).horizontalAdvance(QString(n, QChar(0xFF71)));
}

QMenu* FormWindow::makeMenu(QWidget* owner, const char* objectName, const QString& title) {
    auto* menu = new QMenu(title, owner);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QAction* FormWindow::addMenuItem(QMenu* menu, const char* objectName, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(objectName));
    return a;
}

void FormWindow::addMenuSeparator(QMenu* menu, const char* objectName) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(objectName));
}

void FormWindow::popUp(QMenu* menu, QAction* defaultItem, const QPoint& globalPos) {
    menu->setDefaultAction(defaultItem);
    menu->popup(globalPos);
}

QString FormWindow::selectedText(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

QFrame* FormWindow::makeLine(const char* objectName) {
    auto* f = new QFrame(this);
    f->setObjectName(QString::fromLatin1(objectName));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

PrintBox* FormWindow::makePrintBox(const char* objectName) {
    auto* box = new PrintBox(this);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setMinimumHeight(lineHeight(font()));
    return box;
}

QListWidget* FormWindow::makeList(const char* objectName) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(objectName));
    // Every list of the program holds one line per row: with uniform sizes a
    // refill of 2000 rows lays out one row, not all of them.
    list->setUniformItemSizes(true);
    return list;
}

void FormWindow::watch(QWidget* control, unsigned what) {
    watched_.insert(control, {control, what});
    control->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        watched_.insert(area->viewport(), {control, what});
        area->viewport()->installEventFilter(this);
    }
}

void FormWindow::onRightClick(QWidget*, const QPoint&) {}

bool FormWindow::onActivateKey(QWidget*, int) {
    return false;
}

QPushButton* FormWindow::makeButton(const char* objectName, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

QLabel* FormWindow::makeLabel(const char* objectName, const QString& caption) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

// The close box does what the window's cancel button does (its 終了 or
// 中止); a window without one is unloaded.
void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QAbstractButton* b = close_ ? close_ : cancel_;
    if (b && b->isEnabled()) {
        b->click();
    } else {
        unload();
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The window's own focus child, which is kept while another window
        // is active.
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        if (focused && focused->isEnabled()) {
            focused->click();
            return;
        }
        if (default_ && default_->isEnabled()) {
            default_->click();
            return;
        }
    } else if (key == Qt::Key_Escape && cancel_ && cancel_->isEnabled()) {
        cancel_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QWidget* FormWindow::watchedControl(QObject* o, unsigned what) const {
    auto it = watched_.constFind(o);
    if (it == watched_.constEnd() || !(it->second & what)) {
        return nullptr;
    }
    return it->first;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseButtonDblClick) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (QWidget* control = watchedControl(watched, RightClick)) {
                // A right click pops a menu up; it does not change the selection.
                if (type == QEvent::MouseButtonRelease) {
                    onRightClick(control, mouse->globalPosition().toPoint());
                }
                return true;
            }
        }
    } else if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Keys come to the control itself, never to its viewport.
            QWidget* control = watchedControl(watched, ActivateKeys);
            if (control && control == watched && onActivateKey(control, key)) {
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kuyu::gui
