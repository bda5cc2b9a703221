// SPDX-License-Identifier: GPL-3.0-or-later
// The plant picture window and its detail windows: which plant and which
// files they find, how close-ups size themselves, the note's line ends and
// the video's open and close.

#include "PlantWindowsSupport.h"

#include "core/Errors.h"
#include "core/images/PlantFiles.h"
#include "gui/images/FormPi.h"
#include "gui/images/ImageBox.h"
#include "gui/images/PictureLoader.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/DetailWindows.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/platform/testing/FakeMediaPlayer.h"
#include "gui/widgets/PrintBox.h"
#include "pi/PiDecoder.h"
#include "pi/PiEncoder.h"

#include <QBuffer>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <cstdio>
#include <fstream>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

class PlantViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;

    Form42* window() { return f->app->loaded<Form42>(); }
    void open(const QString& key) {
        f->state.NameKey = ts(key);
        OpenPlantPicture(*f->app);
    }
    void press(const char* button) {
        requireChild<QPushButton>(window(), QString::fromLatin1(button))->click();
    }

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        // Codes: flower colour 1 (赤系), petals "B" (several), inflorescence
        // "H" pointing at value list 21 = "3", classification 2.
        f->addPlant("ｽﾐﾚ", "ｽﾐﾚ",
                    "010B0H00000000000000300000000"
                    "2");
        f->addPlant("ﾀﾝﾎﾟﾎﾟ", "ｷｸ",
                    "05000000000000000000000000000"
                    "1");
        f->addPlant("ｱｶﾂﾒｸｻｸﾞｻ", "ﾏﾒ", "010000000000000000000000000000");
        f->addPlant("ｱｶﾂﾒｸｻｸﾞﾓﾄﾞｷ", "ﾏﾒ", "020000000000000000000000000000");
        f->addPlant("ﾅｼ", "ﾅｼ", "0");
        f->addPlant("ﾉｹﾞｼﾕｳｶﾞｷｸ", "ｷｸ", "0");
        QVERIFY(writePicture(f->here("ｽﾐﾚ.BMP"), 200, 150, Qt::blue, "BMP"));
        QVERIFY(writePi(f->inData("ﾀﾝﾎﾟﾎﾟ.pi"), 120, 80));
        QVERIFY(writePicture(f->inData("ｱｶﾂﾒｸｻｸﾞ.bmp"), 90, 60, Qt::red, "BMP"));
        QVERIFY(writePicture(f->here("ﾉｹﾞｼﾕｳｶﾞ.jpg"), 64, 48, Qt::yellow, "JPEG"));
    }
    void cleanup() {
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
    }

    void controlsAreTheDesignNames() {
        open("ｽﾐﾚ");
        QVERIFY(window());
        QStringList names = {"Image1",   "Label11",  "Label12",  "Command1", "Command2",
                             "Command3", "Command4", "Command5", "Command6", "Line1",
                             "Line3",    "Line4",    "Line5",    "Line6",    "Line7",
                             "MENU_42",  "MENU421",  "MENU422",  "MENU423",  "MENU424"};
        for (int i = 1; i <= 10; ++i) {
            names << QStringLiteral("Label%1").arg(i) << QStringLiteral("TOK%1").arg(i - 1);
        }
        for (const auto& n : names) {
            QVERIFY2(window()->findChild<QObject*>(n), qPrintable(n));
        }
        for (QWidget* w : {static_cast<QWidget*>(&f->app->load<Form43>()),
                           static_cast<QWidget*>(&f->app->load<Form43R>())}) {
            for (const char* n : {"Image1", "Command1"}) {
                QVERIFY2(w->findChild<QObject*>(n), n);
            }
        }
        QVERIFY(f->app->load<Form43>().findChild<QObject*>("MENU431"));
        QVERIFY(f->app->load<Form43R>().findChild<QObject*>("MENU431R"));
        auto& note = f->app->load<Form43T>();
        for (const char* n : {"txtDisplayBox", "Command1", "MENU_43T", "MENU431T"}) {
            QVERIFY2(note.findChild<QObject*>(n), n);
        }
        auto& video = f->app->load<Form43V>();
        for (const char* n : {"MMControl1", "Label1", "Play", "Pause", "Stop", "Position"}) {
            QVERIFY2(video.findChild<QObject*>(n), n);
        }
    }

    void bitmapPlantShowsFeaturesAndPicture() {
        open("ｽﾐﾚ");
        QVERIFY(window()->isVisible());
        QCOMPARE(window()->windowTitle(), QStringLiteral("ｽﾐﾚ (ｽﾐﾚ)科"));
        QCOMPARE(window()->image()->picture().size(), QSize(200, 150));
        QCOMPARE(window()->feature(0)->lines(), QStringList{"  赤系"});
        QCOMPARE(window()->feature(1)->lines(), QStringList{"  不定 "});
        QCOMPARE(window()->feature(2)->lines(), QStringList{" *散形"});
        QCOMPARE(window()->feature(3)->lines(), QStringList{"  不明 "});
        QCOMPARE(window()->classification()->text(), QStringLiteral("双子葉類合弁花"));
        // Flower lines and stem lines are told apart by colour.
        QVERIFY(window()->feature(0)->lineColor(0) != window()->feature(9)->lineColor(0));
    }

    void piPictureOnlyInDataFolder() {
        open("ﾀﾝﾎﾟﾎﾟ");
        QVERIFY(window()->isVisible());
        QCOMPARE(window()->image()->picture().size(), QSize(120, 80));
        // The holder keeps the last decode; the window has its own copy.
        auto& holder = *f->app->load<FormPi>().holder();
        QCOMPARE(holder.picture().size(), QSize(120, 80));
        QCOMPARE(window()->classification()->text(), QStringLiteral("双子葉類離弁花"));

        // Made straight from the decoder's indexes: every pixel has the
        // colour the decoder gives it, with both 16- and 256-colour files.
        for (int planes : {4, 8}) {
            pi::PiImage art;
            art.width = 37; // odd, and no multiple of four: rows are not padded
            art.height = 9;
            art.planes = planes;
            for (int i = 0; i < art.width * art.height; ++i) {
                art.indexes.push_back(static_cast<std::uint8_t>((i * 7) % (1 << planes)));
            }
            const std::string stream = pi::encodePi(art);
            QVERIFY(writeBytes(f->here("ART.Pi"), QByteArray::fromStdString(stream)));
            const QImage image = LoadPicture(*f->app, U"ART.Pi");
            const auto expected = pi::toRgb32TopDown(pi::decodePi(stream));
            QCOMPARE(image.size(), QSize(37, 9));
            for (int y = 0; y < 9; ++y) {
                for (int x = 0; x < 37; ++x) {
                    QCOMPARE(image.pixel(x, y) | 0xFF000000u, expected[y * 37 + x] | 0xFF000000u);
                }
            }
        }
    }

    void pictureStoredUnderCp932NameIsFound() {
        // Old media keep names as CP932 bytes: ﾊﾙｼﾞｵﾝ is CA D9 BC DE B5 DD.
        f->addPlant("ﾊﾙｼﾞｵﾝ", "ｷｸ", "0");
        QImage image(33, 22, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "BMP"));
        const std::string name =
            QFile::encodeName(f->dataDir.path()).toStdString() + "/\xca\xd9\xbc\xde\xb5\xdd.bmp";
        std::ofstream(name, std::ios::binary).write(bmp.constData(), bmp.size());
        open("ﾊﾙｼﾞｵﾝ");
        QVERIFY(window()->isVisible());
        const QSize shown = window()->image()->picture().size();
        std::remove(name.c_str()); // a name the temporary folder cannot remove itself
        QCOMPARE(shown, QSize(33, 22));
    }

    void sharedEightCharactersShowTheLaterPlant() {
        open("ｱｶﾂﾒｸｻｸﾞ");
        QCOMPARE(window()->windowTitle(), QStringLiteral("ｱｶﾂﾒｸｻｸﾞﾓﾄﾞｷ (ﾏﾒ)科"));
        QCOMPARE(window()->feature(0)->lines(), QStringList{"  黄系"});
        QCOMPARE(window()->image()->picture().size(), QSize(90, 60));
    }

    void missingPictureReportsAndKeepsWindowHidden() {
        f->fakes.messages->expect("画像表示", "画像ファイルがみつかりません");
        open("ﾅｼ");
        QVERIFY(!window()->isVisible());
        // An open window takes the new plant over a blank picture.
        open("ｽﾐﾚ");
        f->fakes.messages->expect("画像表示", "画像ファイルがみつかりません");
        open("ﾅｼ");
        QVERIFY(window()->isVisible());
        QCOMPARE(window()->windowTitle(), QStringLiteral("ﾅｼ (ﾅｼ)科"));
        QVERIFY(!window()->image()->hasPicture());
        QCOMPARE(window()->classification()->text(), QString()); // not the previous plant's
        // Unknown and empty keys end silently.
        open("ｿﾝﾅﾉﾅｲ");
        open("");
        QCOMPARE(window()->feature(0)->lines(), QStringList());
    }

    void brokenPictureStillOpensTheWindow() {
        QVERIFY(writeBytes(f->here("ﾅｼ.GIF"), "GIF89a but nothing else"));
        open("ﾅｼ");
        QVERIFY(window()->isVisible());
        QVERIFY(!window()->image()->hasPicture());
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadPicture(*f->app, U"ﾅｼ.GIF"));
        QVERIFY(writeBytes(f->here("BAD.Pi"), "Pi\x1a\x00 broken"));
        try {
            LoadPicture(*f->app, U"BAD.Pi");
            QFAIL("a broken Pi file loaded");
        } catch (const RunTimeError& e) {
            QCOMPARE(e.number(), 481);
        }
        try {
            LoadPicture(*f->app, U"NOWHERE.BMP");
            QFAIL("a missing file loaded");
        } catch (const RunTimeError& e) {
            QCOMPARE(e.number(), 53);
        }
    }

    void closeUpTakesNaturalSizeThenKeepsWidth() {
        QVERIFY(writePicture(f->here("ｽﾐﾚQ.BMP"), 300, 200, Qt::darkGreen, "BMP"));
        // The current folder's close-up comes first, and it is no picture.
        QVERIFY(writeBytes(f->here("ｱｶﾂﾒｸｻｸQ.gif"), "GIF89a"));
        QVERIFY(writePicture(f->inData("ｱｶﾂﾒｸｻｸQ.BMP"), 100, 100, Qt::red, "BMP"));
        open("ｽﾐﾚ");
        press("Command1");
        auto* up = f->app->loaded<Form43>();
        QVERIFY(up && up->isVisible());
        QCOMPARE(up->windowTitle(), window()->windowTitle());
        QCOMPARE(up->image()->size(), QSize(300, 200));
        QCOMPARE(up->width(), 300 + 8);
        QCOMPARE(up->height(), 200 + 28);
        QVERIFY(up->image()->stretch());

        // Dragging wider scales the picture; the height follows it.
        up->resize(608, 100);
        QCOMPARE(up->image()->size(), QSize(600, 400));
        QCOMPARE(up->height(), 428);
        // Dragging only the height snaps back.
        up->resize(608, 900);
        QCOMPARE(up->height(), 428);

        // A close-up that cannot be read is reported and changes nothing.
        f->fakes.messages->expect("エラーメッセージ", "エラー番号481のエラーです");
        open("ｱｶﾂﾒｸｻｸﾞ");
        press("Command1");
        QCOMPARE(up->windowTitle(), QStringLiteral("ｽﾐﾚ (ｽﾐﾚ)科"));
        QVERIFY(QFile::remove(f->here("ｱｶﾂﾒｸｻｸQ.gif")));
        // A new close-up while open keeps the window's width.
        press("Command1");
        QCOMPARE(up->windowTitle(), QStringLiteral("ｱｶﾂﾒｸｻｸﾞﾓﾄﾞｷ (ﾏﾒ)科"));
        QCOMPARE(up->width(), 608);
        QCOMPARE(up->image()->size(), QSize(600, 600));
        QCOMPARE(up->height(), 628);

        // Closing and reopening starts from the natural size again.
        up->closeButton()->click();
        f->flush();
        press("Command1");
        up = f->app->loaded<Form43>();
        QCOMPARE(up->image()->size(), QSize(100, 100));

        // The close-up's own pop-up menu closes it; the plant window stays.
        QTest::mouseClick(up->image(), Qt::RightButton);
        QVERIFY(up->popupMenu()->isVisible());
        up->popupMenu()->close();
        requireChild<QAction>(up, "MENU431")->trigger();
        f->flush();
        QVERIFY(!f->app->loaded<Form43>());
        QVERIFY(window()->isVisible());
    }

    void resizeRuleGuards() {
        auto& up = f->app->load<Form43>();
        up.image()->setPicture(QImage(40, 20, QImage::Format_RGB32));
        up.setWidthTwips(50); // narrower than the side margin
        QVERIFY(up.image()->width() >= 1);
        up.image()->setStretch(true);
        up.image()->resize(0, 30); // a picture of no width
        up.setWidthTwips(1500);
        QCOMPARE(up.image()->width(), 100 - 8);
        QCOMPARE(up.image()->height(), 30);
        QCOMPARE(up.height(), 30 + 28);
    }

    void missingCloseUpsSayWhich() {
        open("ｽﾐﾚ");
        f->fakes.messages->expect("ＵＰ画像", "Q画像ファイルがありません");
        press("Command1");
        QVERIFY(!f->app->loaded<Form43>()->isVisible());
        f->fakes.messages->expect("UP2", "R画像ファイルがありません");
        press("Command4");
        QVERIFY(!f->app->loaded<Form43R>()->isVisible());
    }

    void secondCloseUpUsesSevenCharacters() {
        QVERIFY(writePicture(f->here("ﾉｹﾞｼﾕｳｶR.bmp"), 30, 20, Qt::cyan, "BMP"));
        open("ﾉｹﾞｼﾕｳｶﾞ");
        press("Command4");
        auto* r = f->app->loaded<Form43R>();
        QVERIFY(r && r->isVisible());
        // The picture of that file; the window is at least as wide as its
        // 終了 button, the picture stretched to it in its proportions.
        QCOMPARE(r->image()->picture().size(), QSize(30, 20));
        QVERIFY(r->rect().contains(r->closeButton()->geometry()));
        QCOMPARE(r->image()->height(), r->image()->width() * 20 / 30);
    }

    void noteLinesEndInCrLf() {
        QCOMPARE(NoteText("one\r\ntwo\nthree"), Text(U"one\r\ntwo\r\nthree\r\n"));
        QCOMPARE(NoteText("single line"), Text(U"single line\r\n"));
        QCOMPARE(NoteText("a\r\n\r\nb\r\n"), Text(U"a\r\n\r\nb\r\n"));
        QCOMPARE(NoteText(""), Text());
        QCOMPARE(NoteText("\xEF\xBB\xBFutf8 \xE8\x8A\xB1"), Text(U"utf8 花\r\n"));

        const QByteArray cp932 =
            QByteArray("\x89\xd4\x82\xcc\x90\x46\r\n\xbd\xd0\xda", 11); // 花の色 / ｽﾐﾚ
        QVERIFY(writeBytes(f->inData("ｽﾐﾚ.txt"), cp932));
        open("ｽﾐﾚ");
        // A caption overwritten with a fuzzy result caption still finds it.
        window()->setWindowTitle(QStringLiteral("* ｽﾐﾚ                (ｽﾐﾚ)"));
        press("Command5");
        auto* note = f->app->loaded<Form43T>();
        QVERIFY(note && note->isVisible());
        QCOMPARE(note->note(), QStringLiteral("花の色\r\nｽﾐﾚ\r\n"));
        QCOMPARE(requireChild<QPlainTextEdit>(note, "txtDisplayBox")->toPlainText(),
                 QStringLiteral("花の色\nｽﾐﾚ"));
        QCOMPARE(note->windowTitle(), window()->windowTitle());

        // Right-clicking the window offers to close it; Esc closes it too.
        QTest::mouseClick(note, Qt::RightButton, {}, QPoint(2, 2));
        QVERIFY(note->popupMenu()->isVisible());
        note->popupMenu()->close();
        QTest::keyClick(note, Qt::Key_Escape);
        f->flush();
        QVERIFY(!f->app->loaded<Form43T>());

        open("ﾀﾝﾎﾟﾎﾟ");
        f->fakes.messages->expect("メモ", "txtファイルがありません");
        press("Command5");

        // A file far larger than any note is refused before it is read.
        QVERIFY(writeBytes(f->inData("ﾀﾝﾎﾟﾎﾟ.txt"), QByteArray((4 << 20) + 1, 'a')));
        f->fakes.messages->expect("エラーメッセージ", "エラー番号7のエラーです");
        press("Command5");
        QVERIFY(!f->app->loaded<Form43T>() || !f->app->loaded<Form43T>()->isVisible());
    }

    void videoOpensAndClosesThroughThePlayer() {
        QStringList log;
        bool opens = true;
        auto& video = f->app->load<Form43V>();
        video.setPlayerFactory(
            [&](QWidget*) { return std::make_unique<FakeMediaPlayer>(&log, opens); });
        QVERIFY(writeBytes(f->inData("ｽﾐﾚ.AVI"), "RIFF"));
        open("ｽﾐﾚ");
        press("Command6");
        QVERIFY(video.isVisible());
        QCOMPARE(video.windowTitle(), QStringLiteral("ｽﾐﾚ (ｽﾐﾚ)科"));
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].startsWith("open ") && log[0].endsWith("ｽﾐﾚ.AVI"));
        QVERIFY(log[0].contains(f->dataDir.path()));
        auto* fake = static_cast<FakeMediaPlayer*>(video.player());
        fake->reportDuration(5000);
        fake->reportPosition(2000);
        QCOMPARE(requireChild<QLabel>(&video, "Time")->text(), QStringLiteral("0:02 / 0:05"));
        requireChild<QToolButton>(&video, "Play")->click();
        requireChild<QToolButton>(&video, "Pause")->click();
        QCOMPARE(log.mid(1), (QStringList{"play", "pause"}));

        // Unloading closes the file.
        f->app->unload("Form43V");
        f->flush();
        QCOMPARE(log.mid(3), (QStringList{"close", "destroyed"}));

        // A player that cannot open reports, and the window stays usable.
        log.clear();
        opens = false;
        auto& again = f->app->load<Form43V>();
        again.setPlayerFactory(
            [&](QWidget*) { return std::make_unique<FakeMediaPlayer>(&log, opens); });
        f->fakes.messages->expect("エラーメッセージ", "エラー番号57のエラーです");
        press("Command6");
        QVERIFY(again.isVisible());
        QVERIFY(!requireChild<QToolButton>(&again, "Play")->isEnabled());
        QVERIFY(!again.player());

        open("ﾀﾝﾎﾟﾎﾟ");
        f->fakes.messages->expect("av", "avファイルがありません");
        press("Command6");
    }

    void popUpMenuDefaultsToCloseUp() {
        open("ｽﾐﾚ");
        QTest::mouseClick(window()->feature(3), Qt::RightButton);
        QMenu* menu = window()->popupMenu();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->defaultAction()->text(), QStringLiteral("ＵＰ（ＵＰ画像表示）(&V&ﾋ)"));
        menu->close();
        requireChild<QAction>(window(), "MENU424")->trigger();
        f->flush();
        QVERIFY(!window());
        // Reopened, Esc is its cancel button.
        open("ｽﾐﾚ");
        QTest::keyClick(window(), Qt::Key_Escape);
        f->flush();
        QVERIFY(!window());
    }

    void printButtonRunsThePrintHook() {
        int prints = 0;
        open("ｽﾐﾚ");
        press("Command3"); // nothing registered: nothing happens
        f->app->registerCommand(hook::PrintPlantPage, [&] { ++prints; });
        requireChild<QAction>(window(), "MENU421")->trigger();
        QCOMPARE(prints, 1);
    }
};

QTEST_MAIN(PlantViewTest)
#include "PlantViewTest.moc"
