// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/images/PiFile.h"

#include "core/files/Files.h"

namespace kuyu::pi {

PiPicture decodePiFile(const Text& path) {
    std::string bytes;
    try {
        bytes = readWholeFile(path, kMaxFileBytes);
    } catch (const std::exception&) {
        return unreadablePicture();
    }
    return decodePi(bytes);
}

} // namespace kuyu::pi
