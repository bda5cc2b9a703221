#pragma once
// Keeps a top-level window inside the available screen area (the offscreen
// test screen is small), centred when it has not been placed yet.

class QWidget;

namespace kuyu::gui {

// Centres `w` on its screen's available area, clamped so its top-left corner
// stays visible.
void placeOnScreen(QWidget* w);

// Puts `w` just below `mainWindow` (when it is showing), its left edge at
// `fraction` of the available width.
void placeBelow(QWidget* w, const QWidget* mainWindow, double fraction);

// Moves `w` back inside the available area if part of it lies outside.
void keepOnScreen(QWidget* w);

} // namespace kuyu::gui
