// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/finders/SearchPanel.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
#include "core/finders/NameSearch.h"
#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/conditions/ConditionPicker.h"
#include "gui/conditions/Form11.h"
#include "gui/finders/FinderSupport.h"
#include "gui/finders/FinderTexts.h"
#include "gui/guide/GuideSettings.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/PrintBox.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kuyu::gui {

SearchPanel::SearchPanel(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::PanelCaptionPlain));
    setFont(minchoFont());

    auto* top = new QVBoxLayout(this);

    label11_ = makeLabel("Label11", q(texts::PanelLabel11));
    top->addWidget(label11_);

    // Five flower characteristics on the left, five of leaf and stem on the
    // right, each with the box that shows what is chosen.
    auto* grid = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "Command" + QByteArray::number(i + 1);
        characteristic_[i] = makeButton(name.constData(), q(texts::CharacteristicButtons[i]));
        const QByteArray tok = "TOK" + QByteArray::number(i);
        tok_[i] = makePrintBox(tok.constData());
        tok_[i]->setMinimumWidth(110);
        const int row = i % 5;
        const int col = (i / 5) * 2;
        grid->addWidget(characteristic_[i], row, col);
        grid->addWidget(tok_[i], row, col + 1);
        connect(characteristic_[i], &QPushButton::clicked, this, [this, i] { openPicker(i + 1); });
        connect(tok_[i], &PrintBox::clicked, this, [this, i] { characteristic_[i]->click(); });
    }
    top->addLayout(grid);
    top->addWidget(makeLine("Line1"));

    top->addWidget(makeLabel("Label2", q(texts::PanelLabel2)));
    auto* nameRow = new QHBoxLayout;
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    command14_ = makeButton("Command14", q(texts::PanelCommand14));
    nameRow->addWidget(text1_, 1);
    nameRow->addWidget(command14_);
    top->addLayout(nameRow);
    top->addWidget(makeLabel("Label3", q(texts::PanelLabel3)));
    top->addWidget(makeLine("Line2"));

    label1_ = makeLabel("Label1", q(texts::ListHeading));
    top->addWidget(label1_);
    list1_ = makeList("List1");
    list1_->setMinimumHeight(200);
    list1_->setMinimumWidth(cellWidth(font(), 46));
    top->addWidget(list1_, 1);
    picture11_ = makePrintBox("Picture11");
    top->addWidget(picture11_);

    auto* buttons = new QHBoxLayout;
    command12_ = makeButton("Command12", q(texts::PanelCommand12));
    command13_ = makeButton("Command13", q(texts::PanelCommand13));
    command11_ = makeButton("Command11", q(texts::PanelCommand11));
    buttons->addWidget(command12_);
    buttons->addWidget(command13_);
    buttons->addWidget(command11_);
    top->addLayout(buttons);

    setCancelButton(command11_);
    connect(command11_, &QPushButton::clicked, this, [this] { unload(); });
    connect(command12_, &QPushButton::clicked, this, [this] { clearConditions(); });
    connect(command13_, &QPushButton::clicked, this, [this] { showSelectedPicture(); });
    connect(command14_, &QPushButton::clicked, this, [this] { checkNameAndSearch(); });
    connect(text1_, &QLineEdit::returnPressed, command14_, &QPushButton::click);
    connect(list1_, &QListWidget::itemDoubleClicked, command13_, &QPushButton::click);

    menu41_ = makeMenu("MENU_41", q(texts::Menu41));
    QAction* m411 = addMenuItem(menu41_, "MENU411", q(texts::Menu411));
    addMenuSeparator(menu41_, "MENU412");
    menu413_ = addMenuItem(menu41_, "MENU413", q(texts::Menu413));
    QAction* m414 = addMenuItem(menu41_, "MENU414", q(texts::Menu414));
    connect(m411, &QAction::triggered, command12_, &QPushButton::click);
    connect(menu413_, &QAction::triggered, command13_, &QPushButton::click);
    connect(m414, &QAction::triggered, command11_, &QPushButton::click);

    menu41A_ = makeMenu("MENU_41A", q(texts::Menu41A));
    QAction* m411A = addMenuItem(menu41A_, "MENU411A", q(texts::Menu411));
    addMenuSeparator(menu41A_, "MENU412A");
    addMenuItem(menu41A_, "MENU413A", q(texts::Menu413))->setEnabled(false);
    QAction* m414A = addMenuItem(menu41A_, "MENU414A", q(texts::Menu414));
    connect(m411A, &QAction::triggered, command12_, &QPushButton::click);
    connect(m414A, &QAction::triggered, command11_, &QPushButton::click);

    watch(list1_, RightClick | ActivateKeys);
    for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(label11_),
                       static_cast<QWidget*>(picture11_), static_cast<QWidget*>(this)}) {
        watch(w, RightClick);
    }
    adjustSize();
    // The list opens 200 pixels high; where the room below the main window
    // is short (a small screen, a large scale) it gives way down to four
    // lines, scrolling, rather than the panel covering the menus.
    list1_->setMinimumHeight(
        std::min(list1_->minimumHeight(),
                 4 * list1_->fontMetrics().lineSpacing() + 2 * list1_->frameWidth()));
    placeWindow(this);
}

void SearchPanel::clearDisplays() {
    for (auto* box : tok_) {
        box->cls();
    }
    picture11_->cls();
}

