// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/StartUp.h"

#include "core/state/StartUpState.h"
#include "gui/app/TitleWindow.h"
#include "gui/platform/QtText.h"

namespace kuyu::gui {

QString CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

QString CommandLineText(int argc, const char* const* argv) {
    return qs(CommandLineFromArguments(argc, argv));
}

void StartUp(App& app, const QString& commandLine) {
    // Selection, picker, print settings, the database, scores and labels. A
    // load failure is reported here, before any window, and start-up goes on.
    if (const auto message = InitialiseState(app.state, ts(commandLine))) {
        app.platform.messages->show(nullptr, *message);
    }
    app.tellAliasTrouble(nullptr);
    if (app.platform.help) {
        app.platform.help->setHelpFile(QString::fromLatin1(HelpFileName));
    }
    app.load<Form01>().show();
}

} // namespace kuyu::gui
