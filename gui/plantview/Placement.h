#pragma once
// Keeps a top-level window inside the available screen area (the offscreen
// test screen is small), centred when it has not been placed yet.

class QWidget;

namespace kuyu::gui {

// Centres `w` on its screen's available area, clamped so its top-left corner
// stays visible.
void placeOnScreen(QWidget* w);

// Moves `w` back inside the available area if part of it lies outside.
void keepOnScreen(QWidget* w);

} // namespace kuyu::gui
