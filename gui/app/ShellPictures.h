// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell's pictures, drawn rather than shipped: one small picture per
// toolbar button and the thirteen frames of the title animation.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kuyu::gui {

// The picture of a toolbar button by its key ("toku01", "ken01", "HE", ...);
// "-" is the separator as the customise dialog lists it.
QIcon toolbarIcon(const QString& key);
// The program's own icon.
QIcon programIcon();
// Frame of the title animation held by Image3 .. Image15 (size 120 x 120).
QPixmap titleFrame(int imageNumber);

} // namespace kuyu::gui
