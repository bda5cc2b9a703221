// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing/PrintSettingsDialog.h"

#include "core/features/Features.h"
#include "core/printing/PrintLayout.h"
#include "gui/app/App.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/platform/QtText.h"
#include "gui/printing/PrintJobs.h"
#include "gui/printing/PrintTexts.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace kuyu::gui {

using namespace printing;

namespace {

// Preview geometry far beyond the sheet shows nothing more; keeping it
// bounded keeps a scale of 1e30 from making a widget the size of a galaxy.
constexpr double PreviewLimit = 4.0 * SheetLongSide;

double bounded(double twipsValue, double low) {
    if (!std::isfinite(twipsValue)) {
        return low;
    }
    return std::clamp(twipsValue, low, PreviewLimit);
}

using Field = Form42PB::Field;
using Item = Form42PB::Item;

// The card preview is this much larger than the card, preview twips.
constexpr double CardPreviewMargin = 30;

// The saved settings and the fields and check boxes that show them.
constexpr std::pair<Field, float PrintSettings::*> SavedFields[] = {
    {Field::PictureZoom, &PrintSettings::PrintPictureZoom},
    {Field::PictureLeft, &PrintSettings::PrintPictureLeft},
    {Field::PictureTop, &PrintSettings::PrintPictureTop},
    {Field::CloseUpZoom, &PrintSettings::PrintCloseUpZoom},
    {Field::CloseUpLeft, &PrintSettings::PrintCloseUpLeft},
    {Field::CloseUpTop, &PrintSettings::PrintCloseUpTop},
    {Field::CardLeft, &PrintSettings::PrintCardLeft},
    {Field::CardTop, &PrintSettings::PrintCardTop},
    {Field::CardZoom, &PrintSettings::PrintCardZoom},
    {Field::NameLeft, &PrintSettings::PrintNameLeft},
    {Field::NameTop, &PrintSettings::PrintNameTop},
};
constexpr std::pair<Item, std::int16_t PrintSettings::*> SavedFlags[] = {
    {Item::Name, &PrintSettings::PrintNameOn},
    {Item::Card, &PrintSettings::PrintCardOn},
    {Item::Picture, &PrintSettings::PrintPictureOn},
    {Item::CloseUp, &PrintSettings::PrintCloseUpOn},
};

std::size_t at(Field f) {
    return static_cast<std::size_t>(f);
}
std::size_t at(Item i) {
    return static_cast<std::size_t>(i);
}

} // namespace

// --- the sheet's items ------------------------------------------------------

SheetItem::SheetItem(Kind kind, const char* name, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(QString::fromLatin1(name));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SheetItem::setPicture(const QImage& image) {
    image_ = image;
    setAccessibleName(objectName());
    update();
}

void SheetItem::setName(const QString& text, const QFont& font, const QColor& colour) {
    name_ = text;
    font_ = font;
    colour_ = colour;
    setAccessibleName(text);
    update();
}

void SheetItem::setCardZoom(double zoom) {
    zoom_ = zoom;
    setAccessibleName(cardCaptions().join(QLatin1Char(' ')));
    update();
}

QStringList SheetItem::cardCaptions() const {
    QStringList out;
    for (const Text& c : CardCaptions()) {
        out << qs(c);
    }
    return out;
}

void SheetItem::paintEvent(QPaintEvent*) {
    QPainter p(this);
    switch (kind_) {
    case Picture:
        if (!image_.isNull()) {
            p.drawImage(rect(), image_);
        } else {
            p.fillRect(rect(), QColor(230, 230, 230));
        }
        break;
    case Name:
        p.setFont(font_);
        p.setPen(colour_);
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, name_);
        break;
    case Card: {
        // The card as it prints, in preview twips, drawn 15 to a pixel.
        const CardGeometry card = cardGeometry(0, 0, zoom_);
        const auto toPx = [](double t) { return t / TwipsPerPixel; };
        const double w = toPx(card.width);
        const double rh = toPx(card.rowHeight);
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(QRectF(0, 0, w, toPx(card.height())));
        for (int i = 1; i <= 10; ++i) {
            p.drawLine(QPointF(0, i * rh), QPointF(w, i * rh));
        }
        p.drawLine(QPointF(toPx(card.dividerX()), rh),
                   QPointF(toPx(card.dividerX()), toPx(card.height())));
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        f.setPointSizeF(std::max(1.0, cardFontPoints(card.rowHeight)));
        p.setFont(f);
        const int ascent = QFontMetrics(f).ascent();
        int r = 1;
        for (const Text& c : CardCaptions()) {
            p.drawText(QPointF(toPx(card.captionX()), toPx(card.textY(r)) + ascent), qs(c));
            ++r;
        }
        break;
    }
    }
    // The sizing corner, where the pointer becomes the sizing pointer.
    if (kind_ != Name) {
        const int c = std::max(4, px(static_cast<int>(SizingCorner)));
        p.fillRect(QRect(width() - c, height() - c, c, c), QColor(0, 0, 128));
    }
}

