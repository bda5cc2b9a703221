// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings of picture printing, shared by the print settings dialog and the
// print job. They live for one run and survive a database reload.

#include "core/text/Text.h"

#include <cstdint>

namespace kuyu {

struct PrintSettings {
    // Scales, and positions in millimetres from the printable area's top-left.
    float PrintPictureZoom = 1;
    float PrintPictureLeft = 30;
    float PrintPictureTop = 30;
    float PrintCloseUpZoom = 1;
    float PrintCloseUpLeft = 30;
    float PrintCloseUpTop = 150;
    float PrintNameLeft = 30;
    float PrintNameTop = 20;
    float PrintCardLeft = 100;
    float PrintCardTop = 30;
    float PrintCardZoom = 1;
    // 1 = print the item.
    std::int16_t PrintNameOn = 1;
    std::int16_t PrintCardOn = 1;
    std::int16_t PrintPictureOn = 1;
    std::int16_t PrintCloseUpOn = 1;
    Text PrintNameText;
    // Preview twips per page twip, set when the dialog lays out its sheet.
    float PreviewScale = 0;
};

inline void resetPrintSettings(PrintSettings& s) {
    s = PrintSettings{};
}

} // namespace kuyu
