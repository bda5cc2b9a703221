// SPDX-License-Identifier: GPL-3.0-or-later
// Which options a plant's code characters agree with, first pass and AI pass,
// and which letters the data checker lets through.

#include "core/state/CodeLetters.h"

#include "CoreTestFiles.h"

#include <gtest/gtest.h>

namespace kuyu {
namespace {

using testing::plantCode;

// The digits of a set as text ("137"), so a failure reads at a glance.
std::string digitsOf(DigitSet set) {
    std::string out;
    for (int d = 1; d <= 9; ++d) {
        if (HasDigit(set, d)) {
            out += static_cast<char>('0' + d);
        }
    }
    return out;
}

// Value lists "12 ", "34 ", "56 " (list 1 holds 1 and 2, list 2 holds 3 and
// 4, list 3 holds 5 and 6); the pair is category 1's primary and secondary.
struct Row {
    char32_t primary;
    char32_t secondary;
    const char* firstPass;
    const char* aiPass;
};

const Row Table[] = {
    {U'7', U'0', "7", "123456789"},
    {U'7', U'5', "7", "57"},
    {U'0', U'5', "123456789", "123456789"},
    {U'X', U'5', "123456789", "123456789"},
    {U'Y', U'5', "", "5"},
    {U'Y', U'Y', "", ""},
    {U'A', U'8', "12", "128"},
    {U'B', U'8', "34", "348"},
    {U'C', U'8', "56", "568"},
    {U'D', U'8', "1234", "12348"},
    {U'H', U'8', "12", "128"},
    {U'I', U'8', "34", "348"},
    {U'J', U'8', "56", "568"},
    // A secondary list letter counts in the AI pass; H..J there do not.
    {U'7', U'A', "7", "127"},
    {U'7', U'D', "7", "12347"},
    {U'7', U'H', "7", "7"},
    {U'7', U'J', "7", "7"},
    // Two lists: the AI pass takes the preferred one, not both.
    {U'B', U'A', "34", "12"},
    {U'D', U'C', "1234", "56"},
    {U'J', U'B', "56", "34"},
    // Anything else agrees with nothing.
    {U'E', U'8', "", "8"},
    {U'h', U'8', "", "8"},
    {U' ', U'8', "", "8"},
    {U'\u30A2', U'8', "", "8"},
};

TEST(CodeLetters, DigitsEachLetterAgreesWith) {
    for (const Row& r : Table) {
        SCOPED_TRACE(toUtf8(Text{r.primary, U'/', r.secondary}));
        const Text code = plantCode(Text(1, r.primary), Text(1, r.secondary), U"12 34 56 ");
        const PlantCode view(code);
        EXPECT_EQ(digitsOf(FirstPassDigits(view, 1)), r.firstPass);
        EXPECT_EQ(digitsOf(AiPassDigits(view, 1)), r.aiPass);
    }
}

// The search's tables give the same answers as the digit sets, for every
// pair of characters and every chosen digit.
TEST(CodeLetters, MatcherTablesAgreeWithTheDigitSets) {
    const Text letters = U"0123456789XYABCDHIJEZa @";
    for (const Text& lists : {Text(U"12 34 56 "), Text(U"9  8  7  "), Text()}) {
        for (const char32_t p : letters) {
            for (const char32_t q : letters) {
                const Text code = plantCode(Text(1, p), Text(1, q), lists);
                const PlantCode view(code);
                const auto sets = DigitMatcher::listSets(view);
                for (int d = 1; d <= 9; ++d) {
                    SCOPED_TRACE(toUtf8(Text{p, U'/', q, U' '}) + std::to_string(d));
                    const DigitMatcher m(d);
                    ASSERT_EQ(m.firstPass(view, 1, sets), HasDigit(FirstPassDigits(view, 1), d));
                    ASSERT_EQ(m.aiPass(view, 1, sets), HasDigit(AiPassDigits(view, 1), d));
                }
            }
        }
    }
}

TEST(CodeLetters, ValueListsReadOnlyTheirDigits) {
    // A blank or a 0 in a list adds nothing; a code cut short reads blanks.
    const Text code = plantCode(U"D", U"0", U"0 9 0 8 ");
    EXPECT_EQ(digitsOf(FirstPassDigits(PlantCode(code), 1)), "9");
    const Text shortCode = U"0A";
    EXPECT_EQ(digitsOf(FirstPassDigits(PlantCode(shortCode), 1)), "");
}

TEST(CodeLetters, SpecialLettersTheCheckerAllows) {
    const std::u32string allowed = U"0XYABCDHIJ";
    for (char32_t c = 1; c < 0x80; ++c) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_EQ(IsSpecialCodeLetter(c), allowed.find(c) != std::u32string::npos);
    }
    EXPECT_FALSE(IsSpecialCodeLetter(U'\uFF21')); // full-width Ａ
}

} // namespace
} // namespace kuyu
