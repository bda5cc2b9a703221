// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word the condition picker shows itself (the category names and
// option labels come from the core).

#include "gui/widgets/CommonTexts.h"

namespace kuyu::gui::texts {

inline constexpr const char32_t* PickerCaption = U"検索項目表示";
inline constexpr const char32_t* PickerConfirm = U"確認";
inline constexpr const char32_t* PickerCancel = U"中止";
inline constexpr const char32_t* Menu11 = U"ﾎﾟｯﾌﾟｱｯﾌﾟ11";
inline constexpr const char32_t* Menu111 = U"選択取消 (&U&ﾅ)";
inline constexpr const char32_t* Menu113 = U"中止（選択せず終了）(&M&ﾓ)";
inline constexpr const char32_t* Menu114 = U"確認（選択して終了）(&X&ｻ)";
inline constexpr const char32_t* Menu12 = U"ﾎﾟｯﾌﾟｱｯﾌﾟ12";
inline constexpr const char32_t* Menu121 = U"選択取消(&U&ﾅ)";
// After "  " and the digit of the picked option.
inline constexpr const char32_t* PickText = U" 番を選択します。";
// After the illustration's base name ("IRO").
inline constexpr const char32_t* CannotLoad = U"ファイルがロードできません";

} // namespace kuyu::gui::texts
