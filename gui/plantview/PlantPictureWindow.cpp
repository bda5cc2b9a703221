// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plantview/PlantPictureWindow.h"

#include "core/Errors.h"
#include "core/features/Features.h"
#include "core/files/Files.h"
#include "core/images/PictureLookup.h"
#include "core/images/PlantFiles.h"
#include "gui/app/App.h"
#include "gui/images/ImageBox.h"
#include "gui/images/PictureLoader.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/DetailWindows.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantViewTexts.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

void tell(App& app, QWidget* parent, const char32_t* text, const char32_t* title) {
    Message m;
    m.text = text;
    m.title = title;
    app.platform.messages->show(parent, m);
}

} // namespace

Form42::Form42(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::PlantCaption));
    const QFont mincho = minchoFont();
    const QFont gothic = gothicFont();

    image_ = new ImageBox(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    image_->setMinimumSize(px(3000), px(3000));

    auto* label11 = makeLabel("Label11", q(texts::PlantFeaturesHeading));
    label11->setFont(gothic);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int k = 1; k <= 10; ++k) {
        const QByteArray labelName = "Label" + QByteArray::number(k);
        auto* heading = makeLabel(labelName.constData(), q(texts::FeatureHeadings[k - 1]));
        heading->setFont(gothic);
        auto* box = new PrintBox(this);
        box->setObjectName(QStringLiteral("TOK%1").arg(k - 1));
        box->setFont(mincho);
        box->setBackColor(palette().color(QPalette::Window));
        box->setMinimumSize(px(1800), px(375));
        tok_[k - 1] = box;
        grid->addWidget(heading, k - 1, 0);
        grid->addWidget(box, k - 1, 1);
        watch(heading, RightClick);
        watch(box, RightClick);
    }
    label12_ = makeLabel("Label12", QString());
    label12_->setFont(gothic);
    for (QWidget* w : {static_cast<QWidget*>(label11), static_cast<QWidget*>(label12_),
                       static_cast<QWidget*>(image_), static_cast<QWidget*>(this)}) {
        watch(w, RightClick);
    }

    auto* buttons = new QGridLayout;
    QPushButton* made[6] = {};
    for (int i = 0; i < 6; ++i) {
        const auto& b = texts::PlantButtons[static_cast<std::size_t>(i)];
        made[i] = makeButton(b.objectName, q(b.caption));
        made[i]->setFont(mincho);
        buttons->addWidget(made[i], i / 2, i % 2);
    }
    setDefaultButton(made[0]);
    setCancelButton(made[5]);
    connect(made[0], &QPushButton::clicked, this, [this] { showCloseUp(U'Q'); });
    connect(made[1], &QPushButton::clicked, this, [this] { showCloseUp(U'R'); });
    connect(made[2], &QPushButton::clicked, this, &Form42::showNote);
    connect(made[3], &QPushButton::clicked, this, &Form42::showVideo);
    connect(made[4], &QPushButton::clicked, this, [this] {
        // Printing is wired by the printing windows; until then 印刷 does nothing.
        if (app_.hasCommand(hook::PrintPlantPage)) {
            app_.run(hook::PrintPlantPage);
        }
    });
    connect(made[5], &QPushButton::clicked, this, [this] { unload(); });

    auto* side = new QVBoxLayout;
    side->addWidget(label11);
    side->addWidget(makeLine("Line1"));
    side->addLayout(grid);
    side->addWidget(makeLine("Line3"));
    side->addWidget(label12_);
    side->addWidget(makeLine("Line4"));
    side->addStretch(1);
    side->addLayout(buttons);
    // The remaining decoration lines of the design, kept for their names.
    for (const char* name : {"Line5", "Line6", "Line7"}) {
        makeLine(name)->hide();
    }

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(image_, 0, Qt::AlignTop);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    menu_ = makeMenu("MENU_42", q(texts::Menu42));
    auto* print = addMenuItem(menu_, "MENU421", q(texts::Menu421));
    addMenuSeparator(menu_, "MENU422");
    auto* up = addMenuItem(menu_, "MENU423", q(texts::Menu423));
    auto* close = addMenuItem(menu_, "MENU424", q(texts::Menu424));
    menu_->setDefaultAction(up);
    connect(print, &QAction::triggered, made[4], &QPushButton::click);
    connect(up, &QAction::triggered, made[0], &QPushButton::click);
    connect(close, &QAction::triggered, made[5], &QPushButton::click);
}

void Form42::onRightClick(QWidget*, const QPoint& globalPos) {
    menu_->popup(globalPos);
}

void Form42::reportError(int number, const char32_t* notFoundText, const char32_t* notFoundTitle) {
    if (number == err::FileNotFound) {
        tell(app_, this, notFoundText, notFoundTitle);
        return;
    }
    // Any other failure is said in the program's usual words.
    Message m;
    m.text = errorNumberText(number);
    m.title = texts::TitleError;
    app_.platform.messages->show(this, m);
}

void Form42::showCloseUp(char32_t letter) {
    const bool first = letter == U'Q';
    const char32_t* missing = first ? texts::CloseUpMissing : texts::SupplementMissing;
    const char32_t* missingTitle = first ? texts::CloseUpTitle : texts::SupplementMissingTitle;
    const char32_t* gone = first ? texts::CloseUpGone : texts::SupplementGone;
    const char32_t* goneTitle = first ? texts::CloseUpTitle : texts::SupplementGoneTitle;

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

Form42::PrintSources Form42::printSources() const {
    PrintSources out;
    out.caption = windowTitle();
    out.picture = image_->picture();
    out.classification = label12_->text();
    auto* closeUp = app_.loaded<Form43>();
    if (closeUp && closeUp->windowTitle() == out.caption) {
        out.closeUpSame = true;
        out.closeUp = closeUp->image()->picture();
        out.closeUpSize = closeUp->image()->size();
    }
    return out;
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
        tell(app_, this, texts::NoteMissing, texts::NoteTitle);
        return;
    }
    try {
        note.setNote(qs(NoteText(readWholeFile(*file, MaxNoteBytes))));
        note.setWindowTitle(windowTitle());
        showRestored(&note);
        fitOnScreen(&note);
    } catch (const RunTimeError& e) {
        hourglass.restore();
        reportError(e.number(), texts::NoteMissing, texts::NoteTitle);
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
        tell(app_, this, texts::VideoMissing, texts::VideoTitle);
        return;
    }
    video.setWindowTitle(windowTitle());
    showRestored(&video);
    fitOnScreen(&video);
    try {
        video.openVideo(QFile::decodeName(QByteArray::fromStdString(*native)));
    } catch (const RunTimeError& e) {
        hourglass.restore();
        reportError(e.number(), texts::VideoMissing, texts::VideoTitle);
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
        tell(app, &w, texts::PictureMissing, texts::PictureMissingTitle);
        return;
    }
    try {
        w.image()->setPicture(LoadPicture(app, *file));
    } catch (const RunTimeError& e) {
        // The window still opens, over the blank picture.
        if (e.number() == err::FileNotFound) {
            hourglass.restore();
            tell(app, &w, texts::PictureMissing, texts::PictureGoneTitle);
        }
    }
    if (!w.isVisible()) {
        // First showing: below the main window, clear of the search panel
        // that usually sits at the left edge.
        w.adjustSize();
        placeWindow(&w);
    }
    showRestored(&w);
    w.activateWindow();
    fitOnScreen(&w);
}

} // namespace kuyu::gui
