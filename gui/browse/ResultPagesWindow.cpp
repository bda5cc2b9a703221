// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/browse/ResultPagesWindow.h"

#include "core/Errors.h"
#include "core/browse/BrowseTexts.h"
#include "core/browse/PageMenus.h"
#include "core/images/PictureLookup.h"
#include "gui/app/App.h"
#include "gui/browse/Browse.h"
#include "gui/browse/BrowseTexts.h"
#include "gui/browse/FeatureWindow.h"
#include "gui/images/PictureLoader.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <new>

namespace kuyu::gui {

namespace bt = browse_texts;

namespace {

// Colours &H00BBGGRR of the window.
const QColor Background(192, 192, 192);
const QColor FrameLine(128, 128, 128);
const QColor LabelText(0, 0, 255);
const QColor LabelPrepared(8, 255, 255);

// Geometry in twips.
constexpr int ColumnLeft[3] = {45, 3195, 6360};
constexpr int LabelWidth = 3000, LabelHeight = 225;
constexpr int ImageTop = 240, ImageWidth = 3015, ImageHeight = 5115;
constexpr int ButtonTop = 5400, ButtonWidth = 600, ButtonHeight = 270;
constexpr int BackLeft = 45, NextLeft = 720, CloseLeft = 8760;
constexpr int UpLeft[3] = {2400, 4440, 6360};
constexpr int ClientWidth = 9510, ClientHeight = 5670;
constexpr int FrameX[3] = {3075, 6225, 9390};
constexpr int FrameTop = 30, FrameBottom = 5355, FrameY = 5370;
constexpr int FrameFrom[3] = {90, 3240, 6405};

QFont buttonFont() {
    QFont f = FormWindow::minchoFont();
    f.setPointSizeF(9.75);
    return f;
}

// The smallest face a name label is made: below it a name cannot be read.
constexpr double SmallestLabelPoints = 9;

// The label's 12-point face, made smaller until the caption fits the label's
// width, so a long name with its family still shows whole, but never below
// a legible size; a caption that still does not fit is given whole as the
// label's tool tip.
void fitLabelFont(QLabel* label) {
    QFont f = FormWindow::minchoFont(12);
    const int room = label->width() - 2;
    auto fits = [&] { return QFontMetrics(f).horizontalAdvance(label->text()) <= room; };
    while (f.pointSizeF() > SmallestLabelPoints && !fits()) {
        f.setPointSizeF(std::max(SmallestLabelPoints, f.pointSizeF() - 0.5));
    }
    label->setFont(f);
    label->setToolTip(fits() ? QString() : label->text());
}

void tell(App& app, QWidget* parent, const Text& text, const Text& title) {
    Message m;
    m.text = text;
    m.title = title;
    app.platform.messages->show(parent, m);
}

} // namespace

// --- PagePicture ---------------------------------------------------------

PagePicture::PagePicture(QWidget* parent) : QWidget(parent) {
    setAccessibleName(q(texts::Picture));
}

void PagePicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PagePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

void PagePicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
}

// --- Form45 --------------------------------------------------------------

Form45::Form45(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(bt::PageTitlePlain));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);
    buildControls();
    buildMenus();
    setCancelButton(command3_);
    // The window sees every key first, whichever control has the focus (its
    // pop-up menus keep their own keys).
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!qobject_cast<QMenu*>(w)) {
            w->installEventFilter(this);
        }
    }
    placeWindow(this);
    fitOnScreen(this);
}

const QPixmap& Form45::blankPicture() {
    static const QPixmap blank = [] {
        QPixmap p(200, 340);
        p.fill(QColor(240, 240, 240));
        return p;
    }();
    return blank;
}

