// Figures for the identification guide over a full table of 2000 plants:
// building the per-plant masks (once per load) and the counts of every option
// of all ten categories with the ranking (each refresh).

#include "core/conditions/Conditions.h"
#include "core/guide/Guide.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace kuyu;

namespace {

const AppState& fullTable() {
    static const AppState state = [] {
        AppState s;
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
            s.PlantName[static_cast<std::size_t>(j)] = U"ｽﾐﾚ";
        }
        s.PlantCount = PlantCapacity;
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
