// The pages without a screen: page arithmetic and captions for the result
// counts a person meets, the NEXT/BACK rule, the working copy of the result
// list, the names derived from list lines and labels, and the choice among
// the sixteen pop-up menus.

#include "core/browse/ResultPages.h"
#include "core/browse/PageMenus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
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

TEST(ResultPages, CaptionsReadAsAPersonSeesThem) {
    EXPECT_EQ(PageCaption(0, 10, 1), TenPage1);
    EXPECT_EQ(PageCaption(0, 10, 4), TenPage4);
    for (int n : {1, 2, 3}) {
        EXPECT_EQ(PageCaption(0, n, 1), OnePage) << n;
    }
    EXPECT_EQ(PageCaption(0, 4, 1), FourPage1);
    EXPECT_EQ(PageCaption(2, 5, 1), AiFivePage1);
    // The title follows the mode; an unknown mode reads as the plain search.
    const Text tail = PageCaption(0, 10, 1).substr(PageTitle(0).size());
    for (std::int16_t mode : {0, 1, 2, 7, -1}) {
        EXPECT_EQ(PageCaption(mode, 10, 1), PageTitle(mode) + tail) << mode;
    }
    EXPECT_NE(PageTitle(1), PageTitle(0));
    EXPECT_NE(PageTitle(2), PageTitle(0));
    EXPECT_NE(PageTitle(1), PageTitle(2));
}

struct Walk {
    int results;
    int pages;
    std::vector<int> remaining; // after each page; <= 0 reads "none left"
};

TEST(ResultPages, ArithmeticForEveryCountAndPage) {
    const Walk walks[] = {
        {1, 1, {-2}},    {2, 1, {-1}},    {3, 1, {0}},
        {4, 2, {1, -2}}, {5, 2, {2, -1}}, {10, 4, {7, 4, 1, -2}},
    };
    for (const Walk& w : walks) {
        EXPECT_EQ(PageCountOf(w.results), w.pages) << w.results;
        for (int p = 1; p <= w.pages; ++p) {
            const std::string where =
                std::to_string(w.results) + " results, page " + std::to_string(p);
            // NEXT shows exactly on every page but the last.
            EXPECT_EQ(HasLaterPage(w.results, p), p < w.pages) << where;
            const int k = w.remaining[static_cast<std::size_t>(p - 1)];
            const Text pages = numberWithSign(p) + U"/" + numberWithSign(w.pages) + pageTail();
            for (std::int16_t mode : {0, 1, 2}) {
                const Text c = PageCaption(mode, w.results, p);
                const Text afterTitle = c.substr(PageTitle(mode).size());
                ASSERT_TRUE(c.starts_with(PageTitle(mode))) << where;
                EXPECT_TRUE(c.ends_with(pages)) << where;
                if (k > 0) {
                    EXPECT_TRUE(afterTitle.starts_with(remainingLead() + numberWithSign(k)))
                        << where;
                } else {
                    EXPECT_TRUE(afterTitle.starts_with(noneLeftLead())) << where;
                }
            }
            EXPECT_EQ(RowAt(p, 1), 3 * p - 2);
            EXPECT_EQ(RowAt(p, 3), 3 * p);
        }
    }
    EXPECT_EQ(PageCountOf(0), 1); // an empty list is one page of nothing
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
    EXPECT_EQ(pages.caption(4), s.ResultCaption[4]);
    EXPECT_EQ(pages.line(1), s.ResultLine[1]);
    for (int row : {0, 5, 6, 2000, 2001, 40000, -3}) {
        EXPECT_EQ(pages.caption(row), Text()) << row;
        EXPECT_EQ(pages.line(row), Text()) << row;
    }
    // A later search changes the live list, not the copy.
    s.ResultCount = 1;
    s.ResultCaption[1] = U"* Q (G)科";
    EXPECT_EQ(pages.count(), 4);
    EXPECT_EQ(pages.caption(1), U"  P1 (F)科");
    // Taking it again follows the new list.
    pages.take(s);
    EXPECT_EQ(pages.count(), 1);
    EXPECT_EQ(pages.caption(2), Text());
}

