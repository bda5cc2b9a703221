// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form01: the small title window with its animation. Timer1 ticks every
// 10 ms; ticks 3 to 16 put the frames into Image2, tick 25 closes the window
// and opens the main window at the top of the screen.

#include "gui/app/App.h"
#include "gui/widgets/FormWindow.h"

class QLabel;
class QTimer;

namespace kuyu::gui {

class Form01 : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form01";
    // The main window's height as this window opens it, in twips.
    static constexpr int MainWindowHeight = 1215;

    Form01(App& app, QWidget* parent = nullptr);

    // One tick of Timer1 (public so the animation can be stepped by hand).
    void Timer1_Timer();
    // Which Image control's picture Image2 shows now: 3..15, or 0 for none yet.
    int shownImage() const { return shown_; }
    // The Image control that tick `tick` shows, 0 for ticks that change nothing.
    static int imageForTick(int tick);
    QTimer* timer() const { return timer_; }

  private:
    QTimer* timer_;
    QLabel* image2_;
    QLabel* frames_[16] = {}; // Image3..Image15 by number
    short ticks_ = 0;
    int shown_ = 0;
};

} // namespace kuyu::gui
