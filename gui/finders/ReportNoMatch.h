#pragma once
// Telling the user that a search for the illustrated pages found nothing.

#include <QString>
#include <cstdint>

namespace kuyu::gui {

class App;

// The pages' title for a search mode: fuzzy, AI, or plain for any other.
QString PageTitle(std::int16_t mode);

// With ResultCount = 0: shows "該当する植物はありません" (OK, no icon, title
// PageTitle(mode)) and returns 1. Otherwise shows nothing and returns 0.
std::int16_t ReportNoMatch(App& app, std::int16_t mode);

} // namespace kuyu::gui
