// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace sampledata {
namespace {

constexpr qreal Pi = std::numbers::pi;

QPointF polar(QPointF c, qreal r, qreal degrees) {
    const qreal a = degrees * Pi / 180.0;
    return {c.x() + r * std::cos(a), c.y() + r * std::sin(a)};
}

// A petal from the centre outwards along `degrees`: length and width in pixels.
QPainterPath petal(QPointF c, qreal from, qreal length, qreal width, qreal degrees) {
    QPainterPath path;
    path.moveTo(from, 0);
    path.cubicTo(from + length * 0.25, -width * 0.6, from + length * 0.95, -width * 0.55,
                 from + length, 0);
    path.cubicTo(from + length * 0.95, width * 0.55, from + length * 0.25, width * 0.6, from, 0);
    QTransform tr;
    tr.translate(c.x(), c.y());
    tr.rotate(degrees);
    return tr.map(path);
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge) {
    p.setPen(QPen(edge, 1.2));
    p.setBrush(fill);
    p.drawPath(path);
}

QColor centreColour(int colour) {
    return colour == 2 ? QColor(230, 120, 20) : QColor(245, 215, 40);
}

void regularSeparate(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    const int n = f.petals >= 7 ? 9 : std::max(1, f.petals);
    const qreal len = r * 0.82 * f.openness;
    const qreal width = std::min(r * 0.62, 2 * Pi * r * 0.5 / n * 0.95) * (0.4 + 0.6 * f.openness);
    for (int i = 0; i < n; ++i) {
        fillPath(p, petal(c, r * 0.12, len, width, -90 + 360.0 * i / n), flowerFill(f.colour),
                 flowerEdge(f.colour));
    }
}

// Petals of unequal size: a large upper petal, smaller lower ones.
void irregularSeparate(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    const int n = f.petals >= 7 ? 7 : std::max(2, f.petals);
    for (int i = n - 1; i >= 0; --i) {
        const qreal angle = -90 + 360.0 * i / n + (i == 0 ? 0 : 12.0 * ((i % 2) ? 1 : -1));
        const qreal scale = i == 0 ? 1.05 : 0.78;
        const qreal width = i == 0 ? r * 1.15 : r * 0.55;
        fillPath(p,
                 petal(c, r * 0.05, r * 0.9 * scale * f.openness, width * (0.4 + 0.6 * f.openness),
                       angle),
                 flowerFill(f.colour), flowerEdge(f.colour));
    }
    // A dark guide mark on the large petal shows which one leads.
    p.setPen(QPen(flowerEdge(f.colour).darker(130), 1.5));
    p.drawLine(c, polar(c, r * 0.45 * f.openness, -90));
}

// A corolla fused into one piece with `n` lobes; lines mark the lobes.
void regularFused(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    const int n = f.petals >= 7 ? 8 : std::max(3, f.petals);
    const qreal outer = r * 0.9 * f.openness + r * 0.1;
    QPainterPath path;
    for (int i = 0; i <= n; ++i) {
        const qreal a = -90 + 360.0 * i / n;
        const QPointF tip = polar(c, outer, a);
        if (i == 0) {
            path.moveTo(tip);
            continue;
        }
        const qreal mid = a - 180.0 / n;
        path.cubicTo(polar(c, outer * 1.02, a - 360.0 / n + 12), polar(c, outer * 0.72, mid),
                     polar(c, outer * 0.72, mid));
        path.cubicTo(polar(c, outer * 0.72, mid), polar(c, outer * 1.02, a - 12), tip);
    }
    fillPath(p, path, flowerFill(f.colour), flowerEdge(f.colour));
    p.setPen(QPen(flowerEdge(f.colour), 1.0));
    for (int i = 0; i < n; ++i) {
        p.drawLine(polar(c, r * 0.18, -90 + 360.0 * i / n),
                   polar(c, outer * 0.8, -90 + 360.0 * i / n));
    }
    p.setBrush(flowerFill(f.colour).darker(115));
    p.drawEllipse(c, r * 0.2, r * 0.2); // the throat of the tube
}

// Two lips: a hood of the upper lobes over a wide, lobed lower lip.
void irregularFused(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    const int n = f.petals >= 7 ? 5 : std::max(2, f.petals);
    const int upper = n / 2;
    const int lower = n - upper;
    const qreal k = 0.35 + 0.65 * f.openness;
    for (int i = 0; i < lower; ++i) {
        const qreal a = lower == 1 ? 90 : 40 + 100.0 * i / (lower - 1);
        fillPath(p, petal(c, 0, r * 0.95 * k, r * 0.75 * k, a), flowerFill(f.colour),
                 flowerEdge(f.colour));
    }
    for (int i = 0; i < upper; ++i) {
        const qreal a = upper == 1 ? -90 : -115 + 50.0 * i / (upper - 1);
        fillPath(p, petal(c, 0, r * 0.85 * k, r * 0.7 * k, a), flowerFill(f.colour).lighter(108),
                 flowerEdge(f.colour));
    }
    p.setPen(QPen(flowerEdge(f.colour), 1));
    p.setBrush(flowerFill(f.colour).darker(125));
    p.drawEllipse(c, r * 0.16, r * 0.12); // the mouth between the lips
    p.setPen(QPen(flowerEdge(f.colour).darker(140), 1));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(polar(c, r * 0.2, 90 + 18 * i),
                   polar(c, r * 0.55 * k, 90 + 18 * i)); // spots on the lip
    }
}

