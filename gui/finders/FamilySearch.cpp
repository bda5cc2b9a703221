// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/finders/FamilySearch.h"

#include "core/finders/Families.h"
#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/finders/FinderSupport.h"
#include "gui/finders/FinderTexts.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

FamilySearch::FamilySearch(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::FamilyCaption));
    setFont(minchoFont());

    auto* grid = new QGridLayout(this);
    auto* label1 = makeLabel("Label1", q(texts::FamilyLabel1));
    label1->setFont(gothicFont());
    label2_ = makeLabel("Label2", q(texts::FamilyLabel2));
    label2_->setFont(gothicFont());

    list1_ = makeList("List1");
    list1_->setMinimumSize(cellWidth(font(), 24), 260);
    list2_ = makeList("List2");
    list2_->setMinimumSize(cellWidth(font(), 26), 260);
    picture1_ = makePrintBox("Picture1");
    picture2_ = makePrintBox("Picture2");

    auto* label3 = makeLabel("Label3", q(texts::FamilyLabel3));
    label3->setFont(gothicFont());
    label3->setAlignment(Qt::AlignCenter);
    command2_ = makeButton("Command2", q(texts::FamilyCommand2));
    command3_ = makeButton("Command3", q(texts::FamilyCommand3));
    command1_ = makeButton("Command1", q(texts::Close));
    setCancelButton(command1_);

    grid->addWidget(label1, 0, 0);
    grid->addWidget(label2_, 0, 1);
    grid->addWidget(list1_, 1, 0);
    grid->addWidget(list2_, 1, 1);
    grid->addWidget(picture1_, 2, 0);
    grid->addWidget(picture2_, 2, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(label3);
    side->addWidget(command2_);
    side->addWidget(command3_);
    side->addStretch(1);
    side->addWidget(makeLine("Line1"));
    side->addWidget(command1_);
    grid->addLayout(side, 0, 2, 3, 1);
    grid->setRowStretch(1, 1);

    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!list1_->selectedItems().isEmpty()) {
            listFamilyPlants();
        }
    });
    connect(list1_, &QListWidget::itemDoubleClicked, command2_, &QPushButton::click);
    connect(list2_, &QListWidget::itemDoubleClicked, command3_, &QPushButton::click);
    connect(command2_, &QPushButton::clicked, this, [this] {
        if (!selectedText(list1_).isEmpty()) {
            showFamilyPages();
        }
    });
    connect(command3_, &QPushButton::clicked, this, [this] {
        if (!selectedText(list2_).isEmpty()) {
            showPlantPicture();
        }
    });
    connect(command1_, &QPushButton::clicked, this, [this] { unload(); });

    menu51A_ = makeMenu("MENU_51A", q(texts::Menu51A));
    menu511A_ = addMenuItem(menu51A_, "MENU511A", q(texts::Menu511A));
    QAction* m512A = addMenuItem(menu51A_, "MENU512A", q(texts::Menu512));
    menu51AA_ = makeMenu("MENU_51AA", q(texts::Menu51AA));
    addMenuItem(menu51AA_, "MENU511AA", q(texts::Menu511AA))->setEnabled(false);
    QAction* m512AA = addMenuItem(menu51AA_, "MENU512AA", q(texts::Menu512));
    menu51B_ = makeMenu("MENU_51B", q(texts::Menu51B));
    menu511B_ = addMenuItem(menu51B_, "MENU511B", q(texts::Menu511B));
    QAction* m512B = addMenuItem(menu51B_, "MENU512B", q(texts::Menu512));
    menu51BA_ = makeMenu("MENU_51BA", q(texts::Menu51BA));
    addMenuItem(menu51BA_, "MENU511BA", q(texts::Menu511AA))->setEnabled(false);
    QAction* m512BA = addMenuItem(menu51BA_, "MENU512BA", q(texts::Menu512));
    connect(menu511A_, &QAction::triggered, command2_, &QPushButton::click);
    connect(menu511B_, &QAction::triggered, command3_, &QPushButton::click);
    for (QAction* a : {m512A, m512AA, m512B, m512BA}) {
        connect(a, &QAction::triggered, command1_, &QPushButton::click);
    }

    watch(list1_, RightClick | ActivateKeys);
    watch(list2_, RightClick | ActivateKeys);
    adjustSize();
    placeWindow(this);
}

void FamilySearch::listFamilies(std::int16_t mode) {
    const FamilyListView view = ListFamilies(app_.state, mode);
    list1_->clear();
    list2_->clear();
    picture1_->cls();
    PrintCountLine(*picture1_, view.count);
    for (const Text& family : view.families) {
        list1_->addItem(qs(family));
    }
}

void FamilySearch::listFamilyPlants() {
    const FamilyPlantsView view = ListFamilyPlants(app_.state, ts(selectedText(list1_)));
    label2_->setText(qs(view.heading));
    list2_->clear();
    picture2_->cls();
    PrintCountLine(*picture2_, view.count);
    for (const Text& line : view.list) {
        list2_->addItem(qs(line));
    }
}

void FamilySearch::showFamilyPages() {
    CursorGuard cursor;
    listFamilyPlants();
    cursor.restore();
    // The pages report a family without plants and then leave an open pages
    // window exactly as it was.
    app_.run(hook::OpenResultPages);
}

void FamilySearch::showPlantPicture() {
    app_.state.NameKey = KeyOfLine(ts(selectedText(list2_)));
    OpenPlantPicture(app_);
    app_.state.NameKey.clear();
}

void FamilySearch::onRightClick(QWidget* control, const QPoint& globalPos) {
    if (control == list1_) {
        const bool chosen = !selectedText(list1_).isEmpty();
        popUp(chosen ? menu51A_ : menu51AA_, chosen ? menu511A_ : nullptr, globalPos);
    } else {
        const bool chosen = !selectedText(list2_).isEmpty();
        popUp(chosen ? menu51B_ : menu51BA_, chosen ? menu511B_ : nullptr, globalPos);
    }
}

bool FamilySearch::onActivateKey(QWidget* control, int) {
    if (control == list1_) {
        showFamilyPages();
    } else {
        showPlantPicture();
    }
    return true;
}

} // namespace kuyu::gui
