// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plant code read as the states a person chooses, and states written back
// into it. Several values live in the code's three value lists; writing one
// takes a list no other category uses (or one already holding the same
// values), and a list no category refers to any more is cleared.

#include "core/editor/PlantData.h"

namespace kuyu::editor {

// The state character `c` says, given the code it stands in.
CategoryState StateOf(const Text& code, char32_t c);

// The options category k offers a person: 1 .. this (its last option, 不明,
// is the special state Unknown instead).
int ChoosableOptions(int k);

// `code` (padded to 30 characters with "0" where shorter) with character
// `pos` (1..20) set to say `state`. Refused when the state is not one of
// the category's or no value list is free; `code` is then unchanged.
Outcome WriteState(Text& code, std::size_t pos, int k, const CategoryState& state);

// The same code with unreferenced value lists that `before` still used set
// back to "000".
void ClearUnusedLists(Text& code, const Text& before);

// A code of a new plant: every state 不明, no classification.
Text NewPlantCode();

} // namespace kuyu::editor
