// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the identification guide keeps for the whole run: the per-plant masks
// of the loaded table, the person's answers, the history of changes, and the
// way back into the shared state (commit an option, step back). The
// selection of the other windows holds the single sure answers; answers of
// several options, unsure ones and 不明 live here only.

#include "core/guide/Answers.h"
#include "core/guide/Guide.h"
#include "core/guide/History.h"
#include "core/guide/Ranking.h"

#include <cstdint>

namespace kuyu::gui {

class App;

class GuideSession {
  public:
    explicit GuideSession(App& app);

    // The masks of the table now loaded (worked out again after a load).
    const GuideIndex& index();
    // The current selection, the mode the next search runs in (plain while
    // no search is shown) and the search panel's name box.
    GuideQuery query();
    int mode() const;
    GuideCounts counts() { return CountRemaining(index(), query()); }

    const ConditionHistory& history() {
        syncLoad();
        return history_;
    }
    bool canUndo() {
        syncLoad();
        return steps_.canUndo() || history_.canUndo();
    }

    // The answers, following the selection as the other windows left it.
    const Answers& answers();
    // Every plant ranked by the answers, with the next characters.
    Ranking ranking();
    const RankIndex& rankIndex();
    // An option button of category k pressed (the last option is 不明).
    void pressOption(int k, int v);
    // 自信がない of category k.
    void setUnsure(int k, bool unsure);

    // A commit or a clear happened: record it, then refresh what shows counts.
    void conditionsChanged(ConditionChange change);
    // Redraws the guide window and the picker's badges.
    void refresh();

    // Commits option v (1..last) of category k the way the picker's 確認 does:
    // selection, check mark, search again when a search is shown.
    void commitOption(int k, int v);
    // 戻る: puts back the selection before the last change. False when there
    // is nothing to step back over.
    bool undo();

  private:
    void syncLoad();
    void afterSelectionChange();
    void changeAnswer(int k, const GuideAnswer& a);

    App& app_;
    GuideIndex index_;
    RankIndex rankIndex_;
    Answers answers_;
    AnswerSteps steps_;
    bool applying_ = false; // the guide itself is committing an answer
    bool built_ = false;
    std::uint32_t generation_ = 0;
    ConditionHistory history_;
    Text nameKey_;
    std::uint32_t nameGeneration_ = 0;
    std::vector<char> namePass_;
};

// The session of this App (created by registerGuideCommands).
GuideSession& SessionOf(App& app);
// A fresh session for this App (when its commands are registered).
void ResetSession(App& app);

} // namespace kuyu::gui
