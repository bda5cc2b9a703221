#include "gui/images/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kuyu::gui {

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAccessibleName(QStringLiteral("画像"));
}

void ImageBox::setPicture(const QImage& image) {
    image_ = image;
    if (!stretch_ && !image_.isNull()) {
        resize(image_.size());
    }
    updateGeometry();
    update();
}

void ImageBox::setStretch(bool on) {
    stretch_ = on;
    if (!stretch_ && !image_.isNull()) {
        resize(image_.size());
    }
    update();
}

QSize ImageBox::sizeHint() const {
    if (stretch_ || image_.isNull()) {
        return size().isValid() && !size().isEmpty() ? size() : QSize(32, 32);
    }
    return image_.size();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (image_.isNull()) {
        return;
    }
    if (stretch_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), image_);
    } else {
        p.drawImage(QPoint(0, 0), image_);
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
