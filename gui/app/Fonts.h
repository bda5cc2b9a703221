// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The old program's font faces, mapped once at start-up onto the Japanese
// fonts installed here, so every window can ask for QFont("ＭＳ 明朝").

namespace kuyu::gui {

void installFontSubstitutions();

} // namespace kuyu::gui
