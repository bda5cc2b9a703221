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
