// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/editor/DataEditor.h"

namespace kuyu::gui {

void registerEditorCommands(App& app) {
    app.registerCommand(cmd::Menu68, [&app] {
        auto& editor = app.load<DataEditor>();
        editor.show();
        editor.raise();
        editor.activateWindow();
    });
}

} // namespace kuyu::gui
