// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plant-name search: exact and partial matches of names and aliases.

#include "core/Message.h"
#include "core/database/Database.h"
#include "core/search/Search.h"
#include "core/state/AppState.h"

#include <optional>
#include <vector>

namespace kuyu {

// Checks the typed name before a search (Form54's 確認): nullopt when it may
// be searched; otherwise the message to show. `clearInput` tells whether the
// text box is to be emptied (it is for a character that is not half-width
// katakana, not for an empty name).
struct NameInputProblem {
    Message message;
    bool clearInput = false;
};
std::optional<NameInputProblem> CheckNameInput(const Text& typed);

// Builds the hit rows from NameKey into ResultLine(1..) and sets ResultCount
// to the number of rows. Pass 1 exact names, 2 exact aliases, and with
// `partial` 3 partial names ("･"), 4 partial aliases ("*"). Rows beyond
// the capacity of the result store are dropped. ResultCaption, ResultCode
// and rows past the new count are left as they were.
void FindPlantsByName(AppState& state, bool partial, const AliasTable& aliases);
// As above, with the alias file as it is now (SharedAliases).
void FindPlantsByName(AppState& state, bool partial);

struct NameMatchListView {
    CountLine count; // "  以上  " + n + " 種類 です" / "    該当する植物はありません"
    std::vector<Text> rows; // ResultLine(1..rows), as listed
};
// Lists the rows and reduces ResultCount to the number of distinct plant
// keys (characters 7 to 14 of a row, trailing blanks removed).
NameMatchListView ShowNameMatchList(AppState& state);

// Form54 / Form54A's own words.
namespace namesearch {
inline const Text InputCaption = U"植物名図示検索";
inline const Text ListCaption = U"植物名図示検索リストアップ";
} // namespace namesearch

} // namespace kuyu
