// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Illustrated browsing as the rest of the program calls it.

#include <cstdint>

namespace kuyu::gui {

class App;

// The opening sequence of the pages, after the caller has set PageNumber,
// PageSearchMode and NameKey and run the search: with no result the person
// is told so and an open pages window is left exactly as it was; otherwise
// Form45 shows page 1 of the result list. Restores the default pointer.
void OpenResultPages(App& app, std::int16_t mode);

// Fills the feature view (Form46A) for the plant named by NameKey and shows
// it; a key that names no plant leaves the window hidden (or as it was, its
// feature boxes emptied).
void ShowPlantFeatures(App& app);

} // namespace kuyu::gui
