// SPDX-License-Identifier: GPL-3.0-or-later
// The search panel as a person uses it: conditions, the three search modes,
// the name box, clearing, the pickers behind the characteristic buttons and
// opening a plant from the list.

#include "FinderFixture.h"

#include "core/search/Search.h"
#include "gui/finders/FamilySearch.h"
#include "gui/finders/NameSearchWindows.h"
#include "gui/finders/SearchPanel.h"
#include "gui/widgets/PrintBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

const QString NoticeTitle = QStringLiteral("メッセージ");
const QString ErrorMessage = QStringLiteral("エラーメッセージ");

// 花の色 = 赤系, 花弁数 = 5枚, ｵｼﾍﾞ数 = 1本.
void chooseThreeConditions(AppState& s) {
    s.SelectionCode = U"1500100000" + Text(20, U' ');
    s.CategoryChosen = {};
    s.CategoryChosen[1] = s.CategoryChosen[2] = s.CategoryChosen[5] = true;
}

QString countLine(int n) {
    return QStringLiteral("  以上  ") + " " + QString::number(n) + " " +
           QStringLiteral(" 種類 です");
}

} // namespace

class SearchPanelTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FinderFixture> f;

    SearchPanel* panel() const { return f->app->loaded<SearchPanel>(); }
    template <class T> T* child(const char* name) const {
        return requireChild<T>(panel(), QString::fromLatin1(name));
    }
    QListWidget* list() const { return child<QListWidget>("List1"); }
    PrintBox* box(const char* name) const { return child<PrintBox>(name); }
    QStringList lines() const { return listLines(list()); }
    void typeName(const QString& name) {
        child<QLineEdit>("Text1")->setText(name);
        child<QPushButton>("Command14")->click();
    }
    bool pictureShown() const {
        QWidget* w = f->app->window(QStringLiteral("Form42"));
        return w && w->isVisible();
    }
    QWidget* picker() const { return f->app->window(QStringLiteral("Form11")); }
    QPushButton* pickerButton(int n) const {
        return requireChild<QPushButton>(picker(), QStringLiteral("Command%1").arg(n));
    }

  private slots:
    void init() { f = std::make_unique<FinderFixture>(); }
    void cleanup() {
        const QStringList failures = f->fakes.messages->failures();
        f.reset();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void controlsKeepTheirNames() {
        QVERIFY(f->app->run(cmd::Menu41));
        QCOMPARE(panel()->objectName(), QStringLiteral("Form41"));
        for (int i = 1; i <= 14; ++i) {
            QVERIFY2(panel()->findChild<QPushButton*>(QStringLiteral("Command%1").arg(i)),
                     qPrintable(QString::number(i)));
        }
        for (int i = 0; i < 10; ++i) {
            QVERIFY(panel()->findChild<PrintBox*>(QStringLiteral("TOK%1").arg(i)));
        }
        for (const char* name : {"Label1", "Label2", "Label3", "Label11"}) {
            QVERIFY2(child<QLabel>(name), name);
        }
        QVERIFY(child<QLineEdit>("Text1"));
        QVERIFY(list());
        QVERIFY(box("Picture11"));
        for (const char* name : {"MENU_41", "MENU_41A"}) {
            QVERIFY2(child<QMenu>(name), name);
        }
        for (const char* name :
             {"MENU411", "MENU413", "MENU414", "MENU411A", "MENU413A", "MENU414A"}) {
            QVERIFY2(child<QAction>(name), name);
        }
        QCOMPARE(child<QPushButton>("Command5")->text(), QStringLiteral("ｵｼﾍﾞ数"));
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("(半角ｶﾀｶﾅで)"));
    }

    void threeConditionSearchInEachMode_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("plain") << "MENU41"
                               << "検索" << 0
                               << QStringList{resultLine(" ", 1, "ﾉｲﾊﾞﾗ", "バラ"),
                                              resultLine(" ", 2, "ｽﾐﾚﾓﾄﾞｷ", "スミレモドキ")};
        QTest::newRow("fuzzy") << "MENU43"
                               << "ﾌｧｼﾞｨ－検索" << 1
                               << QStringList{resultLine(" ", 1, "ﾉｲﾊﾞﾗ", "バラ"),
                                              resultLine("*", 2, "ﾍﾋﾞｲﾁｺﾞ", "バラ"),
                                              resultLine("*", 3, "ｽﾐﾚ", "スミレ"),
                                              resultLine(" ", 4, "ｽﾐﾚﾓﾄﾞｷ", "スミレモドキ")};
        QTest::newRow("AI") << "MENU42"
                            << "ＡＩ検索" << 2
                            << QStringList{resultLine(" ", 1, "ﾉｲﾊﾞﾗ", "バラ"),
                                           resultLine("*", 2, "ﾍﾋﾞｲﾁｺﾞ", "バラ"),
                                           resultLine(" ", 3, "ｽﾐﾚﾓﾄﾞｷ", "スミレモドキ")};
    }
    void threeConditionSearchInEachMode() {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        QFETCH(int, mode);
        QFETCH(QStringList, expected);
        chooseThreeConditions(*f->state);
        f->state->SearchMode = -1;

        QVERIFY(f->app->run(menuCommand(command)));
        QVERIFY(panel()->isVisible());
        QCOMPARE(panel()->windowTitle(), caption);
        QCOMPARE(f->state->SearchMode, mode);
        QCOMPARE(lines(), expected);
        QCOMPARE(box("Picture11")->lines(), QStringList{countLine(int(expected.size()))});
        QCOMPARE(box("Picture11")->lineColor(0), QColor(0, 0, 128));
        QCOMPARE(box("TOK0")->lines(), QStringList{QStringLiteral("  赤系")});
        QCOMPARE(box("TOK1")->lines(), QStringList{QStringLiteral("  5枚")});
        QCOMPARE(box("TOK4")->lines(), QStringList{QStringLiteral("  1本")});
        QCOMPARE(box("TOK9")->lines(), QStringList{QStringLiteral("  ")});

        // Searching again clears the boxes first instead of printing below.
        QVERIFY(f->app->run(menuCommand(command)));
        QCOMPARE(box("Picture11")->lines().size(), 1);
        QCOMPARE(box("TOK0")->lines().size(), 1);
    }

    void noMatchShowsTheRedLine() {
        chooseThreeConditions(*f->state);
        QVERIFY(f->app->run(cmd::Menu41));
        typeName(QStringLiteral("ｶﾞｶﾞｶﾞ"));
        QVERIFY(lines().isEmpty());
        QCOMPARE(box("Picture11")->lines(),
                 QStringList{QStringLiteral("    該当する植物はありません")});
        QCOMPARE(box("Picture11")->lineColor(0), QColor(128, 0, 0));
        // The conditions are still shown.
        QCOMPARE(box("TOK0")->lines(), QStringList{QStringLiteral("  赤系")});
    }

    void nameBoxRestrictsBySubstringOfNamesAndAliases() {
        QVERIFY(f->app->run(cmd::Menu41));
        QCOMPARE(lines().size(), 7);
        // Enter in the name box presses 確認.
        auto* text1 = child<QLineEdit>("Text1");
        text1->setText(QStringLiteral("ｽﾐﾚ"));
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(lines(), (QStringList{resultLine(" ", 1, "ﾉｲﾊﾞﾗ", "バラ"),
                                       resultLine(" ", 2, "ｽﾐﾚ", "スミレ"),
                                       resultLine(" ", 3, "ﾀﾁﾂﾎﾞｽﾐﾚﾓﾄﾞｷﾉﾅｶﾏ", "スミレ"),
                                       resultLine(" ", 4, "ｽﾐﾚﾓﾄﾞｷ", "スミレモドキ"),
                                       resultLine(" ", 5, "ﾏﾙﾊﾞ/ｽﾐﾚ", "スミレ")}));
        // The box keeps its text, so the next menu search is restricted too.
        QVERIFY(f->app->run(cmd::Menu43));
        QCOMPARE(lines().size(), 5);
        // Emptied and confirmed: no restriction.
        typeName(QString());
        QCOMPARE(lines().size(), 7);
        // Other searches read the box only while the panel is loaded.
        child<QLineEdit>("Text1")->setText(QStringLiteral("ﾊﾞﾗ"));
        QCOMPARE(SearchPanelNameBox(*f->app), Text(U"ﾊﾞﾗ"));
        child<QPushButton>("Command11")->click();
        QCOMPARE(SearchPanelNameBox(*f->app), Text());
    }

    void onlyHalfWidthKatakanaPasses_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("half-width katakana") << "ｽﾐﾚ" << true;
        QTest::newRow("prolonged sound mark alone") << "ｰ" << true;
        QTest::newRow("voiced mark alone") << "ﾞ" << true;
        QTest::newRow("semi-voiced mark alone") << "ﾟ" << true;
        QTest::newRow("small kana") << "ｧ" << true;
        QTest::newRow("hiragana") << "すみれ" << false;
        QTest::newRow("full-width katakana") << "スミレ" << false;
        QTest::newRow("trailing blank") << "ｽﾐﾚ " << false;
        QTest::newRow("digit") << "ｽﾐﾚ2" << false;
        QTest::newRow("Latin letter") << "ｽﾐﾚA" << false;
        QTest::newRow("half-width corner brackets") << "｢ｽﾐﾚ｣" << false;
        QTest::newRow("middle dot") << "･" << false;
        QTest::newRow("ideographic comma") << "､" << false;
    }
    void onlyHalfWidthKatakanaPasses() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        chooseThreeConditions(*f->state);
        QVERIFY(f->app->run(cmd::Menu43));
        const QStringList before = lines();
        f->state->SearchMode = 0; // a search that runs would show the plain result
        if (!accepted) {
            f->fakes.messages->expect(NoticeTitle,
                                      QStringLiteral("半角ｶﾀｶﾅで植物名を入力してください"));
        }
        typeName(typed);
        QVERIFY(f->fakes.messages->verify());
        if (accepted) {
            QCOMPARE(child<QLineEdit>("Text1")->text(), typed);
            QCOMPARE(panel()->windowTitle(), QStringLiteral("検索"));
        } else {
            QCOMPARE(child<QLineEdit>("Text1")->text(), QString());
            QCOMPARE(lines(), before);
            QCOMPARE(panel()->windowTitle(), QStringLiteral("ﾌｧｼﾞｨ－検索"));
        }
    }

    void clearingAsksFirst() {
        chooseThreeConditions(*f->state);
        QWidget main;
        auto* menu11 = new QAction(QStringLiteral("花の色"), &main);
        menu11->setObjectName(QStringLiteral("MENU11"));
        menu11->setCheckable(true);
        menu11->setChecked(true);
        f->app->setMainWindow(&main);
        // The stand-in answers conditionsChanged as the main window does.
        QObject::connect(f->app.get(), &App::conditionsChanged, menu11,
                         [&] { menu11->setChecked(f->state->CategoryChosen[1]); });
        QVERIFY(f->app->run(cmd::Menu42));
        child<QLineEdit>("Text1")->setText(QStringLiteral("ﾊﾞﾗ"));
        const QStringList before = lines();

        const QString title = QStringLiteral("検索条件解除");
        const QString question = QStringLiteral("      検索条件を初期化します");
        f->fakes.messages->expect(title, question, Answer::No);
        child<QPushButton>("Command12")->click();
        QCOMPARE(f->state->SelectionCode, U"1500100000" + Text(20, U' '));
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("ﾊﾞﾗ"));
        QCOMPARE(lines(), before);
        QVERIFY(menu11->isChecked());

        f->fakes.messages->expect(title, question, Answer::Yes);
        child<QPushButton>("Command12")->click();
        QCOMPARE(f->state->SelectionCode, emptySelectionCode());
        QVERIFY(!f->state->CategoryChosen[1]);
        QVERIFY(!menu11->isChecked());
        QCOMPARE(child<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(panel()->windowTitle(), QStringLiteral("ＡＩ検索"));
        QCOMPARE(lines().size(), 7);
        QCOMPARE(box("TOK0")->lines(), QStringList{QStringLiteral("  ")});
        f->app->unloadAll();
        f->app->setMainWindow(nullptr);
    }

    void displayBoxesOpenTheirPicker() {
        QVERIFY(f->app->run(cmd::Menu41));
        box("TOK7")->show();
        QTest::mouseClick(box("TOK7"), Qt::LeftButton);
        QVERIFY(picker());
        QVERIFY(picker()->isVisible());
        QCOMPARE(f->state->CurrentCategory, 8);
        QCOMPARE(f->state->OptionCount, 3);
        QVERIFY(picker()->windowTitle().startsWith(QStringLiteral("葉脈  (")));
        for (int k = 4; k <= 8; ++k) {
            QVERIFY2(pickerButton(k)->isHidden(), qPrintable(QString::number(k)));
        }

        QTest::mouseClick(box("TOK0"), Qt::LeftButton);
        QCOMPARE(f->state->CurrentCategory, 1);
        QCOMPARE(f->state->OptionCount, 6);
        for (int k = 4; k <= 6; ++k) {
            QVERIFY(!pickerButton(k)->isHidden());
        }
        QVERIFY(pickerButton(7)->isHidden());
        QVERIFY(pickerButton(8)->isHidden());
    }

    void illustrationProblemsUseThePanelsWords() {
        QVERIFY(f->app->run(cmd::Menu41));
        // Missing: told, and no picker.
        QFile::remove(f->path("IRO.BMP"));
        f->fakes.messages->expect(NoticeTitle, QStringLiteral("IROファイルがロードできません"));
        child<QPushButton>("Command1")->click();
        QVERIFY(f->fakes.messages->verify());
        QVERIFY(!picker() || !picker()->isVisible());

        // Present but unreadable: the error handler's own spelling, and the
        // picker still opens.
        QFile broken(f->path("HANAGATA.BMP"));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("not a picture");
        broken.close();
        f->fakes.messages->expect(ErrorMessage,
                                  QStringLiteral("HANAGATAファィルがロードできません"));
        child<QPushButton>("Command4")->click();
        QVERIFY(f->fakes.messages->verify());
        QVERIFY(picker() && picker()->isVisible());
        QCOMPARE(f->state->CurrentCategory, 4);
    }

    void confirmingInThePickerSearchesAgain() {
        QVERIFY(f->app->run(cmd::Menu43));
        QCOMPARE(lines().size(), 7);
        child<QPushButton>("Command1")->click();
        pickerButton(1)->click(); // 赤系
        pickerButton(9)->click(); // 確認
        QCOMPARE(f->state->SelectionCode.substr(0, 10), Text(U"1000000000"));
        QCOMPARE(panel()->windowTitle(), QStringLiteral("ファジィー検索"));
        QCOMPARE(f->state->SearchMode, 1);
        QCOMPARE(box("TOK0")->lines(), QStringList{QStringLiteral("  赤系")});
        QCOMPARE(box("Picture11")->lines().size(), 1);
        // With one condition every plant is within one disagreement.
        QCOMPARE(lines().size(), 7);
        QVERIFY(lines().at(1).startsWith('*'));
    }

    void closingByEscAndMenu() {
        QVERIFY(f->app->run(cmd::Menu41));
        QTest::keyClick(list(), Qt::Key_Escape);
        FinderFixture::settle();
        QVERIFY(!panel());

        QVERIFY(f->app->run(cmd::Menu41));
        child<QAction>("MENU414A")->trigger();
        FinderFixture::settle();
        QVERIFY(!panel());

        // The close box unloads too, so the name box starts empty again.
        QVERIFY(f->app->run(cmd::Menu41));
        child<QLineEdit>("Text1")->setText(QStringLiteral("ｽﾐﾚ"));
        panel()->close();
        QVERIFY(f->app->run(cmd::Menu41));
        QCOMPARE(child<QLineEdit>("Text1")->text(), QString());
    }

    void rightClickPopsTheMenuForTheSelection() {
        QVERIFY(f->app->run(cmd::Menu41));
        QVERIFY(QTest::qWaitForWindowExposed(panel()));
        auto* withLine = child<QMenu>("MENU_41");
        auto* withoutLine = child<QMenu>("MENU_41A");

        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(withoutLine->isVisible());
        QVERIFY(!withLine->isVisible());
        QVERIFY(!child<QAction>("MENU413A")->isEnabled());
        QCOMPARE(withoutLine->defaultAction(), nullptr);
        // The right click did not pick the line under the pointer.
        QVERIFY(list()->selectedItems().isEmpty());
        withoutLine->hide();

        list()->setCurrentRow(1);
        QTest::mouseClick(child<QLabel>("Label1"), Qt::RightButton);
        QVERIFY(withLine->isVisible());
        QCOMPARE(withLine->defaultAction(), child<QAction>("MENU413"));
        withLine->hide();
    }

    void keyPathWithoutAValidLineSkipsTheCaption() {
        QVERIFY(f->app->run(cmd::Menu43));
        // Nothing selected: NameKey is empty and nothing opens or fails.
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(f->state->NameKey, Text());
        QVERIFY(!pictureShown());
        // A line whose number names no row of the result captions: the
        // plant opens with its own caption, which is not blanked.
        QVERIFY(QFile::copy(f->path("IRO.BMP"), f->path(QStringLiteral("ﾉｲﾊﾞﾗ.BMP"))));
        for (int number : {0, 99}) {
            list()->addItem(resultLine(" ", number, "ﾉｲﾊﾞﾗ", "バラ"));
            list()->setCurrentRow(list()->count() - 1);
            QTest::keyClick(list(), Qt::Key_Space);
            QVERIFY(pictureShown());
            QCOMPARE(f->app->window(QStringLiteral("Form42"))->windowTitle(),
                     QStringLiteral("ﾉｲﾊﾞﾗ (バラ)科"));
        }
    }

    void aLineKeepsItsPlantsCaptionAfterTheRowsAreRewritten() {
        QVERIFY(QFile::copy(f->path("IRO.BMP"), f->path(QStringLiteral("ｽﾐﾚﾓﾄﾞｷ.BMP"))));
        chooseThreeConditions(*f->state);
        QVERIFY(f->app->run(cmd::Menu43));
        const int last = list()->count() - 1;
        QVERIFY(list()->item(last)->text().contains(QStringLiteral("ｽﾐﾚﾓﾄﾞｷ")));
        list()->setCurrentRow(last);
        // Another window (the registered-plant list, a family, a name
        // search) rewrites the result rows while the panel keeps its lines.
        std::int16_t all = search::ListAll;
        SearchPlants(*f->state, all, Text());
        QTest::keyClick(list(), Qt::Key_Return);
        QWidget* picture = f->app->window(QStringLiteral("Form42"));
        QVERIFY(picture);
        QCOMPARE(picture->windowTitle(), QStringLiteral("  ｽﾐﾚﾓﾄﾞｷ (スミレモドキ)科"));
    }

    void enterAndDoubleClickCaptions() {
        if (!QFile::copy(f->path("IRO.BMP"), f->path(QStringLiteral("ﾍﾋﾞｲﾁｺﾞ.BMP")))) {
            QFAIL("could not make the plant picture");
        }
        chooseThreeConditions(*f->state);
        QVERIFY(f->app->run(cmd::Menu43));
        QVERIFY(QTest::qWaitForWindowExposed(panel()));
        list()->setCurrentRow(1);

        QTest::keyClick(list(), Qt::Key_Return);
        QWidget* picture = f->app->window(QStringLiteral("Form42"));
        QVERIFY(picture);
        QCOMPARE(f->state->NameKey, Text(U"ﾍﾋﾞｲﾁｺﾞ"));
        QCOMPARE(picture->windowTitle(), QStringLiteral("* ﾍﾋﾞｲﾁｺﾞ (バラ)科"));

        const QRect r = list()->visualItemRect(list()->item(1));
        f->state->NameKey.clear();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, r.center());
        picture = f->app->window(QStringLiteral("Form42"));
        QVERIFY(picture);
        QCOMPARE(picture->windowTitle(), QStringLiteral("ﾍﾋﾞｲﾁｺﾞ (バラ)科"));
    }
    // A newcomer on the bundled sample data: conditions read off three
    // plants' pictures, each search mode, then the plant from the list.
    // With KUYU_SCREENSHOTS set, the windows are saved there as PNG files.
    void sampleWalkThrough() {
        const QString sample = QStringLiteral(KUYU_SOURCE_DIR "/data/sample");
        if (!QFile::exists(sample + "/KUYU.DAT")) {
            QSKIP("no sample data");
        }
        const QString shots = qEnvironmentVariable("KUYU_SCREENSHOTS");
        auto grab = [&](QWidget* w, const QString& file) {
            if (!shots.isEmpty() && w) {
                QDir().mkpath(shots);
                QVERIFY(w->grab().save(shots + "/" + file));
            }
        };
        f.reset();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(sample);
        AppState state;
        QVERIFY(!InitialiseState(state, ts(sample + "/KUYU.DAT")));
        FakePlatform fakes;
        App app(state, fakes.platform);
        registerSearchCommands(app);

        struct Plant {
            const char* tag;
            Text selection; // what the picture shows
            QString key;
        };
        const Plant plants[] = {
            // blue, five petals, leaves from the root, toothed
            {"sumire", U"3500042000", QStringLiteral("ｽﾐﾚ")},
            // yellow, many petals, a head, rosette of deeply cut leaves
            {"tanpopo", U"2740043000", QStringLiteral("ｾｲﾖｳﾀﾝﾎﾟﾎﾟ")},
            // red, opposite toothed leaves, square stem
            {"hotokenoza", U"1000022004", QStringLiteral("ﾎﾄｹﾉｻﾞ")},
        };
        for (const Plant& p : plants) {
            state.SelectionCode = p.selection + Text(20, U' ');
            for (const char* command : {"MENU41", "MENU43", "MENU42"}) {
                QVERIFY(app.run(menuCommand(command)));
                auto* panel = app.loaded<SearchPanel>();
                auto* list = requireChild<QListWidget>(panel, "List1");
                int row = -1;
                for (int i = 0; i < list->count() && row < 0; ++i) {
                    if (list->item(i)->text().mid(6, 18).trimmed() == p.key) {
                        row = i;
                    }
                }
                QVERIFY2(row >= 0, qPrintable(p.key + " not listed by " + command));
                grab(panel, QStringLiteral("%1-%2.png").arg(p.tag, command));
                list->setCurrentRow(row);
                QTest::keyClick(list, Qt::Key_Return);
                QWidget* picture = app.window(QStringLiteral("Form42"));
                QVERIFY(picture && picture->isVisible());
                QCOMPARE(picture->windowTitle(), qs(state.ResultCaption[row + 1]));
                QVERIFY(picture->windowTitle().contains(p.key));
            }
            grab(app.window(QStringLiteral("Form42")), QStringLiteral("%1-picture.png").arg(p.tag));
        }

        QVERIFY(app.run(cmd::Menu51));
        auto* families = requireChild<QListWidget>(app.loaded<FamilySearch>(), "List1");
        const auto shiso = families->findItems(QStringLiteral("ｼｿ"), Qt::MatchExactly);
        QCOMPARE(shiso.size(), 1);
        families->setCurrentItem(shiso.first());
        grab(app.loaded<FamilySearch>(), QStringLiteral("family.png"));

        QVERIFY(app.run(cmd::Menu54));
        auto* input = app.loaded<NameSearchInput>();
        requireChild<QLineEdit>(input, "Text1")->setText(QStringLiteral("ｽﾐﾚ"));
        requireChild<QCheckBox>(input, "Check1")->setChecked(true);
        requireChild<QPushButton>(input, "Command1")->click();
        QVERIFY(requireChild<QListWidget>(app.loaded<NameSearchList>(), "List1")->count() > 1);
        grab(app.loaded<NameSearchList>(), QStringLiteral("name-list.png"));

        const QStringList failures = fakes.messages->failures();
        app.unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        f = std::make_unique<FinderFixture>();
    }

    // The name box with ｵﾌﾟｼｮﾝ → かな入力を半角ｶﾀｶﾅに変換 off and on: on, the
    // input method's kana are made half-width and put back into the box, so
    // the search and every later menu search read the converted name.
    void kanaInputConversion_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("lines"); // -1: refused, the list as it was
        QTest::newRow("off: hiragana") << false << "すみれ"
                                       << "" << -1;
        QTest::newRow("off: half-width") << false << "ｽﾐﾚ"
                                         << "ｽﾐﾚ" << 5;
        QTest::newRow("on: hiragana") << true << "すみれ"
                                      << "ｽﾐﾚ" << 5;
        QTest::newRow("on: full-width") << true << "スミレ"
                                        << "ｽﾐﾚ" << 5;
        QTest::newRow("on: voiced kana") << true << "ばら"
                                         << "ﾊﾞﾗ" << 1;
        QTest::newRow("on: empty box") << true << ""
                                       << "" << 7;
        QTest::newRow("on: Latin letter") << true << "すみれa"
                                          << "" << -1;
        QTest::newRow("on: kanji") << true << "野茨"
                                   << "" << -1;
    }
    void kanaInputConversion() {
        QFETCH(bool, on);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, lines);
        f->fakes.settings->values.insert(QStringLiteral("KanaInputToHalfWidth"),
                                         {on ? QStringLiteral("1") : QStringLiteral("0")});
        QVERIFY(f->app->run(cmd::Menu41));
        QCOMPARE(this->lines().size(), 7);
        if (lines < 0) {
            f->fakes.messages->expect(NoticeTitle,
                                      QStringLiteral("半角ｶﾀｶﾅで植物名を入力してください"));
        }
        typeName(typed);
        QVERIFY(f->fakes.messages->verify());
        QCOMPARE(child<QLineEdit>("Text1")->text(), left);
        QCOMPARE(this->lines().size(), lines < 0 ? 7 : lines);
        if (lines >= 0) {
            QCOMPARE(SearchPanelNameBox(*f->app), ts(left));
        }
    }
};

QTEST_MAIN(SearchPanelTest)
#include "SearchPanelTest.moc"
