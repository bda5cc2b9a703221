// SPDX-License-Identifier: GPL-3.0-or-later
// The condition picker as a person uses it: menu commands open it, clicks on
// the illustration and keys pick, a second click or space confirms.

#include "PlantWindowsSupport.h"

#include "gui/app/Commands.h"
#include "gui/conditions/ConditionPicker.h"
#include "gui/conditions/Form11.h"
#include "gui/images/ImageBox.h"

#include <QPushButton>
#include <QtTest>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

// Points inside the illustration's grid, in pixels (15 twips each).
QPoint cell(int option) {
    const int columnX[4] = {1000, 3300, 5500, 7800}; // twips, mid-column
    const int col = (option - 1) % 4;
    const int rowY = option <= 4 ? 1300 : 4000;
    return {columnX[col] / 15, rowY / 15};
}

class Search41 : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form41";
    Search41(App&, QWidget* parent) : QWidget(parent) {}
};

} // namespace

class PickerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;
    int refreshes = 0;

    Form11* picker() { return f->app->loaded<Form11>(); }
    void clickCell(int option) {
        QTest::mouseClick(picker()->image(), Qt::LeftButton, {}, cell(option));
    }
    void key(char c) { QTest::keyClick(picker()->confirmButton(), c); }
    QString caption() { return picker()->windowTitle(); }

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        refreshes = 0;
        registerConditionCommands(*f->app);
        f->app->registerCommand(hook::SearchPanelRefresh, [this] { ++refreshes; });
        // Illustrations in the current folder: one per kind.
        QVERIFY(writePicture(f->here("IRO.BMP"), 600, 360, Qt::red, "BMP"));
        QVERIFY(writeBytes(f->here("YOUMYAKU.gif"), tinyGif()));
        QVERIFY(writePi(f->here("MAISUU.Pi"), 600, 360));
    }
    void cleanup() {
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
    }

    void controlsAreTheDesignNames() {
        f->app->run(cmd::Menu11);
        QVERIFY(picker());
        for (const char* name :
             {"Command1", "Command2", "Command3",  "Command4", "Command5", "Command6", "Command7",
              "Command8", "Command9", "Command10", "Image1",   "MENU_11",  "MENU_12",  "MENU111",
              "MENU112",  "MENU113",  "MENU114",   "MENU121",  "MENU122",  "MENU123",  "MENU124"}) {
            QVERIFY2(picker()->findChild<QObject*>(QString::fromLatin1(name)), name);
        }
        QCOMPARE(picker()->confirmButton()->text(), QStringLiteral("確認"));
        QCOMPARE(picker()->cancelButton()->text(), QStringLiteral("中止"));
    }

    void menuOpensCategoryAndNeverSearches() {
        f->state.SearchMode = 2;
        f->app->load<Search41>().show();
        f->app->run(cmd::Menu11);
        QVERIFY(picker() && picker()->isVisible());
        QVERIFY(!f->app->isLoaded("Form41"));
        QCOMPARE(f->state.SearchMode, std::int16_t(-1));
        QCOMPARE(f->state.CurrentCategory, std::int16_t(1));
        QCOMPARE(f->state.OptionCount, std::int16_t(6));
        QCOMPARE(caption(),
                 QStringLiteral("花の色  (わからない場合は無理をせずに不明を選んで下さい。）"));
        QVERIFY(picker()->optionButton(6)->isVisibleTo(picker()));
        QVERIFY(!picker()->optionButton(7)->isVisibleTo(picker()));
        QCOMPARE(picker()->image()->picture().size(), QSize(600, 360));

        clickCell(1); // pick on release
        QCOMPARE(f->state.CurrentOption, std::int16_t(1));
        QCOMPARE(caption(), QStringLiteral("花の色  1 番を選択します。"));
        QTest::mousePress(picker()->image(), Qt::LeftButton, {}, cell(1)); // second click confirms
        f->flush();
        QVERIFY(!picker());
        QCOMPARE(f->state.SelectionCode.substr(0, 10), U"1000000000");
        QVERIFY(f->state.CategoryChosen[1]);
        QVERIFY(f->menuItem("MENU11")->isChecked());
        QCOMPARE(refreshes, 0);
    }

    void venationHasThreeOptions() {
        f->state.SelectionCode[0] = U'4';
        f->app->run(cmd::Menu23);
        QCOMPARE(f->state.OptionCount, std::int16_t(3));
        QVERIFY(!picker()->optionButton(4)->isVisibleTo(picker()));
        // Out of range pictures and keys do nothing.
        for (int option : {4, 5, 8}) {
            clickCell(option);
            QCOMPARE(f->state.CurrentOption, std::int16_t(0));
        }
        for (char c : {'4', '8', 'a'}) {
            key(c);
            QCOMPARE(f->state.CurrentOption, std::int16_t(0));
        }
        // Gaps between pictures belong to no option.
        QTest::mouseClick(picker()->image(), Qt::LeftButton, {}, QPoint(2200 / 15, 1300 / 15));
        QCOMPARE(f->state.CurrentOption, std::int16_t(0));
        key('2');
        QCOMPARE(f->state.CurrentOption, std::int16_t(2));
        QCOMPARE(picker()->focusWidget(), picker()->optionButton(2));
        key(' ');
        f->flush();
        QVERIFY(!picker());
        QCOMPARE(f->state.SelectionCode.substr(0, 10), U"4000000200");
        QVERIFY(f->menuItem("MENU23")->isChecked());
        QVERIFY(!f->menuItem("MENU11")->isChecked()); // only the committed category is touched
    }

    void petalsEighthIsUnknown() {
        f->state.SelectionCode[1] = U'5';
        f->state.CategoryChosen[2] = true;
        f->menuItem("MENU12")->setChecked(true);
        f->app->run(cmd::Menu12); // a Pi illustration
        QCOMPARE(picker()->image()->picture().size(), QSize(600, 360));
        QCOMPARE(caption(), QStringLiteral("花弁数  現在 5 番が選択されています。"));
        QCOMPARE(picker()->focusWidget(), picker()->optionButton(5));
        clickCell(8);
        QCOMPARE(f->state.CurrentOption, std::int16_t(8));
        QCOMPARE(caption(), QStringLiteral("花弁数  8 番を選択します。"));
        picker()->confirmButton()->click();
        f->flush();
        QCOMPARE(f->state.SelectionCode[1], U'0');
        QVERIFY(!f->menuItem("MENU12")->isChecked());
    }

    void secondClickElsewhereOnlyMoves() {
        f->app->run(cmd::Menu11);
        clickCell(3);
        QTest::mousePress(picker()->image(), Qt::LeftButton, {}, cell(2));
        QVERIFY(picker()); // not confirmed
        QTest::mouseRelease(picker()->image(), Qt::LeftButton, {}, cell(2));
        QCOMPARE(f->state.CurrentOption, std::int16_t(2));
        QCOMPARE(f->state.SelectionCode[0], U'0');
        // Clicking a button picks without moving anything else.
        picker()->optionButton(5)->click();
        QCOMPARE(f->state.CurrentOption, std::int16_t(5));
        QCOMPARE(caption(), QStringLiteral("花の色  5 番を選択します。"));
    }

    void undoThenConfirmRemovesCondition() {
        f->state.SelectionCode[0] = U'3';
        f->state.CategoryChosen[1] = true;
        f->app->run(cmd::Menu11);
        QCOMPARE(caption(), QStringLiteral("花の色  現在 3 番が選択されています。"));
        QCOMPARE(f->state.CurrentOption, std::int16_t(3));
        QTest::mouseClick(picker()->image(), Qt::RightButton, {}, cell(3));
        QVERIFY(picker()->menuPicked()->isVisible());
        QCOMPARE(picker()->menuPicked()->defaultAction()->objectName(), QStringLiteral("MENU124"));
        picker()->menuPicked()->close();
        requireChild<QAction>(picker(), "MENU121")->trigger();
        QCOMPARE(f->state.CurrentOption, std::int16_t(0));
        QCOMPARE(caption(), QStringLiteral("花の色  現在 3 番が選択されています。"));
        QCOMPARE(picker()->focusWidget(), picker()->optionButton(3));
        picker()->confirmButton()->click();
        f->flush();
        QCOMPARE(f->state.SelectionCode[0], U'0');
        QVERIFY(!f->state.CategoryChosen[1]);
    }

    void nothingPickedMenuOnlyCancels() {
        f->app->run(cmd::Menu11);
        QTest::mouseClick(picker()->optionButton(2), Qt::RightButton);
        QVERIFY(picker()->menuNothingPicked()->isVisible());
        picker()->menuNothingPicked()->close();
        requireChild<QAction>(picker(), "MENU111")->trigger();
        requireChild<QAction>(picker(), "MENU114")->trigger();
        QVERIFY(picker() && picker()->isVisible());
        requireChild<QAction>(picker(), "MENU113")->trigger();
        f->flush();
        QVERIFY(!picker());
    }

    void cancelKeepsSelection() {
        f->state.SelectionCode[0] = U'2';
        f->state.SearchMode = 0;
        // As the search panel opens it.
        QVERIFY(!LoadIllustration(*f->app, 3)); // no KAJO file at all
        QVERIFY(LoadIllustration(*f->app, 1));
        f->state.CurrentCategory = 1;
        f->state.OptionCount = 6;
        ShowConditionPicker(*f->app);
        key('4');
        picker()->cancelButton()->click();
        f->flush();
        QCOMPARE(f->state.SelectionCode[0], U'2');
        QCOMPARE(refreshes, 0);
    }

    void commitFromSearchPanelSearchesAgain() {
        f->state.SearchMode = 1;
        f->state.CurrentCategory = 10;
        f->state.OptionCount = 6;
        QVERIFY(!LoadIllustration(*f->app, 10));
        ShowConditionPicker(*f->app);
        QCOMPARE(picker()->focusWidget(), picker()->confirmButton());
        key('3');
        key(' ');
        QCOMPARE(refreshes, 1);
        QCOMPARE(f->state.SelectionCode[9], U'3');
        QVERIFY(f->menuItem("MENU32")->isChecked());
    }

    void missingIllustrationOpensNoPicker() {
        f->fakes.messages->expect("メッセージ", "KAJOファイルがロードできません");
        f->app->run(cmd::Menu13);
        QVERIFY(!picker() || !picker()->isVisible());
        QCOMPARE(f->state.SearchMode, std::int16_t(-1));
    }

    void brokenIllustrationStillOpensPicker() {
        // A GIF name over bytes that are no picture: reported, then the picker
        // opens with what Image1 held.
        f->app->run(cmd::Menu11);
        picker()->cancelButton()->click();
        f->flush();
        QVERIFY(writeBytes(f->here("HAKEI.GIF"), "not a picture at all"));
        QVERIFY(writeBytes(f->here("OSIBE.Pi"), "Pi broken"));
        f->fakes.messages->expect("エラーメッセージ", "HAKEIファイルがロードできません");
        f->app->run(cmd::Menu22);
        QVERIFY(picker() && picker()->isVisible());
        QCOMPARE(f->state.CurrentCategory, std::int16_t(7));
        f->fakes.messages->expect("エラーメッセージ", "OSIBEファイルがロードできません");
        f->app->run(cmd::Menu15);
        QVERIFY(picker() && picker()->isVisible());
        QCOMPARE(f->state.OptionCount, std::int16_t(8));
        QVERIFY(picker()->optionButton(8)->isVisibleTo(picker()));
    }

    void aBrokenIllustrationNeverShowsAnotherCategorysPictures() {
        // The flower-colour picker is open when the leaf-shape illustration
        // fails to load: the picker must not offer the colours as leaf shapes.
        f->app->run(cmd::Menu11);
        QVERIFY(picker()->image()->hasPicture());
        QVERIFY(writeBytes(f->here("HAKEI.BMP"), "BM broken"));
        f->fakes.messages->expect("エラーメッセージ", "HAKEIファイルがロードできません");
        f->app->run(cmd::Menu22);
        QVERIFY(picker() && picker()->isVisible());
        QCOMPARE(f->state.CurrentCategory, std::int16_t(7));
        QVERIFY(!picker()->image()->hasPicture());
    }

    void clearAllConditionsAsksFirst() {
        f->state.SelectionCode[0] = U'1';
        f->state.CategoryChosen[1] = true;
        f->menuItem("MENU11")->setChecked(true);
        f->app->load<Search41>();
        const QString question = QStringLiteral("      検索条件を初期化します");
        f->fakes.messages->expect("検索条件解除", question, Answer::No);
        f->app->run(cmd::Menu4A);
        QCOMPARE(f->state.SelectionCode[0], U'1');
        QVERIFY(f->menuItem("MENU11")->isChecked());
        QVERIFY(f->app->isLoaded("Form41"));
        f->fakes.messages->expect("検索条件解除", question, Answer::Yes);
        f->app->run(cmd::Menu62);
        QCOMPARE(f->state.SelectionCode.substr(0, 10), U"0000000000");
        QVERIFY(!f->state.CategoryChosen[1]);
        QVERIFY(!f->menuItem("MENU11")->isChecked());
        QVERIFY(!f->app->isLoaded("Form41"));
    }
};

QTEST_MAIN(PickerTest)
#include "PickerTest.moc"
