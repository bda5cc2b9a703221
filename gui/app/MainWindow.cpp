// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/MainWindow.h"

#include "core/conditions/Conditions.h"
#include "gui/app/ShellPictures.h"
#include "gui/app/ShellTexts.h"
#include "gui/app/ToolbarCustomizeDialog.h"
#include "gui/editor/DataEditor.h"
#include "gui/editor/EditorTexts.h"
#include "gui/guide/GuideSettings.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QToolBar>

namespace kuyu::gui {

namespace {

QRect screenArea() {
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        return s->availableGeometry();
    }
    return {0, 0, 800, 600};
}

// The frame at the top-left corner of the available area, as wide as it.
void placeMainFrame(QWidget* w) {
    if (!w || !w->isVisible()) {
        return;
    }
    const QRect area = screenArea();
    const int extra = w->frameGeometry().width() - w->width();
    if (w->width() != area.width() - extra) {
        w->resize(area.width() - extra, w->height());
    }
    if (w->frameGeometry().topLeft() != area.topLeft()) {
        w->move(area.topLeft());
    }
}

} // namespace

MDIForm1::MDIForm1(App& app, QWidget* parent)
    : QMainWindow(parent), app_(app), quit_([] { QCoreApplication::quit(); }) {
    setObjectName(QString::fromLatin1(Name));
    setWindowTitle(q(texts::MainCaption));
    // The strip holds menus and toolbar only; what is left of it shows the
    // workspace colour, as the old multiple-document frame did.
    auto* workspace = new QWidget(this);
    workspace->setObjectName(QStringLiteral("Workspace"));
    workspace->setAutoFillBackground(true);
    QPalette pal = workspace->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    workspace->setPalette(pal);
    setCentralWidget(workspace);
    buildMenus();
    buildToolbar();
    // The heights are given; the layout must not push them up.
    if (layout()) {
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
    }
    setMinimumSize(0, 0);
    connect(&app_, &App::conditionsChanged, this, &MDIForm1::refreshCategoryChecks);
    disableUnwiredCommands();
}

MDIForm1::~MDIForm1() = default;

QAction* MDIForm1::menuItem(const QString& name) const {
    return items_.value(name);
}

void MDIForm1::buildMenus() {
    QMenu* menu = nullptr;
    QMenu* sub = nullptr;
    for (const auto& e : texts::MenuTree) {
        const QString name = QString::fromLatin1(e.name);
        const QString caption = q(e.caption);
        if (e.kind == texts::MenuKind::Menu) {
            menu = menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name + QStringLiteral("_title"));
            sub = nullptr;
            continue;
        }
        if (e.kind == texts::MenuKind::SubMenu) {
            sub = menu->addMenu(caption);
            sub->setObjectName(name);
            sub->menuAction()->setObjectName(name + QStringLiteral("_title"));
            continue;
        }
        QMenu* target = e.kind == texts::MenuKind::SubItem ? sub : menu;
        if (e.kind != texts::MenuKind::SubItem) {
            sub = nullptr;
        }
        QAction* a = nullptr;
        if (e.kind == texts::MenuKind::Separator) {
            a = target->addSeparator();
        } else {
            a = target->addAction(caption);
            if (e.shortcut[0] != '\0') {
                const QKeySequence key(QString::fromLatin1(e.shortcut));
                a->setShortcut(key);
                // The category keys work from every window of the program (the
                // search panel, a plant window, the picker itself), as they did
                // when those windows lived inside the main frame. Ctrl+X stays
                // with the main window so it never takes Cut from a text box.
                const bool functionKey = key[0].key() >= Qt::Key_F1 && key[0].key() <= Qt::Key_F12;
                a->setShortcutContext(functionKey ? Qt::ApplicationShortcut : Qt::WindowShortcut);
            }
            const CommandId id{e.name};
            connect(a, &QAction::triggered, this, [this, id] { app_.run(id); });
        }
        a->setObjectName(name);
        items_.insert(name, a);
    }

    // Category items carry check marks that follow CategoryChosen.
    for (int k = 1; k <= CategoryCount; ++k) {
        if (QAction* a = items_.value(QString::fromLatin1(Category(k).menuItem))) {
            a->setCheckable(true);
        }
    }
    for (const char* m : {"MENU1", "MENU2", "MENU3"}) {
        if (auto* menu = findChild<QMenu*>(QString::fromLatin1(m))) {
            connect(menu, &QMenu::aboutToShow, this, &MDIForm1::refreshCategoryChecks);
        }
    }
    items_.value(QStringLiteral("MENU73"))->setCheckable(true);
    items_.value(QStringLiteral("MENU73"))->setChecked(true);
    // 候補数の表示 starts as the settings left it.
    if (QAction* counts = items_.value(QStringLiteral("MENU75"))) {
        counts->setCheckable(true);
        counts->setChecked(CandidateCountsShown(app_));
    }
    // かな入力を半角ｶﾀｶﾅに変換 too.
    if (QAction* kana = items_.value(QStringLiteral("MENU76"))) {
        kana->setCheckable(true);
        kana->setChecked(KanaInputConverted(app_));
    }
    // Our own addition at the end of ｼｽﾃﾑ: the plant data editor.
    if (auto* menu6 = findChild<QMenu*>(QStringLiteral("MENU6"))) {
        menu6->addSeparator()->setObjectName(QStringLiteral("MENU67"));
        QAction* editor = menu6->addAction(q(texts::EditorMenuItem));
        editor->setObjectName(QStringLiteral("MENU68"));
        connect(editor, &QAction::triggered, this, [this] { app_.run(cmd::Menu68); });
        items_.insert(QStringLiteral("MENU68"), editor);
    }
    if (auto* menu7 = findChild<QMenu*>(QStringLiteral("MENU7"))) {
        connect(menu7, &QMenu::aboutToShow, this,
                [this] { items_.value(QStringLiteral("MENU73"))->setChecked(toolbarShown()); });
    }
}

