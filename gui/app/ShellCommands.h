// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell's own messages, for the commands and their tests.

#include "core/Message.h"

namespace kuyu::gui {

// MENU94: the version box.
Message VersionBox();

} // namespace kuyu::gui
