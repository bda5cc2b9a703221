// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Errors.h"
#include "core/database/Database.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kuyu;

namespace {

// Reads every field up to the end (ignoring record boundaries).
std::vector<Text> allFields(const Text& content) {
    FieldReader in(content);
    std::vector<Text> out;
    while (!in.atEnd()) {
        out.push_back(in.readField());
    }
    return out;
}

int errorOf(FieldReader& in) {
    try {
        in.readField();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(FieldReader, CommasAndEveryKindOfLineEndSeparateFields) {
    // CR LF, a lone CR (old Macintosh editors) and a lone LF (Linux) all end a
    // line, and a line end may stand where a comma would.
    EXPECT_EQ(allFields(U"a,b,c\r\nd,e,f"),
              (std::vector<Text>{U"a", U"b", U"c", U"d", U"e", U"f"}));
    EXPECT_EQ(allFields(U"a,b,c\rd\ne\r\nf\n"),
              (std::vector<Text>{U"a", U"b", U"c", U"d", U"e", U"f"}));
    // CR LF is one line end, not two: no empty field between them.
    EXPECT_EQ(allFields(U"x\r\ny"), (std::vector<Text>{U"x", U"y"}));
    // LF CR is two line ends, hence an empty field in between.
    EXPECT_EQ(allFields(U"x\n\ry"), (std::vector<Text>{U"x", U"", U"y"}));
    // Empty fields between separators are kept.
    EXPECT_EQ(allFields(U"a,,b,\r\nc"), (std::vector<Text>{U"a", U"", U"b", U"", U"c"}));
}

TEST(FieldReader, LeadingBlanksAreSkippedButInnerAndTrailingOnesAreData) {
    EXPECT_EQ(allFields(U"   ｽﾐﾚ,  ﾀﾝﾎﾟﾎﾟ ,ｷｸ  ｶ"),
              (std::vector<Text>{U"ｽﾐﾚ", U"ﾀﾝﾎﾟﾎﾟ ", U"ｷｸ  ｶ"}));
    // Only blanks are skipped: a tab is data.
    EXPECT_EQ(allFields(U" \tx"), (std::vector<Text>{U"\tx"}));
    // A full-width blank is a character of the name, not a separator blank.
    EXPECT_EQ(allFields(U"\u3000ｽﾐﾚ"), (std::vector<Text>{U"\u3000ｽﾐﾚ"}));
}

TEST(FieldReader, DoubleQuotesProtectCommasBlanksAndLineEnds) {
    EXPECT_EQ(allFields(U"\"ｽﾐﾚ,ﾀﾁﾂﾎﾞ\",code,fam"),
              (std::vector<Text>{U"ｽﾐﾚ,ﾀﾁﾂﾎﾞ", U"code", U"fam"}));
    EXPECT_EQ(allFields(U"  \"  a b  \"\r\n\"x\r\ny\""),
              (std::vector<Text>{U"  a b  ", U"x\r\ny"}));
    // Text between the closing quote and the separator is dropped.
    EXPECT_EQ(allFields(U"\"ab\"cd,e"), (std::vector<Text>{U"ab", U"e"}));
    // A quote inside an unquoted field is data.
    EXPECT_EQ(allFields(U"a\"b,c"), (std::vector<Text>{U"a\"b", U"c"}));
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(allFields(U"\"abc,def"), (std::vector<Text>{U"abc,def"}));
}

TEST(FieldReader, EndIsSeenOnlyAfterTheLastSeparatorAndReadingPastItIsError62) {
    FieldReader in(U"a,b\r\n");
    EXPECT_FALSE(in.atEnd());
    EXPECT_EQ(in.readField(), U"a");
    EXPECT_EQ(in.readField(), U"b");
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(errorOf(in), err::InputPastEnd);

    // A trailing blank line is not the end: it reads as one empty field, and
    // the record it starts cannot be completed.
    FieldReader blankLine(U"a\r\n\r\n");
    EXPECT_EQ(blankLine.readField(), U"a");
    EXPECT_FALSE(blankLine.atEnd());
    EXPECT_EQ(blankLine.readField(), U"");
    EXPECT_TRUE(blankLine.atEnd());
    EXPECT_EQ(errorOf(blankLine), err::InputPastEnd);

    FieldReader empty(U"");
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(errorOf(empty), err::InputPastEnd);
}
