// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/StartUpState.h"

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/files/Files.h"

#include <algorithm>

namespace kuyu {

std::optional<Message> InitialiseState(AppState& state, const Text& commandLine) {
    ResetSelection(state);
    resetPrintSettings(state.Print);
    std::optional<Message> failure = StartUpLoad(state, commandLine);
    state.clearScoresAndChoices();
    FillOptionLabels(state);
    return failure;
}

Text CommandLineFromArguments(int argc, const char* const* argv) {
    Text line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            line += U' ';
        }
        line += pathFromNative(argv[i]);
    }
    return line;
}

} // namespace kuyu
