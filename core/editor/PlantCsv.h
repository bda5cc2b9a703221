// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plant table as a spreadsheet: one row a plant, its states in words,
// UTF-8 with a byte-order mark so spreadsheet programs take it as such.
//
// Columns: 植物名, 科, 分類, the ten categories (primary states), the ten
// again with "（AI）" (secondary states; empty when the same as the
// primary), 値の並び1..3 (the value lists' digits), then one 別名 column
// per alias. A state is written as the option's label, 不明, 不定, なし, or
// the value list it reads (値の並び1, ..., 値の並び1と2 for four to six
// values, 値の並び1（先頭）... when the first value is shown). A code
// character none of these fit is kept as ［c］.

#include "core/editor/PlantData.h"

#include <string>
#include <string_view>

namespace kuyu::editor {

// A spreadsheet larger than this is refused before it is read.
constexpr std::size_t MaxCsvBytes = std::size_t{16} << 20;

// The CSV text of every plant of `data`, aliases included.
std::string ExportCsv(const PlantData& data);

struct CsvProblem {
    int row = 0;    // 1-based line of the spreadsheet (the header is 1)
    int column = 0; // 1-based; 0 for the whole row
    Text message;   // in the program's words, with the row and column
};

struct CsvImport {
    std::vector<Plant> plants;
    std::vector<CsvProblem> problems; // empty when every cell was good
};

// Reads a spreadsheet written by ExportCsv (or edited since), checking
// every cell.
CsvImport ImportCsv(std::string_view bytes);

} // namespace kuyu::editor
