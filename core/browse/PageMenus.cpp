// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browse/PageMenus.h"

#include "core/browse/BrowseTexts.h"

namespace kuyu {

namespace bt = browse_texts;

namespace {

constexpr char PositionLetter[] = {'A', 'B', 'C'};

// A plant's menu: position letter P, variant "" (NEXT and BACK), "A" (BACK
// only), "B" (NEXT only) or "C" (neither).
PageMenu plantMenu(int position, const std::string& variant) {
    const std::string pv = std::string(1, PositionLetter[position - 1]) + variant;
    const bool next = variant.empty() || variant == "B";
    const bool back = variant.empty() || variant == "A";
    const char32_t* up[] = {bt::MenuUpLeft, bt::MenuUpCentre, bt::MenuUpRight};
    const char32_t* features[] = {bt::MenuFeaturesLeft, bt::MenuFeaturesCentre,
                                  bt::MenuFeaturesRight};
    PageMenu m;
    m.name = "MENU_45" + pv;
    m.title = bt::MenuTitlePrefix + Text(pv.begin(), pv.end());
    m.position = position;
    m.items = {
        {"MENU451" + pv, bt::MenuNext, next, PageAction::NextPage},
        {"MENU452" + pv, bt::MenuBack, back, PageAction::PreviousPage},
        {"MENU453" + pv, bt::Separator},
        {"MENU454" + pv, up[position - 1], true, PageAction::CloseUp},
        {"MENU455" + pv, features[position - 1], true, PageAction::Features},
        {"MENU455" + pv + "P", bt::MenuPlantPicture, true, PageAction::PlantPicture},
        {"MENU456" + pv, bt::Separator},
        {"MENU457" + pv, position == 3 ? bt::MenuClose : bt::MenuCloseKeyed, true,
         PageAction::Close},
    };
    m.defaultItem = "MENU454" + pv;
    return m;
}

// An empty centre or right position: X is "BO"/"CO" (no earlier page) or
// "BB"/"CB" (menu "...BACK"). Everything that names the plant is disabled,
// 植物図 as well: there is no plant to show.
PageMenu emptyMenu(int position, bool back) {
    const std::string p(1, PositionLetter[position - 1]);
    const std::string x = p + (back ? "B" : "O");
    const std::string suffix = back ? p + "BACK" : p + "O";
    PageMenu m;
    m.name = "MENU_45" + suffix;
    m.title = bt::MenuTitlePrefix + Text(suffix.begin(), suffix.end());
    m.position = position;
    m.items = {
        {"MENU45" + x + "1", bt::MenuNext, false, PageAction::None},
        {"MENU45" + x + "2", bt::MenuBack, back,
         back ? PageAction::PreviousPage : PageAction::None},
        {"MENU45" + x + "3", bt::Separator},
        {"MENU45" + x + "4", position == 2 ? bt::MenuUpCentre : bt::MenuUpRight, false},
        {"MENU45" + x + "5", position == 2 ? bt::MenuFeaturesCentreEmpty : bt::MenuFeaturesRight,
         false},
        {"MENU45" + x + "5P", bt::MenuPlantPicture, false},
        {"MENU45" + x + "6", bt::Separator},
        {"MENU45" + x + "7", bt::MenuClose, true, PageAction::Close},
    };
    m.defaultItem = "MENU45" + x + "7";
    return m;
}

std::vector<PageMenu> makeMenus() {
    std::vector<PageMenu> menus;
    for (int position = 1; position <= 3; ++position) {
        for (const char* variant : {"", "A", "B", "C"}) {
            menus.push_back(plantMenu(position, variant));
        }
    }
    for (int position = 2; position <= 3; ++position) {
        menus.push_back(emptyMenu(position, false));
        menus.push_back(emptyMenu(position, true));
    }
    return menus;
}

} // namespace

const std::vector<PageMenu>& PageMenus() {
    static const std::vector<PageMenu> menus = makeMenus();
    return menus;
}

std::string ChoosePageMenu(int position, bool labelEmpty, bool nextVisible, bool backVisible) {
    const std::string p(1, PositionLetter[position - 1]);
    if (position != 1 && labelEmpty) {
        return "MENU_45" + p + (backVisible ? "BACK" : "O");
    }
    const char* variant = nextVisible && backVisible ? ""
                          : backVisible              ? "A"
                          : nextVisible              ? "B"
                                                     : "C";
    return "MENU_45" + p + variant;
}

} // namespace kuyu
