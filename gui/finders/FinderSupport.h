#pragma once
// Small pieces the finder windows share: printing a count line and the
// usual place of a new window. (Faces, menus and cell widths are the window
// base's.)

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

// Places a new window at its usual spot below the main window (which sits at
// the top), clear of the other windows where there is room.
void PlaceBelowMainWindow(QWidget* w, const QWidget* mainWindow);

} // namespace kuyu::gui
