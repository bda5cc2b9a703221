// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/finders/NameSearch.h"

namespace kuyu {

namespace {

const Text EmptyNameMessage = U"植物名を入力してください";
const Text NotKatakanaMessage = U"半角ｶﾀｶﾅで植物名を入力してください";
const Text MessageTitle = U"メッセージ";
const Text PartialNameMark = U"･";
const Text PartialAliasMark = U"*";

constexpr Rgb LightRed{255, 0, 0};  // basic colour 12
constexpr Rgb Magenta{128, 0, 128}; // basic colour 5

// Single-byte CP932 codes 0xA6..0xDF: "ｦ" to "ﾟ".
bool isAcceptedKana(char32_t c) {
    const auto bytes = encodeCp932(Text(1, c));
    if (!bytes || bytes->size() != 1) {
        return false;
    }
    const auto b = static_cast<unsigned char>((*bytes)[0]);
    return b >= 0xA6 && b <= 0xDF;
}

class RowWriter {
  public:
    explicit RowWriter(AppState& state) : state_(state) {}

    void add(int plant, const Text& mark, const Text& alias = {}) {
        // The result store holds PlantCapacity rows; further hits are dropped.
        if (row_ > PlantCapacity) {
            return;
        }
        Text& line = state_.ResultLine[row_];
        WriteListLine(line, mark.empty() ? U' ' : mark.front(), row_, state_.name(plant),
                      state_.family(plant));
        line += alias;
        ++row_;
    }
    int rows() const { return row_ - 1; }

  private:
    AppState& state_;
    int row_ = 1;
};

} // namespace

std::optional<NameInputProblem> CheckNameInput(const Text& typed) {
    if (typed.empty()) {
        return NameInputProblem{Message{EmptyNameMessage, MessageTitle}, false};
    }
    for (const char32_t c : typed) {
        if (!isAcceptedKana(c)) {
            return NameInputProblem{Message{NotKatakanaMessage, MessageTitle}, true};
        }
    }
    return std::nullopt;
}

void FindPlantsByName(AppState& state, bool partial, const AliasTable& aliases) {
    const Text& key = state.NameKey;
    const std::size_t length = key.size();
    RowWriter out(state);
    const int aliasCount = std::min<int>(aliases.count, static_cast<int>(aliases.Alias.size()) - 1);

    auto addAliasRows = [&](int j, const Text& mark) {
        for (int i = 1; i <= state.PlantCount; ++i) {
            if (state.name(i) == aliases.PlantName[j]) {
                out.add(i, mark, aliases.Alias[j]);
            }
        }
    };

    for (int i = 1; i <= state.PlantCount; ++i) {
        if (state.name(i) == key) {
            out.add(i, U" ");
        }
    }
    for (int j = 1; j <= aliasCount; ++j) {
        if (aliases.Alias[j] == key) {
            addAliasRows(j, U" ");
        }
    }
    if (partial) {
        // Names as long as the key were found above if they are equal to it.
        for (int i = 1; i <= state.PlantCount; ++i) {
            const Text& name = state.name(i);
            if (name.size() > length && name.find(key) != Text::npos) {
                out.add(i, PartialNameMark);
            }
        }
        for (int j = 1; j <= aliasCount; ++j) {
            const Text& alias = aliases.Alias[j];
            if (alias.size() > length && alias.find(key) != Text::npos) {
                addAliasRows(j, PartialAliasMark);
            }
        }
    }
    state.ResultCount = static_cast<std::int16_t>(out.rows());
}

void FindPlantsByName(AppState& state, bool partial) {
    FindPlantsByName(state, partial, *SharedAliases(state));
}

NameMatchListView ShowNameMatchList(AppState& state) {
    NameMatchListView view;
    const int rows = state.ResultCount;
    if (rows <= 0) {
        view.count = {ResultCountWords(0), LightRed};
        return view;
    }
    std::vector<Text> keys;
    for (int r = 1; r <= rows; ++r) {
        view.rows.push_back(state.ResultLine[r]);
        keys.push_back(KeyOfLine(state.ResultLine[r]));
    }
    // Several rows may show one plant (by its name and by an alias): count
    // each plant key once.
    int duplicates = 0;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (keys[k].empty()) {
            continue;
        }
        for (std::size_t m = 0; m < keys.size(); ++m) {
            if (m != k && keys[m] == keys[k]) {
                keys[m].clear();
                ++duplicates;
            }
        }
    }
    state.ResultCount = static_cast<std::int16_t>(rows - duplicates);
    view.count = {ResultCountWords(state.ResultCount), Magenta};
    return view;
}

} // namespace kuyu
