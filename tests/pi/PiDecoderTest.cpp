// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder against streams assembled here bit by bit from the format's
// rules (so that it cannot share a misreading with our encoder), against
// broken and hostile input, and in round trips through the encoder.

#include "pi/PiDecoder.h"
#include "core/Errors.h"
#include "core/files/Files.h"
#include "core/images/PiFile.h"
#include "pi/PiEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <unistd.h>

using namespace kuyu;
using namespace kuyu::pi;

namespace {

// "1010 0011" -> bytes, most significant bit first, zero padded.
std::string bitsToBytes(std::string_view bits) {
    std::string out;
    int n = 0;
    unsigned acc = 0;
    for (char c : bits) {
        if (c != '0' && c != '1') {
            continue;
        }
        acc = (acc << 1) | (c == '1');
        if (++n == 8) {
            out.push_back(static_cast<char>(acc));
            n = 0;
            acc = 0;
        }
    }
    if (n) {
        out.push_back(static_cast<char>(acc << (8 - n)));
    }
    return out;
}

std::string hex(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) {
        s.push_back(static_cast<char>(b));
    }
    return s;
}

struct Header {
    int planes = 4;
    int width = 1;
    int height = 1;
    bool storePalette = true;
    std::string comment;
    std::string hidden;
    std::string extension;
    int aspectN = 0;
    int aspectM = 0;
    std::string saver = "TEST";
};

// Header and palette written from the field table; the palette is grey,
// entry i = i * 0x10 (16 colours) or i (256 colours).
std::string header(const Header& h) {
    std::string s = "Pi" + h.comment + "\x1A" + h.hidden + std::string(1, '\0');
    s.push_back(static_cast<char>(h.storePalette ? 0x00 : 0x80));
    s.push_back(static_cast<char>(h.aspectN));
    s.push_back(static_cast<char>(h.aspectM));
    s.push_back(static_cast<char>(h.planes));
    s += h.saver;
    s += hex({int(h.extension.size() >> 8), int(h.extension.size() & 0xFF)});
    s += h.extension;
    s += hex({h.width >> 8, h.width & 0xFF, h.height >> 8, h.height & 0xFF});
    if (h.storePalette && h.planes <= 8) { // no palette after broken planes
        for (int i = 0; i < (1 << h.planes); ++i) {
            const int level = h.planes == 4 ? i * 0x10 : i;
            s += hex({level, level, level});
        }
    }
    return s;
}

std::vector<int> pixels(const PiPicture& p) {
    std::vector<int> v;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            v.push_back(p.indexAt(x, y));
        }
    }
    return v;
}

PiImage makeImage(int width, int height, int planes, std::uint32_t seed, int style) {
    PiImage img;
    img.width = width;
    img.height = height;
    img.planes = planes;
    const int colours = 1 << planes;
    std::mt19937 rng(seed);
    img.indexes.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int c = 0;
            switch (style) {
            case 0: // runs
                c = ((x / 7) + (y / 3)) % 3;
                break;
            case 1: // gradient with an edge
                c = (x * colours / (width + 1) + (x > width / 2 ? 3 : 0)) % colours;
                break;
            case 2: // noise
                c = static_cast<int>(rng() % colours);
                break;
            default: // gradient plus light noise
                c = (x + y + static_cast<int>(rng() % 3)) % colours;
            }
            img.indexes[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(c);
        }
    }
    return img;
}

} // namespace

