// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreTestFiles.h"

#include "core/conditions/Conditions.h"
#include "core/features/Features.h"
#include "core/guide/Guide.h"
#include "core/guide/History.h"
#include "core/guide/KanaInput.h"
#include "core/search/Search.h"
#include "core/state/PlantCode.h"
#include "core/state/StartUpState.h"

#include <gtest/gtest.h>

#include <random>

using namespace kuyu;
using namespace kuyu::testing;

namespace {

class GuideFixture : public ::testing::Test {
  protected:
    GuideFixture() : cd_(cwd.path()) {
        s.DataFolder = data.folder();
        FillOptionLabels(s);
    }
    void addPlant(const Text& name, const Text& code, const Text& family = U"ｽﾐﾚ") {
        const int j = ++s.PlantCount;
        s.PlantName[j] = name;
        s.PlantCode[j] = code;
        s.PlantFamily[j] = family;
    }
    GuideQuery query(const Text& digits, int mode = 0) const {
        return {selection(digits), mode, {}};
    }
    TempFolder data;
    TempFolder cwd;
    AppState s;

  private:
    CurrentDirectory cd_;
};

int searchCount(AppState& s, const Text& sel, std::int16_t mode, const Text& name) {
    s.SelectionCode = sel;
    SearchPlants(s, mode, name);
    return s.ResultCount;
}

} // namespace

// Every count the guide shows is what the search would list with that one
// category changed, in every mode, with and without a name box.
TEST_F(GuideFixture, CountsEqualARealSearchForEveryOptionOnRandomDatabases) {
    data.writeCp932("SNAME.DAT", U"ｽﾐﾚﾊﾞﾅ,ﾊﾅ3\r\nﾉﾊﾗ,ﾊﾅ7\r\n");
    const Text codeChars = U"1234512345000XYABCDHIJ";
    const Text listChars = U"1234567 0";
    std::mt19937 rng(15);
    auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        s.PlantCount = 0;
        const int plants = 40 + static_cast<int>(pick(40));
        for (int j = 0; j < plants; ++j) {
            Text code;
            for (int c = 0; c < 20; ++c) {
                code += codeChars[pick(codeChars.size())];
            }
            for (int c = 0; c < 9; ++c) {
                code += listChars[pick(listChars.size())];
            }
            code += U'1';
            addPlant(U"ﾊﾅ" + decimal(j % 10), code);
        }
        const GuideIndex index(s);
        Text digits;
        for (int k = 1; k <= CategoryCount; ++k) {
            const int last = Category(k).optionCount;
            digits += pick(3) == 0 ? static_cast<char32_t>(U'0' + 1 + pick(last - 1)) : U'0';
        }
        for (const Text& name : {Text(), Text(U"ｽﾐﾚ"), Text(U"3")}) {
            for (int mode = 0; mode <= 2; ++mode) {
                GuideQuery q = query(digits, mode);
                q.namePass = NamePassSet(s, name);
                const GuideCounts counts = CountRemaining(index, q);
                ASSERT_EQ(counts.total, searchCount(s, selection(digits), mode, name));
                for (int k = 1; k <= CategoryCount; ++k) {
                    const auto& c = counts.categories[static_cast<std::size_t>(k - 1)];
                    ASSERT_EQ(c.counts.size(), static_cast<std::size_t>(Category(k).optionCount));
                    for (std::size_t v = 1; v <= c.counts.size(); ++v) {
                        Text changed = digits;
                        changed[static_cast<std::size_t>(k - 1)] =
                            v == c.counts.size() ? U'0' : static_cast<char32_t>(U'0' + v);
                        ASSERT_EQ(c.counts[v - 1], searchCount(s, selection(changed), mode, name))
                            << "mode " << mode << " category " << k << " option " << v;
                    }
                }
            }
        }
    }
}

