// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/guide/Ranking.h"

#include "core/conditions/Conditions.h"
#include "core/state/CodeLetters.h"
#include "core/text/Text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>
#include <optional>

namespace kuyu {

namespace {

// Options 1..last-1 of category k; the last one, 不明, is no state.
OptionMask realOptions(int k) {
    const int last = Category(k).optionCount;
    return static_cast<OptionMask>(AllOptionDigits & ((1U << last) - 1U));
}

int bits(OptionMask m) {
    return std::popcount(static_cast<unsigned>(m));
}

// What one answer adds to the score of a plant that fits it, and of one
// that does not.
struct AnswerTerms {
    int category = 0;
    OptionMask options = 0;
    OptionMask real = 0;
    double agree = 0.0;
    double agreeSecondary = 0.0;
    double disagree = 0.0;
    // For 不明: what a plant with none of the options gains.
    double none = 0.0;
};

std::optional<AnswerTerms> termsOf(int k, const GuideAnswer& a, const ErrorModel& model) {
    if (!a.asked) {
        return std::nullopt;
    }
    AnswerTerms t;
    t.category = k;
    t.real = realOptions(k);
    if (a.unknown()) {
        const double e = a.unsure ? model.unsureError : model.sureError;
        t.none = std::log((1.0 - e) / model.cannotTell);
        return t;
    }
    t.options = static_cast<OptionMask>(a.options & t.real);
    const int s = bits(t.options);
    const int n = bits(t.real);
    if (s == 0 || s >= n) {
        return std::nullopt; // every option, or none: the answer says nothing
    }
    const double e = a.unsure ? model.unsureError : model.sureError;
    const double chance = static_cast<double>(s) / n;
    t.agree = std::log((1.0 - e) / chance);
    // A secondary state agrees at least as well as a plant that tells nothing.
    t.agreeSecondary = std::max(0.0, std::log((1.0 - e) * model.secondaryShare / chance));
    t.disagree = std::log(e / (1.0 - chance));
    return t;
}

// Scores compare equal when they differ only by rounding of the sums.
std::int64_t scoreKey(double score) {
    return std::llround(score * 1e9);
}

// The expected information (in nats) an answer in category k gives about
// which plant it is, for plants weighted `w` (posterior, unnormalised). A
// plant with t of the n options answers each of them with the chance
// (1 - e) / t and each other one with e / (n - t); a plant that fits every
// option answers any of them alike.
double expectedInformation(const RankIndex& index, int k, const std::vector<double>& w,
                           const std::vector<int>& rows, double e) {
    const OptionMask real = realOptions(k);
    const int n = bits(real);
    std::array<double, 10> mix{}; // [0]: 不明
    // Per number of fitting options t: the chance of each of them, of each
    // other option, and the entropy of the answer.
    std::array<double, 10> in{};
    std::array<double, 10> out{};
    std::array<double, 10> entropy{};
    for (int t = 1; t < n; ++t) {
        in[t] = (1.0 - e) / t;
        out[t] = e / (n - t);
        entropy[t] = -((1.0 - e) * std::log(in[t]) + e * std::log(out[t]));
    }
    const double noneEntropy = -((1.0 - e) * std::log(1.0 - e) + e * std::log(e / n));
    double base = 0.0;
    double total = 0.0;
    double within = 0.0; // Σ w H(answer | plant)
    for (const int row : rows) {
        const double wj = w[static_cast<std::size_t>(row - 1)];
        const OptionMask f = static_cast<OptionMask>(index.fit(row, k) & real);
        const int t = bits(f);
        total += wj;
        if (t == 0) {
            // No option fits ("Y"): mostly 不明, else any option alike.
            mix[0] += wj * (1.0 - e);
            base += wj * e / n;
            within += wj * noneEntropy;
            continue;
        }
        if (t == n) {
            base += wj / n;
            within += wj * std::log(static_cast<double>(n));
            continue;
        }
        base += wj * out[t];
        const double extra = wj * (in[t] - out[t]);
        for (OptionMask m = f; m != 0; m = static_cast<OptionMask>(m & (m - 1U))) {
            mix[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(m)))] += extra;
        }
        within += wj * entropy[t];
    }
    if (total <= 0.0) {
        return 0.0;
    }
    double h = 0.0;
    if (mix[0] > 0.0) {
        const double p = mix[0] / total;
        h -= p * std::log(p);
    }
    for (OptionMask m = real; m != 0; m = static_cast<OptionMask>(m & (m - 1U))) {
        const double p =
            (base + mix[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(m)))]) /
            total;
        if (p > 0.0) {
            h -= p * std::log(p);
        }
    }
    return h - within / total;
}

} // namespace

RankIndex::RankIndex(const GuideIndex& index) : count_(index.plantCount()) {
    const auto n = static_cast<std::size_t>(count_) * CategoryCount;
    fit_.resize(n);
    primary_.resize(n);
    group_.resize(static_cast<std::size_t>(count_));
    std::map<std::array<OptionMask, CategoryCount>, int> groups;
    for (int j = 1; j <= count_; ++j) {
        std::array<OptionMask, CategoryCount> states{};
        for (int k = 1; k <= CategoryCount; ++k) {
            const OptionMask real = realOptions(k);
            const OptionMask plain = index.plainMask(j, k);
            const OptionMask ai = index.aiMask(j, k);
            // A secondary "X" or "0" lets the AI search pass anything; for
            // the ranking it adds nothing to a known primary state.
            const OptionMask second = ai == AllOptionDigits ? OptionMask{0} : ai;
            fit_[slot(j, k)] = static_cast<OptionMask>((plain | second) & real);
            primary_[slot(j, k)] = static_cast<OptionMask>(plain & real);
            states[static_cast<std::size_t>(k - 1)] = plain;
        }
        const auto [it, fresh] = groups.try_emplace(states, static_cast<int>(groupSizes_.size()));
        if (fresh) {
            groupSizes_.push_back(0);
        }
        group_[static_cast<std::size_t>(j - 1)] = it->second;
        ++groupSizes_[static_cast<std::size_t>(it->second)];
    }
}

