// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words the core puts together for the illustrated result pages: the
// window titles, the pieces of the page caption and the sixteen pop-up menus.
// (The windows' own words are in gui/browse/BrowseTexts.h.)

#include <array>

namespace kuyu::browse_texts {

inline constexpr const char32_t* PageTitlePlain = U"図示検索";
inline constexpr const char32_t* PageTitleFuzzy = U"ファジィー図示検索";
inline constexpr const char32_t* PageTitleAi = U"ＡＩ図示検索";
inline constexpr const char32_t* CaptionRemaining = U"    （残り";
inline constexpr const char32_t* CaptionKinds = U"種)    (";
inline constexpr const char32_t* CaptionSlash = U"/";
inline constexpr const char32_t* CaptionPages = U"ﾍﾟｰｼﾞ)";
inline constexpr const char32_t* CaptionNoneLeft = U"    （残りはありません）    (";
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

} // namespace kuyu::browse_texts