void Form45::buildControls() {
    // The labels' face may need more height than the design gave them; what
    // it needs is added to everything below, so nothing is cut.
    const QFont labelFont = minchoFont(12);
    const int labelHeight = std::max(px(LabelHeight), QFontMetrics(labelFont).height() + 2);
    dy_ = std::max(0, labelHeight - px(LabelHeight));

    for (int k = 0; k < 3; ++k) {
        auto* label = makeLabel(qPrintable(QStringLiteral("Label%1").arg(k + 1)), QString());
        label->setGeometry(px(ColumnLeft[k]), 0, px(LabelWidth), labelHeight);
        label->setFont(labelFont);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, LabelText);
        pal.setColor(QPalette::Window, Qt::white);
        label->setPalette(pal);
        labels_[k] = label;

        auto* image = new PagePicture(this);
        image->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        image->setGeometry(px(ColumnLeft[k]), px(ImageTop) + dy_, px(ImageWidth), px(ImageHeight));
        images_[k] = image;
        watch(image, RightClick);
        connect(image, &PagePicture::doubleClicked, this, [this, k] { showPlantPicture(k + 1); });
    }

    const QFont font = buttonFont();
    const QFontMetrics fm(font);
    const int buttonHeight = std::max(px(ButtonHeight), fm.height() + 6);
    auto button = [&](const char* name, const char32_t* caption, int left) {
        QPushButton* b = makeButton(name, q(caption));
        b->setFont(font);
        const int w = std::max(px(ButtonWidth), fm.horizontalAdvance(b->text()) + 12);
        b->setGeometry(px(left), px(ButtonTop) + dy_, w, buttonHeight);
        return b;
    };
    command2_ = button("Command2", texts::PageBackButton, BackLeft);
    command1_ = button("Command1", texts::PageNextButton, NextLeft);
    const char32_t* upCaptions[3] = {texts::PageUp1, texts::PageUp2, texts::PageUp3};
    for (int k = 0; k < 3; ++k) {
        ups_[k] =
            button(qPrintable(QStringLiteral("Command%1").arg(k + 4)), upCaptions[k], UpLeft[k]);
        connect(ups_[k], &QPushButton::clicked, this, [this, k] { showCloseUp(k + 1); });
    }
    command3_ = button("Command3", texts::Close, CloseLeft);
    connect(command1_, &QPushButton::clicked, this, &Form45::showNextPage);
    connect(command2_, &QPushButton::clicked, this, &Form45::showPreviousPage);
    connect(command3_, &QPushButton::clicked, this, [this] { unload(); });

    setTabOrder(command1_, ups_[0]);
    setTabOrder(ups_[0], ups_[1]);
    setTabOrder(ups_[1], ups_[2]);
    setTabOrder(ups_[2], command3_);
    setTabOrder(command3_, command2_);

    int right = px(ClientWidth);
    for (QPushButton* b : {command3_, ups_[2]}) {
        right = std::max(right, b->geometry().right() + 3);
    }
    setFixedSize(right, std::max(px(ClientHeight) + dy_, px(ButtonTop) + dy_ + buttonHeight + 3));
}

void Form45::buildMenus() {
    for (const PageMenu& table : PageMenus()) {
        QMenu* menu = makeMenu(table.name.c_str(), qs(table.title));
        const int position = table.position;
        for (const PageMenuItem& item : table.items) {
            QAction* a =
                item.separator() ? menu->addSeparator() : menu->addAction(qs(item.caption));
            a->setObjectName(QString::fromStdString(item.name));
            a->setEnabled(item.enabled);
            switch (item.action) {
            case PageAction::NextPage:
                connect(a, &QAction::triggered, this, [this] {
                    if (nextShown()) {
                        command1_->click();
                    }
                });
                break;
            case PageAction::PreviousPage:
                connect(a, &QAction::triggered, this, [this] {
                    if (backShown()) {
                        command2_->click();
                    }
                });
                break;
            case PageAction::CloseUp:
                connect(a, &QAction::triggered, ups_[position - 1], &QPushButton::click);
                break;
            case PageAction::Features:
                connect(a, &QAction::triggered, this, [this, position] { showFeatures(position); });
                break;
            case PageAction::PlantPicture:
                connect(a, &QAction::triggered, this,
                        [this, position] { showPlantPicture(position); });
                break;
            case PageAction::Close:
                connect(a, &QAction::triggered, command3_, &QPushButton::click);
                break;
            case PageAction::None:
                break;
            }
        }
        menus_.insert(menu->objectName(), menu);
    }
}

