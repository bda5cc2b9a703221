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

// The meaning of one code character.
CodeLetter ReadCodeLetter(char32_t c);

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

// The option digits the plain search (and the first pass of the others)
// accepts for category k: the primary code alone.
DigitSet FirstPassDigits(const PlantCode& code, int k);

// The option digits the AI search's second pass accepts for category k: the
// primary or the secondary code is open, or equals the option, or the
// preferred value list of the two holds it.
DigitSet AiPassDigits(const PlantCode& code, int k);

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
    static DigitSet digitsOf(TextView list) {
        DigitSet m = 0;
        for (const char32_t c : list) {
            if (c >= U'1' && c <= U'9') {
                m = static_cast<DigitSet>(m | (1U << (c - U'0')));
            }
        }
        return m;
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

} // namespace kuyu