void SearchPanel::showResultList(std::int16_t mode) {
    const ResultListView view = ShowResultList(app_.state, mode);
    list1_->clear();
    PrintCountLine(*picture11_, view.count);
    for (const Text& line : view.lines) {
        list1_->addItem(qs(line));
    }
    for (int k = 0; k < 10; ++k) {
        tok_[k]->print(view.conditionLabels[k]);
    }
    app_.notify(hook::GuideRefresh);
}

Text SearchPanel::nameBoxText() const {
    return ts(text1_->text());
}

QString SearchPanel::selectedLine() const {
    return selectedText(list1_);
}

void SearchPanel::refresh() {
    CursorGuard cursor;
    clearDisplays();
    std::int16_t mode = app_.state.SearchMode;
    switch (mode) {
    case search::Plain:
        setWindowTitle(q(texts::PanelCaptionPlain));
        break;
    case search::Fuzzy:
        setWindowTitle(q(texts::PanelCaptionFuzzyRefresh));
        break;
    case search::Ai:
        setWindowTitle(q(texts::PanelCaptionAiMenu));
        break;
    default:
        break;
    }
    SearchPlants(app_.state, mode, nameBoxText());
    showResultList(mode);
    if (!nameBoxText().empty()) {
        cursor.restore();
        app_.tellAliasTrouble(this);
    }
}

void SearchPanel::openPicker(int category) {
    const auto& words = texts::Illustrations[static_cast<std::size_t>(category - 1)];
    CursorGuard cursor;
    // Any failure on the way reports with the error-handler wording and goes
    // on with the next step, so an unreadable picture still opens the picker.
    auto reportFailure = [&] {
        cursor.restore();
        app_.platform.messages->show(
            this, Message{words.failed, texts::TitleError, MessageIcon::None, MessageButtons::Ok});
    };

    const int optionCount = Category(category).optionCount;
    try {
        auto& picker = app_.load<Form11>();
        app_.state.CurrentCategory = static_cast<std::int16_t>(category);
        app_.state.OptionCount = static_cast<std::int16_t>(optionCount);
        for (int k = 4; k <= 8; ++k) {
            picker.optionButton(k)->setVisible(k <= optionCount);
        }
    } catch (const std::exception&) {
        reportFailure();
    }

    bool found = true;
    try {
        found = LoadIllustration(app_, category);
    } catch (const std::exception&) {
        reportFailure();
    }
    if (!found) {
        cursor.restore();
        app_.platform.messages->show(this, Message{words.missing, texts::TitleMessage,
                                                   MessageIcon::None, MessageButtons::Ok});
        return;
    }
    try {
        ShowConditionPicker(app_);
    } catch (const std::exception&) {
        reportFailure();
    }
}

void SearchPanel::clearConditions() {
    if (app_.platform.messages->show(this, ClearConditionsQuestion()) != Answer::Yes) {
        return;
    }
    ClearAllConditions(app_.state);
    emit app_.conditionsChanged();
    text1_->clear();
    refresh();
}

void SearchPanel::checkNameAndSearch() {
    // An empty box passes: the search then runs without a name restriction.
    // With ｵﾌﾟｼｮﾝ → かな入力を半角ｶﾀｶﾅに変換 on, what the input method typed is
    // made half-width first and put back into the box, which the search reads.
    const Text typed = TypedPlantName(app_, ts(text1_->text()));
    if (qs(typed) != text1_->text()) {
        text1_->setText(qs(typed));
    }
    const auto problem = typed.empty() ? std::nullopt : CheckNameInput(typed);
    if (problem) {
        app_.platform.messages->show(this, problem->message);
        text1_->setFocus();
        text1_->clear();
        return;
    }
    refresh();
}

void SearchPanel::showSelectedPicture() {
    CursorGuard cursor;
    app_.state.NameKey = KeyOfLine(ts(selectedLine()));
    OpenPlantPicture(app_);
}

void SearchPanel::showPictureFromKey() {
    const Text line = ts(selectedLine());
    {
        CursorGuard cursor;
        app_.state.NameKey = KeyOfLine(line);
        OpenPlantPicture(app_);
    }
    if (app_.state.NameKey.empty()) {
        return;
    }
    // The result caption (with its "* " mark) replaces the window's own. The
    // rows may have been rewritten by another window since the list was
    // filled; the caption then comes from the line's own plant.
    if (const auto caption = ResultCaptionOfLine(app_.state, line)) {
        if (auto* picture = app_.loaded<Form42>()) {
            picture->setWindowTitle(qs(*caption));
        }
    }
}

void SearchPanel::onRightClick(QWidget*, const QPoint& globalPos) {
    if (!selectedLine().isEmpty()) {
        popUp(menu41_, menu413_, globalPos);
    } else {
        popUp(menu41A_, nullptr, globalPos);
    }
}

bool SearchPanel::onActivateKey(QWidget*, int) {
    showPictureFromKey();
    return true;
}

Text SearchPanelNameBox(const App& app) {
    const auto* panel = app.loaded<SearchPanel>();
    return panel ? panel->nameBoxText() : Text();
}

void SearchIntoPanel(App& app, std::int16_t mode, const QString& caption) {
    CursorGuard cursor;
    auto& panel = app.load<SearchPanel>();
    panel.clearDisplays();
    panel.setWindowTitle(caption);
    std::int16_t m = mode;
    SearchPlants(app.state, m, panel.nameBoxText());
    panel.showResultList(m);
    app.state.SearchMode = m;
    showRestored(&panel);
    if (!panel.nameBoxText().empty()) {
        cursor.restore();
        app.tellAliasTrouble(&panel);
    }
}

} // namespace kuyu::gui
