// SPDX-License-Identifier: GPL-3.0-or-later
// Windows on a real X server, where sizes and places are answered late:
// first with no window manager (where the keyboard goes once a message box
// closes), then under openbox (the close-up's width, where windows land).
// The test starts its own Xvfb and openbox and ends them.

#include "PlantWindowsSupport.h"

#include "gui/app/Application.h"
#include "gui/app/Commands.h"
#include "gui/app/Fonts.h"
#include "gui/browse/Browse.h"
#include "gui/browse/ResultPagesWindow.h"
#include "gui/finders/NameSearchWindows.h"
#include "gui/finders/SearchPanel.h"
#include "gui/images/ImageBox.h"
#include "gui/images/ImageBrowser.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/platform/QtPlatform.h"
#include "gui/widgets/WindowPlacement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

// A program this test started, ended with it.
class Child {
  public:
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { stop(); }
    bool start(const std::vector<std::string>& args) {
        std::vector<char*> argv;
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        return posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
    }
    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

  private:
    pid_t pid_ = -1;
};

// Starts Xvfb on a free display and answers its name (":N"), or "" after
// ten seconds without an answer.
std::string startXvfb(Child& server, const char* screen) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    const bool started = server.start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                       screen, "-nolisten", "tcp", "-noreset"});
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (started && poll(&p, 1, 10000) > 0) {
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n') {
            break;
        }
        number += c;
    }
    close(fds[0]);
    return number.empty() ? std::string() : ":" + number;
}

// The frame as the window system reports it now (the widget's own copy may
// lag behind).
QRect frameOf(const QWidget* w) {
    return w->windowHandle() ? w->windowHandle()->frameGeometry() : w->frameGeometry();
}

// "Form41 0,89 420x577 in 0,0 1024x768", for a failure's message.
QByteArray where(const QWidget* w) {
    const QRect f = frameOf(w);
    const QRect a = w->screen()->availableGeometry();
    return QStringLiteral("%1 %2,%3 %4x%5 in %6,%7 %8x%9")
        .arg(w->objectName())
        .arg(f.x())
        .arg(f.y())
        .arg(f.width())
        .arg(f.height())
        .arg(a.x())
        .arg(a.y())
        .arg(a.width())
        .arg(a.height())
        .toUtf8();
}

void settle(int ms = 400) {
    QTest::qWait(ms);
}

// Waits until the window manager's answers for `w` are in and the window is
// no longer held on its spot.
bool placed(const QWidget* w) {
    return QTest::qWaitFor([w] { return !placementPending(w); }, 8000);
}

// Presses OK of the message box that is showing, once it shows.
void answerTheBox() {
    QTimer::singleShot(300, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Ok)->click();
        }
    });
}

} // namespace

// With no window manager nobody hands the keyboard on when a window goes.
class NoWindowManagerTest : public QObject {
    Q_OBJECT

  private slots:
    void aMessageBoxGivesTheKeyboardBackToTheWindowThatAsked() {
        QWidget asker;
        asker.setWindowTitle(QStringLiteral("asker"));
        asker.resize(300, 200);
        asker.show();
        asker.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&asker));
        QtMessageBoxes boxes;
        Message m;
        m.text = U"該当する植物はありません";
        m.title = U"図示検索";
        answerTheBox();
        QCOMPARE(boxes.show(&asker, m), Answer::Ok);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &asker, 2000);
    }
};

class WindowManagerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;

    Form45* pages() const { return f->app->loaded<Form45>(); }
    QPushButton* pageButton(const char* name) const {
        return requireChild<QPushButton>(pages(), QString::fromLatin1(name));
    }
    QRect area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    void openPages() {
        QVERIFY(f->app->run(cmd::Menu45));
        QVERIFY(pages() && QTest::qWaitForWindowExposed(pages()));
        QVERIFY(placed(pages()));
    }
    // Below the main window's strip, whole on the screen, clear of every
    // window in `others`.
    void expectPlacedApart(const QWidget* w, const QList<const QWidget*>& others) {
        const QRect frame = frameOf(w);
        QVERIFY2(frame != w->geometry(), "no frame: " + where(w));
        QVERIFY2(area().contains(frame), where(w));
        QVERIFY2(frame.top() > frameOf(f->main.get()).bottom(),
                 (where(w) + " over " + where(f->main.get())).constData());
        for (const QWidget* o : others) {
            QVERIFY2(!frame.intersects(frameOf(o)), (where(w) + " over " + where(o)).constData());
        }
    }
    // The person drags the window to `width` (the window manager does it).
    static void dragWidth(QWidget* w, int width) {
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("windowsize"), QString::number(w->winId()),
                                    QString::number(qRound(width * w->devicePixelRatioF())),
                                    QString::number(qRound(w->height() * w->devicePixelRatioF()))}),
                 0);
    }

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        const char* const plants[][2] = {
            {"ｽﾐﾚ", "ｽﾐﾚ"}, {"ﾀﾝﾎﾟﾎﾟ", "ｷｸ"}, {"ﾅｽﾞﾅ", "ｱﾌﾞﾗﾅ"}, {"ｱｶﾈ", "ｱｶﾈ"}};
        for (const auto& p : plants) {
            f->addPlant(QString::fromUtf8(p[0]), QString::fromUtf8(p[1]), "00");
        }
        registerBrowseCommands(*f->app);
        registerSearchCommands(*f->app);
        // The main window's strip along the top of the screen.
        f->main->setObjectName(QStringLiteral("MDIForm1"));
        f->main->setMinimumWidth(area().width() - 20);
        f->main->resize(area().width() - 20, 60);
        f->main->move(area().topLeft());
        f->main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->main.get()));
        settle();
        QVERIFY(writePicture(f->here("ｽﾐﾚ.BMP"), 200, 340, Qt::blue, "BMP"));
        // The sample data's close-ups are 240 pixels square.
        QVERIFY(writePicture(f->here("ｽﾐﾚQ.BMP"), 240, 240, Qt::darkGreen, "BMP"));
        QVERIFY(writePicture(f->here("ﾀﾝﾎﾟﾎﾟQ.BMP"), 320, 240, Qt::red, "BMP"));
        QVERIFY(writePicture(f->here("ﾅｽﾞﾅQ.BMP"), 40, 30, Qt::yellow, "BMP"));
    }
    void cleanup() {
        // KUYU_SHOTS=folder keeps a picture of the screen after each test.
        if (const char* shots = std::getenv("KUYU_SHOTS")) {
            QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"),
                               QString::fromLocal8Bit(shots) + QLatin1Char('/') +
                                   QString::fromLatin1(QTest::currentTestFunction()) +
                                   QStringLiteral(".png")});
        }
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
        settle(100);
    }

    // The window manager's answers for the picture's natural size, on the
    // way to the kept width, came after it and undid it.
    void anOpenCloseUpKeepsTheWidthThePersonGaveIt() {
        openPages();
        pageButton("Command4")->click();
        auto* up = f->app->loaded<Form43>();
        QVERIFY(up && QTest::qWaitForWindowExposed(up));
        settle();
        QCOMPARE(up->width(), 240 + 8);
        dragWidth(up, 300);
        QTRY_COMPARE(up->width(), 300);
        settle();
        for (const char* next : {"Command5", "Command4", "Command5"}) {
            pageButton(next)->click();
            settle(1600);
            QCOMPARE(up->width(), 300);
            QCOMPARE(up->image()->width(), 300 - 8);
            // The picture's proportions, the height following them.
            const QSize picture = up->image()->picture().size();
            QCOMPARE(up->image()->height(), picture.height() * (300 - 8) / picture.width());
            QCOMPARE(up->height(), up->image()->height() + 28);
        }
    }

    // Each window where the placement puts it, whole on the screen.
    void windowsLandWholeAndApart() {
        openPages();
        const QRect pagesFrame = frameOf(pages());
        QVERIFY(area().contains(pagesFrame));
        QVERIFY(pagesFrame.top() > frameOf(f->main.get()).bottom());
        // A close-up from the pages goes beside them, not into a corner.
        pageButton("Command4")->click();
        auto* up = f->app->loaded<Form43>();
        QVERIFY(up && QTest::qWaitForWindowExposed(up));
        QVERIFY(placed(up));
        const QRect upFrame = frameOf(up);
        QVERIFY(area().contains(upFrame));
        QVERIFY(!upFrame.intersects(pagesFrame));
        const bool right = qAbs(upFrame.left() - pagesFrame.right()) < 40 &&
                           qAbs(upFrame.top() - pagesFrame.top()) < 40;
        const bool below = qAbs(upFrame.top() - pagesFrame.bottom()) < 40 &&
                           qAbs(upFrame.left() - pagesFrame.left()) < 40;
        QVERIFY2(right || below, where(up));
        // A small close-up shows its 終了 whole.
        up->closeButton()->click();
        settle();
        pageButton("Command6")->click();
        up = f->app->loaded<Form43>();
        QVERIFY(up && QTest::qWaitForWindowExposed(up));
        settle();
        QVERIFY(up->rect().contains(up->closeButton()->geometry()));
        QVERIFY(up->closeButton()->width() >= up->closeButton()->sizeHint().width());
    }

    // The plant window from a page covered the pages' NEXT.
    void aWindowOpenedFromThePagesLeavesTheirButtons() {
        openPages();
        QTest::mouseDClick(pages()->picture(1), Qt::LeftButton, {}, QPoint(20, 20));
        auto* plant = f->app->loaded<Form42>();
        QVERIFY(plant && QTest::qWaitForWindowExposed(plant));
        QVERIFY(placed(plant));
        QVERIFY(area().contains(frameOf(plant)));
        // The buttons a person pages and looks on with (on the smallest
        // screen the two windows cannot both show whole beside each other).
        for (const char* name : {"Command1", "Command2", "Command4", "Command5", "Command6"}) {
            QPushButton* b = pageButton(name);
            if (b->isVisible()) {
                const QRect onScreen(b->mapToGlobal(QPoint(0, 0)), b->size());
                QVERIFY2(!frameOf(plant).intersects(onScreen), name);
            }
        }
        // Below the main window's menus, wherever the window fits there.
        const int menusEnd = frameOf(f->main.get()).bottom();
        auto belowTheMenus = [&](const QWidget* w) {
            return frameOf(w).top() > menusEnd || frameOf(w).height() > area().bottom() - menusEnd;
        };
        QVERIFY2(belowTheMenus(plant), where(plant));
    }

    // The search panel, the name search and its list, and the plant window
    // opened from the list: each below the main window's strip, apart.
    void theSearchWindowsLandBelowTheMainWindowApart() {
        QVERIFY(f->app->run(cmd::Menu41));
        auto* panel = f->app->loaded<SearchPanel>();
        QVERIFY(panel && QTest::qWaitForWindowExposed(panel));
        QVERIFY(f->app->run(cmd::Menu54));
        auto* input = f->app->loaded<NameSearchInput>();
        QVERIFY(input && QTest::qWaitForWindowExposed(input));
        requireChild<QLineEdit>(input, QStringLiteral("Text1"))->setText(QStringLiteral("ｽﾐﾚ"));
        requireChild<QPushButton>(input, QStringLiteral("Command1"))->click();
        auto* list = f->app->loaded<NameSearchList>();
        QVERIFY(list && QTest::qWaitForWindowExposed(list));
        for (const QWidget* w : {static_cast<QWidget*>(panel), static_cast<QWidget*>(input),
                                 static_cast<QWidget*>(list)}) {
            QVERIFY2(placed(w), where(w));
        }
        expectPlacedApart(panel, {});
        expectPlacedApart(input, {panel});
        // The list keeps clear of the name search it came from; of the panel
        // too where the room beside the panel holds both, side by side or
        // one above the other (at twice the scale it does not).
        const QSize in = frameOf(input).size();
        const QSize out = frameOf(list).size();
        const QSize beside(area().right() - frameOf(panel).right() - 4,
                           area().bottom() - frameOf(f->main.get()).bottom() - 4);
        const bool room = (in.width() + 4 + out.width() <= beside.width() &&
                           std::max(in.height(), out.height()) <= beside.height()) ||
                          (std::max(in.width(), out.width()) <= beside.width() &&
                           in.height() + 4 + out.height() <= beside.height());
        if (room) {
            expectPlacedApart(list, {panel, input});
        } else {
            expectPlacedApart(list, {input});
        }
    }

    // The plant window, the tallest of them: below the strip wherever it
    // fits there, whole on the screen, its top and buttons in sight.
    void thePlantWindowLandsBelowTheMainWindow() {
        f->state.NameKey = U"ｽﾐﾚ";
        OpenPlantPicture(*f->app);
        auto* plant = f->app->loaded<Form42>();
        QVERIFY(plant && QTest::qWaitForWindowExposed(plant));
        QVERIFY(placed(plant));
        expectPlacedApart(plant, {});
        for (QPushButton* b : plant->findChildren<QPushButton*>()) {
            if (b->isVisible()) {
                QVERIFY2(plant->rect().contains(b->geometry()), qPrintable(b->objectName()));
            }
        }
    }

    // A minimised window that is shown again comes up, restored.
    void aMinimisedPagesWindowComesBack() {
        openPages();
        pages()->showMinimized();
        QTRY_VERIFY(pages()->isMinimized());
        settle();
        QVERIFY(f->app->run(cmd::Menu45));
        QTRY_VERIFY(!pages()->isMinimized());
        QTRY_VERIFY(pages()->windowHandle()->isExposed());
    }

    // A 4000 × 3000 picture ran below the screen, its 終了 row cut.
    void theViewerOfAHugePictureStaysOnTheScreen() {
        QVERIFY(writePicture(f->here("big.bmp"), 4000, 3000, Qt::darkCyan, "BMP"));
        auto& chooser = f->app->load<Form72>();
        chooser.open();
        QVERIFY(chooser.setDirPath(f->dir.path()));
        requireChild<QLineEdit>(&chooser, QStringLiteral("Text1"))
            ->setText(QStringLiteral("big.bmp"));
        requireChild<QPushButton>(&chooser, QStringLiteral("Command1"))->click();
        auto* viewer = f->app->loaded<Form72A>();
        QVERIFY(viewer && QTest::qWaitForWindowExposed(viewer));
        QVERIFY(placed(viewer));
        QVERIFY2(area().contains(frameOf(viewer)), where(viewer));
        auto* close = requireChild<QPushButton>(viewer, QStringLiteral("Command1"));
        QVERIFY(viewer->rect().contains(close->geometry()));
    }
};

