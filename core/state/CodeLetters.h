// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the characters of a plant's code mean, and which chosen options each
// agrees with. This is the one place these rules are written: the search,
// the guide, the feature texts and the data checker all read them from here.
//
// In a category's primary or secondary code:
//   "1".."9"   that option
//   "0"        unknown: agrees with every option
//   "X"        variable: agrees with every option
//   "Y"        none: agrees with no option
//   "A".."C"   several values: any digit of value list 1..3
//   "D"        several values: any digit of value lists 1 and 2
//   "H".."J"   leaning towards the first value of list 1..3; agrees with any
//              digit of that list, but only as a primary code
// Any other character agrees with nothing.

#include "core/state/PlantCode.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kuyu {

// Bit d set: option digit d (1..9) agrees.
using DigitSet = std::uint16_t;
constexpr DigitSet AllOptionDigits = 0x3FE; // bits 1..9

// The value lists a letter points into, in the order the AI search prefers
// them when the primary and the secondary code point into different ones.
enum class ValueLists : std::uint8_t { L1 = 1, L2, L3, L12, None };

enum class CodeRole : std::uint8_t {
    Digit,         // "1".."9"
    Unknown,       // "0"
    Variable,      // "X"
    Absent,        // "Y"
    SeveralValues, // "A".."D"
    Leaning,       // "H".."J"
    Other,         // anything else (a blank past the end, a typing slip)
};

struct CodeLetter {
    CodeRole role = CodeRole::Other;
    int digit = 0;                                // 1..9 for a digit, else 0
    ValueLists primaryLists = ValueLists::None;   // read as a primary code
    ValueLists secondaryLists = ValueLists::None; // read as a secondary code
    bool agreesWithAll() const { return role == CodeRole::Unknown || role == CodeRole::Variable; }
};

namespace detail {
struct LetterRule {
    char32_t letter;
    CodeRole role;
    ValueLists primaryLists;
    ValueLists secondaryLists;
};

// The letters with a meaning of their own; digits are added below.
inline constexpr std::array<LetterRule, 10> LetterRules{{
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

constexpr LetterTable makeLetterTable() {
    LetterTable t{};
    for (int d = 1; d <= 9; ++d) {
        t[static_cast<std::size_t>(U'0' + d)] = {CodeRole::Digit, d, ValueLists::None,
                                                 ValueLists::None};
    }
    for (const LetterRule& r : LetterRules) {
        t[r.letter] = {r.role, 0, r.primaryLists, r.secondaryLists};
    }
    return t;
}

inline constexpr LetterTable Letters = makeLetterTable();
} // namespace detail

// The meaning of one code character. Inline: the guide reads every
// character of every plant when a table is loaded.
inline CodeLetter ReadCodeLetter(char32_t c) {
    return c < 128 ? detail::Letters[c] : CodeLetter{};
}

// The letters a category's code may hold besides its option digits.
bool IsSpecialCodeLetter(char32_t c);

// The value lists `lists` spans: first..last (1..3); 0..-1 for None.
struct ListSpan {
    int first = 0;
    int last = -1;
};
ListSpan SpanOf(ValueLists lists);

// The digits 1..9 found in the value lists `lists` points to (0 for None).
DigitSet ListDigits(const PlantCode& code, ValueLists lists);

inline bool HasDigit(DigitSet set, int digit) {
    return digit >= 0 && digit <= 9 && ((set >> digit) & 1U) != 0;
}

// The same rules as tables, for scanning every plant against one chosen
// digit: a code character falls into a kind, 0 when it agrees outright, else
// the ValueLists it agrees through (None: it does not agree). The AI pass
// takes the smaller kind of the primary and the secondary code.
class DigitMatcher {
  public:
    // The digit sets of a plant's value lists, indexed by kind.
    using ListSets = std::array<DigitSet, 6>;
    static ListSets listSets(const PlantCode& code) {
        const DigitSet l1 = digitsOf(code.valueList(1));
        const DigitSet l2 = digitsOf(code.valueList(2));
        const DigitSet l3 = digitsOf(code.valueList(3));
        return {AllOptionDigits, l1, l2, l3, static_cast<DigitSet>(l1 | l2), 0};
    }
    // The digits 1..9 of one value list.
    // Without a branch per character: the lists are a mix of digits and
    // blanks that no branch predictor guesses, and the search reads them
    // for every plant.
    static DigitSet digitsOf(TextView list) {
        unsigned m = 0;
        for (const char32_t c : list) {
            const std::uint32_t d = static_cast<std::uint32_t>(c) - U'0'; // wraps below '0'
            const unsigned isOption = d - 1U < 9U ? 1U : 0U;              // '1'..'9'
            m |= isOption << (d & 15U);
        }
        return static_cast<DigitSet>(m);
    }

    explicit DigitMatcher(int digit);

    bool firstPass(const PlantCode& code, int k, const ListSets& sets) const {
        return agrees(sets, kindOf(primary_, code.primary(k)));
    }
    bool aiPass(const PlantCode& code, int k, const ListSets& sets) const {
        return agrees(sets, std::min(kindOf(primary_, code.primary(k)),
                                     kindOf(secondary_, code.secondary(k))));
    }

  private:
    static std::uint8_t kindOf(const std::array<std::uint8_t, 128>& table, char32_t c) {
        return c < 128 ? table[c] : static_cast<std::uint8_t>(ValueLists::None);
    }
    bool agrees(const ListSets& sets, std::uint8_t kind) const {
        return ((sets[kind] >> digit_) & 1U) != 0;
    }
    int digit_;
    std::array<std::uint8_t, 128> primary_{};
    std::array<std::uint8_t, 128> secondary_{};
};

// The option digits the plain search (and the first pass of the others)
// accepts for category k: the primary code alone. `sets` are the plant's
// DigitMatcher::listSets, read once for all ten categories.
inline DigitSet FirstPassDigits(const PlantCode& code, int k, const DigitMatcher::ListSets& sets) {
    const CodeLetter p = ReadCodeLetter(code.primary(k));
    if (p.agreesWithAll()) {
        return AllOptionDigits;
    }
    const DigitSet own = p.role == CodeRole::Digit ? static_cast<DigitSet>(1U << p.digit) : 0;
    return static_cast<DigitSet>(own | sets[static_cast<std::size_t>(p.primaryLists)]);
}

// The option digits the AI search's second pass accepts for category k: the
// primary or the secondary code is open, or equals the option, or the
// preferred value list of the two holds it.
inline DigitSet AiPassDigits(const PlantCode& code, int k, const DigitMatcher::ListSets& sets) {
    const CodeLetter p = ReadCodeLetter(code.primary(k));
    const CodeLetter q = ReadCodeLetter(code.secondary(k));
    if (p.agreesWithAll() || q.agreesWithAll()) {
        return AllOptionDigits;
    }
    const auto bit = [](const CodeLetter& l) {
        return l.role == CodeRole::Digit ? static_cast<DigitSet>(1U << l.digit) : DigitSet{0};
    };
    const ValueLists lists = std::min(p.primaryLists, q.secondaryLists);
    return static_cast<DigitSet>(bit(p) | bit(q) | sets[static_cast<std::size_t>(lists)]);
}

// As above, reading the plant's value lists first.
inline DigitSet FirstPassDigits(const PlantCode& code, int k) {
    return FirstPassDigits(code, k, DigitMatcher::listSets(code));
}
inline DigitSet AiPassDigits(const PlantCode& code, int k) {
    return AiPassDigits(code, k, DigitMatcher::listSets(code));
}

} // namespace kuyu
