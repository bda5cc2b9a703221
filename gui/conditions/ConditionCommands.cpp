#include "core/conditions/Conditions.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/conditions/ConditionPicker.h"

#include <QAction>

namespace kuyu::gui {

namespace {

void setCategoryChecks(App& app) {
    QWidget* main = app.mainWindow();
    if (!main) {
        return;
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        if (auto* item = main->findChild<QAction*>(QString::fromLatin1(Category(k).menuItem))) {
            item->setChecked(app.state.CategoryChosen.at(k));
        }
    }
}

void clearAllConditions(App& app) {
    if (app.platform.messages->show(app.mainWindow(), ClearConditionsQuestion()) != Answer::Yes) {
        return;
    }
    ClearAllConditions(app.state);
    setCategoryChecks(app);
    app.unload(QStringLiteral("Form41"));
    app.notify(hook::ConditionsCleared);
}

} // namespace

void registerConditionCommands(App& app) {
    for (int k = 1; k <= CategoryCount; ++k) {
        app.registerCommand(QString::fromLatin1(Category(k).menuItem),
                            [&app, k] { OpenPickerFromMenu(app, k); });
    }
    app.registerCommand(QStringLiteral("MENU4A"), [&app] { clearAllConditions(app); });
    app.registerCommand(QStringLiteral("MENU62"), [&app] { clearAllConditions(app); });
}

} // namespace kuyu::gui
