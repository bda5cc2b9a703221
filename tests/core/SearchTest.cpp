// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreTestFiles.h"

#include "core/search/Search.h"

#include <gtest/gtest.h>

#include <random>

using namespace kuyu;
using namespace kuyu::testing;

namespace {

void addPlant(AppState& s, const Text& name, const Text& code, const Text& family = U"ｽﾐﾚ") {
    const int j = ++s.PlantCount;
    s.PlantName[j] = name;
    s.PlantCode[j] = code;
    s.PlantFamily[j] = family;
}

// Runs a search with no alias file anywhere in reach.
class SearchFixture : public ::testing::Test {
  protected:
    SearchFixture() : cd_(cwd.path()) { s.DataFolder = data.folder(); }
    int search(std::int16_t mode, const Text& nameBox = U"") {
        SearchPlants(s, mode, nameBox);
        return s.ResultCount;
    }
    TempFolder data;
    TempFolder cwd;
    AppState s;

  private:
    CurrentDirectory cd_;
};

struct FirstPassCase {
    char32_t primary;
    const char32_t* lists; // positions 21..29
    char32_t chosen;
    int disagreements;
};

} // namespace

TEST_F(SearchFixture, WithoutConditionsEveryModeListsEveryPlantAsAnExactMatch) {
    addPlant(s, U"ｽﾐﾚ", plantCode(U"1111111111"));
    addPlant(s, U"ｷｸ", plantCode(U"YYYYYYYYYY"));
    addPlant(s, U"ﾊｷﾞ", plantCode(U"XXXXX00000"));
    for (std::int16_t mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(search(mode), 3);
        for (int n = 1; n <= 3; ++n) {
            EXPECT_EQ(s.MatchScore[n], 0);
            EXPECT_EQ(s.ResultLine[n].substr(0, 1), U" ");
            EXPECT_EQ(s.ResultCaption[n].substr(0, 2), U"  ");
        }
    }
}

TEST_F(SearchFixture, FirstPassCountsDisagreementsByEachCodeCharacter) {
    const FirstPassCase cases[] = {
        {U'3', U"         ", U'3', 0},
        {U'2', U"         ", U'3', 1},
        {U'X', U"         ", U'3', 0},
        {U'0', U"         ", U'3', 0},
        {U'Y', U"         ", U'3', 1},
        {U'Z', U"         ", U'3', 1},
        // Several values: A/H look in list 1, B/I in list 2, C/J in list 3.
        {U'A', U"135      ", U'3', 0},
        {U'A', U"135      ", U'2', 1},
        {U'A', U"   3     ", U'3', 1},
        {U'H', U"135      ", U'5', 0},
        {U'H', U" 3       ", U'3', 0},
        {U'B', U"   24    ", U'4', 0},
        {U'B', U"4        ", U'4', 1},
        {U'I', U"   2 4   ", U'4', 0},
        {U'C', U"      7  ", U'7', 0},
        {U'J', U"      7  ", U'1', 1},
        // D looks in lists 1 and 2, never in list 3.
        {U'D', U"1  2     ", U'2', 0},
        {U'D', U"1  2     ", U'1', 0},
        {U'D', U"1  2  3  ", U'3', 1},
        // A list position without a digit matches nothing.
        {U'A', U"         ", U'1', 1},
    };
    for (const auto& c : cases) {
        s = AppState{};
        s.DataFolder = data.folder();
        addPlant(s, U"P", plantCode(Text(1, c.primary) + U"000000000", U"0000000000", c.lists));
        s.SelectionCode = selection(Text(1, c.chosen));
        search(1);
        EXPECT_EQ(s.MatchScore[1], c.disagreements)
            << "primary " << toUtf8(Text(1, c.primary)) << " lists [" << toUtf8(c.lists)
            << "] chosen " << toUtf8(Text(1, c.chosen));
    }
}

