// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/images/ImageBox.h"

#include "gui/widgets/CommonTexts.h"
#include "gui/widgets/WindowPlacement.h"

#include <QMouseEvent>
#include <QPainter>

namespace kuyu::gui {

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAccessibleName(q(texts::Picture));
}

// A picture is shown at its natural size, but never larger than three
// quarters of the screen: the window around it must fit as well. What lies
// beyond is cut at the control's edge.
QSize ImageBox::naturalSize() const {
    if (!fitToScreen_) {
        return image_.size();
    }
    const QRect area = availableArea(this);
    return image_.size().boundedTo(QSize(area.width() * 3 / 4, area.height() * 3 / 4));
}

void ImageBox::setPicture(const QImage& image) {
    image_ = image;
    if (!stretch_ && !image_.isNull()) {
        resize(naturalSize());
    }
    updateGeometry();
    update();
}

void ImageBox::setStretch(bool on) {
    stretch_ = on;
    if (!stretch_ && !image_.isNull()) {
        resize(naturalSize());
    }
    update();
}

QSize ImageBox::sizeHint() const {
    if (stretch_ || image_.isNull()) {
        return size().isValid() && !size().isEmpty() ? size() : QSize(32, 32);
    }
    return naturalSize();
}

const QImage& ImageBox::stretched() const {
    if (scaled_.size() != size() || scaledFrom_ != image_.cacheKey()) {
        QImage source = image_;
        // A picture many times the window's size is first brought down
        // quickly to twice it; smoothing the whole picture would take seconds.
        if (source.width() > 2 * width() && source.height() > 2 * height()) {
            source = source.scaled(2 * width(), 2 * height(), Qt::IgnoreAspectRatio,
                                   Qt::FastTransformation);
        }
        scaled_ = source.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaledFrom_ = image_.cacheKey();
    }
    return scaled_;
}

void ImageBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (image_.isNull() || width() <= 0 || height() <= 0) {
        return;
    }
    if (stretch_) {
        p.drawImage(QPoint(0, 0), stretched());
        return;
    }
    // Only the part to be painted is converted for the screen: a picture far
    // larger than the window is cut at its edge, not converted whole.
    const QRect part = event->rect() & image_.rect();
    if (!part.isEmpty()) {
        p.drawImage(part.topLeft(), image_.copy(part));
    }
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftPressed(event->position().toPoint());
    }
    QLabel::mousePressEvent(event);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftReleased(event->position().toPoint());
    } else if (event->button() == Qt::RightButton) {
        emit rightReleased(event->position().toPoint());
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace kuyu::gui
