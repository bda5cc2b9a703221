// SPDX-License-Identifier: GPL-3.0-or-later
// Ranking plants by the answers: what gains and loses, which character comes
// next, when the guide is sure, identical plants, and the answers themselves
// (pressing options, following the selection, the text form, stepping back).

#include "core/conditions/Conditions.h"
#include "core/guide/Answers.h"
#include "core/guide/Ranking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kuyu;

namespace {

// A 30-character code from ten primary and ten secondary characters and
// nine value-list digits.
Text plantCode(const Text& primary, const Text& secondary = U"YYYYYYYYYY",
               const Text& lists = U"000000000") {
    Text code;
    for (std::size_t k = 0; k < 10; ++k) {
        code += secondary[k];
        code += primary[k];
    }
    return code + lists + U"1";
}

OptionMask options(std::initializer_list<int> vs) {
    OptionMask m = 0;
    for (const int v : vs) {
        m = static_cast<OptionMask>(m | (1U << v));
    }
    return m;
}

GuideAnswer sure(std::initializer_list<int> vs) {
    return {true, options(vs), false};
}
GuideAnswer unsure(std::initializer_list<int> vs) {
    return {true, options(vs), true};
}
const GuideAnswer Unknown{true, 0, false};

struct Plant {
    const char32_t* name;
    Text code;
};

class Table {
  public:
    explicit Table(const std::vector<Plant>& plants) {
        FillOptionLabels(s);
        for (const Plant& p : plants) {
            const int j = ++s.PlantCount;
            s.PlantName[static_cast<std::size_t>(j)] = p.name;
            s.PlantCode[static_cast<std::size_t>(j)] = p.code;
            s.PlantFamily[static_cast<std::size_t>(j)] = U"ｽﾐﾚ";
        }
        guide = GuideIndex(s);
        index = RankIndex(guide);
    }
    // The names best first.
    std::vector<Text> order(const Ranking& r) const {
        std::vector<Text> names;
        for (const Candidate& c : r.candidates) {
            names.push_back(s.PlantName[static_cast<std::size_t>(c.row)]);
        }
        return names;
    }
    int rankOf(const Ranking& r, const Text& name) const {
        for (const Candidate& c : r.candidates) {
            if (s.PlantName[static_cast<std::size_t>(c.row)] == name) {
                return c.rank;
            }
        }
        return 0;
    }
    AppState s;
    GuideIndex guide;
    RankIndex index;
};

Answers answersOf(std::initializer_list<std::pair<int, GuideAnswer>> given) {
    Answers a;
    for (const auto& [k, answer] : given) {
        a.set(k, answer);
    }
    return a;
}

} // namespace

