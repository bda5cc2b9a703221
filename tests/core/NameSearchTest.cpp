// SPDX-License-Identifier: GPL-3.0-or-later
// The plant-name search: input check, the four passes, hit rows and the
// distinct-plant count.

#include "core/finders/NameSearch.h"

#include "CoreTestFiles.h"

#include <gtest/gtest.h>

namespace kuyu {
namespace {

using testing::plantCode;

void addPlant(AppState& s, const Text& name, const Text& family) {
    ++s.PlantCount;
    s.PlantName[s.PlantCount] = name;
    s.PlantCode[s.PlantCount] = plantCode(U"");
    s.PlantFamily[s.PlantCount] = family;
}

AliasTable aliases(std::initializer_list<std::pair<Text, Text>> pairs) {
    AliasTable t;
    t.Alias.resize(1);
    t.PlantName.resize(1);
    for (const auto& [alias, plant] : pairs) {
        t.Alias.push_back(alias);
        t.PlantName.push_back(plant);
        ++t.count;
    }
    return t;
}

std::vector<Text> rows(const AppState& s) {
    return {s.ResultLine.begin() + 1, s.ResultLine.begin() + 1 + s.ResultCount};
}

TEST(NameInput, OnlyHalfWidthKatakanaIsAccepted) {
    const auto empty = CheckNameInput(U"");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->message.text, U"植物名を入力してください");
    EXPECT_EQ(empty->message.title, U"メッセージ");
    EXPECT_FALSE(empty->clearInput);

    for (const Text ok : {U"ｽﾐﾚ", U"ｦ", U"ｰ", U"ﾞ", U"ﾟ", U"ｧｨｩ"}) {
        EXPECT_FALSE(CheckNameInput(ok)) << toUtf8(ok);
    }
    // Hiragana, full-width katakana, a digit, a blank, "･" (0xA5) and the
    // half-width punctuation below "ｦ" are refused.
    for (const Text bad :
         {U"すみれ", U"スミレ", U"ｽﾐﾚ1", U"ｽ ﾐ", U"･", U"｡", U"ｽﾐﾚ｣", U"A", U"\U0001F338"}) {
        const auto problem = CheckNameInput(bad);
        ASSERT_TRUE(problem) << toUtf8(bad);
        EXPECT_EQ(problem->message.text, U"半角ｶﾀｶﾅで植物名を入力してください");
        EXPECT_EQ(problem->message.title, U"メッセージ");
        EXPECT_TRUE(problem->clearInput);
    }
}

class NameSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ");
        addPlant(s, U"ﾀﾁﾂﾎﾞｽﾐﾚ", U"ｽﾐﾚ");
        addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚﾓﾄﾞｷ"); // the same name twice
        addPlant(s, U"ﾀﾝﾎﾟﾎﾟ", U"ｷｸ");
        addPlant(s, U"ｱｻﾞﾐ", U"ｷｸ");
    }
    AppState s;
};

TEST_F(NameSearch, ExactNameAndAliasRowsInPassOrder) {
    // "ｱｻﾞﾐ" is a plant and also an alias of ﾀﾝﾎﾟﾎﾟ.
    const AliasTable a = aliases({{U"ｱｻﾞﾐ", U"ﾀﾝﾎﾟﾎﾟ"}, {U"ﾉﾉ", U"ｽﾐﾚ"}});
    s.NameKey = U"ｱｻﾞﾐ";
    FindPlantsByName(s, false, a);
    EXPECT_EQ(rows(s), (std::vector<Text>{U" 1    ｱｻﾞﾐ              (ｷｸ)           ",
                                          U" 2    ﾀﾝﾎﾟﾎﾟ            (ｷｸ)           ｱｻﾞﾐ"}));
    const NameMatchListView v = ShowNameMatchList(s);
    EXPECT_EQ(v.rows.size(), 2u);
    EXPECT_EQ(v.count.text, U"  以上   2  種類 です");
    EXPECT_EQ(v.count.colour, (Rgb{128, 0, 128}));
    EXPECT_EQ(s.ResultCount, 2);

    // An alias naming a plant stored twice gives a row for each.
    s.NameKey = U"ﾉﾉ";
    FindPlantsByName(s, false, a);
    ASSERT_EQ(s.ResultCount, 2);
    EXPECT_EQ(s.ResultLine[1], U" 1    ｽﾐﾚ               (ｽﾐﾚ)          ﾉﾉ");
    EXPECT_EQ(s.ResultLine[2], U" 2    ｽﾐﾚ               (ｽﾐﾚﾓﾄﾞｷ)      ﾉﾉ");
    // Both rows carry the key ｽﾐﾚ: one kind.
    EXPECT_EQ(ShowNameMatchList(s).count.text, U"  以上   1  種類 です");
    EXPECT_EQ(s.ResultCount, 1);
}

