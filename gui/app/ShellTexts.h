#pragma once
// The shell's own words: menu tree, toolbar, captions and messages, kept in
// one place exactly as the program has always shown them.

#include <array>

namespace kuyu::gui::shell {

inline constexpr const char* MainCaption = "グラフィック植物検索ツール 「くゆWin」";
inline constexpr const char* ExitTitle = "「くゆWin」Ver 2.2";
inline constexpr const char* ExitText = "「くゆWin」を終了します";
inline constexpr const char* VersionTitle = " バージョン情報";
inline constexpr const char* VersionLine1 = "      グラフィック植物検索ツール";
inline constexpr const char* VersionLine2 = "              「　く　ゆ　Ｗin」";
inline constexpr const char* VersionLine3 = "                    Ver. 2.21";
inline constexpr const char* TitleLabel1 = "グラフィック植物検索ツール";
inline constexpr const char* TitleLabel2 = "くゆ Win";
inline constexpr const char* TitleLabel4 = "Ver 2.2";
inline constexpr const char* TitleLabel6 = "FOR32";
inline constexpr const char* DataFileDialogTitle = "データファイル選択";
inline constexpr const char* ToolbarSeparator = "区切り";
inline constexpr const char* DefaultDataFile = "KUYU.DAT";
inline constexpr const char* SettingsUnsavedTitle = "ツールバー";
inline constexpr const char* SettingsUnsavedText =
    "ツールバーの配置を保存できませんでした。次回の起動時には元の配置に戻ります。保存先：";

// The file-open dialog's three filters: the texts as the dialog shows them.
inline constexpr std::array<const char*, 3> DataFileFilterTexts = {
    "\"Data Files (*.dat)\"", "\"Text Files (*.txt)\"", "All Files (*.*)"};
inline constexpr std::array<const char*, 3> DataFileFilterPatterns = {"*.dat", "*.txt", "*.*"};

// One row per menu entry, in order. kind: Menu = a top-level menu,
// SubMenu = a cascading menu inside the current one, Item = a command,
// SubItem = a command of the open cascade, Separator = a line.
enum class MenuKind { Menu, SubMenu, Item, SubItem, Separator };
struct MenuEntry {
    MenuKind kind;
    const char* name;
    const char* caption;
    const char* shortcut; // QKeySequence text, empty for none
};

inline constexpr std::array<MenuEntry, 49> MenuTree = {{
    {MenuKind::Menu, "MENU1", "花(ﾊﾅ)", ""},
    {MenuKind::Item, "MENU11", "花の色(&C&ｿ)", "F1"},
    {MenuKind::Item, "MENU12", "花びらの数(&N&ﾝ)", "F2"},
    {MenuKind::Item, "MENU13", "花のつき方(&T&ｶ)", "F3"},
    {MenuKind::Item, "MENU14", "花の形(&K&ﾉ)", "F4"},
    {MenuKind::Item, "MENU15", "おしべの数(&O&ﾗ)", "F5"},
    {MenuKind::Menu, "MENU2", "葉(ﾊ)", ""},
    {MenuKind::Item, "MENU21", "葉のつき方(&T&ｶ)", "F6"},
    {MenuKind::Item, "MENU22", "葉の形(&K&ﾉ)", "F7"},
    {MenuKind::Item, "MENU23", "葉脈(&Y&ﾝ)", "F8"},
    {MenuKind::Menu, "MENU3", "茎(ｸｷ)", ""},
    {MenuKind::Item, "MENU31", "茎の形状(&K&ﾉ)", "F9"},
    {MenuKind::Item, "MENU32", "茎の断面(&D&ｼ)", "F11"},
    {MenuKind::Menu, "MENU4", "検索(ｹﾝｻｸ)", ""},
    {MenuKind::Item, "MENU41", "検索(&E&ｲ)", ""},
    {MenuKind::Item, "MENU42", "AI検索(&A&ﾁ)", ""},
    {MenuKind::Item, "MENU43", "ﾌｧｼﾞｨｰ検索(&F&ﾊ)", ""},
    {MenuKind::Separator, "MENU44", "-", ""},
    {MenuKind::Item, "MENU45", "図示検索(&G&ｷ)", ""},
    {MenuKind::Item, "MENU46", "AI図示検索(&I&ﾆ)", ""},
    {MenuKind::Item, "MENU47", "ﾌｧｼﾞｲｰ図示検索(&H&ｸ)", ""},
    {MenuKind::Separator, "MENU49", "-", ""},
    {MenuKind::Item, "MENU4A", "検索条件解除(&U&ﾅ)", ""},
    {MenuKind::Item, "MENU4B", "識別ガイド(&J&ﾏ)", "F12"},
    {MenuKind::Menu, "MENU5", "科･名検索", ""},
    {MenuKind::Item, "MENU51", "科名検索(&K&ﾉ)", ""},
    {MenuKind::Separator, "MENU52", "-", ""},
    {MenuKind::Item, "MENU53", "登録植物名ﾘｽﾄ検索(&A&ﾁ)", ""},
    {MenuKind::Item, "MENU54", "植物名図示検索(&N&ﾐ)", ""},
    {MenuKind::Menu, "MENU6", "ｼｽﾃﾑ(&S&ｵ)", ""},
    {MenuKind::Item, "MENU61", "登録植物一覧(&A&ﾁ)", ""},
    {MenuKind::Item, "MENU62", "検索条件解除(&U&ﾅ)", ""},
    {MenuKind::Separator, "MENU63", "-", ""},
    {MenuKind::SubMenu, "MENU64", "検索:結果印刷(&P&ｾ)", ""},
    {MenuKind::SubItem, "MENU64A", "検索結果（条件）印刷(&K&ﾉ)", ""},
    {MenuKind::SubItem, "MENU64B", "検索結果（ＡＩ条件）印刷(&A&ﾁ)", ""},
    {MenuKind::Separator, "MENU65", "-", ""},
    {MenuKind::Item, "MENU66", "ｼｽﾃﾑ終了(&X&ｻ)", "Ctrl+X"},
    {MenuKind::Menu, "MENU7", "ｵﾌﾟｼｮﾝ(&O&ﾗ)", ""},
    {MenuKind::Item, "MENU71", "ﾃﾞｰﾀﾌｧｲﾙ選択(&D&ｼ)", ""},
    {MenuKind::Item, "MENU72", "画像データ閲覧(&G&ｷ)", ""},
    {MenuKind::Item, "MENU73", "ﾂｰﾙﾊﾞｰの表示(&V&ﾋ)", ""},
    {MenuKind::Item, "MENU74", "ﾂｰﾙﾊﾞｰの変更(&T&ｶ)", ""},
    {MenuKind::Item, "MENU75", "候補数の表示(&K&ﾉ)", ""},
    {MenuKind::Menu, "MENU9", "ﾍﾙﾌﾟ(&H&ｸ)", ""},
    {MenuKind::Item, "Menu91", "目次(&C&ｿ)", ""},
    {MenuKind::Item, "Menu92", "ﾍﾙﾌﾟの使い方 (&H&ｸ)", ""},
    {MenuKind::Separator, "Menu93", "-", ""},
    {MenuKind::Item, "MENU94", "ﾊﾞｰｼﾞｮﾝ情報(&A&ﾁ)", ""},
}};

// The toolbar buttons in their first order. A separator has an empty key.
struct ToolbarButton {
    const char* key;
    const char* description; // shown in the customise dialog
    const char* tooltip;
    const char* command;
};

inline constexpr std::array<ToolbarButton, 28> ToolbarButtons = {{
    {"toku01", "花の色", "花の色", "MENU11"},
    {"toku02", "花びらの数", "花びらの数", "MENU12"},
    {"toku03", "花のつき方", "花のつき方", "MENU13"},
    {"toku04", "花の形", "花の形", "MENU14"},
    {"toku05", "おしべの数", "おしべの数", "MENU15"},
    {"", "区切り", "", ""},
    {"toku06", "葉のつき方", "葉のつき方", "MENU21"},
    {"toku07", "葉の形", "葉の形", "MENU22"},
    {"toku08", "葉脈", "葉脈", "MENU23"},
    {"", "区切り", "", ""},
    {"toku09", "茎の形状", "茎の形状", "MENU31"},
    {"toku10", "茎の断面", "茎の断面", "MENU32"},
    {"", "区切り", "", ""},
    {"ken01", "検索", "検索", "MENU41"},
    {"ken02", "AI検索", "ＡＩ検索", "MENU42"},
    {"ken03", "ﾌｧｼﾞｨｰ検索", "ﾌｧｼﾞｨｰ検索", "MENU43"},
    {"", "区切り", "", ""},
    {"ken04", "図示検索", "図示検索", "MENU45"},
    {"ken05", "AI図示検索", "ＡＩ図示検索", "MENU46"},
    {"ken06", "ﾌｧｼﾞｨｰ図示検索", "ﾌｧｼﾞｨｰ図示検索", "MENU47"},
    {"", "区切り", "", ""},
    {"ken07", "科名検索", "科名検索", "MENU51"},
    {"ken08", "登録植物名ﾘｽﾄ検索", "登録植物名ﾘｽﾄ検索", "MENU53"},
    {"ken09", "植物名図示検索", "植物名図示検索", "MENU54"},
    {"", "区切り", "", ""},
    {"kai01", "検索条件解除", "検索条件解除", "MENU62"},
    {"opt01", "画像ﾃﾞｰﾀ閲覧", "画像ﾃﾞｰﾀ閲覧", "MENU72"},
    {"HE", "ﾍﾙﾌﾟ", "ﾍﾙﾌﾟ", "Menu91"},
}};

} // namespace kuyu::gui::shell
