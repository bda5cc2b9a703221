// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/guide/Answers.h"

#include "core/conditions/Conditions.h"
#include "core/features/Features.h"
#include "core/state/PlantCode.h"

#include <bit>
#include <charconv>

namespace kuyu {

namespace {

const GuideAnswer Unanswered{};

OptionMask bit(int v) {
    return static_cast<OptionMask>(1U << v);
}

bool inRange(int k) {
    return k >= 1 && k <= CategoryCount;
}

} // namespace

int GuideAnswer::sureOption() const {
    if (!asked || unsure || std::popcount(static_cast<unsigned>(options)) != 1) {
        return 0;
    }
    return std::countr_zero(static_cast<unsigned>(options));
}

const GuideAnswer& Answers::at(int k) const {
    return inRange(k) ? answers_[static_cast<std::size_t>(k - 1)] : Unanswered;
}

void Answers::set(int k, const GuideAnswer& a) {
    if (inRange(k)) {
        answers_[static_cast<std::size_t>(k - 1)] = a;
    }
}

std::vector<int> Answers::answered() const {
    std::vector<int> out;
    for (int k = 1; k <= CategoryCount; ++k) {
        if (at(k).asked) {
            out.push_back(k);
        }
    }
    return out;
}

GuideAnswer PressOption(const GuideAnswer& now, int k, int option) {
    const int last = inRange(k) ? Category(k).optionCount : 0;
    GuideAnswer a = now;
    if (option < 1 || option > last) {
        return a;
    }
    a.asked = true;
    if (option == last) {
        a.options = 0;
        return a;
    }
    a.options = static_cast<OptionMask>(a.options ^ bit(option));
    if (a.options == 0) {
        a = GuideAnswer{}; // the last option taken out: the row is unanswered again
    }
    return a;
}

Text SearchDigits(const Answers& answers) {
    Text digits(10, U'0');
    for (int k = 1; k <= CategoryCount; ++k) {
        if (const int v = answers.at(k).sureOption(); v != 0) {
            digits[static_cast<std::size_t>(k - 1)] = static_cast<char32_t>(U'0' + v);
        }
    }
    return digits;
}

bool FollowSelection(Answers& answers, const Text& selectionCode) {
    const PlantCode selection(selectionCode);
    bool changed = false;
    for (int k = 1; k <= CategoryCount; ++k) {
        const int d = CodeDigit(selection.at(static_cast<std::size_t>(k)));
        const int last = Category(k).optionCount;
        const GuideAnswer& now = answers.at(k);
        if (d >= 1 && d < last) {
            if (now.sureOption() != d) {
                answers.set(k, GuideAnswer{true, bit(d), false});
                changed = true;
            }
        } else if (now.sureOption() != 0) {
            answers.clear(k);
            changed = true;
        }
    }
    return changed;
}

std::optional<CategoryAnswer> ParseAnswer(std::string_view text) {
    CategoryAnswer out;
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    auto number = [](std::string_view digits, int& value) {
        if (digits.empty() || digits.size() > 2) {
            return false;
        }
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return ec == std::errc() && end == digits.data() + digits.size();
    };
    if (!number(text.substr(0, eq), out.category) || !inRange(out.category)) {
        return std::nullopt;
    }
    std::string_view values = text.substr(eq + 1);
    if (!values.empty() && values.back() == '?') {
        out.answer.unsure = true;
        values.remove_suffix(1);
    }
    const int last = Category(out.category).optionCount;
    out.answer.asked = true;
    bool unknown = false;
    while (true) {
        const std::size_t comma = values.find(',');
        int v = 0;
        if (!number(values.substr(0, comma), v) || v < 0 || v > last) {
            return std::nullopt;
        }
        if (v == 0 || v == last) {
            unknown = true;
        } else {
            out.answer.options = static_cast<OptionMask>(out.answer.options | bit(v));
        }
        if (comma == std::string_view::npos) {
            break;
        }
        values.remove_prefix(comma + 1);
    }
    if (unknown && out.answer.options != 0) {
        return std::nullopt; // "one of these, or I cannot tell" says nothing clear
    }
    return out;
}

void AnswerSteps::push(const Answers& answers, const Text& conditions) {
    steps_.push_back({answers, conditions});
    while (steps_.size() > Limit) {
        steps_.pop_front();
    }
}

std::optional<AnswerStep> AnswerSteps::undo() {
    if (steps_.empty()) {
        return std::nullopt;
    }
    AnswerStep a = steps_.back();
    steps_.pop_back();
    return a;
}

} // namespace kuyu
