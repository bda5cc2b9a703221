// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The family name search: the list of families and the plants of one family.

#include "core/search/Search.h"
#include "core/state/AppState.h"

#include <vector>

namespace kuyu {

struct FamilyListView {
    CountLine count;            // " 以上 " + n + "種類です" / "  科がありません"
    std::vector<Text> families; // first-occurrence order, each once
};
// Sets SearchMode = mode. Empty family names are never listed.
FamilyListView ListFamilies(AppState& state, std::int16_t mode);

struct FamilyPlantsView {
    Text heading;           // family + "科"
    CountLine count;        // " 以上 " + n + "種類です" / "植物がありません"
    std::vector<Text> list; // first 20 characters of each ResultLine
};
// Rebuilds the result rows (ResultCaption, ResultLine, ResultCode,
// ResultCount) with every plant whose family begins with `family`, sorted
// by name; empties NameKey, PageNumber = 1, PageSearchMode = 0.
FamilyPlantsView ListFamilyPlants(AppState& state, const Text& family);

} // namespace kuyu
