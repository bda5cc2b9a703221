// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state every window shares, one instance for the whole run. Arrays are
// numbered from 1, as the data and the screens count them: row 0 is unused.
// Members keep the names the rest of the program uses for them.

#include "core/printing/PrintSettings.h"
#include "core/text/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace kuyu {

constexpr int PlantCapacity = 2000;
constexpr int CategoryCount = 10; // search categories 1..10
constexpr int ClassCategory = 11; // 分類, stored but never searched
constexpr std::size_t CodeLength = 30;

namespace search {
// The values SearchMode holds: the three searches into the list, the
// list of every plant, and None while the picker was opened from the menu
// (a commit then searches nothing).
enum Mode : std::int16_t { None = -1, Plain = 0, Fuzzy = 1, Ai = 2, ListAll = 10 };
} // namespace search

// "0000000000" followed by 20 spaces.
inline Text emptySelectionCode() {
    return Text(10, U'0') + Text(20, U' ');
}

struct AppState {
    AppState();

    // The plant table, rows 1..PlantCapacity; rows 1..PlantCount are valid.
    std::vector<Text> PlantName;
    std::vector<Text> PlantCode; // always 30 characters for a loaded row
    std::vector<Text> PlantFamily;
    std::int16_t PlantCount = 0;
    std::vector<std::int16_t> MatchScore;
    // Goes up each time a database replaces the table, so that what is worked
    // out from the table once per load knows when to work it out again.
    std::uint32_t LoadGeneration = 0;

    Text DataFilePath;
    Text DataFolder;

    // The current selection and the picker.
    Text SelectionCode = emptySelectionCode();
    std::array<bool, CategoryCount + 1> CategoryChosen{}; // 1..10
    // OptionLabel[k][n]: category k 1..11, option 0..9 (0 = category name).
    std::array<std::array<Text, 10>, ClassCategory + 1> OptionLabel{};
    std::int16_t CurrentCategory = 0;
    std::int16_t CurrentOption = 0;
    std::int16_t OptionCount = 0;

    // The search and its result list, rows 1..ResultCount.
    std::int16_t SearchMode = search::Plain; // a search::Mode
    std::int16_t ResultCount = 0;
    std::vector<Text> ResultCaption;
    std::vector<Text> ResultLine;
    std::vector<Text> ResultCode;
    Text NameKey;

    // Illustrated result pages.
    std::int16_t PageNumber = 0;
    std::int16_t PageSearchMode = 0;

    PrintSettings Print;

    // Scores of rows 1..PlantCount back to 0.
    void clearScores() {
        std::fill(MatchScore.begin() + 1, MatchScore.begin() + 1 + PlantCount, std::int16_t{0});
    }
    // Scores back to 0 and no category chosen, as after loading a database.
    void clearScoresAndChoices() {
        clearScores();
        CategoryChosen.fill(false);
    }

    // Result rows 1..PlantCount emptied.
    void clearResultRows() {
        for (int n = 1; n <= PlantCount; ++n) {
            ResultCaption[n].clear();
            ResultLine[n].clear();
            ResultCode[n].clear();
        }
    }

    // Row access by 1-based row number.
    const Text& name(int row) const { return PlantName.at(row); }
    const Text& code(int row) const { return PlantCode.at(row); }
    const Text& family(int row) const { return PlantFamily.at(row); }
};

inline AppState::AppState()
    : PlantName(PlantCapacity + 1), PlantCode(PlantCapacity + 1), PlantFamily(PlantCapacity + 1),
      MatchScore(PlantCapacity + 1, 0), ResultCaption(PlantCapacity + 1),
      ResultLine(PlantCapacity + 1), ResultCode(PlantCapacity + 1) {}

} // namespace kuyu
