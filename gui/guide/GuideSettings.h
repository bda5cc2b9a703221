#pragma once
// ｵﾌﾟｼｮﾝ → 候補数の表示: whether the picker shows the count each option
// would leave. Off until a person turns it on; kept in the settings store.

namespace kuyu::gui {

class App;

bool CandidateCountsShown(const App& app);
void SetCandidateCountsShown(App& app, bool on);

} // namespace kuyu::gui
