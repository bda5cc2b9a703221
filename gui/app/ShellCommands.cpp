#include "gui/app/App.h"
#include "gui/app/Commands.h"

namespace kuyu::gui {

void registerShellCommands(App& app) {
    (void)app;
}

} // namespace kuyu::gui
