// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words the illustrated result pages and the feature view show
// themselves: buttons, headings, the close-up messages and the feature
// view's menu. (Titles, page captions and the pages' menus come from the
// core.)

#include "gui/widgets/CommonTexts.h"

#include <array>

namespace kuyu::gui::texts {

inline constexpr const char32_t* PageNoMatch = U"該当する植物はありません";
inline constexpr const char32_t* PageErrorCaption = U"エラー";
inline constexpr const char32_t* PageNextButton = U"NEXT";
inline constexpr const char32_t* PageBackButton = U"BACK";
inline constexpr const char32_t* PageUp1 = U"UP1";
inline constexpr const char32_t* PageUp2 = U"UP2";
inline constexpr const char32_t* PageUp3 = U"UP3";
inline constexpr const char32_t* PageCloseUpMissing = U"画像ファイルがありません";
inline constexpr const char32_t* FeatureCaption = U"花の主な特徴";
inline constexpr std::array<const char32_t*, 10> FeatureCategoryNames = {
    U"花の色", U"花弁数", U" 花序", U"花の形", U"ｵｼﾍﾞ数",
    U" 葉序",  U"葉の形", U" 葉脈", U"茎形状", U"茎断面",
};
inline constexpr const char32_t* FeatureMenuTitle = U"ﾎﾟｯﾌﾟｱｯﾌﾟ46A";
inline constexpr const char32_t* FeatureMenuClose = U"終了（特徴表示終了）(&E&ｲ)";

} // namespace kuyu::gui::texts
