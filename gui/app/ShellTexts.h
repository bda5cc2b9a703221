// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell's own words: menu tree, toolbar, captions and messages, kept in
// one place exactly as the program has always shown them.

#include "gui/widgets/CommonTexts.h"

#include <array>

namespace kuyu::gui::texts {

inline constexpr const char32_t* MainCaption = U"グラフィック植物検索ツール 「くゆWin」";
inline constexpr const char32_t* ExitTitle = U"「くゆWin」Ver 2.2";
inline constexpr const char32_t* ExitText = U"「くゆWin」を終了します";
inline constexpr const char32_t* VersionTitle = U" バージョン情報";
inline constexpr const char32_t* VersionLine1 = U"      グラフィック植物検索ツール";
inline constexpr const char32_t* VersionLine2 = U"              「　く　ゆ　Ｗin」";
inline constexpr const char32_t* VersionLine3 = U"                    Ver. 2.21";
inline constexpr const char32_t* VersionLine4 = U"        野山の植物を絵で調べる道具です";
inline constexpr const char32_t* TitleLabel1 = U"グラフィック植物検索ツール";
inline constexpr const char32_t* TitleLabel2 = U"くゆ Win";
inline constexpr const char32_t* TitleLabel3 =
    U"花・葉・茎のようすを絵で選んで、野山の植物を調べます";
inline constexpr const char32_t* TitleLabel4 = U"Ver 2.2";
inline constexpr const char32_t* TitleLabel5 = U"起動しています。しばらくお待ちください";
inline constexpr const char32_t* TitleLabel6 = U"FOR32";
inline constexpr const char32_t* DataFileDialogTitle = U"データファイル選択";
inline constexpr const char32_t* ToolbarSeparator = U"区切り";
// The toolbar's customise dialog.
inline constexpr const char32_t* CustomizeCaption = U"ツールバーのカスタマイズ";
inline constexpr const char32_t* CustomizeAvailable = U"利用できるボタン(&V):";
inline constexpr const char32_t* CustomizeCurrent = U"ツールバーのボタン(&T):";
inline constexpr const char32_t* CustomizeAdd = U"追加(&A) →";
inline constexpr const char32_t* CustomizeRemove = U"← 削除(&R)";
inline constexpr const char32_t* CustomizeUp = U"上へ移動(&U)";
inline constexpr const char32_t* CustomizeDown = U"下へ移動(&D)";
inline constexpr const char32_t* CustomizeReset = U"リセット(&E)";
inline constexpr const char32_t* CustomizeClose = U"閉じる(&C)";
inline constexpr const char32_t* ToolbarCaption = U"ツールバー";
inline constexpr const char32_t* SettingsUnsavedTitle = ToolbarCaption;
inline constexpr const char32_t* SettingsUnsavedText =
    U"ツールバーの配置を保存できませんでした。次回の起動時には元の配置に戻ります。保存先：";

// The file-open dialog's three filters: the texts as the dialog shows them.
inline constexpr std::array<const char32_t*, 3> DataFileFilterTexts = {
    U"\"Data Files (*.dat)\"", U"\"Text Files (*.txt)\"", U"All Files (*.*)"};
inline constexpr std::array<const char32_t*, 3> DataFileFilterPatterns = {U"*.dat", U"*.txt",
                                                                          U"*.*"};

// One row per menu entry, in order. kind: Menu = a top-level menu,
// SubMenu = a cascading menu inside the current one, Item = a command,
// SubItem = a command of the open cascade, Separator = a line.
enum class MenuKind { Menu, SubMenu, Item, SubItem, Separator };
struct MenuEntry {
    MenuKind kind;
    const char* name;
    const char32_t* caption;
    const char* shortcut; // QKeySequence text, empty for none
};

inline constexpr std::array<MenuEntry, 50> MenuTree = {{
    {MenuKind::Menu, "MENU1", U"花(ﾊﾅ)", ""},
    {MenuKind::Item, "MENU11", U"花の色(&C&ｿ)", "F1"},
    {MenuKind::Item, "MENU12", U"花びらの数(&N&ﾝ)", "F2"},
    {MenuKind::Item, "MENU13", U"花のつき方(&T&ｶ)", "F3"},
    {MenuKind::Item, "MENU14", U"花の形(&K&ﾉ)", "F4"},
    {MenuKind::Item, "MENU15", U"おしべの数(&O&ﾗ)", "F5"},
    {MenuKind::Menu, "MENU2", U"葉(ﾊ)", ""},
    {MenuKind::Item, "MENU21", U"葉のつき方(&T&ｶ)", "F6"},
    {MenuKind::Item, "MENU22", U"葉の形(&K&ﾉ)", "F7"},
    {MenuKind::Item, "MENU23", U"葉脈(&Y&ﾝ)", "F8"},
    {MenuKind::Menu, "MENU3", U"茎(ｸｷ)", ""},
    {MenuKind::Item, "MENU31", U"茎の形状(&K&ﾉ)", "F9"},
    {MenuKind::Item, "MENU32", U"茎の断面(&D&ｼ)", "F11"},
    {MenuKind::Menu, "MENU4", U"検索(ｹﾝｻｸ)", ""},
    {MenuKind::Item, "MENU41", U"検索(&E&ｲ)", ""},
    {MenuKind::Item, "MENU42", U"AI検索(&A&ﾁ)", ""},
    {MenuKind::Item, "MENU43", U"ﾌｧｼﾞｨｰ検索(&F&ﾊ)", ""},
    {MenuKind::Separator, "MENU44", U"-", ""},
    {MenuKind::Item, "MENU45", U"図示検索(&G&ｷ)", ""},
    {MenuKind::Item, "MENU46", U"AI図示検索(&I&ﾆ)", ""},
    {MenuKind::Item, "MENU47", U"ﾌｧｼﾞｲｰ図示検索(&H&ｸ)", ""},
    {MenuKind::Separator, "MENU49", U"-", ""},
    {MenuKind::Item, "MENU4A", U"検索条件解除(&U&ﾅ)", ""},
    {MenuKind::Item, "MENU4B", U"識別ガイド(&J&ﾏ)", "F12"},
    {MenuKind::Menu, "MENU5", U"科･名検索", ""},
    {MenuKind::Item, "MENU51", U"科名検索(&K&ﾉ)", ""},
    {MenuKind::Separator, "MENU52", U"-", ""},
    {MenuKind::Item, "MENU53", U"登録植物名ﾘｽﾄ検索(&A&ﾁ)", ""},
    {MenuKind::Item, "MENU54", U"植物名図示検索(&N&ﾐ)", ""},
    {MenuKind::Menu, "MENU6", U"ｼｽﾃﾑ(&S&ｵ)", ""},
    {MenuKind::Item, "MENU61", U"登録植物一覧(&A&ﾁ)", ""},
    {MenuKind::Item, "MENU62", U"検索条件解除(&U&ﾅ)", ""},
    {MenuKind::Separator, "MENU63", U"-", ""},
    {MenuKind::SubMenu, "MENU64", U"検索:結果印刷(&P&ｾ)", ""},
    {MenuKind::SubItem, "MENU64A", U"検索結果（条件）印刷(&K&ﾉ)", ""},
    {MenuKind::SubItem, "MENU64B", U"検索結果（ＡＩ条件）印刷(&A&ﾁ)", ""},
    {MenuKind::Separator, "MENU65", U"-", ""},
    {MenuKind::Item, "MENU66", U"ｼｽﾃﾑ終了(&X&ｻ)", "Ctrl+X"},
    {MenuKind::Menu, "MENU7", U"ｵﾌﾟｼｮﾝ(&O&ﾗ)", ""},
    {MenuKind::Item, "MENU71", U"ﾃﾞｰﾀﾌｧｲﾙ選択(&D&ｼ)", ""},
    {MenuKind::Item, "MENU72", U"画像データ閲覧(&G&ｷ)", ""},
    {MenuKind::Item, "MENU73", U"ﾂｰﾙﾊﾞｰの表示(&V&ﾋ)", ""},
    {MenuKind::Item, "MENU74", U"ﾂｰﾙﾊﾞｰの変更(&T&ｶ)", ""},
    {MenuKind::Item, "MENU75", U"候補数の表示(&K&ﾉ)", ""},
    {MenuKind::Item, "MENU76", U"かな入力を半角ｶﾀｶﾅに変換(&H&ｸ)", ""},
    {MenuKind::Menu, "MENU9", U"ﾍﾙﾌﾟ(&H&ｸ)", ""},
    {MenuKind::Item, "Menu91", U"目次(&C&ｿ)", ""},
    {MenuKind::Item, "Menu92", U"ﾍﾙﾌﾟの使い方 (&H&ｸ)", ""},
    {MenuKind::Separator, "Menu93", U"-", ""},
    {MenuKind::Item, "MENU94", U"ﾊﾞｰｼﾞｮﾝ情報(&A&ﾁ)", ""},
}};

// The toolbar buttons in their first order. A separator has an empty key.
struct ToolbarButton {
    const char* key;
    const char32_t* description; // shown in the customise dialog
    const char32_t* tooltip;
    const char* command;
};

inline constexpr std::array<ToolbarButton, 28> ToolbarButtons = {{
    {"toku01", U"花の色", U"花の色", "MENU11"},
    {"toku02", U"花びらの数", U"花びらの数", "MENU12"},
    {"toku03", U"花のつき方", U"花のつき方", "MENU13"},
    {"toku04", U"花の形", U"花の形", "MENU14"},
    {"toku05", U"おしべの数", U"おしべの数", "MENU15"},
    {"", U"区切り", U"", ""},
    {"toku06", U"葉のつき方", U"葉のつき方", "MENU21"},
    {"toku07", U"葉の形", U"葉の形", "MENU22"},
    {"toku08", U"葉脈", U"葉脈", "MENU23"},
    {"", U"区切り", U"", ""},
    {"toku09", U"茎の形状", U"茎の形状", "MENU31"},
    {"toku10", U"茎の断面", U"茎の断面", "MENU32"},
    {"", U"区切り", U"", ""},
    {"ken01", U"検索", U"検索", "MENU41"},
    {"ken02", U"AI検索", U"ＡＩ検索", "MENU42"},
    {"ken03", U"ﾌｧｼﾞｨｰ検索", U"ﾌｧｼﾞｨｰ検索", "MENU43"},
    {"", U"区切り", U"", ""},
    {"ken04", U"図示検索", U"図示検索", "MENU45"},
    {"ken05", U"AI図示検索", U"ＡＩ図示検索", "MENU46"},
    {"ken06", U"ﾌｧｼﾞｨｰ図示検索", U"ﾌｧｼﾞｨｰ図示検索", "MENU47"},
    {"", U"区切り", U"", ""},
    {"ken07", U"科名検索", U"科名検索", "MENU51"},
    {"ken08", U"登録植物名ﾘｽﾄ検索", U"登録植物名ﾘｽﾄ検索", "MENU53"},
    {"ken09", U"植物名図示検索", U"植物名図示検索", "MENU54"},
    {"", U"区切り", U"", ""},
    {"kai01", U"検索条件解除", U"検索条件解除", "MENU62"},
    {"opt01", U"画像ﾃﾞｰﾀ閲覧", U"画像ﾃﾞｰﾀ閲覧", "MENU72"},
    {"HE", U"ﾍﾙﾌﾟ", U"ﾍﾙﾌﾟ", "Menu91"},
}};

} // namespace kuyu::gui::texts
