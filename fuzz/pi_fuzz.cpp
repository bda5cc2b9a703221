// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any byte string through the Pi decoder's three steps.
// Built by scripts/fuzz.sh with clang and the address and undefined-behaviour
// sanitizers.

#include "pi/PiDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kuyu::pi::PiInfo info = kuyu::pi::readPiInfo(bytes);
    // A dozen bytes can describe a picture of 64 megapixels of one colour,
    // and decoding that is correct but slow under the sanitizers; pictures up
    // to a megapixel keep the fuzzer fast while reaching the wide-picture
    // paths (positions counted past 16 bits, long copies across rows).
    if (info.ok() && static_cast<std::uint64_t>(info.width) * info.height > (1u << 20)) {
        return 0;
    }
    // The screen's path (one index a pixel, in the caller's buffer) and the
    // bitmap path read the stream alike.
    const kuyu::pi::PiIndexedPicture indexed = kuyu::pi::decodePiIndexed(bytes);
    const kuyu::pi::PiPicture picture = kuyu::pi::decodePi(bytes);
    if (picture.isNull()) {
        if (picture.byteCount() != 0 || indexed.pixels) {
            std::abort(); // a refused picture must hold no pixels, on either path
        }
        return 0;
    }
    // The header step and the picture step must agree.
    if (!info.ok() || info.width != picture.width() || info.height != picture.height() ||
        picture.byteCount() != picture.stride() * static_cast<std::size_t>(picture.height())) {
        std::abort();
    }
    const auto rgb = kuyu::pi::toRgb32TopDown(picture);
    if (rgb.size() != static_cast<std::size_t>(picture.width()) * picture.height()) {
        std::abort();
    }
    if (!indexed.pixels || indexed.info.width != picture.width() ||
        indexed.info.height != picture.height()) {
        std::abort();
    }
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const auto& c = indexed.palette.at(indexed.pixels[i]);
        const std::uint32_t argb =
            0xFF000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
        if (argb != rgb[i]) {
            std::abort();
        }
    }
    return 0;
}
