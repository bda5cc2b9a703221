// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a person has told the guide, category by category: nothing yet,
// "不明" (looked, could not tell), one option, or several options meaning
// "one of these"; each answer is sure or unsure. The plain search sees only
// the single sure answers; the ranking uses them all.

#include "core/guide/Guide.h"

#include <array>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

namespace kuyu {

struct GuideAnswer {
    bool asked = false;     // false: not answered at all
    OptionMask options = 0; // bits 1..last-1; none while asked means 不明
    bool unsure = false;

    bool unknown() const { return asked && options == 0; }
    bool hasOptions() const { return asked && options != 0; }
    // The one option of a single sure answer, else 0.
    int sureOption() const;
    bool operator==(const GuideAnswer&) const = default;
};

class Answers {
  public:
    // k = 1..10; anything else reads as unanswered and is not written.
    const GuideAnswer& at(int k) const;
    void set(int k, const GuideAnswer& a);
    void clear(int k) { set(k, GuideAnswer{}); }
    // Categories answered in any way (不明 included), in category order.
    std::vector<int> answered() const;
    bool empty() const { return answered().empty(); }
    bool operator==(const Answers&) const = default;

  private:
    std::array<GuideAnswer, CategoryCount> answers_{};
};

// An option button pressed in category k: the first press sets the option
// (replacing 不明), a press of another option of an answered row adds it
// ("or"), a press of an option already in the answer takes it out again.
// The last option, 不明, always makes the answer "asked, unknown". Keeps the
// row's unsure mark.
GuideAnswer PressOption(const GuideAnswer& now, int k, int option);

// The ten condition digits the specified windows search with: the option of
// every single sure answer, "0" elsewhere.
Text SearchDigits(const Answers& answers);

// Makes the answers agree with a selection changed elsewhere (the picker,
// the search panel, clearing all): a chosen digit becomes a single sure
// answer; a single sure answer whose digit was taken away is dropped.
// Several-option, unsure and 不明 answers stay while their category is
// unset. True when anything changed.
bool FollowSelection(Answers& answers, const Text& selectionCode);

// The text form "K=V[,V…][?]" of one answer: K a category 1..10, V option
// numbers 1..last; the last option or 0 means asked-and-unknown; a trailing
// "?" marks the answer unsure. nullopt for anything else.
struct CategoryAnswer {
    int category = 0;
    GuideAnswer answer;
};
std::optional<CategoryAnswer> ParseAnswer(std::string_view text);

// The answers and the ten condition digits before each change, so that 戻る
// can step back one change at a time.
struct AnswerStep {
    Answers answers;
    Text conditions; // ten digits
};

class AnswerSteps {
  public:
    // The oldest changes are forgotten beyond this many.
    static constexpr std::size_t Limit = 500;
    void clear() { steps_.clear(); }
    void push(const Answers& answers, const Text& conditions);
    bool canUndo() const { return !steps_.empty(); }
    // The state before the last change, which is forgotten; nullopt when
    // there is nothing to step back over.
    std::optional<AnswerStep> undo();
    std::size_t size() const { return steps_.size(); }

  private:
    std::deque<AnswerStep> steps_;
};

} // namespace kuyu
