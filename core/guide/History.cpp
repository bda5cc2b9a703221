// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/guide/History.h"

namespace kuyu {

Text ConditionDigits(const Text& selectionCode) {
    Text digits = selectionCode.substr(0, std::min<std::size_t>(10, selectionCode.size()));
    digits.resize(10, U'0');
    return digits;
}

void ApplyConditionDigits(AppState& state, const Text& digits) {
    if (state.SelectionCode.size() < CodeLength) {
        state.SelectionCode.resize(CodeLength, U' ');
    }
    for (std::size_t k = 1; k <= CategoryCount; ++k) {
        const char32_t d = k <= digits.size() ? digits[k - 1] : U'0';
        state.SelectionCode[k - 1] = d;
        state.CategoryChosen[k] = d != U'0';
    }
}

void ConditionHistory::reset(const Text& selection) {
    entries_.clear();
    current_ = ConditionDigits(selection);
}

bool ConditionHistory::record(ConditionChange change, const Text& selection, int countAfter) {
    Text after = ConditionDigits(selection);
    if (after == current_) {
        return false;
    }
    entries_.push_back({change, current_, after, countAfter});
    if (entries_.size() > Limit) {
        entries_.pop_front();
    }
    current_ = std::move(after);
    return true;
}

std::optional<Text> ConditionHistory::undo() {
    if (entries_.empty()) {
        return std::nullopt;
    }
    current_ = entries_.back().before;
    entries_.pop_back();
    return current_;
}

} // namespace kuyu
