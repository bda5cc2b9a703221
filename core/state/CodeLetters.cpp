// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/CodeLetters.h"

#include <algorithm>
#include <array>

namespace kuyu {

namespace {

DigitSet listDigits(TextView list) {
    return DigitMatcher::digitsOf(list);
}

} // namespace

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

DigitMatcher::DigitMatcher(int digit) : digit_(digit) {
    for (char32_t c = 0; c < 128; ++c) {
        const CodeLetter l = ReadCodeLetter(c);
        const bool outright = l.agreesWithAll() || (l.role == CodeRole::Digit && l.digit == digit);
        primary_[c] = outright ? 0 : static_cast<std::uint8_t>(l.primaryLists);
        secondary_[c] = outright ? 0 : static_cast<std::uint8_t>(l.secondaryLists);
    }
}

} // namespace kuyu
