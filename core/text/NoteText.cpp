// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/NoteText.h"

namespace kuyu {

Text NoteText(std::string_view bytes) {
    const Text all = decodeFileText(bytes);
    Text out;
    out.reserve(all.size() + all.size() / 16);
    std::size_t start = 0;
    bool pending = false; // a line has begun that is not yet ended
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char32_t c = all[i];
        if (c == U'\r' || c == U'\n') {
            out.append(all, start, i - start);
            out += U"\r\n";
            if (c == U'\r' && i + 1 < all.size() && all[i + 1] == U'\n') {
                ++i;
            }
            start = i + 1;
            pending = false;
        } else {
            pending = true;
        }
    }
    if (pending) {
        out.append(all, start, all.size() - start);
        out += U"\r\n";
    }
    return out;
}

} // namespace kuyu
