// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace kuyu {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The old 16-colour palette's basic colours used for count lines.
constexpr Rgb BasicBlue{0, 0, 128}; // basic colour 1
constexpr Rgb BasicRed{128, 0, 0};  // basic colour 4

// A line printed into a picture box, with its fore colour.
} // namespace kuyu
