// SPDX-License-Identifier: GPL-3.0-or-later
// The family name search as a person uses it: the families in order of
// appearance, a family's plants sorted by name, prefix matching, the cut
// list lines, and the two show buttons.

#include "FinderFixture.h"

#include "gui/finders/FamilySearch.h"
#include "gui/widgets/PrintBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

class FamilySearchTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FinderFixture> f;

    FamilySearch* window() const { return f->app->loaded<FamilySearch>(); }
    template <class T> T* child(const char* name) const {
        return requireChild<T>(window(), QString::fromLatin1(name));
    }
    QListWidget* families() const { return child<QListWidget>("List1"); }
    QListWidget* plants() const { return child<QListWidget>("List2"); }
    PrintBox* box(const char* name) const { return child<PrintBox>(name); }
    void chooseFamily(const QString& family) {
        const auto found = families()->findItems(family, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        families()->setCurrentItem(found.first());
    }
    bool pictureShown() const {
        QWidget* w = f->app->window(QStringLiteral("Form42"));
        return w && w->isVisible();
    }

  private slots:
    void init() { f = std::make_unique<FinderFixture>(); }
    void cleanup() {
        const QStringList failures = f->fakes.messages->failures();
        f.reset();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void controlsKeepTheirNames() {
        QVERIFY(f->app->run(cmd::Menu51));
        QCOMPARE(window()->objectName(), QStringLiteral("Form51"));
        QCOMPARE(window()->windowTitle(), QStringLiteral("科名検索"));
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            QVERIFY2(child<QLabel>(name), name);
        }
        QVERIFY(families() && plants());
        QVERIFY(box("Picture1") && box("Picture2"));
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("終了"));
        QCOMPARE(child<QPushButton>("Command2")->text(), QStringLiteral("科"));
        QCOMPARE(child<QPushButton>("Command3")->text(), QStringLiteral("植物"));
        for (const char* name : {"MENU_51A", "MENU_51AA", "MENU_51B", "MENU_51BA"}) {
            QVERIFY2(child<QMenu>(name), name);
        }
        for (const char* name : {"MENU511A", "MENU512A", "MENU511AA", "MENU512AA", "MENU511B",
                                 "MENU512B", "MENU511BA", "MENU512BA"}) {
            QVERIFY2(child<QAction>(name), name);
        }
        QCOMPARE(child<QMenu>("MENU_51A")->title(), QStringLiteral("ﾎｯﾌﾟｱｯﾌﾟ51A"));
    }

    void familiesInOrderOfFirstAppearance() {
        f->state->SearchMode = 2;
        QVERIFY(f->app->run(cmd::Menu51));
        QVERIFY(window()->isVisible());
        QCOMPARE(f->state->SearchMode, 0);
        QCOMPARE(listLines(families()), (QStringList{"バラ", "キク", "スミレ", "スミレモドキ"}));
        QCOMPARE(box("Picture1")->lines(),
                 QStringList{QStringLiteral(" 以上 ") + " 4 " + QStringLiteral("種類です")});
        QCOMPARE(box("Picture1")->lineColor(0), QColor(0, 0, 128));
        QVERIFY(plants()->count() == 0);

        // Opening it again refills rather than adds.
        QVERIFY(f->app->run(cmd::Menu51));
        QCOMPARE(families()->count(), 4);
        QCOMPARE(box("Picture1")->lines().size(), 1);
    }

    void aFamilyListsItsPlantsByNameWithPrefixFamilies() {
        QVERIFY(f->app->run(cmd::Menu51));
        chooseFamily(QStringLiteral("スミレ"));
        QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("スミレ科"));
        // スミレモドキ begins with スミレ, so its plant is listed too; names
        // sort by code, a name before a longer one that starts with it. The
        // 16-character name is cut to 14; the name with "/" stays whole.
        QCOMPARE(listLines(plants()), (QStringList{
                                          QStringLiteral(" 1    ｽﾐﾚ           "),
                                          QStringLiteral(" 2    ｽﾐﾚﾓﾄﾞｷ       "),
                                          QStringLiteral(" 3    ﾀﾁﾂﾎﾞｽﾐﾚﾓﾄﾞｷﾉﾅ"),
                                          QStringLiteral(" 4    ﾏﾙﾊﾞ/ｽﾐﾚ      "),
                                      }));
        QCOMPARE(box("Picture2")->lines(),
                 QStringList{QStringLiteral(" 以上 ") + " 4 " + QStringLiteral("種類です")});
        QCOMPARE(box("Picture2")->lineColor(0), QColor(0, 0, 128));
        // The family's plants are now the result list, in list order.
        QCOMPARE(f->state->ResultCount, 4);
        QCOMPARE(qs(f->state->ResultLine[4]), resultLine(" ", 4, "ﾏﾙﾊﾞ/ｽﾐﾚ", "スミレ"));
        QCOMPARE(qs(f->state->ResultCaption[2]), QStringLiteral("  ｽﾐﾚﾓﾄﾞｷ (スミレモドキ)科"));

        // The longer family name lists only its own plant.
        chooseFamily(QStringLiteral("スミレモドキ"));
        QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("スミレモドキ科"));
        QCOMPARE(listLines(plants()), QStringList{QStringLiteral(" 1    ｽﾐﾚﾓﾄﾞｷ       ")});
        QCOMPARE(box("Picture2")->lines(),
                 QStringList{QStringLiteral(" 以上 ") + " 1 " + QStringLiteral("種類です")});
    }

    void enterWithoutAFamilyListsEveryPlant() {
        QVERIFY(f->app->run(cmd::Menu51));
        QTest::keyClick(families(), Qt::Key_Return);
        QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("科"));
        QCOMPARE(plants()->count(), 7);
        QCOMPARE(f->state->ResultCount, 7);
        QCOMPARE(f->state->PageNumber, 1);
        QCOMPARE(f->state->PageSearchMode, 0);
    }

    void aFamilyGoneAfterAReload() {
        QVERIFY(f->app->run(cmd::Menu51));
        chooseFamily(QStringLiteral("キク"));
        QCOMPARE(plants()->count(), 1);
        // Another database without that family, loaded while the list stays.
        f->state->PlantFamily[3] = U"キキョウ";
        f->fakes.messages->expect(QStringLiteral("図示検索"),
                                  QStringLiteral("該当する植物はありません"));
        child<QPushButton>("Command2")->click();
        QVERIFY(f->fakes.messages->verify());
        QCOMPARE(plants()->count(), 0);
        QCOMPARE(box("Picture2")->lines(), QStringList{QStringLiteral("植物がありません")});
        QCOMPARE(box("Picture2")->lineColor(0), QColor(128, 0, 0));
    }

    void showButtonsNeedASelection() {
        bool pagesOpened = false;
        f->app->registerCommand(hook::OpenResultPages, [&] { pagesOpened = true; });
        QVERIFY(f->app->run(cmd::Menu51));
        child<QPushButton>("Command2")->click();
        child<QPushButton>("Command3")->click();
        QVERIFY(!pagesOpened);
        QVERIFY(!pictureShown());

        chooseFamily(QStringLiteral("バラ"));
        child<QPushButton>("Command2")->click();
        QVERIFY(pagesOpened);
        QCOMPARE(f->state->ResultCount, 2);
        QCOMPARE(f->state->PageNumber, 1);
    }

    void plantPictureByItsKey() {
        QVERIFY(QFile::copy(f->path("IRO.BMP"), f->path(QStringLiteral("ﾀﾁﾂﾎﾞｽﾐﾚ.BMP"))));
        QVERIFY(f->app->run(cmd::Menu51));
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        chooseFamily(QStringLiteral("スミレ"));
        // The long name's picture is found by its first eight characters.
        const QRect r = plants()->visualItemRect(plants()->item(2));
        QTest::mouseClick(plants()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(plants()->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(pictureShown());
        QCOMPARE(f->app->window(QStringLiteral("Form42"))->windowTitle(),
                 QStringLiteral("ﾀﾁﾂﾎﾞｽﾐﾚﾓﾄﾞｷﾉﾅｶﾏ (スミレ)科"));
        QCOMPARE(f->state->NameKey, Text());

        // The plant whose name holds "/" is still itself.
        f->fakes.messages->expect(QStringLiteral("画像表示"),
                                  QStringLiteral("画像ファイルがみつかりません"));
        plants()->setCurrentRow(3);
        QTest::keyClick(plants(), Qt::Key_Space);
        QCOMPARE(f->app->window(QStringLiteral("Form42"))->windowTitle(),
                 QStringLiteral("ﾏﾙﾊﾞ/ｽﾐﾚ (スミレ)科"));
    }

    void popUpMenusFollowTheSelection() {
        QVERIFY(f->app->run(cmd::Menu51));
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        QTest::mouseClick(families()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(child<QMenu>("MENU_51AA")->isVisible());
        QVERIFY(!child<QAction>("MENU511AA")->isEnabled());
        QVERIFY(families()->selectedItems().isEmpty());
        child<QMenu>("MENU_51AA")->hide();

        chooseFamily(QStringLiteral("バラ"));
        QTest::mouseClick(families()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(child<QMenu>("MENU_51A")->isVisible());
        QCOMPARE(child<QMenu>("MENU_51A")->defaultAction(), child<QAction>("MENU511A"));
        child<QMenu>("MENU_51A")->hide();

        QTest::mouseClick(plants()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(child<QMenu>("MENU_51BA")->isVisible());
        QVERIFY(!child<QAction>("MENU511BA")->isEnabled());
        child<QMenu>("MENU_51BA")->hide();
        plants()->setCurrentRow(0);
        QTest::mouseClick(plants()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(child<QMenu>("MENU_51B")->isVisible());
        QCOMPARE(child<QMenu>("MENU_51B")->defaultAction(), child<QAction>("MENU511B"));
        child<QMenu>("MENU_51B")->hide();

        child<QAction>("MENU512B")->trigger();
        FinderFixture::settle();
        QVERIFY(!window());

        QVERIFY(f->app->run(cmd::Menu51));
        QTest::keyClick(families(), Qt::Key_Escape);
        FinderFixture::settle();
        QVERIFY(!window());
    }
};

QTEST_MAIN(FamilySearchTest)
#include "FamilySearchTest.moc"
