// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history of condition changes: every commit and clear that changed the
// selection, with the count the search lists after it, so that a person can
// step back one change at a time.

#include "core/state/AppState.h"

#include <deque>
#include <optional>

namespace kuyu {

enum class ConditionChange { Commit, Clear };

struct HistoryEntry {
    ConditionChange change;
    Text before; // the ten condition digits before the change
    Text after;
    int countAfter = 0;
};

class ConditionHistory {
  public:
    // The oldest changes are forgotten beyond this many.
    static constexpr std::size_t Limit = 500;

    // Starts afresh from `selection` (start-up, a database load).
    void reset(const Text& selection);
    // Records a change that left `selection`. A commit that changed nothing is
    // not a change: false, and nothing is recorded.
    bool record(ConditionChange change, const Text& selection, int countAfter);
    bool canUndo() const { return !entries_.empty(); }
    // Steps back over the last change: the selection before it (ten digits),
    // which is then the current one. nullopt when there is nothing to undo.
    std::optional<Text> undo();

    const std::deque<HistoryEntry>& entries() const { return entries_; }
    const Text& current() const { return current_; }

  private:
    std::deque<HistoryEntry> entries_;
    Text current_ = Text(10, U'0');
};

// The ten condition digits of a selection code.
Text ConditionDigits(const Text& selectionCode);

// Puts ten condition digits into SelectionCode and CategoryChosen, as
// committing each of them would.
void ApplyConditionDigits(AppState& state, const Text& digits);

} // namespace kuyu
