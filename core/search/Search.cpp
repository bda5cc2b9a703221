// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search/Search.h"

#include "core/database/Database.h"
#include "core/features/Features.h"
#include "core/state/CodeLetters.h"
#include "core/state/PlantCode.h"

#include <algorithm>
#include <optional>

namespace kuyu {

namespace {

const Text CountLead = U"  以上  ";
const Text CountTail = U" 種類 です";
const Text NoMatch = U"    該当する植物はありません";
const Text FamilySuffix = U"科";

constexpr std::size_t NameColumn = 24;
constexpr std::size_t FamilyColumn = 15;
constexpr std::size_t NumberWidth = 5;

// Decimal digits of a row number, left-aligned in `width` characters.
void appendLeftAligned(Text& out, unsigned n, std::size_t width) {
    char32_t digits[12];
    std::size_t len = 0;
    do {
        digits[len++] = static_cast<char32_t>(U'0' + n % 10);
        n /= 10;
    } while (n != 0);
    for (std::size_t i = len; i > 0; --i) {
        out += digits[i - 1];
    }
    if (len < width) {
        out.append(width - len, U' ');
    }
}

// Appends `text` cut or padded with blanks to exactly `width` characters.
void appendFixed(Text& out, TextView text, std::size_t width) {
    if (text.size() >= width) {
        out.append(text.substr(0, width));
    } else {
        out.append(text);
        out.append(width - text.size(), U' ');
    }
}

// A chosen category: k (1..10) and the matcher of its chosen digit. The
// picker stores only the digits 0..9 in the selection; anything else counts
// as not chosen.
struct Chosen {
    int k;
    DigitMatcher match;
};

std::vector<Chosen> chosenCategories(const Text& selection) {
    std::vector<Chosen> chosen;
    for (int k = 1; k <= CategoryCount; ++k) {
        const char32_t s = PlantCode(selection).at(static_cast<std::size_t>(k));
        if (s >= U'1' && s <= U'9') {
            chosen.push_back({k, DigitMatcher(static_cast<int>(s - U'0'))});
        }
    }
    return chosen;
}

// The first pass (primary codes), then plain mode's 5 or AI mode's second
// pass, which also takes the secondary codes and starts from 1, so a plant
// listed by it still carries the "*" mark.
void scorePlants(AppState& state, std::int16_t mode) {
    const int count = state.PlantCount;
    auto& score = state.MatchScore;
    const auto chosen = chosenCategories(state.SelectionCode);
    for (int j = 1; j <= count; ++j) {
        const PlantCode code(state.PlantCode[j]);
        const auto sets = DigitMatcher::listSets(code);
        std::int16_t sc = 0;
        for (const Chosen& c : chosen) {
            sc = static_cast<std::int16_t>(sc + !c.match.firstPass(code, c.k, sets));
        }
        if (mode == search::Ai && sc != 0) {
            sc = 1;
            for (const Chosen& c : chosen) {
                sc = static_cast<std::int16_t>(sc + !c.match.aiPass(code, c.k, sets));
            }
        }
        if (mode == search::Plain && sc != 0) {
            sc = 5;
        }
        score[j] = sc;
    }
}

} // namespace

void SearchPlants(AppState& state, std::int16_t& mode, const Text& nameBox) {
    const int count = state.PlantCount;
    state.clearResultRows();
    state.NameKey.clear();

    state.clearScores();
    auto& score = state.MatchScore;
    if (mode == search::ListAll) {
        mode = search::Plain;
    } else {
        scorePlants(state, mode);
        if (!nameBox.empty()) {
            state.NameKey = nameBox;
            FilterByName(state);
            for (int j = 1; j <= count; ++j) {
                score[j] = static_cast<std::int16_t>(score[j] + 9);
            }
        }
    }

    const int threshold = (mode + 1) / 2 + 1;
    int n = 0;
    for (int i = 1; i <= count; ++i) {
        if (score[i] >= threshold) {
            continue;
        }
        ++n;
        const bool exact = score[i] == 0;
        state.ResultCode[n] = state.PlantCode[i];
        WriteResultCaption(state.ResultCaption[n], exact, state.PlantName[i], state.PlantFamily[i]);
        Text& line = state.ResultLine[n];
        WriteListLine(line, exact ? U' ' : U'*', n, state.PlantName[i], state.PlantFamily[i]);
        line += FamilySuffix;
    }
    state.ResultCount = static_cast<std::int16_t>(n);
}

namespace {

// Calls mark(j) for every plant j whose name, or one of whose aliases,
// contains `nameKey`; a plant may be marked twice. An empty key marks all.
template <typename Mark>
void markNamePasses(const AppState& state, const Text& nameKey, Mark mark) {
    const int count = std::max<int>(state.PlantCount, 0);
    for (int j = 1; j <= count; ++j) {
        if (nameKey.empty() ||
            state.PlantName[static_cast<std::size_t>(j)].find(nameKey) != Text::npos) {
            mark(j);
        }
    }
    if (nameKey.empty()) {
        return;
    }
    const auto kept = SharedAliases(state);
    const AliasTable& aliases = *kept;
    for (int e = 1; e <= aliases.count; ++e) {
        if (aliases.Alias[static_cast<std::size_t>(e)].find(nameKey) == Text::npos) {
            continue;
        }
        const Text& plant = aliases.PlantName[static_cast<std::size_t>(e)];
        for (int j = 1; j <= count; ++j) {
            if (state.PlantName[static_cast<std::size_t>(j)] == plant) {
                mark(j);
            }
        }
    }
}

} // namespace

std::vector<char> NamePassSet(const AppState& state, const Text& nameKey) {
    const int count = std::max<int>(state.PlantCount, 0);
    std::vector<char> pass(static_cast<std::size_t>(count) + 1, 0);
    markNamePasses(state, nameKey, [&pass](int j) { pass[static_cast<std::size_t>(j)] = 1; });
    return pass;
}

void FilterByName(AppState& state) {
    markNamePasses(state, state.NameKey, [&state](int j) {
        std::int16_t& s = state.MatchScore[static_cast<std::size_t>(j)];
        if (s == 0 || s == 1) {
            s = static_cast<std::int16_t>(s - 9);
        }
    });
}

Text ResultCountWords(int resultCount) {
    if (resultCount != 0) {
        return CountLead + numberWithSign(resultCount) + U" " + CountTail;
    }
    return NoMatch;
}

CountLine ResultCountLine(int resultCount) {
    return {ResultCountWords(resultCount), resultCount != 0 ? BasicBlue : BasicRed};
}

ResultListView ShowResultList(AppState& state, std::int16_t mode) {
    state.SearchMode = mode;
    ResultListView view;
    view.count = ResultCountLine(state.ResultCount);
    view.lines.reserve(static_cast<std::size_t>(std::max<int>(state.ResultCount, 0)));
    for (int n = 1; n <= state.ResultCount; ++n) {
        view.lines.push_back(state.ResultLine[n]);
    }
    for (std::size_t k = 1; k <= CategoryCount; ++k) {
        const char32_t c = k <= state.SelectionCode.size() ? state.SelectionCode[k - 1] : U'0';
        int d = (c >= U'0' && c <= U'9') ? static_cast<int>(c - U'0') : 0;
        if (d == 0) {
            d = 9;
        }
        view.conditionLabels[k - 1] = U"  " + state.OptionLabel[k][static_cast<std::size_t>(d)];
    }
    return view;
}

RegisteredListView ListRegisteredPlants(AppState& state, std::int16_t mode) {
    state.SearchMode = mode;
    RegisteredListView view;
    const int count = state.ResultCount;
    view.count = ResultCountLine(count);
    if (count <= 0) {
        return view;
    }
    std::vector<Text> tmp(static_cast<std::size_t>(count) + 1);
    for (int o = 1; o <= count; ++o) {
        tmp[o] = mid(state.ResultLine[o], 7, 33);
    }
    if (mode == 0) {
        // Ascending by character codes. Elements that compare equal are
        // identical texts, so any sort gives the same list as the selection
        // sort the users know, in n log n rather than n squared.
        std::sort(tmp.begin() + 1, tmp.end());
    }
    view.lines.reserve(static_cast<std::size_t>(count));
    for (int u = 1; u <= count; ++u) {
        Text line = U" ";
        appendLeftAligned(line, static_cast<unsigned>(u), NumberWidth);
        line += tmp[u];
        state.ResultLine[u] = line;
        view.lines.push_back(std::move(line));
    }
    return view;
}

void WriteListLine(Text& line, char32_t mark, int number, TextView name, TextView family) {
    line.clear();
    line += mark;
    appendLeftAligned(line, static_cast<unsigned>(std::max(number, 0)), NumberWidth);
    appendFixed(line, name, NameColumn > line.size() ? NameColumn - line.size() : 0);
    const std::size_t familyStart = line.size();
    line += U'(';
    line += family;
    line += U')';
    // Cut or pad the family column to its width.
    line.resize(familyStart + FamilyColumn, U' ');
}

void WriteResultCaption(Text& caption, bool exact, TextView name, TextView family) {
    caption.assign(exact ? U"  " : U"* ");
    caption += name;
    caption += U" (";
    caption += family;
    caption += U')';
    caption += FamilySuffix;
}

int RowOfLine(const Text& line) {
    // The old Val(): leading blanks skipped, then as many digits as there are.
    const Text field = mid(line, 2, 4);
    std::size_t i = 0;
    while (i < field.size() && field[i] == U' ') {
        ++i;
    }
    int n = 0;
    for (; i < field.size() && field[i] >= U'0' && field[i] <= U'9'; ++i) {
        n = n * 10 + static_cast<int>(field[i] - U'0');
    }
    return n;
}

std::optional<Text> ResultCaptionOfLine(const AppState& state, const Text& line) {
    const Text key = KeyOfLine(line);
    const int row = RowOfLine(line);
    if (key.empty() || row < 1 || row > state.ResultCount) {
        return std::nullopt;
    }
    if (KeyOfLine(state.ResultLine.at(static_cast<std::size_t>(row))) == key &&
        mid(state.ResultLine.at(static_cast<std::size_t>(row)), 1, 1) == mid(line, 1, 1)) {
        return state.ResultCaption.at(static_cast<std::size_t>(row));
    }
    const int plant = FindPlantByKey(state, key);
    if (plant == 0) {
        return std::nullopt;
    }
    Text caption;
    WriteResultCaption(caption, !line.starts_with(U'*'), state.name(plant), state.family(plant));
    return caption;
}

Text KeyOfLine(const Text& line) {
    return PlantKey(mid(line, 7, 8));
}

} // namespace kuyu
