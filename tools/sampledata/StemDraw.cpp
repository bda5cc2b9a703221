// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace sampledata {
namespace {

constexpr qreal Pi = std::numbers::pi;

bool climbing(int form) {
    return form == 1 || form == 2;
}
bool hairy(int form) {
    return form == 2 || form == 4;
}

} // namespace

QColor flowerFill(int colour) {
    switch (colour) {
    case 1:
        return {222, 60, 100};
    case 2:
        return {246, 206, 34};
    case 3:
        return {92, 86, 210};
    case 4:
        return {150, 196, 84};
    case 5:
        return {253, 253, 250};
    default:
        return {214, 208, 214};
    }
}

QColor flowerEdge(int colour) {
    return colour == 5 || colour <= 0 ? QColor(120, 120, 120) : flowerFill(colour).darker(160);
}

QColor leafFill() {
    return {96, 168, 72};
}
QColor leafEdge() {
    return {40, 96, 36};
}
QColor stemColour() {
    return {66, 126, 50};
}

QFont japaneseFont(int pixelSize, bool mincho) {
    QFont f(mincho ? QStringLiteral("IPAMincho") : QStringLiteral("IPAGothic"));
    f.setPixelSize(pixelSize);
    return f;
}

QPointF Stem::pointAt(qreal t) const {
    const QPointF straight = bottom + (top - bottom) * t;
    if (!climbing(form)) {
        return straight + QPointF(4 * std::sin(t * Pi), 0); // a slight bow
    }
    return straight + QPointF(9 * std::sin(t * 3 * Pi), 0);
}

void Stem::draw(QPainter& p) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(pointAt(0));
    constexpr int Steps = 40;
    for (int i = 1; i <= Steps; ++i) {
        path.lineTo(pointAt(static_cast<qreal>(i) / Steps));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stemColour(), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    if (climbing(form)) {
        // Tendrils curl off the stem at two points.
        p.setPen(QPen(stemColour(), 1.4));
        for (qreal t : {0.3, 0.7}) {
            const QPointF at = pointAt(t);
            QPainterPath curl(at);
            const qreal side = t < 0.5 ? 1 : -1;
            for (int i = 1; i <= 24; ++i) {
                const qreal a = i * 0.45;
                const qreal r = 10 - i * 0.33;
                curl.lineTo(at + QPointF(side * (14 + r * std::cos(a)), -r * std::sin(a) - 6));
            }
            p.drawPath(curl);
        }
    }
    if (hairy(form)) {
        p.setPen(QPen(QColor(110, 120, 90), 0.9));
        for (int i = 1; i < 46; ++i) {
            const qreal t = i / 46.0;
            const QPointF at = pointAt(t);
            const qreal side = (i % 2) ? 1 : -1;
            p.drawLine(at + QPointF(side * 1.5, 0), at + QPointF(side * 5, -3));
        }
    }
    p.restore();
}

void drawStemSection(QPainter& p, QPointF c, qreal r, int section) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(leafEdge(), 1.5));
    p.setBrush(QColor(170, 214, 140));
    if (section >= 3 && section <= 5) {
        const int sides = section;
        QPolygonF poly;
        for (int i = 0; i < sides; ++i) {
            // Even polygons rest on a side, odd ones point up.
            const qreal a =
                (-90 + (sides % 2 ? 0.0 : 180.0 / sides) + 360.0 * i / sides) * Pi / 180;
            poly << c + QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.drawPolygon(poly);
    } else {
        p.drawEllipse(c, r, r);
        if (section == 2) {
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(c, r * 0.55, r * 0.55); // hollow
        }
    }
    p.restore();
}

void drawUnknown(QPainter& p, const QRectF& box) {
    p.save();
    QFont f = japaneseFont(static_cast<int>(box.height() * 0.6));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(150, 150, 150));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

} // namespace sampledata