TEST_F(SearchFixture, PlainStoresFiveFuzzyCountsAndEachListsByItsThreshold) {
    s.SelectionCode = selection(U"1000000002");
    addPlant(s, U"EXACT", plantCode(U"1000000002"));
    addPlant(s, U"ONEOFF", plantCode(U"1000000003"));
    addPlant(s, U"TWOOFF", plantCode(U"2000000003"));
    addPlant(s, U"OPEN", plantCode(U"X00000000X"));

    ASSERT_EQ(search(0), 2);
    EXPECT_EQ(s.MatchScore[2], 5);
    EXPECT_EQ(s.MatchScore[3], 5);
    EXPECT_EQ(s.ResultLine[1].substr(6, 5), U"EXACT");
    EXPECT_EQ(s.ResultLine[2].substr(6, 4), U"OPEN");

    ASSERT_EQ(search(1), 3);
    EXPECT_EQ(s.MatchScore[2], 1);
    EXPECT_EQ(s.MatchScore[3], 2);
    EXPECT_EQ(s.ResultLine[2].substr(0, 11), U"*2    ONEOF");
    EXPECT_EQ(s.ResultCaption[2], U"* ONEOFF (ｽﾐﾚ)科");
    EXPECT_EQ(s.ResultCode[2], plantCode(U"1000000003"));
    EXPECT_EQ(s.ResultLine[3].substr(0, 6), U" 3    ");
}

TEST_F(SearchFixture, AiSecondPassFollowsItsRuleOrder) {
    // One chosen category (1 = "1"); every plant fails the first pass there.
    struct Case {
        char32_t secondary, primary;
        const char32_t* lists;
        int score; // after the AI pass; 1 is listed with "*"
    } cases[] = {
        {U'1', U'2', U"         ", 1}, // secondary equals the selection
        {U'0', U'2', U"         ", 1}, // secondary unknown never counts
        {U'X', U'2', U"         ", 1}, // nor indefinite
        {U'5', U'Y', U"         ", 2}, // none
        {U'A', U'2', U"1        ", 1}, // secondary A looks in list 1
        {U'A', U'2', U"   1     ", 2},
        {U'B', U'2', U"   1     ", 1},
        {U'C', U'2', U"      1  ", 1},
        {U'D', U'2', U"   1     ", 1},
        {U'D', U'2', U"      1  ", 2},
        {U'H', U'2', U"1        ", 2}, // secondary H, I, J are not recognised
        {U'J', U'2', U"      1  ", 2},
        {U'3', U'A', U"   1     ", 2}, // primary A still looks in list 1 only
        {U'3', U'I', U"1        ", 2},
        {U'A', U'C', U"1        ", 1}, // secondary A comes first: list 1, not 3
    };
    for (const auto& c : cases) {
        s = AppState{};
        s.DataFolder = data.folder();
        s.SelectionCode = selection(U"1");
        const Text secondaries = Text(1, c.secondary) + U"000000000";
        addPlant(s, U"P", plantCode(Text(1, c.primary) + U"000000000", secondaries, c.lists));
        addPlant(s, U"EXACT", plantCode(U"1000000000", U"5000000000"));
        search(2);
        EXPECT_EQ(s.MatchScore[1], c.score)
            << "secondary " << toUtf8(Text(1, c.secondary)) << " primary "
            << toUtf8(Text(1, c.primary)) << " lists [" << toUtf8(c.lists) << "]";
        EXPECT_EQ(s.MatchScore[2], 0);
        EXPECT_EQ(s.ResultCount, c.score == 1 ? 2 : 1);
    }

    // Two failing categories: accepting one is not enough.
    s = AppState{};
    s.DataFolder = data.folder();
    s.SelectionCode = selection(U"1100000000");
    addPlant(s, U"HALF", plantCode(U"2200000000", U"1500000000"));
    addPlant(s, U"BOTH", plantCode(U"2200000000", U"1X00000000"));
    EXPECT_EQ(search(2), 1);
    EXPECT_EQ(s.MatchScore[1], 2);
    EXPECT_EQ(s.ResultCaption[1], U"* BOTH (ｽﾐﾚ)科");
    // Fuzzy would not list either of them: both disagree twice.
    EXPECT_EQ(search(1), 0);
}

