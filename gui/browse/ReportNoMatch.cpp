// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/browse/ReportNoMatch.h"

#include "core/browse/ResultPages.h"
#include "gui/app/App.h"
#include "gui/browse/BrowseTexts.h"

namespace kuyu::gui {

std::int16_t ReportNoMatch(App& app, std::int16_t mode) {
    if (app.state.ResultCount != 0) {
        return 0;
    }
    app.platform.messages->show(app.mainWindow(), Message{texts::PageNoMatch, PageTitle(mode),
                                                          MessageIcon::None, MessageButtons::Ok});
    return 1;
}

} // namespace kuyu::gui
