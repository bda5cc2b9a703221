// SPDX-License-Identifier: GPL-3.0-or-later
// Walks through the guide as people in the field would: for every plant of a
// database (the sample data unless a path is given), walkers follow the
// first character the guide suggests and answer with the plant's own primary
// state (a value list: its first digit; "0", "X" and "Y": 不明), wrong with
// some chance (any other option alike), until the guide is settled, has
// nothing left to ask, or ten characters are answered. For each kind of
// walker it prints how often the true plant ends among the first three and
// first, and how many characters were asked. Plants tied with the true plant
// count against it unless their ten primary states are the same. The same
// walks are also ranked by plain mismatch counts for comparison.
//
//   guide_walkers [DATABASE] [--walks N] [--seed S] [--model E,U,S,T,L]
//
// --model tries other numbers for the error model: the chance of a mistake
// when sure and unsure, the secondary share, the settled share and the
// likely fraction.

#include "core/conditions/Conditions.h"
#include "core/features/Features.h"
#include "core/guide/Ranking.h"
#include "core/state/CodeLetters.h"
#include "core/state/PlantCode.h"
#include "core/state/StartUpState.h"
#include "core/text/Text.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace kuyu;

namespace {

struct Walker {
    const char* name;
    double wrong = 0.0;  // chance of a wrong sure answer
    double unsure = 0.0; // chance of hesitating: two options, marked unsure
};

struct Tally {
    int walks = 0;
    int top3 = 0;
    int top1 = 0;
    long asked = 0;
    int plainTop3 = 0;
    int plainTop1 = 0;
};

// The option a person who sees plant `row` right answers in category k, 0
// for 不明.
int ownOption(const AppState& s, int row, int k) {
    const PlantCode code(s.PlantCode[static_cast<std::size_t>(row)]);
    const CodeLetter letter = ReadCodeLetter(code.primary(k));
    int v = letter.digit;
    if (letter.role == CodeRole::SeveralValues || letter.role == CodeRole::Leaning) {
        const TextView list = code.valueList(SpanOf(letter.primaryLists).first);
        v = list.empty() ? 0 : CodeDigit(list.front());
    }
    return v >= 1 && v < Category(k).optionCount ? v : 0;
}

int otherOption(std::mt19937& rng, int k, int v) {
    const int n = Category(k).optionCount - 1;
    const int o = 1 + static_cast<int>(rng() % static_cast<unsigned>(n - 1));
    return o >= v ? o + 1 : o;
}

// Where the true plant stands: plants ahead of it, and plants tied with it
// that are not identical to it.
int placeOf(const RankIndex& index, const std::vector<double>& score, int row) {
    int ahead = 0;
    const double own = score[static_cast<std::size_t>(row - 1)];
    for (int j = 1; j <= index.plantCount(); ++j) {
        if (j == row) {
            continue;
        }
        const double d = score[static_cast<std::size_t>(j - 1)] - own;
        if (d > 1e-9 || (std::abs(d) <= 1e-9 && index.group(j) != index.group(row))) {
            ++ahead;
        }
    }
    return ahead;
}

void walk(const AppState& s, const RankIndex& index, const ErrorModel& model, int row,
          const Walker& walker, std::mt19937& rng, Tally& tally) {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    Answers answers;
    int asked = 0;
    Ranking r = RankPlants(index, answers, model);
    while (asked < CategoryCount && !r.settled && !r.next.empty()) {
        const int k = r.next.front();
        const int v = ownOption(s, row, k);
        GuideAnswer a{true, 0, false};
        if (v != 0) {
            if (walker.unsure > 0.0 && chance(rng) < walker.unsure) {
                a.options = static_cast<OptionMask>((1U << v) | (1U << otherOption(rng, k, v)));
                a.unsure = true;
            } else {
                const int said = chance(rng) < walker.wrong ? otherOption(rng, k, v) : v;
                a.options = static_cast<OptionMask>(1U << said);
            }
        }
        answers.set(k, a);
        ++asked;
        r = RankPlants(index, answers, model);
    }

    std::vector<double> score(static_cast<std::size_t>(index.plantCount()));
    for (const Candidate& c : r.candidates) {
        score[static_cast<std::size_t>(c.row - 1)] = c.score;
    }
    const int place = placeOf(index, score, row);
    // The same answers counted the plain way: fewer disagreements is better.
    for (int j = 1; j <= index.plantCount(); ++j) {
        int misses = 0;
        for (const int k : answers.answered()) {
            const GuideAnswer& a = answers.at(k);
            if (a.hasOptions() && (index.primary(j, k) & a.options) == 0 &&
                index.primary(j, k) != 0) {
                ++misses;
            } else if (a.hasOptions() && index.primary(j, k) == 0) {
                ++misses; // "Y" or a state outside the options
            }
        }
        score[static_cast<std::size_t>(j - 1)] = -misses;
    }
    const int plainPlace = placeOf(index, score, row);

    ++tally.walks;
    tally.asked += asked;
    tally.top3 += place < 3;
    tally.top1 += place == 0;
    tally.plainTop3 += plainPlace < 3;
    tally.plainTop1 += plainPlace == 0;
}

double percent(int part, int whole) {
    return whole == 0 ? 0.0 : 100.0 * part / whole;
}

} // namespace

