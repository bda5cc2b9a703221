// SPDX-License-Identifier: GPL-3.0-or-later
// The record writer against the field reader: whatever the writer writes,
// the reader reads back as it was, on hand-picked fields and on random
// tables full of commas, quotes, blanks and line ends.

#include "core/editor/RecordWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace kuyu::editor {
namespace {

TEST(RecordWriter, QuotesOnlyWhereTheReaderNeedsIt) {
    struct Case {
        const char* what;
        Text value;
        std::optional<Text> written;
    };
    const std::vector<Case> cases{
        {"plain", U"ｽﾐﾚ", U"ｽﾐﾚ"},
        {"empty", U"", U""},
        {"comma", U"ｽﾐﾚ,ｽﾐﾚ", U"\"ｽﾐﾚ,ｽﾐﾚ\""},
        {"leading blank", U" ｽﾐﾚ", U"\" ｽﾐﾚ\""},
        {"blanks only", U"  ", U"\"  \""},
        {"trailing blank is data", U"ｽﾐﾚ ", U"ｽﾐﾚ "},
        {"line end", U"a\r\nb", U"\"a\r\nb\""},
        {"lone LF", U"a\nb", U"\"a\nb\""},
        {"quote inside a bare field", U"a\"b", U"a\"b"},
        {"tab is data", U"\tx", U"\tx"},
        {"quote at the start", U"\"a", std::nullopt},
        {"quote with a comma", U"a\",b", std::nullopt},
        {"quote after a leading blank", U" a\"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WriteField(c.value), c.written);
        EXPECT_EQ(FieldProblem(c.value).empty(), c.written.has_value());
    }
}

TEST(RecordWriter, RefusesCharactersCp932CannotHold) {
    EXPECT_TRUE(FieldProblem(U"ｽﾐﾚ科").empty());
    EXPECT_FALSE(FieldProblem(U"ｽﾐﾚ\U0001F338").empty());
    EXPECT_NE(FieldProblem(U"\u00e9").find(U"\u00e9"), Text::npos);
}

TEST(RecordWriter, KeepsTheFilesLineEnds) {
    struct Case {
        const char* what;
        Text text;
        FileLayout layout;
    };
    const std::vector<Case> cases{
        {"CR LF", U"a,b\r\nc,d\r\n", {LineEnd::CrLf, true}},
        {"LF", U"a,b\nc,d\n", {LineEnd::Lf, true}},
        {"CR", U"a,b\rc,d\r", {LineEnd::Cr, true}},
        {"no final line end", U"a,b\r\nc,d", {LineEnd::CrLf, false}},
        {"empty file", U"", {LineEnd::CrLf, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LayoutOf(c.text), c.layout);
        const auto records = ReadRecords(c.text, 2);
        EXPECT_EQ(WriteRecords(records, LayoutOf(c.text)), c.text);
    }
}

TEST(RecordWriter, EmptyLastFieldKeepsItsLineEnd) {
    // Without a line end the reader would find the end of the file where the
    // last field should be.
    const std::vector<Record> records{{U"a", U""}};
    const auto text = WriteRecords(records, {LineEnd::CrLf, false});
    ASSERT_TRUE(text);
    EXPECT_EQ(ReadRecords(*text, 2), records);
}

Text randomField(std::mt19937& rng) {
    static const std::vector<Text> pieces{U"ｽﾐﾚ", U",",  U" ",  U"\"", U"\r\n", U"\n",
                                          U"\r",  U"科", U"ｶﾞ", U"0",  U"X",    U"\t"};
    std::uniform_int_distribution<int> len(0, 6);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    Text out;
    for (int n = len(rng); n > 0; --n) {
        out += pieces[pick(rng)];
    }
    return out;
}

TEST(RecordWriter, RandomTablesReadBackAsWritten) {
    std::mt19937 rng(20261209);
    const std::vector<FileLayout> layouts{
        {LineEnd::CrLf, true}, {LineEnd::Lf, true}, {LineEnd::Cr, false}};
    for (int round = 0; round < 20; ++round) {
        std::vector<Record> records;
        const int count = round == 0 ? 2000 : round * 7;
        for (int i = 0; i < count; ++i) {
            Record r;
            for (int f = 0; f < 3; ++f) {
                Text v = randomField(rng);
                while (!WriteField(v)) {
                    v = randomField(rng);
                }
                r.push_back(v);
            }
            records.push_back(std::move(r));
        }
        for (const FileLayout& layout : layouts) {
            const auto text = WriteRecords(records, layout);
            ASSERT_TRUE(text);
            ASSERT_EQ(ReadRecords(*text, 3), records) << "round " << round;
        }
    }
}

} // namespace
} // namespace kuyu::editor
