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
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/FormButtons.h"
#include "gui/widgets/PrintBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

QString q(const char32_t* s) {
    return QString::fromUcs4(s);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QFrame* makeLine(QWidget* parent, int number) {
    auto* f = new QFrame(parent);
    f->setObjectName(QStringLiteral("Line%1").arg(number));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

// The old Val(): leading blanks skipped, then as many digits as there are.
int leadingNumber(const Text& t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == U' ') {
        ++i;
    }
    int n = 0;
    for (; i < t.size() && t[i] >= U'0' && t[i] <= U'9'; ++i) {
        n = n * 10 + static_cast<int>(t[i] - U'0');
        if (n > 100000) {
            break;
        }
    }
    return n;
}

} // namespace

SearchPanel::SearchPanel(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setWindowTitle(q(texts::PanelCaptionPlain));
    setFont(MinchoFont());

    auto* top = new QVBoxLayout(this);

    label11_ = makeLabel(this, "Label11", q(texts::PanelLabel11));
    top->addWidget(label11_);

    // Five flower characteristics on the left, five of leaf and stem on the
    // right, each with the box that shows what is chosen.
    auto* grid = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "Command" + QByteArray::number(i + 1);
        characteristic_[i] = makeButton(this, name.constData(), q(texts::CharacteristicButtons[i]));
        tok_[i] = new PrintBox(this);
        tok_[i]->setObjectName(QStringLiteral("TOK%1").arg(i));
        tok_[i]->setMinimumWidth(110);
        tok_[i]->setMinimumHeight(QFontMetrics(font()).height() + 6);
        const int row = i % 5;
        const int col = (i / 5) * 2;
        grid->addWidget(characteristic_[i], row, col);
        grid->addWidget(tok_[i], row, col + 1);
        connect(characteristic_[i], &QPushButton::clicked, this, [this, i] { openPicker(i + 1); });
        connect(tok_[i], &PrintBox::clicked, this, [this, i] { characteristic_[i]->click(); });
    }
    top->addLayout(grid);
    top->addWidget(makeLine(this, 1));

    top->addWidget(makeLabel(this, "Label2", q(texts::PanelLabel2)));
    auto* nameRow = new QHBoxLayout;
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    command14_ = makeButton(this, "Command14", q(texts::PanelCommand14));
    nameRow->addWidget(text1_, 1);
    nameRow->addWidget(command14_);
    top->addLayout(nameRow);
    top->addWidget(makeLabel(this, "Label3", q(texts::PanelLabel3)));
    top->addWidget(makeLine(this, 2));

    label1_ = makeLabel(this, "Label1", q(texts::ListHeading));
    top->addWidget(label1_);
    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setMinimumHeight(200);
    list1_->setMinimumWidth(CellWidth(font(), 46));
    top->addWidget(list1_, 1);
    picture11_ = new PrintBox(this);
    picture11_->setObjectName(QStringLiteral("Picture11"));
    picture11_->setMinimumHeight(QFontMetrics(font()).height() + 6);
    top->addWidget(picture11_);

    auto* buttons = new QHBoxLayout;
    command12_ = makeButton(this, "Command12", q(texts::PanelCommand12));
    command13_ = makeButton(this, "Command13", q(texts::PanelCommand13));
    command11_ = makeButton(this, "Command11", q(texts::PanelCommand11));
    buttons->addWidget(command12_);
    buttons->addWidget(command13_);
    buttons->addWidget(command11_);
    top->addLayout(buttons);

    connect(command11_, &QPushButton::clicked, this,
            [this] { app_.unload(QString::fromLatin1(Name)); });
    connect(command12_, &QPushButton::clicked, this, [this] { clearConditions(); });
    connect(command13_, &QPushButton::clicked, this, [this] { showSelectedPicture(); });
    connect(command14_, &QPushButton::clicked, this, [this] { checkNameAndSearch(); });
    connect(text1_, &QLineEdit::returnPressed, command14_, &QPushButton::click);
    connect(list1_, &QListWidget::itemDoubleClicked, command13_, &QPushButton::click);

    // Esc presses 検索終了.
    menu41_ = MakePopupMenu(this, "MENU_41", q(texts::Menu41));
    QAction* m411 = AddMenuItem(menu41_, "MENU411", q(texts::Menu411));
    menu41_->addSeparator()->setObjectName(QStringLiteral("MENU412"));
    menu413_ = AddMenuItem(menu41_, "MENU413", q(texts::Menu413));
    QAction* m414 = AddMenuItem(menu41_, "MENU414", q(texts::Menu414));
    connect(m411, &QAction::triggered, command12_, &QPushButton::click);
    connect(menu413_, &QAction::triggered, command13_, &QPushButton::click);
    connect(m414, &QAction::triggered, command11_, &QPushButton::click);

    menu41A_ = MakePopupMenu(this, "MENU_41A", q(texts::Menu41A));
    QAction* m411A = AddMenuItem(menu41A_, "MENU411A", q(texts::Menu411));
    menu41A_->addSeparator()->setObjectName(QStringLiteral("MENU412A"));
    AddMenuItem(menu41A_, "MENU413A", q(texts::Menu413))->setEnabled(false);
    QAction* m414A = AddMenuItem(menu41A_, "MENU414A", q(texts::Menu414));
    connect(m411A, &QAction::triggered, command12_, &QPushButton::click);
    connect(m414A, &QAction::triggered, command11_, &QPushButton::click);

    list1_->installEventFilter(this);
    list1_->viewport()->installEventFilter(this);
    label1_->installEventFilter(this);
    label11_->installEventFilter(this);
    picture11_->installEventFilter(this);
    PlaceBelowMainWindow(this, app_.mainWindow());
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
    const auto items = list1_->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void SearchPanel::refresh() {
    CursorGuard cursor;
    clearDisplays();
    std::int16_t mode = app_.state.SearchMode;
    switch (mode) {
    case 0:
        setWindowTitle(q(texts::PanelCaptionPlain));
        break;
    case 1:
        setWindowTitle(q(texts::PanelCaptionFuzzyRefresh));
        break;
    case 2:
        setWindowTitle(q(texts::PanelCaptionAiMenu));
        break;
    default:
        break;
    }
    SearchPlants(app_.state, mode, nameBoxText());
    showResultList(mode);
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
    if (QWidget* main = app_.mainWindow()) {
        for (int k = 1; k <= CategoryCount; ++k) {
            if (auto* item = main->findChild<QAction*>(QString::fromLatin1(Category(k).menuItem))) {
                item->setChecked(app_.state.CategoryChosen[static_cast<std::size_t>(k)]);
            }
        }
    }
    text1_->clear();
    refresh();
}

