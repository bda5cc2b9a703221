// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Categories, options and labels; the current selection and its operations.

#include "core/Message.h"
#include "core/state/AppState.h"

namespace kuyu {

struct CategoryInfo {
    std::int16_t optionCount; // the last option is "不明"
    Text openerCaption;       // written into the picker by the menu item
    Text illustration;        // illustration file base, e.g. "IRO"
    const char* menuItem;     // "MENU11" ...
    const char* toolbarKey;   // "toku01" ...
};

// k = 1..10; throws RunTimeError(9) outside.
const CategoryInfo& Category(int k);

// Fills OptionLabel with the category names and option labels.
void FillOptionLabels(AppState& state);

// SelectionCode = "0000000000" + 20 blanks, CategoryChosen all false,
// CurrentCategory = CurrentOption = 0.
void ResetSelection(AppState& state);

// ShowConditionPicker's state part: sets CurrentOption from the selection
// and returns the picker's caption. Throws RunTimeError(9) when
// CurrentCategory is outside 1..11.
Text BeginConditionPicker(AppState& state);

// Commit (確認): writes CurrentOption into the selection and CategoryChosen.
void CommitCondition(AppState& state);

// Clear all conditions: the question to ask, and the state change on Yes.
Message ClearConditionsQuestion();
void ClearAllConditions(AppState& state);

} // namespace kuyu
