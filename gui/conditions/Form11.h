// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The condition picker: one search category's illustration with its numbered
// options, eight option buttons, 確認 and 中止. It changes only CurrentOption
// and its own caption until the user confirms.

#include "gui/widgets/FormWindow.h"

class QAction;
class QImage;
class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class ImageBox;

class Form11 : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form11";
    Form11(App& app, QWidget* parent);

    ImageBox* image() const { return image_; }
    QPushButton* optionButton(int n) const; // 1..8
    QPushButton* confirmButton() const { return confirm_; }
    QPushButton* cancelButton() const { return cancel_; }
    // Loads `picture` into Image1; an empty one blanks it.
    void setIllustration(const QImage& picture);
    QMenu* menuNothingPicked() const { return menu11_; }
    QMenu* menuPicked() const { return menu12_; }

    // Shows Command1..CommandN and hides the rest (1 to 3 always show).
    void showOptionButtons(int optionCount);

    // The option of the illustration grid at a point of Image1 (pixels);
    // 0 in the gaps and outside.
    static int OptionAt(QPoint pixelPos);
    // The picture cell of option n (1..8) in Image1, in pixels; what is drawn
    // over a cell (the count badges) is placed from it.
    static QRect OptionCell(int n);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void onRightClick(QWidget* control, const QPoint& globalPos) override;

  private:
    void pick(int n);            // a click on CommandN
    void pickFromPicture(int n); // illustration, digit keys
    void confirm();              // Command9
    void cancel();               // Command10
    void undoChoice();           // MENU121
    void popUpMenu();

    ImageBox* image_ = nullptr;
    QPushButton* options_[8] = {};
    QPushButton* confirm_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QMenu* menu11_ = nullptr;
    QMenu* menu12_ = nullptr;
    QAction* menu124_ = nullptr;
    bool finished_ = false; // confirmed or cancelled: ignore late events
};

} // namespace kuyu::gui
