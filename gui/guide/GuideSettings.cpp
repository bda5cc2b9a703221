// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/guide/GuideSettings.h"

#include "core/guide/KanaInput.h"
#include "gui/app/App.h"
#include "gui/guide/GuideTexts.h"

namespace kuyu::gui {

namespace {

// An on/off item: "1" is on; anything else, nothing saved or no store is off.
bool switchedOn(const App& app, const char* key) {
    if (!app.platform.settings) {
        return false;
    }
    const auto saved = app.platform.settings->load(QString::fromLatin1(key));
    return saved && saved->value(0) == QLatin1String("1");
}

void setSwitch(App& app, const char* key, bool on) {
    if (app.platform.settings) {
        app.platform.settings->save(QString::fromLatin1(key),
                                    {on ? QStringLiteral("1") : QStringLiteral("0")});
    }
}

} // namespace

bool CandidateCountsShown(const App& app) {
    return switchedOn(app, texts::GuideBadgeSettingKey);
}

void SetCandidateCountsShown(App& app, bool on) {
    setSwitch(app, texts::GuideBadgeSettingKey, on);
}

bool KanaInputConverted(const App& app) {
    return switchedOn(app, KanaInputSettingKey);
}

void SetKanaInputConverted(App& app, bool on) {
    setSwitch(app, KanaInputSettingKey, on);
}

Text TypedPlantName(const App& app, const Text& typed) {
    return KanaInputConverted(app) ? ToHalfWidthKana(typed) : typed;
}

} // namespace kuyu::gui
