#include "gui/finders/NameSearchWindows.h"

#include "core/finders/NameSearch.h"
#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/finders/FinderSupport.h"
#include "gui/finders/FinderTexts.h"
#include "gui/plantview/Placement.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/PrintBox.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
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

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    // A button with the focus takes Enter itself; elsewhere Enter goes to
    // the window's default button.
    b->setAutoDefault(true);
    return b;
}

const QMouseEvent* rightButton(const QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease) {
        return nullptr;
    }
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::RightButton ? mouse : nullptr;
}

} // namespace

// --- Form54: the name to look for ------------------------------------------

NameSearchInput::NameSearchInput(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setWindowTitle(qs(namesearch::InputCaption));
    setModal(false);
    setFont(MinchoFont());

    auto* top = new QVBoxLayout(this);
    auto* label1 = makeLabel(this, "Label1", q(texts::NameLabel1));
    auto* label2 = makeLabel(this, "Label2", q(texts::NameLabel2));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMinimumWidth(CellWidth(font(), 24));
    check1_ = new QCheckBox(q(texts::NameCheck1), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    command1_ = makeButton(this, "Command1", q(texts::PanelCommand14));
    command2_ = makeButton(this, "Command2", q(texts::NameCommand2));
    // Enter (also from Text1) presses 確認.
    command1_->setDefault(true);

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

    menu54_ = MakePopupMenu(this, "MENU_54", q(texts::Menu54));
    QAction* m541 = AddMenuItem(menu54_, "MENU541", q(texts::Menu541));
    menu542_ = AddMenuItem(menu54_, "MENU542", q(texts::Menu542));
    connect(m541, &QAction::triggered, command2_, &QPushButton::click);
    connect(menu542_, &QAction::triggered, command1_, &QPushButton::click);

    label1->installEventFilter(this);
    label2->installEventFilter(this);
    adjustSize();
    placeOnScreen(this);
}

void NameSearchInput::search() {
    const Text typed = ts(text1_->text());
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
    list.show();
    list.raise();
    app_.state.NameKey.clear();
}

void NameSearchInput::close54() {
    // The list window goes with its input window.
    if (auto* list = app_.loaded<NameSearchList>()) {
        if (auto* end = list->findChild<QPushButton*>(QStringLiteral("Command1"))) {
            end->click();
        }
    }
    app_.unload(QString::fromLatin1(Name));
}

void NameSearchInput::reject() {
    command2_->click();
}

void NameSearchInput::closeEvent(QCloseEvent* event) {
    event->accept();
    close54();
}

void NameSearchInput::popUpMenu(const QPoint& globalPos) {
    PopUp(menu54_, menu542_, globalPos);
}

bool NameSearchInput::eventFilter(QObject* watched, QEvent* event) {
    if (const auto* mouse = rightButton(event)) {
        if (event->type() == QEvent::MouseButtonRelease) {
            popUpMenu(mouse->globalPosition().toPoint());
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void NameSearchInput::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        popUpMenu(event->globalPosition().toPoint());
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

// --- Form54A: the hits --------------------------------------------------------

NameSearchList::NameSearchList(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setWindowTitle(qs(namesearch::ListCaption));
    setModal(false);
    setFont(MinchoFont());

    auto* top = new QVBoxLayout(this);
    auto* label1 = makeLabel(this, "Label1", q(texts::NameListHeading));
    list1_ = new QListWidget(this);
    list1_->setUniformItemSizes(true); // one fixed-column line each: no layout per row
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setMinimumSize(CellWidth(font(), 58), 240);
    picture11_ = new PrintBox(this);
    picture11_->setObjectName(QStringLiteral("Picture11"));
    picture11_->setMinimumHeight(QFontMetrics(font()).height() + 6);
    auto* label2 = makeLabel(this, "Label2", q(texts::NameLegend2));
    auto* label3 = makeLabel(this, "Label3", q(texts::NameLegend3));
    label2->setFont(GothicFont());
    label3->setFont(GothicFont());
    command2_ = makeButton(this, "Command2", q(texts::ShowCommand));
    command1_ = makeButton(this, "Command1", q(texts::Close));
    command2_->setDefault(true);

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
    connect(command1_, &QPushButton::clicked, this,
            [this] { app_.unload(QString::fromLatin1(Name)); });
    connect(list1_, &QListWidget::itemDoubleClicked, command2_, &QPushButton::click);

    menu54A_ = MakePopupMenu(this, "MENU_54A", q(texts::Menu54A));
    menu541A_ = AddMenuItem(menu54A_, "MENU541A", q(texts::Menu541A));
    QAction* m542A = AddMenuItem(menu54A_, "MENU542A", q(texts::Menu542A));
    menu54AB_ = MakePopupMenu(this, "MENU_54AB", q(texts::Menu54AB));
    AddMenuItem(menu54AB_, "MENU541AB", q(texts::Menu541A))->setEnabled(false);
    QAction* m542AB = AddMenuItem(menu54AB_, "MENU542AB", q(texts::Menu542A));
    connect(menu541A_, &QAction::triggered, command2_, &QPushButton::click);
    connect(m542A, &QAction::triggered, command1_, &QPushButton::click);
    connect(m542AB, &QAction::triggered, command1_, &QPushButton::click);

    for (QObject* o : {static_cast<QObject*>(list1_), static_cast<QObject*>(list1_->viewport()),
                       static_cast<QObject*>(label1), static_cast<QObject*>(picture11_)}) {
        o->installEventFilter(this);
    }
    adjustSize();
    placeOnScreen(this);
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
    const auto items = list1_->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void NameSearchList::showPicture() {
    CursorGuard cursor;
    app_.state.NameKey = KeyOfLine(ts(selectedRow()));
    OpenPlantPicture(app_);
}

void NameSearchList::reject() {
    command1_->click();
}

void NameSearchList::closeEvent(QCloseEvent* event) {
    event->accept();
    app_.unload(QString::fromLatin1(Name));
}

void NameSearchList::popUpMenu(const QPoint& globalPos) {
    if (!selectedRow().isEmpty()) {
        PopUp(menu54A_, menu541A_, globalPos);
    } else {
        PopUp(menu54AB_, nullptr, globalPos);
    }
}

bool NameSearchList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list1_ && event->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) {
            showPicture();
            return true;
        }
    }
    if (const auto* mouse = rightButton(event)) {
        if (event->type() == QEvent::MouseButtonRelease) {
            popUpMenu(mouse->globalPosition().toPoint());
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void NameSearchList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        popUpMenu(event->globalPosition().toPoint());
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace kuyu::gui