TEST(PiHandBuilt, WorkedVectorsDecode) {
    // A: 4 x 2 of colour 0 with a grey palette, exactly 72 bytes.
    Header h;
    h.width = 4;
    h.height = 2;
    const std::string a = header(h) + hex({0xA3, 0, 0, 0, 0, 0});
    ASSERT_EQ(a.size(), 72u);
    const PiPicture pa = decodePi(a);
    ASSERT_EQ(pa.error(), PiError::None);
    EXPECT_EQ(pa.width(), 4);
    EXPECT_EQ(pa.height(), 2);
    EXPECT_EQ(pixels(pa), std::vector<int>(8, 0));
    EXPECT_EQ(pa.piInfo().saver, "TEST");

    // B: 4000 x 3000 of colour 5 in 77 bytes; one 22-bit length code.
    h.width = 4000;
    h.height = 3000;
    const std::string b = header(h) + hex({0x6E, 0x3F, 0xFF, 0xFF, 0x37, 0x1B, 0, 0, 0, 0, 0});
    ASSERT_EQ(b.size(), 77u);
    const PiPicture pb = decodePi(b);
    ASSERT_EQ(pb.error(), PiError::None);
    ASSERT_EQ(pb.stride(), 2000u);
    ASSERT_EQ(pb.byteCount(), 2000u * 3000u);
    const std::uint8_t* bits = pb.bits();
    EXPECT_TRUE(std::all_of(bits, bits + pb.byteCount(), [](std::uint8_t v) { return v == 0x55; }));
}

TEST(PiHandBuilt, LiteralRunsAndMoveToFront) {
    Header h;
    h.width = 6;
    // c0 = 5 (row 0, k 11), c1 = 5 (k 0), position 0 length 1 -> 5 5, then
    // position 0 again: literal 8 (row 5, k 13), 5 (row 8, k 3), continue,
    // 7 (row 5 after moving 8 to the front: k 14), 5 (row 7, k 2). The
    // picture ends with the 32nd bit: reading a continuation bit or any
    // trailer would run past the stream.
    std::string s = header(h) + bitsToBytes("011011 10 00 0 00 011101 001 1 011110 000");
    PiPicture p = decodePi(s);
    ASSERT_EQ(p.error(), PiError::None);
    EXPECT_EQ(pixels(p), (std::vector<int>{5, 5, 8, 5, 7, 5}));

    // Odd pixel count: the last literal pair has one pixel; colour 3 sits at
    // k 13 of row 0.
    h.width = 3;
    p = decodePi(header(h) + bitsToBytes("10 10 00 0 00 011101"));
    ASSERT_EQ(p.error(), PiError::None);
    EXPECT_EQ(pixels(p), (std::vector<int>{0, 0, 3}));

    // 256 colours: position 1 copies from the virtual line; 200 sits at k 56
    // of row 0 (011110 + 5 bits), then at k 0 of row 200.
    h.width = 4;
    h.planes = 8;
    h.storePalette = false;
    p = decodePi(header(h) + bitsToBytes("10 10 01 0 01 01111011000 10"));
    ASSERT_EQ(p.error(), PiError::None);
    EXPECT_EQ(pixels(p), (std::vector<int>{0, 0, 200, 200}));
    EXPECT_EQ(p.bitmapInfo().bitCount, 8);
}

TEST(PiHandBuilt, PositionCodesReadTheRightSources) {
    Header h;
    h.width = 4;
    h.height = 5;
    // c0 = 1 (row 0: k 15), c1 = 2 (row 1: k 15). Position 0 with c0 != c1
    // copies from 4 back (1 2); literals 3 and 4 (k 15 of rows 2 and 3), end.
    // Then positions 1, 3, 4 and 2, each of length 2 (100).
    const std::string stream =
        "011111 011111 00 0 00 011111 011111 0 01 100 110 100 111 100 10 100";
    const PiPicture p = decodePi(header(h) + bitsToBytes(stream));
    ASSERT_EQ(p.error(), PiError::None);
    const std::vector<int> expected = {
        1, 2, 3, 4, // copy of the virtual c0 c1, then literals
        1, 2, 3, 4, // one line up
        2, 3, 4, 2, // width - 1 back, the last pixel copying the one just made
        4, 2, 3, 4, // width + 1 back
        2, 3, 4, 2, // two lines up
    };
    EXPECT_EQ(pixels(p), expected);
}

