// SPDX-License-Identifier: GPL-3.0-or-later
// The pages without a screen: page arithmetic and captions for the result
// counts a person meets, the NEXT/BACK rule, the working copy of the result
// list, the names derived from list lines and labels, and the choice among
// the sixteen pop-up menus.

#include "core/browse/ResultPages.h"
#include "core/browse/PageMenus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kuyu {
namespace {

// The captions a person reads, whole.
const Text TenPage1 = U"図示検索    （残り 7種)    ( 1/ 4ﾍﾟｰｼﾞ)";
const Text TenPage4 = U"図示検索    （残りはありません）    ( 4/ 4ﾍﾟｰｼﾞ)";
const Text OnePage = U"図示検索    （残りはありません）    ( 1/ 1ﾍﾟｰｼﾞ)";
const Text FourPage1 = U"図示検索    （残り 1種)    ( 1/ 2ﾍﾟｰｼﾞ)";
const Text AiFivePage1 = U"ＡＩ図示検索    （残り 2種)    ( 1/ 2ﾍﾟｰｼﾞ)";

// The pieces of those captions around their numbers.
Text remainingLead() {
    return FourPage1.substr(4, FourPage1.find(U" 1種") - 4);
}
Text noneLeftLead() {
    return OnePage.substr(4, OnePage.find(U" 1/") - 4);
}
Text pageTail() {
    return OnePage.substr(OnePage.find(U" 1/ 1") + 5);
}

TEST(ResultPages, CaptionsAndPagesForEachCountAndMode) {
    EXPECT_EQ(PageCaption(0, 10, 1), TenPage1);
    EXPECT_EQ(PageCaption(0, 10, 4), TenPage4);
    EXPECT_EQ(PageCaption(0, 4, 1), FourPage1);
    EXPECT_EQ(PageCaption(2, 5, 1), AiFivePage1);
    const struct {
        int results, pages;
    } counts[] = {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {10, 4}};
    for (const auto& n : counts) {
        ASSERT_EQ(PageCountOf(n.results), n.pages) << n.results;
        for (int p = 1; p <= n.pages; ++p) {
            const std::string where = std::to_string(n.results) + "/" + std::to_string(p);
            EXPECT_EQ(HasLaterPage(n.results, p), p < n.pages) << where; // NEXT shows
            const int k = n.results - 3 * p;
            const Text lead = k > 0 ? remainingLead() + numberWithSign(k) : noneLeftLead();
            const Text tail = numberWithSign(p) + U"/" + numberWithSign(n.pages) + pageTail();
            for (std::int16_t mode : {0, 1, 2}) {
                const Text c = PageCaption(mode, n.results, p);
                EXPECT_EQ(c.substr(0, PageTitle(mode).size() + lead.size()), PageTitle(mode) + lead)
                    << where;
                EXPECT_TRUE(c.ends_with(tail)) << where;
            }
        }
    }
    EXPECT_EQ(PageCaption(0, 2, 1), OnePage);
    // Three different titles; an unknown mode reads as the plain search.
    EXPECT_EQ(std::set<Text>({PageTitle(0), PageTitle(1), PageTitle(2)}).size(), 3u);
    EXPECT_EQ(PageTitle(7), PageTitle(0));
}

TEST(ResultPages, WorkingCopyIsTheListAtOpeningAndNothingMore) {
    AppState s;
    for (int r = 1; r <= 5; ++r) {
        s.ResultCaption[r] = U"  P" + decimal(r) + U" (F)科";
        s.ResultLine[r] = U"      P" + decimal(r);
    }
    s.ResultCount = 4; // row 5 is left over from an earlier search
    ResultPageList pages;
    pages.take(s);
    EXPECT_EQ(pages.count(), 4);
    EXPECT_EQ(pages.line(4), s.ResultLine[4]);
    for (int row : {0, 5, 2001, -3}) {
        EXPECT_EQ(pages.caption(row) + pages.line(row), Text()) << row;
    }
    // A later search changes the live list, not the copy.
    s.ResultCount = 1;
    s.ResultCaption[1] = U"* Q (G)科";
    EXPECT_EQ(pages.count(), 4);
    EXPECT_EQ(pages.caption(1), U"  P1 (F)科");
}

TEST(ResultPages, PictureNamesAndPlantKeys) {
    EXPECT_EQ(PictureBaseName(U" 1    ｽﾐﾚ               (ｽﾐﾚ)          科"), U"ｽﾐﾚ");
    EXPECT_EQ(PictureBaseName(U"*12   ﾅｶﾞﾊﾞﾉﾀﾁﾂﾎﾞｽﾐﾚ    (ｽﾐﾚ)"), U"ﾅｶﾞﾊﾞﾉﾀﾁ");
    EXPECT_EQ(PictureBaseName(U""), U"");
    const struct {
        const char32_t* label;
        const char32_t* key8;
        const char32_t* key7;
    } labels[] = {
        {U"  ｽﾐﾚ (ｽﾐﾚ)科", U"ｽﾐﾚ", U"ｽﾐﾚ"},
        {U"* ﾀﾁﾂﾎﾞｽﾐﾚ (ｽﾐﾚ)科", U"ﾀﾁﾂﾎﾞｽﾐﾚ", U"ﾀﾁﾂﾎﾞｽﾐ"},
        {U"  ﾅｶﾞﾊﾞﾉｽﾐﾚｻｲｼﾝ (ｽﾐﾚ)科", U"ﾅｶﾞﾊﾞﾉｽﾐ", U"ﾅｶﾞﾊﾞﾉｽ"},
        {U"  ｱｶﾈ (ｱｶﾈ(ﾑｸﾞﾗ))科", U"ｱｶﾈ", U"ｱｶﾈ"}, // the first "(" ends the name
        {U"", U"", U""},
        {U"(", U"", U""}, // no name before the bracket: no key, no failure
        {U"  ｽﾐﾚ", U"ｽﾐﾚ", U"ｽﾐﾚ"},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(PlantKeyOfLabel(l.label), l.key8) << toUtf8(l.label);
        EXPECT_EQ(PlantKeyOfLabel(l.label, 7), l.key7) << toUtf8(l.label);
    }
}

const PageMenu& menu(const std::string& name) {
    const auto& all = PageMenus();
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const auto& m) { return m.name == name; });
    if (it == all.end()) {
        throw std::runtime_error("no menu " + name);
    }
    return *it;
}

