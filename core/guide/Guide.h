// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The identification guide: how many plants each choice would leave, which
// unset character splits the candidates best, why a plant is not listed, and
// two plants side by side. Everything here agrees with SearchPlants: the
// agreement of every plant with every option is worked out once per load
// (GuideIndex), and the counts are then sums over those masks.

#include "core/search/Search.h"
#include "core/state/AppState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kuyu {

// Bit d (1..9) set: choosing digit d in that category agrees with the plant.
using OptionMask = std::uint16_t;

class GuideIndex {
  public:
    GuideIndex() = default;
    explicit GuideIndex(const AppState& state);

    int plantCount() const { return count_; }
    std::uint32_t generation() const { return generation_; }
    // Plant row 1..plantCount, category 1..10.
    OptionMask plainMask(int row, int k) const { return plain_[slot(row, k)]; }
    OptionMask aiMask(int row, int k) const { return ai_[slot(row, k)]; }

  private:
    static std::size_t slot(int row, int k) {
        return static_cast<std::size_t>(row - 1) * CategoryCount + static_cast<std::size_t>(k - 1);
    }
    int count_ = 0;
    std::uint32_t generation_ = 0;
    std::vector<OptionMask> plain_; // first pass (plain and fuzzy search)
    std::vector<OptionMask> ai_;    // the AI search's second pass
};

// What the guide asks about: the selection (characters 1..10 are the
// category digits), the search mode (a search::Mode: Plain, Fuzzy or Ai;
// anything else counts as plain) and the plants the name box lets through
// (empty: all; see NamePassSet).
struct GuideQuery {
    Text selection;
    int mode = search::Plain;
    std::vector<char> namePass;
};

struct CategoryCounts {
    int category = 0;          // 1..10
    int chosen = 0;            // the digit now chosen, 0 when unset
    std::vector<int> counts;   // [v - 1]: the count if option v were chosen (last = 不明)
    int noOption = 0;          // listed plants no option but 不明 keeps
    std::int64_t splitSum = 0; // sum of counts² over the real options + noOption * total
};

struct GuideCounts {
    int total = 0; // what the search lists now
    std::array<CategoryCounts, CategoryCount> categories;
};

// The counts for every category and option at once, exactly as SearchPlants
// would list them with that one category changed.
GuideCounts CountRemaining(const GuideIndex& index, const GuideQuery& query);

// The unset categories, best first. The measure is the number of candidates
// expected to be left after answering: a person looking at a random one of
// the `total` candidates answers option v with the chance count(v) / total
// and is left with count(v) plants, so the expectation is the sum of count²
// over the options divided by the total. A plant whose state is variable, or
// whose secondary state fits, is counted under every option it would match in
// the current mode; a plant no option fits would be answered with 不明 and
// leaves all `total`. Smaller is better; ties keep category order.
std::vector<int> RankCategories(const GuideCounts& counts);
// The expected number left for one category (total when nothing is listed).
double ExpectedRemaining(const GuideCounts& counts, int category);

// A plant's state in one category in words: the primary state, then the
// secondary one when it says more ("白系（または 青系）"). Value lists read as
// their labels joined with "･".
Text PlantStateWords(const AppState& state, int row, int category);

struct Disagreement {
    int category = 0;
    int chosen = 0;
    Text chosenLabel;
    Text plantState;
    bool aiAccepts = false; // the AI search's second pass lets this category pass
};

struct WhyOut {
    int row = 0;
    std::vector<Disagreement> differences; // chosen categories it disagrees with
    bool nameMatches = true;               // the name box lets it through
    bool keptPlain = false;
    bool keptFuzzy = false;
    bool keptAi = false;
};

// Why plant `row` is (or is not) listed for the query's selection in each
// mode. The query's mode is not used: every mode is answered.
WhyOut ExplainPlant(const AppState& state, const GuideIndex& index, int row,
                    const GuideQuery& query);

struct CompareRow {
    int category = 0; // 1..10, 11 classification, 12 family
    Text name;
    Text a, b;
    bool differ = false;
};

// The ten features, the classification and the family of two plants.
std::vector<CompareRow> ComparePlants(const AppState& state, int rowA, int rowB);

// The plant a guide name box means: the plant of that exact name, else the
// one whose key it is (first eight characters), else the plant an alias of
// that exact text names; of two records of one name, the later. 0 when none.
int FindPlantForGuide(const AppState& state, const Text& name);

} // namespace kuyu
