// SPDX-License-Identifier: GPL-3.0-or-later
// The registered plant list window: the two list-all commands, and opening a
// plant from a line after the name sort has reordered the lines.

#include "PlantWindowsSupport.h"

#include "gui/app/Commands.h"
#include "gui/images/ImageBox.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/plantview/RegisteredListWindow.h"
#include "gui/widgets/PrintBox.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

class ListWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;

    Form53* list() { return f->app->loaded<Form53>(); }
    Form42* plant() { return f->app->loaded<Form42>(); }
    QStringList lines() {
        QStringList out;
        for (int i = 0; i < list()->list()->count(); ++i) {
            out << list()->list()->item(i)->text();
        }
        return out;
    }
    void select(int row) {
        list()->list()->setCurrentRow(row);
        QVERIFY(list()->list()->currentItem()->isSelected());
    }
    QPoint rowCentre(int row) {
        return list()->list()->visualItemRect(list()->list()->item(row)).center();
    }

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        registerPlantViewCommands(*f->app);
        // File order differs from name order.
        f->addPlant("ﾀﾝﾎﾟﾎﾟ", "ｷｸ", "0");
        f->addPlant("ｽﾐﾚ", "ｽﾐﾚ", "0");
        f->addPlant("ﾊﾙｼﾞｵﾝ", "ｷｸ", "0");
        f->addPlant("ｱｷﾉﾉｹﾞｼｱｻﾞﾐ", "ｷｸ", "0");
        for (const char* name : {"ﾀﾝﾎﾟﾎﾟ", "ｽﾐﾚ", "ﾊﾙｼﾞｵﾝ", "ｱｷﾉﾉｹﾞｼｱ"}) {
            QVERIFY(writePicture(f->inData(QString::fromUtf8(name) + ".BMP"), 40, 30, Qt::white,
                                 "BMP"));
        }
    }
    void cleanup() {
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
    }

    void controlsAreTheDesignNames() {
        f->app->run(cmd::Menu53);
        QVERIFY(list());
        for (const char* n : {"Label1", "List1", "Picture11", "Command1", "Command2", "Line1",
                              "Line2", "Line5", "Line6", "Line7", "Line8", "MENU_53", "MENU531",
                              "MENU532", "MENU_53A", "MENU531A", "MENU532A"}) {
            QVERIFY2(list()->findChild<QObject*>(n), n);
        }
        QCOMPARE(list()->heading()->text(),
                 QStringLiteral("        植物名　          　（科名）　"));
    }

    void sortedListOpensThePlantOnTheLine() {
        f->app->run(cmd::Menu53);
        QVERIFY(list()->isVisible());
        QCOMPARE(list()->windowTitle(), QStringLiteral("リスト検索"));
        QCOMPARE(list()->countBox()->backColor(), QColor(128, 255, 128));
        QCOMPARE(list()->countBox()->lines(), QStringList{"  以上   4  種類 です"});
        QCOMPARE(f->state.SearchMode, std::int16_t(0));
        const QStringList l = lines();
        QCOMPARE(l.size(), 4);
        QVERIFY(l[0].startsWith(" 1    ｱｷﾉﾉｹﾞｼｱｻﾞﾐ"));
        QVERIFY(l[1].startsWith(" 2    ｽﾐﾚ"));
        QVERIFY(l[3].startsWith(" 4    ﾊﾙｼﾞｵﾝ"));

        // Line 2 is the second plant of the file, line 3 the first.
        // A widget double-click in Qt Test is a press and the double-click.
        QTest::mousePress(list()->list()->viewport(), Qt::LeftButton, {}, rowCentre(2));
        QTest::mouseDClick(list()->list()->viewport(), Qt::LeftButton, {}, rowCentre(2));
        QVERIFY(plant() && plant()->isVisible());
        QCOMPARE(plant()->windowTitle(), QStringLiteral("ﾀﾝﾎﾟﾎﾟ (ｷｸ)科"));
        // A long name opens the picture named by its first eight characters.
        select(0);
        requireChild<QPushButton>(list(), "Command2")->click();
        QCOMPARE(f->state.NameKey, Text(U"ｱｷﾉﾉｹﾞｼｱ"));
        QCOMPARE(plant()->windowTitle(), QStringLiteral("ｱｷﾉﾉｹﾞｼｱｻﾞﾐ (ｷｸ)科"));
        QCOMPARE(plant()->image()->picture().size(), QSize(40, 30));
    }

    void fileOrderListAndKeys() {
        f->app->run(cmd::Menu61);
        QCOMPARE(list()->windowTitle(), QStringLiteral("登録植物一覧表示"));
        QCOMPARE(list()->countBox()->backColor(), QColor(128, 255, 255));
        QCOMPARE(f->state.SearchMode, std::int16_t(1));
        QVERIFY(lines()[0].startsWith(" 1    ﾀﾝﾎﾟﾎﾟ"));
        select(2);
        QTest::keyClick(list()->list(), Qt::Key_Space);
        QCOMPARE(plant()->windowTitle(), QStringLiteral("ﾊﾙｼﾞｵﾝ (ｷｸ)科"));
        select(1);
        QTest::keyClick(list()->list(), Qt::Key_Return);
        QCOMPARE(plant()->windowTitle(), QStringLiteral("ｽﾐﾚ (ｽﾐﾚ)科"));

        // Refilling from the other command reuses the window.
        Form53* same = list();
        f->app->run(cmd::Menu53);
        QCOMPARE(list(), same);
        QCOMPARE(list()->windowTitle(), QStringLiteral("リスト検索"));
        QCOMPARE(list()->countBox()->lines().size(), 1);
    }

    void nothingSelected() {
        f->app->run(cmd::Menu61);
        list()->list()->clearSelection();
        list()->list()->setCurrentItem(nullptr);
        f->state.NameKey = U"ｽﾐﾚ";
        requireChild<QPushButton>(list(), "Command2")->click();
        QCOMPARE(f->state.NameKey, Text(U"ｽﾐﾚ")); // 図示 did nothing
        QTest::keyClick(list()->list(), Qt::Key_Space);
        QVERIFY(f->state.NameKey.empty()); // the key path opens nothing
        QVERIFY(!plant() || !plant()->isVisible());

        QTest::mouseClick(list()->countBox(), Qt::RightButton);
        QMenu* menu = list()->menuNothingSelected();
        QVERIFY(menu->isVisible());
        QVERIFY(!requireChild<QAction>(list(), "MENU531A")->isEnabled());
        QVERIFY(!menu->defaultAction());
        menu->close();
        requireChild<QAction>(list(), "MENU532A")->trigger();
        f->flush();
        QVERIFY(!list());
    }

    void popUpWithSelection() {
        f->app->run(cmd::Menu53);
        select(1);
        QTest::mouseClick(list()->list()->viewport(), Qt::RightButton, {}, rowCentre(1));
        QMenu* menu = list()->menuSelected();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->defaultAction()->objectName(), QStringLiteral("MENU531"));
        menu->close();
        menu->defaultAction()->trigger();
        QCOMPARE(plant()->windowTitle(), QStringLiteral("ｽﾐﾚ (ｽﾐﾚ)科"));
        QTest::keyClick(list(), Qt::Key_Escape);
        f->flush();
        QVERIFY(!list());
    }

    void rightClickLeavesTheSelectionAlone() {
        f->app->run(cmd::Menu53);
        // Nothing selected: a right click over a line pops up MENU_53A and
        // selects nothing, as in the other list windows.
        list()->list()->clearSelection();
        list()->list()->setCurrentItem(nullptr);
        QTest::mouseClick(list()->list()->viewport(), Qt::RightButton, {}, rowCentre(2));
        QVERIFY(list()->menuNothingSelected()->isVisible());
        QVERIFY(!list()->menuSelected()->isVisible());
        QVERIFY(list()->list()->selectedItems().isEmpty());
        list()->menuNothingSelected()->close();
        // With line 1 selected, a right click over line 2 keeps line 1.
        select(1);
        QTest::mouseClick(list()->list()->viewport(), Qt::RightButton, {}, rowCentre(2));
        QVERIFY(list()->menuSelected()->isVisible());
        QCOMPARE(list()->list()->currentRow(), 1);
        list()->menuSelected()->close();
    }

    void emptyDatabase() {
        f->state.PlantCount = 0;
        f->app->run(cmd::Menu53);
        QCOMPARE(list()->countBox()->lines(), QStringList{"    該当する植物はありません"});
        QCOMPARE(list()->countBox()->lineColor(0), QColor(128, 0, 0));
        QCOMPARE(list()->list()->count(), 0);
    }
};

QTEST_MAIN(ListWindowTest)
#include "ListWindowTest.moc"