void MDIForm1::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar2"));
    toolbar_->setWindowTitle(q(texts::ToolbarCaption));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    for (const auto& b : texts::ToolbarButtons) {
        if (b.key[0] == '\0') {
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        auto* a = new QAction(toolbarIcon(key), q(b.tooltip), toolbar_);
        a->setObjectName(key);
        a->setToolTip(q(b.tooltip));
        a->setProperty("description", q(b.description));
        const CommandId id{b.command};
        a->setProperty("command", QString::fromLatin1(b.command));
        connect(a, &QAction::triggered, this, [this, id] { app_.run(id); });
        buttons_.insert(key, a);
    }
    setToolbarLayout(defaultToolbarLayout());
}

void MDIForm1::disableUnwiredCommands() {
    for (const auto& e : texts::MenuTree) {
        if (e.kind != texts::MenuKind::Item && e.kind != texts::MenuKind::SubItem) {
            continue;
        }
        if (QAction* a = items_.value(QString::fromLatin1(e.name))) {
            a->setEnabled(app_.hasCommand(CommandId{e.name}));
        }
    }
    for (const auto& b : texts::ToolbarButtons) {
        if (QAction* a = buttons_.value(QString::fromLatin1(b.key))) {
            a->setEnabled(app_.hasCommand(CommandId{b.command}));
        }
    }
    if (QAction* a = items_.value(QStringLiteral("MENU68"))) {
        a->setEnabled(app_.hasCommand(cmd::Menu68));
    }
}

QStringList MDIForm1::defaultToolbarLayout() {
    QStringList keys;
    for (const auto& b : texts::ToolbarButtons) {
        keys << (b.key[0] == '\0' ? QString::fromLatin1(SeparatorKey) : QString::fromLatin1(b.key));
    }
    return keys;
}

QStringList MDIForm1::toolbarLayout() const {
    QStringList keys;
    for (QAction* a : toolbar_->actions()) {
        keys << (a->isSeparator() ? QString::fromLatin1(SeparatorKey) : a->objectName());
    }
    return keys;
}

void MDIForm1::setToolbarLayout(const QStringList& layout) {
    toolbar_->clear();
    qDeleteAll(separators_);
    separators_.clear();
    QSet<QString> placed;
    for (const QString& key : layout) {
        if (key == QLatin1String(SeparatorKey)) {
            auto* sep = new QAction(toolbar_);
            sep->setSeparator(true);
            separators_ << sep;
            toolbar_->addAction(sep);
            continue;
        }
        QAction* a = buttons_.value(key);
        if (!a || placed.contains(key)) {
            continue;
        }
        placed.insert(key);
        toolbar_->addAction(a);
        if (QWidget* w = toolbar_->widgetForAction(a)) {
            w->setObjectName(key + QStringLiteral("_button"));
            w->setAccessibleName(a->toolTip());
        }
    }
}

