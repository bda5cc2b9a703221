// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/finders/Families.h"

#include <utility>

namespace kuyu {

namespace {

const Text CountPrefix = U" 以上 ";
const Text CountSuffix = U"種類です";
const Text NoFamilies = U"  科がありません";
const Text NoPlants = U"植物がありません";
const Text FamilyWord = U"科";

CountLine countLine(int n, const Text& none) {
    if (n > 0) {
        return {CountPrefix + numberWithSign(n) + U" " + CountSuffix, BasicBlue};
    }
    return {none, BasicRed};
}

} // namespace

FamilyListView ListFamilies(AppState& state, std::int16_t mode) {
    FamilyListView view;
    for (int g = 1; g <= state.PlantCount; ++g) {
        const Text& family = state.family(g);
        // An empty family name is never listed.
        if (family.empty()) {
            continue;
        }
        bool seen = false;
        for (const Text& f : view.families) {
            if (f == family) {
                seen = true;
                break;
            }
        }
        if (!seen) {
            view.families.push_back(family);
        }
    }
    state.SearchMode = mode;
    view.count = countLine(static_cast<int>(view.families.size()), NoFamilies);
    return view;
}

FamilyPlantsView ListFamilyPlants(AppState& state, const Text& family) {
    state.clearResultRows();
    state.NameKey.clear();
    state.PageNumber = 1;
    state.PageSearchMode = 0;

    FamilyPlantsView view;
    view.heading = family + FamilyWord;

    // Sort keys are name "/" code "*" family, but each keeps its plant row and
    // the rows are written from the plant itself:
    // a name holding "/" or "*" cannot be split back reliably.
    std::vector<std::pair<Text, int>> entries;
    for (int g = 1; g <= state.PlantCount; ++g) {
        if (state.family(g).starts_with(family)) {
            entries.emplace_back(state.name(g) + U"/" + state.code(g) + U"*" + state.family(g), g);
        }
    }
    // Selection sort, the first of equal entries taken, so that plants with
    // equal keys come out in the order they always have.
    for (std::size_t p = 0; p < entries.size(); ++p) {
        std::size_t smallest = p;
        for (std::size_t q = p + 1; q < entries.size(); ++q) {
            if (entries[q].first < entries[smallest].first) {
                smallest = q;
            }
        }
        std::swap(entries[p], entries[smallest]);
    }

    const int count = static_cast<int>(entries.size());
    state.ResultCount = static_cast<std::int16_t>(count);
    for (int r = 1; r <= count; ++r) {
        const int g = entries[static_cast<std::size_t>(r - 1)].second;
        const Text& name = state.name(g);
        // The family goes into the lines and the caption with at most 30
        // characters, as it always has.
        const Text fam = left(state.family(g), 30);
        WriteListLine(state.ResultLine[r], U' ', r, name, fam);
        state.ResultLine[r] += FamilyWord;
        WriteResultCaption(state.ResultCaption[r], true, name, fam);
        state.ResultCode[r] = state.code(g);
        view.list.push_back(left(state.ResultLine[r], 20));
    }
    view.count = countLine(count, NoPlants);
    return view;
}

} // namespace kuyu
