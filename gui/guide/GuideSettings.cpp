#include "gui/guide/GuideSettings.h"

#include "gui/app/App.h"
#include "gui/guide/GuideTexts.h"

namespace kuyu::gui {

bool CandidateCountsShown(const App& app) {
    if (!app.platform.settings) {
        return false;
    }
    const auto saved =
        app.platform.settings->load(QString::fromLatin1(texts::GuideBadgeSettingKey));
    return saved && saved->value(0) == QLatin1String("1");
}

void SetCandidateCountsShown(App& app, bool on) {
    if (app.platform.settings) {
        app.platform.settings->save(QString::fromLatin1(texts::GuideBadgeSettingKey),
                                    {on ? QStringLiteral("1") : QStringLiteral("0")});
    }
}

} // namespace kuyu::gui
