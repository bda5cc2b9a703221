// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Palette pictures and the file kinds the sample data is written in.

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace sampledata {

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indexes; // top row first
    std::vector<QRgb> palette;
};

// Reduces a drawing to at most `colours` colours: the most frequent colours
// are kept and every other pixel takes the nearest of them. The drawings use
// a few flat colours, so the antialiased edges are all that moves.
IndexedPicture quantise(const QImage& image, int colours);

// Picture kinds the tool writes.
enum class Kind { Bmp, Gif, Jpeg, Pi16, Pi256 };

// Writes `image` to `path` as `kind`; throws std::runtime_error on failure.
void writePicture(const QImage& image, const QString& path, Kind kind);

// GIF89a of an indexed picture (own LZW encoder; Qt reads GIF but cannot write it).
std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture);

} // namespace sampledata
