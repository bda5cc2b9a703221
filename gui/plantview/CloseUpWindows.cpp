// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plantview/CloseUpWindows.h"

#include "core/images/PictureLookup.h"
#include "gui/app/App.h"
#include "gui/images/ImageBox.h"
#include "gui/images/PictureLoader.h"
#include "gui/plantview/PlantViewTexts.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QMenu>
#include <QPushButton>

namespace kuyu::gui {

namespace {
constexpr int SideTwips = 127;  // window width less the picture's
constexpr int BelowTwips = 421; // window height less the picture's
constexpr int FirstBelowTwips = 412;
constexpr int ButtonRow = 24; // pixels of the 終了 row under the picture
} // namespace

CloseUpWindow::CloseUpWindow(App& app, QWidget* parent, const char* name,
                             const QString& designCaption, const char* menuName,
                             const QString& menuCaption, const char* itemName,
                             const QString& itemCaption)
    : FormWindow(app, name, parent) {
    setWindowTitle(designCaption);
    image_ = new ImageBox(this);
    image_->setObjectName(QStringLiteral("Image1"));
    command1_ = makeButton("Command1", q(texts::Close));
    command1_->setFont(QFont(minchoFont().family()));
    setDefaultButton(command1_);
    connect(command1_, &QPushButton::clicked, this, [this] { unload(); });

    menu_ = makeMenu(menuName, menuCaption);
    auto* item = addMenuItem(menu_, itemName, itemCaption);
    connect(item, &QAction::triggered, command1_, &QPushButton::click);
    connect(image_, &ImageBox::rightReleased, this,
            [this](QPoint) { menu_->popup(QCursor::pos()); });

    // However small the picture, the 終了 button shows whole.
    setMinimumWidth(command1_->sizeHint().width() + px(SideTwips));
    resize(px(4800), px(3600));
    placeWindow(this);
}

int CloseUpWindow::widthTwips() const {
    return twips(width());
}
int CloseUpWindow::heightTwips() const {
    return twips(height());
}

void CloseUpWindow::setWidthTwips(int t) {
    resize(std::max(1, px(t)), height());
    applyResizeRule();
}

void CloseUpWindow::setHeightTwips(int t) {
    resize(width(), std::max(1, px(t)));
    applyResizeRule();
}

void CloseUpWindow::applyResizeRule() {
    if (inRule_) {
        return;
    }
    inRule_ = true;
    image_->setStretch(true);
    fitImageTo(width());
    inRule_ = false;
}

// The picture is stretched to `windowWidth` less the side margin, keeping the
// proportions it has now; in the normal state the window's height follows.
// A window narrower than the margin still shows one column, and a picture of
// no width keeps its height instead of dividing by zero.
void CloseUpWindow::fitImageTo(int windowWidth) {
    const int w = image_->width();
    const int h = image_->height();
    const int newW = std::max(1, windowWidth - px(SideTwips));
    const int newH = w > 0 ? static_cast<int>(static_cast<long long>(h) * newW / w) : h;
    image_->resize(newW, std::max(0, newH));
    QSize wanted(windowWidth, height());
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        wanted.setHeight(image_->height() + px(BelowTwips));
    }
    if (size() != wanted) {
        resize(wanted);
    }
    layOut();
}

void CloseUpWindow::showAtWidth(const QImage& picture, int widthTwips) {
    inRule_ = true;
    image_->setStretch(false);
    image_->setPicture(picture); // the picture's proportions
    image_->setStretch(true);
    fitImageTo(std::max(minimumWidth(), px(widthTwips)));
    inRule_ = false;
}

void CloseUpWindow::layOut() {
    const int side = px(SideTwips) / 2;
    image_->move(side, 0);
    const int bw = command1_->sizeHint().width();
    const int top = std::min(image_->height() + 2, std::max(0, height() - ButtonRow - 2));
    command1_->setGeometry(std::max(0, width() - bw - side), top, bw, ButtonRow);
}

void CloseUpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyResizeRule();
}

Form43::Form43(App& app, QWidget* parent)
    : CloseUpWindow(app, parent, Name, q(texts::CloseUpCaption), "MENU_43", q(texts::CloseUpMenu),
                    "MENU431", q(texts::CloseUpMenuEnd)) {}

Form43R::Form43R(App& app, QWidget* parent)
    : CloseUpWindow(app, parent, Name, q(texts::SupplementCaption), "MENU_43R",
                    q(texts::SupplementMenu), "MENU431R", q(texts::SupplementMenuEnd)) {}

bool FillCloseUp(App& app, CloseUpWindow& window, const std::vector<Text>& candidates,
                 const QString& caption, bool ownerNormal) {
    const bool wasVisible = window.isVisible();
    const int w0 = window.widthTwips();
    window.image()->setStretch(false);
    const auto file = firstExisting(candidates);
    if (!file) {
        window.image()->setStretch(true);
        window.setHeightTwips(window.heightTwips() + 30);
        window.setHeightTwips(window.heightTwips() - 30);
        return false;
    }
    QImage picture;
    try {
        picture = LoadPicture(app, *file);
    } catch (...) {
        window.image()->setStretch(true);
        throw;
    }
    if (wasVisible) {
        // An open close-up keeps the width the person gave it and takes the
        // new picture's proportions. It goes there in one step: a window
        // manager answers every size it is asked for, late, and an answer for
        // a size on the way (the picture's natural one) would undo the width.
        window.showAtWidth(picture, w0);
        if (!ownerNormal && window.image()->width() > 0) {
            window.setHeightTwips(static_cast<int>(
                static_cast<long long>(w0) * window.image()->height() / window.image()->width()));
        }
    } else {
        window.image()->setPicture(picture); // natural size while stretch is off
        window.setWidthTwips(twips(picture.width()) + SideTwips);
        window.setHeightTwips(twips(picture.height()) + FirstBelowTwips);
        window.image()->setStretch(true);
    }
    window.setWindowTitle(caption);
    showRestored(&window);
    fitOnScreen(&window);
    return true;
}

} // namespace kuyu::gui