// --- Form42P -------------------------------------------------------------------

Form42P::Form42P(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::PrintNameImageCaption));
    label1_ = makeLabel("Label1", QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    watch(this, RightClick);
}

void Form42P::setName(const QString& text, const FontChoice& font) {
    label1_->setText(text);
    label1_->setFont(font.font);
    QPalette pal = label1_->palette();
    pal.setColor(QPalette::WindowText, font.colour);
    label1_->setPalette(pal);
    label1_->adjustSize();
    adjustSize();
}

// --- Form42PB ------------------------------------------------------------------

Form42PB::Form42PB(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::PrintSettingsCaption));
    build();
}

QWidget* Form42PB::buildGroup(Item item, const char32_t* caption,
                              std::initializer_list<std::initializer_list<Field>> rows,
                              QWidget* extra) {
    auto* group = new QFrame(this);
    group->setObjectName(QStringLiteral("Group%1").arg(at(item)));
    group->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(4);
    auto* box = new QCheckBox(q(caption), group);
    box->setObjectName(QStringLiteral("Che%1").arg(at(item)));
    checks_[at(item)] = box;
    watch(box, RightClick);
    grid->addWidget(box, 0, 0, 1, 4);
    int row = 1;
    for (const auto& fieldsOfRow : rows) {
        int col = 0;
        for (Field f : fieldsOfRow) {
            const auto& text = texts::PrintFields[at(f) - 1];
            auto* edit = new QLineEdit(qs(Text(text.design)), group);
            edit->setObjectName(QString::fromLatin1(text.name));
            edit->installEventFilter(this);
            fields_[at(f)] = edit;
            if (f == Field::NameText) {
                grid->addWidget(edit, row, 0, 1, 4);
                continue;
            }
            edit->setMaximumWidth(
                edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
            edit->setAlignment(Qt::AlignRight);
            auto* label = new QLabel(q(text.caption), group);
            label->setObjectName(QStringLiteral("Caption") + edit->objectName());
            label->setBuddy(edit);
            watch(label, RightClick);
            grid->addWidget(label, row, col);
            grid->addWidget(edit, row, col + 1);
            col += 2;
        }
        ++row;
    }
    if (extra) {
        grid->addWidget(extra, row, 0, 1, 4);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    groups_[at(item)] = group;
    connect(box, &QCheckBox::toggled, this, [this, item](bool on) { setGroupEnabled(item, on); });
    return group;
}

void Form42PB::build() {
    command1_ = makeButton("Command1", q(texts::Cancel));
    command2_ = makeButton("Command2", q(texts::PrintButton));
    command3_ = makeButton("Command3", q(texts::PrinterButton));
    command4_ = makeButton("Command4", q(texts::PrintFontButton));
    command5_ = makeButton("Command5", q(texts::PrintImageButton));
    setCancelButton(command1_);

    // Printer and paper.
    auto* printerCaption = new QLabel(q(texts::PrinterCaption), this);
    auto* paperCaption = new QLabel(q(texts::PrintPaperCaption), this);
    label12_ = makeLabel("Label12", QString());
    label14_ = makeLabel("Label14", QString());
    for (QLabel* l : {printerCaption, paperCaption, label12_, label14_}) {
        watch(l, RightClick);
    }
    auto* printerGrid = new QGridLayout;
    printerGrid->addWidget(printerCaption, 0, 0);
    printerGrid->addWidget(label12_, 0, 1);
    printerGrid->addWidget(command3_, 0, 2);
    printerGrid->addWidget(paperCaption, 1, 0);
    printerGrid->addWidget(label14_, 1, 1, 1, 2);
    printerGrid->setColumnStretch(1, 1);

    auto* nameButtons = new QWidget(this);
    auto* nameRow = new QHBoxLayout(nameButtons);
    nameRow->setContentsMargins(0, 0, 0, 0);
    nameRow->addWidget(command4_);
    nameRow->addWidget(command5_);
    nameRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(printerGrid);
    left->addWidget(buildGroup(Item::Name, texts::PrintNameCheck,
                               {{Field::NameText}, {Field::NameLeft, Field::NameTop}},
                               nameButtons));
    left->addWidget(buildGroup(Item::Card, texts::PrintCardCheck,
                               {{Field::CardLeft, Field::CardTop}, {Field::CardZoom}}));
    for (PictureGroup* g : {&picture_, &closeUp_}) {
        const char32_t* caption =
            g == &picture_ ? texts::PrintPictureCheck : texts::PrintCloseUpCheck;
        left->addWidget(
            buildGroup(g->item, caption, {{g->zoom}, {g->left, g->top}, {g->width, g->height}}));
    }
    left->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);
    left->addLayout(buttons);

    // The preview: the sheet lies in an area that takes either orientation.
    previewArea_ = new QFrame(this);
    previewArea_->setObjectName(QStringLiteral("PreviewArea"));
    previewArea_->setFrameShape(QFrame::Panel);
    previewArea_->setFrameShadow(QFrame::Sunken);
    previewArea_->setAutoFillBackground(true);
    QPalette area = previewArea_->palette();
    area.setColor(QPalette::Window, QColor(128, 128, 128));
    previewArea_->setPalette(area);
    previewArea_->setFixedSize(px(50 + SheetLongSide + 50), px(20 + SheetLongSide + 20));
    sheet_ = new QFrame(previewArea_);
    sheet_->setObjectName(QStringLiteral("Picture2"));
    sheet_->setAutoFillBackground(true);
    QPalette paper = sheet_->palette();
    paper.setColor(QPalette::Window, Qt::white);
    sheet_->setPalette(paper);
    watch(sheet_, RightClick);
    watch(previewArea_, RightClick);
    picture_.preview = new SheetItem(SheetItem::Picture, "Image1", sheet_);
    closeUp_.preview = new SheetItem(SheetItem::Picture, "Image2", sheet_);
    picture3_ = new SheetItem(SheetItem::Name, "Picture3", sheet_);
    picture4_ = new SheetItem(SheetItem::Card, "Picture4", sheet_);
    for (SheetItem* i : {picture_.preview, closeUp_.preview, picture3_, picture4_}) {
        i->installEventFilter(this);
        watch(i, RightClick);
    }
    outline_ = new QFrame(sheet_);
    outline_->setObjectName(QStringLiteral("Image3"));
    outline_->setFrameShape(QFrame::Box);
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();

    auto* root = new QHBoxLayout(this);
    root->addLayout(left);
    root->addWidget(previewArea_, 0, Qt::AlignTop);
    root->setSizeConstraint(QLayout::SetFixedSize);
    watch(this, RightClick);
    buildMenu();

    connect(command1_, &QPushButton::clicked, this, &Form42PB::cancel);
    connect(command2_, &QPushButton::clicked, this, &Form42PB::printPage);
    connect(command3_, &QPushButton::clicked, this, &Form42PB::choosePrinterAndPaper);
    connect(command4_, &QPushButton::clicked, this, &Form42PB::ChooseNameFont);
    connect(command5_, &QPushButton::clicked, this, &Form42PB::showNameImage);
}

void Form42PB::buildMenu() {
    // Each item presses the button of the same meaning.
    menu_ = makeMenu("MENU42PB", QString());
    const auto item = [this](const char* name, const char32_t* caption, QPushButton* button) {
        QAction* a = addMenuItem(menu_, name, q(caption));
        connect(a, &QAction::triggered, button, &QPushButton::click);
        return a;
    };
    item("MENU42PB1", texts::PrintMenuPrinter, command3_);
    item("MENU42PB2", texts::PrintMenuCancel, command1_);
    printItem_ = item("MENU42PB3", texts::PrintMenuPrint, command2_);
    menu_->setDefaultAction(printItem_);
}

SheetItem* Form42PB::item(const char* name) const {
    return sheet_->findChild<SheetItem*>(QString::fromLatin1(name));
}

void Form42PB::setGroupEnabled(Item item, bool on) {
    for (QObject* child : groups_[at(item)]->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != check(item)) {
            w->setEnabled(on);
        }
    }
    // The preview shows what will print.
    switch (item) {
    case Item::Name:
        picture3_->setVisible(on);
        break;
    case Item::Card:
        picture4_->setVisible(on);
        break;
    case Item::Picture:
        picture_.preview->setVisible(on);
        break;
    case Item::CloseUp:
        closeUp_.preview->setVisible(on && closeUpSame_);
        break;
    }
}

