// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Schematic drawing of flowers, leaves and stems, shared by the plant
// pictures, close-ups, category illustrations and videos.

#include "Traits.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace sampledata {

QColor flowerFill(int colour);
QColor flowerEdge(int colour);
QColor leafFill();
QColor leafEdge();
QColor stemColour();

// IPAGothic (or IPAMincho) at a pixel size.
QFont japaneseFont(int pixelSize, bool mincho = false);

// A flower seen from the front: petals of `form` (0 counts as regular,
// separate petals), `petals` petals (7 draws many), in `colour`.
// `openness` 0..1 grows the petals from a closed bud.
struct FlowerLook {
    int colour = 0;
    int petals = 5;
    int form = 1;
    int stamens = 0; // drawn when > 0 (7 draws ten)
    qreal openness = 1.0;
};
FlowerLook lookOf(const Traits& t);
void drawFlower(QPainter& p, QPointF centre, qreal radius, const FlowerLook& look);

// Stamens radiating from the centre: count 1..6, 7 draws ten.
void drawStamens(QPainter& p, QPointF centre, qreal radius, int count);

// A leaf from its base point towards `angle` degrees (0 = right, -90 = up).
// shape: 1 entire, 2 toothed, 3 lobed, 4 compound; venation 1 net, 2 parallel.
void drawLeaf(QPainter& p, QPointF base, qreal angle, qreal length, int shape, int venation);

// A stem from bottom to top: 1 climbing, 2 climbing and hairy, 3 erect,
// 4 erect and hairy (0 draws erect). pointAt gives where leaves attach.
struct Stem {
    QPointF bottom;
    QPointF top;
    int form = 3;
    QPointF pointAt(qreal t) const; // t = 0 at the bottom, 1 at the top
    void draw(QPainter& p) const;
};

// Leaves along a stem (or from its foot, for a rosette) as the plant's
// arrangement, shape and venation say.
void drawLeaves(QPainter& p, const Stem& stem, const Traits& t, qreal scale = 1.0);

// The stem's cross-section: 1 round, 2 round and hollow, 3 triangle,
// 4 square, 5 pentagon; anything else a plain circle.
void drawStemSection(QPainter& p, QPointF centre, qreal radius, int section);

// The flowers at the top of a stem: 1 raceme, 2 spike, 3 umbel, 4 head,
// anything else one flower. `size` is the height the cluster may take.
void drawInflorescence(QPainter& p, QPointF top, qreal size, const Traits& t);

// A large question mark for an "unknown" option.
void drawUnknown(QPainter& p, const QRectF& box);

} // namespace sampledata