TEST(PageMenus, ChosenByPositionLabelAndPageState) {
    struct Case {
        int position;
        bool labelEmpty, next, back;
        const char* menu;
        bool nextEnabled, backEnabled, plantItems;
        const char* defaultItem;
    };
    const Case cases[] = {
        {1, false, true, true, "MENU_45A", true, true, true, "MENU454A"},
        {1, false, false, true, "MENU_45AA", false, true, true, "MENU454AA"},
        {1, false, true, false, "MENU_45AB", true, false, true, "MENU454AB"},
        {1, false, false, false, "MENU_45AC", false, false, true, "MENU454AC"},
        {1, true, true, false, "MENU_45AB", true, false, true, "MENU454AB"}, // label not tested
        {2, false, true, true, "MENU_45B", true, true, true, "MENU454B"},
        {2, false, false, true, "MENU_45BA", false, true, true, "MENU454BA"},
        {2, false, true, false, "MENU_45BB", true, false, true, "MENU454BB"},
        {2, false, false, false, "MENU_45BC", false, false, true, "MENU454BC"},
        {3, false, true, true, "MENU_45C", true, true, true, "MENU454C"},
        {3, false, false, true, "MENU_45CA", false, true, true, "MENU454CA"},
        {3, false, true, false, "MENU_45CB", true, false, true, "MENU454CB"},
        {3, false, false, false, "MENU_45CC", false, false, true, "MENU454CC"},
        {2, true, false, true, "MENU_45BBACK", false, true, false, "MENU45BB7"},
        {2, true, false, false, "MENU_45BO", false, false, false, "MENU45BO7"},
        {3, true, false, true, "MENU_45CBACK", false, true, false, "MENU45CB7"},
        {3, true, false, false, "MENU_45CO", false, false, false, "MENU45CO7"},
    };
    std::set<std::string> reached;
    for (const Case& c : cases) {
        const std::string chosen = ChoosePageMenu(c.position, c.labelEmpty, c.next, c.back);
        ASSERT_EQ(chosen, c.menu) << c.position << c.labelEmpty << c.next << c.back;
        reached.insert(chosen);
        const PageMenu& m = menu(chosen);
        ASSERT_EQ(m.items.size(), 8u) << c.menu;
        EXPECT_EQ(m.defaultItem, c.defaultItem) << c.menu;
        EXPECT_EQ(m.items[0].enabled, c.nextEnabled) << c.menu;
        EXPECT_EQ(m.items[1].enabled, c.backEnabled) << c.menu;
        for (std::size_t i : {3u, 4u, 5u}) { // ＵＰ, 特徴, 植物図
            EXPECT_EQ(m.items[i].enabled, c.plantItems) << c.menu << " item " << i;
        }
        EXPECT_TRUE(m.items[7].enabled && m.items[7].action == PageAction::Close) << c.menu;
        for (const auto& i : m.items) { // an enabled item always does something
            EXPECT_TRUE(i.separator() || !i.enabled || i.action != PageAction::None) << i.name;
            EXPECT_TRUE(i.name != m.defaultItem || i.enabled) << i.name;
        }
    }
    EXPECT_EQ(reached.size(), PageMenus().size()) << "every menu is reachable";
    // Item names carry position and variant; each position names its own
    // close-up, and 終了 has access keys in the left and centre menus only.
    EXPECT_EQ(menu("MENU_45AA").items[5].name, "MENU455AAP");
    EXPECT_EQ(menu("MENU_45CBACK").items[5].name, "MENU45CB5P");
    EXPECT_NE(menu("MENU_45A").items[3].caption, menu("MENU_45C").items[3].caption);
    EXPECT_NE(menu("MENU_45BO").items[4].caption, menu("MENU_45B").items[4].caption);
    EXPECT_NE(menu("MENU_45A").items[7].caption, menu("MENU_45C").items[7].caption);
}

} // namespace
} // namespace kuyu
