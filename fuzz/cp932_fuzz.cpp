// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the CP932 and UTF-8 codecs. Decoding never fails (bad
// bytes become U+FFFD); whatever decodes cleanly encodes back to bytes that
// decode to the same text.

#include "core/text/Text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kuyu;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Text text = decodeCp932(bytes);
    if (text.size() > size) {
        std::abort(); // one character takes at least one byte
    }
    if (text.find(U'\uFFFD') == Text::npos) {
        const auto again = encodeCp932(text);
        if (!again || decodeCp932(*again) != text) {
            std::abort();
        }
    }
    const Text file = decodeFileText(bytes);
    const Text utf = fromUtf8(bytes);
    if (fromUtf8(toUtf8(utf)) != utf || file.size() > size) {
        std::abort();
    }
    return 0;
}
