// SPDX-License-Identifier: GPL-3.0-or-later
// The identification guide on the sample data, as a person uses it with the
// rest of the program: opened from the search menu, following commits from
// the picker and the search panel, committing and stepping back itself, the
// why-out and compare pages, and the picker's count badges.

#include "gui/guide/GuideWindow.h"

#include "TestSupport.h"
#include "core/conditions/Conditions.h"
#include "core/guide/Guide.h"
#include "core/guide/Ranking.h"
#include "core/state/CodeLetters.h"
#include "core/state/StartUpState.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/app/MainWindow.h"
#include "gui/conditions/Form11.h"
#include "gui/finders/SearchPanel.h"
#include "gui/guide/GuideSession.h"
#include "gui/guide/PickerBadges.h"
#include "gui/images/ImageBox.h"
#include "gui/platform/QtText.h"
#include "gui/platform/testing/FakePlatform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

struct SampleWorld {
    SampleWorld() : previous(QDir::currentPath()) {
        QDir::setCurrent(QStringLiteral(KUYU_SOURCE_DIR "/data/sample"));
        InitialiseState(state, ts(QStringLiteral("KUYU.DAT")));
        app = std::make_unique<App>(state, fakes.platform);
        registerAllCommands(*app);
        main = &ShowMainWindow(*app, 1215);
    }
    ~SampleWorld() {
        app->unloadAll();
        delete app->mainWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous);
    }
    QString previous;
    AppState state;
    FakePlatform fakes;
    std::unique_ptr<App> app;
    MDIForm1* main = nullptr;
};

// Pictures for the eye when KUYU_SCREENSHOT_DIR names a folder.
void snapshot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("KUYU_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        w->grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        // On a real (virtual) screen also the whole screen, frames included.
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            w->raise();
            QTest::qWait(400);
            w->screen()->grabWindow(0).save(dir + QLatin1Char('/') + QLatin1String(name) +
                                            QStringLiteral("-screen.png"));
        }
    }
}

const QString ClearQuestion = QStringLiteral("      検索条件を初期化します");

} // namespace

class GuideWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SampleWorld> w;

    GuideWindow* guide() { return w->app->loaded<GuideWindow>(); }
    QString countText() { return requireChild<QLabel>(guide(), "GuideCount")->text(); }
    QString digits() { return qs(w->state.SelectionCode.substr(0, 10)); }
    // What an input method hands the box when the person confirms a word.
    static void typeWithInputMethod(QWidget* box, const QString& word) {
        box->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(word);
        QCoreApplication::sendEvent(box, &commit);
    }
    void pickInPicker(int option) {
        auto* picker = w->app->loaded<Form11>();
        QVERIFY(picker);
        picker->optionButton(option)->click();
        picker->confirmButton()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The rows the core ranks first for the answers the guide holds now.
    QList<int> coreRanking(const Answers& answers, int n) {
        const GuideIndex guide(w->state);
        const Ranking r = RankPlants(RankIndex(guide), answers);
        QList<int> rows;
        for (int i = 0; i < n && i < int(r.candidates.size()); ++i) {
            rows << r.candidates[static_cast<std::size_t>(i)].row;
        }
        return rows;
    }
    Answers selectionAnswers() {
        Answers a;
        FollowSelection(a, w->state.SelectionCode);
        return a;
    }
    int rowOf(const char32_t* name) {
        for (int j = 1; j <= w->state.PlantCount; ++j) {
            if (w->state.name(j) == name) {
                return j;
            }
        }
        return 0;
    }
    // The option a person who sees plant `row` right presses in category k.
    int ownOption(int row, int k) {
        const PlantCode code(w->state.code(row));
        const CodeLetter letter = ReadCodeLetter(code.primary(k));
        const int last = Category(k).optionCount;
        return letter.digit >= 1 && letter.digit < last ? letter.digit : last;
    }
    bool settled() {
        return requireChild<QLabel>(guide(), "GuideSure")->property("settled").toBool();
    }

  private slots:
    void init() { w = std::make_unique<SampleWorld>(); }
    void cleanup() {
        QVERIFY2(w->fakes.messages->verify(), qPrintable(w->fakes.messages->failures().join('\n')));
        w.reset();
    }

    void opensModelessFromTheLastSearchMenuItem() {
        QAction* item = w->main->menuItem(QStringLiteral("MENU4B"));
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F12));
        item->trigger();
        QVERIFY(guide());
        QCOMPARE(guide()->windowTitle(), QStringLiteral("識別ガイド"));
        QVERIFY(guide()->isVisible() && !guide()->isModal());
        QCOMPARE(countText(), QStringLiteral("候補 220 種類（検索）"));
        QCOMPARE(guide()->pages()->count(), 4);
        // Every unset character is offered, best first.
        QCOMPARE(guide()->shownOrder().size(), 10);
        QVERIFY(!requireChild<QPushButton>(guide(), "GuideBack")->isEnabled());
        QVERIFY(guide()->frameGeometry().width() <= w->main->screen()->availableGeometry().width());
    }

    // A commit in the picker from the menu and one from the search panel
    // both reach the guide; its count is what the search lists.
    void followsCommitsFromThePickerAndTheSearchPanel() {
        OpenGuideWindow(*w->app);
        w->app->run(cmd::Menu11);
        pickInPicker(3);
        QCOMPARE(digits(), QStringLiteral("3000000000"));
        const int afterColour =
            CountRemaining(GuideIndex(w->state), {w->state.SelectionCode, 0, {}}).total;
        QCOMPARE(countText(), QStringLiteral("候補 %1 種類（検索）").arg(afterColour));

        w->app->run(cmd::Menu43); // fuzzy search into the panel
        QVERIFY(countText().endsWith(QStringLiteral("（ﾌｧｼﾞｨｰ検索）")));
        auto* panel = w->app->loaded<SearchPanel>();
        requireChild<QPushButton>(panel, "Command2")->click();
        pickInPicker(5);
        QCOMPARE(digits(), QStringLiteral("3500000000"));
        QCOMPARE(countText(),
                 QStringLiteral("候補 %1 種類（ﾌｧｼﾞｨｰ検索）").arg(w->state.ResultCount));
        QCOMPARE(requireChild<QLabel>(guide(), "GuideHistory")->text(),
                 QStringLiteral("条件の変更 2 回"));
    }

    // Pressing an option commits it as the picker would (selection, check
    // mark, the panel searched again); 戻る steps back over commits and a clear.
    void optionCommitsAndBackStepsBack() {
        w->app->run(cmd::Menu41);
        OpenGuideWindow(*w->app);
        const int best = guide()->shownOrder().first();
        QPushButton* option = guide()->optionButton(best, 1);
        QVERIFY(option);
        const int promised = option->text().section(QLatin1Char('\n'), 1).toInt();
        option->click();
        QCOMPARE(w->state.SelectionCode[static_cast<std::size_t>(best - 1)], U'1');
        QVERIFY(w->main->menuItem(QString::fromLatin1(Category(best).menuItem))->isChecked());
        QCOMPARE(int(w->state.ResultCount), promised);
        QVERIFY(!guide()->shownOrder().contains(best));

        w->fakes.messages->expect(QStringLiteral("検索条件解除"), ClearQuestion, Answer::Yes);
        w->app->run(cmd::Menu4A);
        QCOMPARE(digits(), QStringLiteral("0000000000"));
        auto* back = requireChild<QPushButton>(guide(), "GuideBack");
        back->click(); // before the clear
        QCOMPARE(w->state.SelectionCode[static_cast<std::size_t>(best - 1)], U'1');
        QVERIFY(w->main->menuItem(QString::fromLatin1(Category(best).menuItem))->isChecked());
        back->click(); // before the commit
        QCOMPARE(digits(), QStringLiteral("0000000000"));
        QVERIFY(!w->main->menuItem(QString::fromLatin1(Category(best).menuItem))->isChecked());
        QVERIFY(!back->isEnabled());
    }

    // 候補 shows the core's ranking after a commit from the picker, one from
    // the search panel and one from the guide, with the same rows.
    void candidatesFollowThePickerThePanelAndTheGuide() {
        OpenGuideWindow(*w->app);
        QCOMPARE(guide()->pages()->tabText(0), QStringLiteral("候補"));
        auto* list = requireChild<QListWidget>(guide(), "GuideCandidates");
        QCOMPARE(list->count(), 30);
        QCOMPARE(guide()->candidateRows(), coreRanking({}, 30));

        w->app->run(cmd::Menu11);
        pickInPicker(3);
        QCOMPARE(guide()->candidateRows(), coreRanking(selectionAnswers(), 30));

        w->app->run(cmd::Menu41);
        requireChild<QPushButton>(w->app->loaded<SearchPanel>(), "Command2")->click();
        pickInPicker(5);
        QCOMPARE(digits(), QStringLiteral("3500000000"));
        QCOMPARE(guide()->candidateRows(), coreRanking(selectionAnswers(), 30));

        const int k = guide()->shownOrder().first();
        guide()->optionButton(k, 1)->click();
        QCOMPARE(guide()->candidateRows(), coreRanking(selectionAnswers(), 30));
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("1. ")));
        QVERIFY(!list->item(0)->icon().isNull());
    }

    // Several options, unsure and 不明 stay in the guide; the search and the
    // check marks see only single sure answers; 戻る takes each back.
    void severalUnsureAndUnknownStayInTheGuide() {
        w->app->run(cmd::Menu41);
        OpenGuideWindow(*w->app);
        const int k = guide()->shownOrder().first();
        QAction* mark = w->main->menuItem(QString::fromLatin1(Category(k).menuItem));
        const auto digitOf = [&] {
            return w->state.SelectionCode[static_cast<std::size_t>(k - 1)];
        };
        const int searchedBefore = w->state.ResultCount;

        guide()->optionButton(k, 1)->click();
        QCOMPARE(digitOf(), U'1');
        QVERIFY(mark->isChecked());
        QVERIFY(!guide()->shownOrder().contains(k)); // now among the answered rows
        QVERIFY(guide()->optionButton(k, 1)->isChecked());

        guide()->optionButton(k, 2)->click(); // "or"
        QCOMPARE(digitOf(), U'0');
        QVERIFY(!mark->isChecked());
        QCOMPARE(int(w->state.ResultCount), searchedBefore); // the panel searched again
        QVERIFY(guide()->optionButton(k, 1)->isChecked() &&
                guide()->optionButton(k, 2)->isChecked());
        QCOMPARE(SessionOf(*w->app).answers().at(k).options, OptionMask((1U << 1) | (1U << 2)));

        guide()->optionButton(k, 2)->click(); // taken out again: one sure option
        QCOMPARE(digitOf(), U'1');
        guide()->unsureBox(k)->click();
        QCOMPARE(digitOf(), U'0');
        QVERIFY(SessionOf(*w->app).answers().at(k).unsure);

        const int other = guide()->shownOrder().first();
        const int last = Category(other).optionCount;
        guide()->optionButton(other, last)->click(); // 不明
        QVERIFY(SessionOf(*w->app).answers().at(other).unknown());
        QVERIFY(!guide()->shownOrder().contains(other));
        QCOMPARE(w->state.SelectionCode[static_cast<std::size_t>(other - 1)], U'0');
        guide()->pages()->setCurrentIndex(1);
        snapshot(guide(), "guide-next");

        auto* back = requireChild<QPushButton>(guide(), "GuideBack");
        back->click(); // 不明 goes
        QVERIFY(!SessionOf(*w->app).answers().at(other).asked);
        back->click(); // unsure goes: the single sure answer is searched again
        QCOMPARE(digitOf(), U'1');
        QVERIFY(mark->isChecked());
        back->click(); // the second option comes back
        QCOMPARE(digitOf(), U'0');
        back->click();
        QCOMPARE(digitOf(), U'1');
        back->click();
        QCOMPARE(digitOf(), U'0');
        QVERIFY(!SessionOf(*w->app).answers().at(k).asked);
        QVERIFY(!back->isEnabled());
        QCOMPARE(int(w->state.ResultCount), searchedBefore);
    }

    // A person follows the first suggestion each time and gets the second
    // character wrong: the plant still ends first or second, and the window
    // says when it is sure.
    void aWalkWithOneWrongAnswerStillFindsThePlant() {
        for (const char32_t* name : {U"ﾂﾎﾞｽﾐﾚ", U"ﾋﾒｼﾞｮｵﾝ", U"ｶﾀｸﾘ"}) {
            init();
            const int target = rowOf(name);
            QVERIFY(target != 0);
            OpenGuideWindow(*w->app);
            QVERIFY(!settled());
            QVERIFY(requireChild<QLabel>(guide(), "GuideSure")
                        ->text()
                        .startsWith(QStringLiteral("まだ")));
            for (int step = 0; step < 10 && !settled() && !guide()->shownOrder().isEmpty();
                 ++step) {
                const int k = guide()->shownOrder().first();
                const int last = Category(k).optionCount;
                int v = ownOption(target, k);
                if (step == 1) {
                    v = v == last ? 1 : v % (last - 1) + 1; // the wrong one
                }
                guide()->optionButton(k, v)->click();
            }
            guide()->pages()->setCurrentIndex(0);
            snapshot(guide(), "guide-candidates");
            const QList<int> rows = guide()->candidateRows();
            QVERIFY2(rows.indexOf(target) == 0 || rows.indexOf(target) == 1,
                     qPrintable(qs(Text(name))));
            cleanup();
        }
        init();
    }

    // 比べる on 候補 puts the first two on the compare page; a click on a
    // plant opens its picture window.
    void compareTheFirstTwoAndOpenAPicture() {
        OpenGuideWindow(*w->app);
        w->app->run(cmd::Menu11);
        pickInPicker(3);
        const QList<int> rows = guide()->candidateRows();
        requireChild<QPushButton>(guide(), "GuideCompareTop")->click();
        QCOMPARE(guide()->pages()->currentIndex(), 3);
        QCOMPARE(requireChild<QLineEdit>(guide(), "GuideCompareA")->text(),
                 qs(w->state.name(rows[0])));
        QCOMPARE(requireChild<QLineEdit>(guide(), "GuideCompareB")->text(),
                 qs(w->state.name(rows[1])));
        QCOMPARE(requireChild<QTreeWidget>(guide(), "GuideCompareTable")->topLevelItemCount(), 12);

        auto* list = requireChild<QListWidget>(guide(), "GuideCandidates");
        const QRect at = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
        QWidget* picture = w->app->findChild<QWidget*>(QStringLiteral("Form42"));
        if (!picture) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QStringLiteral("Form42") && top->isVisible()) {
                    picture = top;
                }
            }
        }
        QVERIFY(picture && picture->isVisible());
        QVERIFY(picture->windowTitle().contains(qs(w->state.name(rows[1]))));
        QVERIFY(w->state.NameKey.empty()); // the name filter as it was
    }

    // Identical plants among the first ten are named with the notice.
    void identicalPlantsAreNamedTogether() {
        OpenGuideWindow(*w->app);
        // ﾀﾝﾎﾟﾎﾟ's yellow, many-petalled heads: three plants alike.
        for (const auto& [k, v] : {std::pair{1, 2}, {2, 7}, {3, 4}, {4, 6}}) {
            guide()->optionButton(k, v)->click();
        }
        const QString notice = requireChild<QLabel>(guide(), "GuideGroupNotice")->text();
        QVERIFY2(
            notice.contains(QStringLiteral("種は十の特徴がすべて同じです。写真で比べてください。")),
            qPrintable(notice));
    }

    void whyOutAndCompareTakeInputMethodText() {
        OpenGuideWindow(*w->app);
        w->app->run(cmd::Menu11);
        pickInPicker(3);
        auto* name = requireChild<QLineEdit>(guide(), "GuideWhyName");
        typeWithInputMethod(name, QStringLiteral("つぼすみれ"));
        QCOMPARE(name->text(), QStringLiteral("ﾂﾎﾞｽﾐﾚ"));
        requireChild<QPushButton>(guide(), "GuideWhyShow")->click();
        auto* why = requireChild<QTreeWidget>(guide(), "GuideWhyTable");
        QCOMPARE(why->topLevelItemCount(), 1);
        QCOMPARE(why->topLevelItem(0)->text(2), QStringLiteral("白系（または 青系）"));
        guide()->pages()->setCurrentIndex(2);
        snapshot(guide(), "guide-why");
        QVERIFY(requireChild<QLabel>(guide(), "GuideWhyStatus")
                    ->text()
                    .contains(QStringLiteral("検索 ×")));

        requireChild<QLineEdit>(guide(), "GuideCompareA")->setText(QStringLiteral("ｽﾐﾚ"));
        typeWithInputMethod(requireChild<QLineEdit>(guide(), "GuideCompareB"),
                            QStringLiteral("ツボスミレ"));
        requireChild<QPushButton>(guide(), "GuideCompareShow")->click();
        auto* table = requireChild<QTreeWidget>(guide(), "GuideCompareTable");
        QCOMPARE(table->topLevelItemCount(), 12);
        QStringList differing;
        for (int i = 0; i < table->topLevelItemCount(); ++i) {
            if (table->topLevelItem(i)->data(0, Qt::UserRole).toBool()) {
                differing << table->topLevelItem(i)->text(0);
            }
        }
        QCOMPARE(differing, (QStringList{"花の色", "葉序", "茎形状", "茎断面"}));
        guide()->pages()->setCurrentIndex(3);
        snapshot(guide(), "guide-compare");
    }

    void badgesAreOffUntilTheMenuItemTurnsThemOn() {
        w->app->run(cmd::Menu12);
        auto* picker = w->app->loaded<Form11>();
        auto* badges = picker->image()->findChild<CountBadges*>("GuideBadges");
        QVERIFY(!badges || !badges->isVisible());
        QAction* item = w->main->menuItem(QStringLiteral("MENU75"));
        QVERIFY(item->isCheckable() && !item->isChecked());

        item->trigger();
        QVERIFY(item->isChecked());
        QCOMPARE(w->fakes.settings->values.value("CandidateCounts"), QStringList{"1"});
        badges = picker->image()->findChild<CountBadges*>("GuideBadges");
        QVERIFY(badges && badges->isVisible());
        const GuideCounts counts =
            CountRemaining(GuideIndex(w->state), {w->state.SelectionCode, 0, {}});
        QStringList expected;
        for (int n : counts.categories[1].counts) {
            expected << QString::number(n);
        }
        QCOMPARE(badges->texts(), expected);
        QCOMPARE(badges->texts().size(), 8);
        snapshot(picker, "picker-badges");

        item->trigger();
        QVERIFY(!badges->isVisible());
        QCOMPARE(w->fakes.settings->values.value("CandidateCounts"), QStringList{"0"});
    }
};

QTEST_MAIN(GuideWindowTest)
#include "GuideWindowTest.moc"
