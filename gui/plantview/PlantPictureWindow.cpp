#include "gui/plantview/PlantPictureWindow.h"

#include "core/Errors.h"
#include "core/features/Features.h"
#include "core/files/Files.h"
#include "core/images/PictureLookup.h"
#include "gui/app/App.h"
#include "gui/images/ImageBox.h"
#include "gui/images/PictureLoader.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/DetailWindows.h"
#include "gui/plantview/Placement.h"
#include "gui/plantview/PlantFiles.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/FormButtons.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

// Row headings of the ten characteristics, in category order.
const char* const FeatureHeadings[10] = {"花の色", "花弁数", "花序", "花の形", "ｵｼﾍﾞ数",
                                         "葉序",   "葉の形", "葉脈", "茎形状", "茎断面"};

void tell(App& app, QWidget* parent, const QString& text, const QString& title) {
    Message m;
    m.text = ts(text);
    m.title = ts(title);
    app.platform.messages->show(parent, m);
}

QFrame* line(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

Form42::Form42(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setWindowTitle(QStringLiteral("植物図"));
    const QFont mincho(QStringLiteral("ＭＳ 明朝"), 11);
    const QFont gothic(QStringLiteral("ＭＳ ゴシック"), 11);

    image_ = new ImageBox(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    image_->setMinimumSize(px(3000), px(3000));

    auto* label11 = new QLabel(QStringLiteral("植物の主な特徴"), this);
    label11->setObjectName(QStringLiteral("Label11"));
    label11->setFont(gothic);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int k = 1; k <= 10; ++k) {
        auto* heading = new QLabel(QString::fromUtf8(FeatureHeadings[k - 1]), this);
        heading->setObjectName(QStringLiteral("Label%1").arg(k));
        heading->setFont(gothic);
        auto* box = new PrintBox(this);
        box->setObjectName(QStringLiteral("TOK%1").arg(k - 1));
        box->setFont(mincho);
        box->setBackColor(palette().color(QPalette::Window));
        box->setMinimumSize(px(1800), px(375));
        tok_[k - 1] = box;
        grid->addWidget(heading, k - 1, 0);
        grid->addWidget(box, k - 1, 1);
        heading->installEventFilter(this);
        box->installEventFilter(this);
    }
    label12_ = new QLabel(this);
    label12_->setObjectName(QStringLiteral("Label12"));
    label12_->setFont(gothic);
    label11->installEventFilter(this);
    label12_->installEventFilter(this);
    image_->installEventFilter(this);

    struct ButtonSpec {
        const char* name;
        const char* caption;
    };
    const ButtonSpec specs[] = {{"Command1", "ＵＰ"}, {"Command4", "UP2"},  {"Command5", "メモ"},
                                {"Command6", "av"},   {"Command3", "印刷"}, {"Command2", "終了"}};
    auto* buttons = new QGridLayout;
    QPushButton* made[6] = {};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(specs[i].caption), this);
        b->setObjectName(QString::fromLatin1(specs[i].name));
        b->setFont(mincho);
        b->setAutoDefault(true);
        buttons->addWidget(b, i / 2, i % 2);
        made[i] = b;
    }
    command1_ = made[0];
    command2_ = made[5];
    command1_->setDefault(true);
    connect(made[0], &QPushButton::clicked, this, [this] { showCloseUp(U'Q'); });
    connect(made[1], &QPushButton::clicked, this, [this] { showCloseUp(U'R'); });
    connect(made[2], &QPushButton::clicked, this, &Form42::showNote);
    connect(made[3], &QPushButton::clicked, this, &Form42::showVideo);
    connect(made[4], &QPushButton::clicked, this,
            [this] { app_.run(QStringLiteral("Form42.Print")); });
    connect(made[5], &QPushButton::clicked, this,
            [this] { app_.unload(QString::fromLatin1(Name)); });

    auto* side = new QVBoxLayout;
    side->addWidget(label11);
    side->addWidget(line(this, "Line1"));
    side->addLayout(grid);
    side->addWidget(line(this, "Line3"));
    side->addWidget(label12_);
    side->addWidget(line(this, "Line4"));
    side->addStretch(1);
    side->addLayout(buttons);
    // The remaining decoration lines of the design, kept for their names.
    for (const char* name : {"Line5", "Line6", "Line7"}) {
        line(this, name)->hide();
    }

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(image_, 0, Qt::AlignTop);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    menu_ = new QMenu(QStringLiteral("ﾎｯﾌﾟｱｯﾌﾟ42"), this);
    menu_->setObjectName(QStringLiteral("MENU_42"));
    auto* print = menu_->addAction(QStringLiteral("Ｐ（植物図印刷）(&P&ｾ)"));
    print->setObjectName(QStringLiteral("MENU421"));
    menu_->addSeparator()->setObjectName(QStringLiteral("MENU422"));
    auto* up = menu_->addAction(QStringLiteral("ＵＰ（ＵＰ画像表示）(&V&ﾋ)"));
    up->setObjectName(QStringLiteral("MENU423"));
    auto* close = menu_->addAction(QStringLiteral("終了（植物図終了）(&E&ｲ)"));
    close->setObjectName(QStringLiteral("MENU424"));
    menu_->setDefaultAction(up);
    connect(print, &QAction::triggered, made[4], &QPushButton::click);
    connect(up, &QAction::triggered, made[0], &QPushButton::click);
    connect(close, &QAction::triggered, made[5], &QPushButton::click);
}

void Form42::popUp() {
    menu_->popup(QCursor::pos());
}

bool Form42::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        popUp();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form42::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        popUp();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void Form42::keyPressEvent(QKeyEvent* event) {
    if (!pressDefaultOrCancel(event, command1_, command2_)) {
        QWidget::keyPressEvent(event);
    }
}

