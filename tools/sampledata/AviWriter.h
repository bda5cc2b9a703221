// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A motion-JPEG AVI file from drawn frames: every frame a JPEG key frame, an
// index at the end. GStreamer's avidemux and jpegdec play it.

#include <QImage>
#include <QString>

#include <vector>

namespace sampledata {

// Throws std::runtime_error when the file cannot be written or the frames
// differ in size.
void writeMjpegAvi(const QString& path, const std::vector<QImage>& frames, int framesPerSecond);

} // namespace sampledata
