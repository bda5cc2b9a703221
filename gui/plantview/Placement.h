#pragma once
// The windows' calls into the window placement (gui/widgets/WindowPlacement.h),
// which keeps every window whole on the available screen area.

class QWidget;

namespace kuyu::gui {

// Places `w` at its usual spot, clear of the other windows where there is room.
void placeOnScreen(QWidget* w);

// The same, for windows that used to ask for a spot below the main window.
void placeBelow(QWidget* w, const QWidget* mainWindow, double fraction);

// Shrinks `w` to the available area and moves it back inside if part of it
// lies outside.
void keepOnScreen(QWidget* w);

} // namespace kuyu::gui
