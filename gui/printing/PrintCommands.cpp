// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/App.h"
#include "gui/app/CommandIds.h"
#include "gui/app/Commands.h"
#include "gui/printing/PrintJobs.h"
#include "gui/printing/PrintSettingsDialog.h"

namespace kuyu::gui {

void registerPrintCommands(App& app) {
    app.registerCommand(cmd::Menu64A, [&app] { PrintSearchResultCommand(app, 0); });
    app.registerCommand(cmd::Menu64B, [&app] { PrintSearchResultCommand(app, 1); });
    app.registerCommand(hook::PrintPlantPage, [&app] { OpenPrintSettings(app); });
}

} // namespace kuyu::gui
