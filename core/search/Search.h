// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The condition search and the text of its result lists.

#include "core/state/AppState.h"
#include "core/text/Colour.h"

#include <array>
#include <optional>
#include <vector>

namespace kuyu {

// Modes: search::Plain, Fuzzy, Ai, and ListAll (changed to Plain in `mode`).
// `nameBox` is the text of the search panel's name box (empty when closed).
void SearchPlants(AppState& state, std::int16_t& mode, const Text& nameBox);

// The name filter, run by SearchPlants with NameKey set.
void FilterByName(AppState& state);

// The plants a name box lets through, as FilterByName marks them: rows
// 1..PlantCount (row 0 unused). A plant passes when its name holds the key
// or an alias holding the key names it. An empty key lets every plant
// through. Reads the alias file.
std::vector<char> NamePassSet(const AppState& state, const Text& nameKey);

struct CountLine {
    Text text;
    Rgb colour;
    bool operator==(const CountLine&) const = default;
};

// "  以上  " + " 12 " + " 種類 です", or the no-match words for 0. The name
// search's count line uses the same words.
Text ResultCountWords(int resultCount);
// The same words in the search panel's colours (blue, or red for no match).
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

// One line of a finder's list: the mark, the row number left-aligned in five
// columns and the name, cut to 24 columns together, then "(" family ")" cut
// or padded to 15. The caller adds what follows ("科", an alias). Writes into
// `line`, so that refilling a list reuses its storage.
void WriteListLine(Text& line, char32_t mark, int number, TextView name, TextView family);
// "  name (family)科" for a plant that agrees in everything, "* ..." else.
void WriteResultCaption(Text& caption, bool exact, TextView name, TextView family);

// The plant key of a list line: characters 7 to 14, trailing blanks removed.
Text KeyOfLine(const Text& line);
// The row number of a list line (the number in characters 2 to 5), 0 when
// there is none.
int RowOfLine(const Text& line);
// The caption of the plant a search-list line names: the row's ResultCaption
// while that row still holds the line's plant; once another list has
// rewritten the rows, the caption is built from the line's own mark and
// plant. Nothing for a line without a row number or a known plant.
std::optional<Text> ResultCaptionOfLine(const AppState& state, const Text& line);

} // namespace kuyu
