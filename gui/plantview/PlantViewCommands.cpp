#include "gui/app/App.h"
#include "gui/app/Commands.h"

namespace kuyu::gui {

void registerPlantViewCommands(App& app) {
    (void)app;
}

} // namespace kuyu::gui