double Form42PB::value(Field f) const {
    return fieldValue(ts(field(f)->text()));
}

void Form42PB::setValue(Field f, double v) {
    field(f)->setText(qs(plainNumber(v)));
    lastGood_[at(f)] = v;
}

const Form42PB::PictureGroup* Form42PB::groupOf(Field f) const {
    for (const PictureGroup* g : {&picture_, &closeUp_}) {
        if (f == g->zoom || f == g->left || f == g->top || f == g->width || f == g->height) {
            return g;
        }
    }
    return nullptr;
}

const Form42PB::PictureGroup* Form42PB::groupOf(const SheetItem* preview) const {
    for (const PictureGroup* g : {&picture_, &closeUp_}) {
        if (g->preview == preview) {
            return g;
        }
    }
    return nullptr;
}

double Form42PB::limit(Field f) const {
    if (const PictureGroup* g = groupOf(f)) {
        const PictureFields most = pictureLimits(g->twips.width(), g->twips.height());
        if (f == g->zoom) {
            return most.scale;
        }
        if (f == g->width) {
            return most.widthMm;
        }
        if (f == g->height) {
            return most.heightMm;
        }
    }
    return f == Field::CardZoom ? cardZoomLimit() : LargestPaperMm;
}

std::optional<double> Form42PB::committed(Field f) const {
    return committedValue(ts(field(f)->text()), limit(f));
}

