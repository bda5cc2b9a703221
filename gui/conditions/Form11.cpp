// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/conditions/Form11.h"

#include "core/conditions/Conditions.h"
#include "gui/app/App.h"
#include "gui/conditions/ConditionTexts.h"
#include "gui/images/ImageBox.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

// The illustration's grid in twips: four columns, two rows.
struct Span {
    int from, to; // exclusive bounds
};
constexpr Span Columns[4] = {{70, 2100}, {2300, 4330}, {4530, 6560}, {6760, 8890}};

} // namespace

int Form11::OptionAt(QPoint pixelPos) {
    const int x = twips(pixelPos.x());
    const int y = twips(pixelPos.y());
    int column = 0;
    for (int c = 0; c < 4; ++c) {
        if (x > Columns[c].from && x < Columns[c].to) {
            column = c + 1;
        }
    }
    if (column == 0 || y < 0) {
        return 0;
    }
    if (y < 2680) {
        return column;
    }
    if (y > 2730 && y < 5400) {
        return column + 4;
    }
    return 0;
}

QRect Form11::OptionCell(int n) {
    if (n < 1 || n > 8) {
        return {};
    }
    const Span column = Columns[(n - 1) % 4];
    const Span row = n <= 4 ? Span{0, 2680} : Span{2730, 5400};
    return QRect(QPoint(px(column.from), px(row.from)), QPoint(px(column.to), px(row.to)));
}

