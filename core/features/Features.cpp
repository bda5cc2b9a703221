#include "core/features/Features.h"

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

bool isSeveralValues(char32_t c) {
    return c >= U'A' && c <= U'D';
}

// Which value list an "H", "I" or "J" refers to (1..3); 0 for any other.
int valueListOf(char32_t c) {
    switch (c) {
    case U'H':
        return 1;
    case U'I':
        return 2;
    case U'J':
        return 3;
    default:
        return 0;
    }
}

// The value an "H", "I" or "J" stands for: the first of its list.
int listedDigit(const PlantCode& code, int n) {
    const TextView list = code.valueList(n);
    return list.empty() ? 0 : CodeDigit(list.front());
}

const Text& label(const AppState& state, int k, int v) {
    return state.OptionLabel.at(static_cast<std::size_t>(k)).at(static_cast<std::size_t>(v));
}

// The table of the printed result: `listMark` is appended for "H" and "I",
// `jMark` for "J".
Text printCell(const AppState& state, int k, char32_t c, const PlantCode& code, const Text& jMark) {
    if (c == U'0') {
        return PrintUnknown;
    }
    if (c == U'X' || isSeveralValues(c)) {
        return PrintIndefinite;
    }
    if (c == U'Y') {
        return PrintNone;
    }
    if (const int n = valueListOf(c); n != 0) {
        return label(state, k, listedDigit(code, n)) + (c == U'J' ? jMark : Text(U"*"));
    }
    return label(state, k, CodeDigit(c));
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
    const Text wanted = left(key, 8);
    int found = 0;
    // The last plant that agrees wins, as every window that opens a plant
    // by its key has always shown it.
    for (int i = 1; i <= state.PlantCount; ++i) {
        if (left(state.name(i), 8) == wanted) {
            found = i;
        }
    }
    return found;
}

Text FeatureValueText(const AppState& state, int k, char32_t c, const Text& code) {
    if (c == U'0') {
        return Unknown;
    }
    if (c == U'X' || isSeveralValues(c)) {
        return Indefinite;
    }
    if (c == U'Y') {
        return NoneText;
    }
    if (const int n = valueListOf(c); n != 0) {
        return U" *" + label(state, k, listedDigit(PlantCode(code), n));
    }
    return U"  " + label(state, k, CodeDigit(c));
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
    if (k == ClassCategory) {
        return label(state, ClassCategory, CodeDigit(PlantCode(code).classification()));
    }
    const PlantCode view(code);
    return printCell(state, k, view.primary(k), view, U"*");
}

Text ResultPrintSecondaryCell(const AppState& state, int k, const Text& code) {
    const PlantCode view(code);
    return printCell(state, k, view.secondary(k), view, U"+");
}

Text CardValueText(const AppState& state, int r, const Text& code) {
    const PlantCode view(code);
    const char32_t c = view.primary(r);
    if (c == U'0') {
        return Unknown;
    }
    if (c == U'X' || isSeveralValues(c)) {
        return Indefinite;
    }
    if (c == U'Y') {
        return NoneText;
    }
    if (const int n = valueListOf(c); n != 0) {
        return label(state, r, listedDigit(view, n)) + U"*";
    }
    return label(state, r, CodeDigit(c)) + U"  ";
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