QMenu* Form45::popupMenu(const QString& name) const {
    return menus_.value(name);
}

bool Form45::nextShown() const {
    return !command1_->isHidden();
}

bool Form45::backShown() const {
    return !command2_->isHidden();
}

QString Form45::labelText(int position) const {
    return labels_.at(position - 1)->text();
}

void Form45::openPages(std::int16_t mode) {
    const AppState& s = app_.state;
    mode_ = mode;
    command1_->setVisible(HasLaterPage(s.ResultCount, s.PageNumber));
    command2_->setVisible(false);
    setWindowTitle(qs(PageCaption(mode, s.ResultCount, s.PageNumber)));
    prepareResultPages();
    showRestored(this);
    activateWindow();
    fitOnScreen(this);
}

void Form45::prepareResultPages() {
    pages_.take(app_.state);
    page_ = 1;
    app_.state.PageNumber = 1;
    for (QLabel* label : labels_) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, LabelPrepared);
        label->setPalette(pal);
    }
    showPage(false);
}

void Form45::showNextPage() {
    app_.state.PageNumber = ++page_;
    command2_->setVisible(true);
    if (!HasLaterPage(pages_.count(), page_)) {
        hidePageButton(command1_);
    }
    showPage(true);
}

void Form45::showPreviousPage() {
    command1_->setVisible(true);
    page_ = std::max(1, page_ - 1);
    app_.state.PageNumber = page_;
    if (page_ == 1) {
        hidePageButton(command2_);
    }
    showPage(true);
}

// A page button that goes while it has the focus hands it to 終了: left to
// itself the focus would move on to the next button, UP1, and the next
// Enter would open a close-up.
void Form45::hidePageButton(QPushButton* button) {
    const bool focused = focusWidget() == button;
    button->setVisible(false);
    if (focused) {
        command3_->setFocus(Qt::OtherFocusReason);
    }
}

// Labels, pictures and (on a page change) the caption of the current page.
// A picture that cannot be shown leaves its position blank and the page goes
// on; during a page change a failure other than a missing file briefly reads
// "エラー" in the caption, which the caption of the page then replaces.
void Form45::showPage(bool pageChange) {
    const CursorGuard hourglass;
    for (int k = 1; k <= 3; ++k) {
        setLabel(k, qs(pages_.caption(RowAt(page_, k))));
        picture(k)->setPicture(blankPicture());
    }
    for (int k = 1; k <= 3; ++k) {
        try {
            loadPagePosition(k, RowAt(page_, k));
        } catch (const RunTimeError& e) {
            if (pageChange && e.number() != err::FileNotFound) {
                setWindowTitle(q(texts::PageErrorCaption));
            }
        } catch (const std::exception&) { // out of memory, among others
            if (pageChange) {
                setWindowTitle(q(texts::PageErrorCaption));
            }
        }
    }
    if (pageChange) {
        setWindowTitle(qs(PageCaption(mode_, pages_.count(), page_)));
    }
}

void Form45::setLabel(int position, const QString& caption) {
    QLabel* label = labels_.at(position - 1);
    label->setText(caption);
    label->setAccessibleName(caption);
    fitLabelFont(label);
    picture(position)->setAccessibleName(caption.isEmpty() ? q(texts::Picture) : caption);
}

void Form45::loadPagePosition(int position, int row) {
    PagePicture* image = picture(position);
    image->setPicture(blankPicture());
    // A row without a plant has no name to look for.
    const Text base = PictureBaseName(pages_.line(row));
    if (base.empty()) {
        return;
    }
    const auto file = findPicture(base, app_.state.DataFolder, PictureSet::Plant);
    if (!file) {
        return;
    }
    image->setPicture(QPixmap::fromImage(LoadPicture(app_, *file)));
}

void Form45::showFeatures(int position) {
    const Text label = ts(labelText(position));
    if (label.empty()) {
        return;
    }
    app_.state.NameKey = PlantKeyOfLabel(label);
    ShowPlantFeatures(app_);
}

