// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/features/Features.h"

#include "core/state/CodeLetters.h"
#include "core/state/PlantCode.h"

namespace kuyu {

namespace {

// The display's own words.
const Text Unknown = U"  不明 ";
const Text Indefinite = U"  不定 ";
const Text NoneText = U"  なし ";
const Text PrintUnknown = U"不明  ";
const Text PrintIndefinite = U"不定  ";
const Text PrintNone = U"なし  ";
const Text FamilySuffix = U")科";

// The value a leaning letter ("H".."J") stands for: the first of its list.
int leaningDigit(const PlantCode& code, const CodeLetter& letter) {
    const TextView list = code.valueList(SpanOf(letter.primaryLists).first);
    return list.empty() ? 0 : CodeDigit(list.front());
}

const Text& label(const AppState& state, int k, int v) {
    return state.OptionLabel.at(static_cast<std::size_t>(k)).at(static_cast<std::size_t>(v));
}

// How one display writes a code character: its words for unknown, variable
// and none, and the marks around a label.
struct Display {
    const Text& unknown;
    const Text& indefinite;
    const Text& none;
    const char32_t* leaningLead; // before the label of a leaning value
    const char32_t* leaningMark; // after it ("J" may differ)
    const char32_t* jMark;
    const char32_t* plainLead; // before the label of a plain value
    const char32_t* plainTail; // after it
};

const Display Window{Unknown, Indefinite, NoneText, U" *", U"", U"", U"  ", U""};
const Display Card{Unknown, Indefinite, NoneText, U"", U"*", U"*", U"", U"  "};
const Display PrintPrimary{PrintUnknown, PrintIndefinite, PrintNone, U"", U"*", U"*", U"", U""};
const Display PrintSecondary{PrintUnknown, PrintIndefinite, PrintNone, U"", U"*", U"+", U"", U""};

Text valueText(const AppState& state, int k, char32_t c, const PlantCode& code, const Display& d) {
    const CodeLetter letter = ReadCodeLetter(c);
    switch (letter.role) {
    case CodeRole::Unknown:
        return d.unknown;
    case CodeRole::Variable:
    case CodeRole::SeveralValues:
        return d.indefinite;
    case CodeRole::Absent:
        return d.none;
    case CodeRole::Leaning:
        return d.leaningLead + label(state, k, leaningDigit(code, letter)) +
               (c == U'J' ? d.jMark : d.leaningMark);
    default:
        return d.plainLead + label(state, k, letter.digit) + d.plainTail;
    }
}

PlantFeatures features(const AppState& state, int row, Text caption) {
    PlantFeatures f;
    if (row < 1 || row > state.PlantCount) {
        return f;
    }
    f.row = row;
    f.caption = std::move(caption);
    const Text& code = state.code(row);
    const PlantCode view(code);
    for (int k = 1; k <= CategoryCount; ++k) {
        f.values.at(static_cast<std::size_t>(k - 1)) =
            FeatureValueText(state, k, view.primary(k), code);
    }
    // A plant without a classification shows none rather than keeping the
    // classification of the plant shown before it.
    const int g = CodeDigit(view.classification());
    if (g != 0) {
        f.classification = label(state, ClassCategory, g);
    }
    return f;
}

} // namespace

int CodeDigit(char32_t c) {
    return (c >= U'0' && c <= U'9') ? static_cast<int>(c - U'0') : 0;
}

int FindPlantByKey(const AppState& state, const Text& key) {
    if (key.empty()) {
        return 0;
    }
    const Text wanted = PlantKey(key);
    int found = 0;
    // The last plant that agrees wins, as every window that opens a plant
    // by its key has always shown it.
    for (int i = 1; i <= state.PlantCount; ++i) {
        if (PlantKey(state.name(i)) == wanted) {
            found = i;
        }
    }
    return found;
}

Text FeatureValueText(const AppState& state, int k, char32_t c, const Text& code) {
    return valueText(state, k, c, PlantCode(code), Window);
}

PlantFeatures PlantPictureFeatures(const AppState& state, int row) {
    if (row < 1 || row > state.PlantCount) {
        return {};
    }
    return features(state, row, state.name(row) + U" (" + state.family(row) + FamilySuffix);
}

PlantFeatures FeatureViewFeatures(const AppState& state, int row) {
    if (row < 1 || row > state.PlantCount) {
        return {};
    }
    return features(state, row, state.name(row));
}

Rgb FeatureViewColour(int k) {
    if (k <= 5) {
        return Rgb{0xC0, 0x00, 0xC0};
    }
    if (k <= 8) {
        return Rgb{0x00, 0x80, 0x00};
    }
    return Rgb{0x80, 0x00, 0x00};
}

Text ResultPrintCell(const AppState& state, int k, const Text& code) {
    const PlantCode view(code);
    if (k == ClassCategory) {
        return label(state, ClassCategory, CodeDigit(view.classification()));
    }
    return valueText(state, k, view.primary(k), view, PrintPrimary);
}

Text ResultPrintSecondaryCell(const AppState& state, int k, const Text& code) {
    const PlantCode view(code);
    return valueText(state, k, view.secondary(k), view, PrintSecondary);
}

Text CardValueText(const AppState& state, int r, const Text& code) {
    const PlantCode view(code);
    return valueText(state, r, view.primary(r), view, Card);
}

Rgb CardValueColour(int r) {
    if (r <= 5) {
        return Rgb{255, 0, 255}; // palette colour 13
    }
    if (r <= 8) {
        return Rgb{0, 128, 0}; // palette colour 2
    }
    return Rgb{128, 0, 0}; // palette colour 4
}

const std::array<Text, 10>& CardCaptions() {
    static const std::array<Text, 10> captions{U"花の色", U"花弁数", U" 花序 ", U"花の形",
                                               U"ｵｼﾍﾞ数", U" 葉序 ", U"葉の形", U" 葉脈 ",
                                               U"茎形状", U"茎断面"};
    return captions;
}

} // namespace kuyu
