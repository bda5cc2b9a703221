// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telling the user that a search for the illustrated pages found nothing.

#include <cstdint>

namespace kuyu::gui {

class App;

// With ResultCount = 0: shows "該当する植物はありません" (OK, no icon, the
// pages' title of `mode`) and returns 1. Otherwise shows nothing and returns 0.
std::int16_t ReportNoMatch(App& app, std::int16_t mode);

} // namespace kuyu::gui
