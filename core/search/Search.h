#pragma once
// The condition search and the text of its result lists.

#include "core/state/AppState.h"
#include "core/text/Colour.h"

#include <array>
#include <vector>

namespace kuyu {

// Modes: 0 plain, 1 fuzzy, 2 AI, 10 list all (changed to 0 in `mode`).
// `nameBox` is the text of the search panel's name box (empty when closed).
void SearchPlants(AppState& state, std::int16_t& mode, const Text& nameBox);

// The name filter, run by SearchPlants with NameKey set.
void FilterByName(AppState& state);

struct CountLine {
    Text text;
    Rgb colour;
    bool operator==(const CountLine&) const = default;
};

// "  以上  " + " 12 " + " 種類 です", or the red no-match line.
CountLine ResultCountLine(int resultCount);

struct ResultListView {
    CountLine count;
    std::vector<Text> lines;              // ResultLine(1..ResultCount)
    std::array<Text, 10> conditionLabels; // printed on TOK(0..9)
};
// Sets SearchMode = mode and returns what the search panel shows.
ResultListView ShowResultList(AppState& state, std::int16_t mode);

struct RegisteredListView {
    CountLine count;
    std::vector<Text> lines; // empty when nothing was found
};
// Mode 0 sorted by name, 1 file order. Rewrites ResultLine.
RegisteredListView ListRegisteredPlants(AppState& state, std::int16_t mode);

// The plant key of a list line: characters 7 to 14, trailing blanks removed.
Text KeyOfLine(const Text& line);

} // namespace kuyu