int RankIndex::groupSize(int row) const {
    return groupSizes_[static_cast<std::size_t>(group(row))];
}

double AnswerScore(const RankIndex& index, int row, int k, const GuideAnswer& a,
                   const ErrorModel& model) {
    const auto t = termsOf(k, a, model);
    if (!t || row < 1 || row > index.plantCount()) {
        return 0.0;
    }
    const OptionMask f = index.fit(row, k);
    if (t->options == 0) {
        return f == 0 ? t->none : 0.0;
    }
    if (f == t->real) {
        return 0.0;
    }
    if ((index.primary(row, k) & t->options) != 0) {
        return t->agree;
    }
    return (f & t->options) != 0 ? t->agreeSecondary : t->disagree;
}

Ranking RankPlants(const RankIndex& index, const Answers& answers, const ErrorModel& model) {
    Ranking out;
    out.answered = answers.answered();
    std::vector<AnswerTerms> terms;
    for (const int k : out.answered) {
        if (auto t = termsOf(k, answers.at(k), model)) {
            terms.push_back(*t);
        }
    }

    const int count = index.plantCount();
    std::vector<Candidate> scored(static_cast<std::size_t>(count));
    std::vector<std::pair<std::int64_t, int>> order(static_cast<std::size_t>(count));
    for (int j = 1; j <= count; ++j) {
        Candidate& c = scored[static_cast<std::size_t>(j - 1)];
        c.row = j;
        c.group = index.group(j);
        for (const AnswerTerms& t : terms) {
            const OptionMask f = index.fit(j, t.category);
            if (t.options == 0) {
                if (f == 0) {
                    c.score += t.none;
                    ++c.fits;
                }
                continue;
            }
            if (f == t.real) {
                continue; // variable or unknown: neither gains nor loses
            }
            if ((index.primary(j, t.category) & t.options) != 0) {
                c.score += t.agree;
                ++c.fits;
            } else if ((f & t.options) != 0) {
                c.score += t.agreeSecondary;
                ++c.fits;
            } else {
                c.score += t.disagree;
                c.disagree.push_back(t.category);
            }
        }
        // Best first; equal scores in table order.
        order[static_cast<std::size_t>(j - 1)] = {-scoreKey(c.score), j};
    }
    std::sort(order.begin(), order.end());
    out.candidates.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        out.candidates.push_back(std::move(scored[static_cast<std::size_t>(order[i].second - 1)]));
        Candidate& c = out.candidates.back();
        c.rank = i > 0 && order[i - 1].first == order[i].first ? out.candidates[i - 1].rank
                                                               : static_cast<int>(i) + 1;
    }
    if (out.candidates.empty()) {
        return out;
    }

    // Posterior weights relative to the leader.
    const double best = out.candidates.front().score;
    std::vector<double> w(static_cast<std::size_t>(count), 0.0);
    double total = 0.0;
    double leader = 0.0;
    const int leaderGroup = out.candidates.front().group;
    std::vector<int> weighed; // plants with a weight that matters
    std::vector<int> likely;
    for (const Candidate& c : out.candidates) {
        const double wj = std::exp(c.score - best);
        if (wj < 1e-9) {
            break; // sorted: the rest weigh less still
        }
        w[static_cast<std::size_t>(c.row - 1)] = wj;
        total += wj;
        if (c.group == leaderGroup) {
            leader += wj;
        }
        weighed.push_back(c.row);
        if (wj >= model.likelyFraction) {
            likely.push_back(c.row);
        }
    }
    out.leaderShare = leader / total;

    // A category is worth asking when the likely candidates are not all
    // alike in it: only then can an answer change their order.
    std::vector<std::pair<double, int>> worth;
    for (int k = 1; k <= CategoryCount; ++k) {
        if (answers.at(k).asked) {
            continue;
        }
        const OptionMask first = index.fit(likely.front(), k);
        const bool alike = std::all_of(likely.begin(), likely.end(),
                                       [&](int row) { return index.fit(row, k) == first; });
        if (alike) {
            continue;
        }
        worth.emplace_back(expectedInformation(index, k, w, weighed, model.sureError), k);
    }
    std::stable_sort(worth.begin(), worth.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [information, k] : worth) {
        out.next.push_back(k);
    }
    out.settled = out.leaderShare >= model.settledShare || out.next.empty();

    // Identical plants among the first ten.
    const std::size_t top = std::min<std::size_t>(10, out.candidates.size());
    std::map<int, std::size_t> groupAt;
    std::vector<std::vector<int>> found;
    for (std::size_t i = 0; i < top; ++i) {
        const Candidate& c = out.candidates[i];
        if (index.groupSize(c.row) < 2) {
            continue;
        }
        const auto [it, fresh] = groupAt.try_emplace(c.group, found.size());
        if (fresh) {
            found.emplace_back();
        }
        found[it->second].push_back(c.row);
    }
    for (auto& g : found) {
        if (g.size() >= 2) {
            out.groups.push_back(std::move(g));
        }
    }
    return out;
}

Text IdenticalGroupNotice(int n) {
    return U"この " + decimal(n) + U" 種は十の特徴がすべて同じです。写真で比べてください。";
}

} // namespace kuyu
