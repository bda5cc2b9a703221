// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plantview/RegisteredListWindow.h"

#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantViewTexts.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

Form53::Form53(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::ListSortedCaption));
    const QFont mincho = minchoFont();

    label1_ = makeLabel("Label1", q(texts::ListHeading));
    label1_->setFont(mincho);
    label1_->setAutoFillBackground(true);
    list1_ = makeList("List1");
    list1_->setFont(mincho);
    list1_->setMinimumSize(px(5400), px(4800));
    picture11_ = makePrintBox("Picture11");
    picture11_->setFont(mincho);
    picture11_->setMinimumHeight(24);

    command2_ = makeButton("Command2", q(texts::ListShow));
    command1_ = makeButton("Command1", q(texts::Close));
    for (auto* b : {command2_, command1_}) {
        b->setFont(mincho);
    }
    setDefaultButton(command2_);
    setCancelButton(command1_);
    connect(command2_, &QPushButton::clicked, this, &Form53::showSelected);
    connect(command1_, &QPushButton::clicked, this, [this] { unload(); });
    connect(list1_, &QListWidget::itemDoubleClicked, command2_, &QPushButton::click);

    menu53_ = makeMenu("MENU_53", q(texts::Menu53));
    auto* show = addMenuItem(menu53_, "MENU531", q(texts::Menu531));
    auto* end = addMenuItem(menu53_, "MENU532", q(texts::Menu532));
    menu53_->setDefaultAction(show);
    connect(show, &QAction::triggered, command2_, &QPushButton::click);
    connect(end, &QAction::triggered, command1_, &QPushButton::click);
    menu53A_ = makeMenu("MENU_53A", q(texts::Menu53A));
    addMenuItem(menu53A_, "MENU531A", q(texts::Menu531))->setEnabled(false);
    connect(addMenuItem(menu53A_, "MENU532A", q(texts::Menu532)), &QAction::triggered, command1_,
            &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(picture11_, 1);
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLine("Line1"));
    layout->addWidget(label1_);
    layout->addWidget(makeLine("Line2"));
    layout->addWidget(list1_, 1);
    layout->addWidget(makeLine("Line5"));
    layout->addLayout(buttons);
    for (const char* name : {"Line6", "Line7", "Line8"}) {
        makeLine(name)->hide();
    }

    // A right click pops a menu up and leaves the selection alone.
    watch(list1_, RightClick | ActivateKeys);
    for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(picture11_),
                       static_cast<QWidget*>(this)}) {
        watch(w, RightClick);
    }
    list1_->setContextMenuPolicy(Qt::NoContextMenu);
    placeWindow(this);
}

void Form53::fill(int mode) {
    auto& s = app_.state;
    const bool sorted = mode == 0;
    picture11_->cls();
    setWindowTitle(q(sorted ? texts::ListSortedCaption : texts::ListFileOrderCaption));
    std::int16_t searchMode = search::ListAll;
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

void Form53::onRightClick(QWidget*, const QPoint& globalPos) {
    const bool selected = list1_->currentItem() && list1_->currentItem()->isSelected();
    (selected ? menu53_ : menu53A_)->popup(globalPos);
}

bool Form53::onActivateKey(QWidget*, int) {
    // No selection check here: an empty key makes the picture window return
    // without doing anything.
    QListWidgetItem* current = list1_->currentItem();
    showLine(current && current->isSelected() ? current->text() : QString());
    return true;
}

} // namespace kuyu::gui
