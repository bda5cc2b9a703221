// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/Text.h"

#include <gtest/gtest.h>

using namespace kuyu;

TEST(Text, Cp932RoundTripKeepsHalfWidthKatakanaAndKanji) {
    const Text original = U"ｽﾐﾚ 花の色 ＡＩ ﾌｧｼﾞｨｰ ～";
    const auto bytes = encodeCp932(original);
    ASSERT_TRUE(bytes.has_value());
    // Half-width katakana are single bytes in CP932: ｽ ﾐ ﾚ.
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xBD);
    EXPECT_EQ(decodeCp932(*bytes), original);
}

TEST(Text, SingleByteFastPathAgreesWithTheCodePage) {
    // ソ and 表 end in 0x5C, the byte of "\\": it must stay inside its character.
    EXPECT_EQ(decodeCp932("\x83\x5C\x95\x5C,\xBD"), U"ソ表,ｽ");
    for (int b = 0xA1; b <= 0xDF; ++b) {
        EXPECT_EQ(decodeCp932(std::string(1, static_cast<char>(b))), Text(1, 0xFF61 + (b - 0xA1)));
    }
    // Mixed runs: ASCII, half-width, double-byte, half-width again.
    const Text mixed = U"ﾀﾁﾂﾎﾞｽﾐﾚ,立坪菫ｽﾐﾚ\r\n花の色ABC";
    EXPECT_EQ(decodeCp932(*encodeCp932(mixed)), mixed);
}

TEST(Text, BrokenBytesBecomeReplacementCharactersNotCrashes) {
    const std::string bytes = "A\x82"; // lead byte with no trail
    EXPECT_EQ(decodeCp932(bytes), U"A\uFFFD");
    EXPECT_EQ(fromUtf8("\xE3\x81"), U"\uFFFD\uFFFD");
    EXPECT_FALSE(encodeCp932(U"\U0001F33C").has_value()); // no CP932 form
}

// Each row: a character, and the form a CP932 file holds it in (the same
// when it holds it as it is, 0 when it cannot hold it at all).
TEST(Text, CharactersAreBroughtIntoTheFormsCp932Holds) {
    struct Row {
        char32_t typed;
        char32_t held;
    };
    const Row rows[] = {
        {U'\u301C', U'\uFF5E'}, // 〜 as a Linux input method types it
        {U'\u2016', U'\u2225'}, // ‖
        {U'\u2212', U'\uFF0D'}, // −
        {U'\u2014', U'\u2015'}, // —
        {U'\u00A2', U'\uFFE0'}, // ¢
        {U'\u00A3', U'\uFFE1'}, // £
        {U'\u00AC', U'\uFFE2'}, // ¬
        {U'\uFF5E', U'\uFF5E'}, // ～ already in the file's form
        {U'花', U'花'},         {U'ｽ', U'ｽ'},
        {U'A', U'A'},           {U'\u00A5', 0}, // ¥: CP932 has only the backslash for it
        {U'\u203E', 0},                         // ‾: only the tilde
        {U'\u00E9', 0},                         // é: not at all
        {U'\U0001F338', 0},                     // an emoji
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(toUtf8(Text(1, r.typed)));
        const Text typed(1, r.typed);
        const Text brought = toCp932Forms(U"4" + typed + U"5");
        if (r.held == 0) {
            EXPECT_EQ(brought, U"4" + typed + U"5");
            EXPECT_EQ(firstCharNotInCp932(brought), r.typed);
            continue;
        }
        EXPECT_EQ(brought, U"4" + Text(1, r.held) + U"5");
        EXPECT_EQ(firstCharNotInCp932(brought), std::nullopt);
        const auto bytes = encodeCp932(brought);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(decodeCp932(*bytes), brought);
        if (r.held != r.typed) {
            // The typed form is what the check stops on.
            EXPECT_EQ(firstCharNotInCp932(U"ab" + typed), r.typed);
        }
    }
}

TEST(Text, ByteOrderMarkSelectsUtf8) {
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF\xE8\x8A\xB1"), U"花");
    EXPECT_EQ(decodeFileText("\x89\xD4"), U"花"); // CP932
}

TEST(Text, MidLeftRightClampLikeTheOldStringFunctions) {
    EXPECT_EQ(mid(U"abcdef", 3, 2), U"cd");
    EXPECT_EQ(mid(U"abc", 7, 2), U"");
    EXPECT_EQ(left(U"ab", 5), U"ab");
    EXPECT_EQ(right(U"abcdef", 2), U"ef");
    EXPECT_EQ(numberWithSign(7), U" 7");
    EXPECT_EQ(numberWithSign(-3), U"-3");
}
