// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image control: a picture at its natural size, or stretched to the size
// the window gives it. Right-button releases are reported so windows can pop
// up their menus, and left presses/releases carry the position for hit tests.

#include <QImage>
#include <QLabel>

namespace kuyu::gui {

class ImageBox : public QLabel {
    Q_OBJECT
  public:
    explicit ImageBox(QWidget* parent = nullptr);

    // Takes the picture. With stretch off the control takes its natural size.
    void setPicture(const QImage& image);
    const QImage& picture() const { return image_; }
    bool hasPicture() const { return !image_.isNull(); }

    // Stretch on: the picture is drawn to the control's size.
    void setStretch(bool on);
    // A picture far larger than the screen is cut at three quarters of it, so
    // no window grows past the screen. A control inside a scroll area that
    // shows the whole picture turns that off.
    void setFitToScreen(bool on) { fitToScreen_ = on; }
    bool stretch() const { return stretch_; }

  signals:
    void leftPressed(QPoint pos);
    void leftReleased(QPoint pos);
    void rightReleased(QPoint pos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

  private:
    QSize naturalSize() const;
    // The picture at the control's size, made once per size and picture.
    const QImage& stretched() const;

    QImage image_;
    bool stretch_ = false;
    bool fitToScreen_ = true;
    mutable QImage scaled_;
    mutable qint64 scaledFrom_ = 0;
};

} // namespace kuyu::gui
