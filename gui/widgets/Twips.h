// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry given in twips: 15 twips to one logical pixel. Qt scales logical
// pixels on high-DPI screens.

namespace kuyu::gui {

constexpr int TwipsPerPixel = 15;
constexpr int px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr int twips(int pixels) {
    return pixels * TwipsPerPixel;
}

} // namespace kuyu::gui