bool Form42PB::showsCloseUp() const {
    return closeUpSame_ && app_.state.Print.PrintCloseUpOn == 1;
}

QRect Form42PB::previewRect(double left, double top, double width, double height) const {
    const double l = bounded(left, -PreviewLimit);
    const double tp = bounded(top, -PreviewLimit);
    const double w = bounded(width, 0);
    const double h = bounded(height, 0);
    return QRect(static_cast<int>(std::lround(l / TwipsPerPixel)),
                 static_cast<int>(std::lround(tp / TwipsPerPixel)),
                 std::max(1, static_cast<int>(std::lround(w / TwipsPerPixel))),
                 std::max(1, static_cast<int>(std::lround(h / TwipsPerPixel))));
}

QPoint Form42PB::previewPos(Field left, Field top) const {
    const double scale = app_.state.Print.PreviewScale;
    return previewRect(value(left) * TwipsPerMm * scale, value(top) * TwipsPerMm * scale, 1, 1)
        .topLeft();
}

void Form42PB::open() {
    PrintSettings& s = app_.state.Print;
    auto* plant = app_.loaded<Form42>();
    const std::unique_ptr<PrinterSurface> printer = openPrinterSurface(app_);
    label12_->setText(printer->deviceName());

    const Form42::PrintSources from = plant ? plant->printSources() : Form42::PrintSources{};
    field(Field::NameText)->setText(from.caption);
    s.PrintNameText = ts(from.caption);
    picture_.image = from.picture;
    picture_.twips = QSizeF(twips(from.picture.width()), twips(from.picture.height()));
    classification_ = from.classification;
    // The close-up prints only while its window shows this same plant.
    closeUpSame_ = from.closeUpSame;
    s.PrintCloseUpOn = closeUpSame_ ? 1 : 0;
    closeUp_.image = closeUpSame_ ? from.closeUp : QImage();
    closeUp_.twips = closeUpSame_
                         ? QSizeF(twips(from.closeUpSize.width()), twips(from.closeUpSize.height()))
                         : QSizeF();
    dragging_ = nullptr;
    sizing_ = nullptr;

    for (const auto& [f, saved] : SavedFields) {
        setValue(f, s.*saved);
    }
    for (const auto& [i, flag] : SavedFlags) {
        check(i)->setChecked(s.*flag == 1);
        setGroupEnabled(i, s.*flag == 1);
    }
    check(Item::CloseUp)->setEnabled(closeUpSame_);

    layOutSheet();
    fillFromField(picture_, picture_.zoom, s.PrintPictureZoom);
    if (showsCloseUp()) {
        fillFromField(closeUp_, closeUp_.zoom, s.PrintCloseUpZoom);
    }
    picture_.preview->setPicture(picture_.image);
    closeUp_.preview->setPicture(closeUp_.image);

    // Placed as it first shows; shown again, it stays where the person put
    // it and a minimised one comes back.
    if (!isVisible()) {
        placeWindow(this);
    }
    showRestored(this);
    fitOnScreen(this);
    activateWindow();
    drawNamePreview();
    PrintSettingsRefresh();
    placeCard();
    DrawCardPreview();
}

