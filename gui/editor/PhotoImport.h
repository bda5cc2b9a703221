// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Making a photo into a plant's picture: read with a size limit, turned
// upright by the orientation a camera wrote into it, scaled to the size the
// windows show whole, and encoded as JPEG. The original file is only read.

#include "core/text/Text.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

namespace kuyu::gui {

class App;

// The largest photo file read, and the most pixels decoded.
constexpr qint64 PhotoFileLimit = 64LL * 1024 * 1024;
constexpr qint64 PhotoPixelLimit = 100LL * 1000 * 1000;

// The box a plant picture is fitted into: the picture positions of the
// illustrated pages (3015 x 5115 twips) show it whole, and the plant picture
// window shows it at its natural size.
constexpr QSize PlantPictureBox{200, 340};
// The box a close-up is fitted into: the close-up window's first size.
constexpr QSize CloseUpBox{320, 240};

struct PreparedPhoto {
    QByteArray jpeg; // empty when it failed
    Text why;        // the reason in the program's words, when it failed
};

// Reads `path` (JPEG, PNG, BMP, GIF through Qt, Pi through the program's own
// decoder), turns it upright, fits it into `box` (never enlarging it) and
// encodes it as JPEG.
PreparedPhoto PreparePhoto(App& app, const QString& path, QSize box);

// Whether `path` names a photo by its extension (compared without case).
bool IsPhotoFile(const QString& path);

} // namespace kuyu::gui
