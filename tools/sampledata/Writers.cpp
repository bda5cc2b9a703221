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

QImage toIndexed8(const IndexedPicture& p) {
    QImage image(p.width, p.height, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(p.palette.begin(), p.palette.end()));
    for (int y = 0; y < p.height; ++y) {
        auto* row = image.scanLine(y);
        std::copy_n(p.indexes.begin() + static_cast<std::ptrdiff_t>(y) * p.width, p.width, row);
    }
    return image;
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
        const QImage indexed = toIndexed8(quantise(image, 256));
        if (!indexed.save(path, "BMP")) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
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