Form11::Form11(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::PickerCaption));

    image_ = new ImageBox(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    image_->setMinimumSize(px(8890), px(5400));

    const QFont systemFont(QStringLiteral("System"));
    const QFont mincho(minchoFont().family());

    auto* buttons = new QHBoxLayout;
    for (int n = 1; n <= 8; ++n) {
        const QByteArray name = "Command" + QByteArray::number(n);
        auto* b = makeButton(name.constData(), QString::number(n));
        b->setFont(systemFont);
        b->setMinimumWidth(px(480));
        b->setAccessibleName(QString::number(n));
        connect(b, &QPushButton::clicked, this, [this, n] { pick(n); });
        options_[n - 1] = b;
        buttons->addWidget(b);
    }
    buttons->addSpacing(px(300));
    confirm_ = makeButton("Command9", q(texts::PickerConfirm));
    cancel_ = makeButton("Command10", q(texts::PickerCancel));
    for (auto* b : {confirm_, cancel_}) {
        b->setFont(mincho);
        buttons->addWidget(b);
    }
    setCancelButton(cancel_);
    connect(confirm_, &QPushButton::clicked, this, &Form11::confirm);
    connect(cancel_, &QPushButton::clicked, this, &Form11::cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(image_, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The two pop-up menus: before an option is picked only 中止 acts.
    menu11_ = makeMenu("MENU_11", q(texts::Menu11));
    addMenuItem(menu11_, "MENU111", q(texts::Menu111));
    addMenuSeparator(menu11_, "MENU112");
    connect(addMenuItem(menu11_, "MENU113", q(texts::Menu113)), &QAction::triggered, cancel_,
            &QPushButton::click);
    addMenuItem(menu11_, "MENU114", q(texts::Menu114));

    menu12_ = makeMenu("MENU_12", q(texts::Menu12));
    connect(addMenuItem(menu12_, "MENU121", q(texts::Menu121)), &QAction::triggered, this,
            &Form11::undoChoice);
    addMenuSeparator(menu12_, "MENU122");
    connect(addMenuItem(menu12_, "MENU123", q(texts::Menu113)), &QAction::triggered, cancel_,
            &QPushButton::click);
    menu124_ = addMenuItem(menu12_, "MENU124", q(texts::Menu114));
    connect(menu124_, &QAction::triggered, confirm_, &QPushButton::click);
    menu12_->setDefaultAction(menu124_);

    connect(image_, &ImageBox::leftPressed, this, [this](QPoint pos) {
        // A second press on the picked picture confirms it.
        if (finished_) {
            return;
        }
        const int current = app_.state.CurrentOption;
        if (current != 0 && OptionAt(pos) == current) {
            confirm_->click();
        }
    });
    connect(image_, &ImageBox::leftReleased, this, [this](QPoint pos) {
        if (!finished_) {
            pickFromPicture(OptionAt(pos));
        }
    });
    connect(image_, &ImageBox::rightReleased, this, [this](QPoint) { popUpMenu(); });

    // Key preview: the window sees every key before the focused control.
    installEventFilter(this);
    for (auto* b : options_) {
        watch(b, RightClick);
    }
    confirm_->installEventFilter(this);
    cancel_->installEventFilter(this);
    image_->installEventFilter(this);
    placeWindow(this);
}

void Form11::setIllustration(const QImage& picture) {
    image_->setPicture(picture);
}

QPushButton* Form11::optionButton(int n) const {
    return (n >= 1 && n <= 8) ? options_[n - 1] : nullptr;
}

void Form11::showOptionButtons(int optionCount) {
    for (int n = 1; n <= 8; ++n) {
        options_[n - 1]->setVisible(n <= 3 || n <= optionCount);
    }
}

void Form11::pick(int n) {
    if (finished_) {
        return;
    }
    auto& s = app_.state;
    s.CurrentOption = static_cast<std::int16_t>(n);
    const Text name = s.OptionLabel.at(s.CurrentCategory).at(0);
    setWindowTitle(qs(name + U"  " + Text(1, char32_t(U'0' + n)) + texts::PickText));
}

void Form11::pickFromPicture(int n) {
    if (n == 0 || (n >= 4 && n > app_.state.OptionCount)) {
        return;
    }
    options_[n - 1]->setFocus(Qt::OtherFocusReason);
    pick(n);
}

void Form11::confirm() {
    if (finished_) {
        return;
    }
    finished_ = true;
    auto& s = app_.state;
    CommitCondition(s);
    emit app_.conditionsChanged();
    unload();
    if (s.SearchMode >= search::Plain) {
        app_.run(hook::SearchPanelRefresh);
    }
    app_.notify(hook::ConditionCommitted);
}

void Form11::cancel() {
    finished_ = true;
    unload();
}

void Form11::undoChoice() {
    auto& s = app_.state;
    // The category's stored condition decides the caption and the focus; the
    // pick itself is dropped, so confirming now stores "0".
    const QString caption = qs(BeginConditionPicker(s));
    const int stored = s.CurrentOption;
    s.CurrentOption = 0;
    setWindowTitle(caption);
    QPushButton* focus = (stored >= 1 && stored <= 8) ? options_[stored - 1] : confirm_;
    focus->setFocus(Qt::OtherFocusReason);
}

void Form11::popUpMenu() {
    if (finished_) {
        return;
    }
    QMenu* menu = app_.state.CurrentOption == 0 ? menu11_ : menu12_;
    menu->popup(QCursor::pos());
}

bool Form11::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1) {
            return false;
        }
        const QChar c = text.at(0);
        if (c == QLatin1Char(' ')) {
            confirm_->click();
            return true;
        }
        const int highest = QLatin1Char('0').unicode() + app_.state.OptionCount;
        if (c.unicode() > highest) {
            return true; // became "9": no control acts on it
        }
        if (c >= QLatin1Char('1') && c <= QLatin1Char('8')) {
            pickFromPicture(c.unicode() - QLatin1Char('0').unicode());
            return true;
        }
        return false;
    }
    return FormWindow::eventFilter(watched, event);
}

void Form11::onRightClick(QWidget*, const QPoint&) {
    popUpMenu();
}

void Form11::closeEvent(QCloseEvent* event) {
    finished_ = true;
    FormWindow::closeEvent(event);
}

} // namespace kuyu::gui
