// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace sampledata {
namespace {

// Half the width of a simple leaf at t (0 base .. 1 tip), for a leaf `width` wide.
qreal halfWidth(qreal t, qreal width) {
    return width / 2 * std::pow(std::sin(std::numbers::pi * std::pow(t, 0.75)), 0.9);
}

// The outline of a simple leaf lying along +x, base at the origin.
QPolygonF simpleOutline(qreal length, qreal width, bool toothed) {
    constexpr int Steps = 36;
    QPolygonF upper;
    QPolygonF lower;
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = static_cast<qreal>(i) / Steps;
        qreal h = halfWidth(t, width);
        if (toothed && i % 2 == 1 && i < Steps - 1 && i > 1) {
            h += length * 0.045;
        }
        upper << QPointF(t * length, -h);
        lower.prepend(QPointF(t * length, h));
    }
    return upper + lower;
}

void veins(QPainter& p, qreal length, qreal width, int venation, const QPolygonF& outline) {
    p.setPen(QPen(leafEdge(), std::max(0.8, length * 0.012)));
    p.setBrush(Qt::NoBrush);
    if (venation == 2) {
        // Parallel veins run from base to tip beside the midrib.
        for (int k = -2; k <= 2; ++k) {
            QPainterPath v;
            v.moveTo(0, 0);
            for (int i = 1; i <= 12; ++i) {
                const qreal t = i / 12.0;
                v.lineTo(t * length, halfWidth(t, width) * 0.3 * k);
            }
            p.drawPath(v);
        }
        return;
    }
    p.drawLine(QPointF(0, 0), QPointF(length * 0.96, 0));
    if (venation == 1) {
        // Side veins branch off the midrib and fork again: a net.
        p.setPen(QPen(leafEdge(), std::max(0.6, length * 0.007)));
        for (int i = 1; i <= 5; ++i) {
            const qreal t = i / 6.5;
            const qreal x = t * length;
            for (int side : {-1, 1}) {
                const QPointF end(x + length * 0.14, side * halfWidth(t + 0.1, width) * 0.85);
                p.drawLine(QPointF(x, 0), end);
                const QPointF mid((x + end.x()) / 2, end.y() / 2);
                p.drawLine(mid,
                           QPointF(mid.x() + length * 0.1, side * halfWidth(t + 0.2, width) * 0.7));
            }
        }
    }
    (void)outline;
}

void simpleLeaf(QPainter& p, qreal length, int shape, int venation) {
    const qreal width = venation == 2 ? length * 0.16 : length * 0.42;
    const QPolygonF outline = simpleOutline(length, width, shape == 2);
    p.setPen(QPen(leafEdge(), 1.2));
    p.setBrush(leafFill());
    p.drawPolygon(outline);
    veins(p, length, width, venation, outline);
}

// Lobes spread like fingers from the base; one vein in each.
void lobedLeaf(QPainter& p, qreal length, int venation) {
    QPainterPath whole;
    const qreal angles[] = {-58, -30, 0, 30, 58};
    const qreal lengths[] = {0.55, 0.8, 1.0, 0.8, 0.55};
    for (int i = 0; i < 5; ++i) {
        QTransform tr;
        tr.rotate(angles[i]);
        QPainterPath lobe;
        lobe.addPolygon(tr.map(simpleOutline(length * lengths[i], length * 0.22, false)));
        lobe.closeSubpath();
        whole = whole.united(lobe);
    }
    QPainterPath palm;
    palm.addEllipse(QPointF(length * 0.05, 0), length * 0.12, length * 0.12);
    whole = whole.united(palm);
    p.setPen(QPen(leafEdge(), 1.2));
    p.setBrush(leafFill());
    p.drawPath(whole.simplified());
    p.setPen(QPen(leafEdge(), std::max(0.8, length * 0.012)));
    for (int i = 0; i < 5; ++i) {
        QTransform tr;
        tr.rotate(angles[i]);
        p.drawLine(tr.map(QPointF(0, 0)), tr.map(QPointF(length * lengths[i] * 0.9, 0)));
    }
    (void)venation;
}

// A stalk with pairs of leaflets and one at the end.
void compoundLeaf(QPainter& p, qreal length, int venation) {
    p.setPen(QPen(leafEdge(), std::max(1.0, length * 0.018)));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.78, 0));
    const qreal leaflet = length * 0.3;
    for (int i = 0; i < 3; ++i) {
        const qreal x = length * (0.22 + 0.22 * i);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(x, 0);
            p.rotate(side * 55);
            simpleLeaf(p, leaflet, 1, venation);
            p.restore();
        }
    }
    p.save();
    p.translate(length * 0.76, 0);
    simpleLeaf(p, leaflet, 1, venation);
    p.restore();
}

} // namespace

void drawLeaf(QPainter& p, QPointF base, qreal angle, qreal length, int shape, int venation) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(base);
    p.rotate(angle);
    switch (shape) {
    case 3:
        lobedLeaf(p, length, venation);
        break;
    case 4:
        compoundLeaf(p, length, venation);
        break;
    default:
        simpleLeaf(p, length, shape, venation);
        break;
    }
    p.restore();
}

} // namespace sampledata
