// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the result table and the plant page as they reach the printer
// (through a recording surface), and the print settings dialog's fields,
// commit rule, sheet preview, dragging and sizing.

#include "PlantWindowsSupport.h"
#include "RecordingSurface.h"

#include "core/printing/PrintLayout.h"
#include "gui/app/CommandIds.h"
#include "gui/app/Commands.h"
#include "gui/images/ImageBox.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/printing/PrintJobs.h"
#include "gui/printing/PrintSettingsDialog.h"
#include "gui/printing/QtPrinterSurface.h"
#include "gui/widgets/Twips.h"

#include <QPageSize>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <functional>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {
const QString ConfirmTitle = QStringLiteral("検索結果（条件）印刷");
const QString ConfirmText = QStringLiteral(
    "検索結果（条件）を印刷します\n用紙の幅はA4の幅(約21cm)が必要です\n(プリンタの準備はＯＫ?)");
const QString ErrorTitle = QStringLiteral("エラーメッセージ");
} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;
    PrintLog log;

    Form42PB* dialog() { return f->app->loaded<Form42PB>(); }
    QLineEdit* field(int n) { return dialog()->field(n); }
    void openPlant(const char* key) {
        f->state.NameKey = ts(QString::fromUtf8(key));
        OpenPlantPicture(*f->app);
        QVERIFY(f->app->loaded<Form42>());
    }
    void openDialog() {
        f->app->run(hook::PrintPlantPage);
        QVERIFY(dialog());
    }
    void type(int n, const QString& text) {
        field(n)->setText(text);
        QTest::keyClick(field(n), Qt::Key_Return);
    }
    // A left-button drag inside one preview item, in item coordinates.
    void drag(QWidget* item, QPoint from, QPoint to) {
        const auto send = [item](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(at), item->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
            QApplication::sendEvent(item, &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        log = PrintLog{};
        printerSurfaceFactory() = [this](App&) { return std::make_unique<RecordingSurface>(log); };
        registerPrintCommands(*f->app);
        App::unknownCommand = [](const QString& name) { QFAIL(qPrintable("no command " + name)); };
        // ｽﾐﾚ: category 3 "H" with value list 21 = "5", classification 2.
        f->addPlant("ｽﾐﾚ", "ｽﾐﾚ",
                    "0102XH0Y000000000000"
                    "500000000"
                    "2");
        f->addPlant("ﾀﾝﾎﾟﾎﾟ", "ｷｸ", "050000000000000000000000000001");
        // Two names that agree in their first eight characters.
        f->addPlant("ｱｶﾂﾒｸｻｸﾞｻ", "ﾏﾒ", "010000000000000000000000000000");
        f->addPlant("ｱｶﾂﾒｸｻｸﾞﾓﾄﾞｷ", "ﾏﾒ", "020000000000000000000000000000");
        // 189 pixels = 2835 twips = 50 mm wide, 105 pixels = 27.78 mm high.
        QVERIFY(writePicture(f->here("ｽﾐﾚ.BMP"), 189, 105, Qt::blue, "BMP"));
        QVERIFY(writePicture(f->here("ﾀﾝﾎﾟﾎﾟ.BMP"), 60, 60, Qt::yellow, "BMP"));
        QVERIFY(writePicture(f->here("ｱｶﾂﾒｸｻｸﾞ.BMP"), 60, 60, Qt::red, "BMP"));
        QVERIFY(writePicture(f->here("ｽﾐﾚQ.BMP"), 120, 80, Qt::green, "BMP"));
    }
    void cleanup() {
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
        printerSurfaceFactory() = nullptr;
        App::unknownCommand = nullptr;
    }

    // --- the result table ---

    void resultTableOneJobPerCopy() {
        f->state.MatchScore[1] = 0;
        f->state.MatchScore[2] = 1;
        f->state.MatchScore[3] = 2;
        f->state.MatchScore[4] = 2;
        f->fakes.messages->expect(ConfirmTitle, ConfirmText, Answer::Yes);
        f->fakes.dialogs->queuePrinter(true, 2);
        f->app->run(cmd::Menu64A);
        QCOMPARE(log.count("end"), 2);
        QCOMPARE(log.lines.size(), 2 * 8);
        const QStringList one = log.lines.mid(0, 8);
        QCOMPARE(log.lines.mid(8), one);
        QCOMPARE(one[0], QString());
        QVERIFY(one[1].startsWith("7:植物名|22:科名|36:"));
        QVERIFY(one[3].startsWith("7:ｽﾐﾚ|22:(ｽﾐﾚ)科|36:"));
        QVERIFY(one[5].startsWith("6:*ﾀﾝﾎﾟﾎﾟ|22:(ｷｸ)科|"));
        QCOMPARE(one[7], QStringLiteral("7:以上です"));
        const PrintOp font = log.of("font").first();
        QCOMPARE(font.font.family(), QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(font.font.pointSizeF(), 9.0);
        QCOMPARE(f->fakes.dialogs->prepared.size(), 1);
    }

    void resultTableAiLinesAndRefusals() {
        // MENU64B: its own title and text, and an AI line under each plant.
        f->fakes.messages->expect(
            QStringLiteral("検索結果（AI条件）印刷"),
            QStringLiteral("検索結果（AI条件）を印刷します\n用紙の幅はA4の幅(約21cm)が必要です\n"
                           "(プリンタの準備はＯＫ?)"),
            Answer::Yes);
        f->fakes.dialogs->queuePrinter(true, 1);
        f->app->run(cmd::Menu64B);
        QVERIFY(log.lines[4].startsWith("22:AI|36:"));
        QCOMPARE(log.count("end"), 1);

        // No at the question, or a cancelled printer dialog: nothing at all.
        log = PrintLog{};
        f->fakes.messages->expect(ConfirmTitle, ConfirmText, Answer::No);
        f->app->run(cmd::Menu64A);
        f->fakes.messages->expect(ConfirmTitle, ConfirmText, Answer::Yes);
        f->fakes.dialogs->queuePrinter(false);
        f->app->run(cmd::Menu64A);
        QVERIFY(log.ops.isEmpty());
        QCOMPARE(f->fakes.dialogs->printerCalls, 2);
    }

    void printerErrorRetriesTheStepOrGivesUp() {
        // Two failures of the third line; OK twice retries it until it prints.
        log.failAt = 3;
        log.failures = 2;
        f->fakes.messages->expect(ConfirmTitle, ConfirmText, Answer::Yes);
        f->fakes.dialogs->queuePrinter(true, 1);
        f->fakes.messages->expect(ErrorTitle, QStringLiteral("プリンタのエラーです"), Answer::Ok);
        f->fakes.messages->expect(ErrorTitle, QStringLiteral("プリンタのエラーです"), Answer::Ok);
        f->app->run(cmd::Menu64A);
        QCOMPARE(log.lines.size(), 3 + 4 * 2 + 1);
        QCOMPARE(log.lines[2], QString());
        QCOMPARE(log.count("end"), 1);
        const Message shown = f->fakes.messages->shown.at(1);
        QCOMPARE(shown.icon, MessageIcon::Exclamation);
        QCOMPARE(shown.buttons, MessageButtons::OkCancel);

        // Another error number, and the second button: the printout is given
        // up, the drawn pages discarded, the second copy never started.
        log = PrintLog{};
        log.failAt = 2;
        log.failures = 1;
        log.failNumber = 53;
        f->fakes.messages->expect(ConfirmTitle, ConfirmText, Answer::Yes);
        f->fakes.dialogs->queuePrinter(true, 2);
        f->fakes.messages->expect(ErrorTitle, QStringLiteral("エラー番号 53のエラーです"),
                                  Answer::Cancel);
        f->app->run(cmd::Menu64A);
        QCOMPARE(log.count("abort"), 1);
        QCOMPARE(log.count("end"), 0);
        QCOMPARE(log.lines.size(), 1);
        QCOMPARE(f->fakes.messages->shown.last().icon, MessageIcon::Question);
    }

    // --- the print settings dialog ---

    void dialogOpensWithTheSavedSettings() {
        openPlant("ｽﾐﾚ");
        openDialog();
        QStringList names{"Command1", "Command2", "Command3",  "Command4",  "Command5", "Label12",
                          "Label14",  "Picture2", "Image1",    "Image2",    "Picture3", "Picture4",
                          "Image3",   "MENU42PB", "MENU42PB1", "MENU42PB2", "MENU42PB3"};
        for (int i = 1; i <= 16; ++i) {
            names << QStringLiteral("Text%1").arg(i);
        }
        for (int i = 1; i <= 4; ++i) {
            names << QStringLiteral("Che%1").arg(i);
        }
        for (const QString& n : names) {
            QVERIFY2(dialog()->findChild<QObject*>(n), qPrintable(n));
        }
        QCOMPARE(dialog()->windowTitle(), QStringLiteral("印刷の設定をします"));
        // Whole on the small test screen, so whole at 1024 x 768.
        const QRect screen = dialog()->screen()->availableGeometry();
        QVERIFY2(
            screen.contains(dialog()->frameGeometry()),
            qPrintable(QStringLiteral("%1x%2").arg(dialog()->width()).arg(dialog()->height())));
        if (const QString shots = qEnvironmentVariable("KUYU_SCREENSHOTS"); !shots.isEmpty()) {
            dialog()->grab().save(shots + QStringLiteral("/Form42PB.png"));
        }
        const QString caption = f->app->loaded<Form42>()->windowTitle();
        QCOMPARE(field(11)->text(), caption);
        QCOMPARE(requireChild<QLabel>(dialog(), "Label12")->text(), log.deviceName);
        QCOMPARE(requireChild<QLabel>(dialog(), "Label14")->text(),
                 QStringLiteral("A4、210 x 297 mm"));
        const QStringList expected{"1", "30", "30", "50",  "27.77778", "1",  "30", "150",
                                   "0", "0",  "",   "100", "30",       "30", "20", "1"};
        for (int n = 1; n <= 16; ++n) {
            if (n != 11) {
                QCOMPARE(field(n)->text(), expected[n - 1]);
            }
        }
        // No close-up window: Che4 unticked, its preview hidden.
        QVERIFY(!dialog()->check(4)->isChecked());
        QVERIFY(!dialog()->item("Image2")->isVisible());
        QCOMPARE(f->state.Print.PrintCloseUpOn, std::int16_t{0});
        // Portrait A4 preview: one pixel per millimetre.
        QCOMPARE(dialog()->sheet()->size(), QSize(210, 297));
        QCOMPARE(dialog()->item("Image1")->geometry(), QRect(30, 30, 50, 28));
        QCOMPARE(dialog()->item("Picture4")->pos(), QPoint(100, 30));
        QVERIFY(dialog()->item("Picture3")->nameText() == caption);
        // Every item's group follows its check box.
        dialog()->check(3)->setChecked(false);
        QVERIFY(!field(1)->isEnabled() && !field(5)->isEnabled());
        QVERIFY(!dialog()->item("Image1")->isVisible());
        dialog()->check(3)->setChecked(true);
        QVERIFY(field(4)->isEnabled());
    }

    // Opened again, the print settings and the name title come up where the
    // person left them, a minimised one restored and raised over the others.
    void windowsShownAgainComeBackFromMinimised() {
        openPlant("ｽﾐﾚ");
        const struct {
            const char* what;
            std::function<void()> show;
            std::function<QWidget*()> window;
        } cases[] = {
            {"print settings", [this] { openDialog(); }, [this] { return dialog(); }},
            {"name title", [this] { requireChild<QPushButton>(dialog(), "Command5")->click(); },
             [this] { return static_cast<QWidget*>(f->app->loaded<Form42P>()); }},
        };
        struct Raises : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                count += e->type() == QEvent::ZOrderChange ? 1 : 0;
                return false;
            }
        };
        for (const auto& c : cases) {
            c.show();
            QWidget* w = c.window();
            QVERIFY2(w && w->isVisible(), c.what);
            const QPoint put = w->pos() + QPoint(7, 5);
            w->move(put);
            w->showMinimized();
            QVERIFY2(w->isMinimized(), c.what);
            Raises raises;
            w->installEventFilter(&raises);
            c.show();
            w->removeEventFilter(&raises);
            QVERIFY2(c.window() == w && w->isVisible() && !w->isMinimized(), c.what);
            QVERIFY2(raises.count > 0, c.what);
            QCOMPARE(w->pos(), put);
        }
        // Opened again for another plant, the same dialog shows that plant.
        QWidget* was = dialog();
        openPlant("ﾀﾝﾎﾟﾎﾟ");
        openDialog();
        QCOMPARE(dialog(), was);
        QCOMPARE(field(11)->text(), f->app->loaded<Form42>()->windowTitle());
        QVERIFY(field(11)->text().contains(QStringLiteral("ﾀﾝﾎﾟﾎﾟ")));
    }

    void landscapeA3AndUnknownPaper() {
        log.orientation = 2;
        log.paper = 8;
        openPlant("ｽﾐﾚ");
        openDialog();
        QCOMPARE(requireChild<QLabel>(dialog(), "Label14")->text(),
                 QStringLiteral("A3、420 x 297 mm"));
        QCOMPARE(dialog()->sheet()->geometry(), QRect(3, 47, 297, 210));
        QCOMPARE(f->state.Print.PreviewScale, static_cast<float>(4455.0 / 420 / 56.7));
        // The printer dialog changes the paper: the sheet is laid out again.
        log.orientation = 1;
        log.paper = 70;
        f->fakes.dialogs->queuePrinter(true);
        requireChild<QPushButton>(dialog(), "Command3")->click();
        QCOMPARE(requireChild<QLabel>(dialog(), "Label14")->text(),
                 QStringLiteral("A4で設定します"));
        QCOMPARE(dialog()->sheet()->geometry(), QRect(47, 1, 210, 297));
        // A cancelled printer dialog changes nothing.
        f->fakes.dialogs->queuePrinter(false);
        requireChild<QPushButton>(dialog(), "Command3")->click();
        QCOMPARE(requireChild<QLabel>(dialog(), "Label14")->text(),
                 QStringLiteral("A4で設定します"));
    }

    void fieldsCommitOnlyNumbersAboveZero() {
        openPlant("ｽﾐﾚ");
        openDialog();
        const QRect before = dialog()->item("Image1")->geometry();
        for (const char* bad : {"-5", "abc", "0"}) {
            type(2, QString::fromLatin1(bad));
            QCOMPARE(field(2)->text(), QStringLiteral("0"));
        }
        QCOMPARE(f->fakes.beeper->count, 3);
        QCOMPARE(dialog()->item("Image1")->geometry(), before);
        // A width sets the scale and the height; a scale sets both sizes.
        type(4, "100");
        QCOMPARE(field(1)->text(), QStringLiteral("2"));
        QCOMPARE(field(5)->text(), QStringLiteral("55.55556"));
        QCOMPARE(dialog()->item("Image1")->size(), QSize(100, 56));
        type(1, "0.5");
        QCOMPARE(field(4)->text(), QStringLiteral("25"));
        type(5, "55.55556");
        QCOMPARE(field(4)->text(), QStringLiteral("100"));
        // Positions move their preview item.
        type(12, "10");
        type(15, "50");
        QCOMPARE(dialog()->item("Picture4")->pos(), QPoint(10, 30));
        QCOMPARE(dialog()->item("Picture3")->y(), 50);
        type(16, "2");
        QCOMPARE(dialog()->item("Picture4")->cardZoom(), 2 * f->state.Print.PreviewScale);
        // Focus leaving a field commits it too.
        field(3)->setText("-1");
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field(3), &out);
        QCOMPARE(field(3)->text(), QStringLiteral("0"));
        QCOMPARE(f->fakes.beeper->count, 4);
        // Nothing is saved until 印刷実行.
        QCOMPARE(f->state.Print.PrintCardLeft, 100.0f);
    }

    void draggingAndSizingWriteTheFields() {
        openPlant("ｽﾐﾚ");
        openDialog();
        QWidget* image1 = dialog()->item("Image1");
        // Its left edge dropped at the sheet's edge: 1 mm.
        drag(image1, QPoint(5, 5), QPoint(-25, 15));
        QCOMPARE(field(2)->text(), QStringLiteral("1"));
        QCOMPARE(field(3)->text(), QStringLiteral("41"));
        QCOMPARE(image1->pos(), QPoint(1, 41));
        // Dropped off the sheet: nothing changes.
        drag(image1, QPoint(5, 5), QPoint(-100, 5));
        QCOMPARE(field(2)->text(), QStringLiteral("1"));
        // The card sized by its corner: 44 px high is 660 twips, 300 wide.
        QWidget* card = dialog()->item("Picture4");
        const QPoint corner(card->width() - 2, card->height() - 2);
        drag(card, corner, QPoint(30, 44));
        const double scale = f->state.Print.PreviewScale;
        QCOMPARE(field(16)->text(), qs(printing::plainNumber(660 / 2.2 / scale / 1800)));
        // The picture sized by its corner keeps 200 : 340.
        const QPoint pictureCorner(image1->width() - 1, image1->height() - 1);
        drag(image1, pictureCorner, QPoint(60, 68));
        QCOMPARE(image1->size(), QSize(40, 68));
        QCOMPARE(field(4)->text(), qs(printing::plainNumber(600 / 56.7 / scale)));
    }

    void rightClickOffersTheDialogCommands() {
        openPlant("ｽﾐﾚ");
        openDialog();
        QMenu* menu = dialog()->popupMenu();
        QCOMPARE(menu->objectName(), QStringLiteral("MENU42PB"));
        QCOMPARE(menu->defaultAction()->objectName(), QStringLiteral("MENU42PB3"));
        QStringList captions;
        for (QAction* a : menu->actions()) {
            captions << a->text();
        }
        QCOMPARE(captions,
                 QStringList({"プリンタ設定(&P&ｾ)", "ｷｬﾝｾﾙ(&E&ｲ)", "印刷実行（ＯＫ）(&O&ﾗ)"}));
        QTest::mouseClick(requireChild<QLabel>(dialog(), "Label14"), Qt::RightButton);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        // ｷｬﾝｾﾙ closes the dialog and prints nothing.
        menu->actions().at(1)->trigger();
        f->flush();
        QVERIFY(!dialog());
        QVERIFY(log.ops.isEmpty());
    }

    // --- the plant page ---

    void plantPageItemsInOrder() {
        openPlant("ｽﾐﾚ");
        openDialog();
        FontChoice font;
        font.font = QFont(QStringLiteral("ＭＳ ゴシック"), 28);
        font.font.setUnderline(true);
        font.colour = QColor(0, 0, 128);
        f->fakes.dialogs->queueFont(font);
        requireChild<QPushButton>(dialog(), "Command4")->click();
        auto* image = f->app->loaded<Form42P>();
        QVERIFY(image);
        QCOMPARE(image->label1()->font().pointSize(), 28);
        requireChild<QPushButton>(dialog(), "Command5")->click();
        QVERIFY(image->isVisible());
        QCOMPARE(image->windowTitle(), QStringLiteral("植物名タイトル"));
        field(11)->setText(QStringLiteral("スミレ"));
        requireChild<QPushButton>(dialog(), "Command2")->click();
        f->flush();
        QVERIFY(!dialog());
        QVERIFY(!f->app->loaded<Form42P>());

        // Order: picture, name, card frame, captions, values; one end.
        QStringList kinds;
        for (const auto& o : log.ops) {
            if (kinds.isEmpty() || kinds.last() != o.kind) {
                kinds << o.kind;
            }
        }
        QCOMPARE(kinds.first(), QStringLiteral("picture"));
        QCOMPARE(kinds.last(), QStringLiteral("end"));
        const PrintOp picture = log.of("picture").first();
        QCOMPARE(picture.x, 30 * 56.7);
        QCOMPARE(picture.x2, 2835.0);
        QCOMPARE(picture.y2, 1575.0);
        const auto texts = log.of("text");
        QCOMPARE(texts[0].text, QStringLiteral("スミレ"));
        QCOMPARE(texts[0].x, 30 * 56.7);
        QCOMPARE(texts[0].y, 20 * 56.7);
        QCOMPARE(texts[0].font.pointSize(), 28);
        QVERIFY(texts[0].font.underline());
        QCOMPARE(texts[0].colour, QColor(0, 0, 128));

        // The card at 100, 30 mm, scale 1.
        const double x0 = 100 * 56.7, y0 = 30 * 56.7;
        const PrintOp frame = log.of("rect").first();
        QCOMPARE(frame.x, x0);
        QCOMPARE(frame.y2 - frame.y, 3960.0);
        QCOMPARE(frame.width, 3);
        const auto lines = log.of("line");
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[0].width, 3);
        QCOMPARE(lines[0].y, y0 + 360);
        QCOMPARE(lines[1].width, 1);
        QCOMPARE(lines[10].x, x0 + 828);
        QCOMPARE(texts[1].text, QStringLiteral("花の色"));
        QCOMPARE(texts[1].x, x0 + 54);
        QCOMPARE(texts[1].y, y0 + 360 + 72);
        QCOMPARE(texts[1].font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(texts[1].font.pointSizeF(), 12.0);
        QCOMPARE(texts[3].text, QStringLiteral(" 花序 "));
        // Classification row, then the values in their colours.
        QCOMPARE(texts[11].text, f->app->loaded<Form42>()->classification()->text());
        QCOMPARE(texts[11].y, y0 + 72);
        QCOMPARE(texts[11].colour, QColor(Qt::black));
        QCOMPARE(texts[12].x, x0 + 900);
        QCOMPARE(texts[12].font.family(), QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(texts[12].colour, QColor(255, 0, 255));
        QCOMPARE(texts[13].text, QString("%1  ").arg(qs(f->state.OptionLabel[2][2])));
        QCOMPARE(texts[14].text, qs(f->state.OptionLabel[3][5]) + "*");
        QCOMPARE(texts[15].text, QStringLiteral("  なし "));
        QCOMPARE(texts[17].text, QStringLiteral("  不明 "));
        QCOMPARE(texts[17].colour, QColor(0, 128, 0));
        QCOMPARE(texts[21].colour, QColor(128, 0, 0));
        QCOMPARE(texts.size(), 22);
        // What was printed is kept for the next time.
        QCOMPARE(f->state.Print.PrintNameText, ts("スミレ"));
    }

    void closeUpPrintsOnlyForTheSamePlant() {
        openPlant("ｽﾐﾚ");
        requireChild<QPushButton>(f->app->loaded<Form42>(), "Command1")->click();
        auto* closeUp = f->app->loaded<Form43>();
        QVERIFY(closeUp && closeUp->isVisible());
        openDialog();
        QVERIFY(dialog()->check(4)->isChecked());
        QVERIFY(dialog()->item("Image2")->isVisible());
        // Two copies chosen in the printer dialog: two jobs.
        f->fakes.dialogs->queuePrinter(true, 2);
        requireChild<QPushButton>(dialog(), "Command3")->click();
        requireChild<QPushButton>(dialog(), "Command2")->click();
        QCOMPARE(log.count("end"), 2);
        QCOMPARE(log.count("picture"), 4);
        const PrintOp up = log.of("picture")[1];
        QCOMPARE(up.y, 150 * 56.7);
        QCOMPARE(up.x2, double(twips(closeUp->image()->width())));

        // Another plant in the plant window: the close-up is left out.
        log = PrintLog{};
        openPlant("ﾀﾝﾎﾟﾎﾟ");
        openDialog();
        f->fakes.dialogs->queuePrinter(true, 1);
        requireChild<QPushButton>(dialog(), "Command3")->click();
        QVERIFY(!dialog()->check(4)->isChecked());
        dialog()->check(4)->setChecked(true);
        requireChild<QPushButton>(dialog(), "Command2")->click();
        QCOMPARE(log.count("picture"), 1);
    }

    void cardValuesFollowTheKey() {
        openPlant("ｱｶﾂﾒｸｻｸﾞ");
        openDialog();
        requireChild<QPushButton>(dialog(), "Command2")->click();
        // The later of two plants agreeing in eight characters: colour 2.
        const auto texts = log.of("text");
        QCOMPARE(texts.last().text, QStringLiteral("  不明 "));
        QCOMPARE(texts[12].text, qs(f->state.OptionLabel[1][2]) + "  ");

        // No plant under NameKey: frame and captions, nothing else.
        log = PrintLog{};
        openDialog();
        f->state.NameKey = ts("ﾅｲ");
        requireChild<QPushButton>(dialog(), "Command2")->click();
        QCOMPARE(log.of("text").size(), 1 + 10);
        QCOMPARE(log.count("line"), 11);
    }

    // With nothing ticked the person is told so before any file is asked
    // for, and the dialog stays to tick something.
    void nothingChosenIsSaidFirst() {
        openPlant("ｽﾐﾚ");
        requireChild<QPushButton>(f->app->loaded<Form42>(), "Command1")->click();
        openDialog();
        for (int c = 1; c <= 4; ++c) {
            dialog()->check(c)->setChecked(false);
        }
        f->fakes.messages->expect(
            QStringLiteral("お知らせ"),
            QStringLiteral(
                "印刷する項目が選ばれていません。\n"
                "植物名、植物の特徴、植物図、UP画像のどれかにチェックを付けてください。"));
        requireChild<QPushButton>(dialog(), "Command2")->click();
        f->flush();
        QVERIFY(dialog());
        QVERIFY(f->fakes.dialogs->prepared.isEmpty());
        QVERIFY(log.ops.isEmpty());
        // One item is enough.
        dialog()->check(4)->setChecked(true);
        requireChild<QPushButton>(dialog(), "Command2")->click();
        QCOMPARE(log.count("picture"), 1);
        QCOMPARE(log.count("end"), 1);
    }

    // A page whose scale is 0 leaves that item out: no blot of card texts
    // at one spot, no font of no size.
    void zeroScaleLeavesTheItemOut_data() {
        QTest::addColumn<float>("pictureZoom");
        QTest::addColumn<float>("closeUpZoom");
        QTest::addColumn<float>("cardZoom");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("frames");
        QTest::newRow("all at scale 1") << 1.0f << 1.0f << 1.0f << 2 << 1;
        QTest::newRow("card at 0") << 1.0f << 1.0f << 0.0f << 2 << 0;
        QTest::newRow("picture at 0") << 0.0f << 1.0f << 1.0f << 1 << 1;
        QTest::newRow("close-up at 0") << 1.0f << 0.0f << 1.0f << 1 << 1;
    }
    void zeroScaleLeavesTheItemOut() {
        QFETCH(float, pictureZoom);
        QFETCH(float, closeUpZoom);
        QFETCH(float, cardZoom);
        QFETCH(int, pictures);
        QFETCH(int, frames);
        f->state.NameKey = ts("ｽﾐﾚ");
        PlantPage page;
        page.settings.PrintPictureZoom = pictureZoom;
        page.settings.PrintCloseUpZoom = closeUpZoom;
        page.settings.PrintCardZoom = cardZoom;
        page.settings.PrintNameText = ts("ｽﾐﾚ");
        page.picture = QImage(10, 10, QImage::Format_RGB32);
        page.pictureTwips = QSizeF(150, 150);
        page.closeUpSamePlant = true;
        page.closeUp = page.picture;
        page.closeUpTwips = page.pictureTwips;
        RecordingSurface surface(log);
        PrintPlantPage(surface, f->state, page);
        QCOMPARE(log.count("picture"), pictures);
        QCOMPARE(log.count("rect"), frames);
        // The name, and the card's 21 texts only with its frame.
        QCOMPARE(log.count("text"), 1 + frames * 21);
        for (const PrintOp& font : log.of("font")) {
            QVERIFY(font.font.pointSizeF() > 0);
        }
    }

    // The card sized by its corner far beyond any paper stops at the
    // largest scale that fits one.
    void sizingStopsAtTheLargestPaper() {
        openPlant("ｽﾐﾚ");
        openDialog();
        QWidget* card = dialog()->item("Picture4");
        drag(card, QPoint(card->width() - 2, card->height() - 2), QPoint(3000, 6000));
        QCOMPARE(field(16)->text(), qs(printing::plainNumber(printing::cardZoomLimit())));
        QWidget* image1 = dialog()->item("Image1");
        drag(image1, QPoint(image1->width() - 1, image1->height() - 1), QPoint(6000, 9000));
        QCOMPARE(field(4)->text(), QStringLiteral("420"));
    }

    void paperCodeOfEveryQtSize() {
        const std::pair<QPageSize::PageSizeId, int> rows[] = {
            {QPageSize::A3, 8},    {QPageSize::A4, 9},     {QPageSize::A4Small, 10},
            {QPageSize::A5, 11},   {QPageSize::B4, 12},    {QPageSize::JisB4, 12},
            {QPageSize::B5, 13},   {QPageSize::JisB5, 13}, {QPageSize::Letter, 0},
            {QPageSize::Custom, 0}};
        for (const auto& [id, code] : rows) {
            QCOMPARE(QtPrinterSurface::paperCode(id), code);
        }
    }

    void failedPlantPageSaysSoAndCloses() {
        openPlant("ｽﾐﾚ");
        openDialog();
        log.failAt = 1;
        log.failures = 5;
        f->fakes.messages->expect(ErrorTitle, QStringLiteral("プリンタのエラーです"));
        requireChild<QPushButton>(dialog(), "Command2")->click();
        f->flush();
        QVERIFY(!dialog());
        QCOMPARE(log.count("abort"), 1);
        QCOMPARE(f->fakes.messages->shown.last().buttons, MessageButtons::Ok);
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
