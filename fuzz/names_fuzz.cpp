// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the picture-lookup name rules over any name, and the
// file test on it in a folder of a few pictures (case-folded and CP932-named
// files included).

#include "FuzzFiles.h"
#include "core/files/Files.h"
#include "core/images/PictureLookup.h"
#include "core/search/Search.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kuyu;
    static const bool prepared = [] {
        fuzz::writeFile(fuzz::workFolder() + "abc.bmp", "x");
        fuzz::writeFile(fuzz::workFolder() + "\xbd\xd0\xda.Pi", "x"); // ｽﾐﾚ in CP932
        return true;
    }();
    (void)prepared;
    // The first byte picks the candidate list; the rest is the name, read as
    // UTF-8 or as CP932.
    if (size == 0) {
        return 0;
    }
    const auto set = static_cast<PictureSet>(data[0] % 3);
    const std::string_view raw(reinterpret_cast<const char*>(data + 1), size - 1);
    for (const Text& name : {fromUtf8(raw), decodeCp932(raw)}) {
        const Text folder = fromUtf8(fuzz::workFolder());
        const auto candidates = pictureCandidates(name, folder, set);
        if (candidates.empty()) {
            std::abort();
        }
        for (const Text& c : candidates) {
            (void)pictureKindOfCandidate(c);
            // -1 present, 0 absent, otherwise an error number.
            if (FileExists(c) < -1) {
                std::abort();
            }
        }
        (void)firstExisting(candidates);
        const Text ext = browserExtension(name);
        if (ext.size() > 5) {
            std::abort();
        }
        (void)browserPictureKind(name);
        (void)KeyOfLine(name);
        (void)resolvePath(folder + name);
    }
    return 0;
}
