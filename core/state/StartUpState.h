// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state half of start-up: everything StartUp does before its windows.

#include "core/Message.h"
#include "core/state/AppState.h"

#include <optional>

namespace kuyu {

// Resets the selection, the picker and the print settings, loads the database
// named by `commandLine` (empty: "KUYU.DAT"), clears the scores and fills the
// label table. Returns the load's failure message, to be shown before any
// window; start-up goes on either way.
std::optional<Message> InitialiseState(AppState& state, const Text& commandLine);

// The command-line text from the program's arguments after its name: joined
// by single blanks, the bytes of each path component read as UTF-8 when they
// are UTF-8 and as CP932 otherwise, so a database in a folder named on
// Windows media is opened by the bytes it was given.
Text CommandLineFromArguments(int argc, const char* const* argv);

} // namespace kuyu
