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
    // and decoding that is correct but slow; the code paths are the same at
    // any size, so the fuzzer spends its time on pictures up to 65536 pixels.
    if (info.ok() && static_cast<std::uint64_t>(info.width) * info.height > (1u << 16)) {
        return 0;
    }
    const kuyu::pi::PiPicture picture = kuyu::pi::decodePi(bytes);
    if (picture.isNull()) {
        if (picture.byteCount() != 0) {
            std::abort(); // a refused picture must hold no pixels
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
    return 0;
}
