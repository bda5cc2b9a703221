// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/PrintBox.h"

#include "gui/platform/QtText.h"

#include <QMouseEvent>
#include <QPainter>

namespace kuyu::gui {

PrintBox::PrintBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    updateAccessibleName();
}

void PrintBox::cls() {
    lines_.clear();
    updateAccessibleName();
    update();
}

void PrintBox::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void PrintBox::print(const QString& line) {
    lines_.append({line, fore_});
    updateAccessibleName();
    update();
}

void PrintBox::print(const Text& line) {
    print(qs(line));
}

QStringList PrintBox::lines() const {
    QStringList out;
    for (const auto& l : lines_) {
        out << l.text;
    }
    return out;
}

QColor PrintBox::lineColor(int i) const {
    return (i >= 0 && i < lines_.size()) ? lines_[i].colour : QColor();
}

QSize PrintBox::sizeHint() const {
    const QFontMetrics fm(font());
    int w = 0;
    for (const auto& l : lines_) {
        w = std::max(w, fm.horizontalAdvance(l.text));
    }
    return {std::max(w + 4, 40),
            std::max<int>(fm.height() * std::max<int>(1, lines_.size()) + 4, 20)};
}

void PrintBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    p.setFont(font());
    const QFontMetrics fm(font());
    int y = fm.ascent() + 1;
    for (const auto& l : lines_) {
        p.setPen(l.colour);
        p.drawText(1, y, l.text);
        y += fm.height();
    }
}

void PrintBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
    QWidget::mousePressEvent(event);
}

void PrintBox::updateAccessibleName() {
    setAccessibleName(lines().join(' ').trimmed());
}

} // namespace kuyu::gui
