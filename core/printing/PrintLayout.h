// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of printed pages and of the print settings dialog's sheet
// preview: millimetres and twips, the paper table, field values as the user
// types them, the features card's geometry and the preview sizing rules.

#include "core/text/Colour.h"
#include "core/text/Text.h"

#include <optional>

namespace kuyu::printing {

// Positions on paper are millimetres, turned into twips with this factor
// everywhere (not 1440 / 25.4), so a page prints where it always did.
constexpr double TwipsPerMm = 56.7;

// Printer orientation codes; anything but Landscape is laid out as portrait.
constexpr int Portrait = 1;
constexpr int Landscape = 2;

// Paper codes the sheet preview knows.
constexpr int PaperA3 = 8;
constexpr int PaperA4 = 9;
constexpr int PaperA4Small = 10;
constexpr int PaperA5 = 11;
constexpr int PaperB4 = 12;
constexpr int PaperB5 = 13;

// The sheet in the preview area, preview twips.
struct SheetRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const SheetRect&) const = default;
};
// The long side of the paper always spans 4455 preview twips.
constexpr int SheetLongSide = 4455;
constexpr int SheetShortSide = 3150;
SheetRect sheetFor(int orientation);

struct PaperLayout {
    Text text;               // what the dialog shows beside 印刷可能範囲
    double longSideMm = 0;   // of the paper laid out (A4 for unknown codes)
    double twipsPerMm = 0;   // preview twips per millimetre of paper
    double previewScale = 0; // preview twips per page twip
};
PaperLayout paperLayout(int paperCode, int orientation);

// The largest paper laid out (A3) is 420 mm long: a position beyond it lies
// on no paper, and an item larger than it fits on none.
constexpr double LargestPaperMm = 420;

// A field's text read as a decimal number: leading blanks, a sign, digits, a
// decimal point and an exponent; 0 when it does not start with a number.
double fieldValue(TextView text);
// The value a numeric field commits: only numbers above 0 and at most
// `limit` are taken.
std::optional<double> committedValue(TextView text, double limit);
// A number as the fields show it: up to seven significant digits, no
// trailing zeros, never an exponent ("20", "52.91005", "0.00001").
Text plainNumber(double value);

// Millimetres of a dropped preview position: whole millimetres + 1, never
// less than 1 so an item dropped against the sheet's edge stays on paper.
int dropMillimetres(double previewTwips, double previewScale);

// Scale, printed width and height (mm) of a picture whose size on screen is
// wTwips x hTwips, from whichever of the three the user typed.
struct PictureFields {
    double scale = 0;
    double widthMm = 0;
    double heightMm = 0;
};
PictureFields fieldsFromScale(double scale, double wTwips, double hTwips);
// nullopt when the picture has no width (or height) to divide by.
std::optional<PictureFields> fieldsFromWidth(double widthMm, double wTwips, double hTwips);
std::optional<PictureFields> fieldsFromHeight(double heightMm, double wTwips, double hTwips);
// The largest scale, printed width and height a picture takes: its longer
// side as long as the largest paper. A picture with no size counts as one
// pixel, so a scale kept for the next plant still prints.
PictureFields pictureLimits(double wTwips, double hTwips);

// The features card: a frame of 11 rows, the classification on top and one
// row per category, captions left of the divider and values right of it.
struct CardGeometry {
    double x0 = 0;
    double y0 = 0;
    double width = 0;
    double rowHeight = 0;
    double height() const { return rowHeight * 11; }
    double dividerX() const { return x0 + width * 2.3 / 5; }
    double captionX() const { return x0 + width * 0.03; }
    double valueX() const { return x0 + width * 2.5 / 5; }
    double textY(int row) const { return y0 + rowHeight * (row + 0.2); }
};
// At (x0, y0) twips with scale z: 1800 z wide, 3960 z high.
CardGeometry cardGeometry(double x0, double y0, double zoom);
// The scale of a card `width` twips wide.
double cardZoomOfWidth(double width);
// The largest card scale: the card as high as the largest paper is long.
double cardZoomLimit();
// The card's font: half a row, in screen pixels of 15 twips, as points.
double cardFontPoints(double rowHeight);

// Sizing a preview item by its lower-right corner: the new size for the
// pointer at (x, y) inside the item, preview twips.
struct PreviewSize {
    double width = 0;
    double height = 0;
};
// The size of the corner square that starts sizing.
constexpr double SizingCorner = 50;
PreviewSize sizePicturePreview(double x, double y);
PreviewSize sizeCloseUpPreview(double x, double y, double widthToHeight);
PreviewSize sizeCardPreview(double x, double y);

// A colour of the classic 16-colour palette (0 black .. 15 white).
Rgb classicColour(int n);

} // namespace kuyu::printing