int main(int argc, char* argv[]) {
    // The smallest screen the program is made for, unless KUYU_SCREEN
    // (1920x1080x24) and KUYU_SCALE (2) ask for another.
    const char* screen = std::getenv("KUYU_SCREEN");
    Child server;
    const std::string display = startXvfb(server, screen ? screen : "1024x768x24");
    if (display.empty()) {
        std::fprintf(stderr, "WindowManagerTest: Xvfb did not start (scripts/bootstrap.sh)\n");
        return 1;
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    if (const char* scale = std::getenv("KUYU_SCALE")) {
        setenv("QT_SCALE_FACTOR", scale, 1);
    } else {
        unsetenv("QT_SCALE_FACTOR");
    }
    QApplication application(argc, argv);
    // As the program sets itself up.
    installMenuStyle();
    installScreenBounds();
    installFontSubstitutions();
    int failed = 0;
    {
        NoWindowManagerTest bare;
        failed += QTest::qExec(&bare, argc, argv);
    }
    Child wm;
    if (!wm.start({"openbox", "--sm-disable"})) {
        std::fprintf(stderr, "WindowManagerTest: openbox did not start (scripts/bootstrap.sh)\n");
        return 1;
    }
    // Under way once it says so on the root window and frames a window.
    {
        QElapsedTimer waited;
        waited.start();
        auto wmSaysSo = [] {
            QProcess xprop;
            xprop.start(QStringLiteral("xprop"),
                        {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            return xprop.waitForFinished(2000) && xprop.exitCode() == 0 &&
                   xprop.readAllStandardOutput().contains("window id");
        };
        while (!wmSaysSo() && waited.elapsed() < 10000) {
            QTest::qWait(100);
        }
        // A window mapped while it is still starting may be left unframed:
        // it is mapped again until one is framed.
        QWidget probe;
        probe.resize(100, 100);
        while (probe.frameGeometry() == probe.geometry() && waited.elapsed() < 20000) {
            probe.hide();
            probe.show();
            for (int i = 0; i < 20 && probe.frameGeometry() == probe.geometry(); ++i) {
                QTest::qWait(50);
            }
        }
        if (probe.frameGeometry() == probe.geometry()) {
            std::fprintf(stderr, "WindowManagerTest: openbox frames no window\n");
            return 1;
        }
    }
    WindowManagerTest managed;
    failed += QTest::qExec(&managed, argc, argv);
    return failed;
}

#include "WindowManagerTest.moc"
