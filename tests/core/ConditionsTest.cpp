// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreTestFiles.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace kuyu;
using kuyu::testing::selection;

namespace {

int errorOf(auto&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

AppState labelled() {
    AppState s;
    FillOptionLabels(s);
    return s;
}

} // namespace

TEST(Categories, EveryCategorysLastOptionIsUnknownAndSlotsBeyondAreEmpty) {
    const AppState s = labelled();
    std::set<std::string> menus, keys;
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const CategoryInfo& c = Category(k);
        ASSERT_GE(c.optionCount, 3);
        ASSERT_LE(c.optionCount, 8);
        EXPECT_EQ(s.OptionLabel[k][c.optionCount], U"不明");
        for (int n = 1; n < c.optionCount; ++n) {
            EXPECT_FALSE(s.OptionLabel[k][n].empty());
            EXPECT_NE(s.OptionLabel[k][n], U"不明");
        }
        for (int n = c.optionCount + 1; n <= 9; ++n) {
            EXPECT_TRUE(s.OptionLabel[k][n].empty());
        }
        menus.insert(c.menuItem);
        keys.insert(c.toolbarKey);
    }
    EXPECT_EQ(menus, (std::set<std::string>{"MENU11", "MENU12", "MENU13", "MENU14", "MENU15",
                                            "MENU21", "MENU22", "MENU23", "MENU31", "MENU32"}));
    EXPECT_EQ(*keys.begin(), "toku01");
    EXPECT_EQ(*keys.rbegin(), "toku10");
    EXPECT_EQ(keys.size(), 10U);
    EXPECT_EQ(Category(2).openerCaption, U"花びらの数");
    EXPECT_EQ(Category(10).illustration, U"KUKIDAN");
    EXPECT_EQ(errorOf([] { Category(0); }), err::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([] { Category(11); }), err::SubscriptOutOfRange);
}

TEST(ConditionPicker, CaptionAndCurrentOptionFollowTheSelectedDigit) {
    AppState s = labelled();
    s.SelectionCode = selection(U"0030000000");
    s.CurrentOption = 5;
    s.CurrentCategory = 1;
    EXPECT_EQ(BeginConditionPicker(s),
              U"花の色  (わからない場合は無理をせずに不明を選んで下さい。）");
    EXPECT_EQ(s.CurrentOption, 0);

    s.CurrentCategory = 3;
    EXPECT_EQ(BeginConditionPicker(s), U"花序  現在 3 番が選択されています。");
    EXPECT_EQ(s.CurrentOption, 3);
    // Confirming at once keeps the digit.
    s.OptionCount = Category(3).optionCount;
    CommitCondition(s);
    EXPECT_EQ(s.SelectionCode, selection(U"0030000000"));
    EXPECT_TRUE(s.CategoryChosen[3]);

    for (int bad : {0, 12, -1}) {
        s.CurrentCategory = static_cast<std::int16_t>(bad);
        EXPECT_EQ(errorOf([&] { BeginConditionPicker(s); }), err::SubscriptOutOfRange);
    }
}

TEST(Commit, StoresTheDigitOrZeroForUnknownAndTouchesOnlyItsCategory) {
    AppState s = labelled();
    s.SelectionCode = selection(U"1234512340");
    s.CurrentCategory = 2;
    s.OptionCount = 8;
    s.CurrentOption = 7;
    CommitCondition(s);
    EXPECT_EQ(s.SelectionCode, selection(U"1734512340"));
    EXPECT_TRUE(s.CategoryChosen[2]);

    s.CurrentOption = 8; // 不明
    CommitCondition(s);
    EXPECT_EQ(s.SelectionCode, selection(U"1034512340"));
    EXPECT_FALSE(s.CategoryChosen[2]);
    EXPECT_EQ(s.CurrentOption, 0);

    s.CurrentCategory = 8;
    s.OptionCount = 3;
    s.CurrentOption = 2; // 平行
    CommitCondition(s);
    EXPECT_EQ(s.SelectionCode, selection(U"1034512240"));
    EXPECT_TRUE(s.CategoryChosen[8]);

    s.CurrentCategory = 10;
    s.OptionCount = 6;
    s.CurrentOption = 0;
    CommitCondition(s);
    EXPECT_EQ(s.SelectionCode.substr(9, 1), U"0");
    EXPECT_FALSE(s.CategoryChosen[10]);
    EXPECT_EQ(s.SelectionCode.size(), 30U);

    // No category open: nothing is written.
    const Text before = s.SelectionCode;
    for (int bad : {0, 11}) {
        s.CurrentCategory = static_cast<std::int16_t>(bad);
        s.CurrentOption = 1;
        EXPECT_EQ(errorOf([&] { CommitCondition(s); }), err::SubscriptOutOfRange);
        EXPECT_EQ(s.SelectionCode, before);
    }
}

TEST(ClearConditions, AsksFirstAndResetsOnlyTheSelection) {
    EXPECT_EQ(ClearConditionsQuestion(), (Message{U"      検索条件を初期化します", U"検索条件解除",
                                                  MessageIcon::None, MessageButtons::YesNo, true}));
    AppState s = labelled();
    s.SelectionCode = selection(U"1200000003");
    s.CategoryChosen[1] = s.CategoryChosen[2] = s.CategoryChosen[10] = true;
    s.CurrentCategory = 10;
    s.CurrentOption = 3;
    s.ResultCount = 1;
    s.ResultLine[1] = U"kept";
    ClearAllConditions(s);
    EXPECT_EQ(s.SelectionCode, emptySelectionCode());
    EXPECT_EQ(s.CategoryChosen, (std::array<bool, 11>{}));
    EXPECT_EQ(s.CurrentCategory, 10);
    EXPECT_EQ(s.CurrentOption, 3);
    EXPECT_EQ(s.ResultLine[1], U"kept");
}
