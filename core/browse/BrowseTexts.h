#pragma once
// Every word the illustrated result pages and the feature view show: the
// window titles and the pieces of the page caption, the buttons, the sixteen
// pop-up menus of the pages, the close-up messages and the feature view's
// headings and menu.

#include <array>

namespace kuyu::browse_texts {

inline constexpr const char32_t* PageTitlePlain = U"図示検索";
inline constexpr const char32_t* PageTitleFuzzy = U"ファジィー図示検索";
inline constexpr const char32_t* PageTitleAi = U"ＡＩ図示検索";
inline constexpr const char32_t* NoMatchMessage = U"該当する植物はありません";
inline constexpr const char32_t* CaptionRemaining = U"    （残り";
inline constexpr const char32_t* CaptionKinds = U"種)    (";
inline constexpr const char32_t* CaptionSlash = U"/";
inline constexpr const char32_t* CaptionPages = U"ﾍﾟｰｼﾞ)";
inline constexpr const char32_t* CaptionNoneLeft = U"    （残りはありません）    (";
inline constexpr const char32_t* ErrorCaption = U"エラー";
inline constexpr const char32_t* ErrorTitle = U"エラーメッセージ";
// What a screen reader calls a position without a plant.
inline constexpr const char32_t* EmptyPicture = U"画像";
inline constexpr const char32_t* Next = U"NEXT";
inline constexpr const char32_t* Back = U"BACK";
inline constexpr const char32_t* Up1 = U"UP1";
inline constexpr const char32_t* Up2 = U"UP2";
inline constexpr const char32_t* Up3 = U"UP3";
inline constexpr const char32_t* Close = U"終了";
inline constexpr const char32_t* MenuNext = U"NEXT（次ページ）(&N&ﾐ)";
inline constexpr const char32_t* MenuBack = U"BACK（前ページ）(&B&ｺ)";
inline constexpr const char32_t* MenuUpLeft = U"ＵＰ1（左図のＵＰ）(&L&ﾘ)";
inline constexpr const char32_t* MenuUpCentre = U"ＵＰ2（中央のＵＰ）(&M&ﾓ)";
inline constexpr const char32_t* MenuUpRight = U"UP3（右図のＵＰ）(&R&ｽ)";
inline constexpr const char32_t* MenuFeaturesLeft = U"左図の特徴(&C&ｿ)";
inline constexpr const char32_t* MenuFeaturesCentre = U"中央の図の特徴(&C&ｿ)";
inline constexpr const char32_t* MenuFeaturesCentreEmpty = U"中央の図の特徴(&B&ｺ)";
inline constexpr const char32_t* MenuFeaturesRight = U"右図の特徴(&C&ｿ)";
inline constexpr const char32_t* MenuPlantPicture = U"植物図(&P&ｾ)";
inline constexpr const char32_t* MenuCloseKeyed = U"終了（図示検索終了）(&E&ｲ)";
inline constexpr const char32_t* MenuClose = U"終了（図示検索終了）";
inline constexpr const char32_t* MenuTitlePrefix = U"ﾎﾟｯﾌﾟｱｯﾌﾟ45";
inline constexpr const char32_t* Separator = U"-";
inline constexpr const char32_t* CloseUpMissing = U"画像ファイルがありません";
inline constexpr const char32_t* CloseUpMissingTitle = U"ＵＰ画像表示";
inline constexpr const char32_t* CloseUpGone = U"ファイルがありません";
inline constexpr const char32_t* CloseUpGoneTitle = U"ＵＰ画像";
inline constexpr const char32_t* FeatureCaption = U"花の主な特徴";
inline constexpr std::array<const char32_t*, 10> CategoryNames = {
    U"花の色", U"花弁数", U" 花序", U"花の形", U"ｵｼﾍﾞ数",
    U" 葉序",  U"葉の形", U" 葉脈", U"茎形状", U"茎断面",
};
inline constexpr const char32_t* FeatureMenuTitle = U"ﾎﾟｯﾌﾟｱｯﾌﾟ46A";
inline constexpr const char32_t* FeatureMenuClose = U"終了（特徴表示終了）(&E&ｲ)";

} // namespace kuyu::browse_texts
