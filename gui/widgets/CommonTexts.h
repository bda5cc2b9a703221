#pragma once
// The texts every subsystem shares: message titles and the close button.
// Each subsystem keeps its own words in its own table (ShellTexts.h,
// ConditionTexts.h, FinderTexts.h, PlantViewTexts.h), in this one form:
// UTF-32 literals in kuyu::gui::texts, turned into QString with q().

#include <QString>

namespace kuyu::gui::texts {

inline constexpr const char32_t* TitleMessage = U"メッセージ";
inline constexpr const char32_t* TitleError = U"エラーメッセージ";
inline constexpr const char32_t* Close = U"終了";
// The heading over the one-line-per-plant lists.
inline constexpr const char32_t* ListHeading = U"        植物名　          　（科名）　";

} // namespace kuyu::gui::texts

namespace kuyu::gui {

inline QString q(const char32_t* s) {
    return QString::fromUcs4(s);
}

} // namespace kuyu::gui
