// SPDX-License-Identifier: GPL-3.0-or-later
// The sample-data tool writes GIF and AVI with its own encoders and reduces
// drawings to palettes; everything it writes is read back here by the
// readers the program uses (Qt's image readers, our Pi decoder).

#include "AviWriter.h"
#include "Indexed.h"
#include "Traits.h"

#include "core/images/PiFile.h"
#include "pi/PiDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace sampledata {
namespace {

IndexedPicture pattern(int width, int height, int colours) {
    IndexedPicture p;
    p.width = width;
    p.height = height;
    for (int i = 0; i < colours; ++i) {
        p.palette.push_back(qRgb((i * 67) % 256, (i * 131) % 256, 255 - i));
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            p.indexes.push_back(
                static_cast<std::uint8_t>((x * 7 + y * 13 + (x * y) % 5) % colours));
        }
    }
    return p;
}

struct GifCase {
    int width, height, colours;
};

class GifRoundTrip : public ::testing::TestWithParam<GifCase> {};

// Small tables, odd sizes, and pictures big enough that the code table
// fills and restarts more than once.
TEST_P(GifRoundTrip, QtReadsBackEveryPixel) {
    const auto [w, h, colours] = GetParam();
    const IndexedPicture p = pattern(w, h, colours);
    const auto bytes = encodeGif(p);
    const QImage back = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "GIF");
    ASSERT_FALSE(back.isNull());
    ASSERT_EQ(back.size(), QSize(w, h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(back.pixel(x, y) | 0xFF000000u,
                      p.palette[p.indexes[static_cast<std::size_t>(y * w + x)]])
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GifRoundTrip,
                         ::testing::Values(GifCase{1, 1, 2}, GifCase{5, 3, 3}, GifCase{64, 64, 16},
                                           GifCase{320, 240, 256}, GifCase{593, 360, 200},
                                           GifCase{600, 400, 1}));

TEST(Quantise, KeepsFewColoursExactlyAndASmallDistinctOne) {
    QImage few(40, 30, QImage::Format_RGB32);
    few.fill(qRgb(10, 200, 30));
    few.setPixel(3, 4, qRgb(250, 0, 0));
    const IndexedPicture exact = quantise(few, 16);
    EXPECT_EQ(exact.palette.size(), 2u);
    EXPECT_EQ(exact.palette[exact.indexes[4 * 40 + 3]], qRgb(250, 0, 0));

    // A grey ramp of 200 shades outnumbers one red pixel; with 16 entries
    // the red must still get one of its own.
    QImage ramp(200, 50, QImage::Format_RGB32);
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 50; ++y) {
            ramp.setPixel(x, y, qRgb(x, x, x));
        }
    }
    ramp.setPixel(100, 25, qRgb(230, 20, 20));
    const IndexedPicture reduced = quantise(ramp, 16);
    ASSERT_LE(reduced.palette.size(), 16u);
    const QRgb red = reduced.palette[reduced.indexes[25 * 200 + 100]];
    EXPECT_GT(qRed(red), 180);
    EXPECT_LT(qGreen(red), 80);
}

QImage readBack(const QString& path, Kind kind) {
    if (kind != Kind::Pi16 && kind != Kind::Pi256) {
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }
    const auto picture = kuyu::pi::decodePiFile(kuyu::fromUtf8(path.toStdString()));
    const auto rgb = kuyu::pi::toRgb32TopDown(picture);
    return QImage(reinterpret_cast<const uchar*>(rgb.data()), picture.width(), picture.height(),
                  QImage::Format_RGB32)
        .copy();
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Palette kinds come back exactly as drawn when the drawing has few colours,
// and writing the same drawing twice gives the same bytes (the committed
// data must not change on every regeneration). Odd widths pad their rows.
TEST(WritePicture, PaletteKindsReadBackAsDrawnAndRepeatExactly) {
    QTemporaryDir dir;
    QImage image(33, 17, QImage::Format_RGB32);
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 33; ++x) {
            image.setPixel(x, y, qRgb(x % 3 * 100, y % 4 * 60, 90));
        }
    }
    for (Kind kind : {Kind::Bmp, Kind::Gif, Kind::Pi16, Kind::Pi256}) {
        const QString path = dir.filePath(QStringLiteral("ｽﾐﾚ.x"));
        writePicture(image, path, kind);
        const QByteArray first = bytesOf(path);
        const QImage back = readBack(path, kind);
        ASSERT_EQ(back.size(), image.size()) << static_cast<int>(kind);
        for (int i = 0; i < 33 * 17; ++i) {
            ASSERT_EQ(back.pixel(i % 33, i / 33), image.pixel(i % 33, i / 33))
                << static_cast<int>(kind) << " " << i;
        }
        writePicture(image, path, kind);
        EXPECT_EQ(bytesOf(path), first) << static_cast<int>(kind);
    }
}

