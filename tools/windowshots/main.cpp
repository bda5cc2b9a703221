// SPDX-License-Identifier: GPL-3.0-or-later
// kuyu-windowshots DATAFOLDER OUTDIR [PLANT...]
// Opens the windows of the condition picker and the plant views on the data
// in DATAFOLDER (made current, as the program runs) and saves a PNG of each
// into OUTDIR. Message boxes are not shown but printed to stderr.

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/features/Features.h"
#include "core/images/PictureLookup.h"
#include "gui/app/App.h"
#include "gui/app/Application.h"
#include "gui/app/Commands.h"
#include "gui/app/Fonts.h"
#include "gui/conditions/Form11.h"
#include "gui/plantview/CloseUpWindows.h"
#include "gui/plantview/DetailWindows.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/plantview/RegisteredListWindow.h"
#include "gui/platform/MediaPlayer.h"
#include "gui/platform/QtText.h"
#include "gui/platform/testing/FakePlatform.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

using namespace kuyu;
using namespace kuyu::gui;

namespace {

void settle(int ms = 150) {
    QTimer t;
    t.setSingleShot(true);
    QEventLoop loop;
    QObject::connect(&t, &QTimer::timeout, &loop, &QEventLoop::quit);
    t.start(ms);
    loop.exec();
}

void save(QWidget* w, const QString& dir, const QString& name) {
    if (!w || !w->isVisible()) {
        std::fprintf(stderr, "not shown: %s\n", qPrintable(name));
        return;
    }
    settle();
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    w->grab().save(path);
    std::fprintf(stderr, "saved %s (%s)\n", qPrintable(path), qPrintable(w->windowTitle()));
}

void reportMessages(testing::FakePlatform& fakes) {
    for (const auto& m : fakes.messages->shown) {
        std::fprintf(stderr, "message [%s] %s\n", toUtf8(m.title).c_str(), toUtf8(m.text).c_str());
    }
    fakes.messages->reset();
}

void press(QWidget* w, const char* name) {
    if (auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name))) {
        b->click();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kuyu-windowshots DATAFOLDER OUTDIR [PLANTKEY...]\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(out);
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    installJapaneseTranslations(application);
    installMenuStyle();
    installScreenBounds();
    installFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));

    AppState state;
    FillOptionLabels(state);
    if (auto m = StartUpLoad(state, Text())) {
        std::fprintf(stderr, "load: %s\n", toUtf8(m->text).c_str());
    }
    testing::FakePlatform fakes;
    App app(state, fakes.platform);
    QMainWindow main;
    app.setMainWindow(&main);
    auto* menu = main.menuBar()->addMenu(QStringLiteral("menu"));
    for (int k = 1; k <= CategoryCount; ++k) {
        auto* a = menu->addAction(qs(Category(k).openerCaption));
        a->setObjectName(QString::fromLatin1(Category(k).menuItem));
        a->setCheckable(true);
    }
    registerConditionCommands(app);
    registerPlantViewCommands(app);

    // Pickers: flower colour, petals, venation.
    for (const CommandId item : {cmd::Menu11, cmd::Menu12, cmd::Menu23, cmd::Menu32}) {
        app.run(item);
        reportMessages(fakes);
        save(app.loaded<Form11>(), out, QStringLiteral("picker-%1").arg(QLatin1String(item.name)));
        if (auto* p = app.loaded<Form11>()) {
            p->cancelButton()->click();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Plants: those named, else the first three with a picture.
    QStringList keys;
    for (int i = 3; i < argc; ++i) {
        keys << QString::fromLocal8Bit(argv[i]);
    }
    for (int row = 1; keys.size() < 3 && row <= state.PlantCount; ++row) {
        const Text key = left(state.name(row), 8);
        if (!keys.contains(qs(key)) &&
            findPicture(key, state.DataFolder, PictureSet::PlantWindow)) {
            keys << qs(key);
        }
    }
    int n = 0;
    for (const QString& key : keys) {
        ++n;
        state.NameKey = ts(key);
        OpenPlantPicture(app);
        reportMessages(fakes);
        auto* w = app.loaded<Form42>();
        save(w, out, QStringLiteral("plant-%1").arg(n));
        if (!w) {
            continue;
        }
        press(w, "Command1");
        reportMessages(fakes);
        save(app.loaded<Form43>(), out, QStringLiteral("closeup-%1").arg(n));
        press(w, "Command4");
        reportMessages(fakes);
        save(app.loaded<Form43R>(), out, QStringLiteral("closeup2-%1").arg(n));
        press(w, "Command5");
        reportMessages(fakes);
        save(app.loaded<Form43T>(), out, QStringLiteral("note-%1").arg(n));
        press(w, "Command6");
        reportMessages(fakes);
        if (auto* v = app.loaded<Form43V>(); v && v->player()) {
            if (auto* play = v->findChild<QToolButton*>(QStringLiteral("Play"))) {
                play->click();
            }
            settle(1500);
            // The video is drawn by the platform, so take it from the screen.
            const QRect r = v->frameGeometry();
            v->screen()
                ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                .save(out + QStringLiteral("/video-screen-%1.png").arg(n));
        }
        save(app.loaded<Form43V>(), out, QStringLiteral("video-%1").arg(n));
        app.unload<Form43>();
        app.unload<Form43R>();
        app.unload<Form43T>();
        app.unload<Form43V>();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    app.run(cmd::Menu53);
    save(app.loaded<Form53>(), out, QStringLiteral("list-sorted"));
    app.run(cmd::Menu61);
    if (auto* l = app.loaded<Form53>()) {
        l->list()->setCurrentRow(2);
    }
    save(app.loaded<Form53>(), out, QStringLiteral("list-file-order"));
    reportMessages(fakes);
    app.unloadAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
