// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sixteen pop-up menus of the result pages: twelve for a position that
// holds a plant (three positions, four page states) and four for an empty
// centre or right position. Which one a right click gets depends on the
// position, whether its label is empty and which of NEXT and BACK show.

#include "core/text/Text.h"

#include <string>
#include <vector>

namespace kuyu {

enum class PageAction {
    None,
    NextPage,
    PreviousPage,
    CloseUp,      // the position's close-up
    Features,     // the feature view of the position's plant
    PlantPicture, // the plant picture window of the position's plant
    Close,        // 終了 of the pages
};

struct PageMenuItem {
    std::string name; // "MENU451A", "MENU455BAP", "MENU45CB7"
    Text caption;     // "-" for a separator
    bool enabled = true;
    PageAction action = PageAction::None;
    bool separator() const { return caption == U"-"; }
};

struct PageMenu {
    std::string name; // "MENU_45A", "MENU_45CBACK"
    Text title;       // "ﾎﾟｯﾌﾟｱｯﾌﾟ45A", never shown
    int position = 1; // 1 left, 2 centre, 3 right
    std::vector<PageMenuItem> items;
    std::string defaultItem; // shown bold
};

// All sixteen, the twelve menus of a plant first.
const std::vector<PageMenu>& PageMenus();

// The name of the menu a right click on `position` opens. The left position
// always holds a plant; for an empty centre or right label only BACK counts.
std::string ChoosePageMenu(int position, bool labelEmpty, bool nextVisible, bool backVisible);

} // namespace kuyu
