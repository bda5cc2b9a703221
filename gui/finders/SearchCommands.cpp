// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/finders/FamilySearch.h"
#include "gui/finders/FinderTexts.h"
#include "gui/finders/NameSearchWindows.h"
#include "gui/finders/SearchPanel.h"
#include "gui/platform/CursorGuard.h"
#include "gui/widgets/WindowPlacement.h"

namespace kuyu::gui {

void registerSearchCommands(App& app) {
    // Searches into the panel (toolbar ken01..ken03 run the same items).
    app.registerCommand(
        cmd::Menu41, [&app] { SearchIntoPanel(app, search::Plain, q(texts::PanelCaptionPlain)); });
    app.registerCommand(cmd::Menu42,
                        [&app] { SearchIntoPanel(app, search::Ai, q(texts::PanelCaptionAiMenu)); });
    app.registerCommand(cmd::Menu43, [&app] {
        SearchIntoPanel(app, search::Fuzzy, q(texts::PanelCaptionFuzzyMenu));
    });

    // A commit in the picker opened from the panel searches again.
    app.registerCommand(hook::SearchPanelRefresh, [&app] {
        const std::int16_t mode = app.state.SearchMode;
        if (mode < search::Plain) {
            return;
        }
        const char32_t* caption = mode == search::Fuzzy ? texts::PanelCaptionFuzzyCommit
                                  : mode == search::Ai  ? texts::PanelCaptionAiMenu
                                                        : texts::PanelCaptionPlain;
        SearchIntoPanel(app, mode, q(caption));
    });

    app.registerCommand(cmd::Menu51, [&app] {
        CursorGuard cursor;
        auto& families = app.load<FamilySearch>();
        families.listFamilies(0);
        showRestored(&families);
    });

    app.registerCommand(cmd::Menu54, [&app] {
        auto& input = app.load<NameSearchInput>();
        showRestored(&input);
    });
}

} // namespace kuyu::gui
