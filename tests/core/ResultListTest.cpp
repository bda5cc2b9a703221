// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreTestFiles.h"

#include "core/conditions/Conditions.h"
#include "core/search/Search.h"

#include <gtest/gtest.h>

using namespace kuyu;
using namespace kuyu::testing;

namespace {

void addPlant(AppState& s, const Text& name, const Text& family, const Text& code = U"") {
    const int j = ++s.PlantCount;
    s.PlantName[j] = name;
    s.PlantCode[j] = code.empty() ? plantCode(U"1") : code;
    s.PlantFamily[j] = family;
}

void listAll(AppState& s) {
    std::int16_t mode = 10;
    SearchPlants(s, mode, U"");
}

} // namespace

TEST(ResultLine, HasFixedColumnsWhateverTheNameAndFamilyLengths) {
    AppState s;
    const Text name20 = U"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ";
    const Text family14 = U"ABCDEFGHIJKLMN";
    addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ");
    addPlant(s, name20, family14);
    addPlant(s, U"", U"");
    listAll(s);
    EXPECT_EQ(s.ResultLine[1], U" 1    ｽﾐﾚ" + Text(15, U' ') + U"(ｽﾐﾚ)" + Text(10, U' ') + U"科");
    // A long name is cut to 18 characters in the line only; a 14-character
    // family loses its closing parenthesis.
    EXPECT_EQ(s.ResultLine[2], U" 2    ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ(ABCDEFGHIJKLMN科");
    EXPECT_EQ(s.ResultCaption[2], U"  " + name20 + U" (" + family14 + U")科");
    EXPECT_EQ(s.ResultLine[3], U" 3    " + Text(18, U' ') + U"()" + Text(13, U' ') + U"科");
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(s.ResultLine[n].size(), 40U);
    }
}

TEST(ResultLine, NumbersRunWithoutGapsAndThreeOrFourDigitsStayLeftAligned) {
    AppState s;
    for (int i = 1; i <= 1005; ++i) {
        addPlant(s, U"P" + decimal(i), U"F", plantCode(i % 2 ? U"1" : U"2"));
    }
    s.SelectionCode = selection(U"1");
    std::int16_t mode = 0;
    SearchPlants(s, mode, U"");
    ASSERT_EQ(s.ResultCount, 503);
    EXPECT_EQ(s.ResultLine[9].substr(0, 10), U" 9    P17 ");
    EXPECT_EQ(s.ResultLine[100].substr(0, 10), U" 100  P199");
    EXPECT_EQ(s.ResultCode[100], plantCode(U"1"));

    listAll(s);
    EXPECT_EQ(s.ResultLine[1000].substr(0, 11), U" 1000 P1000");
    EXPECT_EQ(s.ResultLine[1005].size(), 40U);
}

TEST(CountLine, NamesTheCountInBlueOrSaysNothingMatchedInRed) {
    EXPECT_EQ(ResultCountLine(1), (CountLine{U"  以上   1  種類 です", BasicBlue}));
    EXPECT_EQ(ResultCountLine(12), (CountLine{U"  以上   12  種類 です", BasicBlue}));
    EXPECT_EQ(ResultCountLine(2000).text, U"  以上   2000  種類 です");
    EXPECT_EQ(ResultCountLine(0), (CountLine{U"    該当する植物はありません", BasicRed}));
}

TEST(ShowResultList, GivesLinesAndTheChosenOptionUnderEachCategory) {
    AppState s;
    FillOptionLabels(s);
    addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ", plantCode(U"1000000002"));
    addPlant(s, U"ｷｸ", U"ｷｸ", plantCode(U"2000000002"));
    s.SelectionCode = selection(U"1000000002");
    std::int16_t mode = 1;
    SearchPlants(s, mode, U"");
    const ResultListView v = ShowResultList(s, 1);
    EXPECT_EQ(s.SearchMode, 1);
    EXPECT_EQ(v.count.text, U"  以上   2  種類 です");
    ASSERT_EQ(v.lines.size(), 2U);
    EXPECT_EQ(v.lines[1], s.ResultLine[2]);
    EXPECT_EQ(v.conditionLabels[0], U"  赤系");
    EXPECT_EQ(v.conditionLabels[9], U"  円&空");
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(v.conditionLabels[k], U"  ");
    }

    // Nothing found: the red line, no lines, labels still written.
    s.SelectionCode = selection(U"3000000002");
    mode = 0;
    SearchPlants(s, mode, U"");
    const ResultListView none = ShowResultList(s, 0);
    EXPECT_EQ(s.SearchMode, 0);
    EXPECT_EQ(none.count.colour, BasicRed);
    EXPECT_TRUE(none.lines.empty());
    EXPECT_EQ(none.conditionLabels[0], U"  青系");
}