quint32 u32At(const QByteArray& b, qsizetype at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(b[at + i]);
    return v;
}

// The index must lead to each frame's chunk, and the frames must come out
// as drawn and in order.
TEST(MjpegAvi, IndexPointsAtDecodableFramesInOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip.avi"));
    std::vector<QImage> frames;
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0),
                            qRgb(0, 0, 0)};
    for (QRgb c : colours) {
        QImage f(64, 48, QImage::Format_RGB32);
        f.fill(c);
        frames.push_back(f);
    }
    writeMjpegAvi(path, frames, 8);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    ASSERT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(u32At(b, 4), static_cast<quint32>(b.size() - 8));
    EXPECT_EQ(b.mid(8, 4), "AVI ");
    const qsizetype avih = b.indexOf("avih");
    EXPECT_EQ(u32At(b, avih + 8), 125000u); // microseconds per frame
    EXPECT_EQ(u32At(b, avih + 8 + 16), 5u);
    const qsizetype movi = b.indexOf("movi");
    const qsizetype idx1 = b.indexOf("idx1");
    ASSERT_GT(movi, 0);
    ASSERT_GT(idx1, movi);
    ASSERT_EQ(u32At(b, idx1 + 4), 5u * 16);
    for (int i = 0; i < 5; ++i) {
        const qsizetype entry = idx1 + 8 + 16 * i;
        const qsizetype chunk = movi + u32At(b, entry + 8);
        ASSERT_EQ(b.mid(chunk, 4), "00dc");
        const quint32 size = u32At(b, entry + 12);
        ASSERT_EQ(u32At(b, chunk + 4), size);
        const QImage frame = QImage::fromData(b.mid(chunk + 8, size), "JPG");
        ASSERT_EQ(frame.size(), QSize(64, 48));
        const QRgb got = frame.pixel(32, 24);
        EXPECT_NEAR(qRed(got), qRed(colours[i]), 12) << i;
        EXPECT_NEAR(qGreen(got), qGreen(colours[i]), 12) << i;
        EXPECT_NEAR(qBlue(got), qBlue(colours[i]), 12) << i;
    }
}

TEST(Traits, SeveralValueLettersTakeTheFirstDigitOfTheirList) {
    // category:   1  2  3  4  5  6  7  8  9  10 | lists 1..3 | class
    const kuyu::Text code = U"0H0Y0X0D0B0C0J0A0I01"
                            U"35 "
                            U"47 "
                            U"2 6"
                            U"3";
    const Traits t = traitsOf(code);
    EXPECT_EQ(t.colour, 3);
    EXPECT_EQ(t.altColour, 5);
    EXPECT_EQ(t.petals, -1);       // Y: none
    EXPECT_EQ(t.inflorescence, 0); // X: indefinite
    EXPECT_EQ(t.form, 3);          // D: list 1
    EXPECT_EQ(t.stamens, 4);       // B: list 2
    EXPECT_EQ(t.arrangement, 2);   // C: list 3
    EXPECT_EQ(t.leafShape, 2);     // J: list 3
    EXPECT_EQ(t.venation, 3);      // A: list 1
    EXPECT_EQ(t.stemForm, 4);      // I: list 2
    EXPECT_EQ(t.stemSection, 1);
    EXPECT_EQ(t.classification, 3);
    EXPECT_FALSE(traitsOf(U"0Y0505050101010103011        1").hasFlower());

    EXPECT_EQ(keyOf(U"ﾀﾁﾂﾎﾞｽﾐﾚﾓﾄﾞｷ", 8), U"ﾀﾁﾂﾎﾞｽﾐﾚ");
    EXPECT_EQ(keyOf(U"ｱｲｳ ｴｵｶ ｷｸ", 8), U"ｱｲｳ ｴｵｶ");
}

} // namespace
} // namespace sampledata

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
