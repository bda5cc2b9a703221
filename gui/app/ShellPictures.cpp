// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ShellPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace kuyu::gui {

namespace {

// Icons are drawn on a 32 x 32 canvas and scaled by Qt.
constexpr int S = 32;

const QColor Leaf(60, 150, 60);
const QColor LeafDark(30, 100, 40);
const QColor Stem(70, 130, 50);
const QColor Ink(40, 40, 60);

void petals(QPainter& p, QPointF c, double r, int n, const QList<QColor>& colours, double size) {
    for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n - M_PI / 2;
        const QPointF at(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        p.setBrush(colours.at(i % colours.size()));
        p.setPen(QPen(colours.at(i % colours.size()).darker(140), 0.8));
        p.drawEllipse(at, size, size);
    }
    p.setBrush(QColor(250, 210, 40));
    p.setPen(QPen(QColor(180, 130, 0), 0.8));
    p.drawEllipse(c, size * 0.7, size * 0.7);
}

void leafShape(QPainter& p, QPointF base, QPointF tip, double width, bool veins) {
    const QPointF d = tip - base;
    const QPointF n(-d.y(), d.x());
    const double len = std::hypot(d.x(), d.y());
    const QPointF side = n * (width / len);
    QPainterPath path(base);
    path.quadTo(base + d * 0.5 + side, tip);
    path.quadTo(base + d * 0.5 - side, base);
    p.setBrush(Leaf);
    p.setPen(QPen(LeafDark, 1));
    p.drawPath(path);
    p.setPen(QPen(LeafDark, 1));
    p.drawLine(base, tip);
    if (veins) {
        for (double t : {0.3, 0.5, 0.7}) {
            const QPointF m = base + d * t;
            p.drawLine(m, m + d * 0.15 + side * 0.6);
            p.drawLine(m, m + d * 0.15 - side * 0.6);
        }
    }
}

void magnifier(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(90, 60, 30), 4, Qt::SolidLine, Qt::RoundCap));
    const QPointF handle = c + QPointF(r * 0.75, r * 0.75);
    p.drawLine(handle, handle + QPointF(r * 0.9, r * 0.9));
    p.setPen(QPen(Ink, 2.2));
    QRadialGradient glass(c, r);
    glass.setColorAt(0, QColor(230, 245, 255));
    glass.setColorAt(1, QColor(150, 200, 240));
    p.setBrush(glass);
    p.drawEllipse(c, r, r);
}

void label(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, int px) {
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void pictureFrame(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Ink, 1.2));
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(150, 200, 250));
    sky.setColorAt(1, QColor(220, 240, 255));
    p.setBrush(sky);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 170, 80));
    QPainterPath hill(QPointF(r.left(), r.bottom()));
    hill.quadTo(QPointF(r.center().x(), r.top() + r.height() * 0.3),
                QPointF(r.right(), r.bottom()));
    p.drawPath(hill);
    p.setBrush(QColor(230, 80, 120));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.65), 2.2, 2.2);
}

