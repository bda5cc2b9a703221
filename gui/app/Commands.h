// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each part of the program registers the commands it answers. Menu items and
// toolbar buttons run them by menu item name ("MENU11", "MENU41", ...).
//
// Hooks between windows that are not menu items:
//   "SearchPanelRefresh"  - after a commit in the picker with SearchMode >= 0:
//                           search again in SearchMode and refresh Form41.
//   "Form42.Print"        - the print button of the plant picture window.
//   "OpenResultPages"     - the result list as illustrated pages (Form51's 科).

namespace kuyu::gui {

class App;

void registerShellCommands(App& app);     // MENU66, MENU71, MENU73, MENU74, Menu91, Menu92, MENU94
void registerConditionCommands(App& app); // MENU11..MENU32, MENU4A, MENU62
void registerPlantViewCommands(App& app); // MENU53, MENU61 (list windows)
void registerSearchCommands(App& app);    // MENU41..MENU43, MENU51, MENU54, SearchPanelRefresh
void registerImageBrowserCommands(App& app); // MENU72
void registerBrowseCommands(App& app);       // MENU45..MENU47, OpenResultPages
void registerPrintCommands(App& app);        // MENU64A, MENU64B, Form42.Print
void registerGuideCommands(App& app);        // MENU4B, MENU75, MENU76 and the guide's hooks
void registerEditorCommands(App& app);       // MENU68 (the plant data editor)

inline void registerAllCommands(App& app) {
    registerShellCommands(app);
    registerConditionCommands(app);
    registerPlantViewCommands(app);
    registerSearchCommands(app);
    registerImageBrowserCommands(app);
    registerBrowseCommands(app);
    registerPrintCommands(app);
    registerGuideCommands(app);
    registerEditorCommands(app);
}

} // namespace kuyu::gui
