// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/browse/FeatureWindow.h"

#include "core/features/Features.h"
#include "core/state/PlantCode.h"
#include "gui/app/App.h"
#include "gui/browse/Browse.h"
#include "gui/browse/BrowseTexts.h"
#include "gui/browse/ResultPagesWindow.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace kuyu::gui {

namespace {

const QColor Background(192, 192, 192);
const QColor FrameLine(128, 128, 128);
const QColor ClassificationBack(128, 255, 128);
const QColor NameBack(255, 255, 224);

// Geometry in twips.
constexpr int Left = 240, BoxLeft = 1200, RowTop = 480, RowStep = 360;
constexpr int RowWidth = 975, RowHeight = 375;
constexpr int ClassTop = 120, ClassWidth = 1935;
constexpr int ButtonLeft = 1320, ButtonTop = 4200, ButtonWidth = 855;
constexpr int ClientWidth = 2370, ClientHeight = 4710;
constexpr int LineX = 2190, LineTop = 180, LineY = 4110, LineFrom = 300, LineTo = 2175;

QFont mincho(double points, bool bold = false) {
    QFont f = FormWindow::minchoFont();
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The widest text a feature box can be given: a mark and any option label.
int widestFeature(const AppState& s, const QFont& f) {
    const QFontMetrics fm(f);
    int widest = 0;
    for (int k = 1; k <= CategoryCount; ++k) {
        for (const Text& label : s.OptionLabel[static_cast<std::size_t>(k)]) {
            widest = std::max(widest, fm.horizontalAdvance(QStringLiteral("  ") + qs(label)));
        }
    }
    for (const char32_t* t : {U"  不明 ", U"  不定 ", U"  なし "}) {
        widest = std::max(widest, fm.horizontalAdvance(q(t)));
    }
    return widest + 6;
}

int widestClassification(const AppState& s, const QFont& f) {
    const QFontMetrics fm(f);
    int widest = 0;
    for (const Text& label : s.OptionLabel[ClassCategory]) {
        widest = std::max(widest, fm.horizontalAdvance(qs(label)));
    }
    return widest + 6;
}

} // namespace

Form46A::Form46A(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::FeatureCaption));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);

    const QFont boxFont = mincho(11.25);
    const QFont nameFont = mincho(11.25, true);
    const QFont classFont = mincho(12);
    // The design's boxes are narrow; the widest text this database can put
    // into one widens the column, and everything right of it moves along.
    dx_ = std::max(0, widestFeature(app.state, boxFont) - px(RowWidth));
    const int rowHeight = std::max(px(RowHeight), QFontMetrics(nameFont).height() + 4);

    label11_ = makeLabel("Label11", QString());
    label11_->setFont(classFont);
    label11_->setAutoFillBackground(true);
    QPalette classPal = label11_->palette();
    classPal.setColor(QPalette::Window, ClassificationBack);
    label11_->setPalette(classPal);
    label11_->setGeometry(
        px(Left), px(ClassTop),
        std::max(px(ClassWidth) + dx_, widestClassification(app.state, classFont)), rowHeight);
    watch(label11_, RightClick);

    for (int k = 1; k <= CategoryCount; ++k) {
        const int top = px(RowTop + RowStep * (k - 1));
        QLabel* name =
            makeLabel(qPrintable(QStringLiteral("Label%1").arg(k)),
                      q(texts::FeatureCategoryNames.at(static_cast<std::size_t>(k - 1))));
        name->setFont(nameFont);
        name->setAutoFillBackground(true);
        QPalette namePal = name->palette();
        namePal.setColor(QPalette::Window, NameBack);
        name->setPalette(namePal);
        name->setGeometry(px(Left), top, px(RowWidth), rowHeight);
        watch(name, RightClick);

        auto* box = new PrintBox(this);
        box->setObjectName(QStringLiteral("TOK1_%1").arg(k - 1));
        box->setFont(boxFont);
        box->setBackColor(palette().color(QPalette::Base));
        box->setForeColor(FeatureViewColour(k));
        box->setGeometry(px(BoxLeft), top, px(RowWidth) + dx_, rowHeight);
        box->setAccessibleName(name->text().trimmed());
        watch(box, RightClick);
        tok1_[static_cast<std::size_t>(k - 1)] = box;
    }

    command1_ = makeButton("Command1", q(texts::Close));
    command1_->setFont(mincho(9.75));
    command1_->setGeometry(px(ButtonLeft) + dx_, px(ButtonTop),
                           std::max(px(ButtonWidth), command1_->sizeHint().width()),
                           std::max(px(RowHeight), command1_->sizeHint().height()));
    connect(command1_, &QPushButton::clicked, this, [this] { unload(); });
    setCancelButton(command1_);

    menu_ = makeMenu("MENU_46A", q(texts::FeatureMenuTitle));
    menu461A_ = addMenuItem(menu_, "MENU461A", q(texts::FeatureMenuClose));
    connect(menu461A_, &QAction::triggered, command1_, &QPushButton::click);
    watch(this, RightClick);

    // Wide enough for the classification and for the button at its font's
    // width, which may pass the given geometry.
    const int width = std::max({px(ClientWidth) + dx_, label11_->geometry().right() + 12,
                                command1_->geometry().right() + 8});
    const int height = std::max(px(ClientHeight), command1_->geometry().bottom() + 10);
    setFixedSize(width, height);
    baseWidth_ = width;
}

void Form46A::setCaption(const QString& caption) {
    setWindowTitle(caption);
    // Wide enough for the whole name in the title bar, as far as the
    // screen goes.
    const int screen = availableArea(this).width() - frameExtra(this).width();
    setFixedWidth(std::max(baseWidth_, std::min(titleBarWidth(this, caption), screen)));
}

void Form46A::clearFeatures() {
    for (PrintBox* box : tok1_) {
        box->cls();
    }
}

void Form46A::onRightClick(QWidget*, const QPoint& globalPos) {
    popUp(menu_, menu461A_, globalPos);
}

void Form46A::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(FrameLine, 2));
    p.drawLine(px(LineX) + dx_, px(LineTop), px(LineX) + dx_, px(LineY));
    p.drawLine(px(LineFrom), px(LineY), px(LineTo) + dx_, px(LineY));
}

void ShowPlantFeatures(App& app) {
    const CursorGuard hourglass;
    const bool loaded = app.loaded<Form46A>() != nullptr;
    auto& view = app.load<Form46A>();
    view.clearFeatures();
    const int row = FindPlantByKey(app.state, app.state.NameKey);
    if (row == 0) {
        return;
    }
    const PlantFeatures f = FeatureViewFeatures(app.state, row);
    view.setCaption(qs(f.caption));
    for (int i = 0; i < CategoryCount; ++i) {
        view.feature(i)->setForeColor(FeatureViewColour(i + 1));
        view.feature(i)->print(f.values.at(static_cast<std::size_t>(i)));
    }
    // A plant without a classification leaves the last one showing.
    if (CodeDigit(PlantCode(app.state.code(row)).classification()) != 0) {
        view.classification()->setText(qs(f.classification));
        view.classification()->setAccessibleName(qs(f.classification));
    }
    if (!loaded || !view.isVisible()) {
        // Beside the pages when there is room, else where it fits.
        const Form45* pages = app.loaded<Form45>();
        if (pages && pages->isVisible()) {
            placeWindowBeside(&view, pages);
        } else {
            placeWindow(&view);
        }
    }
    showRestored(&view);
    fitOnScreen(&view); // a longer name may have widened it
}

} // namespace kuyu::gui
