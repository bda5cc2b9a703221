// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the identification guide over a full table of 2000 plants:
// building the per-plant masks (once per load) and the counts of every option
// of all ten categories with the ranking (each refresh).

#include "RandomPlants.h"
#include "core/conditions/Conditions.h"
#include "core/guide/Guide.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace kuyu;

namespace {

const AppState& fullTable() {
    static const AppState state = [] {
        AppState s;
        bench::fillRandomPlants(s);
        return s;
    }();
    return state;
}

void BM_GuideIndex(benchmark::State& st) {
    const AppState& s = fullTable();
    for (auto _ : st) {
        GuideIndex index(s);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_GuideIndex)->Unit(benchmark::kMicrosecond);

// All counts of the ten categories and the ranking; the argument is the mode.
void BM_GuideCountsAndRanking(benchmark::State& st) {
    const AppState& s = fullTable();
    const GuideIndex index(s);
    GuideQuery q{Text(U"3000200000") + Text(20, U' '), static_cast<int>(st.range(0)), {}};
    for (auto _ : st) {
        const GuideCounts counts = CountRemaining(index, q);
        benchmark::DoNotOptimize(RankCategories(counts));
    }
}
BENCHMARK(BM_GuideCountsAndRanking)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