void Form45::showPlantPicture(int position) {
    const Text label = ts(labelText(position));
    if (label.empty()) {
        return;
    }
    app_.state.NameKey = PlantKeyOfLabel(label);
    const CursorGuard hourglass;
    OpenPlantPicture(app_);
}

void Form45::showCloseUp(int position) {
    CursorGuard hourglass;
    const QString caption = labelText(position);
    app_.state.NameKey = PlantKeyOfLabel(ts(caption), 7);
    auto& window = app_.load<Form43>();
    const bool normal =
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    // An empty position names no plant, so there is no close-up to look for.
    const std::vector<Text> candidates =
        app_.state.NameKey.empty() ? std::vector<Text>{}
                                   : pictureCandidates(app_.state.NameKey + U"Q",
                                                       app_.state.DataFolder, PictureSet::Plant);
    if (!window.isVisible()) {
        // Beside the pages (under the feature view when that is there),
        // placed before it shows so a window manager keeps the place.
        placeWindowBeside(&window, this);
    }
    try {
        if (!FillCloseUp(app_, window, candidates, caption, normal)) {
            hourglass.restore();
            tell(app_, this, texts::PageCloseUpMissing, texts::CloseUpCaption);
        }
    } catch (const RunTimeError& e) {
        hourglass.restore();
        if (e.number() == err::FileNotFound) {
            tell(app_, this, texts::CloseUpGone, texts::CloseUpTitle);
        } else {
            // A close-up that cannot be decoded is said so, rather than the
            // window showing another plant's close-up under this caption.
            tell(app_, this, errorNumberText(e.number()), texts::TitleError);
        }
    } catch (const std::bad_alloc&) {
        hourglass.restore();
        tell(app_, this, errorNumberText(err::OutOfMemory), texts::TitleError);
    }
}

bool Form45::pageKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown:
        if (nextShown()) {
            command1_->click();
        }
        return true;
    case Qt::Key_PageUp:
        if (backShown()) {
            command2_->click();
        }
        return true;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0] >= QLatin1Char('1') && typed[0] <= QLatin1Char('3') &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        showFeatures(typed[0].unicode() - '0');
        return true;
    }
    return false;
}

bool Form45::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && pageKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int k = 0; k < 3; ++k) {
            if (watched == labels_[k] && mouse->button() == Qt::LeftButton &&
                labels_[k]->rect().contains(mouse->position().toPoint())) {
                showFeatures(k + 1);
                return true;
            }
        }
    }
    return FormWindow::eventFilter(watched, event);
}

void Form45::keyPressEvent(QKeyEvent* event) {
    if (!pageKey(event)) {
        FormWindow::keyPressEvent(event);
    }
}

void Form45::onRightClick(QWidget* control, const QPoint& globalPos) {
    for (int k = 1; k <= 3; ++k) {
        if (control == picture(k)) {
            const std::string name =
                ChoosePageMenu(k, labelText(k).isEmpty(), nextShown(), backShown());
            QMenu* menu = popupMenu(QString::fromStdString(name));
            const auto chosen = std::find_if(PageMenus().begin(), PageMenus().end(),
                                             [&](const PageMenu& m) { return m.name == name; });
            QAction* def = menu->findChild<QAction*>(QString::fromStdString(chosen->defaultItem));
            popUp(menu, def, globalPos);
            return;
        }
    }
}

// However the pages go away, the feature view goes with them.
void Form45::hideEvent(QHideEvent* event) {
    if (!event->spontaneous() && !isMinimized()) {
        closeFeatureView();
    }
    FormWindow::hideEvent(event);
}

void Form45::closeFeatureView() {
    if (auto* features = app_.loaded<Form46A>()) {
        features->closeButton()->click();
    }
}

void Form45::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(FrameLine, 2));
    for (int x : FrameX) {
        p.drawLine(px(x), px(FrameTop), px(x), px(FrameBottom) + dy_);
    }
    for (int k = 0; k < 3; ++k) {
        p.drawLine(px(FrameFrom[k]), px(FrameY) + dy_, px(FrameX[k]), px(FrameY) + dy_);
    }
}

} // namespace kuyu::gui
