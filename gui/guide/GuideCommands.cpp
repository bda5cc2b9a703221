// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/app/MainWindow.h"
#include "gui/guide/GuideSession.h"
#include "gui/guide/GuideSettings.h"
#include "gui/guide/GuideWindow.h"
#include "gui/guide/PickerBadges.h"

#include <QAction>

namespace kuyu::gui {

void registerGuideCommands(App& app) {
    ResetSession(app);
    app.registerCommand(cmd::Menu4B, [&app] { OpenGuideWindow(app); });
    app.registerCommand(cmd::Menu75, [&app] {
        const bool on = !CandidateCountsShown(app);
        SetCandidateCountsShown(app, on);
        if (auto* main = qobject_cast<MDIForm1*>(app.mainWindow())) {
            if (QAction* item = main->menuItem(QStringLiteral("MENU75"))) {
                item->setChecked(on);
            }
        }
        UpdatePickerBadges(app);
    });
    app.registerCommand(cmd::Menu76, [&app] {
        const bool on = !KanaInputConverted(app);
        SetKanaInputConverted(app, on);
        if (auto* main = qobject_cast<MDIForm1*>(app.mainWindow())) {
            if (QAction* item = main->menuItem(QStringLiteral("MENU76"))) {
                item->setChecked(on);
            }
        }
    });
    app.registerCommand(hook::ConditionCommitted,
                        [&app] { SessionOf(app).conditionsChanged(ConditionChange::Commit); });
    app.registerCommand(hook::ConditionsCleared,
                        [&app] { SessionOf(app).conditionsChanged(ConditionChange::Clear); });
    app.registerCommand(hook::GuideRefresh, [&app] { SessionOf(app).refresh(); });
    app.registerCommand(hook::PickerShown, [&app] { UpdatePickerBadges(app); });
}

} // namespace kuyu::gui