TEST_F(SearchFixture, NameFilterKeepsNamesAndAliasesContainingTheKey) {
    data.writeCp932("SNAME.DAT", U"ﾍﾟﾝﾍﾟﾝｸﾞｻ,ﾅｽﾞﾅ\r\nﾔﾏｽﾐﾚﾓﾄﾞｷ,ﾀﾝﾎﾟﾎﾟ\r\nｽﾐﾚﾊﾞﾅ,ｽﾐﾚ\r\n"
                                 U"ｽﾐﾚﾉﾅｲ,ﾅｲﾅｲ\r\n");
    addPlant(s, U"ｽﾐﾚ", plantCode(U"1"));
    addPlant(s, U"ﾅｽﾞﾅ", plantCode(U"1"));
    addPlant(s, U"ﾀﾁﾂﾎﾞｽﾐﾚ", plantCode(U"2"));
    addPlant(s, U"ﾀﾝﾎﾟﾎﾟ", plantCode(U"3"));
    addPlant(s, U"ｽﾐ", plantCode(U"1"));

    ASSERT_EQ(search(0, U"ｽﾐﾚ"), 3);
    EXPECT_EQ(s.NameKey, U"ｽﾐﾚ");
    EXPECT_EQ(KeyOfLine(s.ResultLine[1]), U"ｽﾐﾚ");
    EXPECT_EQ(KeyOfLine(s.ResultLine[2]), U"ﾀﾁﾂﾎﾞｽﾐﾚ");
    EXPECT_EQ(KeyOfLine(s.ResultLine[3]), U"ﾀﾝﾎﾟﾎﾟ");
    // Passing plants are back at their score (marking twice does not count
    // twice); the others are pushed to 9.
    EXPECT_EQ(s.MatchScore[1], 0);
    EXPECT_EQ(s.MatchScore[2], 9);
    EXPECT_EQ(s.MatchScore[5], 9);

    // With a condition: a failing plant that passes the name stays out (5+9),
    // a fuzzy near miss that passes stays listed with its mark.
    s.SelectionCode = selection(U"1");
    ASSERT_EQ(search(0, U"ｽﾐﾚ"), 1);
    EXPECT_EQ(s.MatchScore[3], 14);
    ASSERT_EQ(search(1, U"ﾎﾟﾎﾟ"), 1);
    EXPECT_EQ(s.MatchScore[4], 1);
    EXPECT_EQ(s.ResultLine[1].substr(0, 1), U"*");

    // An empty name box clears the key and applies no filter.
    EXPECT_EQ(search(1), 5);
    EXPECT_EQ(s.NameKey, U"");
}

TEST_F(SearchFixture, NameFilterFallsBackToTheCurrentDirectorysAliasFile) {
    addPlant(s, U"ﾅｽﾞﾅ", plantCode(U"1"));
    addPlant(s, U"ﾊｺﾍﾞﾗ", plantCode(U"1"));
    EXPECT_EQ(search(0, U"ﾍﾟﾝ"), 0);
    cwd.writeCp932("SNAME.DAT", U"ﾍﾟﾝﾍﾟﾝｸﾞｻ,ﾅｽﾞﾅ\n");
    ASSERT_EQ(search(0, U"ﾍﾟﾝ"), 1);
    EXPECT_EQ(KeyOfLine(s.ResultLine[1]), U"ﾅｽﾞﾅ");
    // The data folder's file, once there, is the one read.
    data.writeCp932("SNAME.DAT", U"ﾍﾟﾝ,ﾊｺﾍﾞﾗ\n");
    ASSERT_EQ(search(0, U"ﾍﾟﾝ"), 1);
    EXPECT_EQ(KeyOfLine(s.ResultLine[1]), U"ﾊｺﾍﾞﾗ");
}

TEST_F(SearchFixture, ListAllIgnoresConditionsAndNameAndResetsTheCallersMode) {
    addPlant(s, U"A", plantCode(U"1"));
    addPlant(s, U"B", plantCode(U"2"));
    s.SelectionCode = selection(U"3");
    s.NameKey = U"old";
    std::int16_t mode = 10;
    SearchPlants(s, mode, U"ZZZ");
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(s.ResultCount, 2);
    EXPECT_EQ(s.NameKey, U"");
    EXPECT_EQ(s.MatchScore[1], 0);
    EXPECT_EQ(s.MatchScore[2], 0);
    EXPECT_EQ(s.ResultLine[2].substr(0, 7), U" 2    B");
}

