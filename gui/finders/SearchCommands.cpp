#include "gui/app/App.h"
#include "gui/app/Commands.h"

namespace kuyu::gui {

void registerSearchCommands(App& app) {
    (void)app;
}

} // namespace kuyu::gui
