#include "gui/finders/FamilySearch.h"

#include "core/finders/Families.h"
#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/finders/FinderSupport.h"
#include "gui/finders/FinderTexts.h"
#include "gui/plantview/Placement.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/FormButtons.h"
#include "gui/widgets/PrintBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
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

QString selectedText(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

bool isShowKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int k = static_cast<const QKeyEvent*>(event)->key();
    return k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
}

} // namespace

FamilySearch::FamilySearch(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setWindowTitle(q(texts::FamilyCaption));
    setFont(MinchoFont());
    const int lineHeight = QFontMetrics(MinchoFont()).height() + 6;

    auto* grid = new QGridLayout(this);
    auto* label1 = new QLabel(q(texts::FamilyLabel1), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(GothicFont());
    label2_ = new QLabel(q(texts::FamilyLabel2), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setFont(GothicFont());

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setMinimumSize(CellWidth(font(), 24), 260);
    list2_ = new QListWidget(this);
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->setMinimumSize(CellWidth(font(), 26), 260);

    picture1_ = new PrintBox(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setMinimumHeight(lineHeight);
    picture2_ = new PrintBox(this);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setMinimumHeight(lineHeight);

    auto* label3 = new QLabel(q(texts::FamilyLabel3), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setFont(GothicFont());
    label3->setAlignment(Qt::AlignCenter);
    command2_ = new QPushButton(q(texts::FamilyCommand2), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command3_ = new QPushButton(q(texts::FamilyCommand3), this);
    command3_->setObjectName(QStringLiteral("Command3"));
    command1_ = new QPushButton(q(texts::Close), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    for (auto* b : {command1_, command2_, command3_}) {
        b->setAutoDefault(false);
    }

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
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    side->addWidget(line);
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
    connect(command1_, &QPushButton::clicked, this,
            [this] { app_.unload(QString::fromLatin1(Name)); });

    menu51A_ = MakePopupMenu(this, "MENU_51A", q(texts::Menu51A));
    menu511A_ = AddMenuItem(menu51A_, "MENU511A", q(texts::Menu511A));
    QAction* m512A = AddMenuItem(menu51A_, "MENU512A", q(texts::Menu512));
    menu51AA_ = MakePopupMenu(this, "MENU_51AA", q(texts::Menu51AA));
    AddMenuItem(menu51AA_, "MENU511AA", q(texts::Menu511AA))->setEnabled(false);
    QAction* m512AA = AddMenuItem(menu51AA_, "MENU512AA", q(texts::Menu512));
    menu51B_ = MakePopupMenu(this, "MENU_51B", q(texts::Menu51B));
    menu511B_ = AddMenuItem(menu51B_, "MENU511B", q(texts::Menu511B));
    QAction* m512B = AddMenuItem(menu51B_, "MENU512B", q(texts::Menu512));
    menu51BA_ = MakePopupMenu(this, "MENU_51BA", q(texts::Menu51BA));
    AddMenuItem(menu51BA_, "MENU511BA", q(texts::Menu511AA))->setEnabled(false);
    QAction* m512BA = AddMenuItem(menu51BA_, "MENU512BA", q(texts::Menu512));
    connect(menu511A_, &QAction::triggered, command2_, &QPushButton::click);
    connect(menu511B_, &QAction::triggered, command3_, &QPushButton::click);
    for (QAction* a : {m512A, m512AA, m512B, m512BA}) {
        connect(a, &QAction::triggered, command1_, &QPushButton::click);
    }

    for (QListWidget* l : {list1_, list2_}) {
        l->installEventFilter(this);
        l->viewport()->installEventFilter(this);
    }
    adjustSize();
    placeOnScreen(this);
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

// Closing the window by its close box unloads it, as its own button does.
void FamilySearch::closeEvent(QCloseEvent* event) {
    event->accept();
    app_.unload(QString::fromLatin1(Name));
}

// Esc presses the window's cancel button.
void FamilySearch::keyPressEvent(QKeyEvent* event) {
    if (!pressDefaultOrCancel(event, nullptr, command1_)) {
        QWidget::keyPressEvent(event);
    }
}

bool FamilySearch::eventFilter(QObject* watched, QEvent* event) {
    const bool onList1 = watched == list1_ || watched == list1_->viewport();
    const bool onList2 = watched == list2_ || watched == list2_->viewport();
    if (isShowKey(event)) {
        if (watched == list1_) {
            showFamilyPages();
            return true;
        }
        if (watched == list2_) {
            showPlantPicture();
            return true;
        }
    }
    const auto type = event->type();
    if ((onList1 || onList2) &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // A right click pops the menu up; it does not change the selection.
        if (type == QEvent::MouseButtonRelease) {
            const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            if (onList1) {
                const bool chosen = !selectedText(list1_).isEmpty();
                PopUp(chosen ? menu51A_ : menu51AA_, chosen ? menu511A_ : nullptr, at);
            } else {
                const bool chosen = !selectedText(list2_).isEmpty();
                PopUp(chosen ? menu51B_ : menu51BA_, chosen ? menu511B_ : nullptr, at);
            }
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kuyu::gui
