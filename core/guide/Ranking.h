// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Identification that survives mistakes: every plant ranked by how well it
// fits the answers given so far instead of being cut off by the first
// disagreement, the character worth looking at next, and whether the guide
// is sure.
//
// The score of a plant is the log-likelihood ratio of the answers given the
// plant, against a plant whose states tell nothing:
//
//   score(j) = Σ over answered categories k of  log P(answer_k | j) / P0(answer_k)
//
// An answer is a set S of s of the category's n options (one option, or
// "one of these"). The person is right, i.e. the plant's state is in S, with
// probability 1 - e, where e is the chance of a mistake: `sureError` for a
// sure answer, `unsureError` for one marked 自信がない. A plant that tells
// nothing has its state in S with the chance s / n. So an agreeing plant
// gains log((1 - e) n / s) and a disagreeing one loses log(e / (1 - s/n)).
// "Agreeing" means the plant's primary state, or a digit of its value list.
// A secondary state is a state the plant shows less often: seen in a share
// `secondaryShare` of the plants, so an answer that only the secondary state
// fits still agrees, with the gain log((1 - e) σ n / s), but never less than
// 0. A plant coded "X"
// or "0" (or one that fits every option) gets 0: it neither gains nor loses.
// An unanswered category adds nothing. 不明 adds nothing either, except to a
// plant none of whose states is an option there ("Y", such as the flower
// colour of a fern): such a plant makes a person answer 不明 with the chance
// 1 - e, a plant that has the organ only when it cannot be made out, with
// the chance `cannotTell`, so it gains log((1 - e) / cannotTell).
//
// Mistakes are taken as equally likely between any two options. The data
// carry no record of which options people confuse, and an ordering of the
// options (白系 next to 青系) would be a guess the ranking then relies on.
//
// exp(score) is proportional to the posterior chance of each plant under
// equal prior chances, which is what the next question and `settled` use.

#include "core/guide/Answers.h"
#include "core/guide/Guide.h"

#include <cstdint>
#include <vector>

namespace kuyu {

struct ErrorModel {
    // The numbers were fitted on walks through the sample data
    // (bench/walkers): people answering every character right, or 5 to 20 %
    // of them wrong, or hesitating on 40 % of them. A mistake chance of one
    // in seven for sure answers sits in the middle of that range: a lower one
    // lets a single wrong answer bury the true plant, a higher one needs
    // more characters before the guide is sure. Unsure answers are wrong
    // about twice as often.
    double sureError = 0.14;
    double unsureError = 0.3;
    // How often a plant shows its secondary state rather than the primary.
    double secondaryShare = 0.3;
    // How often a person answers 不明 for a state the plant has.
    double cannotTell = 0.2;
    // Settled when the leading plant (with the plants identical to it) holds
    // this share of the posterior.
    double settledShare = 0.8;
    // A plant is a likely candidate while its posterior is at least this
    // fraction of the leader's; the next question must be able to change
    // their order.
    double likelyFraction = 0.02;
};

// The per-plant states the ranking reads, worked out once per load from the
// guide's masks.
class RankIndex {
  public:
    RankIndex() = default;
    explicit RankIndex(const GuideIndex& index);

    int plantCount() const { return count_; }
    // The options of category k (1..10) plant `row` fits: primary state,
    // value list or secondary state; every real option for "X" and "0".
    OptionMask fit(int row, int k) const { return fit_[slot(row, k)]; }
    // The options its primary state (or value list) agrees with, as in the
    // plain search.
    OptionMask primary(int row, int k) const { return primary_[slot(row, k)]; }
    // Plants with the same group number have the same ten primary states:
    // no key tells them apart.
    int group(int row) const { return group_[static_cast<std::size_t>(row - 1)]; }
    int groupSize(int row) const;

  private:
    static std::size_t slot(int row, int k) {
        return static_cast<std::size_t>(row - 1) * CategoryCount + static_cast<std::size_t>(k - 1);
    }
    int count_ = 0;
    std::vector<OptionMask> fit_;
    std::vector<OptionMask> primary_;
    std::vector<int> group_;
    std::vector<int> groupSizes_;
};

struct Candidate {
    int row = 0;
    int rank = 0; // 1 = best; equal scores share a rank
    double score = 0.0;
    int fits = 0;              // answered categories it agrees with
    std::vector<int> disagree; // answered categories it disagrees with
    int group = 0;             // RankIndex::group
};

struct Ranking {
    std::vector<int> answered;         // categories answered (不明 included)
    std::vector<Candidate> candidates; // every plant, best first
    // Groups of two or more plants with identical primary states among the
    // first ten candidates, rows in rank order.
    std::vector<std::vector<int>> groups;
    std::vector<int> next; // categories worth asking, best first
    bool settled = false;
    // The posterior share of the leading plant with its group.
    double leaderShare = 0.0;
};

// The answers' effect on one plant's score in category k (0 for no answer).
double AnswerScore(const RankIndex& index, int row, int k, const GuideAnswer& a,
                   const ErrorModel& model = {});

// Ranks every plant, picks the next characters and tells whether it is sure.
Ranking RankPlants(const RankIndex& index, const Answers& answers, const ErrorModel& model = {});

// The words for a group of n identical plants.
Text IdenticalGroupNotice(int n);

} // namespace kuyu
