// SPDX-License-Identifier: GPL-3.0-or-later
// The illustrated result pages and the feature view as a person uses them:
// paging forth and back, the pop-up menu of each position and page state,
// the keys, close-ups, the feature view, the pages' own copy of the result
// list, and the sample data's violets.

#include "PlantWindowsSupport.h"
#include "TestSupport.h"

#include "core/browse/ResultPages.h"
#include "core/features/Features.h"
#include "core/search/Search.h"
#include "core/state/StartUpState.h"
#include "gui/app/Commands.h"
#include "gui/browse/Browse.h"
#include "gui/browse/FeatureWindow.h"
#include "gui/browse/ResultPagesWindow.h"
#include "gui/finders/FamilySearch.h"
#include "gui/images/ImageBox.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/widgets/PrintBox.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <functional>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

// Ten plants; the first four have flower colour 3, the rest colour 2.
const char* const Plants[][2] = {
    {"ｽﾐﾚ", "ｽﾐﾚ"},       {"ﾀﾝﾎﾟﾎﾟ", "ｷｸ"},  {"ﾅｶﾞﾊﾞﾉﾀﾁﾂﾎﾞｽﾐﾚ", "ｽﾐﾚ"},
    {"ｱｶﾈ", "ｱｶﾈ"},       {"ﾅｽﾞﾅ", "ｱﾌﾞﾗﾅ"}, {"ﾊｺﾍﾞ", "ﾅﾃﾞｼｺ"},
    {"ﾖﾓｷﾞ", "ｷｸ"},       {"ﾂﾕｸｻ", "ﾂﾕｸｻ"},  {"ｶﾀﾊﾞﾐ", "ｶﾀﾊﾞﾐ"},
    {"ﾄﾞｸﾀﾞﾐ", "ﾄﾞｸﾀﾞﾐ"},
};

QString caption(int plant) {
    return QStringLiteral("  %1 (%2)科")
        .arg(QString::fromUtf8(Plants[plant - 1][0]), QString::fromUtf8(Plants[plant - 1][1]));
}

} // namespace

class ResultPagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;

    Form45* pages() const { return f->app->loaded<Form45>(); }
    Form46A* features() const { return f->app->loaded<Form46A>(); }
    template <class T> T* child(const char* name) const {
        return requireChild<T>(pages(), QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    // An illustrated search with flower colour `colour` ('0' for none).
    void search(const char* command, char32_t colour) {
        f->state.SelectionCode[0] = colour;
        QVERIFY(f->app->run(menuCommand(QString::fromLatin1(command))));
    }
    QStringList labels() const {
        return {pages()->labelText(1), pages()->labelText(2), pages()->labelText(3)};
    }
    // Which of NEXT and BACK show, as "NB", "N-", "-B" or "--".
    QString buttons() const {
        return QString(pages()->nextShown() ? 'N' : '-') + (pages()->backShown() ? 'B' : '-');
    }
    bool blank(int position) const {
        return pages()->picture(position)->picture().toImage() == Form45::blankPicture().toImage();
    }
    QMenu* rightClick(int position) {
        QTest::mouseClick(pages()->picture(position), Qt::RightButton, {}, QPoint(20, 20));
        for (QMenu* m : pages()->findChildren<QMenu*>()) {
            if (m->isVisible()) {
                return m;
            }
        }
        return nullptr;
    }

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        for (int i = 0; i < 10; ++i) {
            f->addPlant(QString::fromUtf8(Plants[i][0]), QString::fromUtf8(Plants[i][1]),
                        i < 4 ? "03" : "02");
        }
        f->state.PlantCode[1][29] = U'3';
        registerBrowseCommands(*f->app);
        QVERIFY(writePicture(f->here("ｽﾐﾚ.BMP"), 150, 120, Qt::blue, "BMP"));
        QVERIFY(writePi(f->inData("ﾀﾝﾎﾟﾎﾟ.Pi"), 120, 80));
        // The long name is pictured by its first eight characters; the
        // current folder comes before the data folder.
        QVERIFY(writePicture(f->here("ﾅｶﾞﾊﾞﾉﾀﾁ.JPG"), 64, 48, Qt::yellow, "JPEG"));
        QVERIFY(writePicture(f->inData("ﾅｶﾞﾊﾞﾉﾀﾁ.BMP"), 30, 30, Qt::red, "BMP"));
        QVERIFY(writeBytes(f->here("ﾊｺﾍﾞ.GIF"), "GIF89a broken"));
        QVERIFY(writePicture(f->here("ｽﾐﾚQ.BMP"), 300, 200, Qt::darkGreen, "BMP"));
    }
    void cleanup() {
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
    }

    void controlsKeepTheirNamesAndEveryTextShows() {
        search("MENU45", '0');
        QVERIFY(QTest::qWaitForWindowExposed(pages()));
        // Each control is of its kind, on the pages window itself, with the
        // text a person reads (a screen reader too).
        const struct {
            const char* name;
            const char* kind;
            QString shows;
        } controls[] = {
            {"Label1", "QLabel", caption(1)},
            {"Label2", "QLabel", caption(2)},
            {"Label3", "QLabel", caption(3)},
            {"Image1", "kuyu::gui::PagePicture", caption(1)},
            {"Image2", "kuyu::gui::PagePicture", caption(2)},
            {"Image3", "kuyu::gui::PagePicture", caption(3)},
            {"Command1", "QPushButton", "NEXT"},
            {"Command2", "QPushButton", "BACK"},
            {"Command3", "QPushButton", "終了"},
            {"Command4", "QPushButton", "UP1"},
            {"Command5", "QPushButton", "UP2"},
            {"Command6", "QPushButton", "UP3"},
        };
        for (const auto& c : controls) {
            auto* w = child<QWidget>(c.name);
            QVERIFY2(w->inherits(c.kind), c.name);
            QVERIFY2(w->parentWidget() == pages(), c.name);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a, c.name);
            QCOMPARE(a->text(QAccessible::Name), c.shows);
        }
        QCOMPARE(pages()->picture(2)->accessibleName(), caption(2));
        QCOMPARE(pages()->findChildren<QMenu*>().size(), 16);
        // Design geometry, whole texts, and the window on the screen.
        QCOMPARE(pages()->picture(2)->geometry().left(), 213);
        QCOMPARE(pages()->picture(3)->size(), QSize(201, 341));
        for (QWidget* w : pages()->findChildren<QWidget*>()) {
            if (auto* l = qobject_cast<QLabel*>(w)) {
                QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
                QVERIFY(l->fontMetrics().height() <= l->height());
            }
            if (auto* b = qobject_cast<QPushButton*>(w)) {
                QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) < b->width());
            }
        }
        QVERIFY(pages()->screen()->availableGeometry().contains(pages()->frameGeometry()));
    }

    void nextAndBackWalkThePages() {
        search("MENU45", '0');
        struct Step {
            const char* press; // nullptr: as opened
            int page;
            const char* buttons;
            int firstPlant; // on the left; 0 for none
        };
        const Step walk[] = {
            {nullptr, 1, "N-", 1},     {"Command1", 2, "NB", 4}, {"Command1", 3, "NB", 7},
            {"Command1", 4, "-B", 10}, {"Command2", 3, "NB", 7}, {"Command2", 2, "NB", 4},
            {"Command2", 1, "N-", 1},
        };
        for (const Step& s : walk) {
            if (s.press) {
                button(s.press)->click();
            }
            QCOMPARE(pages()->page(), s.page);
            QCOMPARE(f->state.PageNumber, s.page);
            QCOMPARE(buttons(), QString::fromLatin1(s.buttons));
            QCOMPARE(pages()->labelText(1), caption(s.firstPlant));
            QCOMPARE(pages()->windowTitle(), qs(PageCaption(0, 10, s.page)));
        }
        // The last page: one plant, two blank positions with empty labels.
        for (int i = 0; i < 3; ++i) {
            button("Command1")->click();
        }
        QCOMPARE(labels(), (QStringList{caption(10), "", ""}));
        QVERIFY(blank(1) && blank(2) && blank(3));
        search("MENU45", '3');
        QCOMPARE(buttons(), QStringLiteral("N-"));
        button("Command1")->click();
        QCOMPARE(labels(), (QStringList{caption(4), "", ""}));
        QCOMPARE(buttons(), QStringLiteral("-B"));
        f->state.ResultCount = 2;
        f->state.PageNumber = 1;
        OpenResultPages(*f->app, 1);
        QCOMPARE(buttons(), QStringLiteral("--"));
        QCOMPARE(pages()->windowTitle(), qs(PageCaption(1, 2, 1)));
    }

    void picturesAreFoundOnceAndBlankedOtherwise() {
        search("MENU45", '3');
        // Natural size from the top-left; a Pi picture in the data folder on
        // the centre; the current folder's JPEG over the data folder's bitmap.
        QCOMPARE(pages()->picture(1)->picture().size(), QSize(150, 120));
        QCOMPARE(pages()->picture(2)->picture().size(), QSize(120, 80));
        QCOMPARE(pages()->picture(3)->picture().size(), QSize(64, 48));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // No picture, and a picture that cannot be read: blank, no message.
        button("Command1")->click();
        QVERIFY(blank(1));
        search("MENU45", '2');
        QCOMPARE(pages()->labelText(2), caption(6));
        QVERIFY(blank(2));
        QCOMPARE(pages()->windowTitle(), qs(PageCaption(0, 6, 1)));
        QCOMPARE(Form45::blankPicture().size(), QSize(200, 340));
        QCOMPARE(Form45::blankPicture().toImage().pixelColor(199, 339), QColor(240, 240, 240));
    }

    void eachPositionAndPageStateHasItsMenu() {
        search("MENU45", '0');
        struct Case {
            int clicks; // NEXT presses from page 1
            int position;
            const char* menu;
            const char* defaultItem;
        };
        const Case cases[] = {
            {0, 3, "MENU_45CB", "MENU454CB"},
            {1, 1, "MENU_45A", "MENU454A"},
            {3, 3, "MENU_45CBACK", "MENU45CB7"},
        };
        for (const Case& c : cases) {
            while (pages()->page() > 1) {
                button("Command2")->click();
            }
            for (int i = 0; i < c.clicks; ++i) {
                button("Command1")->click();
            }
            QMenu* menu = rightClick(c.position);
            QVERIFY2(menu, c.menu);
            QCOMPARE(menu->objectName(), QString::fromLatin1(c.menu));
            QCOMPARE(menu->defaultAction()->objectName(), QString::fromLatin1(c.defaultItem));
            menu->hide();
        }
        // The last page's BACK item on an empty position goes back.
        requireChild<QAction>(pages(), "MENU45CB2")->trigger();
        QCOMPARE(pages()->page(), 3);
        // Items of a plant act on that plant; a disabled BACK does nothing.
        requireChild<QAction>(pages(), "MENU455B")->trigger();
        QVERIFY(features() && features()->isVisible());
        QCOMPARE(features()->windowTitle(), QString::fromUtf8(Plants[7][0]));
        f->fakes.messages->expect("画像表示", "画像ファイルがみつかりません");
        requireChild<QAction>(pages(), "MENU455CP")->trigger();
        QCOMPARE(f->state.NameKey, Text(U"ｶﾀﾊﾞﾐ"));
        QCOMPARE(f->app->loaded<Form42>()->windowTitle(), caption(9).trimmed());
        requireChild<QAction>(pages(), "MENU457AC")->trigger();
        f->flush();
        QVERIFY(!pages());
    }

    void keysTurnPagesAndShowFeaturesFromAnyControl() {
        search("MENU45", '0');
        QWidget* up2 = button("Command5");
        QTest::keyClick(up2, Qt::Key_PageUp); // first page: nothing
        QCOMPARE(pages()->page(), 1);
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(up2, Qt::Key_PageDown); // stops at the last page
        }
        QCOMPARE(pages()->page(), 4);
        QTest::keyClick(pages()->picture(1), '3'); // an empty position: nothing
        QVERIFY(!features());
        QTest::keyClick(button("Command3"), '1');
        QVERIFY(features() && features()->isVisible());
        QCOMPARE(f->state.NameKey, Text(U"ﾄﾞｸﾀﾞﾐ"));
        QTest::keyClick(pages(), Qt::Key_PageUp);
        QCOMPARE(pages()->page(), 3);
        QTest::keyClick(button("Command3"), Qt::Key_Escape);
        f->flush();
        QVERIFY(!pages());
    }

    void featureViewShowsThePlantAndClosesWithThePages() {
        search("MENU45", '3');
        QTest::mouseClick(child<QLabel>("Label1"), Qt::LeftButton);
        QVERIFY(features()->isVisible());
        QCOMPARE(features()->windowTitle(), QStringLiteral("ｽﾐﾚ"));
        QCOMPARE(features()->feature(0)->lines(),
                 QStringList{"  " + qs(f->state.OptionLabel[1][3])});
        QCOMPARE(features()->feature(0)->lineColor(0), QColor(192, 0, 192));
        QCOMPARE(features()->classification()->text(), qs(f->state.OptionLabel[11][3]));
        // A plant without a classification leaves the last one; the long
        // name is found by its first eight characters.
        QTest::mouseClick(child<QLabel>("Label3"), Qt::LeftButton);
        QCOMPARE(features()->windowTitle(), QStringLiteral("ﾅｶﾞﾊﾞﾉﾀﾁﾂﾎﾞｽﾐﾚ"));
        QCOMPARE(features()->classification()->text(), qs(f->state.OptionLabel[11][3]));
        // A page change leaves it; closing the pages closes it.
        button("Command1")->click();
        QCOMPARE(features()->windowTitle(), QStringLiteral("ﾅｶﾞﾊﾞﾉﾀﾁﾂﾎﾞｽﾐﾚ"));
        pages()->close();
        f->flush();
        QVERIFY(!pages() && !features());
        // Its own menu closes it alone.
        search("MENU45", '3');
        QTest::keyClick(pages(), '2');
        QTest::mouseClick(features()->feature(4), Qt::RightButton);
        QCOMPARE(features()->popupMenu()->defaultAction()->objectName(),
                 QStringLiteral("MENU461A"));
        features()->popupMenu()->hide();
        // A right click on the window itself pops the same menu up.
        QVERIFY(!features()->childAt(2, 2));
        QTest::mouseClick(features(), Qt::RightButton, {}, QPoint(2, 2));
        QTRY_VERIFY(features()->popupMenu()->isVisible());
        features()->popupMenu()->hide();
        features()->popupMenu()->defaultAction()->trigger();
        f->flush();
        QVERIFY(!features() && pages()->isVisible());
    }

    void closeUpSizesFromThePicturesAndSaysWhatIsMissing() {
        search("MENU45", '3');
        button("Command4")->click();
        auto* up = f->app->loaded<Form43>();
        QVERIFY(up && up->isVisible());
        QCOMPARE(up->windowTitle(), caption(1));
        QCOMPARE(up->image()->size(), QSize(300, 200)); // natural size while closed
        QCOMPARE(up->width(), 300 + 8);
        QCOMPARE(f->state.NameKey, Text(U"ｽﾐﾚ"));
        // While open it keeps its width and takes the picture's proportions.
        up->resize(158, 100);
        QVERIFY(writePicture(f->inData("ﾀﾝﾎﾟﾎﾟQ.jpg"), 100, 100, Qt::red, "JPEG"));
        button("Command5")->click();
        QCOMPARE(up->width(), 158);
        QCOMPARE(up->image()->size(), QSize(150, 150));
        QCOMPARE(up->windowTitle(), caption(2));
        // The long name's close-up goes by seven characters.
        f->fakes.messages->expect("ＵＰ画像表示", "画像ファイルがありません");
        button("Command6")->click();
        QCOMPARE(f->state.NameKey, Text(U"ﾅｶﾞﾊﾞﾉﾀ"));
        QCOMPARE(up->windowTitle(), caption(2));
        // A broken close-up is said so; an empty position has none to show.
        QVERIFY(writeBytes(f->here("ｱｶﾈQ.GIF"), "GIF89a broken"));
        button("Command1")->click();
        f->fakes.messages->expect("エラーメッセージ", "エラー番号481のエラーです");
        button("Command4")->click();
        QCOMPARE(up->windowTitle(), caption(2));
        f->fakes.messages->expect("ＵＰ画像表示", "画像ファイルがありません");
        button("Command6")->click();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // "Shown again" means brought up: a minimised window that is refilled
    // was left minimised.
    void windowsShownAgainComeBackFromMinimised() {
        search("MENU45", '3');
        QVERIFY(writePicture(f->here("ﾀﾝﾎﾟﾎﾟQ.BMP"), 50, 50, Qt::red, "BMP"));
        const struct {
            const char* what;
            std::function<void()> show;
            std::function<QWidget*()> window;
        } cases[] = {
            {"pages", [this] { search("MENU45", '3'); }, [this] { return pages(); }},
            {"feature view", [this] { QTest::mouseClick(child<QLabel>("Label1"), Qt::LeftButton); },
             [this] { return features(); }},
            {"close-up", [this] { button("Command4")->click(); },
             [this] { return f->app->loaded<Form43>(); }},
            {"plant window",
             [this] {
                 QTest::mouseDClick(pages()->picture(1), Qt::LeftButton, {}, QPoint(20, 20));
             },
             [this] { return f->app->loaded<Form42>(); }},
        };
        for (const auto& c : cases) {
            c.show();
            QWidget* w = c.window();
            QVERIFY2(w && w->isVisible(), c.what);
            w->showMinimized();
            QVERIFY2(w->isMinimized(), c.what);
            c.show();
            QVERIFY2(c.window() == w && w->isVisible() && !w->isMinimized(), c.what);
        }
    }

    // Enter on NEXT turned the last page and then, NEXT gone, fell on UP1
    // and opened a close-up; BACK on the first page the same way on NEXT.
    void enterOnAPageButtonThatGoesLeavesTheFocusOnClose() {
        search("MENU45", '0');
        pages()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pages()));
        button("Command1")->setFocus();
        for (int page = 2; page <= 4; ++page) {
            QTest::keyClick(pages()->focusWidget(), Qt::Key_Return);
            QCOMPARE(pages()->page(), page);
        }
        QCOMPARE(pages()->focusWidget(), button("Command3"));
        button("Command2")->setFocus();
        for (int page = 3; page >= 1; --page) {
            QTest::keyClick(pages()->focusWidget(), Qt::Key_Return);
            QCOMPARE(pages()->page(), page);
        }
        QCOMPARE(pages()->focusWidget(), button("Command3"));
        QTest::keyClick(pages()->focusWidget(), Qt::Key_Return);
        f->flush();
        QVERIFY(!pages());
        QVERIFY(!f->app->loaded<Form43>());
    }

    // A long name: the feature view widens for it, within the screen; a
    // page label shrinks its face only to a legible size and gives the
    // whole caption as its tool tip.
    void longNamesStayReadable() {
        const QString longName = QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉ");
        f->addPlant(longName, QStringLiteral("ｷﾝﾎﾟｳｹﾞ"), "04");
        f->addPlant(longName.repeated(12), QStringLiteral("ｷﾝﾎﾟｳｹﾞ"), "05");
        search("MENU45", '4');
        QLabel* label = child<QLabel>("Label1");
        QCOMPARE(label->text(), QStringLiteral("  ") + longName + QStringLiteral(" (ｷﾝﾎﾟｳｹﾞ)科"));
        QVERIFY2(label->font().pointSizeF() >= 9,
                 qPrintable(QString::number(label->font().pointSizeF())));
        QCOMPARE(label->toolTip(), label->text());
        search("MENU45", '3');
        QCOMPARE(child<QLabel>("Label1")->font().pointSizeF(), 12.0);
        QCOMPARE(child<QLabel>("Label1")->toolTip(), QString());

        const QRect area = pages()->screen()->availableGeometry();
        QFont bold = QApplication::font();
        bold.setBold(true);
        for (const QString& name :
             {QStringLiteral("ﾅｶﾞﾊﾞﾉﾀﾁﾂﾎﾞｽﾐﾚ"), longName, longName.repeated(12)}) {
            f->state.NameKey = ts(name.left(8));
            ShowPlantFeatures(*f->app);
            QCOMPARE(features()->windowTitle(), name == longName ? longName.repeated(12) : name);
            const int titleWidth = QFontMetrics(bold).horizontalAdvance(features()->windowTitle());
            QVERIFY2(features()->width() >= std::min(titleWidth, area.width() - 40),
                     qPrintable(name));
            QVERIFY2(area.contains(features()->frameGeometry()), qPrintable(name));
        }
    }

    void laterSearchesLeaveThePagesAlone() {
        search("MENU46", '0');
        button("Command1")->click();
        const QString title = pages()->windowTitle();
        // A search with no result is reported and changes nothing here.
        f->fakes.messages->expect("図示検索", "該当する植物はありません");
        search("MENU45", '1');
        QCOMPARE(pages()->windowTitle(), title);
        QCOMPARE(buttons(), QStringLiteral("NB"));
        QCOMPARE(pages()->labelText(1), caption(4));
        // Nor does a search elsewhere or a family's list: NEXT pages on
        // through the list the pages opened with, under their own title.
        f->state.SelectionCode[0] = U'3';
        std::int16_t mode = 0;
        SearchPlants(f->state, mode, Text());
        f->state.PageNumber = 1;
        button("Command1")->click();
        QCOMPARE(pages()->labelText(1), caption(7));
        QCOMPARE(pages()->windowTitle(), qs(PageCaption(2, 10, 3)));
        // The family window's 科 on a family without plants: the same.
        f->app->registerCommand(cmd::Menu51, [this] {
            auto& families = f->app->load<FamilySearch>();
            families.listFamilies(0);
            families.show();
        });
        QVERIFY(f->app->run(cmd::Menu51));
        auto* list1 = requireChild<QListWidget>(f->app->loaded<FamilySearch>(), "List1");
        list1->setCurrentRow(2);
        f->state.PlantFamily[4] = U"ｿﾉﾀ";
        f->fakes.messages->expect("図示検索", "該当する植物はありません");
        requireChild<QPushButton>(f->app->loaded<FamilySearch>(), "Command2")->click();
        QCOMPARE(buttons(), QStringLiteral("NB"));
        QCOMPARE(pages()->page(), 3);
        // And a family with plants opens its pages in place.
        list1->setCurrentRow(1);
        requireChild<QPushButton>(f->app->loaded<FamilySearch>(), "Command2")->click();
        QCOMPARE(labels(), (QStringList{caption(2), caption(7), ""}));
        QCOMPARE(buttons(), QStringLiteral("--"));
    }

    void sampleDataShowsTheVioletsPictures() {
        QVERIFY(QFile::remove(f->here("ｽﾐﾚ.BMP"))); // the sample's own picture, please
        const QString sample = QStringLiteral(KUYU_SOURCE_DIR "/data/sample/KUYU.DAT");
        AppState state;
        QVERIFY(!InitialiseState(state, ts(sample)));
        App app(state, f->fakes.platform);
        registerBrowseCommands(app);
        state.SelectionCode.replace(0, 10, U"3505040000");
        QVERIFY(app.run(cmd::Menu45));
        auto* violets = app.loaded<Form45>();
        QVERIFY(violets && violets->isVisible());
        QCOMPARE(violets->labelText(1), QStringLiteral("  ｽﾐﾚ (ｽﾐﾚ)科"));
        QCOMPARE(violets->picture(1)->picture().size(), QSize(200, 340));
        QVERIFY(violets->picture(1)->picture().toImage() != Form45::blankPicture().toImage());
        // The AI search's fourth violet is a Pi picture.
        QVERIFY(app.run(cmd::Menu46));
        requireChild<QPushButton>(violets, "Command1")->click();
        QCOMPARE(violets->labelText(1), QStringLiteral("* ﾂﾎﾞｽﾐﾚ (ｽﾐﾚ)科"));
        QVERIFY(violets->picture(1)->picture().toImage() != Form45::blankPicture().toImage());
        app.unloadAll();
        f->flush();
    }
};

QTEST_MAIN(ResultPagesTest)
#include "ResultPagesTest.moc"
