// SPDX-License-Identifier: GPL-3.0-or-later
// What the program sets up on its application object: pop-up menus that show
// every caption whole, Qt's own texts in Japanese, and allocation failures
// that end one action with its message instead of the program.

#include "PlantWindowsSupport.h"

#include "gui/app/Application.h"
#include "gui/app/Commands.h"
#include "gui/app/Fonts.h"
#include "gui/app/MainWindow.h"
#include "gui/conditions/Form11.h"
#include "gui/finders/FamilySearch.h"
#include "gui/finders/NameSearchWindows.h"
#include "gui/finders/SearchPanel.h"
#include "gui/images/ImageBox.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/DetailWindows.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/plantview/RegisteredListWindow.h"
#include "gui/widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextItem>
#include <QVBoxLayout>
#include <QtTest>
#include <vector>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

// A paint device that keeps the text a widget draws, as the painter hands it
// over: after access marks are taken out and after any eliding.
class TextRecorder : public QPaintDevice {
  public:
    QStringList texts() const { return engine_.texts; }
    QPaintEngine* paintEngine() const override { return &engine_; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 4000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 1000;
        }
    }

  private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
        Type type() const override { return User; }
        QStringList texts;
    };
    mutable Engine engine_;
};

// The texts a menu draws with `item` as its default (bold) item.
QString drawnText(QMenu* menu, QAction* item) {
    menu->setDefaultAction(item);
    menu->adjustSize();
    TextRecorder recorder;
    menu->render(&recorder);
    return recorder.texts().join(QString());
}

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        registerAllCommands(*f->app);
    }
    void cleanup() { f.reset(); }

    void everyPopUpMenuShowsItsCaptionsWhole() {
        auto& main = f->app->load<MDIForm1>();
        f->app->setMainWindow(&main);
        const QList<QWidget*> windows = {
            &main,
            &f->app->load<Form11>(),
            &f->app->load<SearchPanel>(),
            &f->app->load<Form42>(),
            &f->app->load<Form43>(),
            &f->app->load<Form43R>(),
            &f->app->load<Form43T>(),
            &f->app->load<FamilySearch>(),
            &f->app->load<Form53>(),
            &f->app->load<NameSearchInput>(),
            &f->app->load<NameSearchList>(),
        };
        int menus = 0;
        for (QWidget* w : windows) {
            for (QMenu* menu : w->findChildren<QMenu*>()) {
                ++menus;
                for (QAction* a : menu->actions()) {
                    if (a->isSeparator() || a->text().isEmpty()) {
                        continue;
                    }
                    const QString drawn = drawnText(menu, a);
                    QVERIFY2(!drawn.contains(QChar(0x2026)),
                             qPrintable(w->objectName() + QLatin1Char('/') + menu->objectName() +
                                        QStringLiteral(": ") + drawn));
                }
                menu->setDefaultAction(nullptr);
            }
        }
        QVERIFY(menus >= 20);
    }

    // The name search's list used to open right over the name search, and
    // both close-ups at one spot.
    void windowsOfTheWalkDoNotCoverEachOther() {
        MDIForm1& main = ShowMainWindow(*f->app, 1215);
        const QRect area = availableArea(&main);
        QCOMPARE(main.frameGeometry().topLeft(), area.topLeft());
        const struct {
            const char* name;
            QSize size;
        } walk[] = {{"Form41", {300, 400}},
                    {"Form54", {260, 110}},
                    {"Form54A", {260, 200}},
                    {"Form43", {190, 140}},
                    {"Form43R", {190, 140}}};
        std::vector<std::unique_ptr<QWidget>> windows;
        for (const auto& w : walk) {
            auto window = std::make_unique<QWidget>();
            window->setObjectName(QString::fromLatin1(w.name));
            window->resize(w.size);
            placeWindow(window.get());
            window->show();
            windows.push_back(std::move(window));
        }
        QList<QWidget*> all{&main};
        for (auto& w : windows) {
            all << w.get();
        }
        for (QWidget* a : all) {
            QVERIFY2(area.contains(a->frameGeometry()),
                     qPrintable(a->objectName() + QString(" %1,%2 %3x%4 in %5x%6")
                                                      .arg(a->frameGeometry().x())
                                                      .arg(a->frameGeometry().y())
                                                      .arg(a->frameGeometry().width())
                                                      .arg(a->frameGeometry().height())
                                                      .arg(area.width())
                                                      .arg(area.height())));
            for (QWidget* b : all) {
                QVERIFY2(
                    a == b || !a->frameGeometry().intersects(b->frameGeometry()),
                    qPrintable(a->objectName() + QStringLiteral(" covers ") + b->objectName()));
            }
        }
        QCOMPARE(windows[0]->pos().x(), area.left()); // the panel keeps its place at the left
    }

    // Windows placed in their constructor grow afterwards (the picker gets its
    // illustration, a close-up its picture) and were left where their first,
    // smaller size had put them; a dialog asked for by the main window opened
    // over its menus. Each is placed again, at its real size, as it shows.
    void windowsArePlacedAtTheSizeTheyShowWith() {
        MDIForm1& main = ShowMainWindow(*f->app, 1215);
        const QRect area = availableArea(&main);
        const int below = main.frameGeometry().bottom() + 1;
        struct Case {
            const char* name;
            QSize first;
            QSize shown;
            bool dialog;
        };
        const Case cases[] = {{"Form43", {320, 240}, {250, 290}, false},
                              {"Form11", {100, 30}, {700, 420}, false},
                              {"QFileDialog", {300, 200}, {700, 420}, true}};
        for (const Case& c : cases) {
            QWidget window;
            window.setObjectName(QString::fromLatin1(c.name));
            window.resize(c.first);
            if (c.dialog) {
                placeDialog(&window, &main);
            } else {
                placeWindow(&window);
            }
            window.resize(c.shown);
            window.show();
            const QRect frame = window.frameGeometry();
            QVERIFY2(area.contains(frame), c.name);
            QVERIFY2(frame.top() > below, c.name);
            if (!c.dialog) { // against the right edge, as the table says
                QCOMPARE(frame.right(), area.right());
            } else {
                QVERIFY2(qAbs(frame.center().x() - area.center().x()) <= 1, c.name);
            }
        }
    }

    // A window taller than the room below the main window (the name
    // search's list, the search panel at a large scale) was fitted to the
    // screen only and opened over the main window's menus; one that can be
    // made shorter is, one that cannot keeps its height.
    void aTallWindowIsShortenedBelowTheMainWindow() {
        MDIForm1& main = ShowMainWindow(*f->app, 1215);
        const QRect area = availableArea(&main);
        const int below = main.frameGeometry().bottom() + 1;
        for (const bool shrinks : {true, false}) {
            QWidget window;
            window.setObjectName(QStringLiteral("Form54A"));
            auto* layout = new QVBoxLayout(&window);
            auto* list = new QListWidget;
            list->setMinimumHeight(shrinks ? 40 : area.height() - 20);
            layout->addWidget(list);
            window.resize(260, area.height() - 10);
            placeWindow(&window);
            window.show();
            QVERIFY(area.contains(window.frameGeometry()));
            if (shrinks) {
                QVERIFY(window.frameGeometry().top() > below);
            } else {
                QVERIFY(window.height() >= area.height() - 20);
            }
        }
    }

    // A legal 8192 × 8192 picture made the picker as large; no window grows
    // past the screen, and the picture is cut at the window's edge.
    void noWindowGrowsBeyondTheScreen() {
        installScreenBounds();
        auto& picker = f->app->load<Form11>();
        QImage huge(8192, 8192, QImage::Format_Indexed8);
        huge.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        huge.fill(1);
        picker.image()->setPicture(huge);
        picker.show();
        QWidget plain;
        plain.resize(8214, 8243);
        plain.show();
        for (QWidget* w : {static_cast<QWidget*>(&picker), &plain}) {
            QVERIFY2(availableArea(w).contains(w->frameGeometry()),
                     qPrintable(w->objectName() +
                                QStringLiteral(" %1x%2").arg(w->width()).arg(w->height())));
        }
    }

    void qtTextsAreJapanese() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_ja.qm"))) {
            QSKIP("Qt's Japanese translations are not installed");
        }
        QVERIFY(installJapaneseTranslations(*QCoreApplication::instance()));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove(QRegularExpression("\\(&.\\)")),
                 QStringLiteral("はい"));
        QCOMPARE(box.button(QDialogButtonBox::No)->text().remove(QRegularExpression("\\(&.\\)")),
                 QStringLiteral("いいえ"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    }

    // Out of memory in a command or in any window's own handler (a button
    // click) ends that action with error 7; the program goes on.
    void allocationFailuresBecomeTheActionsMessage() {
        constexpr CommandId hungry{"Hungry"};
        f->app->registerCommand(hungry, [] { throw std::bad_alloc(); });
        f->fakes.messages->expect(QStringLiteral("エラーメッセージ"),
                                  QStringLiteral("エラー番号7のエラーです"));
        QVERIFY(f->app->run(hungry));

        KuyuApplication::onActionFailure = [this] { ReportActionFailure(*f->app); };
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("図示"), &window);
        connect(button, &QPushButton::clicked, [] { throw std::bad_alloc(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int click = 0; click < 2; ++click) { // still alive after the first
            f->fakes.messages->expect(QStringLiteral("エラーメッセージ"),
                                      QStringLiteral("エラー番号7のエラーです"));
            QTest::mouseClick(button, Qt::LeftButton);
        }
        KuyuApplication::onActionFailure = nullptr;
        QVERIFY2(f->fakes.messages->verify(),
                 qPrintable(f->fakes.messages->failures().join(QLatin1Char('\n'))));
        QCOMPARE(f->fakes.messages->shown.size(), 3);
    }

    // Only the option alone is answered; every other command line, a
    // database path that merely looks like an option among them, is left to
    // start-up, which reads it as the database.
    void helpAndVersionAnswerOnlyAlone_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer"); // "help", "version" or empty
        QTest::newRow("--help") << QStringList{"--help"} << "help";
        QTest::newRow("--version") << QStringList{"--version"} << "version";
        QTest::newRow("no argument") << QStringList{} << "";
        QTest::newRow("a database") << QStringList{"KUYU.DAT"} << "";
        QTest::newRow("a database path holding --help") << QStringList{"/data/--help"} << "";
        QTest::newRow("a path with a blank after --help") << QStringList{"--help", "x"} << "";
        QTest::newRow("--version and a database") << QStringList{"--version", "KUYU.DAT"} << "";
        QTest::newRow("a longer word") << QStringList{"--helpme"} << "";
        QTest::newRow("empty argument") << QStringList{""} << "";
    }
    void helpAndVersionAnswerOnlyAlone() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);
        std::vector<QByteArray> bytes{"kuyu"};
        for (const QString& a : arguments) {
            bytes.push_back(a.toUtf8());
        }
        std::vector<const char*> argv;
        for (const QByteArray& b : bytes) {
            argv.push_back(b.constData());
        }
        argv.push_back(nullptr);
        const auto text = CommandLineAnswer(static_cast<int>(bytes.size()), argv.data(), "9.8");
        QCOMPARE(text.has_value(), !answer.isEmpty());
        if (answer == QLatin1String("help")) {
            const QString help = QString::fromStdString(*text);
            QVERIFY(help.startsWith(QStringLiteral("使い方: kuyu [データファイル]\n")));
            QVERIFY(help.contains(QStringLiteral("--version")));
            QVERIFY(help.contains(QStringLiteral("kuyu.ini")));
        } else if (answer == QLatin1String("version")) {
            QVERIFY(QString::fromStdString(*text).startsWith(QStringLiteral("kuyu 9.8\n")));
        }
    }

    // The program itself answers without a display: were a window (or the
    // application object) made first, it would fail to reach an X server.
    void programAnswersWithoutADisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("--help") << "--help"
                                << "^使い方: kuyu \\[データファイル\\]$";
        QTest::newRow("--version") << "--version"
                                   << "^kuyu \\d+\\.\\d+$";
    }
    void programAnswersWithoutADisplay() {
        QFETCH(QString, option);
        QFETCH(QString, firstLine);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KUYU_PROGRAM_PATH), {option});
        QVERIFY(program.waitForFinished(20000));
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, qPrintable(err));
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QVERIFY2(
            QRegularExpression(firstLine).match(out.section(QLatin1Char('\n'), 0, 0)).hasMatch(),
            qPrintable(out));

        // An answer that cannot be written is a failure, not a success.
        QProcess full;
        full.setProcessEnvironment(env);
        full.setStandardOutputFile(QStringLiteral("/dev/full"));
        full.start(QStringLiteral(KUYU_PROGRAM_PATH), {option});
        QVERIFY(full.waitForFinished(20000));
        QCOMPARE(full.exitCode(), 1);
    }
};

int main(int argc, char** argv) {
    KuyuApplication application(argc, argv);
    installMenuStyle();
    installFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
