// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the condition picker (Form11). The main menu and the search panel
// open it the same way, each with its own messages.

#include "core/text/Text.h"

namespace kuyu::gui {

class App;

// Loads the category's illustration (base + ".BMP", ".GIF", ".Pi", current
// folder only) into the picker's Image1, creating the picker if needed.
// Returns false when no candidate exists; throws kuyu::RunTimeError when the
// file is there but cannot be decoded.
bool LoadIllustration(App& app, int category);

// ShowConditionPicker: caption, CurrentOption, show modeless, focus.
void ShowConditionPicker(App& app);

// The handler of MENU11..MENU32 (F1..F11, toolbar toku01..toku10).
void OpenPickerFromMenu(App& app, int category);

} // namespace kuyu::gui
