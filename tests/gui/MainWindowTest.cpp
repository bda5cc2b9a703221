// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its menu tree and shortcut keys, the category check
// marks, the toolbar (order, texts, commands, hiding, customising and the
// stored layout), help, the version box and ending the program.

#include "ShellFixture.h"

#include "gui/app/Commands.h"
#include "gui/app/Fonts.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ShellCommands.h"
#include "gui/app/ShellTexts.h"
#include "gui/app/ToolbarCustomizeDialog.h"
#include "gui/platform/QtPlatform.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace shelltest;
using namespace kuyu::gui::testing;

namespace {

// name, caption, shortcut: every menu and item of the main window.
const QList<std::array<const char*, 3>> MenuContract{
    {"MENU1", "花(ﾊﾅ)", ""},
    {"MENU11", "花の色(&C&ｿ)", "F1"},
    {"MENU12", "花びらの数(&N&ﾝ)", "F2"},
    {"MENU13", "花のつき方(&T&ｶ)", "F3"},
    {"MENU14", "花の形(&K&ﾉ)", "F4"},
    {"MENU15", "おしべの数(&O&ﾗ)", "F5"},
    {"MENU2", "葉(ﾊ)", ""},
    {"MENU21", "葉のつき方(&T&ｶ)", "F6"},
    {"MENU22", "葉の形(&K&ﾉ)", "F7"},
    {"MENU23", "葉脈(&Y&ﾝ)", "F8"},
    {"MENU3", "茎(ｸｷ)", ""},
    {"MENU31", "茎の形状(&K&ﾉ)", "F9"},
    {"MENU32", "茎の断面(&D&ｼ)", "F11"},
    {"MENU4", "検索(ｹﾝｻｸ)", ""},
    {"MENU41", "検索(&E&ｲ)", ""},
    {"MENU42", "AI検索(&A&ﾁ)", ""},
    {"MENU43", "ﾌｧｼﾞｨｰ検索(&F&ﾊ)", ""},
    {"MENU44", "-", ""},
    {"MENU45", "図示検索(&G&ｷ)", ""},
    {"MENU46", "AI図示検索(&I&ﾆ)", ""},
    {"MENU47", "ﾌｧｼﾞｲｰ図示検索(&H&ｸ)", ""},
    {"MENU49", "-", ""},
    {"MENU4A", "検索条件解除(&U&ﾅ)", ""},
    {"MENU4B", "識別ガイド(&J&ﾏ)", "F12"},
    {"MENU5", "科･名検索", ""},
    {"MENU51", "科名検索(&K&ﾉ)", ""},
    {"MENU52", "-", ""},
    {"MENU53", "登録植物名ﾘｽﾄ検索(&A&ﾁ)", ""},
    {"MENU54", "植物名図示検索(&N&ﾐ)", ""},
    {"MENU6", "ｼｽﾃﾑ(&S&ｵ)", ""},
    {"MENU61", "登録植物一覧(&A&ﾁ)", ""},
    {"MENU62", "検索条件解除(&U&ﾅ)", ""},
    {"MENU63", "-", ""},
    {"MENU64", "検索:結果印刷(&P&ｾ)", ""},
    {"MENU64A", "検索結果（条件）印刷(&K&ﾉ)", ""},
    {"MENU64B", "検索結果（ＡＩ条件）印刷(&A&ﾁ)", ""},
    {"MENU65", "-", ""},
    {"MENU66", "ｼｽﾃﾑ終了(&X&ｻ)", "Ctrl+X"},
    {"MENU67", "-", ""},
    {"MENU68", "ﾃﾞｰﾀ編集(&E&ﾍ)", ""},
    {"MENU7", "ｵﾌﾟｼｮﾝ(&O&ﾗ)", ""},
    {"MENU71", "ﾃﾞｰﾀﾌｧｲﾙ選択(&D&ｼ)", ""},
    {"MENU72", "画像データ閲覧(&G&ｷ)", ""},
    {"MENU73", "ﾂｰﾙﾊﾞｰの表示(&V&ﾋ)", ""},
    {"MENU74", "ﾂｰﾙﾊﾞｰの変更(&T&ｶ)", ""},
    {"MENU75", "候補数の表示(&K&ﾉ)", ""},
    {"MENU76", "かな入力を半角ｶﾀｶﾅに変換(&H&ｸ)", ""},
    {"MENU9", "ﾍﾙﾌﾟ(&H&ｸ)", ""},
    {"Menu91", "目次(&C&ｿ)", ""},
    {"Menu92", "ﾍﾙﾌﾟの使い方 (&H&ｸ)", ""},
    {"Menu93", "-", ""},
    {"MENU94", "ﾊﾞｰｼﾞｮﾝ情報(&A&ﾁ)", ""},
};

// The toolbar's first layout: key, description, tooltip, command.
const QList<std::array<const char*, 4>> ToolbarContract{
    {"toku01", "花の色", "花の色", "MENU11"},
    {"toku02", "花びらの数", "花びらの数", "MENU12"},
    {"toku03", "花のつき方", "花のつき方", "MENU13"},
    {"toku04", "花の形", "花の形", "MENU14"},
    {"toku05", "おしべの数", "おしべの数", "MENU15"},
    {"-", "区切り", "", ""},
    {"toku06", "葉のつき方", "葉のつき方", "MENU21"},
    {"toku07", "葉の形", "葉の形", "MENU22"},
    {"toku08", "葉脈", "葉脈", "MENU23"},
    {"-", "区切り", "", ""},
    {"toku09", "茎の形状", "茎の形状", "MENU31"},
    {"toku10", "茎の断面", "茎の断面", "MENU32"},
    {"-", "区切り", "", ""},
    {"ken01", "検索", "検索", "MENU41"},
    {"ken02", "AI検索", "ＡＩ検索", "MENU42"},
    {"ken03", "ﾌｧｼﾞｨｰ検索", "ﾌｧｼﾞｨｰ検索", "MENU43"},
    {"-", "区切り", "", ""},
    {"ken04", "図示検索", "図示検索", "MENU45"},
    {"ken05", "AI図示検索", "ＡＩ図示検索", "MENU46"},
    {"ken06", "ﾌｧｼﾞｨｰ図示検索", "ﾌｧｼﾞｨｰ図示検索", "MENU47"},
    {"-", "区切り", "", ""},
    {"ken07", "科名検索", "科名検索", "MENU51"},
    {"ken08", "登録植物名ﾘｽﾄ検索", "登録植物名ﾘｽﾄ検索", "MENU53"},
    {"ken09", "植物名図示検索", "植物名図示検索", "MENU54"},
    {"-", "区切り", "", ""},
    {"kai01", "検索条件解除", "検索条件解除", "MENU62"},
    {"opt01", "画像ﾃﾞｰﾀ閲覧", "画像ﾃﾞｰﾀ閲覧", "MENU72"},
    {"HE", "ﾍﾙﾌﾟ", "ﾍﾙﾌﾟ", "Menu91"},
};

// Pictures for the eye when KUYU_SCREENSHOT_DIR names a folder.
void snapshot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("KUYU_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        w->grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }
}

QStringList contractLayout() {
    QStringList keys;
    for (const auto& row : ToolbarContract) {
        keys << QString::fromLatin1(row[0]);
    }
    return keys;
}

// A stand-in child window, to see that ending the program closes it.
class ChildWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form99";
    ChildWindow(App&, QWidget* parent) : QWidget(parent) {}
};

