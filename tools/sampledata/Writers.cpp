// SPDX-License-Identifier: GPL-3.0-or-later
#include "Indexed.h"

#include "pi/PiEncoder.h"

#include <QFile>

#include <stdexcept>

namespace sampledata {
namespace {

void writeBytes(const QString& path, const char* data, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data, size) != size) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void le32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void le16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

// An 8-bit palette bitmap written by hand: Qt's writer leaves the row
// padding as it finds it in memory, so two runs would differ.
std::string encodeBmp8(const IndexedPicture& p) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(p.width) + 3u) & ~3u;
    const std::uint32_t pixelsAt = 14 + 40 + 256 * 4;
    const std::uint32_t size = pixelsAt + stride * static_cast<std::uint32_t>(p.height);
    std::string out;
    out.reserve(size);
    out += "BM";
    le32(out, size);
    le32(out, 0);
    le32(out, pixelsAt);
    le32(out, 40);
    le32(out, static_cast<std::uint32_t>(p.width));
    le32(out, static_cast<std::uint32_t>(p.height)); // positive: bottom row first
    le16(out, 1);
    le16(out, 8);
    le32(out, 0); // no compression
    le32(out, stride * static_cast<std::uint32_t>(p.height));
    le32(out, 2835); // 72 dpi
    le32(out, 2835);
    le32(out, static_cast<std::uint32_t>(p.palette.size()));
    le32(out, 0);
    for (std::size_t i = 0; i < 256; ++i) {
        const QRgb c = i < p.palette.size() ? p.palette[i] : 0;
        out.push_back(static_cast<char>(qBlue(c)));
        out.push_back(static_cast<char>(qGreen(c)));
        out.push_back(static_cast<char>(qRed(c)));
        out.push_back('\0');
    }
    for (int y = p.height - 1; y >= 0; --y) {
        const auto* row = p.indexes.data() + static_cast<std::ptrdiff_t>(y) * p.width;
        out.append(reinterpret_cast<const char*>(row), static_cast<std::size_t>(p.width));
        out.append(stride - static_cast<std::uint32_t>(p.width), '\0');
    }
    return out;
}

std::string encodePiOf(const QImage& image, int planes) {
    const IndexedPicture p = quantise(image, 1 << planes);
    kuyu::pi::PiImage pi;
    pi.width = p.width;
    pi.height = p.height;
    pi.planes = planes;
    pi.indexes = p.indexes;
    for (int i = 0; i < (1 << planes); ++i) {
        const QRgb c =
            i < static_cast<int>(p.palette.size()) ? p.palette[static_cast<std::size_t>(i)] : 0;
        pi.palette.push_back({static_cast<std::uint8_t>(qRed(c)),
                              static_cast<std::uint8_t>(qGreen(c)),
                              static_cast<std::uint8_t>(qBlue(c))});
    }
    pi.comment = "KUYU sample";
    return kuyu::pi::encodePi(pi);
}

} // namespace

void writePicture(const QImage& image, const QString& path, Kind kind) {
    switch (kind) {
    case Kind::Bmp: {
        // Palettised keeps a 200 x 340 picture near 70 KB instead of 200 KB.
        const std::string bytes = encodeBmp8(quantise(image, 256));
        writeBytes(path, bytes.data(), static_cast<qint64>(bytes.size()));
        return;
    }
    case Kind::Gif: {
        const auto bytes = encodeGif(quantise(image, 256));
        writeBytes(path, reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size()));
        return;
    }
    case Kind::Jpeg:
        if (!image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 88)) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
        return;
    case Kind::Pi16:
    case Kind::Pi256: {
        const std::string bytes = encodePiOf(image, kind == Kind::Pi16 ? 4 : 8);
        writeBytes(path, bytes.data(), static_cast<qint64>(bytes.size()));
        return;
    }
    }
}

} // namespace sampledata
