#include "gui/plantview/RegisteredListWindow.h"

#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/plantview/Placement.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/FormButtons.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

QFrame* line(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    auto* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

Form53::Form53(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setWindowTitle(QStringLiteral("リスト検索"));
    const QFont mincho(QStringLiteral("ＭＳ 明朝"), 11);

    label1_ = new QLabel(QStringLiteral("        植物名　          　（科名）　"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(mincho);
    label1_->setAutoFillBackground(true);
    list1_ = new QListWidget(this);
    list1_->setUniformItemSizes(true); // one fixed-column line each: no layout per row
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(mincho);
    list1_->setMinimumSize(px(5400), px(4800));
    picture11_ = new PrintBox(this);
    picture11_->setObjectName(QStringLiteral("Picture11"));
    picture11_->setFont(mincho);
    picture11_->setMinimumHeight(24);

    command2_ = new QPushButton(QStringLiteral("図示"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command1_ = new QPushButton(QStringLiteral("終了"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    for (auto* b : {command2_, command1_}) {
        b->setFont(mincho);
        b->setAutoDefault(true);
    }
    command2_->setDefault(true);
    connect(command2_, &QPushButton::clicked, this, &Form53::showSelected);
    connect(command1_, &QPushButton::clicked, this,
            [this] { app_.unload(QString::fromLatin1(Name)); });
    connect(list1_, &QListWidget::itemDoubleClicked, command2_, &QPushButton::click);

    menu53_ = new QMenu(QStringLiteral("ﾎﾟｯﾌﾟｱｯﾌﾟ53"), this);
    menu53_->setObjectName(QStringLiteral("MENU_53"));
    auto* show = item(menu53_, "MENU531", QStringLiteral("図示（植物図表示）(&V&ﾋ)"));
    auto* end = item(menu53_, "MENU532", QStringLiteral("終了（検索終了）(&E&ｲ)"));
    menu53_->setDefaultAction(show);
    connect(show, &QAction::triggered, command2_, &QPushButton::click);
    connect(end, &QAction::triggered, command1_, &QPushButton::click);
    menu53A_ = new QMenu(QStringLiteral("ﾎﾟｯﾌﾟｱｯﾌﾟ53A"), this);
    menu53A_->setObjectName(QStringLiteral("MENU_53A"));
    item(menu53A_, "MENU531A", QStringLiteral("図示（植物図表示）(&V&ﾋ)"))->setEnabled(false);
    connect(item(menu53A_, "MENU532A", QStringLiteral("終了（検索終了）(&E&ｲ)")),
            &QAction::triggered, command1_, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(picture11_, 1);
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line(this, "Line1"));
    layout->addWidget(label1_);
    layout->addWidget(line(this, "Line2"));
    layout->addWidget(list1_, 1);
    layout->addWidget(line(this, "Line5"));
    layout->addLayout(buttons);
    for (const char* name : {"Line6", "Line7", "Line8"}) {
        line(this, name)->hide();
    }

    for (QWidget* w :
         std::initializer_list<QWidget*>{label1_, list1_, list1_->viewport(), picture11_}) {
        w->installEventFilter(this);
    }
    list1_->setContextMenuPolicy(Qt::NoContextMenu);
    placeOnScreen(this);
}

void Form53::fill(int mode) {
    auto& s = app_.state;
    const bool sorted = mode == 0;
    picture11_->cls();
    setWindowTitle(sorted ? QStringLiteral("リスト検索") : QStringLiteral("登録植物一覧表示"));
    std::int16_t searchMode = 10;
    SearchPlants(s, searchMode, Text());
    const QColor back = sorted ? QColor(128, 255, 128) : QColor(128, 255, 255);
    picture11_->setBackColor(back);
    QPalette pal = label1_->palette();
    pal.setColor(QPalette::Window, back);
    label1_->setPalette(pal);
    const RegisteredListView view = ListRegisteredPlants(s, static_cast<std::int16_t>(mode));
    list1_->clear();
    picture11_->setForeColor(view.count.colour);
    picture11_->print(view.count.text);
    for (const Text& l : view.lines) {
        list1_->addItem(qs(l));
    }
}

void Form53::showSelected() {
    if (QListWidgetItem* current = list1_->currentItem(); current && current->isSelected()) {
        showLine(current->text());
    }
}

void Form53::showLine(const QString& line) {
    // OpenPlantPicture shows the hourglass itself and gives the pointer back
    // before any message, so no guard of ours may outlive it here.
    app_.state.NameKey = KeyOfLine(ts(line));
    OpenPlantPicture(app_);
}

void Form53::popUp() {
    const bool selected = list1_->currentItem() && list1_->currentItem()->isSelected();
    (selected ? menu53_ : menu53A_)->popup(QCursor::pos());
}

bool Form53::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        popUp();
        return true;
    }
    if (watched == list1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            // No selection check here: an empty key makes the picture
            // window return without doing anything.
            QListWidgetItem* current = list1_->currentItem();
            showLine(current && current->isSelected() ? current->text() : QString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form53::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        popUp();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void Form53::keyPressEvent(QKeyEvent* event) {
    if (!pressDefaultOrCancel(event, command2_, command1_)) {
        QWidget::keyPressEvent(event);
    }
}

void Form53::closeEvent(QCloseEvent* event) {
    event->accept();
    app_.unload(QString::fromLatin1(Name));
}

} // namespace kuyu::gui
