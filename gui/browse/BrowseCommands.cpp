// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search/Search.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/browse/Browse.h"
#include "gui/browse/ReportNoMatch.h"
#include "gui/browse/ResultPagesWindow.h"
#include "gui/finders/SearchPanel.h"
#include "gui/platform/CursorGuard.h"

namespace kuyu::gui {

namespace {

// MENU45-MENU47: search in `mode` and show the result as pages.
void IllustratedSearch(App& app, std::int16_t mode) {
    const Text name = SearchPanelNameBox(app);
    {
        const CursorGuard hourglass;
        AppState& s = app.state;
        s.NameKey.clear();
        s.PageNumber = 1;
        s.PageSearchMode = mode;
        std::int16_t m = mode;
        SearchPlants(s, m, name);
    }
    OpenResultPages(app, mode);
    if (!name.empty()) {
        app.tellAliasTrouble(app.mainWindow());
    }
}

} // namespace

void OpenResultPages(App& app, std::int16_t mode) {
    CursorGuard hourglass;
    if (app.state.ResultCount == 0) {
        hourglass.restore();
        ReportNoMatch(app, mode);
        return;
    }
    app.load<Form45>().openPages(mode);
}

void registerBrowseCommands(App& app) {
    // Toolbar ken04-ken06 run the same items.
    app.registerCommand(cmd::Menu45, [&app] { IllustratedSearch(app, search::Plain); });
    app.registerCommand(cmd::Menu46, [&app] { IllustratedSearch(app, search::Ai); });
    app.registerCommand(cmd::Menu47, [&app] { IllustratedSearch(app, search::Fuzzy); });
    // The family window's 科 button, after it has made the family the result
    // list (PageSearchMode 0).
    app.registerCommand(hook::OpenResultPages,
                        [&app] { OpenResultPages(app, app.state.PageSearchMode); });
}

} // namespace kuyu::gui
