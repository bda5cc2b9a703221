// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/printing/PrintLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kuyu::printing {

SheetRect sheetFor(int orientation) {
    if (orientation == Landscape) {
        return {50, 700, SheetLongSide, SheetShortSide};
    }
    return {700, 20, SheetShortSide, SheetLongSide};
}

namespace {

struct Paper {
    int code;
    const char32_t* name;
    int shortMm;
    int longMm;
};

constexpr std::array<Paper, 6> Papers{{
    {PaperA3, U"A3", 297, 420},
    {PaperA4, U"A4", 210, 297},
    {PaperA4Small, U"A4 Small", 210, 297},
    {PaperA5, U"A5", 148, 210},
    {PaperB4, U"B4", 250, 354},
    {PaperB5, U"B5", 182, 257},
}};

} // namespace

PaperLayout paperLayout(int paperCode, int orientation) {
    PaperLayout layout;
    const Paper* paper = nullptr;
    for (const Paper& p : Papers) {
        if (p.code == paperCode) {
            paper = &p;
        }
    }
    if (paper) {
        // Width x height of the sheet as it lies: a landscape sheet is wide.
        const bool landscape = orientation == Landscape;
        const int w = landscape ? paper->longMm : paper->shortMm;
        const int h = landscape ? paper->shortMm : paper->longMm;
        layout.text = Text(paper->name) + U"、" + decimal(w) + U" x " + decimal(h) + U" mm";
        layout.longSideMm = paper->longMm;
    } else {
        layout.text = U"A4で設定します";
        layout.longSideMm = 297;
    }
    layout.twipsPerMm = SheetLongSide / layout.longSideMm;
    layout.previewScale = layout.twipsPerMm / TwipsPerMm;
    return layout;
}

double fieldValue(TextView text) {
    std::size_t i = 0;
    const auto blank = [](char32_t c) { return c == U' ' || c == U'\t' || c == U'　'; };
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == U'+' || text[i] == U'-')) {
        number += static_cast<char>(text[i++]);
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c >= U'0' && c <= U'9') {
            number += static_cast<char>(c);
            digits = true;
        } else if (c == U'.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0;
    }
    // An exponent counts only when digits follow it ("2e" is 2).
    if (i + 1 < text.size() && (text[i] == U'e' || text[i] == U'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == U'+' || text[j] == U'-') {
            exponent += static_cast<char>(text[j++]);
        }
        const std::size_t firstDigit = j;
        while (j < text.size() && text[j] >= U'0' && text[j] <= U'9' && j - firstDigit < 4) {
            exponent += static_cast<char>(text[j++]);
        }
        if (j > firstDigit) {
            number += exponent;
        }
    }
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

std::optional<double> committedValue(TextView text, double limit) {
    const double v = fieldValue(text);
    // A limit worked out in floating point may fall a hair short of the
    // round number it stands for ("420" for a 420 mm limit).
    if (v > 0 && v <= limit * (1 + 1e-9)) {
        return v;
    }
    return std::nullopt;
}

Text plainNumber(double value) {
    if (!std::isfinite(value)) {
        return U"0";
    }
    // Seven significant digits ("d.dddddde±x"), then written out without an
    // exponent: the digits shifted by it, padded with zeros.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6e", value);
    const std::string e(buffer);
    const std::size_t mark = e.find('e');
    const bool negative = e[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < mark; ++i) {
        if (e[i] != '.') {
            digits += e[i];
        }
    }
    const int exponent = std::atoi(e.c_str() + mark + 1);
    std::string out;
    if (exponent >= 6) {
        out = digits + std::string(static_cast<std::size_t>(exponent - 6), '0');
    } else if (exponent >= 0) {
        out = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + '.' +
              digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0') {
            out.pop_back();
        }
        if (out.back() == '.') {
            out.pop_back();
        }
    }
    if (out == "0") {
        return U"0";
    }
    return fromUtf8(negative ? "-" + out : out);
}

int dropMillimetres(double previewTwips, double previewScale) {
    if (previewScale <= 0) {
        return 1;
    }
    // The scale is kept in single precision: a whole millimetre must not read
    // as the one below it.
    const double mm = std::floor(previewTwips / TwipsPerMm / previewScale + 1e-4) + 1;
    if (!(mm >= 1)) {
        return 1;
    }
    return mm > LargestPaperMm ? static_cast<int>(LargestPaperMm) : static_cast<int>(mm);
}

PictureFields fieldsFromScale(double scale, double wTwips, double hTwips) {
    return {scale, wTwips * scale / TwipsPerMm, hTwips * scale / TwipsPerMm};
}

std::optional<PictureFields> fieldsFromWidth(double widthMm, double wTwips, double hTwips) {
    if (wTwips <= 0) {
        return std::nullopt;
    }
    return fieldsFromScale(widthMm / (wTwips / TwipsPerMm), wTwips, hTwips);
}

std::optional<PictureFields> fieldsFromHeight(double heightMm, double wTwips, double hTwips) {
    if (hTwips <= 0) {
        return std::nullopt;
    }
    return fieldsFromScale(heightMm / (hTwips / TwipsPerMm), wTwips, hTwips);
}

namespace {
// The card's width at scale 1, twips; it is 2.2 times as high.
constexpr double CardWidth = 1800;
} // namespace

PictureFields pictureLimits(double wTwips, double hTwips) {
    // One pixel of the picture windows, twips.
    constexpr double OnePixel = 15;
    const double longer = std::max({wTwips, hTwips, OnePixel});
    PictureFields most = fieldsFromScale(LargestPaperMm * TwipsPerMm / longer, wTwips, hTwips);
    if (wTwips <= 0) {
        most.widthMm = LargestPaperMm;
    }
    if (hTwips <= 0) {
        most.heightMm = LargestPaperMm;
    }
    return most;
}

CardGeometry cardGeometry(double x0, double y0, double zoom) {
    return {x0, y0, CardWidth * zoom, CardWidth * zoom * 2.2 / 11};
}

double cardZoomOfWidth(double width) {
    return width / CardWidth;
}

double cardZoomLimit() {
    return LargestPaperMm * TwipsPerMm / cardGeometry(0, 0, 1).height();
}

double cardFontPoints(double rowHeight) {
    return rowHeight / 15 * 0.5;
}

PreviewSize sizePicturePreview(double x, double y) {
    if (x <= 100 || y <= 170) {
        return {100, 170};
    }
    return {y * 200 / 340, y};
}

PreviewSize sizeCloseUpPreview(double x, double y, double widthToHeight) {
    const double ratio = widthToHeight > 0 ? widthToHeight : 1;
    if (y <= 100 || x <= 100 * ratio) {
        return {100 * ratio, 100};
    }
    return {y * ratio, y};
}

PreviewSize sizeCardPreview(double x, double y) {
    if (x <= 100 || y <= 220) {
        return {100, 220};
    }
    return {y / 2.2, y};
}

Rgb classicColour(int n) {
    static constexpr std::array<Rgb, 16> palette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    return palette[static_cast<std::size_t>(n & 15)];
}

} // namespace kuyu::printing
