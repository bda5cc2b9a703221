// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word the finder windows show themselves: captions, headings,
// menu items and messages. (Lists and count lines come from the core.)

#include "gui/widgets/CommonTexts.h"

#include <array>

namespace kuyu::gui::texts {

// Search panel (Form41).
inline constexpr const char32_t* PanelCaptionPlain = U"検索";
inline constexpr const char32_t* PanelCaptionAiMenu = U"ＡＩ検索";
inline constexpr const char32_t* PanelCaptionFuzzyMenu = U"ﾌｧｼﾞｨ－検索";
inline constexpr const char32_t* PanelCaptionFuzzyRefresh = U"ﾌｧｼﾞｨｰ検索";
inline constexpr const char32_t* PanelCaptionFuzzyCommit = U"ファジィー検索";
inline constexpr std::array<const char32_t*, 10> CharacteristicButtons = {
    U"花の色", U"花弁数", U"花序", U"花の形", U"ｵｼﾍﾞ数",
    U"葉序",   U"葉の形", U"葉脈", U"茎形状", U"茎断面",
};
// Illustration base names and their two messages, per characteristic.
struct IllustrationTexts {
    const char32_t* base;
    const char32_t* missing; // no file found (title "メッセージ")
    const char32_t* failed;  // error handler (title "エラーメッセージ")
};
inline constexpr std::array<IllustrationTexts, 10> Illustrations = {{
    {U"IRO", U"IROファイルがロードできません", U"IROファィルがロードできません"},
    {U"MAISUU", U"MAISUUファイルがロードできません", U"MAISUUファイルがロードできません"},
    {U"KAJO", U"KAJOファイルがロードできません", U"KAJOファイルがロードできません"},
    {U"HANAGATA", U"HANAGATAファイルがロードできません", U"HANAGATAファィルがロードできません"},
    {U"OSIBE", U"OSIBEファイルがロードできません", U"OSIBEファィルがロードできません"},
    {U"HATSUKI", U"HATSUKIファイルがロードできません", U"HATSUKIファイルがロードできません"},
    {U"HAKEI", U"HAKEIファイルがロードできません", U"HAKEIファイルがロードできません"},
    {U"YOUMYAKU", U"YOUMYAKUファイルがロードできません", U"YOUMYAKUファイルがロードできません"},
    {U"KUKIKEI", U"KUKIKEIファイルがロードできません", U"KUKIKEIファイルがロードできません"},
    {U"KUKIDAN", U"KUKIDANファイルがロードできません", U"KUKIDANファィルがロードできません"},
}};
inline constexpr const char32_t* PanelLabel11 = U"検索条件表示";
inline constexpr const char32_t* PanelLabel2 = U"植物名と別名による部分一致検索";
inline constexpr const char32_t* PanelLabel3 = U"(半角ｶﾀｶﾅで)";
inline constexpr const char32_t* PanelCommand14 = U"確認";
inline constexpr const char32_t* PanelCommand12 = U"条件解除";
inline constexpr const char32_t* PanelCommand13 = U"植物図示";
inline constexpr const char32_t* PanelCommand11 = U"検索終了";
inline constexpr const char32_t* Menu41 = U"ﾎﾟｯﾌﾟｱｯﾌﾟ41";
inline constexpr const char32_t* Menu41A = U"ﾎﾟｯﾌﾟｱｯﾌﾟ41A";
inline constexpr const char32_t* Menu411 = U"検索条件解除(&U&ﾅ)";
inline constexpr const char32_t* Menu413 = U"植物図表示(&V&ﾋ)";
inline constexpr const char32_t* Menu414 = U"検索終了(&E&ｲ)";

// Family name search (Form51).
inline constexpr const char32_t* FamilyCaption = U"科名検索";
inline constexpr const char32_t* FamilyLabel1 = U"科　名";
inline constexpr const char32_t* FamilyLabel2 = U"植　物　名";
inline constexpr const char32_t* FamilyLabel3 = U"図示";
inline constexpr const char32_t* FamilyCommand2 = U"科";
inline constexpr const char32_t* FamilyCommand3 = U"植物";
inline constexpr const char32_t* Menu51A = U"ﾎｯﾌﾟｱｯﾌﾟ51A";
inline constexpr const char32_t* Menu51AA = U"ﾎﾟｯﾌﾟｱｯﾌﾟ51AA";
inline constexpr const char32_t* Menu51B = U"ﾎﾟｯﾌﾟｱｯﾌﾟ51B";
inline constexpr const char32_t* Menu51BA = U"ﾎﾟｯﾌﾟｱｯﾌﾟ51BA";
inline constexpr const char32_t* Menu511A = U"科の植物を図示(&V&ﾋ)";
inline constexpr const char32_t* Menu511AA = U"科の植物を表示(&V&ﾋ)";
inline constexpr const char32_t* Menu511B = U"植物図の表示(&V&ﾋ)";
inline constexpr const char32_t* Menu512 = U"終了（科名検索終了）(&E&ｲ)";

// Plant-name illustrated search (Form54, Form54A).
inline constexpr const char32_t* NameLabel1 = U"植物名を入力して下さい";
inline constexpr const char32_t* NameLabel2 = U"( ﾊﾝｶｸｶﾀｶﾅ で)";
inline constexpr const char32_t* NameCheck1 = U"部分一致検索";
inline constexpr const char32_t* NameCommand2 = U"中止(終了）";
inline constexpr const char32_t* Menu54 = U"ﾎﾟｯﾌﾟｱｯﾌﾟ54";
inline constexpr const char32_t* Menu541 = U"中止（終了）(&E&ｲ)";
inline constexpr const char32_t* Menu542 = U"確認（ﾘｽﾄｱｯﾌﾟ表示）(&V&ﾋ)";
inline constexpr const char32_t* NameListHeading =
    U"        植物名　          　（科名）　         別名";
inline constexpr const char32_t* NameLegend2 = U"･ 植物名部分一致";
inline constexpr const char32_t* NameLegend3 = U"* 別名　部分一致";
inline constexpr const char32_t* ShowCommand = U"図示";
inline constexpr const char32_t* Menu54A = U"ﾎﾟｯﾌﾟｱｯﾌﾟ54A";
inline constexpr const char32_t* Menu54AB = U"ﾎﾟｯﾌﾟｱｯﾌﾟ54AB";
inline constexpr const char32_t* Menu541A = U"図示（植物図表示）(&V&ﾋ)";
inline constexpr const char32_t* Menu542A = U"終了（ﾘｽﾄｱｯﾌﾟ終了）(&E&ｲ)";

} // namespace kuyu::gui::texts