// The violet: two upper petals, two side petals, a wide lower lip with lines.
void violet(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    const qreal k = 0.35 + 0.65 * f.openness;
    const QColor fill = flowerFill(f.colour);
    const QColor edge = flowerEdge(f.colour);
    fillPath(p, petal(c, 0, r * 0.95 * k, r * 0.55 * k, -115), fill, edge);
    fillPath(p, petal(c, 0, r * 0.95 * k, r * 0.55 * k, -65), fill, edge);
    fillPath(p, petal(c, 0, r * 0.8 * k, r * 0.45 * k, 175), fill, edge);
    fillPath(p, petal(c, 0, r * 0.8 * k, r * 0.45 * k, 5), fill, edge);
    fillPath(p, petal(c, 0, r * 0.9 * k, r * 0.8 * k, 90), fill.lighter(105), edge);
    p.setPen(QPen(edge.darker(150), 1.2));
    for (int i = -2; i <= 2; ++i) {
        p.drawLine(polar(c, r * 0.15, 90 + 10 * i), polar(c, r * 0.6 * k, 90 + 12 * i));
    }
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(c, r * 0.09, r * 0.09);
}

// A head of strap-shaped ray florets round a disc of tube florets.
void rayAndDisc(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    const int n = f.petals >= 7 ? 22 : std::max(3, f.petals) * 2;
    const qreal len = r * 0.72 * f.openness;
    for (int i = 0; i < n; ++i) {
        fillPath(p,
                 petal(c, r * 0.26, len, std::min(r * 0.3, 2 * Pi * r * 0.5 / n * 1.1),
                       -90 + 360.0 * i / n),
                 flowerFill(f.colour), flowerEdge(f.colour));
    }
    p.setPen(QPen(centreColour(f.colour).darker(140), 1));
    p.setBrush(centreColour(f.colour));
    p.drawEllipse(c, r * 0.32, r * 0.32);
    p.setBrush(centreColour(f.colour).darker(125));
    for (int ring = 1; ring <= 2; ++ring) {
        const int dots = ring * 7;
        for (int i = 0; i < dots; ++i) {
            p.drawEllipse(polar(c, r * 0.11 * ring, 360.0 * i / dots + ring * 9), r * 0.035,
                          r * 0.035);
        }
    }
}

void bud(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    QPainterPath body;
    body.addEllipse(c + QPointF(0, -r * 0.15), r * 0.22, r * 0.38);
    fillPath(p, body, flowerFill(f.colour), flowerEdge(f.colour));
    p.setPen(QPen(leafEdge(), 1));
    p.setBrush(leafFill());
    for (int i = -1; i <= 1; ++i) {
        p.drawPath(petal(c + QPointF(0, r * 0.2), 0, r * 0.35, r * 0.14, -90 + 28 * i));
    }
}

// A flower without petals: a tuft of coloured stamens.
void tuft(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    const qreal k = 0.3 + 0.7 * f.openness;
    p.setPen(QPen(flowerEdge(f.colour), std::max(1.0, r * 0.04)));
    for (int i = 0; i < 14; ++i) {
        const qreal a = -90 + 360.0 * i / 14;
        p.drawLine(c, polar(c, r * 0.6 * k, a));
    }
    p.setBrush(flowerFill(f.colour));
    for (int i = 0; i < 14; ++i) {
        p.drawEllipse(polar(c, r * 0.6 * k, -90 + 360.0 * i / 14), r * 0.09, r * 0.09);
    }
    p.drawEllipse(c, r * 0.15, r * 0.15);
}

} // namespace

FlowerLook lookOf(const Traits& t) {
    FlowerLook f;
    f.colour = t.colour;
    f.petals = t.petals > 0 ? t.petals : (t.petals < 0 ? -1 : 5);
    f.form = t.form > 0 ? t.form : 1;
    return f; // stamens only where a close view asks for them
}

void drawFlower(QPainter& p, QPointF c, qreal r, const FlowerLook& f) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (f.openness < 0.15) {
        bud(p, c, r, f);
        p.restore();
        return;
    }
    if (f.petals < 0) {
        tuft(p, c, r, f);
        p.restore();
        return;
    }
    switch (f.form) {
    case 2:
        irregularSeparate(p, c, r, f);
        break;
    case 3:
        regularFused(p, c, r, f);
        break;
    case 4:
        irregularFused(p, c, r, f);
        break;
    case 5:
        violet(p, c, r, f);
        break;
    case 6:
        rayAndDisc(p, c, r, f);
        break;
    default:
        regularSeparate(p, c, r, f);
        break;
    }
    if (f.form != 6 && f.form != 5 && f.form != 4) {
        p.setPen(QPen(centreColour(f.colour).darker(130), 1));
        p.setBrush(centreColour(f.colour));
        p.drawEllipse(c, r * 0.13, r * 0.13);
    }
    if (f.stamens > 0 && f.openness >= 1.0) {
        drawStamens(p, c, r, f.stamens);
    }
    p.restore();
}

void drawStamens(QPainter& p, QPointF c, qreal r, int count) {
    const int n = count >= 7 ? 10 : count;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < n; ++i) {
        const qreal a = -90 + 360.0 * i / n + 360.0 / n / 2;
        const QPointF tip = polar(c, r * 0.55, a);
        p.setPen(QPen(QColor(120, 110, 60), std::max(1.0, r * 0.025)));
        p.drawLine(c, tip);
        p.setPen(QPen(QColor(120, 70, 10), 1));
        p.setBrush(QColor(250, 190, 30));
        p.drawEllipse(tip, r * 0.09, r * 0.065);
    }
    p.restore();
}

} // namespace sampledata