void drawIcon(QPainter& p, const QString& key) {
    const QPointF c(S / 2.0, S / 2.0);
    if (key == QLatin1String("toku01")) { // flower colour: petals of many colours
        petals(p, c, 8.5, 5,
               {QColor(230, 50, 60), QColor(250, 200, 30), QColor(70, 110, 230),
                QColor(250, 250, 250), QColor(170, 70, 200)},
               6);
    } else if (key == QLatin1String("toku02")) { // number of petals
        petals(p, c, 8.5, 4, {QColor(240, 140, 180)}, 6);
        label(p, QRectF(0, 0, S, S), QStringLiteral("4"), QColor(120, 20, 60), 10);
    } else if (key == QLatin1String("toku03")) { // inflorescence: a spike of small flowers
        p.setPen(QPen(Stem, 2));
        p.drawLine(QPointF(16, 30), QPointF(16, 3));
        for (int i = 0; i < 5; ++i) {
            const double y = 6 + i * 5;
            p.setPen(QPen(Stem, 1.2));
            p.drawLine(QPointF(16, y + 2), QPointF(i % 2 ? 10 : 22, y));
            p.setBrush(QColor(150, 90, 220));
            p.setPen(QPen(QColor(90, 40, 150), 0.8));
            p.drawEllipse(QPointF(i % 2 ? 9 : 23, y), 3, 3);
        }
    } else if (key == QLatin1String("toku04")) { // flower form: a bell
        p.setPen(QPen(Stem, 2));
        p.drawLine(QPointF(16, 2), QPointF(16, 8));
        QPainterPath bell(QPointF(11, 8));
        bell.lineTo(21, 8);
        bell.quadTo(24, 20, 28, 27);
        bell.lineTo(4, 27);
        bell.quadTo(8, 20, 11, 8);
        p.setBrush(QColor(120, 120, 230));
        p.setPen(QPen(QColor(50, 50, 150), 1.2));
        p.drawPath(bell);
    } else if (key == QLatin1String("toku05")) { // stamens
        p.setBrush(QColor(250, 220, 230));
        p.setPen(QPen(QColor(200, 120, 150), 1));
        p.drawEllipse(QPointF(16, 27), 12, 4);
        for (int i = 0; i < 5; ++i) {
            const QPointF top(6 + i * 5, 6 + (i % 2) * 4);
            p.setPen(QPen(QColor(110, 150, 60), 1.4));
            p.drawLine(QPointF(16, 27), top);
            p.setBrush(QColor(240, 180, 20));
            p.setPen(QPen(QColor(170, 110, 0), 0.8));
            p.drawEllipse(top, 2.5, 2.5);
        }
    } else if (key == QLatin1String("toku06")) { // leaf arrangement: alternate leaves
        p.setPen(QPen(Stem, 2));
        p.drawLine(QPointF(16, 31), QPointF(16, 1));
        leafShape(p, QPointF(16, 24), QPointF(4, 18), 4, false);
        leafShape(p, QPointF(16, 16), QPointF(28, 10), 4, false);
        leafShape(p, QPointF(16, 8), QPointF(6, 2), 3, false);
    } else if (key == QLatin1String("toku07")) { // leaf shape
        leafShape(p, QPointF(5, 28), QPointF(28, 4), 9, false);
    } else if (key == QLatin1String("toku08")) { // venation
        leafShape(p, QPointF(5, 28), QPointF(28, 4), 9, true);
    } else if (key == QLatin1String("toku09")) { // stem form: a climbing stem
        QPainterPath stem(QPointF(16, 31));
        stem.cubicTo(QPointF(4, 24), QPointF(28, 16), QPointF(16, 8));
        stem.cubicTo(QPointF(10, 4), QPointF(20, 2), QPointF(18, 1));
        p.setPen(QPen(Stem, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        leafShape(p, QPointF(13, 20), QPointF(4, 14), 3, false);
    } else if (key == QLatin1String("toku10")) { // stem cross-section: a square stem, cut
        p.setBrush(QColor(150, 200, 110));
        p.setPen(QPen(LeafDark, 1.5));
        p.drawRoundedRect(QRectF(5, 5, 22, 22), 4, 4);
        p.setBrush(QColor(235, 245, 210));
        p.drawEllipse(c, 6, 6);
    } else if (key == QLatin1String("ken01")) {
        magnifier(p, QPointF(13, 13), 9);
    } else if (key == QLatin1String("ken02")) {
        magnifier(p, QPointF(13, 13), 10);
        label(p, QRectF(3, 3, 20, 20), QStringLiteral("AI"), QColor(200, 30, 30), 10);
    } else if (key == QLatin1String("ken03")) {
        magnifier(p, QPointF(13, 13), 10);
        label(p, QRectF(3, 3, 20, 20), QStringLiteral("≒"), QColor(30, 110, 30), 13);
    } else if (key == QLatin1String("ken04") || key == QLatin1String("ken05") ||
               key == QLatin1String("ken06")) { // searches shown as pictures
        pictureFrame(p, QRectF(2, 3, 22, 18));
        magnifier(p, QPointF(20, 20), 6.5);
        if (key == QLatin1String("ken05")) {
            label(p, QRectF(13.5, 13.5, 13, 13), QStringLiteral("AI"), QColor(200, 30, 30), 7);
        } else if (key == QLatin1String("ken06")) {
            label(p, QRectF(13.5, 13.5, 13, 13), QStringLiteral("≒"), QColor(30, 110, 30), 9);
        }
    } else if (key == QLatin1String("ken07")) { // family name
        p.setBrush(QColor(255, 250, 225));
        p.setPen(QPen(Ink, 1.2));
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 4, 4);
        label(p, QRectF(3, 3, 26, 26), QStringLiteral("科"), QColor(30, 90, 40), 20);
    } else if (key == QLatin1String("ken08")) { // list of registered names
        p.setBrush(Qt::white);
        p.setPen(QPen(Ink, 1.2));
        p.drawRect(QRectF(5, 2, 22, 28));
        for (int i = 0; i < 5; ++i) {
            p.setPen(QPen(QColor(200, 40, 60), 2));
            p.drawPoint(QPointF(9, 7 + i * 5));
            p.setPen(QPen(Ink, 1.4));
            p.drawLine(QPointF(12, 7 + i * 5), QPointF(24, 7 + i * 5));
        }
    } else if (key == QLatin1String("ken09")) { // plant name, shown as pictures
        pictureFrame(p, QRectF(9, 2, 21, 17));
        p.setBrush(QColor(255, 250, 225));
        p.setPen(QPen(Ink, 1));
        p.drawRect(QRectF(2, 15, 16, 15));
        label(p, QRectF(2, 15, 16, 15), QStringLiteral("名"), Ink, 12);
    } else if (key == QLatin1String("kai01")) { // clear conditions: a crossed-out check list
        p.setBrush(Qt::white);
        p.setPen(QPen(Ink, 1.2));
        p.drawRect(QRectF(4, 3, 20, 26));
        p.setPen(QPen(QColor(40, 140, 40), 2));
        for (int i = 0; i < 3; ++i) {
            p.drawPolyline(QPolygonF{{7, 9.0 + i * 7}, {9.5, 12.0 + i * 7}, {14, 6.0 + i * 7}});
        }
        p.setPen(QPen(QColor(220, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(29, 29));
        p.drawLine(QPointF(29, 15), QPointF(15, 29));
    } else if (key == QLatin1String("opt01")) { // picture data: a stack of photos
        p.setBrush(QColor(240, 240, 240));
        p.setPen(QPen(Ink, 1));
        p.drawRect(QRectF(8, 3, 21, 17));
        pictureFrame(p, QRectF(3, 10, 22, 18));
    } else if (key == QLatin1String("-")) { // a separator, as the customiser lists it
        p.setPen(QPen(QColor(150, 150, 150), 2));
        p.drawLine(QPointF(16, 3), QPointF(16, 29));
    } else if (key == QLatin1String("HE")) { // help: a question mark
        QRadialGradient g(QPointF(12, 10), 18);
        g.setColorAt(0, QColor(255, 255, 180));
        g.setColorAt(1, QColor(240, 200, 40));
        p.setBrush(g);
        p.setPen(QPen(QColor(160, 120, 0), 1.2));
        p.drawEllipse(c, 14, 14);
        label(p, QRectF(0, 0, S, S), QStringLiteral("?"), QColor(30, 60, 160), 22);
    }
}

// --- title animation ----------------------------------------------------

constexpr int F = 120; // frame size

void meadow(QPainter& p) {
    QLinearGradient sky(0, 0, 0, F);
    sky.setColorAt(0, QColor(120, 180, 240));
    sky.setColorAt(0.75, QColor(225, 240, 255));
    p.fillRect(QRect(0, 0, F, F), sky);
    // sun
    QRadialGradient sun(QPointF(96, 22), 18);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(0.6, QColor(255, 220, 90));
    sun.setColorAt(1, QColor(255, 220, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(96, 22), 18, 18);
    // ground
    QLinearGradient earth(0, 96, 0, F);
    earth.setColorAt(0, QColor(110, 80, 50));
    earth.setColorAt(1, QColor(80, 55, 35));
    p.setBrush(earth);
    p.drawRect(QRectF(0, 98, F, 22));
    p.setBrush(QColor(100, 170, 70));
    p.drawRect(QRectF(0, 96, F, 4));
}

// Growth stage 0..11: 0 a seed, 11 in full flower.
void plant(QPainter& p, int stage, bool butterfly) {
    const QPointF base(60, 98);
    if (stage == 0) {
        p.setBrush(QColor(120, 80, 40));
        p.setPen(QPen(QColor(70, 45, 20), 1));
        p.drawEllipse(QPointF(60, 104), 4, 3);
        return;
    }
    const double height = std::min(70.0, 8.0 + stage * 7.0);
    const QPointF top(60, 98 - height);
    QPainterPath stem(base);
    stem.cubicTo(QPointF(56, 98 - height * 0.4), QPointF(64, 98 - height * 0.7), top);
    p.setPen(QPen(Stem, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    // seed leaves, then true leaves as it grows
    leafShape(p, QPointF(60, 92), QPointF(stage < 3 ? 50 : 46, 86), 3.5, false);
    leafShape(p, QPointF(60, 92), QPointF(stage < 3 ? 70 : 74, 86), 3.5, false);
    if (stage >= 4) {
        leafShape(p, QPointF(59, 78), QPointF(38, 68), 6, true);
    }
    if (stage >= 5) {
        leafShape(p, QPointF(61, 66), QPointF(82, 56), 6, true);
    }
    if (stage >= 6) {
        leafShape(p, QPointF(60, 54), QPointF(44, 44), 5, true);
    }
    if (stage >= 7 && stage <= 8) { // a bud that swells
        const double r = stage == 7 ? 4 : 6;
        p.setBrush(QColor(90, 160, 70));
        p.setPen(QPen(LeafDark, 1));
        p.drawEllipse(top, r * 0.8, r);
        p.setBrush(QColor(220, 90, 150));
        p.setPen(Qt::NoPen);
        p.drawEllipse(top + QPointF(0, -r * 0.4), r * 0.45, r * 0.6);
    }
    if (stage >= 9) { // the flower opens
        const double r = stage == 9 ? 7 : (stage == 10 ? 11 : 13);
        const double size = stage == 9 ? 5 : (stage == 10 ? 7 : 8);
        petals(p, top, r, 5,
               {QColor(235, 90, 150), QColor(245, 120, 170), QColor(230, 80, 140),
                QColor(245, 120, 170), QColor(235, 90, 150)},
               size);
    }
    if (butterfly) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(QPointF(90, 40), 6, 4);
        p.drawEllipse(QPointF(98, 40), 6, 4);
        p.setBrush(QColor(250, 170, 30));
        p.drawEllipse(QPointF(91, 47), 4, 3);
        p.drawEllipse(QPointF(97, 47), 4, 3);
        p.setPen(QPen(Ink, 2));
        p.drawLine(QPointF(94, 37), QPointF(94, 49));
    }
}

} // namespace

QIcon toolbarIcon(const QString& key) {
    QPixmap pm(S, S);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawIcon(p, key);
    }
    return QIcon(pm);
}

QIcon programIcon() {
    return toolbarIcon(QStringLiteral("toku01"));
}

QPixmap titleFrame(int imageNumber) {
    QPixmap pm(F, F);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    meadow(p);
    // Image3 is the empty meadow (shown first, and again as a blink before
    // the last frame); Image4..Image14 grow the plant; Image15 is in flower
    // with a visitor.
    if (imageNumber >= 4 && imageNumber <= 14) {
        plant(p, imageNumber - 4, false);
    } else if (imageNumber == 15) {
        plant(p, 11, true);
    }
    return pm;
}

} // namespace kuyu::gui
