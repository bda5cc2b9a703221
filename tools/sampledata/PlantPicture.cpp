// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"
#include "Pictures.h"

#include <QPainter>

namespace sampledata {
namespace {

const QColor Paper(248, 250, 242);

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Paper);
    return image;
}

// The name under the drawing, with the family and an optional note after it.
void nameBand(QPainter& p, const QRect& band, const PlantInfo& plant, const QString& what) {
    p.save();
    p.fillRect(band, Qt::white);
    p.setPen(QColor(170, 170, 170));
    p.drawLine(band.topLeft(), band.topRight());
    p.setPen(Qt::black);
    const QString text = what.isEmpty() ? plant.name : plant.name + QStringLiteral("  ") + what;
    int size = 18;
    for (; size > 10; --size) { // long names get a smaller face, never cut off
        p.setFont(japaneseFont(size));
        if (p.fontMetrics().horizontalAdvance(text) <= band.width() - 8) {
            break;
        }
    }
    p.setFont(japaneseFont(size));
    const int nameHeight = band.height() * 11 / 20;
    p.drawText(QRect(band.left(), band.top() + 1, band.width(), nameHeight), Qt::AlignCenter, text);
    p.setFont(japaneseFont(12));
    p.setPen(QColor(70, 70, 70));
    p.drawText(
        QRect(band.left(), band.top() + nameHeight, band.width(), band.height() - nameHeight),
        Qt::AlignCenter, QStringLiteral("(") + plant.family + QStringLiteral("科)"));
    p.restore();
}

// Horsetails, ferns and conifers carry no flowers: a brown spore cone.
void drawCone(QPainter& p, QPointF c, qreal r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 1.2));
    p.setBrush(QColor(160, 120, 70));
    p.drawEllipse(c, r * 0.45, r);
    p.setPen(QPen(QColor(100, 70, 40), 0.8));
    for (int i = -3; i <= 3; ++i) {
        const qreal y = c.y() + r * 0.25 * i;
        p.drawLine(QPointF(c.x() - r * 0.4, y), QPointF(c.x() + r * 0.4, y));
    }
    p.restore();
}

qreal leafLength(const Traits& t) {
    if (t.venation == 2)
        return 78;
    if (t.leafShape == 4)
        return 66;
    if (t.leafShape == 3)
        return 48;
    return 56;
}

// A fern: the leaves are the whole plant, fronds rising from the ground.
bool isFern(const Traits& t) {
    return t.classification == 4 && (t.leafShape == 3 || t.leafShape == 4);
}

// A frond: a stalk with many pairs of narrow leaflets, smaller to the tip.
void drawFrond(QPainter& p, QPointF foot, qreal angle, qreal length) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(foot);
    p.rotate(angle);
    p.setPen(QPen(leafEdge(), 2));
    p.drawLine(QPointF(0, 0), QPointF(length, 0));
    constexpr int Pairs = 10;
    for (int i = 0; i < Pairs; ++i) {
        const qreal t = 0.25 + 0.72 * i / Pairs;
        const qreal leaflet = length * 0.26 * (1.05 - t);
        for (int side : {-1, 1}) {
            drawLeaf(p, QPointF(length * t, 0), side * 62, leaflet, 2, 1);
        }
    }
    p.restore();
}

void drawFronds(QPainter& p, QPointF foot) {
    drawFrond(p, foot, -125, 200);
    drawFrond(p, foot, -55, 200);
    drawFrond(p, foot, -92, 270);
}

// The underside of a fern leaflet with its rows of spore cases.
void drawSori(QPainter& p, QPointF base, qreal length) {
    drawLeaf(p, base, -30, length, 2, 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(base);
    p.rotate(-30);
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(150, 90, 40));
    for (int i = 1; i <= 6; ++i) {
        const qreal x = length * (0.12 + 0.12 * i);
        for (int side : {-1, 1}) {
            p.drawEllipse(QPointF(x, side * length * 0.1), length * 0.025, length * 0.025);
        }
    }
    p.restore();
}

} // namespace

void drawLeaves(QPainter& p, const Stem& stem, const Traits& t, qreal scale) {
    if (t.arrangement < 0 || t.leafShape < 0) {
        return;
    }
    const qreal len = leafLength(t) * scale;
    const int shape = t.leafShape;
    const int veins = t.venation > 0 ? t.venation : 1;
    const qreal tilt = veins == 2 ? 25 : 0; // grass-like leaves stand up
    switch (t.arrangement) {
    case 2:
        for (qreal at : {0.15, 0.42, 0.68}) {
            const qreal k = 1 - 0.3 * at;
            drawLeaf(p, stem.pointAt(at), -28 - tilt, len * k, shape, veins);
            drawLeaf(p, stem.pointAt(at), -152 + tilt, len * k, shape, veins);
        }
        break;
    case 3:
        for (qreal at : {0.2, 0.56}) {
            const qreal k = 1 - 0.3 * at;
            drawLeaf(p, stem.pointAt(at), -62, len * 0.6 * k, shape, veins);
            drawLeaf(p, stem.pointAt(at), -118, len * 0.6 * k, shape, veins);
            drawLeaf(p, stem.pointAt(at), -18 - tilt, len * k, shape, veins);
            drawLeaf(p, stem.pointAt(at), -162 + tilt, len * k, shape, veins);
        }
        break;
    case 4: {
        const qreal angles[] = {-172, -148, -122, -58, -32, -8};
        for (qreal a : angles) {
            const qreal steep = veins == 2 ? (a < -90 ? 30 : -30) : 0;
            drawLeaf(p, stem.bottom + QPointF(0, -2), a + steep, len * 1.05, shape, veins);
        }
        break;
    }
    default: {
        int i = 0;
        for (qreal at : {0.12, 0.3, 0.48, 0.66}) {
            const bool right = (i++ % 2) == 0;
            drawLeaf(p, stem.pointAt(at), right ? -30 - tilt : -150 + tilt, len * (1 - 0.3 * at),
                     shape, veins);
        }
        break;
    }
    }
}

