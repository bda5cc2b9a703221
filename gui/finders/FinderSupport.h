#pragma once
// Small pieces the finder windows share: the faces, pop-up menus and
// printing a count line.

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

// The faces the windows ask for; start-up maps them onto installed fonts.
QFont MinchoFont();
QFont GothicFont();

// Width of n half-width character cells (a full-width character takes two)
// in `font`, for sizing the fixed-column lists.
int CellWidth(const QFont& font, int n);

// Prints the core's count line in its colour.
void PrintCountLine(PrintBox& box, const CountLine& line);

// A pop-up menu with an object name and title, built once per window.
QMenu* MakePopupMenu(QWidget* owner, const char* objectName, const QString& title);
QAction* AddMenuItem(QMenu* menu, const char* objectName, const QString& caption);

// Places a new window at its usual spot below the main window (which sits at
// the top), clear of the other windows where there is room.
void PlaceBelowMainWindow(QWidget* w, const QWidget* mainWindow);

// Pops a menu up at the pointer without blocking, so tests can reach it.
void PopUp(QMenu* menu, QAction* defaultItem, const QPoint& globalPos);

} // namespace kuyu::gui