TEST(RegisteredList, SortsByCharacterCodeNameFirstAndRenumbers) {
    AppState s;
    addPlant(s, U"ﾖﾓｷﾞ", U"ｷｸ");
    addPlant(s, U"ｱｻﾞﾐ", U"ｷｸ");
    addPlant(s, U"ｱｻｶﾞｵ", U"ﾋﾙｶﾞｵ"); // ｶ (FF76) sorts before ｻ (FF7B)
    addPlant(s, U"ABC", U"Z");       // ASCII before half-width katakana
    addPlant(s, U"ｱｻﾞﾐ", U"ｱ");      // same name: the family column decides
    const Text long1 = U"ｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱX";
    const Text long2 = U"ｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱｱA";
    addPlant(s, long1, U"B"); // names equal within 18 characters:
    addPlant(s, long2, U"C"); // the family, not the cut tail, decides
    listAll(s);
    const Text code7 = s.ResultCode[7];
    const RegisteredListView v = ListRegisteredPlants(s, 0);
    EXPECT_EQ(s.SearchMode, 0);
    EXPECT_EQ(v.count.text, U"  以上   7  種類 です");
    ASSERT_EQ(v.lines.size(), 7U);
    const std::vector<Text> keys = {U"ABC",  U"ｱｱｱｱｱｱｱｱ", U"ｱｱｱｱｱｱｱｱ", U"ｱｻｶﾞｵ",
                                    U"ｱｻﾞﾐ", U"ｱｻﾞﾐ",     U"ﾖﾓｷﾞ"};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(KeyOfLine(v.lines[i]), keys[i]) << i;
        EXPECT_EQ(v.lines[i], s.ResultLine[i + 1]);
        EXPECT_EQ(v.lines[i].size(), 39U);
        EXPECT_EQ(v.lines[i].substr(0, 6), U" " + decimal(static_cast<long>(i) + 1) + U"    ");
        EXPECT_EQ(v.lines[i].find(U'科'), Text::npos);
    }
    EXPECT_EQ(v.lines[1].substr(24, 3), U"(B)");
    EXPECT_EQ(v.lines[4].substr(24, 3), U"(ｱ)");
    // Captions and codes stay in table order.
    EXPECT_EQ(s.ResultCaption[1], U"  ﾖﾓｷﾞ (ｷｸ)科");
    EXPECT_EQ(s.ResultCode[7], code7);
}

TEST(RegisteredList, FileOrderDropsMarksAndAnEmptyResultLeavesLinesAlone) {
    AppState s;
    addPlant(s, U"ﾖﾓｷﾞ", U"ｷｸ", plantCode(U"1"));
    addPlant(s, U"ｱｻﾞﾐ", U"ｷｸ", plantCode(U"2"));
    s.SelectionCode = selection(U"1");
    std::int16_t mode = 1;
    SearchPlants(s, mode, U"");
    ASSERT_EQ(s.ResultLine[2].substr(0, 1), U"*");
    const RegisteredListView v = ListRegisteredPlants(s, 1);
    EXPECT_EQ(s.SearchMode, 1);
    ASSERT_EQ(v.lines.size(), 2U);
    EXPECT_EQ(v.lines[0], U" 1    ﾖﾓｷﾞ" + Text(14, U' ') + U"(ｷｸ)" + Text(11, U' '));
    EXPECT_EQ(v.lines[1].substr(0, 10), U" 2    ｱｻﾞﾐ");

    s.ResultCount = 0;
    const RegisteredListView none = ListRegisteredPlants(s, 0);
    EXPECT_EQ(none.count, ResultCountLine(0));
    EXPECT_TRUE(none.lines.empty());
    EXPECT_EQ(s.ResultLine[1], v.lines[0]);
}

TEST(KeyOfLine, TakesCharactersSevenToFourteenWithoutTrailingBlanks) {
    EXPECT_EQ(KeyOfLine(U" 1    ｽﾐﾚ            (ｽﾐﾚ)          科"), U"ｽﾐﾚ");
    EXPECT_EQ(KeyOfLine(U"*12   ｱｲｳｴｵｶｷｸｹｺ     (x)"), U"ｱｲｳｴｵｶｷｸ");
    EXPECT_EQ(KeyOfLine(U" 3    ｱ ｲ  "), U"ｱ ｲ");
    EXPECT_EQ(KeyOfLine(U" 1"), U"");
}

TEST(RowOfLine, ReadsTheNumberAfterTheMark) {
    const struct {
        const char32_t* line;
        int row;
    } cases[] = {
        {U" 1    ｽﾐﾚ", 1}, {U"*12   ｽﾐﾚ", 12}, {U" 2000 ｽﾐﾚ", 2000}, {U"･7    ｽﾐﾚ", 7},
        {U" ", 0},         {U"", 0},           {U" x    ｽﾐﾚ", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowOfLine(c.line), c.row) << toUtf8(c.line);
    }
}

TEST(ResultCaptionOfLine, FollowsTheLinesPlantWhenTheRowsWereRewritten) {
    AppState s;
    addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ");
    addPlant(s, U"ﾀﾝﾎﾟﾎﾟ", U"ｷｸ");
    s.SelectionCode = Text(U"5") + Text(9, U'0') + Text(20, U' ');
    std::int16_t mode = search::Fuzzy;
    SearchPlants(s, mode, U"");
    ASSERT_EQ(s.ResultCount, 2);
    const Text second = s.ResultLine[2];
    EXPECT_EQ(ResultCaptionOfLine(s, second), s.ResultCaption[2]);
    // Another list rewrites the rows: row 2 now holds another plant.
    std::swap(s.PlantName[1], s.PlantName[2]);
    std::swap(s.PlantFamily[1], s.PlantFamily[2]);
    listAll(s);
    ASSERT_NE(KeyOfLine(s.ResultLine[2]), KeyOfLine(second));
    EXPECT_EQ(ResultCaptionOfLine(s, second), Text(U"* ﾀﾝﾎﾟﾎﾟ (ｷｸ)科"));
    // A line that names no row or no plant gives no caption.
    EXPECT_EQ(ResultCaptionOfLine(s, U" 9    ﾀﾝﾎﾟﾎﾟ"), std::nullopt);
    EXPECT_EQ(ResultCaptionOfLine(s, U" 1    ﾅｲ"), std::nullopt);
}