TEST(ResultPages, PictureAndPlantKeysFromLinesAndLabels) {
    const struct {
        const char32_t* in;
        const char32_t* out;
    } bases[] = {
        {U" 1    ｽﾐﾚ               (ｽﾐﾚ)          科", U"ｽﾐﾚ"},
        {U"*12   ﾅｶﾞﾊﾞﾉﾀﾁﾂﾎﾞｽﾐﾚ    (ｽﾐﾚ)          科", U"ﾅｶﾞﾊﾞﾉﾀﾁ"},
        {U" 3    ﾏﾙﾊﾞ/ｽﾐﾚ", U"ﾏﾙﾊﾞ/ｽﾐﾚ"},
        {U"", U""},
        {U" 4", U""},
    };
    for (const auto& b : bases) {
        EXPECT_EQ(PictureBaseName(b.in), b.out) << toUtf8(b.in);
    }
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
        {U"(", U"", U""},
        {U" (x)", U"", U""},
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
        EXPECT_EQ(m.defaultItem, c.defaultItem) << c.menu;
        EXPECT_EQ(m.items.size(), 8u) << c.menu;
        EXPECT_EQ(m.items[0].enabled, c.nextEnabled) << c.menu;
        EXPECT_EQ(m.items[1].enabled, c.backEnabled) << c.menu;
        for (std::size_t i : {3u, 4u, 5u}) {
            EXPECT_EQ(m.items[i].enabled, c.plantItems) << c.menu << " item " << i;
        }
        EXPECT_TRUE(m.items[2].separator() && m.items[6].separator()) << c.menu;
        EXPECT_TRUE(m.items[7].enabled && m.items[7].action == PageAction::Close) << c.menu;
        // The default item is one that works.
        const auto def = std::find_if(m.items.begin(), m.items.end(),
                                      [&](const auto& i) { return i.name == m.defaultItem; });
        ASSERT_NE(def, m.items.end()) << c.menu;
        EXPECT_TRUE(def->enabled) << c.menu;
        // An enabled item always does something.
        for (const auto& i : m.items) {
            EXPECT_TRUE(i.separator() || !i.enabled || i.action != PageAction::None) << i.name;
        }
    }
    EXPECT_EQ(reached.size(), PageMenus().size()) << "every menu is reachable";
}

TEST(PageMenus, ItemNamesAndCaptionsFollowThePosition) {
    const PageMenu& left = menu("MENU_45AA");
    EXPECT_EQ(left.items[5].name, "MENU455AAP");
    EXPECT_EQ(left.items[5].action, PageAction::PlantPicture);
    EXPECT_EQ(left.items[3].action, PageAction::CloseUp);
    EXPECT_EQ(left.items[4].action, PageAction::Features);
    EXPECT_EQ(menu("MENU_45CBACK").items[5].name, "MENU45CB5P");
    EXPECT_EQ(menu("MENU_45BO").items[1].name, "MENU45BO2");
    EXPECT_EQ(menu("MENU_45BBACK").items[1].action, PageAction::PreviousPage);
    // The three positions name their own close-up and features; the empty
    // centre's features item has its own access key.
    std::set<Text> ups, features;
    for (const char* name : {"MENU_45A", "MENU_45B", "MENU_45C"}) {
        ups.insert(menu(name).items[3].caption);
        features.insert(menu(name).items[4].caption);
        EXPECT_EQ(menu(name).title.substr(menu(name).title.size() - 1), Text(1, name[7]));
    }
    EXPECT_EQ(ups.size(), 3u);
    EXPECT_EQ(features.size(), 3u);
    EXPECT_EQ(menu("MENU_45BO").items[3].caption, menu("MENU_45B").items[3].caption);
    EXPECT_NE(menu("MENU_45BO").items[4].caption, menu("MENU_45B").items[4].caption);
    EXPECT_EQ(menu("MENU_45CO").items[4].caption, menu("MENU_45C").items[4].caption);
    // 終了 carries its access keys in the left and centre menus only.
    EXPECT_EQ(menu("MENU_45A").items[7].caption, menu("MENU_45BC").items[7].caption);
    EXPECT_NE(menu("MENU_45A").items[7].caption, menu("MENU_45C").items[7].caption);
    EXPECT_EQ(menu("MENU_45C").items[7].caption, menu("MENU_45BO").items[7].caption);
}

} // namespace
} // namespace kuyu
