// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/plantview/RegisteredListWindow.h"
#include "gui/platform/CursorGuard.h"
#include "gui/widgets/WindowPlacement.h"

namespace kuyu::gui {

namespace {
void listAll(App& app, int mode) {
    const CursorGuard hourglass;
    auto& w = app.load<Form53>();
    w.fill(mode);
    showRestored(&w);
    w.activateWindow();
    fitOnScreen(&w);
}
} // namespace

void registerPlantViewCommands(App& app) {
    app.registerCommand(cmd::Menu53, [&app] { listAll(app, 0); });
    app.registerCommand(cmd::Menu61, [&app] { listAll(app, 1); });
}

} // namespace kuyu::gui
