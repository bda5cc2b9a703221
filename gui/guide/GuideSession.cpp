#include "gui/guide/GuideSession.h"

#include "core/conditions/Conditions.h"
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
        built_ = false;
        namePass_.clear();
        nameKey_.clear();
    }
    if (!built_ || index_.plantCount() != s.PlantCount) {
        index_ = GuideIndex(s);
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

void GuideSession::conditionsChanged(ConditionChange change) {
    syncLoad();
    history_.record(change, app_.state.SelectionCode, counts().total);
    refresh();
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
