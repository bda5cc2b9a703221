// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's windows go on the screen, decided in one place.
//
// Every window stays whole on the available screen area and never grows past
// it. A window of the identification walk (search panel, picker, plant
// window, close-ups, note, family window, name search and its list) opens at
// its usual spot (a table by window name) or, where that would cover another
// window of the program, at the nearest spot that covers none, when the
// screen has room for one; otherwise where it covers least.

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace kuyu::gui {

// The available area (without panels) of the screen the window is on.
QRect availableArea(const QWidget* w);

// What a window manager's frame adds to the window's inner size; zero where
// there is no frame (yet). A window not yet shown borrows the main window's.
QSize frameExtra(const QWidget* w);

// Shrinks `w` to fit the available area (frame included), then moves it back
// inside if part of it lies outside. A window the person has placed stays
// where it is when it fits.
void fitOnScreen(QWidget* w);

// Places a top-level window by its object name, as described above.
void placeWindow(QWidget* w);

// Places a window as placeWindow does, but by the window it was opened from:
// to the right of `anchor`, else at the nearest spot that covers none of the
// program's windows.
void placeWindowBeside(QWidget* w, const QWidget* anchor);

// Centres a dialog over the window that asked (below the main window when
// that is the main window's strip), whole on the screen; again as it shows.
void placeDialog(QWidget* dialog, const QWidget* asker);

// The width a window's frame needs to show `caption` whole in its title bar,
// buttons included.
int titleBarWidth(const QWidget* w, const QString& caption);

// Whether a window just placed is still held on its spot while the window
// manager's answers to its moves and resizes come in (about a second and a
// half; longer while its frame is not where it should be).
bool placementPending(const QWidget* w);

// Brings a window that is shown again (refilled for another plant, say) up
// to the person: a minimised one is restored to the state it had, and it is
// raised over the others.
void showRestored(QWidget* w);

// From now on, no top-level window of the application grows beyond the
// available screen area, whatever it asks for.
void installScreenBounds();

} // namespace kuyu::gui