TEST_F(GuideFixture, RankingPrefersTheEvenSplitAndPutsASharedCharacterLast) {
    // Categories 1..4 unset: 1 splits the four plants 2/2, 2 splits them 3/1,
    // 3 and 4 are the same for all (a tie kept in category order). The rest
    // are chosen and agree.
    addPlant(U"ｱ", plantCode(U"1111111111"));
    addPlant(U"ｲ", plantCode(U"1111111111"));
    addPlant(U"ｳ", plantCode(U"2111111111"));
    addPlant(U"ｴ", plantCode(U"2211111111"));
    const GuideIndex index(s);
    const GuideCounts counts = CountRemaining(index, query(U"0000111111"));
    EXPECT_EQ(counts.total, 4);
    EXPECT_EQ(RankCategories(counts), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_DOUBLE_EQ(ExpectedRemaining(counts, 1), 2.0);
    EXPECT_DOUBLE_EQ(ExpectedRemaining(counts, 2), 2.5);
    EXPECT_DOUBLE_EQ(ExpectedRemaining(counts, 3), 4.0);

    // A plant of unknown state counts under every option (the more options,
    // the more it costs); one that no option fits stays whatever is answered.
    s.PlantCount = 0;
    addPlant(U"ｱ", plantCode(U"2211111111"));
    addPlant(U"ｲ", plantCode(U"1111111111"));
    addPlant(U"ｳ", plantCode(U"00Y1111111"));
    const GuideCounts mixed = CountRemaining(GuideIndex(s), query(U"0001111111"));
    EXPECT_EQ(mixed.categories[0].counts, (std::vector<int>{2, 2, 1, 1, 1, 3}));
    EXPECT_EQ(mixed.categories[2].noOption, 1);
    EXPECT_EQ(RankCategories(mixed), (std::vector<int>{3, 1, 2}));
}

TEST_F(GuideFixture, WhyOutNamesEachDisagreementInThePlantsOwnWords) {
    // Flower colour: primary 白系 with the secondary 青系; petals: the value
    // list L1 (1, 3, 5); inflorescence: "I" shows the first digit of L2 but
    // means the whole list; venation: none.
    addPlant(U"ﾀﾁﾂﾎﾞｽﾐﾚ", plantCode(U"5AI1111Y11", U"3AI1111Y11", U"13524"));
    const GuideIndex index(s);
    const WhyOut w = ExplainPlant(s, index, 1, query(U"3211111200"));
    ASSERT_EQ(w.differences.size(), 4U);
    const struct {
        int category;
        const char32_t* chosen;
        const char32_t* plant;
        bool ai;
    } expected[] = {{1, U"青系", U"白系（または 青系）", true},
                    {2, U"2枚", U"1枚･3枚･5枚", false},
                    {3, U"総状", U"穂状･頭状", false},
                    {8, U"平行", U"なし", false}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.differences[i].category, expected[i].category);
        EXPECT_EQ(w.differences[i].plantState, expected[i].plant);
        EXPECT_EQ(w.differences[i].aiAccepts, expected[i].ai);
        EXPECT_EQ(w.differences[i].chosenLabel, expected[i].chosen);
    }
    EXPECT_FALSE(w.keptPlain || w.keptFuzzy || w.keptAi);

    // One disagreement that the secondary state answers: fuzzy and AI keep it.
    const WhyOut one = ExplainPlant(s, index, 1, query(U"3"));
    ASSERT_EQ(one.differences.size(), 1U);
    EXPECT_FALSE(one.keptPlain);
    EXPECT_TRUE(one.keptFuzzy);
    EXPECT_TRUE(one.keptAi);
    // A name box that does not let it through keeps it out of every mode.
    GuideQuery named = query(U"3");
    named.namePass = NamePassSet(s, U"ﾕﾘ");
    const WhyOut byName = ExplainPlant(s, index, 1, named);
    EXPECT_FALSE(byName.nameMatches || byName.keptFuzzy || byName.keptAi);
}

