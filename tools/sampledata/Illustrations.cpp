// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"
#include "Pictures.h"

#include <QPainter>

namespace sampledata {
namespace {

// The picker's option regions in pixels (its twips bounds divided by 15,
// kept strictly inside): four columns, two rows.
const QRect Cells[8] = {
    {QPoint(7, 2), QPoint(137, 176)},     {QPoint(156, 2), QPoint(286, 176)},
    {QPoint(305, 2), QPoint(435, 176)},   {QPoint(453, 2), QPoint(590, 176)},
    {QPoint(7, 185), QPoint(137, 357)},   {QPoint(156, 185), QPoint(286, 357)},
    {QPoint(305, 185), QPoint(435, 357)}, {QPoint(453, 185), QPoint(590, 357)},
};

void drawOption(QPainter& p, int k, int n, const QRectF& area) {
    const QPointF c = area.center();
    const qreal r = std::min(area.width(), area.height()) * 0.45;
    Traits t;
    t.colour = 1;
    t.petals = 5;
    t.form = 1;
    switch (k) {
    case 1:
        drawFlower(p, c, r, FlowerLook{n, 5, 1, 0, 1.0});
        break;
    case 2:
        drawFlower(p, c, r, FlowerLook{1, n, 1, 0, 1.0});
        break;
    case 3:
        t.inflorescence = n;
        t.colour = n == 4 ? 2 : 1;
        t.form = n == 4 ? 6 : 1;
        t.petals = n == 4 ? 7 : 5;
        p.setPen(QPen(stemColour(), 2));
        p.drawLine(QPointF(c.x(), area.bottom()), QPointF(c.x(), area.bottom() - 14));
        drawInflorescence(p, QPointF(c.x(), area.bottom() - 14), area.height() - 18, t);
        break;
    case 4:
        drawFlower(p, c, r, FlowerLook{3, n == 6 ? 7 : 5, n, 0, 1.0});
        break;
    case 5:
        drawFlower(p, c, r, FlowerLook{5, n == 6 ? 6 : 5, 1, n, 1.0});
        break;
    case 6: {
        t.arrangement = n;
        t.leafShape = 1;
        t.venation = 1;
        const Stem stem{QPointF(c.x(), area.bottom()), QPointF(c.x(), area.top() + 4), 3};
        stem.draw(p);
        drawLeaves(p, stem, t, area.height() / 200.0 * 1.6);
        break;
    }
    case 7:
        if (n == 3) { // the lobes fan out: stand the leaf upright
            drawLeaf(p, QPointF(c.x(), area.bottom() - 4), -90, area.height() * 0.8, n, 1);
        } else {
            drawLeaf(p, QPointF(area.left() + 8, area.bottom() - 8), -45, area.height() * 1.05, n,
                     1);
        }
        break;
    case 8:
        drawLeaf(p, QPointF(area.left() + 10, area.bottom() - 6), n == 2 ? -60 : -45,
                 area.height() * 1.15, 1, n);
        break;
    case 9: {
        const Stem stem{QPointF(c.x() - (n <= 2 ? 10 : 0), area.bottom()),
                        QPointF(c.x() - (n <= 2 ? 10 : 0), area.top()), n};
        p.save();
        p.translate(c);
        p.scale(1.25, 1.0);
        p.translate(-c);
        stem.draw(p);
        p.restore();
        break;
    }
    case 10:
        drawStemSection(p, c, r * 0.85, n);
        break;
    default:
        break;
    }
}

} // namespace

QImage categoryIllustration(int k, const std::vector<QString>& labels) {
    QImage image(593, 360, QImage::Format_RGB32);
    image.fill(QColor(214, 218, 206));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int options = static_cast<int>(labels.size());
    for (int n = 1; n <= options && n <= 8; ++n) {
        const QRect cell = Cells[n - 1];
        p.setPen(QPen(QColor(120, 130, 110), 1));
        p.setBrush(QColor(252, 252, 246));
        p.drawRoundedRect(cell, 6, 6);

        QFont number = japaneseFont(22);
        number.setBold(true);
        p.setFont(number);
        p.setPen(QColor(30, 60, 140));
        p.drawText(QRect(cell.left() + 6, cell.top() + 2, 30, 28), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(n));

        p.setFont(japaneseFont(18));
        p.setPen(Qt::black);
        const QRect labelBox(cell.left(), cell.bottom() - 28, cell.width(), 26);
        p.drawText(labelBox, Qt::AlignCenter, labels[static_cast<std::size_t>(n - 1)]);

        const QRectF art(cell.left() + 14, cell.top() + 26, cell.width() - 28, cell.height() - 58);
        if (n == options) {
            drawUnknown(p, art); // the last option of every category is "unknown"
        } else {
            drawOption(p, k, n, art);
        }
    }
    return image;
}

} // namespace sampledata
