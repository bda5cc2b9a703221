// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Feature texts: how one character of a plant's characteristic code reads on
// each display. The displays share most of the table but differ in the marks
// and blanks around a label, so each has its own function.
//
// The code is read through PlantCode (core/state/PlantCode.h).

#include "core/state/AppState.h"
#include "core/text/Colour.h"

#include <array>

namespace kuyu {

// The numeric value of a code character: "0".."9" -> 0..9, anything else 0.
int CodeDigit(char32_t c);

// The last plant row whose name agrees with `key` in the first eight
// characters (left(name, 8) == left(key, 8)); 0 when none or `key` is empty.
int FindPlantByKey(const AppState& state, const Text& key);

// --- plant picture window (Form42, TOK) and feature view (Form46A, TOK1) ---
// "  不明 ", "  不定 ", "  なし ", " *" + label for H/I/J, "  " + label.
// `k` is the category 1..10, `c` the code character read for it.
Text FeatureValueText(const AppState& state, int k, char32_t c, const Text& code);

struct PlantFeatures {
    int row = 0;                 // plant row, 0 when not found
    Text caption;                // window caption
    std::array<Text, 10> values; // TOK(0..9) / TOK1(0..9)
    Text classification;         // OptionLabel(11, g); empty when g = 0
};

// Plant picture window: caption "name (family)科". A classification digit
// of 0 gives an empty classification, so the previous plant's is cleared.
PlantFeatures PlantPictureFeatures(const AppState& state, int row);

// Feature view: caption is the plant's full name; same texts as above.
PlantFeatures FeatureViewFeatures(const AppState& state, int row);

// Text colour of TOK1(k - 1) in the feature view: flower purple, leaf green,
// stem dark red.
Rgb FeatureViewColour(int k);

// --- printed result table ---
// Main row cell k (1..10) from character 2k, cell 11 (classification) from
// character 30 without the special characters. "不明  ", "不定  ", "なし  ",
// label + "*" for H/I/J, plain label otherwise.
Text ResultPrintCell(const AppState& state, int k, const Text& code);
// Secondary row cell k (1..10) from character 2k - 1; "J" appends "+".
Text ResultPrintSecondaryCell(const AppState& state, int k, const Text& code);

// --- printed features card ---
// Value of row r (1..10) from character 2r: "  不明 ", "  不定 ", "  なし ",
// label + "*" for H/I/J, label + "  " otherwise.
Text CardValueText(const AppState& state, int r, const Text& code);
// Text colour of card row r (1..10): light magenta, green, red.
Rgb CardValueColour(int r);
// Captions of card rows 1..10.
const std::array<Text, 10>& CardCaptions();

} // namespace kuyu
