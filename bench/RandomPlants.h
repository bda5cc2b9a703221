// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A full table of 2000 plants with random codes (every kind of code
// character, value lists of options 1..7), the same for every run, for the
// benchmarks of the guide.

#include "core/conditions/Conditions.h"
#include "core/state/AppState.h"

#include <random>

namespace kuyu::bench {

inline void fillRandomPlants(AppState& s) {
    ResetSelection(s);
    FillOptionLabels(s);
    std::mt19937 rng(20261215);
    auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const Text codeChars = U"1234512345000XYABCDHIJ";
    for (int j = 1; j <= PlantCapacity; ++j) {
        Text code;
        for (int c = 0; c < 20; ++c) {
            code += codeChars[pick(codeChars.size())];
        }
        for (int c = 0; c < 9; ++c) {
            code += static_cast<char32_t>(U'1' + pick(7));
        }
        code += U'1';
        s.PlantCode[static_cast<std::size_t>(j)] = code;
        s.PlantName[static_cast<std::size_t>(j)] = U"ｽﾐﾚ" + decimal(j);
        s.PlantFamily[static_cast<std::size_t>(j)] = U"ｽﾐﾚ";
    }
    s.PlantCount = PlantCapacity;
}

} // namespace kuyu::bench
