// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/guide/GuideSession.h"

#include "core/conditions/Conditions.h"
#include "core/features/Features.h"
#include "gui/app/App.h"
#include "gui/app/MainWindow.h"
#include "gui/finders/SearchPanel.h"
#include "gui/guide/GuideWindow.h"
#include "gui/guide/PickerBadges.h"

#include <map>
#include <memory>

namespace kuyu::gui {

namespace {

std::map<const App*, std::unique_ptr<GuideSession>>& sessions() {
    static std::map<const App*, std::unique_ptr<GuideSession>> all;
    return all;
}

} // namespace

GuideSession& SessionOf(App& app) {
    auto& slot = sessions()[&app];
    if (!slot) {
        slot = std::make_unique<GuideSession>(app);
    }
    return *slot;
}

void ResetSession(App& app) {
    sessions()[&app] = std::make_unique<GuideSession>(app);
}

GuideSession::GuideSession(App& app) : app_(app), generation_(app.state.LoadGeneration) {
    history_.reset(app.state.SelectionCode);
}

void GuideSession::syncLoad() {
    const AppState& s = app_.state;
    if (s.LoadGeneration != generation_) {
        // Every load starts from an empty selection.
        generation_ = s.LoadGeneration;
        history_.reset(emptySelectionCode());
        answers_ = Answers{};
        steps_.clear();
        built_ = false;
        namePass_.clear();
        nameKey_.clear();
    }
    if (!built_ || index_.plantCount() != s.PlantCount) {
        index_ = GuideIndex(s);
        rankIndex_ = RankIndex(index_);
        built_ = true;
        namePass_.clear();
        nameKey_.clear();
    }
}

const GuideIndex& GuideSession::index() {
    syncLoad();
    return index_;
}

int GuideSession::mode() const {
    const int m = app_.state.SearchMode;
    return m == 1 || m == 2 ? m : 0;
}

GuideQuery GuideSession::query() {
    syncLoad();
    GuideQuery q;
    q.selection = app_.state.SelectionCode;
    q.mode = mode();
    // The name box counts only while the panel shows a search.
    const Text name = app_.state.SearchMode >= 0 ? SearchPanelNameBox(app_) : Text();
    if (!name.empty()) {
        if (name != nameKey_ || namePass_.empty()) {
            namePass_ = NamePassSet(app_.state, name);
            nameKey_ = name;
        }
        q.namePass = namePass_;
    }
    return q;
}

const RankIndex& GuideSession::rankIndex() {
    syncLoad();
    return rankIndex_;
}

const Answers& GuideSession::answers() {
    syncLoad();
    FollowSelection(answers_, app_.state.SelectionCode);
    return answers_;
}

Ranking GuideSession::ranking() {
    const Answers& a = answers();
    return RankPlants(rankIndex_, a);
}

void GuideSession::conditionsChanged(ConditionChange change) {
    syncLoad();
    const Text before = history_.current();
    const Answers answersBefore = answers_;
    const bool recorded = history_.record(change, app_.state.SelectionCode, counts().total);
    if (recorded && !applying_) {
        steps_.push(answersBefore, before);
    }
    if (change == ConditionChange::Clear) {
        answers_ = Answers{}; // clearing every condition starts the answers afresh
    }
    FollowSelection(answers_, app_.state.SelectionCode);
    refresh();
}

void GuideSession::pressOption(int k, int v) {
    changeAnswer(k, PressOption(answers().at(k), k, v));
}

void GuideSession::setUnsure(int k, bool unsure) {
    GuideAnswer a = answers().at(k);
    a.unsure = unsure;
    changeAnswer(k, a);
}

void GuideSession::changeAnswer(int k, const GuideAnswer& a) {
    const Answers before = answers();
    if (before.at(k) == a) {
        return;
    }
    const Text conditions = ConditionDigits(app_.state.SelectionCode);
    steps_.push(before, conditions);
    answers_.set(k, a);
    // The other windows search with the single sure answers only.
    const int wanted = a.sureOption();
    const int now = CodeDigit(conditions[static_cast<std::size_t>(k - 1)]);
    if (wanted == now) {
        refresh();
        return;
    }
    applying_ = true;
    commitOption(k, wanted == 0 ? Category(k).optionCount : wanted);
    applying_ = false;
}

void GuideSession::refresh() {
    if (auto* w = app_.loaded<GuideWindow>()) {
        w->refresh();
    }
    UpdatePickerBadges(app_);
}

void GuideSession::afterSelectionChange() {
    if (auto* main = qobject_cast<MDIForm1*>(app_.mainWindow())) {
        main->refreshCategoryChecks();
    }
    if (app_.state.SearchMode >= 0) {
        app_.notify(hook::SearchPanelRefresh);
    }
}

void GuideSession::commitOption(int k, int v) {
    auto& s = app_.state;
    s.CurrentCategory = static_cast<std::int16_t>(k);
    s.OptionCount = Category(k).optionCount;
    s.CurrentOption = static_cast<std::int16_t>(v);
    CommitCondition(s);
    afterSelectionChange();
    conditionsChanged(ConditionChange::Commit);
}

bool GuideSession::undo() {
    syncLoad();
    if (auto step = steps_.undo()) {
        answers_ = step->answers;
        if (ConditionDigits(app_.state.SelectionCode) != step->conditions) {
            history_.undo();
            ApplyConditionDigits(app_.state, step->conditions);
            afterSelectionChange();
        }
        refresh();
        return true;
    }
    const auto before = history_.undo();
    if (!before) {
        return false;
    }
    ApplyConditionDigits(app_.state, *before);
    afterSelectionChange();
    refresh();
    return true;
}

} // namespace kuyu::gui
