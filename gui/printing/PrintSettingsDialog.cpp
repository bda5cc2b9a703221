#include "gui/printing/PrintSettingsDialog.h"

#include "core/Errors.h"
#include "core/features/Features.h"
#include "core/printing/PrintLayout.h"
#include "gui/app/App.h"
#include "gui/images/ImageBox.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/printing/PrintJobs.h"
#include "gui/printing/PrintTexts.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
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
#include <new>

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

// Which fields each check box enables.
const std::array<std::initializer_list<int>, 5> GroupFields{{
    {},
    {11, 14, 15},
    {12, 13, 16},
    {1, 2, 3, 4, 5},
    {6, 7, 8, 9, 10},
}};

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
        // Drawn in preview twips: 15 to a pixel.
        const double w = 1800 * zoom_ / TwipsPerPixel;
        const double rh = 1800 * zoom_ * 2.2 / 11 / TwipsPerPixel;
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(QRectF(0, 0, w, 11 * rh));
        for (int i = 1; i <= 10; ++i) {
            p.drawLine(QPointF(0, i * rh), QPointF(w, i * rh));
        }
        p.drawLine(QPointF(w * 2.3 / 5, rh), QPointF(w * 2.3 / 5, 11 * rh));
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        f.setPointSizeF(std::max(1.0, rh / 2));
        p.setFont(f);
        const int ascent = QFontMetrics(f).ascent();
        int r = 1;
        for (const Text& c : CardCaptions()) {
            p.drawText(QPointF(w * 0.03, rh * (r + 0.2) + ascent), qs(c));
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

QWidget* Form42PB::buildGroup(int check, const char32_t* caption,
                              std::initializer_list<std::initializer_list<int>> rows,
                              QWidget* extra) {
    auto* group = new QFrame(this);
    group->setObjectName(QStringLiteral("Group%1").arg(check));
    group->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(4);
    auto* box = new QCheckBox(q(caption), group);
    box->setObjectName(QStringLiteral("Che%1").arg(check));
    checks_[static_cast<std::size_t>(check)] = box;
    watch(box, RightClick);
    grid->addWidget(box, 0, 0, 1, 4);
    int row = 1;
    for (const auto& fieldsOfRow : rows) {
        int col = 0;
        for (int n : fieldsOfRow) {
            const auto& text = texts::PrintFields[n - 1];
            auto* edit = new QLineEdit(qs(Text(text.design)), group);
            edit->setObjectName(QString::fromLatin1(text.name));
            edit->installEventFilter(this);
            fields_[static_cast<std::size_t>(n)] = edit;
            if (n == 11) {
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
    groups_[static_cast<std::size_t>(check)] = group;
    connect(box, &QCheckBox::toggled, this, [this, check](bool on) { setGroupEnabled(check, on); });
    return group;
}

void Form42PB::build() {
    command1_ = makeButton("Command1", q(texts::Cancel));
    command2_ = makeButton("Command2", q(texts::PrintButton));
    command3_ = makeButton("Command3", q(texts::PrinterButton));
    command4_ = makeButton("Command4", q(texts::PrintFontButton));
    auto* command5 = makeButton("Command5", q(texts::PrintImageButton));
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
    nameRow->addWidget(command5);
    nameRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(printerGrid);
    left->addWidget(buildGroup(1, texts::PrintNameCheck, {{11}, {14, 15}}, nameButtons));
    left->addWidget(buildGroup(2, texts::PrintCardCheck, {{12, 13}, {16}}));
    left->addWidget(buildGroup(3, texts::PrintPictureCheck, {{1}, {2, 3}, {4, 5}}));
    left->addWidget(buildGroup(4, texts::PrintCloseUpCheck, {{6}, {7, 8}, {9, 10}}));
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
    image1_ = new SheetItem(SheetItem::Picture, "Image1", sheet_);
    image2_ = new SheetItem(SheetItem::Picture, "Image2", sheet_);
    picture3_ = new SheetItem(SheetItem::Name, "Picture3", sheet_);
    picture4_ = new SheetItem(SheetItem::Card, "Picture4", sheet_);
    for (SheetItem* i : {image1_, image2_, picture3_, picture4_}) {
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

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("MENU42PB"));
    const std::pair<const char*, const char32_t*> items[] = {
        {"MENU42PB1", texts::PrintMenuPrinter},
        {"MENU42PB2", texts::PrintMenuCancel},
        {"MENU42PB3", texts::PrintMenuPrint},
    };
    QPushButton* pressed[] = {command3_, command1_, command2_};
    for (int i = 0; i < 3; ++i) {
        QAction* a = menu_->addAction(q(items[i].second));
        a->setObjectName(QString::fromLatin1(items[i].first));
        connect(a, &QAction::triggered, pressed[i], &QPushButton::click);
        if (i == 2) {
            menu_->setDefaultAction(a);
        }
    }

    connect(command1_, &QPushButton::clicked, this, &Form42PB::cancel);
    connect(command2_, &QPushButton::clicked, this, &Form42PB::printPage);
    connect(command3_, &QPushButton::clicked, this, &Form42PB::choosePrinterAndPaper);
    connect(command4_, &QPushButton::clicked, this, &Form42PB::ChooseNameFont);
    connect(command5, &QPushButton::clicked, this, &Form42PB::showNameImage);
}

SheetItem* Form42PB::item(const char* name) const {
    return sheet_->findChild<SheetItem*>(QString::fromLatin1(name));
}

void Form42PB::setGroupEnabled(int check, bool on) {
    for (QObject* child : groups_[static_cast<std::size_t>(check)]->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != checks_[static_cast<std::size_t>(check)]) {
            w->setEnabled(on);
        }
    }
    // The preview shows what will print.
    SheetItem* shown[] = {nullptr, picture3_, picture4_, image1_, image2_};
    if (SheetItem* i = shown[check]) {
        i->setVisible(on && (i != image2_ || closeUpSame_));
    }
}

double Form42PB::value(int n) const {
    return fieldValue(ts(field(n)->text()));
}

void Form42PB::setValue(int n, double v) {
    field(n)->setText(qs(plainNumber(v)));
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

void Form42PB::open() {
    PrintSettings& s = app_.state.Print;
    auto* plant = app_.loaded<Form42>();
    const std::unique_ptr<PrinterSurface> printer = openPrinterSurface(app_);
    label12_->setText(printer->deviceName());

    const QString caption = plant ? plant->windowTitle() : QString();
    field(11)->setText(caption);
    s.PrintNameText = ts(caption);
    if (plant) {
        picture_ = plant->image()->picture();
        pictureTwips_ = QSizeF(twips(picture_.width()), twips(picture_.height()));
        classification_ = plant->classification()->text();
    }
    // The close-up prints only while its window shows this same plant.
    s.PrintCloseUpOn = 0;
    auto* closeUp = app_.loaded<Form43>();
    closeUpSame_ = plant && closeUp && closeUp->windowTitle() == caption;
    if (closeUpSame_) {
        s.PrintCloseUpOn = 1;
        closeUp_ = closeUp->image()->picture();
        closeUpTwips_ = QSizeF(twips(closeUp->image()->width()), twips(closeUp->image()->height()));
    }

    setValue(1, s.PrintPictureZoom);
    setValue(2, s.PrintPictureLeft);
    setValue(3, s.PrintPictureTop);
    setValue(6, s.PrintCloseUpZoom);
    setValue(7, s.PrintCloseUpLeft);
    setValue(8, s.PrintCloseUpTop);
    setValue(12, s.PrintCardLeft);
    setValue(13, s.PrintCardTop);
    setValue(14, s.PrintNameLeft);
    setValue(15, s.PrintNameTop);
    setValue(16, s.PrintCardZoom);
    const std::int16_t flags[] = {0, s.PrintNameOn, s.PrintCardOn, s.PrintPictureOn,
                                  s.PrintCloseUpOn};
    for (int c = 1; c <= 4; ++c) {
        check(c)->setChecked(flags[c] == 1);
        setGroupEnabled(c, flags[c] == 1);
    }
    checks_[4]->setEnabled(closeUpSame_);

    layOutSheet();
    fillPictureSizes(s.PrintCloseUpOn == 1);
    image1_->setPicture(picture_);
    image2_->setPicture(closeUp_);

    placeWindow(this);
    show();
    fitOnScreen(this);
    raise();
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

void Form42PB::fillPictureSizes(bool closeUpToo) {
    const PictureFields p = fieldsFromScale(app_.state.Print.PrintPictureZoom,
                                            pictureTwips_.width(), pictureTwips_.height());
    setValue(4, p.widthMm);
    setValue(5, p.heightMm);
    if (closeUpToo) {
        const PictureFields c = fieldsFromScale(app_.state.Print.PrintCloseUpZoom,
                                                closeUpTwips_.width(), closeUpTwips_.height());
        setValue(9, c.widthMm);
        setValue(10, c.heightMm);
    }
}

void Form42PB::choosePrinterAndPaper() {
    if (!app_.platform.dialogs->choosePrinter(this)) {
        return;
    }
    PrintSettings& s = app_.state.Print;
    label12_->setText(openPrinterSurface(app_)->deviceName());
    layOutSheet();
    s.PrintPictureZoom = static_cast<float>(value(1));
    s.PrintCloseUpZoom = static_cast<float>(value(6));
    fillPictureSizes(true);
    drawNamePreview();
    PrintSettingsRefresh();
    placeCard();
    DrawCardPreview();
}

void Form42PB::PrintSettingsRefresh() {
    const double scale = app_.state.Print.PreviewScale;
    image1_->setGeometry(previewRect(value(2) * TwipsPerMm * scale, value(3) * TwipsPerMm * scale,
                                     pictureTwips_.width() * value(1) * scale,
                                     pictureTwips_.height() * value(1) * scale));
    if (closeUpSame_ && app_.state.Print.PrintCloseUpOn == 1) {
        image2_->setGeometry(previewRect(
            value(7) * TwipsPerMm * scale, value(8) * TwipsPerMm * scale,
            closeUpTwips_.width() * value(6) * scale, closeUpTwips_.height() * value(6) * scale));
    }
    image2_->setVisible(closeUpSame_ && check(4)->isChecked());
}

void Form42PB::PlaceNamePreview() {
    const double scale = app_.state.Print.PreviewScale;
    const QRect r =
        previewRect(value(14) * TwipsPerMm * scale, value(15) * TwipsPerMm * scale, 1, 1);
    picture3_->move(r.topLeft());
}

void Form42PB::drawNamePreview() {
    // The name as Form42P shows it, scaled like everything on the sheet.
    auto& image = app_.load<Form42P>();
    const FontChoice font = app_.platform.dialogs->lastFont();
    if (image.label1()->text().isEmpty()) {
        image.setName(field(11)->text(), font);
    }
    const double scale = app_.state.Print.PreviewScale;
    const QSize label = image.label1()->sizeHint();
    QFont small = font.font;
    small.setPointSize(std::max(1, static_cast<int>(std::lround(font.font.pointSizeF() * scale))));
    const QRect r = previewRect(value(14) * TwipsPerMm * scale, value(15) * TwipsPerMm * scale,
                                twips(label.width()) * scale, twips(label.height()) * scale);
    picture3_->setGeometry(r);
    picture3_->setName(image.label1()->text(), small, font.colour);
}

void Form42PB::placeCard() {
    const double scale = app_.state.Print.PreviewScale;
    const QRect r =
        previewRect(value(12) * TwipsPerMm * scale, value(13) * TwipsPerMm * scale, 1, 1);
    picture4_->move(r.topLeft());
}

void Form42PB::DrawCardPreview() {
    const double z = value(16) * app_.state.Print.PreviewScale;
    const QRect r = previewRect(0, 0, 1800 * z + 30, 3960 * z + 30);
    picture4_->resize(r.size());
    picture4_->setCardZoom(z);
}

void Form42PB::ChooseNameFont() {
    const std::optional<FontChoice> chosen = app_.platform.dialogs->chooseFont(this);
    if (!chosen) {
        return;
    }
    auto& image = app_.load<Form42P>();
    image.setName(field(11)->text(), *chosen);
    // The name field shows the face and its effects; its size stays.
    QFont f = chosen->font;
    f.setPointSizeF(field(11)->font().pointSizeF());
    field(11)->setFont(f);
    QPalette pal = field(11)->palette();
    pal.setColor(QPalette::Text, chosen->colour);
    field(11)->setPalette(pal);
    drawNamePreview();
}

void Form42PB::showNameImage() {
    auto& image = app_.load<Form42P>();
    image.setName(field(11)->text(), app_.platform.dialogs->lastFont());
    placeWindow(&image);
    image.show();
    fitOnScreen(&image);
    image.raise();
}

void Form42PB::cancel() {
    closing_ = true;
    app_.unload(QString::fromLatin1(Form42P::Name));
    unload();
}

void Form42PB::printPage() {
    PrintSettings& s = app_.state.Print;
    s.PrintPictureZoom = static_cast<float>(value(1));
    s.PrintCloseUpZoom = static_cast<float>(value(6));
    s.PrintPictureLeft = static_cast<float>(value(2));
    s.PrintCloseUpLeft = static_cast<float>(value(7));
    s.PrintPictureTop = static_cast<float>(value(3));
    s.PrintCloseUpTop = static_cast<float>(value(8));
    s.PrintCardLeft = static_cast<float>(value(12));
    s.PrintCardTop = static_cast<float>(value(13));
    s.PrintCardZoom = static_cast<float>(value(16));
    s.PrintNameLeft = static_cast<float>(value(14));
    s.PrintNameTop = static_cast<float>(value(15));
    s.PrintNameOn = check(1)->isChecked() ? 1 : 0;
    s.PrintCardOn = check(2)->isChecked() ? 1 : 0;
    s.PrintPictureOn = check(3)->isChecked() ? 1 : 0;
    s.PrintCloseUpOn = check(4)->isChecked() ? 1 : 0;
    s.PrintNameText = ts(field(11)->text());

    PlantPage page;
    page.settings = s;
    page.picture = picture_;
    page.pictureTwips = pictureTwips_;
    page.closeUpSamePlant = closeUpSame_;
    page.closeUp = closeUp_;
    page.closeUpTwips = closeUpTwips_;
    page.nameFont = app_.platform.dialogs->lastFont();
    page.classification = classification_;
    App& app = app_;
    closing_ = true;
    unload();
    PrintPlantPageCommand(app, page);
}

bool Form42PB::commit(int n) {
    const std::optional<double> v = committedValue(ts(field(n)->text()));
    if (!v) {
        field(n)->setText(QStringLiteral("0"));
        app_.platform.beeper->beep();
        return false;
    }
    const double scale = app_.state.Print.PreviewScale;
    const auto fromSize = [this](const std::optional<PictureFields>& f, int scaleField,
                                 int otherField, bool otherIsHeight) {
        if (f) {
            setValue(scaleField, f->scale);
            setValue(otherField, otherIsHeight ? f->heightMm : f->widthMm);
        }
    };
    switch (n) {
    case 1: {
        PrintSettingsRefresh();
        const PictureFields f = fieldsFromScale(*v, pictureTwips_.width(), pictureTwips_.height());
        setValue(4, f.widthMm);
        setValue(5, f.heightMm);
        break;
    }
    case 4:
        fromSize(fieldsFromWidth(*v, pictureTwips_.width(), pictureTwips_.height()), 1, 5, true);
        PrintSettingsRefresh();
        break;
    case 5:
        fromSize(fieldsFromHeight(*v, pictureTwips_.width(), pictureTwips_.height()), 1, 4, false);
        PrintSettingsRefresh();
        break;
    case 6: {
        const PictureFields f = fieldsFromScale(*v, closeUpTwips_.width(), closeUpTwips_.height());
        setValue(9, f.widthMm);
        setValue(10, f.heightMm);
        PrintSettingsRefresh();
        break;
    }
    case 9:
        fromSize(fieldsFromWidth(*v, closeUpTwips_.width(), closeUpTwips_.height()), 6, 10, true);
        PrintSettingsRefresh();
        break;
    case 10:
        fromSize(fieldsFromHeight(*v, closeUpTwips_.width(), closeUpTwips_.height()), 6, 9, false);
        PrintSettingsRefresh();
        break;
    case 2:
    case 3:
    case 7:
    case 8:
        PrintSettingsRefresh();
        break;
    case 12:
    case 13:
        picture4_->move(
            previewRect(value(12) * scale * TwipsPerMm, value(13) * scale * TwipsPerMm, 1, 1)
                .topLeft());
        break;
    case 14:
    case 15:
        PlaceNamePreview();
        break;
    case 16:
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
    const PrintSettings& s = app_.state.Print;
    const int mmX = dropMillimetres(twips(onSheet.x()) - s.DragOffsetX, s.PreviewScale);
    const int mmY = dropMillimetres(twips(onSheet.y()) - s.DragOffsetY, s.PreviewScale);
    const std::pair<int, int> fieldsOf = item == image1_     ? std::pair{2, 3}
                                         : item == image2_   ? std::pair{7, 8}
                                         : item == picture3_ ? std::pair{14, 15}
                                                             : std::pair{12, 13};
    setValue(fieldsOf.first, mmX);
    setValue(fieldsOf.second, mmY);
    commit(fieldsOf.first);
}

void Form42PB::resizeItem(SheetItem* item, QPoint posInItem) {
    const double x = twips(posInItem.x());
    const double y = twips(posInItem.y());
    const double scale = app_.state.Print.PreviewScale;
    if (scale <= 0) {
        return;
    }
    if (item == image1_) {
        const PreviewSize size = sizePicturePreview(x, y);
        item->resize(previewRect(0, 0, size.width, size.height).size());
        const double widthMm = size.width / TwipsPerMm / scale;
        setValue(4, widthMm);
        if (const auto f =
                fieldsFromWidth(widthMm, pictureTwips_.width(), pictureTwips_.height())) {
            setValue(1, f->scale);
            setValue(5, f->heightMm);
        }
    } else if (item == image2_) {
        const double ratio =
            closeUpTwips_.height() > 0 ? closeUpTwips_.width() / closeUpTwips_.height() : 1;
        const PreviewSize size = sizeCloseUpPreview(x, y, ratio);
        item->resize(previewRect(0, 0, size.width, size.height).size());
        const double widthMm = size.width / TwipsPerMm / scale;
        setValue(9, widthMm);
        if (const auto f =
                fieldsFromWidth(widthMm, closeUpTwips_.width(), closeUpTwips_.height())) {
            setValue(6, f->scale);
            setValue(10, f->heightMm);
        }
    } else if (item == picture4_) {
        const PreviewSize size = sizeCardPreview(x, y);
        setValue(16, size.width / scale / 1800);
        DrawCardPreview();
    }
}

bool Form42PB::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    // Numeric fields commit on Enter and on losing the focus.
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
        const auto at = std::find(fields_.begin(), fields_.end(), edit);
        const int n = at == fields_.end() ? 0 : static_cast<int>(at - fields_.begin());
        if (n > 0 && type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (n == 11) {
                    return true;
                }
                return commit(n);
            }
        } else if (n > 0 && n != 11 && type == QEvent::FocusOut && !closing_) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                commit(n);
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
            app_.state.Print.DragOffsetX = static_cast<float>(twips(pressPos_.x()));
            app_.state.Print.DragOffsetY = static_cast<float>(twips(pressPos_.y()));
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
    menu_->popup(globalPos, menu_->defaultAction());
}

// --- commands --------------------------------------------------------------------

void OpenPrintSettings(App& app) {
    if (!app.loaded<Form42>()) {
        return;
    }
    // Every print button press starts the dialog afresh.
    app.unload(QString::fromLatin1(Form42PB::Name));
    app.load<Form42PB>().open();
}

void PrintPlantPageCommand(App& app, const PlantPage& page) {
    Dialogs& dialogs = *app.platform.dialogs;
    QString suggested = qs(page.settings.PrintNameText).section(QLatin1Char('('), 0, 0).trimmed();
    if (suggested.isEmpty()) {
        suggested = q(texts::PrintPictureCheck);
    }
    QStringList written;
    if (dialogs.prepareOutput(app.mainWindow(), suggested + QStringLiteral(".pdf"))) {
        std::unique_ptr<PrinterSurface> surface = openPrinterSurface(app);
        int failed = 0;
        {
            CursorGuard hourglass;
            for (int copy = 1; copy <= dialogs.copies() && failed == 0; ++copy) {
                try {
                    PrintPlantPage(*surface, app.state, page);
                } catch (const RunTimeError& e) {
                    failed = e.number();
                } catch (const std::bad_alloc&) {
                    failed = 7;
                }
            }
            if (failed != 0) {
                surface->abortDocument();
            }
        }
        // A failed printout ends, and says so; the pages already sent stay sent.
        if (failed != 0) {
            ReportPrintError(app, failed, false);
        }
        written = surface->writtenFiles();
    }
    app.unload(QString::fromLatin1(Form42PB::Name));
    app.unload(QString::fromLatin1(Form42P::Name));
    ReportWrittenFiles(app, written);
}

} // namespace kuyu::gui
