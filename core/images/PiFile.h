// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pi pictures read from the data folders. The decoder itself (pi/) knows
// nothing of files or text; finding and reading the file is the core's.

#include "core/text/Text.h"
#include "pi/PiDecoder.h"

namespace kuyu::pi {

// Decodes a Pi file, found like every data file (case-folded and CP932
// names). A missing or unreadable file, or one larger than kMaxFileBytes,
// gives a null picture.
PiPicture decodePiFile(const Text& path);

// The picture's comment, decoded from CP932.
inline Text commentText(const PiInfo& info) {
    return decodeCp932(info.comment);
}

} // namespace kuyu::pi
