// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pi encoder: writes indexed pictures as Pi streams. Used by the tests, the
// fuzzing seed corpus, the benchmark and the sample-data tool; the program
// itself only reads Pi pictures.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kuyu::pi {

struct PiImage {
    int width = 0;
    int height = 0;
    int planes = 4;                    // 4 (16 colours) or 8 (256 colours)
    std::vector<std::uint8_t> indexes; // width × height palette indexes, top row first
    std::vector<std::array<std::uint8_t, 3>> palette; // R, G, B; empty: no palette stored
    std::string comment;                              // CP932 bytes; must not contain 0x1A
    std::string hiddenComment;                        // must not contain 0x00
    std::uint8_t aspectN = 0;
    std::uint8_t aspectM = 0;
    std::string saver = "KUYU"; // exactly four characters
    std::string extension;      // machine-dependent block, at most 65535 bytes
};

// The Pi stream of `image`. Throws std::invalid_argument when the image
// cannot be written (sizes, planes, an index out of range, a comment holding
// its own terminator, a palette of the wrong length).
std::string encodePi(const PiImage& image);

} // namespace kuyu::pi
