// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every command and hook the windows run through App, in one place. A menu
// item or toolbar button runs the command named after its menu item; hooks
// connect windows that are not menu items. Use these constants, never a
// string literal, so a misspelt id fails to compile.

namespace kuyu::gui {

struct CommandId {
    const char* name;
    friend constexpr bool operator==(CommandId a, CommandId b) {
        for (int i = 0;; ++i) {
            if (a.name[i] != b.name[i]) {
                return false;
            }
            if (a.name[i] == '\0') {
                return true;
            }
        }
    }
};

namespace cmd {

// Category items (MENU1..MENU3) and the toolbar's toku01..toku10.
inline constexpr CommandId Menu11{"MENU11"};
inline constexpr CommandId Menu12{"MENU12"};
inline constexpr CommandId Menu13{"MENU13"};
inline constexpr CommandId Menu14{"MENU14"};
inline constexpr CommandId Menu15{"MENU15"};
inline constexpr CommandId Menu21{"MENU21"};
inline constexpr CommandId Menu22{"MENU22"};
inline constexpr CommandId Menu23{"MENU23"};
inline constexpr CommandId Menu31{"MENU31"};
inline constexpr CommandId Menu32{"MENU32"};
// The ten category items in category order (category k is [k - 1]).
inline constexpr CommandId CategoryItems[10] = {Menu11, Menu12, Menu13, Menu14, Menu15,
                                                Menu21, Menu22, Menu23, Menu31, Menu32};

// 検索: searches into the panel, illustrated searches, clearing.
inline constexpr CommandId Menu41{"MENU41"};
inline constexpr CommandId Menu42{"MENU42"};
inline constexpr CommandId Menu43{"MENU43"};
inline constexpr CommandId Menu45{"MENU45"};
inline constexpr CommandId Menu46{"MENU46"};
inline constexpr CommandId Menu47{"MENU47"};
inline constexpr CommandId Menu4A{"MENU4A"};
inline constexpr CommandId Menu4B{"MENU4B"}; // 識別ガイド (F12)

// 科･名検索
inline constexpr CommandId Menu51{"MENU51"};
inline constexpr CommandId Menu53{"MENU53"};
inline constexpr CommandId Menu54{"MENU54"};

// ｼｽﾃﾑ
inline constexpr CommandId Menu61{"MENU61"};
inline constexpr CommandId Menu62{"MENU62"};
inline constexpr CommandId Menu64A{"MENU64A"};
inline constexpr CommandId Menu64B{"MENU64B"};
inline constexpr CommandId Menu66{"MENU66"};
inline constexpr CommandId Menu68{"MENU68"}; // ﾃﾞｰﾀ編集, the plant data editor

// ｵﾌﾟｼｮﾝ
inline constexpr CommandId Menu71{"MENU71"};
inline constexpr CommandId Menu72{"MENU72"};
inline constexpr CommandId Menu73{"MENU73"};
inline constexpr CommandId Menu74{"MENU74"};
inline constexpr CommandId Menu75{"MENU75"}; // 候補数の表示 (check item)
inline constexpr CommandId Menu76{"MENU76"}; // かな入力を半角ｶﾀｶﾅに変換 (check item)

// ﾍﾙﾌﾟ
inline constexpr CommandId Menu91{"Menu91"};
inline constexpr CommandId Menu92{"Menu92"};
inline constexpr CommandId Menu94{"MENU94"};

} // namespace cmd

namespace hook {

// After a commit in the picker with SearchMode >= 0: search again in
// SearchMode and refresh the search panel.
inline constexpr CommandId SearchPanelRefresh{"SearchPanelRefresh"};
// Show the current result list as illustrated pages (科 button of the
// family window, the illustrated searches).
inline constexpr CommandId OpenResultPages{"OpenResultPages"};
// The 印刷 button and MENU421 of the plant picture window.
inline constexpr CommandId PrintPlantPage{"Form42.Print"};
// The identification guide follows the conditions: after a commit (picker or
// guide), after clearing all conditions, after a search shown in the search
// panel or a database load, and when the picker is shown (its count badges).
// Run them with App::notify: a program without the guide needs none of them.
inline constexpr CommandId ConditionCommitted{"Guide.Committed"};
inline constexpr CommandId ConditionsCleared{"Guide.Cleared"};
inline constexpr CommandId GuideRefresh{"Guide.Refresh"};
inline constexpr CommandId PickerShown{"Guide.PickerShown"};

} // namespace hook

} // namespace kuyu::gui
