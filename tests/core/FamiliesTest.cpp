// SPDX-License-Identifier: GPL-3.0-or-later
// The family name search: the family list and the plants of one family.

#include "core/finders/Families.h"

#include "CoreTestFiles.h"

#include <gtest/gtest.h>

namespace kuyu {
namespace {

using testing::plantCode;

void addPlant(AppState& s, const Text& name, const Text& family,
              const Text& code = plantCode(U"")) {
    ++s.PlantCount;
    s.PlantName[s.PlantCount] = name;
    s.PlantCode[s.PlantCount] = code;
    s.PlantFamily[s.PlantCount] = family;
}

TEST(ListFamilies, FirstOccurrenceOrderEachOnceWithoutEmpty) {
    AppState s;
    addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ");
    addPlant(s, U"ﾀﾝﾎﾟﾎﾟ", U"ｷｸ");
    addPlant(s, U"ﾅｼﾞ", U"");
    addPlant(s, U"ﾉｼﾞｽﾐﾚ", U"ｽﾐﾚ");
    addPlant(s, U"ｱｻﾞﾐ", U"ｷｸ");
    addPlant(s, U"ｱｹﾋﾞ", U"ｱｹﾋﾞ");

    const FamilyListView v = ListFamilies(s, 2);
    EXPECT_EQ(v.families, (std::vector<Text>{U"ｽﾐﾚ", U"ｷｸ", U"ｱｹﾋﾞ"}));
    EXPECT_EQ(v.count.text, U" 以上  3 種類です");
    EXPECT_EQ(v.count.colour, BasicBlue);
    EXPECT_EQ(s.SearchMode, 2);
}

TEST(ListFamilies, NoFamilyGivesTheRedLine) {
    AppState s;
    addPlant(s, U"ｽﾐﾚ", U"");
    const FamilyListView v = ListFamilies(s, 0);
    EXPECT_TRUE(v.families.empty());
    EXPECT_EQ(v.count, (CountLine{U"  科がありません", BasicRed}));

    AppState empty;
    EXPECT_EQ(ListFamilies(empty, 0).count.text, U"  科がありません");
}

TEST(ListFamilyPlants, PrefixMatchingOfFamilyNames) {
    AppState s;
    addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ");
    addPlant(s, U"ｱｵｲｽﾐﾚ", U"ｽﾐﾚﾓﾄﾞｷ");
    addPlant(s, U"ﾀﾝﾎﾟﾎﾟ", U"ｷｸ");
    addPlant(s, U"ﾊﾙ", U"ｽﾐ");

    // The shorter name lists both families; the longer only its own; a
    // family shorter than the text does not match.
    FamilyPlantsView v = ListFamilyPlants(s, U"ｽﾐﾚ");
    EXPECT_EQ(v.heading, U"ｽﾐﾚ科");
    EXPECT_EQ(s.ResultCount, 2);
    EXPECT_EQ(v.list, (std::vector<Text>{U" 1    ｱｵｲｽﾐﾚ        ", U" 2    ｽﾐﾚ           "}));
    EXPECT_EQ(v.count, (CountLine{U" 以上  2 種類です", BasicBlue}));

    v = ListFamilyPlants(s, U"ｽﾐﾚﾓﾄﾞｷ");
    EXPECT_EQ(s.ResultCount, 1);
    EXPECT_EQ(s.ResultCaption[1], U"  ｱｵｲｽﾐﾚ (ｽﾐﾚﾓﾄﾞｷ)科");

    // Nothing selected: the empty text matches every plant.
    v = ListFamilyPlants(s, U"");
    EXPECT_EQ(v.heading, U"科");
    EXPECT_EQ(s.ResultCount, 4);

    v = ListFamilyPlants(s, U"ﾊﾞﾗ");
    EXPECT_EQ(s.ResultCount, 0);
    EXPECT_TRUE(v.list.empty());
    EXPECT_EQ(v.count, (CountLine{U"植物がありません", BasicRed}));
}

TEST(ListFamilyPlants, RowsSortedByNameWithFixedColumns) {
    AppState s;
    const Text longName = U"ｱｱｱｱｱｲｲｲｲｲｳｳｳｳｳｴｴｴｴｴ"; // 20 characters
    const Text longFamily = U"ｷｷｷｷｷｸｸｸｸｸｹｹｹｹ";     // 14 characters
    addPlant(s, U"ｽﾐﾚｿｳ", longFamily, plantCode(U"1111111111"));
    addPlant(s, U"ｽﾐﾚ", longFamily, plantCode(U"2222222222"));
    addPlant(s, longName, longFamily, plantCode(U"3333333333"));

    const FamilyPlantsView v = ListFamilyPlants(s, longFamily);
    ASSERT_EQ(s.ResultCount, 3);
    // The 18-character name column, a family that loses its ")".
    EXPECT_EQ(s.ResultLine[1], U" 1    ｱｱｱｱｱｲｲｲｲｲｳｳｳｳｳｴｴｴ(ｷｷｷｷｷｸｸｸｸｸｹｹｹｹ科");
    // A name before a longer name that starts with it.
    EXPECT_EQ(s.ResultLine[2], U" 2    ｽﾐﾚ               (ｷｷｷｷｷｸｸｸｸｸｹｹｹｹ科");
    EXPECT_EQ(s.ResultLine[3], U" 3    ｽﾐﾚｿｳ             (ｷｷｷｷｷｸｸｸｸｸｹｹｹｹ科");
    EXPECT_EQ(s.ResultCaption[1], U"  " + longName + U" (" + longFamily + U")科");
    EXPECT_EQ(s.ResultCode[1], plantCode(U"3333333333"));
    EXPECT_EQ(s.ResultCode[2], plantCode(U"2222222222"));
    // The plant list shows 14 characters of the name.
    EXPECT_EQ(v.list[0], U" 1    ｱｱｱｱｱｲｲｲｲｲｳｳｳｳ");
    EXPECT_EQ(v.list[1], U" 2    ｽﾐﾚ           ");
}

TEST(ListFamilyPlants, NumbersOfThreeDigits) {
    AppState s;
    for (int i = 0; i < 120; ++i) {
        addPlant(s, U"ｱ" + Text(1, static_cast<char32_t>(U'ｱ' + i / 40)) + decimal(100 + i), U"ｷｸ");
    }
    ListFamilyPlants(s, U"ｷｸ");
    ASSERT_EQ(s.ResultCount, 120);
    EXPECT_EQ(left(s.ResultLine[9], 6), U" 9    ");
    EXPECT_EQ(left(s.ResultLine[10], 6), U" 10   ");
    EXPECT_EQ(left(s.ResultLine[100], 6), U" 100  ");
    EXPECT_EQ(s.ResultLine[120].size(), 40u);
}

TEST(ListFamilyPlants, RowsDescribeTheirOwnPlant) {
    AppState s;
    // A "/" in a name or a "*" in a code would split the sort key wrongly;
    // every row must still describe its own plant.
    Text starCode = plantCode(U"1*11111111");
    addPlant(s, U"ｱ/ｲ", U"ｷｸ", plantCode(U"2222222222"));
    addPlant(s, U"ｳ*ｴ", U"ｷｸ", plantCode(U"3333333333"));
    addPlant(s, U"ｵ", U"ｷｸ", starCode);

    ListFamilyPlants(s, U"ｷｸ");
    ASSERT_EQ(s.ResultCount, 3);
    EXPECT_EQ(s.ResultCaption[1], U"  ｱ/ｲ (ｷｸ)科");
    EXPECT_EQ(s.ResultCode[1], plantCode(U"2222222222"));
    EXPECT_EQ(s.ResultCaption[2], U"  ｳ*ｴ (ｷｸ)科");
    EXPECT_EQ(s.ResultCode[2], plantCode(U"3333333333"));
    EXPECT_EQ(s.ResultLine[3], U" 3    ｵ                 (ｷｸ)           科");
    EXPECT_EQ(s.ResultCode[3], starCode);

    // A family longer than 30 characters is cut to 30 in the caption (and the
    // line, which shows fewer anyway), while the plant still keeps its row.
    const Text longFamily = Text(30, U'ｷ') + U"ｸｹ";
    addPlant(s, U"ｸ*ｸ/", longFamily, plantCode(U"4444444444"));
    ListFamilyPlants(s, longFamily);
    ASSERT_EQ(s.ResultCount, 1);
    EXPECT_EQ(s.ResultCaption[1], U"  ｸ*ｸ/ (" + Text(30, U'ｷ') + U")科");
    EXPECT_EQ(s.ResultCode[1], plantCode(U"4444444444"));
}

TEST(ListFamilyPlants, ResetsTheSharedResultState) {
    AppState s;
    addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ");
    addPlant(s, U"ﾀﾝﾎﾟﾎﾟ", U"ｷｸ");
    s.ResultLine[2] = U"old";
    s.ResultCaption[2] = U"old";
    s.ResultCode[2] = U"old";
    s.NameKey = U"ｽﾐﾚ";
    s.PageNumber = 4;
    s.PageSearchMode = 2;

    ListFamilyPlants(s, U"ｽﾐﾚ");
    EXPECT_EQ(s.ResultCount, 1);
    EXPECT_EQ(s.ResultLine[2], U"");
    EXPECT_EQ(s.ResultCaption[2], U"");
    EXPECT_EQ(s.ResultCode[2], U"");
    EXPECT_EQ(s.NameKey, U"");
    EXPECT_EQ(s.PageNumber, 1);
    EXPECT_EQ(s.PageSearchMode, 0);
}

} // namespace
} // namespace kuyu
