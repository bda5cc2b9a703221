// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The close-up windows Form43 ("ＵＰ画像表示") and Form43R ("補足"): one
// picture and 終了. The user chooses only the width; the picture is scaled to
// it and the window's height follows the picture's proportions.

#include "core/text/Text.h"

#include "gui/widgets/FormWindow.h"

#include <QImage>

#include <vector>

class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class ImageBox;

class CloseUpWindow : public FormWindow {
    Q_OBJECT
  public:
    ImageBox* image() const { return image_; }
    QPushButton* closeButton() const { return command1_; }
    QMenu* popupMenu() const { return menu_; }

    // Window size in twips, the unit the filling code speaks; every change
    // runs the resize rule, as a user's drag does.
    int widthTwips() const;
    int heightTwips() const;
    void setWidthTwips(int t);
    void setHeightTwips(int t);

    // The resize rule: the picture is stretched to the window's width less
    // 127 twips and keeps its proportions; in the normal state the window's
    // height becomes the picture's height plus 421 twips.
    void applyResizeRule();
    // An open window takes `picture` at the width it has (in twips): the
    // picture is stretched to it in its own proportions and the window's
    // height follows, in one resize.
    void showAtWidth(const QImage& picture, int widthTwips);

  protected:
    CloseUpWindow(App& app, QWidget* parent, const char* name, const QString& designCaption,
                  const char* menuName, const QString& menuCaption, const char* itemName,
                  const QString& itemCaption);
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitImageTo(int windowWidth);
    void layOut();

    ImageBox* image_ = nullptr;
    QPushButton* command1_ = nullptr;
    QMenu* menu_ = nullptr;
    bool inRule_ = false;
};

class Form43 : public CloseUpWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form43";
    Form43(App& app, QWidget* parent);
};

class Form43R : public CloseUpWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form43R";
    Form43R(App& app, QWidget* parent);
};

// Fills a close-up window from the first present candidate, the way every
// close-up button does. Returns false when no candidate exists (the window is
// re-laid out and stays as it was, hidden if hidden). A file that cannot be
// loaded throws RunTimeError; the window then keeps what it showed.
// `ownerNormal` tells whether the window that asked is in the normal state.
bool FillCloseUp(App& app, CloseUpWindow& window, const std::vector<Text>& candidates,
                 const QString& caption, bool ownerNormal);

} // namespace kuyu::gui
