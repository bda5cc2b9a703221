// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a plant's note file, as the note window
// reads it. Every line of the result ends in CR LF and no character of the
// decoded file is lost.

#include "core/text/NoteText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kuyu;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Text note = NoteText(bytes);
    const Text decoded = decodeFileText(bytes);
    if (!note.empty() && (note.size() < 2 || note.substr(note.size() - 2) != U"\r\n")) {
        std::abort();
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < note.size(); ++i) {
        if (note[i] == U'\r' && i + 1 < note.size() && note[i + 1] == U'\n') {
            ++i;
            continue;
        }
        if (note[i] == U'\r' || note[i] == U'\n') {
            std::abort(); // a lone line end survived
        }
        ++kept;
    }
    std::size_t text = 0;
    for (const char32_t c : decoded) {
        text += (c != U'\r' && c != U'\n') ? 1 : 0;
    }
    if (kept != text) {
        std::abort();
    }
    return 0;
}