void Form42::closeEvent(QCloseEvent* event) {
    event->accept();
    app_.unload(QString::fromLatin1(Name));
}

void Form42::reportError(int number, const QString& notFoundText, const QString& notFoundTitle) {
    if (number == err::FileNotFound) {
        tell(app_, this, notFoundText, notFoundTitle);
        return;
    }
    // Any other failure is said in the program's usual words.
    Message m;
    m.text = errorNumberText(number);
    m.title = U"エラーメッセージ";
    app_.platform.messages->show(this, m);
}

void Form42::showCloseUp(char32_t letter) {
    const bool first = letter == U'Q';
    const QString missing = first ? QStringLiteral("Q画像ファイルがありません")
                                  : QStringLiteral("R画像ファイルがありません");
    const QString missingTitle = first ? QStringLiteral("ＵＰ画像") : QStringLiteral("UP2");
    const QString gone =
        first ? QStringLiteral("ファイルがありません") : QStringLiteral("Rファイルがありません");
    const QString goneTitle = first ? QStringLiteral("ＵＰ画像") : QStringLiteral("ＵＰ2画像");

    CursorGuard hourglass;
    const Text name = CaptionName(ts(windowTitle()));
    CloseUpWindow& w = first ? static_cast<CloseUpWindow&>(app_.load<Form43>())
                             : static_cast<CloseUpWindow&>(app_.load<Form43R>());
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    try {
        if (!FillCloseUp(app_, w, CloseUpCandidates(app_.state, name, letter), windowTitle(),
                         normal)) {
            hourglass.restore();
            tell(app_, this, missing, missingTitle);
        }
    } catch (const RunTimeError& e) {
        hourglass.restore();
        reportError(e.number(), gone, goneTitle);
    }
}

// A note is a few kilobytes; a file far larger than any note is refused
// before it is read (error 7) rather than pulled into memory and the box.
constexpr std::size_t MaxNoteBytes = std::size_t{4} << 20;

void Form42::showNote() {
    CursorGuard hourglass;
    const Text name = CaptionName(ts(windowTitle()));
    auto& note = app_.load<Form43T>();
    const auto file = firstExisting(DetailFileCandidates(app_.state, name, U".txt"));
    if (!file) {
        hourglass.restore();
        tell(app_, this, QStringLiteral("txtファイルがありません"), QStringLiteral("メモ"));
        return;
    }
    try {
        note.setNote(qs(NoteText(readWholeFile(*file, MaxNoteBytes))));
        note.setWindowTitle(windowTitle());
        note.show();
        note.raise();
        keepOnScreen(&note);
    } catch (const RunTimeError& e) {
        hourglass.restore();
        reportError(e.number(), QStringLiteral("txtファイルがありません"), QStringLiteral("メモ"));
    }
}

void Form42::showVideo() {
    CursorGuard hourglass;
    const Text name = CaptionName(ts(windowTitle()));
    auto& video = app_.load<Form43V>();
    const auto file = firstExisting(DetailFileCandidates(app_.state, name, U".avi"));
    const auto native = file ? resolvePath(*file) : std::nullopt;
    if (!native) {
        hourglass.restore();
        tell(app_, this, QStringLiteral("avファイルがありません"), QStringLiteral("av"));
        return;
    }
    video.setWindowTitle(windowTitle());
    video.show();
    video.raise();
    keepOnScreen(&video);
    try {
        video.openVideo(QFile::decodeName(QByteArray::fromStdString(*native)));
    } catch (const RunTimeError& e) {
        hourglass.restore();
        reportError(e.number(), QStringLiteral("avファイルがありません"), QStringLiteral("av"));
    }
}

// --- OpenPlantPicture --------------------------------------------------------

void OpenPlantPicture(App& app) {
    auto& s = app.state;
    CursorGuard hourglass;
    auto& w = app.load<Form42>();
    for (int i = 0; i < 10; ++i) {
        w.feature(i)->cls();
    }
    if (s.NameKey.empty()) {
        return;
    }
    const int row = FindPlantByKey(s, s.NameKey);
    if (row == 0) {
        return;
    }
    const PlantFeatures f = PlantPictureFeatures(s, row);
    w.setWindowTitle(qs(f.caption));
    for (int i = 0; i < 10; ++i) {
        w.feature(i)->setForeColor(FeatureViewColour(i + 1));
        w.feature(i)->print(f.values[i]);
    }
    // An unclassified plant empties the line rather than keep the last one's.
    w.classification()->setText(qs(f.classification));
    w.image()->setPicture(BlankPicture(app));

    const auto file = firstExisting(PlantPictureCandidates(s, s.NameKey));
    if (!file) {
        hourglass.restore();
        Message m;
        m.text = U"画像ファイルがみつかりません";
        m.title = U"画像表示";
        app.platform.messages->show(&w, m);
        return;
    }
    try {
        w.image()->setPicture(LoadPicture(app, *file));
    } catch (const RunTimeError& e) {
        // The window still opens, over the blank picture.
        if (e.number() == err::FileNotFound) {
            hourglass.restore();
            Message m;
            m.text = U"画像ファイルがみつかりません";
            m.title = U"エラー表示";
            app.platform.messages->show(&w, m);
        }
    }
    if (!w.isVisible()) {
        // First showing: below the main window, clear of the search panel
        // that usually sits at the left edge.
        w.adjustSize();
        placeBelow(&w, app.mainWindow(), 0.4);
    }
    w.show();
    w.raise();
    w.activateWindow();
    keepOnScreen(&w);
}

} // namespace kuyu::gui