void Form42PB::layOutSheet() {
    const std::unique_ptr<PrinterSurface> printer = openPrinterSurface(app_);
    const int orientation = printer->orientation();
    const SheetRect r = sheetFor(orientation);
    sheet_->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
    const PaperLayout paper = paperLayout(printer->paperSize(), orientation);
    app_.state.Print.PreviewScale = static_cast<float>(paper.previewScale);
    label14_->setText(qs(paper.text));
}

void Form42PB::fillFromField(const PictureGroup& g, Field f, double v) {
    const double w = g.twips.width();
    const double h = g.twips.height();
    const std::optional<PictureFields> p = f == g.zoom    ? fieldsFromScale(v, w, h)
                                           : f == g.width ? fieldsFromWidth(v, w, h)
                                                          : fieldsFromHeight(v, w, h);
    if (!p) {
        return; // a picture with no size: nothing to work the others out from
    }
    if (f != g.zoom) {
        setValue(g.zoom, p->scale);
    }
    if (f != g.width) {
        setValue(g.width, p->widthMm);
    }
    if (f != g.height) {
        setValue(g.height, p->heightMm);
    }
}

void Form42PB::choosePrinterAndPaper() {
    if (!app_.platform.dialogs->choosePrinter(this)) {
        return;
    }
    PrintSettings& s = app_.state.Print;
    label12_->setText(openPrinterSurface(app_)->deviceName());
    layOutSheet();
    s.PrintPictureZoom = static_cast<float>(value(picture_.zoom));
    s.PrintCloseUpZoom = static_cast<float>(value(closeUp_.zoom));
    fillFromField(picture_, picture_.zoom, s.PrintPictureZoom);
    fillFromField(closeUp_, closeUp_.zoom, s.PrintCloseUpZoom);
    drawNamePreview();
    PrintSettingsRefresh();
    placeCard();
    DrawCardPreview();
}

void Form42PB::PrintSettingsRefresh() {
    const double scale = app_.state.Print.PreviewScale;
    for (const PictureGroup* g : {&picture_, &closeUp_}) {
        if (g == &closeUp_ && !showsCloseUp()) {
            continue;
        }
        g->preview->setGeometry(previewRect(
            value(g->left) * TwipsPerMm * scale, value(g->top) * TwipsPerMm * scale,
            g->twips.width() * value(g->zoom) * scale, g->twips.height() * value(g->zoom) * scale));
    }
    closeUp_.preview->setVisible(closeUpSame_ && check(Item::CloseUp)->isChecked());
}

void Form42PB::PlaceNamePreview() {
    picture3_->move(previewPos(Field::NameLeft, Field::NameTop));
}

void Form42PB::drawNamePreview() {
    // The name as Form42P shows it, scaled like everything on the sheet.
    auto& image = app_.load<Form42P>();
    const FontChoice font = app_.platform.dialogs->lastFont();
    if (image.label1()->text().isEmpty()) {
        image.setName(field(Field::NameText)->text(), font);
    }
    const double scale = app_.state.Print.PreviewScale;
    const QSize label = image.label1()->sizeHint();
    QFont small = font.font;
    small.setPointSize(std::max(1, static_cast<int>(std::lround(font.font.pointSizeF() * scale))));
    picture3_->setGeometry(QRect(
        previewPos(Field::NameLeft, Field::NameTop),
        previewRect(0, 0, twips(label.width()) * scale, twips(label.height()) * scale).size()));
    picture3_->setName(image.label1()->text(), small, font.colour);
}

void Form42PB::placeCard() {
    picture4_->move(previewPos(Field::CardLeft, Field::CardTop));
}

