// SPDX-License-Identifier: GPL-3.0-or-later
// Page and preview arithmetic of printing, and the printed result table.

#include "core/printing/PrintLayout.h"
#include "core/printing/ResultTable.h"

#include <gtest/gtest.h>
#include <tuple>

namespace kuyu::printing {
namespace {

TEST(PaperLayout, EveryPaperAndOrientation) {
    struct Row {
        int code;
        int orientation;
        const char32_t* text;
        double twipsPerMm;
    };
    const Row rows[] = {
        {PaperA3, Landscape, U"A3、420 x 297 mm", 4455.0 / 420},
        {PaperA3, Portrait, U"A3、297 x 420 mm", 4455.0 / 420},
        {PaperA4, Portrait, U"A4、210 x 297 mm", 15},
        {PaperA4, Landscape, U"A4、297 x 210 mm", 15},
        {PaperA4Small, Portrait, U"A4 Small、210 x 297 mm", 15},
        {PaperA5, Landscape, U"A5、210 x 148 mm", 4455.0 / 210},
        {PaperB4, Portrait, U"B4、250 x 354 mm", 4455.0 / 354},
        {PaperB5, Portrait, U"B5、182 x 257 mm", 4455.0 / 257},
        // Unknown codes, and an orientation code that is not 2, lay out A4.
        {1, Landscape, U"A4で設定します", 15},
        {0, 7, U"A4で設定します", 15},
    };
    for (const Row& r : rows) {
        const PaperLayout p = paperLayout(r.code, r.orientation);
        EXPECT_EQ(p.text, r.text) << r.code;
        EXPECT_DOUBLE_EQ(p.twipsPerMm, r.twipsPerMm) << r.code;
        EXPECT_DOUBLE_EQ(p.previewScale, r.twipsPerMm / 56.7) << r.code;
    }
    EXPECT_NEAR(paperLayout(PaperA3, Landscape).twipsPerMm, 10.61, 0.005);
    EXPECT_EQ(sheetFor(Landscape), (SheetRect{50, 700, 4455, 3150}));
    EXPECT_EQ(sheetFor(Portrait), (SheetRect{700, 20, 3150, 4455}));
    EXPECT_EQ(sheetFor(0), sheetFor(Portrait));
}

TEST(FieldValue, ReadsTheLeadingNumber) {
    const std::pair<const char32_t*, double> rows[] = {
        {U"30", 30}, {U" 12.5", 12.5}, {U"2.5mm", 2.5}, {U"-5", -5}, {U"abc", 0},
        {U"", 0},    {U".5", 0.5},     {U"1e2", 100},   {U"2e", 2},  {U"1.2.3", 1.2},
        {U"+7", 7},  {U"-", 0},        {U"1e999", 0},
    };
    for (const auto& [text, value] : rows) {
        EXPECT_DOUBLE_EQ(fieldValue(text), value) << toUtf8(text);
    }
    EXPECT_EQ(committedValue(U"0.1", LargestPaperMm), 0.1);
    for (const char32_t* rejected : {U"0", U"-5", U"abc", U""}) {
        EXPECT_FALSE(committedValue(rejected, LargestPaperMm)) << toUtf8(rejected);
    }
}

TEST(FieldValue, NumbersBeyondTheLimitAreRefused) {
    const std::tuple<const char32_t*, double, bool> rows[] = {
        {U"420", LargestPaperMm, true},
        {U"420.5", LargestPaperMm, false},
        {U"99999999999999999999", LargestPaperMm, false},
        {U"1e30", 1e6, false},
        {U"4e8", cardZoomLimit(), false},
        // A limit worked out by division still takes its round number.
        {U"420", pictureLimits(1234, 567).widthMm, true},
    };
    for (const auto& [text, limit, taken] : rows) {
        EXPECT_EQ(committedValue(text, limit).has_value(), taken) << toUtf8(text);
    }
}

TEST(FieldValue, LimitsKeepEveryItemWithinTheLargestPaper) {
    // A picture 2835 x 1575 twips (50 x 27.8 mm at scale 1): its width may
    // grow to 420 mm, its height as far as that takes it.
    const PictureFields wide = pictureLimits(2835, 1575);
    EXPECT_DOUBLE_EQ(wide.widthMm, 420);
    EXPECT_DOUBLE_EQ(wide.scale, 8.4);
    EXPECT_DOUBLE_EQ(wide.heightMm, 1575 * 8.4 / 56.7);
    const PictureFields tall = pictureLimits(567, 5670);
    EXPECT_DOUBLE_EQ(tall.heightMm, 420);
    EXPECT_DOUBLE_EQ(tall.scale, 4.2);
    // No picture: a one-pixel picture's scale, and sizes up to the paper.
    const PictureFields none = pictureLimits(0, 0);
    EXPECT_DOUBLE_EQ(none.scale, 420 * 56.7 / 15);
    EXPECT_DOUBLE_EQ(none.widthMm, 420);
    EXPECT_DOUBLE_EQ(none.heightMm, 420);
    // The card at its largest scale is as high as A3 is long.
    EXPECT_DOUBLE_EQ(cardGeometry(0, 0, cardZoomLimit()).height(), 420 * 56.7);
    // A drop beyond the largest paper lands at its edge.
    EXPECT_EQ(dropMillimetres(1e9, 1), 420);
}

TEST(FieldValue, NumbersAreWrittenPlainly) {
    const std::pair<double, const char32_t*> rows[] = {
        {20, U"20"},
        {3000 / 56.7, U"52.91005"},
        {0, U"0"},
        {2.5, U"2.5"},
        {-5, U"-5"},
        {1234567.8, U"1234568"},
        // Very large and very small sizes: decimal digits, no exponent.
        {5.291005e31, U"52910050000000000000000000000000"},
        {1e7, U"10000000"},
        {0.00001, U"0.00001"},
        {0.000123456789, U"0.0001234568"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(plainNumber(value), text) << value;
    }
}

TEST(PreviewConversions, TypedWidthSetsScaleAndHeight) {
    // 40 mm for a picture 1134 twips (20 mm) wide is scale 2.
    const auto f = fieldsFromWidth(40, 1134, 567);
    ASSERT_TRUE(f);
    EXPECT_DOUBLE_EQ(f->scale, 2);
    EXPECT_DOUBLE_EQ(f->heightMm, 20);
    const auto h = fieldsFromHeight(30, 1134, 567);
    ASSERT_TRUE(h);
    EXPECT_DOUBLE_EQ(h->scale, 3);
    EXPECT_DOUBLE_EQ(h->widthMm, 60);
    const auto s = fieldsFromScale(1.5, 1134, 567);
    EXPECT_DOUBLE_EQ(s.widthMm, 30);
    EXPECT_DOUBLE_EQ(s.heightMm, 15);
    // A picture with no size gives nothing to divide by.
    EXPECT_FALSE(fieldsFromWidth(40, 0, 567));
    EXPECT_FALSE(fieldsFromHeight(40, 1134, 0));
}

TEST(PreviewConversions, DroppedPositionsInMillimetres) {
    const double a4 = paperLayout(PaperA4, Portrait).previewScale;
    EXPECT_EQ(dropMillimetres(0, a4), 1);
    EXPECT_EQ(dropMillimetres(14, a4), 1); // 15 preview twips per mm on A4
    EXPECT_EQ(dropMillimetres(450, a4), 31);
    // Left of the sheet's edge still lands on paper.
    EXPECT_EQ(dropMillimetres(-200, a4), 1);
    EXPECT_EQ(dropMillimetres(100, 0), 1);
}

TEST(CardGeometry, ScaleOneAndTwo) {
    const CardGeometry c = cardGeometry(100 * TwipsPerMm, 30 * TwipsPerMm, 1);
    EXPECT_DOUBLE_EQ(c.width, 1800);
    EXPECT_DOUBLE_EQ(c.height(), 3960);
    EXPECT_DOUBLE_EQ(c.rowHeight, 360);
    EXPECT_DOUBLE_EQ(c.captionX() - c.x0, 54);
    EXPECT_DOUBLE_EQ(c.textY(1) - (c.y0 + c.rowHeight), 72);
    EXPECT_DOUBLE_EQ(c.valueX() - c.x0, 900);
    EXPECT_DOUBLE_EQ(c.dividerX() - c.x0, 828);
    EXPECT_DOUBLE_EQ(cardFontPoints(c.rowHeight), 12);
    const CardGeometry big = cardGeometry(0, 0, 2);
    EXPECT_DOUBLE_EQ(big.height(), 7920);
    EXPECT_DOUBLE_EQ(cardFontPoints(big.rowHeight), 24);
}

TEST(PreviewSizing, CornersAndMinimums) {
    struct Row {
        PreviewSize got;
        double width, height;
    };
    const Row rows[] = {
        {sizePicturePreview(400, 340), 200, 340},
        {sizePicturePreview(100, 900), 100, 170},
        {sizePicturePreview(400, 170), 100, 170},
        {sizeCloseUpPreview(500, 200, 1.5), 300, 200},
        {sizeCloseUpPreview(500, 100, 1.5), 150, 100},
        {sizeCloseUpPreview(120, 300, 1.5), 150, 100},
        {sizeCardPreview(300, 440), 200, 440},
        {sizeCardPreview(100, 440), 100, 220},
        {sizeCardPreview(300, 220), 100, 220},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(r.got.width, r.width);
        EXPECT_DOUBLE_EQ(r.got.height, r.height);
    }
}

TEST(ClassicPalette, CardColours) {
    EXPECT_EQ(classicColour(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(classicColour(2), (Rgb{0, 128, 0}));
    EXPECT_EQ(classicColour(4), (Rgb{128, 0, 0}));
    EXPECT_EQ(classicColour(13), (Rgb{255, 0, 255}));
    EXPECT_EQ(classicColour(15), (Rgb{255, 255, 255}));
}

// --- the printed result table ---

AppState tableState() {
    AppState s;
    for (int k = 1; k <= ClassCategory; ++k) {
        s.OptionLabel[k][0] = U"C" + decimal(k);
        for (int v = 1; v <= 9; ++v) {
            s.OptionLabel[k][v] = U"L" + decimal(k) + U"." + decimal(v);
        }
    }
    return s;
}

void addPlant(AppState& s, const Text& name, const Text& family, const Text& code, int score) {
    const int row = ++s.PlantCount;
    s.PlantName[row] = name;
    s.PlantFamily[row] = family;
    s.PlantCode[row] = code;
    s.MatchScore[row] = static_cast<std::int16_t>(score);
}

std::vector<Text> texts(const PrintLine& line) {
    std::vector<Text> out;
    for (const PrintItem& i : line) {
        out.push_back(decimal(i.column) + U":" + i.text);
    }
    return out;
}

TEST(ResultTable, HeaderBlockAndClosingLine) {
    AppState s = tableState();
    // No plants at all: the header block alone, no closing line.
    auto lines = SearchResultLines(s, false);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].empty());
    EXPECT_TRUE(lines[2].empty());
    const std::vector<Text> header{U"7:植物名", U"22:科名", U"36:C1",  U"43:C2", U"50:C3",
                                   U"56:C4",    U"63:C5",   U"70:C6",  U"76:C7", U"83:C8",
                                   U"89:C9",    U"96:C10",  U"104:C11"};
    EXPECT_EQ(texts(lines[1]), header);

    // Every score 2 or more: the header block and "none".
    const Text code(30, U'1');
    addPlant(s, U"ｱ", U"ｷｸ", code, 2);
    addPlant(s, U"ｲ", U"ｷｸ", code, 5);
    lines = SearchResultLines(s, false);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(texts(lines[3]), std::vector<Text>{U"7:該当する植物はありません"});

    // A printed row before a skipped last row still closes with "以上です".
    s.MatchScore[1] = 0;
    lines = SearchResultLines(s, false);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3][0], (PrintItem{7, U"ｱ"}));
    EXPECT_TRUE(lines[4].empty());
    EXPECT_EQ(texts(lines[5]), std::vector<Text>{U"7:以上です"});
}

TEST(ResultTable, PlantLinesWithMarksAndSecondaryRows) {
    AppState s = tableState();
    // Category 3: primary "H" (value list 21 = "2"), secondary "J" in
    // category 1 (value list 27 = "4"); classification "0".
    Text code(30, U'1');
    code[5 - 1] = U'J'; // secondary code of category 3 is character 5
    code[6 - 1] = U'H'; // primary code of category 3
    code[1 - 1] = U'J'; // secondary code of category 1
    code[21 - 1] = U'2';
    code[27 - 1] = U'4';
    code[30 - 1] = U'0';
    addPlant(s, U"ｽﾐﾚ", U"ｽﾐﾚ", code, 0);
    addPlant(s, U"ﾂﾎﾞｽﾐﾚ", U"ｽﾐﾚ", Text(30, U'2'), 1);
    addPlant(s, U"ﾅｽﾞﾅ", U"ｱﾌﾞﾗﾅ", Text(30, U'3'), 3);

    const auto lines = SearchResultLines(s, true);
    // header block, (line, AI line, blank) x 2, closing line
    ASSERT_EQ(lines.size(), 10u);
    const PrintLine& first = lines[3];
    ASSERT_EQ(first.size(), 13u);
    EXPECT_EQ(first[0], (PrintItem{7, U"ｽﾐﾚ"}));
    EXPECT_EQ(first[1], (PrintItem{22, U"(ｽﾐﾚ)科"}));
    EXPECT_EQ(first[2 + 2], (PrintItem{50, U"L3.2*"}));
    EXPECT_EQ(first[12], (PrintItem{104, U"C11"}));
    const PrintLine& ai = lines[4];
    ASSERT_EQ(ai.size(), 11u);
    EXPECT_EQ(ai[0], (PrintItem{22, U"AI"}));
    EXPECT_EQ(ai[1], (PrintItem{36, U"L1.4+"}));
    EXPECT_EQ(ai[3], (PrintItem{50, U"L3.4+"}));
    EXPECT_EQ(ai[10], (PrintItem{96, U"L10.1"}));
    EXPECT_TRUE(lines[5].empty());
    // A near match: "*" at column 6 right before the name.
    EXPECT_EQ(lines[6][0], (PrintItem{6, U"*ﾂﾎﾞｽﾐﾚ"}));
    EXPECT_EQ(texts(lines[9]), std::vector<Text>{U"7:以上です"});
    // Without secondary rows there are no AI lines.
    EXPECT_EQ(SearchResultLines(s, false).size(), 8u);
}

} // namespace
} // namespace kuyu::printing
