// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts every subsystem shares: message titles, the close and cancel
// buttons. Each subsystem keeps its own words in its own table (ShellTexts.h,
// ConditionTexts.h, FinderTexts.h, PlantViewTexts.h, BrowseTexts.h,
// ImageTexts.h, PrintTexts.h, GuideTexts.h, PlatformTexts.h), in this one
// form: UTF-32 literals in kuyu::gui::texts, turned into QString with q().
// Names carry their subsystem's word where two tables could meet.

#include <QString>

namespace kuyu::gui::texts {

inline constexpr const char32_t* TitleMessage = U"メッセージ";
inline constexpr const char32_t* TitleError = U"エラーメッセージ";
inline constexpr const char32_t* Close = U"終了";
inline constexpr const char32_t* Cancel = U"キャンセル";
// The close-up window's caption and the titles of its messages, shown by the
// plant picture and by the illustrated pages alike.
inline constexpr const char32_t* CloseUpCaption = U"ＵＰ画像表示";
inline constexpr const char32_t* CloseUpTitle = U"ＵＰ画像";
inline constexpr const char32_t* CloseUpGone = U"ファイルがありません";
// What a screen reader calls a picture box.
inline constexpr const char32_t* Picture = U"画像";
// The heading over the one-line-per-plant lists.
inline constexpr const char32_t* ListHeading = U"        植物名　          　（科名）　";

} // namespace kuyu::gui::texts

namespace kuyu::gui {

inline QString q(const char32_t* s) {
    return QString::fromUcs4(s);
}

} // namespace kuyu::gui
