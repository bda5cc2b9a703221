#include "gui/finders/ReportNoMatch.h"

#include "gui/app/App.h"
#include "gui/finders/FinderTexts.h"
#include "gui/platform/QtText.h"

namespace kuyu::gui {

QString PageTitle(std::int16_t mode) {
    switch (mode) {
    case 1:
        return QString::fromUcs4(texts::PageTitleFuzzy);
    case 2:
        return QString::fromUcs4(texts::PageTitleAi);
    default:
        return QString::fromUcs4(texts::PageTitlePlain);
    }
}

std::int16_t ReportNoMatch(App& app, std::int16_t mode) {
    if (app.state.ResultCount != 0) {
        return 0;
    }
    app.platform.messages->show(
        app.mainWindow(),
        Message{texts::NoMatchMessage, ts(PageTitle(mode)), MessageIcon::None, MessageButtons::Ok});
    return 1;
}

} // namespace kuyu::gui