void Form42PB::DrawCardPreview() {
    const double z = value(Field::CardZoom) * app_.state.Print.PreviewScale;
    const CardGeometry card = cardGeometry(0, 0, z);
    picture4_->resize(
        previewRect(0, 0, card.width + CardPreviewMargin, card.height() + CardPreviewMargin)
            .size());
    picture4_->setCardZoom(z);
}

void Form42PB::ChooseNameFont() {
    const std::optional<FontChoice> chosen = app_.platform.dialogs->chooseFont(this);
    if (!chosen) {
        return;
    }
    QLineEdit* name = field(Field::NameText);
    auto& image = app_.load<Form42P>();
    image.setName(name->text(), *chosen);
    // The name field shows the face and its effects; its size stays.
    QFont f = chosen->font;
    f.setPointSizeF(name->font().pointSizeF());
    name->setFont(f);
    QPalette pal = name->palette();
    pal.setColor(QPalette::Text, chosen->colour);
    name->setPalette(pal);
    drawNamePreview();
}

void Form42PB::showNameImage() {
    auto& image = app_.load<Form42P>();
    image.setName(field(Field::NameText)->text(), app_.platform.dialogs->lastFont());
    if (!image.isVisible()) {
        placeWindow(&image);
    }
    showRestored(&image);
    fitOnScreen(&image);
}

void Form42PB::cancel() {
    closing_ = true;
    app_.unload(QString::fromLatin1(Form42P::Name));
    unload();
}

void Form42PB::printPage() {
    // A field whose text the commit rule refuses prints as its last good
    // value, where the preview still shows the item.
    PlantPage page;
    PrintSettings& s = page.settings;
    s = app_.state.Print;
    for (const auto& [f, saved] : SavedFields) {
        s.*saved = static_cast<float>(committed(f).value_or(lastGood_[at(f)]));
    }
    for (const auto& [i, flag] : SavedFlags) {
        s.*flag = check(i)->isChecked() ? 1 : 0;
    }
    s.PrintNameText = ts(field(Field::NameText)->text());
    page.picture = picture_.image;
    page.pictureTwips = picture_.twips;
    page.closeUpSamePlant = closeUpSame_;
    page.closeUp = closeUp_.image;
    page.closeUpTwips = closeUp_.twips;
    page.nameFont = app_.platform.dialogs->lastFont();
    page.classification = classification_;
    // Nothing ticked: say so, and leave the dialog open to tick something.
    if (!PageItems(page).any()) {
        Message m;
        m.title = texts::PrintNoticeTitle;
        m.text = Text(texts::PrintNothingChosenText) + U"\n" + texts::PrintChooseItemText;
        m.icon = MessageIcon::Exclamation;
        app_.platform.messages->show(this, m);
        return;
    }
    app_.state.Print = s;
    App& app = app_;
    closing_ = true;
    unload();
    PrintPlantPageCommand(app, page);
}

bool Form42PB::commit(Field f) {
    const std::optional<double> v = committed(f);
    if (!v) {
        field(f)->setText(QStringLiteral("0"));
        app_.platform.beeper->beep();
        return false;
    }
    lastGood_[at(f)] = *v;
    if (const PictureGroup* g = groupOf(f)) {
        if (f != g->left && f != g->top) {
            fillFromField(*g, f, *v);
        }
        PrintSettingsRefresh();
        return true;
    }
    switch (f) {
    case Field::CardLeft:
    case Field::CardTop:
        placeCard();
        break;
    case Field::NameLeft:
    case Field::NameTop:
        PlaceNamePreview();
        break;
    case Field::CardZoom:
        DrawCardPreview();
        break;
    default:
        break;
    }
    return true;
}

bool Form42PB::inSizingCorner(const QWidget* item, QPoint pos) const {
    if (item == picture3_) {
        return false;
    }
    const int c = std::max(4, px(static_cast<int>(SizingCorner)));
    return pos.x() >= item->width() - c && pos.y() >= item->height() - c;
}

void Form42PB::drop(SheetItem* item, QPoint posInItem) {
    const QPoint onSheet = item->mapTo(sheet_, posInItem);
    if (!sheet_->rect().contains(onSheet)) {
        return; // dropped off the sheet: the item stays where it was
    }
    const double scale = app_.state.Print.PreviewScale;
    const PictureGroup* g = groupOf(item);
    const Field left = g ? g->left : item == picture3_ ? Field::NameLeft : Field::CardLeft;
    const Field top = g ? g->top : item == picture3_ ? Field::NameTop : Field::CardTop;
    setValue(left, dropMillimetres(twips(onSheet.x()) - dragOffsetX_, scale));
    setValue(top, dropMillimetres(twips(onSheet.y()) - dragOffsetY_, scale));
    commit(left);
}

