// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/CodeLetters.h"

#include <algorithm>
#include <array>

namespace kuyu {

namespace {

struct LetterRule {
    char32_t letter;
    CodeRole role;
    ValueLists primaryLists;
    ValueLists secondaryLists;
};

// The letters with a meaning of their own; digits are added below.
constexpr std::array<LetterRule, 10> Rules{{
    {U'0', CodeRole::Unknown, ValueLists::None, ValueLists::None},
    {U'X', CodeRole::Variable, ValueLists::None, ValueLists::None},
    {U'Y', CodeRole::Absent, ValueLists::None, ValueLists::None},
    {U'A', CodeRole::SeveralValues, ValueLists::L1, ValueLists::L1},
    {U'B', CodeRole::SeveralValues, ValueLists::L2, ValueLists::L2},
    {U'C', CodeRole::SeveralValues, ValueLists::L3, ValueLists::L3},
    {U'D', CodeRole::SeveralValues, ValueLists::L12, ValueLists::L12},
    {U'H', CodeRole::Leaning, ValueLists::L1, ValueLists::None},
    {U'I', CodeRole::Leaning, ValueLists::L2, ValueLists::None},
    {U'J', CodeRole::Leaning, ValueLists::L3, ValueLists::None},
}};

using LetterTable = std::array<CodeLetter, 128>;

constexpr LetterTable makeTable() {
    LetterTable t{};
    for (int d = 1; d <= 9; ++d) {
        t[static_cast<std::size_t>(U'0' + d)] = {CodeRole::Digit, d, ValueLists::None,
                                                 ValueLists::None};
    }
    for (const LetterRule& r : Rules) {
        t[r.letter] = {r.role, 0, r.primaryLists, r.secondaryLists};
    }
    return t;
}

constexpr LetterTable Table = makeTable();

DigitSet digitBit(const CodeLetter& l) {
    return l.role == CodeRole::Digit ? static_cast<DigitSet>(1U << l.digit) : DigitSet{0};
}

DigitSet listDigits(TextView list) {
    return DigitMatcher::digitsOf(list);
}

} // namespace

CodeLetter ReadCodeLetter(char32_t c) {
    return c < 128 ? Table[c] : CodeLetter{};
}

bool IsSpecialCodeLetter(char32_t c) {
    const CodeRole role = ReadCodeLetter(c).role;
    return role != CodeRole::Digit && role != CodeRole::Other;
}

ListSpan SpanOf(ValueLists lists) {
    switch (lists) {
    case ValueLists::L1:
        return {1, 1};
    case ValueLists::L2:
        return {2, 2};
    case ValueLists::L3:
        return {3, 3};
    case ValueLists::L12:
        return {1, 2};
    case ValueLists::None:
        break;
    }
    return {};
}

DigitSet ListDigits(const PlantCode& code, ValueLists lists) {
    const ListSpan span = SpanOf(lists);
    DigitSet m = 0;
    for (int n = span.first; n <= span.last; ++n) {
        m = static_cast<DigitSet>(m | listDigits(code.valueList(n)));
    }
    return m;
}

DigitSet FirstPassDigits(const PlantCode& code, int k) {
    const CodeLetter p = ReadCodeLetter(code.primary(k));
    if (p.agreesWithAll()) {
        return AllOptionDigits;
    }
    return static_cast<DigitSet>(digitBit(p) | ListDigits(code, p.primaryLists));
}

DigitSet AiPassDigits(const PlantCode& code, int k) {
    const CodeLetter p = ReadCodeLetter(code.primary(k));
    const CodeLetter q = ReadCodeLetter(code.secondary(k));
    if (p.agreesWithAll() || q.agreesWithAll()) {
        return AllOptionDigits;
    }
    const ValueLists lists = std::min(p.primaryLists, q.secondaryLists);
    return static_cast<DigitSet>(digitBit(p) | digitBit(q) | ListDigits(code, lists));
}

DigitMatcher::DigitMatcher(int digit) : digit_(digit) {
    for (char32_t c = 0; c < 128; ++c) {
        const CodeLetter l = ReadCodeLetter(c);
        const bool outright = l.agreesWithAll() || (l.role == CodeRole::Digit && l.digit == digit);
        primary_[c] = outright ? 0 : static_cast<std::uint8_t>(l.primaryLists);
        secondary_[c] = outright ? 0 : static_cast<std::uint8_t>(l.secondaryLists);
    }
}

} // namespace kuyu