TEST_F(NameSearch, PartialPassesOnlyWhenAsked) {
    const AliasTable a = aliases({{U"ｽﾐﾚｸﾞｻｽﾐﾚ", U"ﾀﾝﾎﾟﾎﾟ"}, {U"ｽﾐﾚ", U"ｱｻﾞﾐ"}});
    s.NameKey = U"ﾂﾎﾞ";
    FindPlantsByName(s, false, a);
    EXPECT_EQ(s.ResultCount, 0);
    const NameMatchListView none = ShowNameMatchList(s);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.count, (CountLine{U"    該当する植物はありません", Rgb{255, 0, 0}}));

    s.NameKey = U"ｽﾐﾚ";
    FindPlantsByName(s, true, a);
    // Exact names, exact alias, partial name ("･"), partial alias ("*") once
    // although it holds the fragment twice. Equal names are not partial hits.
    EXPECT_EQ(rows(s), (std::vector<Text>{
                           U" 1    ｽﾐﾚ               (ｽﾐﾚ)          ",
                           U" 2    ｽﾐﾚ               (ｽﾐﾚﾓﾄﾞｷ)      ",
                           U" 3    ｱｻﾞﾐ              (ｷｸ)           ｽﾐﾚ",
                           U"･4    ﾀﾁﾂﾎﾞｽﾐﾚ          (ｽﾐﾚ)          ",
                           U"*5    ﾀﾝﾎﾟﾎﾟ            (ｷｸ)           ｽﾐﾚｸﾞｻｽﾐﾚ",
                       }));
    EXPECT_EQ(ShowNameMatchList(s).count.text, U"  以上   4  種類 です");
}

TEST_F(NameSearch, LongNamesFamiliesAndNumbers) {
    AppState big;
    const Text name = U"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ"; // 20 characters
    for (int i = 0; i < 105; ++i) {
        addPlant(big, name, U"ｷｷｷｷｷｸｸｸｸｸｹｹｹｹ");
    }
    big.NameKey = name;
    FindPlantsByName(big, true, aliases({}));
    ASSERT_EQ(big.ResultCount, 105);
    EXPECT_EQ(big.ResultLine[105], U" 105  ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ(ｷｷｷｷｷｸｸｸｸｸｹｹｹｹ");
    // One key for all rows: one kind.
    EXPECT_EQ(ShowNameMatchList(big).count.text, U"  以上   1  種類 です");
}

TEST_F(NameSearch, HitsBeyondTheResultStoreAreDropped) {
    AppState big;
    for (int i = 0; i < PlantCapacity; ++i) {
        addPlant(big, U"ｽﾐﾚ", U"ｽﾐﾚ");
    }
    big.NameKey = U"ｽﾐﾚ";
    FindPlantsByName(big, true, aliases({{U"ｽﾐﾚ", U"ｽﾐﾚ"}}));
    EXPECT_EQ(big.ResultCount, PlantCapacity);
    EXPECT_EQ(big.ResultLine.size(), static_cast<std::size_t>(PlantCapacity + 1));
}

TEST_F(NameSearch, LeavesCaptionsCodesAndLaterRowsAlone) {
    s.ResultCaption[1] = U"caption";
    s.ResultCode[1] = U"code";
    s.ResultLine[3] = U"old row";
    s.NameKey = U"ﾀﾝﾎﾟﾎﾟ";
    FindPlantsByName(s, false, aliases({}));
    EXPECT_EQ(s.ResultCount, 1);
    EXPECT_EQ(s.ResultCaption[1], U"caption");
    EXPECT_EQ(s.ResultCode[1], U"code");
    EXPECT_EQ(s.ResultLine[3], U"old row");
}

TEST_F(NameSearch, ReadsTheAliasFileOfTheDataFolder) {
    testing::TempFolder dir;
    dir.writeCp932("SNAME.DAT", U"ﾉﾉ,ﾀﾝﾎﾟﾎﾟ\r\n");
    s.DataFolder = dir.folder();
    s.NameKey = U"ﾉﾉ";
    FindPlantsByName(s, false);
    ASSERT_EQ(s.ResultCount, 1);
    EXPECT_EQ(s.ResultLine[1], U" 1    ﾀﾝﾎﾟﾎﾟ            (ｷｸ)           ﾉﾉ");
}

} // namespace
} // namespace kuyu
