// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word the plant view windows show themselves (feature values and
// captions of plants come from the core).

#include "gui/widgets/CommonTexts.h"

#include <array>

namespace kuyu::gui::texts {

inline constexpr const char32_t* CloseUpMenu = U"ﾎﾟｯﾌﾟｱｯﾌﾟ43";
inline constexpr const char32_t* CloseUpMenuEnd = U"終了（ＵＰ画像表示終了）(&E&ｲ)";
inline constexpr const char32_t* SupplementCaption = U"補足";
inline constexpr const char32_t* SupplementMenu = U"ポップアップ43R";
inline constexpr const char32_t* SupplementMenuEnd = U"終了（補足表示終了）(&E&ｲ)";
inline constexpr const char32_t* NoteMenu = U"ﾎﾟｯﾌﾞｱｯﾌﾟ43T";
inline constexpr const char32_t* NoteMenuEnd = U"終了（ＵＰ画像表示終了）(&E&ｲ)";
inline constexpr const char32_t* VideoHeading = U"画像再生";
inline constexpr const char32_t* VideoPlay = U"再生";
inline constexpr const char32_t* VideoPause = U"一時停止";
inline constexpr const char32_t* VideoStop = U"停止";
inline constexpr const char32_t* VideoPosition = U"再生位置";
inline constexpr const char32_t* PlantCaption = U"植物図";
inline constexpr const char32_t* PlantFeaturesHeading = U"植物の主な特徴";
inline constexpr const char32_t* Menu42 = U"ﾎｯﾌﾟｱｯﾌﾟ42";
inline constexpr const char32_t* Menu421 = U"Ｐ（植物図印刷）(&P&ｾ)";
inline constexpr const char32_t* Menu423 = U"ＵＰ（ＵＰ画像表示）(&V&ﾋ)";
inline constexpr const char32_t* Menu424 = U"終了（植物図終了）(&E&ｲ)";
inline constexpr const char32_t* CloseUpMissing = U"Q画像ファイルがありません";
inline constexpr const char32_t* SupplementMissing = U"R画像ファイルがありません";
inline constexpr const char32_t* SupplementMissingTitle = U"UP2";
inline constexpr const char32_t* SupplementGone = U"Rファイルがありません";
inline constexpr const char32_t* SupplementGoneTitle = U"ＵＰ2画像";
inline constexpr const char32_t* NoteMissing = U"txtファイルがありません";
inline constexpr const char32_t* NoteTitle = U"メモ";
inline constexpr const char32_t* VideoMissing = U"avファイルがありません";
inline constexpr const char32_t* VideoTitle = U"av";
inline constexpr const char32_t* PictureMissing = U"画像ファイルがみつかりません";
inline constexpr const char32_t* PictureMissingTitle = U"画像表示";
inline constexpr const char32_t* PictureGoneTitle = U"エラー表示";
inline constexpr const char32_t* ListSortedCaption = U"リスト検索";
inline constexpr const char32_t* ListFileOrderCaption = U"登録植物一覧表示";
inline constexpr const char32_t* ListShow = U"図示";
inline constexpr const char32_t* Menu53 = U"ﾎﾟｯﾌﾟｱｯﾌﾟ53";
inline constexpr const char32_t* Menu531 = U"図示（植物図表示）(&V&ﾋ)";
inline constexpr const char32_t* Menu532 = U"終了（検索終了）(&E&ｲ)";
inline constexpr const char32_t* Menu53A = U"ﾎﾟｯﾌﾟｱｯﾌﾟ53A";
// Row headings of the ten characteristics, in category order.
inline constexpr std::array<const char32_t*, 10> FeatureHeadings = {
    U"花の色", U"花弁数", U"花序", U"花の形", U"ｵｼﾍﾞ数",
    U"葉序",   U"葉の形", U"葉脈", U"茎形状", U"茎断面"};
// The buttons of the plant picture window, in their grid order.
struct ButtonCaption {
    const char* objectName;
    const char32_t* caption;
};
inline constexpr std::array<ButtonCaption, 6> PlantButtons = {{{"Command1", U"ＵＰ"},
                                                               {"Command4", U"UP2"},
                                                               {"Command5", U"メモ"},
                                                               {"Command6", U"av"},
                                                               {"Command3", U"印刷"},
                                                               {"Command2", U"終了"}}};

} // namespace kuyu::gui::texts