// The main window as the title window leaves it, with the shell's commands
// and a recorder behind every other command.
struct MainWorld : World {
    MainWorld() {
        registerShellCommands(*app);
        for (const auto& row : MenuContract) {
            const QString name = QString::fromLatin1(row[0]);
            if (!app->hasCommand(CommandId{row[0]})) {
                app->registerCommand(CommandId{row[0]}, [this, name] { ran << name; });
            }
        }
        main = &ShowMainWindow(*app, 1215);
        main->setQuitHandler([this] { ++quits; });
    }
    QToolButton* button(const QString& key) const {
        return qobject_cast<QToolButton*>(
            main->toolbar()->widgetForAction(requireChild<QAction>(main, key)));
    }
    MDIForm1* main = nullptr;
    QStringList ran;
    int quits = 0;
};

// Any other window of the program, opened through the registry.
class OtherWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form99";
    OtherWindow(App&, QWidget* parent) : QWidget(parent) { resize(200, 100); }
};

} // namespace

// Commands whose windows are still being built: their menu items and
// toolbar buttons stay disabled until they land. Every window has landed.
const QStringList NotYetWired = {};

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installFontSubstitutions(); }

    void aCommandWithNothingBehindItIsDisabled() {
        World w;
        registerAllCommands(*w.app);
        MDIForm1& main = ShowMainWindow(*w.app, 1215);
        QStringList disabled;
        for (QAction* a : main.findChildren<QAction*>()) {
            if (!a->isSeparator() && !a->menu() && !a->objectName().isEmpty() && !a->isEnabled()) {
                disabled << a->objectName();
            }
        }
        disabled.sort();
        QStringList expected = NotYetWired;
        expected.sort();
        QCOMPARE(disabled, expected);
    }

    void objectNamesAreAContract() {
        MainWorld w;
        QCOMPARE(w.main->objectName(), QStringLiteral("MDIForm1"));
        QCOMPARE(w.main->windowTitle(), QStringLiteral("グラフィック植物検索ツール 「くゆWin」"));
        QStringList expected;
        for (const auto& row : MenuContract) {
            expected << QString::fromLatin1(row[0]);
        }
        QStringList found;
        for (QObject* o : w.main->findChildren<QObject*>()) {
            if (o->objectName().startsWith(QStringLiteral("MENU"), Qt::CaseInsensitive) &&
                !o->objectName().endsWith(QStringLiteral("_title"))) {
                found << o->objectName();
            }
        }
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
        QVERIFY(w.main->findChild<QToolBar*>(QStringLiteral("Toolbar2")));
        for (const auto& row : ToolbarContract) {
            if (row[0] != QLatin1String("-")) {
                QVERIFY2(w.main->findChild<QAction*>(row[0]), row[0]);
            }
        }
    }

    void menuCaptionsShortcutsAndOrder() {
        MainWorld w;
        for (const auto& row : MenuContract) {
            const QString name = QString::fromLatin1(row[0]);
            const QString caption = QString::fromUtf8(row[1]);
            if (auto* menu = w.main->findChild<QMenu*>(name)) {
                QCOMPARE(menu->title(), caption);
                continue;
            }
            auto* a = w.main->findChild<QAction*>(name);
            QVERIFY2(a, qPrintable(name));
            if (caption == QLatin1String("-")) {
                QVERIFY2(a->isSeparator(), qPrintable(name));
                continue;
            }
            QCOMPARE(a->text(), caption);
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(row[2])));
        }
        // The menu bar in its order.
        QStringList bar;
        for (QAction* a : w.main->menuBar()->actions()) {
            bar << a->menu()->objectName();
        }
        QCOMPARE(bar, (QStringList{"MENU1", "MENU2", "MENU3", "MENU4", "MENU5", "MENU6", "MENU7",
                                   "MENU9"}));
        // The printing items sit in their cascade.
        auto* cascade = requireChild<QMenu>(w.main, QStringLiteral("MENU64"));
        QCOMPARE(cascade->actions().size(), 2);
        QCOMPARE(cascade->actions().at(1)->objectName(), QStringLiteral("MENU64B"));
    }

    void menuItemsAndShortcutKeysRunTheirCommands() {
        MainWorld w;
        requireChild<QAction>(w.main, QStringLiteral("MENU45"))->trigger();
        requireChild<QAction>(w.main, QStringLiteral("MENU64A"))->trigger();
        QCOMPARE(w.ran, (QStringList{"MENU45", "MENU64A"}));
        w.ran.clear();

        w.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.main));
        const QList<std::pair<int, QString>> keys{{Qt::Key_F1, "MENU11"},
                                                  {Qt::Key_F5, "MENU15"},
                                                  {Qt::Key_F8, "MENU23"},
                                                  {Qt::Key_F9, "MENU31"},
                                                  {Qt::Key_F11, "MENU32"}};
        for (const auto& [key, name] : keys) {
            QTest::keyClick(w.main, static_cast<Qt::Key>(key));
        }
        QCOMPARE(w.ran, (QStringList{"MENU11", "MENU15", "MENU23", "MENU31", "MENU32"}));
        // F10 belongs to no item.
        QTest::keyClick(w.main, Qt::Key_F10);
        QCOMPARE(w.ran.size(), 5);
        // Ctrl+X asks before ending.
        w.messages->expect(QStringLiteral("「くゆWin」Ver 2.2"),
                           QStringLiteral("「くゆWin」を終了します"), Answer::No);
        QTest::keyClick(w.main, Qt::Key_X, Qt::ControlModifier);
        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join('\n')));
    }

    void categoryKeysWorkFromEveryWindowAndTheKeyboardComesBack() {
        MainWorld w;
        auto& other = w.app->load<OtherWindow>();
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        // F2 opens a picker from any window; Ctrl+X stays with the main
        // window, so in a text box it can still cut.
        QTest::keyClick(&other, Qt::Key_F2);
        QCOMPARE(w.ran, QStringList{"MENU12"});
        QTest::keyClick(&other, Qt::Key_X, Qt::ControlModifier);
        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join('\n')));
        // When the window goes, the main window takes the keys again.
        w.app->unload(QString::fromLatin1(OtherWindow::Name));
        QTRY_VERIFY(w.main->isActiveWindow());
        QTest::keyClick(w.main, Qt::Key_F6);
        QCOMPARE(w.ran, (QStringList{"MENU12", "MENU21"}));
    }

    void checkMarksFollowCategoryChosen() {
        MainWorld w;
        const QStringList items{"MENU11", "MENU12", "MENU13", "MENU14", "MENU15",
                                "MENU21", "MENU22", "MENU23", "MENU31", "MENU32"};
        auto openMenus = [&] {
            for (const char* menu : {"MENU1", "MENU2", "MENU3"}) {
                emit requireChild<QMenu>(w.main, menu)->aboutToShow();
            }
        };
        auto checks = [&] {
            QList<bool> c;
            for (const QString& item : items) {
                c << requireChild<QAction>(w.main, item)->isChecked();
            }
            return c;
        };
        for (const QString& item : items) {
            QVERIFY(requireChild<QAction>(w.main, item)->isCheckable());
        }
        w.state.CategoryChosen[1] = true;
        w.state.CategoryChosen[5] = true;
        w.state.CategoryChosen[6] = true;
        w.state.CategoryChosen[10] = true;
        openMenus();
        QCOMPARE(checks(),
                 (QList<bool>{true, false, false, false, true, true, false, false, false, true}));
        // A reload clears the selection; the marks follow at the next opening.
        w.state.CategoryChosen.fill(false);
        QVERIFY(checks().contains(true));
        openMenus();
        QVERIFY(!checks().contains(true));
    }

    void toolbarButtonsInOrderWithTextsAndCommands() {
        MainWorld w;
        QCOMPARE(w.main->toolbarLayout(), contractLayout());
        const auto actions = w.main->toolbar()->actions();
        QCOMPARE(actions.size(), ToolbarContract.size());
        for (int i = 0; i < actions.size(); ++i) {
            const auto& row = ToolbarContract.at(i);
            if (row[0] == QLatin1String("-")) {
                QVERIFY(actions[i]->isSeparator());
                continue;
            }
            QCOMPARE(actions[i]->objectName(), QString::fromLatin1(row[0]));
            QCOMPARE(actions[i]->property("description").toString(), QString::fromUtf8(row[1]));
            QCOMPARE(actions[i]->toolTip(), QString::fromUtf8(row[2]));
            QVERIFY(!actions[i]->icon().isNull());
            w.ran.clear();
            QToolButton* b = w.button(QString::fromLatin1(row[0]));
            QVERIFY(b);
            if (QString::fromLatin1(row[3]) == QLatin1String("Menu91")) {
                b->click();
                QCOMPARE(w.fakes.help->calls, QStringList{"contents"});
                continue;
            }
            b->click();
            QCOMPARE(w.ran, QStringList{QString::fromLatin1(row[3])});
        }
    }

    void toolbarHideAndShow() {
        MainWorld w;
        QCOMPARE(w.main->height(), px(1215));
        auto* show = requireChild<QAction>(w.main, QStringLiteral("MENU73"));
        auto* change = requireChild<QAction>(w.main, QStringLiteral("MENU74"));
        auto* menu7 = requireChild<QMenu>(w.main, QStringLiteral("MENU7"));
        emit menu7->aboutToShow();
        QVERIFY(show->isChecked());

        show->trigger();
        QVERIFY(!w.main->toolbarShown());
        QVERIFY(!change->isEnabled());
        QVERIFY(!show->isChecked());
        QCOMPARE(w.main->height(), px(680));
        emit menu7->aboutToShow();
        QVERIFY(!show->isChecked());

        show->trigger();
        QVERIFY(w.main->toolbarShown());
        QVERIFY(change->isEnabled());
        QVERIFY(show->isChecked());
        QCOMPARE(w.main->height(), px(1080));
        QVERIFY(w.main->toolbar()->isVisible());
    }

    void customiseIsSavedAndComesBackInTheNextWindow() {
        MainWorld w;
        requireChild<QAction>(w.main, QStringLiteral("MENU74"))->trigger();
        auto* dialog = w.main->customizeDialog();
        QVERIFY(dialog && dialog->isVisible());
        snapshot(dialog, "customise");
        QCOMPARE(dialog->currentTexts().size(), ToolbarContract.size());
        QCOMPARE(dialog->availableTexts(), QStringList{"区切り"});
        auto* current = requireChild<QListWidget>(dialog, QStringLiteral("CurrentList"));
        auto* available = requireChild<QListWidget>(dialog, QStringLiteral("AvailableList"));

        // Remove 検索 (ken01): it leaves the toolbar and is on offer again.
        current->setCurrentRow(13);
        requireChild<QPushButton>(dialog, QStringLiteral("RemoveButton"))->click();
        QStringList expected = contractLayout();
        expected.removeAt(13);
        QCOMPARE(w.main->toolbarLayout(), expected);
        QCOMPARE(dialog->availableTexts(), (QStringList{"区切り", "検索"}));
        QCOMPARE(w.fakes.settings->saves, 1);
        QCOMPARE(w.fakes.settings->values.value(QStringLiteral("1/MyToolbar1/True")), expected);

        // Help to the front, then a separator after it.
        current->setCurrentRow(expected.size() - 1);
        for (int i = 0; i < expected.size() - 1; ++i) {
            requireChild<QPushButton>(dialog, QStringLiteral("MoveUpButton"))->click();
        }
        QCOMPARE(w.main->toolbarLayout().first(), QStringLiteral("HE"));
        current->setCurrentRow(1);
        available->setCurrentRow(0);
        requireChild<QPushButton>(dialog, QStringLiteral("AddButton"))->click();
        QCOMPARE(w.main->toolbarLayout().mid(0, 3), (QStringList{"HE", "-", "toku01"}));
        QCOMPARE(dialog->availableTexts(),
                 (QStringList{"区切り", "検索"})); // the separator stays on offer
        const QStringList saved = w.main->toolbarLayout();
        QCOMPARE(w.fakes.settings->values.value(QStringLiteral("1/MyToolbar1/True")), saved);
        QTRY_VERIFY(w.button(QStringLiteral("HE"))->isVisible());

        // Another main window starts with the first layout and takes the
        // stored one when it is activated.
        MDIForm1 second(*w.app);
        QCOMPARE(second.toolbarLayout(), contractLayout());
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&second, &activate);
        QCOMPARE(second.toolbarLayout(), saved);

        // An unreadable store changes nothing.
        MDIForm1 third(*w.app);
        w.fakes.settings->failing = true;
        QCoreApplication::sendEvent(&third, &activate);
        QCOMPARE(third.toolbarLayout(), contractLayout());
        w.fakes.settings->failing = false;

        // Reset brings the first layout back, and saves it.
        requireChild<QPushButton>(dialog, QStringLiteral("ResetButton"))->click();
        QCOMPARE(w.main->toolbarLayout(), contractLayout());
        QCOMPARE(w.fakes.settings->values.value(QStringLiteral("1/MyToolbar1/True")),
                 contractLayout());
        QCOMPARE(dialog->availableTexts(), QStringList{"区切り"});
    }

    void aLayoutThatCannotBeSavedIsToldOnce() {
        MainWorld w;
        w.fakes.settings->failingSave = true;
        const QString text = q(texts::SettingsUnsavedText) + QStringLiteral("\r/memory/kuyu.ini");
        w.fakes.messages->expect(q(texts::SettingsUnsavedTitle), text);
        requireChild<QAction>(w.main, QStringLiteral("MENU74"))->trigger();
        auto* dialog = w.main->customizeDialog();
        auto* current = requireChild<QListWidget>(dialog, QStringLiteral("CurrentList"));
        current->setCurrentRow(13);
        requireChild<QPushButton>(dialog, QStringLiteral("RemoveButton"))->click();
        current->setCurrentRow(3);
        requireChild<QPushButton>(dialog, QStringLiteral("RemoveButton"))->click();
        QCOMPARE(w.fakes.settings->saves, 2);
        QCOMPARE(w.main->toolbarLayout().size(),
                 qsizetype(ToolbarContract.size()) - 2); // still in use
        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join(QLatin1Char('\n'))));
        QCOMPARE(w.messages->shown.size(), 1);

        // The real store: its folder is a file.
        QTemporaryDir dir;
        QFile blocker(dir.path() + QStringLiteral("/kuyu"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QtSettingsStore store(dir.path() + QStringLiteral("/kuyu/kuyu.ini"));
        QVERIFY(!store.save(QString::fromLatin1(MDIForm1::ToolbarLayoutKey), {"HE"}));
        QVERIFY(QtSettingsStore(dir.path() + QStringLiteral("/ok.ini"))
                    .save(QStringLiteral("k"), {"HE"}));
    }

    void storedLayoutsKeepUnknownKeysOut() {
        MainWorld w;
        w.main->setToolbarLayout({"ken01", "nonsense", "ken01", "-", "HE", "-"});
        QCOMPARE(w.main->toolbarLayout(), (QStringList{"ken01", "-", "HE", "-"}));
        w.main->setToolbarLayout({});
        QCOMPARE(w.main->toolbarLayout(), QStringList{});
    }

    void realSettingsStoreRoundTrip() {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/sub/kuyu.ini");
        const QString key = QString::fromLatin1(MDIForm1::ToolbarLayoutKey);
        {
            QtSettingsStore store(file);
            QVERIFY(!store.load(key));
            store.save(key, {"HE", "-", "ken01"});
        }
        QtSettingsStore again(file);
        QCOMPARE(again.load(key), (QStringList{"HE", "-", "ken01"}));
        // A toolbar with no buttons is a layout too, not "nothing saved".
        again.save(key, {});
        QCOMPARE(QtSettingsStore(file).load(key), QStringList{});
        // A single button survives as a list.
        again.save(key, {"HE"});
        QCOMPARE(QtSettingsStore(file).load(key), QStringList{"HE"});
    }

    void exitAsksAndEndsOnYesOnly() {
        MainWorld w;
        auto& child = w.app->load<ChildWindow>();
        child.show();
        QCOMPARE(child.parentWidget(), w.main);

        w.messages->expect(QStringLiteral("「くゆWin」Ver 2.2"),
                           QStringLiteral("「くゆWin」を終了します"), Answer::No);
        requireChild<QAction>(w.main, QStringLiteral("MENU66"))->trigger();
        QVERIFY(w.messages->verify());
        const Message& asked = w.messages->shown.first();
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(asked.icon, MessageIcon::Question);
        QVERIFY(asked.systemModal);
        QVERIFY(w.main->isVisible() && child.isVisible());
        QCOMPARE(w.quits, 0);
        QVERIFY(w.fakes.help->calls.isEmpty());

        w.messages->expect(QStringLiteral("「くゆWin」Ver 2.2"),
                           QStringLiteral("「くゆWin」を終了します"), Answer::Yes);
        requireChild<QAction>(w.main, QStringLiteral("MENU66"))->trigger();
        QVERIFY(w.messages->verify());
        QCOMPARE(w.fakes.help->calls, QStringList{"quit"});
        QCOMPARE(w.quits, 1);
        QVERIFY(!w.main->isVisible());
        QVERIFY(!child.isVisible());
        QVERIFY(!w.app->isLoaded(QStringLiteral("Form99")));
    }

    void closeBoxEndsWithoutAsking() {
        MainWorld w;
        auto& child = w.app->load<ChildWindow>();
        child.show();
        QVERIFY(w.main->close());
        QVERIFY(w.messages->shown.isEmpty());
        QCOMPARE(w.fakes.help->calls, QStringList{"quit"});
        QCOMPARE(w.quits, 1);
        QVERIFY(!child.isVisible());
    }

    void helpAndVersionBox() {
        MainWorld w;
        requireChild<QAction>(w.main, QStringLiteral("Menu91"))->trigger();
        requireChild<QAction>(w.main, QStringLiteral("Menu92"))->trigger();
        QCOMPARE(w.fakes.help->calls, (QStringList{"contents", "howto"}));

        w.messages->expect(QStringLiteral(" バージョン情報"), qs(VersionBox().text));
        requireChild<QAction>(w.main, QStringLiteral("MENU94"))->trigger();
        QVERIFY(w.messages->verify());
        const Message& box = w.messages->shown.first();
        const QStringList lines = qs(box.text).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.mid(0, 3), (QStringList{"      グラフィック植物検索ツール",
                                               "              「　く　ゆ　Ｗin」",
                                               "                    Ver. 2.21"}));
        QVERIFY(!lines[3].trimmed().isEmpty());
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QVERIFY(box.systemModal);
    }

    void realMessageBoxShowsTheCoreMessage() {
        QtMessageBoxes boxes;
        Message m;
        m.title = ts(QStringLiteral("エラーメッセージ"));
        m.text =
            ts(QStringLiteral("データファイルがみつかりません\rｵﾌﾟｼｮﾝでﾃﾞｰﾀﾌｧｲﾙを選択して下さい"));
        m.icon = MessageIcon::Question;
        m.buttons = MessageButtons::YesNo;
        m.systemModal = true;
        QString title, text;
        int icon = -1;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            modal = box->windowModality() == Qt::ApplicationModal;
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(boxes.show(nullptr, m), Answer::No);
        QCOMPARE(title, QStringLiteral("エラーメッセージ"));
        // The old carriage return is a line break on screen.
        QCOMPARE(text, QStringLiteral(
                           "データファイルがみつかりません\nｵﾌﾟｼｮﾝでﾃﾞｰﾀﾌｧｲﾙを選択して下さい"));
        QCOMPARE(icon, int(QMessageBox::Question));
        QVERIFY(modal);

        m.buttons = MessageButtons::Ok;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->button(QMessageBox::Ok) && !box->button(QMessageBox::No));
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(boxes.show(nullptr, m), Answer::Ok);
    }

    void fontDialogGivesBackWhatItWasGiven() {
        QFont initial(QStringLiteral("ＭＳ 明朝"), 20);
        initial.setBold(true);
        initial.setUnderline(true);
        FontChoiceDialog dialog({initial, QColor(0x80, 0, 0)});
        FontChoice c = dialog.choice();
        QCOMPARE(c.colour, QColor(0x80, 0, 0));
        QVERIFY(c.font.bold() && c.font.underline() && !c.font.italic());
        QCOMPARE(c.font.pointSize(), 20);
        QVERIFY(QFontInfo(c.font).family().contains(QStringLiteral("Mincho")));
        snapshot(&dialog, "font");
        auto* colours = requireChild<QComboBox>(&dialog, QStringLiteral("FontColour"));
        colours->setCurrentIndex(colours->findText(QStringLiteral("青")));
        QCOMPARE(dialog.choice().colour, QColor(Qt::blue));
        // A colour outside the list falls back to black rather than nothing.
        FontChoiceDialog odd({initial, QColor(1, 2, 3)});
        QCOMPARE(odd.choice().colour, QColor(Qt::black));
    }

    void helpViewerShowsTheManual() {
        QtHelpViewer viewer;
        viewer.setHelpFile(QStringLiteral("index.html"));
        viewer.showContents();
        QVERIFY(viewer.window() && viewer.window()->isVisible());
        auto* browser = requireChild<QTextBrowser>(viewer.window(), QStringLiteral("HelpBrowser"));
        QCOMPARE(viewer.window()->currentPage(), helpPageUrl(QStringLiteral("index.html")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("目次")));
        snapshot(viewer.window(), "help-contents");
        viewer.showHowToUse();
        QCOMPARE(viewer.window()->currentPage(), helpPageUrl(QStringLiteral("howto.html")));
        viewer.quit();
        QVERIFY(!viewer.window()->isVisible());

        // Every page is there, has a title, and every link inside the manual
        // leads to a page that exists.
        const QDir pages(QStringLiteral(":/help"));
        const QStringList files = pages.entryList({QStringLiteral("*.html")});
        QVERIFY(files.contains(QStringLiteral("index.html")) &&
                files.contains(QStringLiteral("howto.html")));
        const QRegularExpression href(QStringLiteral("href=\"([^\"#:]+)(#[^\"]*)?\""));
        for (const QString& f : files) {
            QFile page(QStringLiteral(":/help/") + f);
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(page.readAll());
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(f));
            QVERIFY2(html.size() > 1000, qPrintable(f + QStringLiteral(" is too short to help")));
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(files.contains(target), qPrintable(f + QStringLiteral(" -> ") + target));
            }
        }
    }

    // かな入力を半角ｶﾀｶﾅに変換 is off on a first start, follows its clicks,
    // and a later start shows it as the settings left it.
    void kanaInputItemIsRemembered() {
        {
            World w;
            registerAllCommands(*w.app);
            MDIForm1& main = ShowMainWindow(*w.app, 1215);
            QAction* item = main.menuItem(QStringLiteral("MENU76"));
            QVERIFY(item && item->isCheckable() && item->isEnabled());
            QVERIFY(!item->isChecked());
            item->trigger();
            QVERIFY(item->isChecked());
            QCOMPARE(w.fakes.settings->values.value(QStringLiteral("KanaInputToHalfWidth")),
                     QStringList{"1"});
            item->trigger();
            QVERIFY(!item->isChecked());
            QCOMPARE(w.fakes.settings->values.value(QStringLiteral("KanaInputToHalfWidth")),
                     QStringList{"0"});
        }
        World w;
        w.fakes.settings->values.insert(QStringLiteral("KanaInputToHalfWidth"), {"1"});
        registerAllCommands(*w.app);
        MDIForm1& main = ShowMainWindow(*w.app, 1215);
        QVERIFY(main.menuItem(QStringLiteral("MENU76"))->isChecked());
        // The item sits right after 候補数の表示.
        auto* options = requireChild<QMenu>(&main, QStringLiteral("MENU7"));
        const QList<QAction*> items = options->actions();
        const auto at = items.indexOf(main.menuItem(QStringLiteral("MENU75")));
        QVERIFY(at >= 0 && at + 1 < items.size());
        QCOMPARE(items.at(at + 1)->objectName(), QStringLiteral("MENU76"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