TEST(PiHandBuilt, StreamMissingItsTrailerStillDecodesButAShortOneIsBroken) {
    Header h;
    h.width = 4;
    h.height = 2;
    // Vector A needs 11 bits: 10 10 00 11000.
    EXPECT_EQ(decodePi(header(h) + hex({0xA3, 0x00})).error(), PiError::None);
    const PiPicture cut = decodePi(header(h) + hex({0xA3}));
    EXPECT_EQ(cut.error(), PiError::BrokenData);
    EXPECT_TRUE(cut.isNull());
    EXPECT_EQ(cut.byteCount(), 0u);
    EXPECT_EQ(decodePi(header(h)).error(), PiError::BrokenData);
}

TEST(PiHeader, VariantsAreReadAndReported) {
    Header h;
    h.width = 4;
    h.height = 2;
    h.comment = "\xBD\xD0\xDA \x89\xD4"; // ｽﾐﾚ 花 in CP932
    h.hidden = "hidden\x1A";             // a 0x1A inside the hidden comment is data
    h.extension = hex({0x1A, 0x00, 0x50, 0x69, 0xFF});
    h.aspectN = 2;
    h.aspectM = 1;
    h.saver = "PC98";
    const PiPicture p = decodePi(header(h) + hex({0xA3, 0, 0, 0, 0, 0}));
    ASSERT_EQ(p.error(), PiError::None);
    EXPECT_EQ(commentText(p.piInfo()), U"ｽﾐﾚ 花");
    EXPECT_EQ(p.piInfo().hiddenComment, "hidden\x1A");
    EXPECT_EQ(p.piInfo().aspectN, 2);
    EXPECT_EQ(p.piInfo().aspectM, 1);
    EXPECT_EQ(p.piInfo().saver, "PC98");
    EXPECT_EQ(pixels(p), std::vector<int>(8, 0));
    // Stored palette bytes pass through unchanged: 0xF0 stays 0xF0.
    const auto& pal = p.bitmapInfo().palette;
    ASSERT_EQ(pal.size(), 16u);
    EXPECT_EQ(pal[15].red, 0xF0);
    EXPECT_EQ(pal[15].green, 0xF0);
    EXPECT_EQ(pal[15].blue, 0xF0);
    EXPECT_EQ(pal[1].red, 0x10);

    const PiInfo info = readPiInfo(header(h));
    EXPECT_TRUE(info.ok());
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.planes, 4);
    EXPECT_EQ(pluginInfo(1).empty(), false);
    EXPECT_EQ(pluginInfo(0), "");
}

TEST(PiHeader, BrokenHeadersAreRefusedWithoutPixels) {
    Header h;
    h.width = 4;
    h.height = 2;
    const std::string tail = hex({0xA3, 0, 0, 0, 0, 0});
    auto errorOf = [&](const Header& hh) { return decodePi(header(hh) + tail).error(); };

    EXPECT_EQ(decodePi("").error(), PiError::UnknownFormat);
    EXPECT_EQ(decodePi("PI\x1A").error(), PiError::UnknownFormat);
    EXPECT_EQ(decodePi("BM....").error(), PiError::UnknownFormat);
    EXPECT_EQ(decodePi("Pi no terminator").error(), PiError::BrokenData);
    EXPECT_EQ(decodePi(std::string("Pi\x1A no nul", 10)).error(), PiError::BrokenData);
    for (int planes : {0, 1, 2, 3, 5, 16, 24, 255}) {
        Header bad = h;
        bad.planes = planes;
        EXPECT_EQ(errorOf(bad), PiError::BrokenData) << planes;
    }
    Header zero = h;
    zero.width = 0;
    EXPECT_EQ(errorOf(zero), PiError::BrokenData);
    zero = h;
    zero.height = 0;
    EXPECT_EQ(errorOf(zero), PiError::BrokenData);
    // An extension block claiming more bytes than the file has.
    std::string s = header(h);
    const std::size_t extAt = s.find('\0') + 9;
    s[extAt] = '\x7F';
    EXPECT_EQ(decodePi(s + tail).error(), PiError::BrokenData);

    for (const auto& bad : {decodePi(""), decodePi(header(zero) + tail)}) {
        EXPECT_TRUE(bad.isNull());
        EXPECT_EQ(bad.width(), 0);
        EXPECT_EQ(bad.height(), 0);
        EXPECT_EQ(bad.byteCount(), 0u);
        EXPECT_TRUE(toRgb32TopDown(bad).empty());
    }
}

