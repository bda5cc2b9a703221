// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed search result: a table in tab columns, one block per plant
// whose last score was 0 (match) or 1 (near match), in plant-table order.

#include "core/state/AppState.h"
#include "core/text/Text.h"

#include <array>
#include <vector>

namespace kuyu::printing {

// One item of a printed line. Column n starts n - 1 average character
// widths right of the printable area's left edge; column 0 means "where the
// current position is".
struct PrintItem {
    int column = 0;
    Text text;
    bool operator==(const PrintItem&) const = default;
};
// An empty line is a line break alone.
using PrintLine = std::vector<PrintItem>;

// Columns of the eleven categories, in header and rows alike.
constexpr std::array<int, 11> ResultColumns{36, 43, 50, 56, 63, 70, 76, 83, 89, 96, 104};
constexpr int NameColumn = 7;
constexpr int NearMatchColumn = 6;
constexpr int FamilyColumn = 22;

// Every line of one copy: an empty line, the header, an empty line, then per
// plant its line, its secondary ("AI") line when asked for, an empty line,
// and after the last table row the closing line.
std::vector<PrintLine> SearchResultLines(const AppState& state, bool withSecondary);

} // namespace kuyu::printing
