// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing/PrinterSurface.h"

#include "gui/platform/QtText.h"

namespace kuyu::gui {

void PrinterSurface::printText(const QString& text) {
    printLine({{0, ts(text)}});
}

} // namespace kuyu::gui
