#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/finders/FamilySearch.h"
#include "gui/finders/FinderTexts.h"
#include "gui/finders/NameSearchWindows.h"
#include "gui/finders/SearchPanel.h"
#include "gui/platform/CursorGuard.h"

namespace kuyu::gui {

namespace {

QString q(const char32_t* s) {
    return QString::fromUcs4(s);
}

} // namespace

void registerSearchCommands(App& app) {
    // Searches into the panel (toolbar ken01..ken03 run the same items).
    app.registerCommand(QStringLiteral("MENU41"),
                        [&app] { SearchIntoPanel(app, 0, q(texts::PanelCaptionPlain)); });
    app.registerCommand(QStringLiteral("MENU42"),
                        [&app] { SearchIntoPanel(app, 2, q(texts::PanelCaptionAiMenu)); });
    app.registerCommand(QStringLiteral("MENU43"),
                        [&app] { SearchIntoPanel(app, 1, q(texts::PanelCaptionFuzzyMenu)); });

    // A commit in the picker opened from the panel searches again.
    app.registerCommand(QStringLiteral("SearchPanelRefresh"), [&app] {
        const std::int16_t mode = app.state.SearchMode;
        if (mode < 0) {
            return;
        }
        const char32_t* caption = mode == 1   ? texts::PanelCaptionFuzzyCommit
                                  : mode == 2 ? texts::PanelCaptionAiMenu
                                              : texts::PanelCaptionPlain;
        SearchIntoPanel(app, mode, q(caption));
    });

    app.registerCommand(QStringLiteral("MENU51"), [&app] {
        CursorGuard cursor;
        auto& families = app.load<FamilySearch>();
        families.listFamilies(0);
        families.show();
        families.raise();
    });

    app.registerCommand(QStringLiteral("MENU54"), [&app] {
        auto& input = app.load<NameSearchInput>();
        input.show();
        input.raise();
    });
}

} // namespace kuyu::gui