// Of two records of one name, the guide means the later, as the feature
// texts and the windows do; by the name, the key and an alias alike.
TEST_F(GuideFixture, TwoRecordsOfOneNameMeanTheLaterPlant) {
    addPlant(U"ｽﾐﾚ", plantCode(U"1"));
    addPlant(U"ﾀﾝﾎﾟﾎﾟ", plantCode(U"2"));
    addPlant(U"ｽﾐﾚ", plantCode(U"3"));
    addPlant(U"ﾀﾁﾂﾎﾞｽﾐﾚ", plantCode(U"4"));
    addPlant(U"ﾀﾁﾂﾎﾞｽﾐﾚ", plantCode(U"5"));
    data.writeCp932("SNAME.DAT", U"ﾉｼﾞｽﾐﾚ,ｽﾐﾚ\r\nﾀﾝﾎﾟ,ﾀﾝﾎﾟﾎﾟ\r\n");
    struct Case {
        const char32_t* text;
        int row;
    };
    const Case cases[] = {
        {U"ｽﾐﾚ", 3}, {U"ﾀﾁﾂﾎﾞｽﾐﾚ", 5}, {U"ﾀﾁﾂﾎﾞｽﾐﾚ ", 5}, {U"ﾉｼﾞｽﾐﾚ", 3}, {U"ﾀﾝﾎﾟ", 2}, {U"ﾕﾘ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        EXPECT_EQ(FindPlantForGuide(s, c.text), c.row);
        if (c.row != 0) {
            EXPECT_EQ(FindPlantByKey(s, PlantKey(s.name(c.row))), c.row);
        }
    }
}

TEST(GuideSample, TwoVioletsDifferInColourArrangementAndStem) {
    AppState s;
    ASSERT_FALSE(InitialiseState(s, fromUtf8(KUYU_SOURCE_DIR "/data/sample/KUYU.DAT")));
    const int a = FindPlantForGuide(s, U"ｽﾐﾚ");
    const int b = FindPlantForGuide(s, U"ﾂﾎﾞｽﾐﾚ");
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    const auto rows = ComparePlants(s, a, b);
    ASSERT_EQ(rows.size(), 12U);
    std::vector<int> differ;
    for (const auto& r : rows) {
        if (r.differ) {
            differ.push_back(r.category);
        }
    }
    EXPECT_EQ(differ, (std::vector<int>{1, 6, 9, 10}));
    EXPECT_EQ(rows[0].a, U"青系");
    EXPECT_EQ(rows[0].b, U"白系（または 青系）");
    EXPECT_EQ(rows[10].name, U"分類");
    EXPECT_EQ(rows[11].a, U"ｽﾐﾚ科");
}

TEST(ConditionHistoryTest, UndoStepsBackOverCommitsAndClears) {
    ConditionHistory h;
    h.reset(selection(U""));
    EXPECT_FALSE(h.undo());
    EXPECT_TRUE(h.record(ConditionChange::Commit, selection(U"3"), 40));
    EXPECT_FALSE(h.record(ConditionChange::Commit, selection(U"3"), 40)); // nothing changed
    EXPECT_TRUE(h.record(ConditionChange::Commit, selection(U"35"), 12));
    EXPECT_TRUE(h.record(ConditionChange::Clear, selection(U""), 220));
    ASSERT_EQ(h.entries().size(), 3U);
    EXPECT_EQ(h.entries().back().countAfter, 220);
    EXPECT_EQ(h.undo(), Text(U"3500000000")); // back before the clear
    EXPECT_EQ(h.undo(), Text(U"3000000000"));
    EXPECT_EQ(h.undo(), Text(U"0000000000"));
    EXPECT_FALSE(h.canUndo());

    AppState s;
    ApplyConditionDigits(s, U"0300000020");
    EXPECT_EQ(s.SelectionCode, selection(U"030000002"));
    EXPECT_TRUE(s.CategoryChosen[2] && s.CategoryChosen[9]);
    EXPECT_FALSE(s.CategoryChosen[1]);
}

TEST(KanaInputTest, InputMethodTextBecomesHalfWidthKatakana) {
    const struct {
        const char32_t* typed;
        const char32_t* half;
    } cases[] = {
        {U"すみれ", U"ｽﾐﾚ"},          {U"スミレ", U"ｽﾐﾚ"},     {U"たちつぼすみれ", U"ﾀﾁﾂﾎﾞｽﾐﾚ"},
        {U"ぱんじー", U"ﾊﾟﾝｼﾞｰ"},     {U"ヴィオラ", U"ｳﾞｨｵﾗ"}, {U"ｽﾐﾚ", U"ｽﾐﾚ"},
        {U"きゃっと　ヶ", U"ｷｬｯﾄ ｹ"}, {U"ABC1", U"ABC1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHalfWidthKana(c.typed), c.half) << toUtf8(c.typed);
    }
}
