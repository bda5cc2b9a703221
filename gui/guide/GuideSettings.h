// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The guide's two ｵﾌﾟｼｮﾝ items, each off until a person turns it on and kept
// in the settings store:
//  - 候補数の表示: whether the picker shows the count each option would leave;
//  - かな入力を半角ｶﾀｶﾅに変換: whether a plant name typed in hiragana or
//    full-width katakana (what an input method types by default) is made
//    half-width katakana before the name boxes check it.

#include "core/text/Text.h"

namespace kuyu::gui {

class App;

bool CandidateCountsShown(const App& app);
void SetCandidateCountsShown(App& app, bool on);

// かな入力を半角ｶﾀｶﾅに変換, remembered under this key.
inline constexpr const char* KanaInputSettingKey = "KanaInputToHalfWidth";

bool KanaInputConverted(const App& app);
void SetKanaInputConverted(App& app, bool on);

// A name as a name box checks it: made half-width katakana when the item is
// on, unchanged when it is off. Latin letters, digits and kanji are kept, so
// they still get the box's message.
Text TypedPlantName(const App& app, const Text& typed);

} // namespace kuyu::gui
