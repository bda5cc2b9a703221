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

} // namespace kuyu
