// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the title window: the database message comes before any
// window, the animation shows its frames by the tick table, and tick 25
// opens the main window at the top of the screen.

#include "ShellFixture.h"

#include "gui/app/Fonts.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StartUp.h"
#include "gui/app/TitleWindow.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace shelltest;
using namespace kuyu::gui::testing;

class ShellStartUpTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installFontSubstitutions(); }

    void missingDatabaseIsReportedBeforeAnyWindow() {
        World w;
        w.messages->expect(
            QStringLiteral("エラーメッセージ"),
            QStringLiteral("データファイルがみつかりません\rｵﾌﾟｼｮﾝでﾃﾞｰﾀﾌｧｲﾙを選択して下さい"));
        StartUp(*w.app, QString());

        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join('\n')));
        QCOMPARE(w.messages->shown.first().icon, MessageIcon::Question);
        QCOMPARE(w.messages->windowsAtShow, QList<int>{0});
        QCOMPARE(qs(w.state.DataFilePath), QStringLiteral("KUYU.DAT"));
        QVERIFY(w.state.DataFolder.empty());
        QCOMPARE(w.state.PlantCount, 0);
        QCOMPARE(w.state.SelectionCode, emptySelectionCode());
        QCOMPARE(w.fakes.help->helpFile, QStringLiteral("index.html"));

        // The title window follows, then the main window, empty table and all.
        auto* title = w.app->loaded<Form01>();
        QVERIFY(title && title->isVisible());
        title->timer()->stop();
        for (int i = 0; i < 25; ++i) {
            title->Timer1_Timer();
        }
        auto* main = w.app->loaded<MDIForm1>();
        QVERIFY(main && main->isVisible());
        QCOMPARE(w.app->mainWindow(), main);
        QVERIFY(!w.app->isLoaded(QStringLiteral("Form01")));

        // No category item carries a check mark after start-up.
        for (const char* menu : {"MENU1", "MENU2", "MENU3"}) {
            emit requireChild<QMenu>(main, menu)->aboutToShow();
        }
        for (const char* item : {"MENU11", "MENU15", "MENU21", "MENU23", "MENU31", "MENU32"}) {
            QVERIFY2(!requireChild<QAction>(main, item)->isChecked(), item);
        }
    }

    void databaseOnTheCommandLineSetsTheDataFolder() {
        World w;
        // A folder with a blank in its name arrives as two arguments.
        QVERIFY(QDir(w.dir.path()).mkpath(QStringLiteral("my plants")));
        const QString file = w.path(QStringLiteral("my plants/ZUKAN.DAT"));
        writeDatabase(file, {{"ｽﾐﾚ", codeOf(1), "ｽﾐﾚ"}, {"ﾀﾝﾎﾟﾎﾟ", codeOf(2), "ｷｸ"}});
        const QStringList args{QStringLiteral("kuyu"), w.path(QStringLiteral("my")),
                               QStringLiteral("plants/ZUKAN.DAT")};
        const QString commandLine = CommandLineText(args);
        QCOMPARE(commandLine, file);

        StartUp(*w.app, commandLine);
        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join('\n')));
        QCOMPARE(w.state.PlantCount, 2);
        QCOMPARE(qs(w.state.DataFilePath), file);
        QCOMPARE(qs(w.state.DataFolder), w.path(QStringLiteral("my plants/")));
        QCOMPARE(qs(w.state.name(2)), QStringLiteral("ﾀﾝﾎﾟﾎﾟ"));
        // The labels are filled: category 1 has its name.
        QVERIFY(!w.state.OptionLabel[1][0].empty());
        QVERIFY(w.app->loaded<Form01>()->isVisible());
        QCOMPARE(CommandLineText({QStringLiteral("kuyu")}), QString());
    }

    void defaultDatabaseInTheCurrentFolder() {
        World w;
        writeDatabase(w.path(QStringLiteral("KUYU.DAT")), {{"ﾊｺﾍﾞ", codeOf(3), "ﾅﾃﾞｼｺ"}});
        StartUp(*w.app, QString());
        QVERIFY(w.messages->verify());
        QCOMPARE(w.state.PlantCount, 1);
        QVERIFY(w.state.DataFolder.empty());
    }

    void titleTicksFollowTheFrameTable() {
        // Ticks 3..16 show these images, the rest change nothing.
        const QMap<int, int> table{{3, 3},   {4, 4},   {5, 5},   {6, 6},   {7, 7},
                                   {8, 8},   {9, 9},   {10, 10}, {11, 11}, {12, 12},
                                   {13, 13}, {14, 14}, {15, 3},  {16, 15}};
        for (int tick = 1; tick <= 25; ++tick) {
            QCOMPARE(Form01::imageForTick(tick), table.value(tick, 0));
        }

        World w;
        auto& title = w.app->load<Form01>();
        title.show();
        QCOMPARE(title.timer()->interval(), 10);
        QVERIFY(title.timer()->isActive());
        title.timer()->stop();

        auto* image2 = requireChild<QLabel>(&title, QStringLiteral("Image2"));
        auto* image3 = requireChild<QLabel>(&title, QStringLiteral("Image3"));
        auto* image15 = requireChild<QLabel>(&title, QStringLiteral("Image15"));
        QVERIFY(image2 && image3 && image15);
        QList<int> shown;
        for (int tick = 1; tick <= 24; ++tick) {
            title.Timer1_Timer();
            shown << title.shownImage();
            if (tick == 3 || tick == 15) {
                QCOMPARE(image2->pixmap().toImage(), image3->pixmap().toImage());
            }
        }
        QCOMPARE(shown, (QList<int>{0,  0,  3, 4,  5,  6,  7,  8,  9,  10, 11, 12,
                                    13, 14, 3, 15, 15, 15, 15, 15, 15, 15, 15, 15}));
        QCOMPARE(image2->pixmap().toImage(), image15->pixmap().toImage());
        QVERIFY(!w.app->mainWindow());

        // Thirteen different frames.
        QSet<qint64> keys;
        for (int n = 3; n <= 15; ++n) {
            keys.insert(requireChild<QLabel>(&title, QStringLiteral("Image%1").arg(n))
                            ->pixmap()
                            .toImage()
                            .cacheKey());
        }
        QCOMPARE(keys.size(), 13);

        title.Timer1_Timer(); // tick 25
        QVERIFY(!title.timer()->isActive());
        auto* main = w.app->loaded<MDIForm1>();
        QVERIFY(main && main->isVisible());
        QVERIFY(!title.isVisible());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(main->frameGeometry().top(), area.top());
        QCOMPARE(main->height(), px(1215));
    }

    void titleCaptions() {
        World w;
        auto& title = w.app->load<Form01>();
        title.timer()->stop();
        const QMap<QString, QString> captions{{"Label1", "グラフィック植物検索ツール"},
                                              {"Label2", "くゆ Win"},
                                              {"Label4", "Ver 2.2"},
                                              {"Label6", "FOR32"}};
        for (auto it = captions.begin(); it != captions.end(); ++it) {
            auto* label = title.findChild<QLabel*>(it.key());
            QVERIFY2(label, qPrintable(it.key()));
            QCOMPARE(label->text(), it.value());
        }
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            auto* label = requireChild<QLabel>(&title, name);
            QVERIFY2(label && !label->text().isEmpty(), name);
            QCOMPARE(label->font().family(), QStringLiteral("ＭＳ 明朝"));
            // The caption must fit: the font maps onto an installed Mincho.
            QVERIFY(QFontInfo(label->font()).family().contains(QStringLiteral("Mincho")) ||
                    QFontInfo(label->font()).family().contains(QStringLiteral("明朝")));
        }
        title.show();
        for (const char* name : {"Label1", "Label2", "Label3", "Label5"}) {
            auto* label = requireChild<QLabel>(&title, name);
            QVERIFY2(label->width() >= label->minimumSizeHint().width(), name);
        }
        // Pictures of the title for the eye, when asked for.
        const QString shots = qEnvironmentVariable("KUYU_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            title.show();
            for (int i = 0; i < 16; ++i) {
                title.Timer1_Timer();
            }
            title.grab().save(shots + QStringLiteral("/title.png"));
        }
    }
};

QTEST_MAIN(ShellStartUpTest)
#include "ShellStartUpTest.moc"