void SearchPanel::checkNameAndSearch() {
    // An empty box passes: the search then runs without a name restriction.
    const Text typed = ts(text1_->text());
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
    // The result caption (with its "* " mark) replaces the window's own;
    // only for a line that names a row of the result list.
    const int row = leadingNumber(mid(line, 2, 4));
    if (row < 1 || row > app_.state.ResultCount || app_.state.NameKey.empty()) {
        return;
    }
    if (QWidget* picture = app_.window(QStringLiteral("Form42"))) {
        picture->setWindowTitle(qs(app_.state.ResultCaption.at(static_cast<std::size_t>(row))));
    }
}

void SearchPanel::popUpMenu(const QPoint& globalPos) {
    if (!selectedLine().isEmpty()) {
        PopUp(menu41_, menu413_, globalPos);
    } else {
        PopUp(menu41A_, nullptr, globalPos);
    }
}

// Closing the window by its close box unloads it, as its own button does.
void SearchPanel::closeEvent(QCloseEvent* event) {
    event->accept();
    app_.unload(QString::fromLatin1(Name));
}

// Esc presses the window's cancel button.
void SearchPanel::keyPressEvent(QKeyEvent* event) {
    if (!pressDefaultOrCancel(event, nullptr, command11_)) {
        QWidget::keyPressEvent(event);
    }
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == list1_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter) {
            showPictureFromKey();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        // A right click pops the menu up; it does not change the selection.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (event->type() == QEvent::MouseButtonRelease) {
                popUpMenu(mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        popUpMenu(event->globalPosition().toPoint());
        return;
    }
    QWidget::mouseReleaseEvent(event);
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
    panel.show();
    panel.raise();
}

} // namespace kuyu::gui
