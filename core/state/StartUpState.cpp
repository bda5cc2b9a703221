#include "core/state/StartUpState.h"

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"

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

} // namespace kuyu