TEST_F(SearchFixture, EachSearchEmptiesTheOldRowsUpToPlantCountOnly) {
    addPlant(s, U"A", plantCode(U"1"));
    addPlant(s, U"B", plantCode(U"2"));
    addPlant(s, U"C", plantCode(U"2"));
    s.ResultLine[4] = U"beyond";
    EXPECT_EQ(search(0), 3);
    s.SelectionCode = selection(U"1");
    EXPECT_EQ(search(0), 1);
    for (int n = 2; n <= 3; ++n) {
        EXPECT_TRUE(s.ResultLine[n].empty());
        EXPECT_TRUE(s.ResultCaption[n].empty());
        EXPECT_TRUE(s.ResultCode[n].empty());
    }
    EXPECT_EQ(s.ResultLine[4], U"beyond");

    // An empty table finds nothing.
    AppState empty;
    std::int16_t mode = 0;
    SearchPlants(empty, mode, U"");
    EXPECT_EQ(empty.ResultCount, 0);
}

namespace {

// The scoring rules written out plainly, to check the engine against on many
// random plants (the engine scores through lookup tables).
int referenceScore(const Text& code, const Text& sel, int mode) {
    auto in = [&](char32_t s, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i <= to; ++i) {
            if (code[i - 1] == s) {
                return true;
            }
        }
        return false;
    };
    int score = 0;
    for (std::size_t k = 1; k <= 10; ++k) {
        const char32_t s = sel[k - 1], p = code[2 * k - 1];
        if (p == U'X' || p == U'0' || s == U'0') {
            continue;
        }
        if (p == U'H' || p == U'A') {
            score += !in(s, 21, 23);
        } else if (p == U'I' || p == U'B') {
            score += !in(s, 24, 26);
        } else if (p == U'J' || p == U'C') {
            score += !in(s, 27, 29);
        } else if (p == U'D') {
            score += !in(s, 21, 26);
        } else {
            score += p != s;
        }
    }
    if (mode == 0 && score != 0) {
        return 5;
    }
    if (mode != 2 || score == 0) {
        return score;
    }
    score = 1;
    for (std::size_t k = 1; k <= 10; ++k) {
        const char32_t s = sel[k - 1], p = code[2 * k - 1], q = code[2 * k - 2];
        if (q == U'X' || p == U'X' || q == U'0' || p == U'0' || s == U'0' || q == s || p == s) {
            continue;
        }
        if (q == U'A' || p == U'H' || p == U'A') {
            score += !in(s, 21, 23);
        } else if (q == U'B' || p == U'I' || p == U'B') {
            score += !in(s, 24, 26);
        } else if (q == U'C' || p == U'J' || p == U'C') {
            score += !in(s, 27, 29);
        } else if (q == U'D' || p == U'D') {
            score += !in(s, 21, 26);
        } else {
            score += 1;
        }
    }
    return score;
}

} // namespace

TEST_F(SearchFixture, RandomPlantsAndSelectionsScoreAsTheRulesSay) {
    std::mt19937 rng(7);
    const Text codeChars = U"0123456789XYZABCDHIJ ｱ";
    const Text listChars = U"12345678  0A";
    auto pick = [&rng](const Text& from) { return from[rng() % from.size()]; };
    for (int i = 0; i < 300; ++i) {
        Text code;
        for (int c = 0; c < 20; ++c) {
            code += pick(codeChars);
        }
        for (int c = 0; c < 9; ++c) {
            code += pick(listChars);
        }
        code += U'1';
        addPlant(s, U"P" + decimal(i), code);
    }
    for (int round = 0; round < 40; ++round) {
        Text sel;
        for (int k = 0; k < 10; ++k) {
            sel += rng() % 3 == 0 ? U'0' : static_cast<char32_t>(U'1' + rng() % 8);
        }
        s.SelectionCode = sel + Text(20, U' ');
        for (std::int16_t mode : {0, 1, 2}) {
            search(mode);
            int listed = 0;
            for (int j = 1; j <= s.PlantCount; ++j) {
                const int expected = referenceScore(s.code(j), s.SelectionCode, mode);
                ASSERT_EQ(s.MatchScore[j], expected)
                    << "plant " << toUtf8(s.code(j)) << " selection " << toUtf8(sel) << " mode "
                    << mode;
                listed += expected < (mode + 1) / 2 + 1;
            }
            EXPECT_EQ(s.ResultCount, listed);
        }
    }
}
