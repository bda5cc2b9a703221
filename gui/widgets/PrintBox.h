// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture box that text is printed into: it keeps what was printed (a
// persistent image) until it is cleared, prints each line at the current
// position in the current fore colour, and remembers the printed lines so
// tests and screen readers can read them.

#include "core/text/Colour.h"
#include "core/text/Text.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace kuyu::gui {

class PrintBox : public QWidget {
    Q_OBJECT
  public:
    explicit PrintBox(QWidget* parent = nullptr);

    // Cls: clears the picture and puts the position back at the top.
    void cls();
    void setForeColor(const QColor& c) { fore_ = c; }
    void setForeColor(Rgb c) { fore_ = QColor(c.r, c.g, c.b); }
    void setBackColor(const QColor& c);
    QColor backColor() const { return back_; }
    // Print one line at the current position, then move to the next line.
    void print(const QString& line);
    void print(const Text& line);

    // What has been printed since the last Cls, one entry per line.
    QStringList lines() const;
    QString text() const { return lines().join('\n'); }
    // Colour of printed line i (0-based).
    QColor lineColor(int i) const;

    QSize sizeHint() const override;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    struct Line {
        QString text;
        QColor colour;
    };
    QList<Line> lines_;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    void updateAccessibleName();
};

} // namespace kuyu::gui
