// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ShellCommands.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/app/DataFileSelection.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ShellTexts.h"
#include "gui/platform/QtText.h"

namespace kuyu::gui {

namespace {

MDIForm1* mainWindowOf(App& app) {
    return qobject_cast<MDIForm1*>(app.mainWindow());
}

Message exitQuestion() {
    Message m;
    m.title = ts(q(texts::ExitTitle));
    m.text = ts(q(texts::ExitText));
    m.icon = MessageIcon::Question;
    m.buttons = MessageButtons::YesNo;
    m.systemModal = true;
    return m;
}

} // namespace

Message VersionBox() {
    Message m;
    m.title = ts(q(texts::VersionTitle));
    m.text =
        ts(q(texts::VersionLine1) + QLatin1Char('\n') + q(texts::VersionLine2) + QLatin1Char('\n') +
           q(texts::VersionLine3) + QLatin1Char('\n') + q(texts::VersionLine4));
    m.icon = MessageIcon::None;
    m.buttons = MessageButtons::Ok;
    m.systemModal = true;
    return m;
}

void registerShellCommands(App& app) {
    app.registerCommand(cmd::Menu66, [&app] {
        if (app.platform.messages->show(app.mainWindow(), exitQuestion()) != Answer::Yes) {
            return;
        }
        if (MDIForm1* w = mainWindowOf(app)) {
            w->endProgram();
        }
    });
    app.registerCommand(cmd::Menu71, [&app] { SelectDataFile(app); });
    app.registerCommand(cmd::Menu73, [&app] {
        if (MDIForm1* w = mainWindowOf(app)) {
            w->toggleToolbar();
        }
    });
    app.registerCommand(cmd::Menu74, [&app] {
        if (MDIForm1* w = mainWindowOf(app)) {
            w->customizeToolbar();
        }
    });
    app.registerCommand(cmd::Menu91, [&app] { app.platform.help->showContents(); });
    app.registerCommand(cmd::Menu92, [&app] { app.platform.help->showHowToUse(); });
    app.registerCommand(cmd::Menu94,
                        [&app] { app.platform.messages->show(app.mainWindow(), VersionBox()); });
}

} // namespace kuyu::gui
