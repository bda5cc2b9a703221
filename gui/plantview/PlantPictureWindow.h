// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plant picture window Form42: one plant's picture, its name and family in
// the caption, its main features, and the buttons that open its close-ups,
// note and video, print it, or close the window.

#include "gui/widgets/FormWindow.h"

#include <QImage>
#include <QSize>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class ImageBox;
class PrintBox;

class Form42 : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form42";
    Form42(App& app, QWidget* parent);

    ImageBox* image() const { return image_; }
    PrintBox* feature(int i) const { return tok_[i]; } // TOK(0..9)
    QLabel* classification() const { return label12_; }
    QMenu* popupMenu() const { return menu_; }

    // The six buttons' work.
    void showCloseUp(char32_t letter); // ＵＰ ("Q") and UP2 ("R")
    void showNote();
    void showVideo();

    // What a printed page of this plant takes from the windows: the picture
    // and classification shown here, and the close-up while the close-up
    // window shows this same plant.
    struct PrintSources {
        QString caption;
        QImage picture;
        QString classification;
        bool closeUpSame = false;
        QImage closeUp;
        QSize closeUpSize; // as the close-up window shows it, pixels
    };
    PrintSources printSources() const;

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;

  private:
    void reportError(int number, const char32_t* notFoundText, const char32_t* notFoundTitle);

    ImageBox* image_ = nullptr;
    PrintBox* tok_[10] = {};
    QLabel* label12_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace kuyu::gui
