// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the tool draws.

#include "Traits.h"

#include <QImage>
#include <QString>

#include <vector>

namespace sampledata {

struct PlantInfo {
    QString name;   // as in the table
    QString family; // without the family word
    Traits traits;
};

// The plant as a whole: flowers, stem and leaves, its name underneath.
QImage plantPicture(const PlantInfo& plant);

// Close-ups: the flower with its stamens ('Q'), a leaf with its veins and
// the stem's cross-section ('R').
QImage flowerCloseUp(const PlantInfo& plant);
QImage leafCloseUp(const PlantInfo& plant);

// A few seconds of the flower opening.
std::vector<QImage> openingFrames(const PlantInfo& plant, int count);

// The picker's illustration of category k (1..10): 2 rows of 4 numbered
// drawings with their labels. `labels` holds the option labels 1..n.
QImage categoryIllustration(int k, const std::vector<QString>& labels);

} // namespace sampledata
