#include "gui/conditions/Form11.h"

#include "core/conditions/Conditions.h"
#include "gui/app/App.h"
#include "gui/images/ImageBox.h"
#include "gui/plantview/Placement.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

// Texts of the picker (exactly as the program has always shown them).
const char* const DesignCaption = "検索項目表示";
const char* const ConfirmCaption = "確認";
const char* const CancelCaption = "中止";
const char* const Menu11Caption = "ﾎﾟｯﾌﾟｱｯﾌﾟ11";
const char* const Menu111Caption = "選択取消 (&U&ﾅ)";
const char* const Menu113Caption = "中止（選択せず終了）(&M&ﾓ)";
const char* const Menu114Caption = "確認（選択して終了）(&X&ｻ)";
const char* const Menu12Caption = "ﾎﾟｯﾌﾟｱｯﾌﾟ12";
const char* const Menu121Caption = "選択取消(&U&ﾅ)";
const char* const PickText = " 番を選択します。"; // after "  " and the digit

// The illustration's grid in twips: four columns, two rows.
struct Span {
    int from, to; // exclusive bounds
};
constexpr Span Columns[4] = {{70, 2100}, {2300, 4330}, {4530, 6560}, {6760, 8890}};

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    auto* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    auto* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

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

Form11::Form11(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setWindowTitle(QString::fromUtf8(DesignCaption));

    image_ = new ImageBox(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    image_->setMinimumSize(px(8890), px(5400));

    const QFont systemFont(QStringLiteral("System"));
    const QFont minchoFont(QStringLiteral("ＭＳ 明朝"));

    auto* buttons = new QHBoxLayout;
    for (int n = 1; n <= 8; ++n) {
        auto* b = new QPushButton(QString::number(n), this);
        b->setObjectName(QStringLiteral("Command%1").arg(n));
        b->setFont(systemFont);
        b->setAutoDefault(true);
        b->setMinimumWidth(px(480));
        b->setAccessibleName(QStringLiteral("%1").arg(n));
        connect(b, &QPushButton::clicked, this, [this, n] { pick(n); });
        options_[n - 1] = b;
        buttons->addWidget(b);
    }
    buttons->addSpacing(px(300));
    confirm_ = new QPushButton(QString::fromUtf8(ConfirmCaption), this);
    confirm_->setObjectName(QStringLiteral("Command9"));
    cancel_ = new QPushButton(QString::fromUtf8(CancelCaption), this);
    cancel_->setObjectName(QStringLiteral("Command10"));
    for (auto* b : {confirm_, cancel_}) {
        b->setFont(minchoFont);
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    connect(confirm_, &QPushButton::clicked, this, &Form11::confirm);
    connect(cancel_, &QPushButton::clicked, this, &Form11::cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(image_, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The two pop-up menus: before an option is picked only 中止 acts.
    menu11_ = new QMenu(QString::fromUtf8(Menu11Caption), this);
    menu11_->setObjectName(QStringLiteral("MENU_11"));
    addItem(menu11_, "MENU111", QString::fromUtf8(Menu111Caption));
    addSeparator(menu11_, "MENU112");
    connect(addItem(menu11_, "MENU113", QString::fromUtf8(Menu113Caption)), &QAction::triggered,
            cancel_, &QPushButton::click);
    addItem(menu11_, "MENU114", QString::fromUtf8(Menu114Caption));

    menu12_ = new QMenu(QString::fromUtf8(Menu12Caption), this);
    menu12_->setObjectName(QStringLiteral("MENU_12"));
    connect(addItem(menu12_, "MENU121", QString::fromUtf8(Menu121Caption)), &QAction::triggered,
            this, &Form11::undoChoice);
    addSeparator(menu12_, "MENU122");
    connect(addItem(menu12_, "MENU123", QString::fromUtf8(Menu113Caption)), &QAction::triggered,
            cancel_, &QPushButton::click);
    menu124_ = addItem(menu12_, "MENU124", QString::fromUtf8(Menu114Caption));
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
    watch(this);
    for (auto* b : options_) {
        watch(b);
    }
    watch(confirm_);
    watch(cancel_);
    watch(image_);
    placeOnScreen(this);
}

void Form11::watch(QWidget* w) {
    w->installEventFilter(this);
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
    setWindowTitle(qs(name + U"  " + Text(1, char32_t(U'0' + n))) + QString::fromUtf8(PickText));
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
    const int k = s.CurrentCategory;
    if (QWidget* main = app_.mainWindow()) {
        if (auto* item = main->findChild<QAction*>(QString::fromLatin1(Category(k).menuItem))) {
            item->setChecked(s.CategoryChosen.at(k));
        }
    }
    app_.unload(QString::fromLatin1(Name));
    if (s.SearchMode >= 0) {
        app_.run(QStringLiteral("SearchPanelRefresh"));
    }
    app_.notify(hook::ConditionCommitted);
}

void Form11::cancel() {
    finished_ = true;
    app_.unload(QString::fromLatin1(Name));
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
    if (event->type() == QEvent::MouseButtonRelease && watched != image_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            for (auto* b : options_) {
                if (watched == b) {
                    popUpMenu();
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form11::closeEvent(QCloseEvent* event) {
    finished_ = true;
    event->accept();
    app_.unload(QString::fromLatin1(Name));
}

} // namespace kuyu::gui
