#include "gui/app/App.h"
#include "gui/app/Commands.h"

namespace kuyu::gui {

void registerConditionCommands(App& app) {
    (void)app;
}

} // namespace kuyu::gui
