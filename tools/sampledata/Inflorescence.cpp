// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"

#include <cmath>
#include <numbers>

namespace sampledata {
namespace {

FlowerLook small(const Traits& t, int i) {
    FlowerLook f = lookOf(t);
    // Every third flower shows the plant's second colour, when it has one.
    if (t.altColour > 0 && i % 3 == 2) {
        f.colour = t.altColour;
    }
    return f;
}

void pedicel(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(stemColour(), 1.6));
    p.drawLine(a, b);
}

} // namespace

void drawInflorescence(QPainter& p, QPointF top, qreal size, const Traits& t) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (t.inflorescence) {
    case 1: { // raceme: stalked flowers up an axis, buds at the top
        const QPointF tip = top - QPointF(0, size * 0.95);
        pedicel(p, top, tip);
        constexpr int N = 6;
        for (int i = 0; i < N; ++i) {
            const qreal y = top.y() - size * (0.1 + 0.8 * i / (N - 1));
            const qreal side = (i % 2) ? 1 : -1;
            const QPointF at(top.x(), y);
            const QPointF flower(top.x() + side * size * 0.2, y - size * 0.06);
            pedicel(p, at, flower);
            FlowerLook f = small(t, i);
            f.openness = i >= N - 2 ? 0.1 : 1.0;
            drawFlower(p, flower, size * (0.15 - 0.01 * i), f);
        }
        break;
    }
    case 2: { // spike: small flowers sitting tight on the axis
        const QPointF tip = top - QPointF(0, size * 0.95);
        pedicel(p, top, tip);
        constexpr int N = 11;
        for (int i = 0; i < N; ++i) {
            const qreal y = top.y() - size * (0.12 + 0.8 * i / (N - 1));
            const qreal side = (i % 2) ? 1 : -1;
            drawFlower(p, QPointF(top.x() + side * size * 0.06, y), size * 0.085, small(t, i));
        }
        break;
    }
    case 3: { // umbel: stalks of equal length from one point
        constexpr int N = 7;
        const QPointF hub = top - QPointF(0, size * 0.2);
        pedicel(p, top, hub);
        for (int i = 0; i < N; ++i) {
            const qreal a = (-160 + 140.0 * i / (N - 1)) * std::numbers::pi / 180;
            const QPointF end = hub + QPointF(std::cos(a), std::sin(a)) * size * 0.55;
            pedicel(p, hub, end);
            drawFlower(p, end, size * 0.13, small(t, i));
        }
        break;
    }
    case 4: { // head: many flowers packed together
        const QPointF c = top - QPointF(0, size * 0.42);
        pedicel(p, top, c);
        FlowerLook f = lookOf(t);
        if (f.form == 6) {
            drawFlower(p, c, size * 0.42, f);
        } else {
            p.setPen(QPen(leafEdge(), 1));
            p.setBrush(leafFill());
            p.drawEllipse(c + QPointF(0, size * 0.12), size * 0.3, size * 0.14);
            for (int ring = 2; ring >= 0; --ring) {
                const int n = ring == 0 ? 1 : ring * 6;
                for (int i = 0; i < n; ++i) {
                    const qreal a = 2 * std::numbers::pi * i / n + ring;
                    drawFlower(p, c + QPointF(std::cos(a), std::sin(a)) * size * 0.13 * ring,
                               size * 0.11, small(t, i + ring));
                }
            }
        }
        break;
    }
    default: { // one flower on its stalk
        const QPointF c = top - QPointF(0, size * 0.42);
        pedicel(p, top, c);
        drawFlower(p, c, size * 0.42, lookOf(t));
        if (t.altColour > 0) {
            FlowerLook f = lookOf(t);
            f.colour = t.altColour;
            const QPointF side = top + QPointF(size * 0.42, -size * 0.08);
            pedicel(p, top + QPointF(0, size * 0.3), side);
            drawFlower(p, side, size * 0.17, f);
        }
        break;
    }
    }
    p.restore();
}

} // namespace sampledata
