// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private folder per fuzzing process for the targets that read through
// the file layer (the readers take paths, as the program does).

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace kuyu::fuzz {

inline const std::string& workFolder() {
    static const std::string folder = [] {
        std::string templ = "/tmp/kuyu-fuzz-XXXXXX";
        if (::mkdtemp(templ.data()) == nullptr) {
            std::abort();
        }
        return templ + "/";
    }();
    return folder;
}

inline void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace kuyu::fuzz
