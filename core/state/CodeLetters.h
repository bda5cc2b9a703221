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

} // namespace kuyu
