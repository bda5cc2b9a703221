// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the platform adapters: the message box's cancel button, the
// PDF file dialog, the font chooser and the help viewer.

#include "gui/widgets/CommonTexts.h"

#include <cstdint>
#include <utility>

namespace kuyu::gui::texts {

inline constexpr const char32_t* SavePdfTitle = U"PDFファイルに印刷";
inline constexpr const char32_t* PdfFilter = U"PDFファイル (*.pdf)";

inline constexpr const char32_t* FontDialogCaption = U"フォント";
inline constexpr const char32_t* FontBold = U"太字(&B)";
inline constexpr const char32_t* FontItalic = U"斜体(&I)";
inline constexpr const char32_t* FontColourLabel = U"色(&C):";
// The sixteen colours of the classic font dialog.
inline constexpr std::pair<const char32_t*, std::uint32_t> FontColours[] = {
    {U"黒", 0x000000},   {U"栗色", 0x800000}, {U"緑", 0x008000},   {U"オリーブ", 0x808000},
    {U"紺", 0x000080},   {U"紫", 0x800080},   {U"青緑", 0x008080}, {U"灰色", 0x808080},
    {U"銀色", 0xC0C0C0}, {U"赤", 0xFF0000},   {U"黄緑", 0x00FF00}, {U"黄", 0xFFFF00},
    {U"青", 0x0000FF},   {U"赤紫", 0xFF00FF}, {U"水色", 0x00FFFF}, {U"白", 0xFFFFFF},
};

inline constexpr const char32_t* HelpCaption = U"くゆWin ヘルプ";
inline constexpr const char32_t* HelpContents = U"目次(&C)";
inline constexpr const char32_t* HelpBack = U"戻る(&B)";
inline constexpr const char32_t* HelpForward = U"進む(&F)";
inline constexpr const char32_t* HelpHowTo = U"ヘルプの使い方(&H)";
inline constexpr const char32_t* HelpClose = U"閉じる(&X)";

} // namespace kuyu::gui::texts
