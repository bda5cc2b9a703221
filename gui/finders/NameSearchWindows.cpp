// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/finders/NameSearchWindows.h"

#include "core/finders/NameSearch.h"
#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/finders/FinderSupport.h"
#include "gui/finders/FinderTexts.h"
#include "gui/guide/GuideSettings.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

// --- Form54: the name to look for ------------------------------------------

NameSearchInput::NameSearchInput(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(qs(namesearch::InputCaption));
    setFont(minchoFont());

    auto* top = new QVBoxLayout(this);
    auto* label1 = makeLabel("Label1", q(texts::NameLabel1));
    auto* label2 = makeLabel("Label2", q(texts::NameLabel2));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMinimumWidth(cellWidth(font(), 24));
    check1_ = new QCheckBox(q(texts::NameCheck1), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    command1_ = makeButton("Command1", q(texts::PanelCommand14));
    command2_ = makeButton("Command2", q(texts::NameCommand2));
    // Enter (also from Text1) presses 確認; Esc and the close box 中止.
    setDefaultButton(command1_);
    setCancelButton(command2_);

    top->addWidget(label1);
    top->addWidget(text1_);
    top->addWidget(label2);
    top->addWidget(check1_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    top->addLayout(buttons);

    connect(command1_, &QPushButton::clicked, this, [this] { search(); });
    connect(command2_, &QPushButton::clicked, this, [this] { close54(); });

    menu54_ = makeMenu("MENU_54", q(texts::Menu54));
    QAction* m541 = addMenuItem(menu54_, "MENU541", q(texts::Menu541));
    menu542_ = addMenuItem(menu54_, "MENU542", q(texts::Menu542));
    connect(m541, &QAction::triggered, command2_, &QPushButton::click);
    connect(menu542_, &QAction::triggered, command1_, &QPushButton::click);

    for (QWidget* w : {static_cast<QWidget*>(label1), static_cast<QWidget*>(label2),
                       static_cast<QWidget*>(this)}) {
        watch(w, RightClick);
    }
    adjustSize();
    placeWindow(this);
}

void NameSearchInput::search() {
    // With ｵﾌﾟｼｮﾝ → かな入力を半角ｶﾀｶﾅに変換 on, what the input method typed is
    // made half-width first; the box then shows the name that was looked for.
    const Text typed = TypedPlantName(app_, ts(text1_->text()));
    if (qs(typed) != text1_->text()) {
        text1_->setText(qs(typed));
    }
    if (const auto problem = CheckNameInput(typed)) {
        app_.platform.messages->show(this, problem->message);
        if (problem->clearInput) {
            text1_->clear();
        }
        return;
    }
    CursorGuard cursor;
    auto& list = app_.load<NameSearchList>();
    list.clearCountLine();
    list.setWindowTitle(qs(namesearch::ListCaption));
    app_.state.NameKey = typed;
    FindPlantsByName(app_.state, check1_->isChecked());
    list.showNameMatchList();
    showRestored(&list);
    app_.state.NameKey.clear();
    app_.tellAliasTrouble(&list);
}

void NameSearchInput::close54() {
    // The list window goes with its input window.
    if (auto* list = app_.loaded<NameSearchList>()) {
        list->end();
    }
    unload();
}

void NameSearchInput::onRightClick(QWidget*, const QPoint& globalPos) {
    popUp(menu54_, menu542_, globalPos);
}

// --- Form54A: the hits --------------------------------------------------------

NameSearchList::NameSearchList(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(qs(namesearch::ListCaption));
    setFont(minchoFont());

    auto* top = new QVBoxLayout(this);
    auto* label1 = makeLabel("Label1", q(texts::NameListHeading));
    list1_ = makeList("List1");
    list1_->setMinimumSize(cellWidth(font(), 58), 240);
    picture11_ = makePrintBox("Picture11");
    auto* label2 = makeLabel("Label2", q(texts::NameLegend2));
    auto* label3 = makeLabel("Label3", q(texts::NameLegend3));
    label2->setFont(gothicFont());
    label3->setFont(gothicFont());
    command2_ = makeButton("Command2", q(texts::ShowCommand));
    command1_ = makeButton("Command1", q(texts::Close));
    setDefaultButton(command2_);
    setCancelButton(command1_);

    top->addWidget(label1);
    top->addWidget(list1_, 1);
    top->addWidget(picture11_);
    auto* bottom = new QHBoxLayout;
    auto* legends = new QVBoxLayout;
    legends->addWidget(label2);
    legends->addWidget(label3);
    bottom->addLayout(legends);
    bottom->addStretch(1);
    bottom->addWidget(command2_);
    bottom->addWidget(command1_);
    top->addLayout(bottom);

    connect(command2_, &QPushButton::clicked, this, [this] {
        if (!selectedRow().isEmpty()) {
            showPicture();
        }
    });
    connect(command1_, &QPushButton::clicked, this, [this] { unload(); });
    connect(list1_, &QListWidget::itemDoubleClicked, command2_, &QPushButton::click);

    menu54A_ = makeMenu("MENU_54A", q(texts::Menu54A));
    menu541A_ = addMenuItem(menu54A_, "MENU541A", q(texts::Menu541A));
    QAction* m542A = addMenuItem(menu54A_, "MENU542A", q(texts::Menu542A));
    menu54AB_ = makeMenu("MENU_54AB", q(texts::Menu54AB));
    addMenuItem(menu54AB_, "MENU541AB", q(texts::Menu541A))->setEnabled(false);
    QAction* m542AB = addMenuItem(menu54AB_, "MENU542AB", q(texts::Menu542A));
    connect(menu541A_, &QAction::triggered, command2_, &QPushButton::click);
    connect(m542A, &QAction::triggered, command1_, &QPushButton::click);
    connect(m542AB, &QAction::triggered, command1_, &QPushButton::click);

    watch(list1_, RightClick | ActivateKeys);
    for (QWidget* w : {static_cast<QWidget*>(label1), static_cast<QWidget*>(picture11_),
                       static_cast<QWidget*>(this)}) {
        watch(w, RightClick);
    }
    adjustSize();
    placeWindow(this);
}

void NameSearchList::clearCountLine() {
    picture11_->cls();
}

void NameSearchList::showNameMatchList() {
    const NameMatchListView view = ShowNameMatchList(app_.state);
    list1_->clear();
    for (const Text& row : view.rows) {
        list1_->addItem(qs(row));
    }
    PrintCountLine(*picture11_, view.count);
}

QString NameSearchList::selectedRow() const {
    return selectedText(list1_);
}

void NameSearchList::end() {
    command1_->click();
}

void NameSearchList::showPicture() {
    CursorGuard cursor;
    app_.state.NameKey = KeyOfLine(ts(selectedRow()));
    OpenPlantPicture(app_);
}

void NameSearchList::onRightClick(QWidget*, const QPoint& globalPos) {
    if (!selectedRow().isEmpty()) {
        popUp(menu54A_, menu541A_, globalPos);
    } else {
        popUp(menu54AB_, nullptr, globalPos);
    }
}

bool NameSearchList::onActivateKey(QWidget*, int) {
    showPicture();
    return true;
}

} // namespace kuyu::gui