namespace {

void sectionInset(QPainter& p, const QRect& box, int section) {
    p.save();
    p.setPen(QColor(160, 160, 160));
    p.setBrush(Qt::white);
    p.drawRect(box);
    drawStemSection(p, QPointF(box.center().x() + 0.5, box.top() + box.height() * 0.38),
                    box.width() * 0.28, section);
    p.setPen(QColor(60, 60, 60));
    p.setFont(japaneseFont(9));
    p.drawText(QRect(box.left(), box.bottom() - 12, box.width(), 12), Qt::AlignCenter,
               QStringLiteral("断面"));
    p.restore();
}

} // namespace

QImage plantPicture(const PlantInfo& plant) {
    const Traits& t = plant.traits;
    QImage image = canvas(200, 340);
    QPainter p(&image);
    p.fillRect(QRect(0, 290, 200, 10), QColor(186, 160, 120));

    const qreal size = 118;
    Stem stem{QPointF(100, 292), QPointF(100, 10 + size), t.stemForm > 0 ? t.stemForm : 3};
    if (t.arrangement == 4) {
        stem.form = 3; // a flower stalk from a rosette stands without tendrils
        if (t.stemForm == 4 || t.stemForm == 2)
            stem.form = 4;
    }
    if (isFern(t)) {
        drawFronds(p, QPointF(100, 292));
    } else {
        stem.draw(p);
        drawLeaves(p, stem, t);
    }
    if (isFern(t)) {
        // no flowers and no cone: the spores sit under the leaves
    } else if (t.hasFlower()) {
        drawInflorescence(p, stem.top, size, t);
    } else {
        drawCone(p, stem.top - QPointF(0, 30), 30);
    }
    if (t.stemSection > 0) {
        sectionInset(p, QRect(162, 246, 34, 40), t.stemSection);
    }
    nameBand(p, QRect(0, 300, 200, 40), plant, QString());
    return image;
}

QImage flowerCloseUp(const PlantInfo& plant) {
    QImage image = canvas(240, 240);
    QPainter p(&image);
    if (plant.traits.hasFlower()) {
        FlowerLook f = lookOf(plant.traits);
        f.stamens = plant.traits.stamens;
        drawFlower(p, QPointF(120, 102), 92, f);
    } else if (isFern(plant.traits)) {
        drawSori(p, QPointF(20, 175), 230);
    } else {
        drawCone(p, QPointF(120, 102), 80);
    }
    QString what = QStringLiteral("花");
    if (isFern(plant.traits)) {
        what = QStringLiteral("葉の裏");
    } else if (plant.traits.classification == 4) {
        what = QStringLiteral("胞子穂");
    } else if (plant.traits.classification == 5) {
        what = QStringLiteral("球果");
    }
    nameBand(p, QRect(0, 200, 240, 40), plant, what);
    return image;
}

QImage leafCloseUp(const PlantInfo& plant) {
    const Traits& t = plant.traits;
    QImage image = canvas(240, 240);
    QPainter p(&image);
    Stem stem{QPointF(36, 198), QPointF(36, 8), t.stemForm == 2 || t.stemForm == 4 ? 4 : 3};
    // Rosette leaves and stemless plants: the leaf rises from the ground on
    // its own stalk.
    const bool fromGround = t.arrangement == 4 || t.stemForm < 0;
    QPointF leafBase = stem.pointAt(0.3);
    if (fromGround) {
        leafBase = QPointF(40, 178);
        p.setPen(QPen(stemColour(), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 196), leafBase);
    } else {
        stem.draw(p);
    }
    if (t.leafShape >= 0 && t.arrangement >= 0) {
        const int veins = t.venation > 0 ? t.venation : 1;
        drawLeaf(p, leafBase, veins == 2 ? -45 : (fromGround ? -35 : -22),
                 t.leafShape == 4 ? 185 : 170, t.leafShape, veins);
    }
    if (t.stemSection > 0) {
        sectionInset(p, QRect(178, 6, 56, 64), t.stemSection);
    }
    nameBand(p, QRect(0, 200, 240, 40), plant, QStringLiteral("葉"));
    return image;
}

std::vector<QImage> openingFrames(const PlantInfo& plant, int count) {
    std::vector<QImage> frames;
    for (int i = 0; i < count; ++i) {
        QImage image = canvas(240, 240);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(stemColour(), 4));
        p.drawLine(QPointF(120, 200), QPointF(120, 110));
        FlowerLook f = lookOf(plant.traits);
        const qreal progress = static_cast<qreal>(i) / (count * 0.7);
        f.openness = std::min<qreal>(1.0, 0.05 + progress);
        drawFlower(p, QPointF(120, 100), 88, f);
        nameBand(p, QRect(0, 200, 240, 40), plant, QString());
        frames.push_back(image);
    }
    return frames;
}

} // namespace sampledata