int main(int argc, char** argv) {
    std::string db = KUYU_SOURCE_DIR "/data/sample/KUYU.DAT";
    int walks = 40;
    unsigned seed = 20261209;
    ErrorModel model;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--walks" && i + 1 < argc) {
            walks = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--model" && i + 1 < argc) {
            double* fields[] = {&model.sureError, &model.unsureError, &model.secondaryShare,
                                &model.settledShare, &model.likelyFraction};
            char* at = argv[++i];
            for (double* f : fields) {
                char* end = nullptr;
                const double v = std::strtod(at, &end);
                if (end == at) {
                    break;
                }
                *f = v;
                at = *end == ',' ? end + 1 : end;
            }
        } else {
            db = arg;
        }
    }
    AppState s;
    if (const auto failure = InitialiseState(s, fromUtf8(db))) {
        std::fprintf(stderr, "guide_walkers: %s cannot be read\n", db.c_str());
        return 1;
    }
    if (s.PlantCount == 0) {
        std::fprintf(stderr, "guide_walkers: %s holds no plant\n", db.c_str());
        return 1;
    }
    const GuideIndex guide(s);
    const RankIndex index(guide);

    const Walker walkers[] = {
        {"all right", 0.0, 0.0},
        {"5 % wrong", 0.05, 0.0},
        {"10 % wrong", 0.10, 0.0},
        {"20 % wrong", 0.20, 0.0},
        {"40 % unsure, two options", 0.0, 0.40},
    };
    std::printf("%s: %d plants, %d walks per plant\n\n", db.c_str(), s.PlantCount, walks);
    std::printf("%-26s %7s %7s %7s   %s\n", "answers", "top 3", "top 1", "asked",
                "plain counts: top 3 / top 1");
    for (const Walker& walker : walkers) {
        std::mt19937 rng(seed);
        Tally t;
        const int reps = walker.wrong == 0.0 && walker.unsure == 0.0 ? 1 : walks;
        for (int row = 1; row <= s.PlantCount; ++row) {
            for (int r = 0; r < reps; ++r) {
                walk(s, index, model, row, walker, rng, t);
            }
        }
        std::printf("%-26s %6.1f%% %6.1f%% %7.2f   %6.1f%% / %5.1f%%\n", walker.name,
                    percent(t.top3, t.walks), percent(t.top1, t.walks),
                    static_cast<double>(t.asked) / t.walks, percent(t.plainTop3, t.walks),
                    percent(t.plainTop1, t.walks));
    }
    return 0;
}
