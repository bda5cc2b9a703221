// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conditions/Conditions.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/conditions/ConditionPicker.h"

#include "gui/finders/SearchPanel.h"

namespace kuyu::gui {

namespace {

void clearAllConditions(App& app) {
    if (app.platform.messages->show(app.mainWindow(), ClearConditionsQuestion()) != Answer::Yes) {
        return;
    }
    ClearAllConditions(app.state);
    emit app.conditionsChanged();
    app.unload<SearchPanel>();
    app.notify(hook::ConditionsCleared);
}

} // namespace

void registerConditionCommands(App& app) {
    for (int k = 1; k <= CategoryCount; ++k) {
        app.registerCommand(cmd::CategoryItems[k - 1], [&app, k] { OpenPickerFromMenu(app, k); });
    }
    app.registerCommand(cmd::Menu4A, [&app] { clearAllConditions(app); });
    app.registerCommand(cmd::Menu62, [&app] { clearAllConditions(app); });
}

} // namespace kuyu::gui