// Who ranks above whom for a set of answers.
TEST(GuideRanking, ScoreOrderFollowsTheErrorModel) {
    struct Case {
        const char* what;
        std::vector<Plant> plants;
        Answers answers;
        std::vector<Text> order; // best first
        bool tied = false;       // the first two share a rank
    };
    const std::vector<Case> cases = {
        {"a sure disagreement costs more than an unsure one",
         {{U"ﾊﾅ1", plantCode(U"2111111111")}, {U"ﾊﾅ2", plantCode(U"1211111111")}},
         answersOf({{1, sure({1})}, {2, unsure({1})}}),
         {U"ﾊﾅ2", U"ﾊﾅ1"}},
        {"agreeing beats a secondary state, which beats disagreeing",
         {{U"ﾎｶ", plantCode(U"3111111111")},
          {U"ﾆﾊﾞﾝ", plantCode(U"5111111111", U"1YYYYYYYYY")},
          {U"ｲﾁﾊﾞﾝ", plantCode(U"1111111111")}},
         answersOf({{1, sure({1})}}),
         {U"ｲﾁﾊﾞﾝ", U"ﾆﾊﾞﾝ", U"ﾎｶ"}},
        {"\"X\" and \"0\" sit between agreeing and disagreeing",
         {{U"ﾁｶﾞｳ", plantCode(U"2111111111")},
          {U"ﾌﾃｲ", plantCode(U"X111111111")},
          {U"ｱｳ", plantCode(U"1111111111")}},
         answersOf({{1, sure({1})}}),
         {U"ｱｳ", U"ﾌﾃｲ", U"ﾁｶﾞｳ"}},
        {"a value list agrees with each of its digits",
         {{U"ﾁｶﾞｳ", plantCode(U"2111111111")},
          {U"ﾘｽﾄ", plantCode(U"A111111111", U"YYYYYYYYYY", U"135000000")}},
         answersOf({{1, sure({3})}}),
         {U"ﾘｽﾄ", U"ﾁｶﾞｳ"}},
        {"several options: any one of them agrees",
         {{U"ｷ", plantCode(U"2111111111")},
          {U"ｱｶ", plantCode(U"1111111111")},
          {U"ｱｵ", plantCode(U"3111111111")}},
         answersOf({{1, unsure({1, 3})}}),
         {U"ｱｶ", U"ｱｵ", U"ｷ"},
         true},
        {"不明 favours a plant without the organ and leaves the others alike",
         {{U"ﾊﾅ", plantCode(U"1111111111")}, {U"ｼﾀﾞ", plantCode(U"Y111111111")}},
         answersOf({{1, Unknown}}),
         {U"ｼﾀﾞ", U"ﾊﾅ"}},
        {"a disagreement in two answers costs more than in one",
         {{U"ﾌﾀﾂ", plantCode(U"2211111111")}, {U"ﾋﾄﾂ", plantCode(U"2111111111")}},
         answersOf({{1, sure({1})}, {2, sure({1})}}),
         {U"ﾋﾄﾂ", U"ﾌﾀﾂ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Table t(c.plants);
        const Ranking r = RankPlants(t.index, c.answers);
        EXPECT_EQ(t.order(r), c.order);
        for (std::size_t i = 1; i < r.candidates.size(); ++i) {
            const bool shared = c.tied && i == 1;
            EXPECT_EQ(r.candidates[i].rank, shared ? 1 : static_cast<int>(i) + 1);
        }
    }
}

// A plant coded "X" or "0" gets nothing either way from any answer there;
// 不明 and no answer give nothing to a plant that has the state.
TEST(GuideRanking, NeutralCodesNeitherGainNorLose) {
    const Table t({{U"ﾌﾃｲ", plantCode(U"X111111111")},
                   {U"ﾌﾒｲ", plantCode(U"0111111111")},
                   {U"ｱｶ", plantCode(U"1111111111")}});
    for (const GuideAnswer& a : {sure({1}), sure({2}), unsure({3, 4})}) {
        EXPECT_EQ(AnswerScore(t.index, 1, 1, a), 0.0);
        EXPECT_EQ(AnswerScore(t.index, 2, 1, a), 0.0);
    }
    EXPECT_EQ(AnswerScore(t.index, 3, 1, Unknown), 0.0);
    EXPECT_EQ(AnswerScore(t.index, 3, 1, GuideAnswer{}), 0.0);
    EXPECT_GT(AnswerScore(t.index, 3, 1, sure({1})), 0.0);
    EXPECT_LT(AnswerScore(t.index, 3, 1, sure({2})), 0.0);
    // Every option at once says nothing.
    EXPECT_EQ(AnswerScore(t.index, 3, 1, sure({1, 2, 3, 4, 5})), 0.0);
}

// A secondary state counts as agreement (never as a loss), worth less than
// the primary state.
TEST(GuideRanking, SecondaryStateAgreesButGainsLess) {
    const Table t(
        {{U"ﾆﾊﾞﾝ", plantCode(U"5111111111", U"1YYYYYY2YY")}, {U"ｲﾁﾊﾞﾝ", plantCode(U"1111111111")}});
    EXPECT_GT(AnswerScore(t.index, 1, 1, sure({1})), 0.0);
    for (const GuideAnswer& a : {sure({1}), unsure({1}), unsure({1, 2})}) {
        const double secondary = AnswerScore(t.index, 1, 1, a);
        EXPECT_GE(secondary, 0.0);
        EXPECT_LT(secondary, AnswerScore(t.index, 2, 1, a));
    }
    // In a category of two options a secondary state gains nothing, but
    // loses nothing either.
    EXPECT_EQ(AnswerScore(t.index, 1, 8, sure({2})), 0.0);
}

TEST(GuideRanking, EqualScoresShareARankAndFitsAndDisagreementsAreCounted) {
    const Table t({{U"ｱ", plantCode(U"1211111111")},
                   {U"ｲ", plantCode(U"1211111111", U"YYYYYYYYYY", U"100000000")},
                   {U"ｳ", plantCode(U"1111111111")}});
    const Ranking r =
        RankPlants(t.index, answersOf({{1, sure({1})}, {2, sure({1})}, {3, Unknown}}));
    EXPECT_EQ(t.rankOf(r, U"ｳ"), 1);
    EXPECT_EQ(t.rankOf(r, U"ｱ"), 2);
    EXPECT_EQ(t.rankOf(r, U"ｲ"), 2);
    const Candidate& second = r.candidates[1];
    EXPECT_EQ(second.fits, 1);
    EXPECT_EQ(second.disagree, std::vector<int>{2});
    EXPECT_EQ(r.answered, (std::vector<int>{1, 2, 3}));
}

// On random tables with random answers: no answered category is suggested,
// and each suggested one splits the likely candidates.
TEST(GuideRanking, NextNeverRepeatsAnAnsweredCategoryAndAlwaysSplitsTheLikely) {
    std::mt19937 rng(20);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const Text codeChars = U"1234512345000XYABCDHIJ";
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        std::vector<Plant> plants;
        for (int j = 0; j < 30 + pick(30); ++j) {
            Text primary;
            Text secondary;
            Text lists;
            for (int k = 0; k < 10; ++k) {
                primary += codeChars[static_cast<std::size_t>(pick(int(codeChars.size())))];
                secondary += codeChars[static_cast<std::size_t>(pick(int(codeChars.size())))];
            }
            for (int c = 0; c < 9; ++c) {
                lists += static_cast<char32_t>(U'1' + pick(5));
            }
            plants.push_back({U"ﾊﾅ", plantCode(primary, secondary, lists)});
        }
        const Table t(plants);
        Answers answers;
        for (int k = 1; k <= CategoryCount; ++k) {
            switch (pick(4)) {
            case 0:
                answers.set(k, Unknown);
                break;
            case 1:
                answers.set(k, GuideAnswer{true, options({1 + pick(4)}), pick(2) == 0});
                break;
            default:
                break;
            }
        }
        const ErrorModel model;
        const Ranking r = RankPlants(t.index, answers, model);
        ASSERT_EQ(r.candidates.size(), plants.size());
        for (const int k : r.next) {
            EXPECT_FALSE(answers.at(k).asked) << "category " << k;
            const double best = r.candidates.front().score;
            std::vector<OptionMask> likely;
            for (const Candidate& c : r.candidates) {
                if (std::exp(c.score - best) >= model.likelyFraction) {
                    likely.push_back(t.index.fit(c.row, k));
                }
            }
            EXPECT_TRUE(std::any_of(likely.begin(), likely.end(),
                                    [&](OptionMask m) { return m != likely.front(); }))
                << "category " << k << " cannot change the order";
        }
        EXPECT_EQ(r.next.empty(), r.next.size() == 0U);
        if (r.next.empty()) {
            EXPECT_TRUE(r.settled);
        }
    }
}

TEST(GuideRanking, SettledOnlyWhenOnePlantClearlyLeads) {
    const Table t({{U"ｱｶ", plantCode(U"1111111111")},
                   {U"ｷ", plantCode(U"2222222222")},
                   {U"ｱｵ", plantCode(U"3333333333")},
                   {U"ﾓﾓ", plantCode(U"1122222222")}});
    struct Case {
        const char* what;
        Answers answers;
        bool settled;
    };
    const std::vector<Case> cases = {
        {"nothing answered", {}, false},
        {"two plants still fit", answersOf({{1, sure({1})}}), false},
        {"one fitting plant, the rest far behind",
         answersOf({{1, sure({1})}, {2, sure({1})}, {3, sure({1})}, {4, sure({1})}}), true},
        {"one sure mismatch of the runner-up is not enough",
         answersOf({{1, sure({1})}, {2, sure({1})}}), false},
        {"two are", answersOf({{1, sure({1})}, {2, sure({1})}, {3, sure({1})}}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Ranking r = RankPlants(t.index, c.answers);
        EXPECT_EQ(r.settled, c.settled) << "leader share " << r.leaderShare;
    }
    // A lone plant is settled at once.
    const Table lone({{U"ｱｶ", plantCode(U"1111111111")}});
    EXPECT_TRUE(RankPlants(lone.index, {}).settled);
}

// Plants with the same ten primary states are one group, whatever their
// secondary states; the group counts as one leader.
TEST(GuideRanking, IdenticalPlantsFormAGroup) {
    const Table t({{U"ﾀﾁﾂﾎﾞｽﾐﾚ", plantCode(U"3155555511")},
                   {U"ﾅｶﾞﾊﾞﾉﾀﾁﾂﾎﾞｽﾐﾚ", plantCode(U"3155555511", U"5YYYYYYYYY")},
                   {U"ｷｽﾐﾚ", plantCode(U"2155555511")},
                   {U"ｽﾐﾚ", plantCode(U"3155555522")}});
    EXPECT_EQ(t.index.group(1), t.index.group(2));
    EXPECT_NE(t.index.group(1), t.index.group(3));
    EXPECT_EQ(t.index.groupSize(1), 2);
    EXPECT_EQ(t.index.groupSize(4), 1);
    const Ranking r =
        RankPlants(t.index, answersOf({{1, sure({3})}, {9, sure({1})}, {10, sure({1})}}));
    ASSERT_EQ(r.groups.size(), 1U);
    EXPECT_EQ(r.groups[0], (std::vector<int>{1, 2}));
    EXPECT_NEAR(r.leaderShare, 1.0, 0.2);
    EXPECT_EQ(IdenticalGroupNotice(2),
              Text(U"この 2 種は十の特徴がすべて同じです。写真で比べてください。"));
}

// What a press of an option button makes of the row's answer.
TEST(GuideAnswers, PressingOptions) {
    struct Case {
        const char* what;
        GuideAnswer now;
        int k;
        int option;
        GuideAnswer after;
    };
    const int colourUnknown = Category(1).optionCount; // 6
    const std::vector<Case> cases = {
        {"first press sets", {}, 1, 3, sure({3})},
        {"another option adds it", sure({3}), 1, 5, sure({3, 5})},
        {"pressing a chosen option takes it out", sure({3, 5}), 1, 3, sure({5})},
        {"taking out the last one leaves the row unanswered", sure({5}), 1, 5, {}},
        {"不明 replaces the options", sure({3, 5}), 1, colourUnknown, Unknown},
        {"an option replaces 不明", Unknown, 1, 2, sure({2})},
        {"the unsure mark stays", unsure({1}), 1, 2, unsure({1, 2})},
        {"an option past the last changes nothing", sure({1}), 1, colourUnknown + 1, sure({1})},
        {"option 0 changes nothing", sure({1}), 1, 0, sure({1})},
        {"a category outside 1..10 changes nothing", {}, 11, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PressOption(c.now, c.k, c.option), c.after);
    }
}

// The specified windows see the single sure answers; a selection changed
// there comes back into the answers.
TEST(GuideAnswers, SelectionHoldsTheSingleSureAnswers) {
    const Answers a = answersOf(
        {{1, sure({3})}, {2, sure({2, 5})}, {3, unsure({1})}, {4, Unknown}, {10, sure({4})}});
    EXPECT_EQ(SearchDigits(a), Text(U"3000000004"));

    struct Case {
        const char* what;
        Text selection;
        Text digitsAfter;
        bool changed;
        bool keepsOthers; // rows 2-4 as they were
    };
    const std::vector<Case> cases = {
        {"the same selection changes nothing", U"3000000004", U"3000000004", false, true},
        {"a commit elsewhere becomes a sure answer", U"3000010004", U"3000010004", true, true},
        {"a digit taken away drops the answer", U"0000000004", U"0000000004", true, true},
        {"a digit over an unsure answer replaces it", U"3010000004", U"3010000004", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Answers b = a;
        EXPECT_EQ(FollowSelection(b, c.selection + Text(20, U' ')), c.changed);
        EXPECT_EQ(SearchDigits(b), c.digitsAfter);
        if (c.keepsOthers) {
            EXPECT_EQ(b.at(2), a.at(2));
            EXPECT_EQ(b.at(3), a.at(3));
            EXPECT_EQ(b.at(4), a.at(4));
        }
    }
}

TEST(GuideAnswers, TextForm) {
    struct Case {
        const char* text;
        int category; // 0: refused
        GuideAnswer answer;
    };
    const std::vector<Case> cases = {
        {"1=3", 1, sure({3})},
        {"10=2", 10, sure({2})},
        {"2=1,3,5", 2, sure({1, 3, 5})},
        {"1=3,5?", 1, unsure({3, 5})},
        {"1=0", 1, Unknown},
        {"1=6", 1, Unknown}, // the last option of the colours is 不明
        {"8=3?", 8, GuideAnswer{true, 0, true}},
        {"1=7", 0, {}},
        {"11=1", 0, {}},
        {"0=1", 0, {}},
        {"1=", 0, {}},
        {"=1", 0, {}},
        {"1=3,", 0, {}},
        {"1=3,0", 0, {}},
        {"1=-1", 0, {}},
        {"1=3??", 0, {}},
        {"13", 0, {}},
        {"1=003", 0, {}},
        {" 1=3", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParseAnswer(c.text);
        if (c.category == 0) {
            EXPECT_FALSE(parsed);
            continue;
        }
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->category, c.category);
        EXPECT_EQ(parsed->answer, c.answer);
    }
}

TEST(GuideAnswers, StepsGoBackOneChangeAtATime) {
    AnswerSteps steps;
    EXPECT_FALSE(steps.undo());
    Answers a;
    steps.push(a, U"0000000000");
    a.set(1, sure({3}));
    steps.push(a, U"3000000000");
    a.set(2, unsure({1, 2}));
    auto back = steps.undo();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->answers.at(1), sure({3}));
    EXPECT_FALSE(back->answers.at(2).asked);
    EXPECT_EQ(back->conditions, Text(U"3000000000"));
    back = steps.undo();
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->answers.empty());
    EXPECT_FALSE(steps.canUndo());
    for (std::size_t i = 0; i < AnswerSteps::Limit + 10; ++i) {
        steps.push(a, U"0000000000");
    }
    EXPECT_EQ(steps.size(), AnswerSteps::Limit);
}