void Form42PB::resizeItem(SheetItem* item, QPoint posInItem) {
    const double x = twips(posInItem.x());
    const double y = twips(posInItem.y());
    const double scale = app_.state.Print.PreviewScale;
    if (scale <= 0) {
        return;
    }
    if (const PictureGroup* g = groupOf(item)) {
        // The plant picture keeps the preview's fixed ratio, the close-up its own.
        const double h = g->twips.height();
        PreviewSize size = g == &picture_
                               ? sizePicturePreview(x, y)
                               : sizeCloseUpPreview(x, y, h > 0 ? g->twips.width() / h : 1);
        double widthMm = size.width / TwipsPerMm / scale;
        // Pulled beyond what fits the largest paper, it stops there.
        if (const double most = limit(g->width); widthMm > most) {
            size.width *= most / widthMm;
            size.height *= most / widthMm;
            widthMm = most;
        }
        item->resize(previewRect(0, 0, size.width, size.height).size());
        setValue(g->width, widthMm);
        fillFromField(*g, g->width, widthMm);
    } else if (item == picture4_) {
        const PreviewSize size = sizeCardPreview(x, y);
        setValue(Field::CardZoom, std::min(cardZoomOfWidth(size.width / scale), cardZoomLimit()));
        DrawCardPreview();
    }
}

bool Form42PB::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    // Numeric fields commit on Enter and on losing the focus.
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
        const auto found = std::find(fields_.begin(), fields_.end(), edit);
        const int n = found == fields_.end() ? 0 : static_cast<int>(found - fields_.begin());
        const Field f = static_cast<Field>(n);
        if (n > 0 && type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Enter in the name is consumed and does nothing else.
                return f == Field::NameText || commit(f);
            }
        } else if (n > 0 && f != Field::NameText && type == QEvent::FocusOut && !closing_) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                commit(f);
            }
        }
        return FormWindow::eventFilter(watched, event);
    }
    auto* item = qobject_cast<SheetItem*>(watched);
    const bool isMouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                         type == QEvent::MouseButtonRelease;
    if (!item || !isMouse) {
        return FormWindow::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        pressPos_ = mouse->position().toPoint();
        moved_ = false;
        if (inSizingCorner(item, pressPos_)) {
            sizing_ = item;
        } else {
            dragging_ = item;
            dragOffsetX_ = twips(pressPos_.x());
            dragOffsetY_ = twips(pressPos_.y());
        }
        outline_->setGeometry(item->geometry());
        return true;
    }
    if (type == QEvent::MouseMove) {
        const QPoint pos = mouse->position().toPoint();
        if (!dragging_ && !sizing_) {
            item->setCursor(inSizingCorner(item, pos) ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
            return false;
        }
        if ((pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
            moved_ = true;
        }
        if (!moved_) {
            return true;
        }
        if (sizing_) {
            outline_->setGeometry(
                QRect(item->pos(), QSize(std::max(1, pos.x()), std::max(1, pos.y()))));
        } else {
            outline_->move(item->mapTo(sheet_, pos) - pressPos_);
        }
        outline_->show();
        outline_->raise();
        return true;
    }
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        const QPoint pos = mouse->position().toPoint();
        outline_->hide();
        SheetItem* dragged = dragging_;
        SheetItem* sized = sizing_;
        dragging_ = nullptr;
        sizing_ = nullptr;
        if (moved_ && sized) {
            resizeItem(sized, pos);
        } else if (moved_ && dragged) {
            drop(dragged, pos);
        }
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void Form42PB::onRightClick(QWidget*, const QPoint& globalPos) {
    popUp(menu_, printItem_, globalPos);
}

// --- commands --------------------------------------------------------------------

void OpenPrintSettings(App& app) {
    if (!app.loaded<Form42>()) {
        return;
    }
    // Pressed again while the dialog is still open, minimised or behind
    // another window, the same dialog comes back, filled afresh.
    app.load<Form42PB>().open();
}

} // namespace kuyu::gui