void MDIForm1::saveToolbarLayout() {
    if (!app_.platform.settings) {
        return;
    }
    if (app_.platform.settings->save(QString::fromLatin1(ToolbarLayoutKey), toolbarLayout())) {
        return;
    }
    // Once a run: the layout in use stays, only the next start loses it.
    if (!toldSettingsUnsaved_) {
        toldSettingsUnsaved_ = true;
        Message m;
        m.title = ts(q(texts::SettingsUnsavedTitle));
        m.text = ts(q(texts::SettingsUnsavedText) + QStringLiteral("\r") +
                    app_.platform.settings->location());
        m.icon = MessageIcon::Exclamation;
        app_.platform.messages->show(customize_ ? static_cast<QWidget*>(customize_) : this, m);
    }
}

void MDIForm1::restoreToolbarLayout() {
    if (!app_.platform.settings) {
        return;
    }
    // Nothing saved yet, or a store that cannot be read: keep what we have.
    if (auto saved = app_.platform.settings->load(QString::fromLatin1(ToolbarLayoutKey))) {
        if (*saved != toolbarLayout()) {
            setToolbarLayout(*saved);
        }
    }
}

void MDIForm1::refreshCategoryChecks() {
    for (int k = 1; k <= CategoryCount; ++k) {
        if (QAction* a = items_.value(QString::fromLatin1(Category(k).menuItem))) {
            a->setChecked(app_.state.CategoryChosen[static_cast<std::size_t>(k)]);
        }
    }
}

bool MDIForm1::toolbarShown() const {
    return !toolbar_->isHidden();
}

void MDIForm1::setHeightTwips(int twips) {
    resize(width(), px(twips));
}

void MDIForm1::toggleToolbar() {
    QAction* show = items_.value(QStringLiteral("MENU73"));
    QAction* change = items_.value(QStringLiteral("MENU74"));
    if (toolbarShown()) {
        toolbar_->hide();
        change->setEnabled(false);
        show->setChecked(false);
        setHeightTwips(HeightWithoutToolbar);
    } else {
        toolbar_->show();
        show->setChecked(true);
        change->setEnabled(app_.hasCommand(cmd::Menu74));
        setHeightTwips(HeightWithToolbar);
    }
}

ToolbarCustomizeDialog* MDIForm1::customizeToolbar() {
    if (!customize_) {
        customize_ = new ToolbarCustomizeDialog(toolbarLayout(), this);
        customize_->setAttribute(Qt::WA_DeleteOnClose);
        connect(customize_, &ToolbarCustomizeDialog::layoutChanged, this,
                [this](const QStringList& layout) {
                    setToolbarLayout(layout);
                    saveToolbarLayout();
                });
    }
    customize_->open();
    customize_->raise();
    return customize_;
}

void MDIForm1::closeEverything() {
    if (app_.platform.help) {
        app_.platform.help->quit();
    }
    if (customize_) {
        customize_->close();
    }
    app_.unloadAll();
}

void MDIForm1::endProgram() {
    if (ending_) {
        return;
    }
    // The data editor's unsaved changes are not given up without asking.
    if (auto* editor = app_.loaded<DataEditor>(); editor && !editor->mayClose()) {
        return;
    }
    ending_ = true;
    closeEverything();
    hide();
    if (quit_) {
        quit_();
    }
}

bool MDIForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        restoreToolbarLayout();
    }
    return QMainWindow::event(e);
}

void MDIForm1::closeEvent(QCloseEvent* e) {
    // The close box ends the program without asking (unless the data editor
    // holds changes and the person keeps them).
    endProgram();
    if (ending_) {
        e->accept();
    } else {
        e->ignore();
    }
}

MDIForm1& ShowMainWindow(App& app, int heightTwips) {
    MDIForm1& w = app.load<MDIForm1>();
    app.setMainWindow(&w);
    // Placed by its frame: under a window manager the title bar and the close
    // box stay on the screen. The frame is known only once the window shows,
    // so the width is set again then.
    const QRect area = screenArea();
    w.resize(area.width(), px(heightTwips));
    w.move(area.topLeft());
    w.show();
    w.raise();
    w.activateWindow();
    placeMainFrame(&w);
    QPointer<MDIForm1> guarded(&w);
    for (int ms : {50, 300}) {
        QTimer::singleShot(ms, &w, [guarded] { placeMainFrame(guarded); });
    }
    return w;
}

} // namespace kuyu::gui
