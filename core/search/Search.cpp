#include "core/search/Search.h"

#include "core/database/Database.h"

#include <algorithm>

namespace kuyu {

namespace {

const Text CountLead = U"  以上  ";
const Text CountTail = U" 種類 です";
const Text NoMatch = U"    該当する植物はありません";
const Text FamilySuffix = U"科";

constexpr std::size_t NameColumn = 24;
constexpr std::size_t FamilyColumn = 15;
constexpr std::size_t NumberWidth = 5;

// Does the selection digit stand among characters from..to (1-based) of the code?
bool inList(const Text& code, char32_t s, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i <= to && i <= code.size(); ++i) {
        if (code[i - 1] == s) {
            return true;
        }
    }
    return false;
}
bool inL1(const Text& c, char32_t s) {
    return inList(c, s, 21, 23);
}
bool inL2(const Text& c, char32_t s) {
    return inList(c, s, 24, 26);
}
bool inL3(const Text& c, char32_t s) {
    return inList(c, s, 27, 29);
}
bool inL12(const Text& c, char32_t s) {
    return inList(c, s, 21, 26);
}

char32_t at(const Text& t, std::size_t pos1) {
    return pos1 <= t.size() ? t[pos1 - 1] : U'\0';
}

// Disagreements of one plant in the chosen categories, by primary codes.
std::int16_t firstPass(const Text& code, const Text& selection) {
    std::int16_t score = 0;
    for (std::size_t k = 1; k <= CategoryCount; ++k) {
        const char32_t s = at(selection, k);
        const char32_t p = at(code, 2 * k);
        if (p == U'X' || p == U'0' || s == U'0') {
            continue;
        }
        bool agrees;
        if (p == U'H' || p == U'A') {
            agrees = inL1(code, s);
        } else if (p == U'I' || p == U'B') {
            agrees = inL2(code, s);
        } else if (p == U'J' || p == U'C') {
            agrees = inL3(code, s);
        } else if (p == U'D') {
            agrees = inL12(code, s);
        } else {
            agrees = p == s;
        }
        if (!agrees) {
            ++score;
        }
    }
    return score;
}

// The lenient second test of AI search; starts from 1, so a plant listed by
// it still carries the "*" mark.
std::int16_t aiPass(const Text& code, const Text& selection) {
    std::int16_t score = 1;
    for (std::size_t k = 1; k <= CategoryCount; ++k) {
        const char32_t s = at(selection, k);
        const char32_t p = at(code, 2 * k);
        const char32_t q = at(code, 2 * k - 1);
        if (q == U'X' || p == U'X' || q == U'0' || p == U'0' || s == U'0') {
            continue;
        }
        if (q == s || p == s) {
            continue;
        }
        bool agrees;
        if (q == U'A' || p == U'H' || p == U'A') {
            agrees = inL1(code, s);
        } else if (q == U'B' || p == U'I' || p == U'B') {
            agrees = inL2(code, s);
        } else if (q == U'C' || p == U'J' || p == U'C') {
            agrees = inL3(code, s);
        } else if (q == U'D' || p == U'D') {
            agrees = inL12(code, s);
        } else {
            agrees = false;
        }
        if (!agrees) {
            ++score;
        }
    }
    return score;
}

// Decimal digits of n, left-aligned in `width` characters.
void appendLeftAligned(Text& out, long n, std::size_t width) {
    const Text digits = decimal(n);
    out += digits;
    if (digits.size() < width) {
        out.append(width - digits.size(), U' ');
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

Text resultLine(char32_t mark, int number, const Text& name, const Text& family) {
    Text line;
    line.reserve(NameColumn + FamilyColumn + 1);
    line += mark;
    appendLeftAligned(line, number, NumberWidth);
    appendFixed(line, name, NameColumn - 1 - NumberWidth);
    Text fam;
    fam.reserve(family.size() + 2);
    fam += U'(';
    fam += family;
    fam += U')';
    appendFixed(line, fam, FamilyColumn);
    line += FamilySuffix;
    return line;
}

Text resultCaption(bool exact, const Text& name, const Text& family) {
    Text c = exact ? Text(U"  ") : Text(U"* ");
    c.reserve(c.size() + name.size() + family.size() + 4);
    c += name;
    c += U" (";
    c += family;
    c += U')';
    c += FamilySuffix;
    return c;
}

} // namespace

void SearchPlants(AppState& state, std::int16_t& mode, const Text& nameBox) {
    const int count = state.PlantCount;
    for (int n = 1; n <= count; ++n) {
        state.ResultCaption[n].clear();
        state.ResultLine[n].clear();
        state.ResultCode[n].clear();
    }
    state.NameKey.clear();

    auto& score = state.MatchScore;
    std::fill(score.begin() + 1, score.begin() + 1 + count, std::int16_t{0});
    if (mode == 10) {
        mode = 0;
    } else {
        const Text& sel = state.SelectionCode;
        for (int j = 1; j <= count; ++j) {
            score[j] = firstPass(state.PlantCode[j], sel);
        }
        if (mode == 0) {
            for (int j = 1; j <= count; ++j) {
                if (score[j] != 0) {
                    score[j] = 5;
                }
            }
        } else if (mode == 2) {
            for (int j = 1; j <= count; ++j) {
                if (score[j] != 0) {
                    score[j] = aiPass(state.PlantCode[j], sel);
                }
            }
        }
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
        state.ResultCaption[n] = resultCaption(exact, state.PlantName[i], state.PlantFamily[i]);
        state.ResultLine[n] =
            resultLine(exact ? U' ' : U'*', n, state.PlantName[i], state.PlantFamily[i]);
    }
    state.ResultCount = static_cast<std::int16_t>(n);
}

void FilterByName(AppState& state) {
    const AliasTable aliases = ReadAliases(state);
    const Text& key = state.NameKey;
    const int count = state.PlantCount;
    auto mark = [&state](int j) {
        std::int16_t& s = state.MatchScore[j];
        if (s == 0 || s == 1) {
            s = static_cast<std::int16_t>(s - 9);
        }
    };
    for (int j = 1; j <= count; ++j) {
        if (state.PlantName[j].find(key) != Text::npos) {
            mark(j);
        }
    }
    for (int e = 1; e <= aliases.count; ++e) {
        if (aliases.Alias[e].find(key) == Text::npos) {
            continue;
        }
        const Text& plant = aliases.PlantName[e];
        for (int j = 1; j <= count; ++j) {
            if (state.PlantName[j] == plant) {
                mark(j);
            }
        }
    }
}

CountLine ResultCountLine(int resultCount) {
    if (resultCount != 0) {
        return {CountLead + numberWithSign(resultCount) + U" " + CountTail, BasicBlue};
    }
    return {NoMatch, BasicRed};
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
        // Selection sort: only a strictly smaller element replaces the current
        // smallest, so the first of equal elements is taken.
        for (int p = 1; p <= count; ++p) {
            int smallest = p;
            for (int i = p + 1; i <= count; ++i) {
                if (tmp[i] < tmp[smallest]) {
                    smallest = i;
                }
            }
            if (smallest != p) {
                std::swap(tmp[p], tmp[smallest]);
            }
        }
    }
    view.lines.reserve(static_cast<std::size_t>(count));
    for (int u = 1; u <= count; ++u) {
        Text line = U" ";
        appendLeftAligned(line, u, NumberWidth);
        line += tmp[u];
        state.ResultLine[u] = line;
        view.lines.push_back(std::move(line));
    }
    return view;
}

Text KeyOfLine(const Text& line) {
    Text key = mid(line, 7, 8);
    while (!key.empty() && key.back() == U' ') {
        key.pop_back();
    }
    return key;
}

} // namespace kuyu
