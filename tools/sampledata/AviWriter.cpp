// SPDX-License-Identifier: GPL-3.0-or-later
#include "AviWriter.h"

#include <QBuffer>
#include <QFile>

#include <stdexcept>
#include <string>

namespace sampledata {
namespace {

class Riff {
  public:
    void fourcc(const char* f) { bytes_.append(f, 4); }
    void u32(quint32 v) {
        for (int i = 0; i < 4; ++i)
            bytes_.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void u16(quint16 v) {
        bytes_.append(static_cast<char>(v & 0xFF));
        bytes_.append(static_cast<char>(v >> 8));
    }
    // Opens a chunk or list; returns where its size goes.
    qsizetype open(const char* id, const char* listType = nullptr) {
        fourcc(id);
        const qsizetype at = bytes_.size();
        u32(0);
        if (listType)
            fourcc(listType);
        return at;
    }
    void close(qsizetype at) {
        const auto size = static_cast<quint32>(bytes_.size() - at - 4);
        for (int i = 0; i < 4; ++i)
            bytes_[at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
        if (bytes_.size() % 2)
            bytes_.append('\0'); // chunks are word aligned
    }
    void raw(const QByteArray& b) { bytes_.append(b); }
    qsizetype size() const { return bytes_.size(); }
    const QByteArray& bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
};

QByteArray jpegOf(const QImage& frame) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!frame.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 85)) {
        throw std::runtime_error("cannot encode a video frame");
    }
    return data;
}

} // namespace

void writeMjpegAvi(const QString& path, const std::vector<QImage>& frames, int framesPerSecond) {
    if (frames.empty()) {
        throw std::runtime_error("a video needs frames");
    }
    const quint32 width = static_cast<quint32>(frames.front().width());
    const quint32 height = static_cast<quint32>(frames.front().height());
    std::vector<QByteArray> jpegs;
    quint32 largest = 0;
    for (const QImage& f : frames) {
        if (static_cast<quint32>(f.width()) != width ||
            static_cast<quint32>(f.height()) != height) {
            throw std::runtime_error("video frames differ in size");
        }
        jpegs.push_back(jpegOf(f));
        largest = std::max(largest, static_cast<quint32>(jpegs.back().size()));
    }
    const auto count = static_cast<quint32>(frames.size());

    Riff r;
    const auto riff = r.open("RIFF", "AVI ");
    const auto hdrl = r.open("LIST", "hdrl");
    const auto avih = r.open("avih");
    r.u32(1000000u / static_cast<quint32>(framesPerSecond));
    r.u32(largest * static_cast<quint32>(framesPerSecond));
    r.u32(0);
    r.u32(0x10); // has an index
    r.u32(count);
    r.u32(0);
    r.u32(1); // streams
    r.u32(largest);
    r.u32(width);
    r.u32(height);
    for (int i = 0; i < 4; ++i)
        r.u32(0);
    r.close(avih);
    const auto strl = r.open("LIST", "strl");
    const auto strh = r.open("strh");
    r.fourcc("vids");
    r.fourcc("MJPG");
    r.u32(0);
    r.u16(0);
    r.u16(0);
    r.u32(0);
    r.u32(1);                                     // scale
    r.u32(static_cast<quint32>(framesPerSecond)); // rate
    r.u32(0);
    r.u32(count);
    r.u32(largest);
    r.u32(0xFFFFFFFFu); // default quality
    r.u32(0);
    r.u16(0);
    r.u16(0);
    r.u16(static_cast<quint16>(width));
    r.u16(static_cast<quint16>(height));
    r.close(strh);
    const auto strf = r.open("strf");
    r.u32(40);
    r.u32(width);
    r.u32(height);
    r.u16(1);
    r.u16(24);
    r.fourcc("MJPG");
    r.u32(width * height * 3);
    for (int i = 0; i < 4; ++i)
        r.u32(0);
    r.close(strf);
    r.close(strl);
    r.close(hdrl);

    const auto movi = r.open("LIST", "movi");
    const qsizetype moviType = movi + 4; // offsets in the index count from "movi"
    std::vector<std::pair<quint32, quint32>> index;
    for (const QByteArray& jpeg : jpegs) {
        index.emplace_back(static_cast<quint32>(r.size() - moviType),
                           static_cast<quint32>(jpeg.size()));
        const auto chunk = r.open("00dc");
        r.raw(jpeg);
        r.close(chunk);
    }
    r.close(movi);
    const auto idx1 = r.open("idx1");
    for (const auto& [offset, size] : index) {
        r.fourcc("00dc");
        r.u32(0x10); // key frame
        r.u32(offset);
        r.u32(size);
    }
    r.close(idx1);
    r.close(riff);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(r.bytes()) != r.bytes().size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace sampledata
