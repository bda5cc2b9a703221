// SPDX-License-Identifier: GPL-3.0-or-later
// kuyu: the graphic plant search tool. The command line, when given, names
// the plant database; without it "KUYU.DAT" in the current folder is read.
// `kuyu --help` and `kuyu --version` answer and end.

#include "core/state/AppState.h"
#include "gui/app/App.h"
#include "gui/app/Application.h"
#include "gui/app/Commands.h"
#include "gui/app/Fonts.h"
#include "gui/app/StartUp.h"
#include "gui/platform/QtPlatform.h"
#include "gui/widgets/WindowPlacement.h"

#include <QApplication>
#include <QByteArray>
#include <QFont>

namespace {

// Qt's file dialog writes dates in the session's locale. A session without
// one (the C locale of a bare X server or a script) gets Japanese dates, as
// the rest of the program reads; a chosen locale is left alone.
void preferJapaneseDates() {
    const QByteArray lang = qgetenv("LANG");
    if (qEnvironmentVariableIsEmpty("LC_ALL") && qEnvironmentVariableIsEmpty("LC_TIME") &&
        (lang.isEmpty() || lang == "C" || lang == "POSIX" || lang.startsWith("C."))) {
        qputenv("LC_TIME", "ja_JP.UTF-8");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer on the terminal and need no display.
    if (const auto answer = kuyu::gui::CommandLineAnswer(argc, argv, KUYU_VERSION)) {
        return kuyu::gui::WriteAnswer(stdout, *answer) ? 0 : 1;
    }
    preferJapaneseDates();
    kuyu::gui::KuyuApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("kuyu"));
    QApplication::setApplicationName(QStringLiteral("kuyu"));
    QApplication::setApplicationVersion(QStringLiteral(KUYU_VERSION));
    // Windows belong to the desktop entry and show its icon.
    kuyu::gui::InstallDesktopIdentity();

    // Standard buttons and dialogs read as the rest of the program does; an
    // installation without the translations still starts.
    kuyu::gui::installJapaneseTranslations(application);
    kuyu::gui::installMenuStyle();
    kuyu::gui::installScreenBounds();
    kuyu::gui::installFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));

    kuyu::AppState state;
    kuyu::gui::Platform platform = kuyu::gui::makeQtPlatform();
    kuyu::gui::App app(state, platform);
    kuyu::gui::registerAllCommands(app);
    kuyu::gui::KuyuApplication::onActionFailure = [&app] { kuyu::gui::ReportActionFailure(app); };

    kuyu::gui::StartUp(app, kuyu::gui::CommandLineText(argc, argv));
    const int result = QApplication::exec();

    // The help window goes with the program; the rest is owned by App's registry.
    platform.help->quit();
    app.unloadAll();
    // Every window goes before the state and platform it refers to.
    kuyu::gui::KuyuApplication::onActionFailure = nullptr;
    delete app.mainWindow();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
