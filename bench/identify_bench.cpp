// SPDX-License-Identifier: GPL-3.0-or-later
// One identification over a full table of 2000 plants: every plant ranked by
// a handful of answers, the next characters and whether it is settled. The
// masks are worked out once per load, as the guide does.

#include "RandomPlants.h"
#include "core/guide/Ranking.h"

#include <benchmark/benchmark.h>

using namespace kuyu;

namespace {

// The argument is the number of answered categories.
void BM_Identify(benchmark::State& st) {
    AppState s;
    bench::fillRandomPlants(s);
    const GuideIndex guide(s);
    const RankIndex index(guide);
    Answers answers;
    const GuideAnswer given[] = {{true, 1U << 3, false}, {true, (1U << 2) | (1U << 5), true},
                                 {true, 0, false},       {true, 1U << 1, false},
                                 {true, 1U << 4, true},  {true, 1U << 2, false}};
    for (int k = 1; k <= st.range(0); ++k) {
        answers.set(k, given[k - 1]);
    }
    for (auto _ : st) {
        benchmark::DoNotOptimize(RankPlants(index, answers));
    }
}
BENCHMARK(BM_Identify)->Arg(0)->Arg(3)->Arg(6)->Unit(benchmark::kMicrosecond);

void BM_RankIndex(benchmark::State& st) {
    AppState s;
    bench::fillRandomPlants(s);
    const GuideIndex guide(s);
    for (auto _ : st) {
        RankIndex index(guide);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_RankIndex)->Unit(benchmark::kMicrosecond);

} // namespace
