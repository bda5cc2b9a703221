// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/finders/FinderSupport.h"

#include "gui/widgets/PrintBox.h"

#include <QAction>
#include <QFontMetrics>

namespace kuyu::gui {

void PrintCountLine(PrintBox& box, const CountLine& line) {
    box.setForeColor(line.colour);
    box.print(line.text);
}

} // namespace kuyu::gui