TEST(PiHeader, MoreThan64MegapixelsIsRefusedBeforeAllocating) {
    Header h;
    h.width = 8193;
    h.height = 8192;
    const auto start = std::chrono::steady_clock::now();
    const PiPicture p = decodePi(header(h) + hex({0xA3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(p.error(), PiError::TooLarge);
    EXPECT_TRUE(p.isNull());
    EXPECT_EQ(readPiInfo(header(h)).width, 0);
    h.width = 65535;
    h.height = 65535;
    EXPECT_EQ(decodePi(header(h) + hex({0xA3, 0, 0, 0, 0, 0})).error(), PiError::TooLarge);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // Exactly 64 megapixels is still allowed by the header.
    h.width = 8192;
    h.height = 8192;
    EXPECT_TRUE(readPiInfo(header(h)).ok());
}

TEST(PiHeader, DefaultPalettes) {
    const auto p16 = defaultPalette(4);
    ASSERT_EQ(p16.size(), 16u);
    auto rgb = [](RgbQuad q) { return (q.red << 16) | (q.green << 8) | q.blue; };
    EXPECT_EQ(rgb(p16[0]), 0x000000);
    EXPECT_EQ(rgb(p16[8]), 0x000000);
    EXPECT_EQ(rgb(p16[1]), 0x000077); // bit 0 blue
    EXPECT_EQ(rgb(p16[2]), 0x770000); // bit 1 red
    EXPECT_EQ(rgb(p16[4]), 0x007700); // bit 2 green
    EXPECT_EQ(rgb(p16[7]), 0x777777);
    EXPECT_EQ(rgb(p16[9]), 0x0000FF); // bit 3 bright
    EXPECT_EQ(rgb(p16[15]), 0xFFFFFF);
    const auto p256 = defaultPalette(8);
    ASSERT_EQ(p256.size(), 256u);
    EXPECT_EQ(rgb(p256[0xE0]), 0x00FF00); // GGGRRRBB
    EXPECT_EQ(rgb(p256[0x1C]), 0xFF0000);
    EXPECT_EQ(rgb(p256[0x03]), 0x0000FF);
    EXPECT_EQ(rgb(p256[0x49]), 0x494955);
    EXPECT_EQ(rgb(p256[0xFF]), 0xFFFFFF);

    // A file without a palette gets it.
    Header h;
    h.width = 4;
    h.height = 2;
    h.storePalette = false;
    const PiPicture p = decodePi(header(h) + hex({0xA3, 0, 0, 0, 0, 0}));
    ASSERT_EQ(p.error(), PiError::None);
    EXPECT_TRUE(p.piInfo().defaultPalette);
    EXPECT_EQ(rgb(p.bitmapInfo().palette[9]), 0x0000FF);
}

TEST(PiBitmap, RowsAreBottomUpPaddedAndHighNibbleFirst) {
    PiImage img;
    img.width = 3;
    img.height = 2;
    img.planes = 4;
    img.indexes = {1, 2, 3, 4, 5, 6};
    PiPicture p = decodePi(encodePi(img));
    ASSERT_EQ(p.error(), PiError::None);
    ASSERT_EQ(p.stride(), 4u);
    ASSERT_EQ(p.byteCount(), 8u);
    const std::uint8_t* b = p.bits();
    EXPECT_EQ(std::vector<int>(b, b + 8), (std::vector<int>{0x45, 0x60, 0, 0, 0x12, 0x30, 0, 0}));

    img.planes = 8;
    img.width = 5;
    img.height = 2;
    img.indexes = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    p = decodePi(encodePi(img));
    ASSERT_EQ(p.stride(), 8u);
    b = p.bits();
    EXPECT_EQ(std::vector<int>(b, b + 16),
              (std::vector<int>{60, 70, 80, 90, 100, 0, 0, 0, 10, 20, 30, 40, 50, 0, 0, 0}));

    // Top-down 32-bit pixels use the palette.
    img.palette.assign(256, {0, 0, 0});
    img.palette[10] = {0x12, 0x34, 0x56};
    img.palette[100] = {0xAB, 0xCD, 0xEF};
    p = decodePi(encodePi(img));
    const auto rgb = toRgb32TopDown(p);
    ASSERT_EQ(rgb.size(), 10u);
    EXPECT_EQ(rgb[0], 0xFF123456u);
    EXPECT_EQ(rgb[9], 0xFFABCDEFu);
}

TEST(PiRoundTrip, EncodeThenDecodeGivesTheSamePixels) {
    const std::pair<int, int> sizes[] = {{1, 1}, {1, 7},  {2, 1},  {2, 3},   {3, 3},
                                         {7, 5}, {16, 9}, {33, 2}, {640, 3}, {101, 67}};
    for (int planes : {4, 8}) {
        for (auto [w, h] : sizes) {
            for (int style = 0; style < 4; ++style) {
                PiImage img =
                    makeImage(w, h, planes, static_cast<std::uint32_t>(w * 31 + h + style), style);
                img.comment = "round trip";
                const std::string bytes = encodePi(img);
                std::vector<std::uint8_t> back;
                const PiInfo info = decodePiIndexes(bytes, back);
                ASSERT_EQ(info.error, PiError::None)
                    << planes << " " << w << "x" << h << " style " << style;
                ASSERT_EQ(back, img.indexes)
                    << planes << " " << w << "x" << h << " style " << style;
                const PiPicture p = decodePi(bytes);
                std::vector<int> expected(img.indexes.begin(), img.indexes.end());
                ASSERT_EQ(pixels(p), expected);
            }
        }
    }
}

TEST(PiEncoder, UsesCopiesSoSmoothPicturesAreSmall) {
    PiImage runs = makeImage(640, 400, 4, 1, 0);
    EXPECT_LT(encodePi(runs).size(), 640u * 400 / 2 / 4);
    PiImage flat;
    flat.width = 640;
    flat.height = 400;
    flat.indexes.assign(640 * 400, 7);
    EXPECT_LT(encodePi(flat).size(), 100u);
}

TEST(PiEncoder, RefusesWhatItCannotWrite) {
    PiImage img = makeImage(4, 4, 4, 1, 0);
    PiImage bad = img;
    bad.indexes[3] = 16;
    EXPECT_THROW(encodePi(bad), std::invalid_argument);
    bad = img;
    bad.indexes.pop_back();
    EXPECT_THROW(encodePi(bad), std::invalid_argument);
    bad = img;
    bad.planes = 5;
    EXPECT_THROW(encodePi(bad), std::invalid_argument);
    bad = img;
    bad.comment = "a\x1A";
    EXPECT_THROW(encodePi(bad), std::invalid_argument);
    bad = img;
    bad.palette.resize(3);
    EXPECT_THROW(encodePi(bad), std::invalid_argument);
    bad = img;
    bad.width = 0;
    EXPECT_THROW(encodePi(bad), std::invalid_argument);
}

TEST(PiCorrupt, EveryTruncationIsSafe) {
    for (int planes : {4, 8}) {
        PiImage img = makeImage(13, 9, planes, 7, 3);
        img.comment = "cut";
        img.extension = "ext";
        if (planes == 4) {
            img.palette.assign(16, {1, 2, 3});
        }
        const std::string full = encodePi(img);
        const std::vector<int> expected(img.indexes.begin(), img.indexes.end());
        int decoded = 0;
        for (std::size_t n = 0; n < full.size(); ++n) {
            // A copy on the heap of exactly n bytes, so that the sanitizer
            // sees any read past the end.
            std::unique_ptr<char[]> cut(new char[n ? n : 1]);
            std::memcpy(cut.get(), full.data(), n);
            const PiPicture p = decodePi(std::string_view(cut.get(), n));
            if (p.isNull()) {
                EXPECT_EQ(p.byteCount(), 0u);
                EXPECT_NE(p.error(), PiError::None);
            } else {
                // Only the trailing zero bytes may be missing.
                ++decoded;
                EXPECT_GE(n, full.size() - 8);
                EXPECT_EQ(pixels(p), expected) << n;
            }
        }
        EXPECT_GE(decoded, 4); // the trailer holds 32 zero bits
    }
}

TEST(PiCorrupt, RandomByteFlipsAreSafe) {
    std::mt19937 rng(12345);
    for (int planes : {4, 8}) {
        const std::string good = encodePi(makeImage(24, 17, planes, 3, planes == 4 ? 2 : 3));
        for (int round = 0; round < 1500; ++round) {
            std::string bad = good;
            const int flips = 1 + static_cast<int>(rng() % 4);
            for (int i = 0; i < flips; ++i) {
                bad[rng() % bad.size()] ^= static_cast<char>(1 + rng() % 255);
            }
            const PiPicture p = decodePi(bad);
            if (!p.isNull()) {
                EXPECT_EQ(p.byteCount(), p.stride() * static_cast<std::size_t>(p.height()));
                EXPECT_LE(static_cast<std::uint64_t>(p.width()) * p.height(), kMaxPixels);
                EXPECT_EQ(toRgb32TopDown(p).size(),
                          static_cast<std::size_t>(p.width()) * p.height());
            }
        }
    }
}

TEST(PiCorrupt, OnePixelWideCopyFromItselfIsBroken) {
    // Width 1: position 3 (width - 1 back) would name the pixel being made.
    Header h;
    h.width = 1;
    h.height = 4;
    EXPECT_EQ(decodePi(header(h) + bitsToBytes("10 10 00 0 110 10 0")).error(),
              PiError::BrokenData);
    // Width 1 and position 0 four back at the very start reads the virtual
    // pattern, which continues past two pixels: c0 c1 c0 c1 -> 1 0 1 0.
    // c0 = 1 (row 0: k 15), c1 = 0 (row 1: 1 0 ... -> k 1).
    const PiPicture p = decodePi(header(h) + bitsToBytes("011111 11 00 10 1"));
    ASSERT_EQ(p.error(), PiError::None);
    EXPECT_EQ(pixels(p), (std::vector<int>{1, 0, 1, 0}));
}

TEST(PiFile, ReadsThroughTheDataFileLookup) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kuyu-pi-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    PiImage img = makeImage(9, 4, 4, 1, 1);
    { std::ofstream((dir / "SUMIRE.pi").string(), std::ios::binary) << encodePi(img); }
    const Text folder = fromUtf8(dir.string()) + U"/";
    const PiPicture p = decodePiFile(folder + U"SUMIRE.PI");
    ASSERT_EQ(p.error(), PiError::None);
    EXPECT_EQ(p.width(), 9);
    const PiPicture missing = decodePiFile(folder + U"NONE.PI");
    EXPECT_TRUE(missing.isNull());
    EXPECT_EQ(missing.error(), PiError::FileUnreadable);
    EXPECT_EQ(missing.byteCount(), 0u);
    // A file far larger than any Pi picture is refused without being read
    // (a sparse file: nothing is written to disk).
    { std::ofstream((dir / "HUGE.PI").string(), std::ios::binary) << encodePi(img); }
    std::filesystem::resize_file(dir / "HUGE.PI", std::uintmax_t{3} << 30);
    const auto start = std::chrono::steady_clock::now();
    const PiPicture huge = decodePiFile(folder + U"HUGE.PI");
    EXPECT_EQ(huge.error(), PiError::FileUnreadable);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    try {
        readWholeFile(folder + U"huge.pi", 1024);
        ADD_FAILURE() << "a file over the limit was read";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 7);
    }
    std::filesystem::remove_all(dir);
}
