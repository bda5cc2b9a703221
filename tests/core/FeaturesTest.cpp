// SPDX-License-Identifier: GPL-3.0-or-later
// Feature texts of the plant picture window, the feature view, the printed
// result table and the printed card: one code character, four displays.

#include "core/features/Features.h"

#include "CoreTestFiles.h"

#include <gtest/gtest.h>

namespace kuyu {
namespace {

using testing::plantCode;

// Labels that name their own category and option, so a wrong index shows.
AppState labelledState() {
    AppState s;
    for (int k = 1; k <= ClassCategory; ++k) {
        for (int v = 0; v <= 9; ++v) {
            s.OptionLabel[k][v] = U"L" + decimal(k) + U"." + decimal(v);
        }
    }
    return s;
}

void addPlant(AppState& s, const Text& name, const Text& code, const Text& family) {
    ++s.PlantCount;
    s.PlantName[s.PlantCount] = name;
    s.PlantCode[s.PlantCount] = code;
    s.PlantFamily[s.PlantCount] = family;
}

struct Row {
    char32_t c;
    const char32_t* window;    // plant picture window and feature view
    const char32_t* print;     // printed result, main row
    const char32_t* secondary; // printed result, secondary row
    const char32_t* card;      // printed card
};

// Category 3, value lists "2..", "4..", "6..": H/I/J read 2, 4, 6.
const Row Table[] = {
    {U'0', U"  不明 ", U"不明  ", U"不明  ", U"  不明 "},
    {U'X', U"  不定 ", U"不定  ", U"不定  ", U"  不定 "},
    {U'A', U"  不定 ", U"不定  ", U"不定  ", U"  不定 "},
    {U'B', U"  不定 ", U"不定  ", U"不定  ", U"  不定 "},
    {U'C', U"  不定 ", U"不定  ", U"不定  ", U"  不定 "},
    {U'D', U"  不定 ", U"不定  ", U"不定  ", U"  不定 "},
    {U'Y', U"  なし ", U"なし  ", U"なし  ", U"  なし "},
    {U'H', U" *L3.2", U"L3.2*", U"L3.2*", U"L3.2*"},
    {U'I', U" *L3.4", U"L3.4*", U"L3.4*", U"L3.4*"},
    {U'J', U" *L3.6", U"L3.6*", U"L3.6+", U"L3.6*"},
    {U'1', U"  L3.1", U"L3.1", U"L3.1", U"L3.1  "},
    {U'8', U"  L3.8", U"L3.8", U"L3.8", U"L3.8  "},
    {U'9', U"  L3.9", U"L3.9", U"L3.9", U"L3.9  "},
    // Letters outside the table, lower case and blanks show the category name.
    {U'E', U"  L3.0", U"L3.0", U"L3.0", U"L3.0  "},
    {U'Z', U"  L3.0", U"L3.0", U"L3.0", U"L3.0  "},
    {U'h', U"  L3.0", U"L3.0", U"L3.0", U"L3.0  "},
    {U'a', U"  L3.0", U"L3.0", U"L3.0", U"L3.0  "},
    {U' ', U"  L3.0", U"L3.0", U"L3.0", U"L3.0  "},
    {U'@', U"  L3.0", U"L3.0", U"L3.0", U"L3.0  "},
};

TEST(FeatureTexts, EveryCodeCharacterOnEveryDisplay) {
    const AppState s = labelledState();
    for (const Row& row : Table) {
        SCOPED_TRACE(toUtf8(Text(1, row.c)));
        // The character under test as primary code (6) and secondary code (5)
        // of category 3.
        Text code = plantCode(U"00" + Text(1, row.c), U"00" + Text(1, row.c), U"2  4  6  ");
        EXPECT_EQ(FeatureValueText(s, 3, row.c, code), row.window);
        EXPECT_EQ(ResultPrintCell(s, 3, code), row.print);
        EXPECT_EQ(ResultPrintSecondaryCell(s, 3, code), row.secondary);
        EXPECT_EQ(CardValueText(s, 3, code), row.card);
    }
}

TEST(FeatureTexts, ValueListReferencesReadTheirOwnPositions) {
    const AppState s = labelledState();
    // Only the first digit of each list counts; a blank there gives option 0.
    const Text code = plantCode(U"HIJHIJHIJH", U"0000000000", U"579 3 ");
    EXPECT_EQ(FeatureValueText(s, 1, U'H', code), U" *L1.5");
    EXPECT_EQ(FeatureValueText(s, 2, U'I', code), U" *L2.0");
    EXPECT_EQ(FeatureValueText(s, 3, U'J', code), U" *L3.0");
    EXPECT_EQ(CardValueText(s, 10, code), U"L10.5*");
}

TEST(FeatureTexts, ClassificationCellOfThePrintedTable) {
    const AppState s = labelledState();
    // The print cell reads character 30 plainly: "0" or a letter is the
    // category's own name, never "不明".
    EXPECT_EQ(ResultPrintCell(s, 11, plantCode(U"", U"", U"", U'3')), U"L11.3");
    EXPECT_EQ(ResultPrintCell(s, 11, plantCode(U"", U"", U"", U'0')), U"L11.0");
    EXPECT_EQ(ResultPrintCell(s, 11, plantCode(U"", U"", U"", U'X')), U"L11.0");
}

TEST(PlantFeatures, WindowCaptionValuesAndClassification) {
    AppState s = labelledState();
    addPlant(s, U"ｽﾐﾚ", plantCode(U"10XY2H0000", U"", U"7", U'2'), U"ｽﾐﾚ");
    addPlant(s, U"ﾀﾝﾎﾟﾎﾟ", plantCode(U"2222222222", U"", U"", U'0'), U"ｷｸ");

    const PlantFeatures first = PlantPictureFeatures(s, 1);
    EXPECT_EQ(first.row, 1);
    EXPECT_EQ(first.caption, U"ｽﾐﾚ (ｽﾐﾚ)科");
    EXPECT_EQ(first.values[0], U"  L1.1");
    EXPECT_EQ(first.values[1], U"  不明 ");
    EXPECT_EQ(first.values[2], U"  不定 ");
    EXPECT_EQ(first.values[3], U"  なし ");
    EXPECT_EQ(first.values[5], U" *L6.7");
    EXPECT_EQ(first.values[9], U"  不明 ");
    EXPECT_EQ(first.classification, U"L11.2");

    // A plant without a classification must not keep the one shown before.
    const PlantFeatures second = PlantPictureFeatures(s, 2);
    EXPECT_EQ(second.classification, U"");
    EXPECT_EQ(FeatureViewFeatures(s, 2).classification, U"");
    EXPECT_EQ(FeatureViewFeatures(s, 2).caption, U"ﾀﾝﾎﾟﾎﾟ");

    EXPECT_EQ(PlantPictureFeatures(s, 0).row, 0);
    EXPECT_EQ(PlantPictureFeatures(s, 3).row, 0);
}

TEST(PlantFeatures, FindByKeyComparesEightCharactersAndTakesTheLast) {
    AppState s;
    addPlant(s, U"ｱｲｳｴｵｶｷｸｹ", plantCode(U""), U"A");
    addPlant(s, U"ｱｲｳ", plantCode(U""), U"B");
    addPlant(s, U"ｱｲｳｴｵｶｷｸｺ", plantCode(U""), U"C");
    addPlant(s, U"ｱｲｳｴ", plantCode(U""), U"D");

    EXPECT_EQ(FindPlantByKey(s, U"ｱｲｳｴｵｶｷｸ"), 3);  // shared first eight: the later
    EXPECT_EQ(FindPlantByKey(s, U"ｱｲｳｴｵｶｷｸｹ"), 3); // only eight characters count
    EXPECT_EQ(FindPlantByKey(s, U"ｱｲｳ"), 2);       // no prefix match of longer names
    EXPECT_EQ(FindPlantByKey(s, U"ｱｲ"), 0);
    EXPECT_EQ(FindPlantByKey(s, U""), 0);
    s.PlantCount = 3; // rows past the count are not plants
    EXPECT_EQ(FindPlantByKey(s, U"ｱｲｳｴ"), 0);
}

} // namespace
} // namespace kuyu
