// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces the finder windows share: printing a count line. (Faces,
// menus and cell widths are the window base's, places the window
// placement's.)

#include "core/search/Search.h"
#include "core/text/Text.h"

#include <QFont>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace kuyu::gui {

class App;
class PrintBox;

// Prints the core's count line in its colour.
void PrintCountLine(PrintBox& box, const CountLine& line);

} // namespace kuyu::gui
