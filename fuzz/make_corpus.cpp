// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the small seed corpus for pi_fuzz: one file per variant of the
// format (both depths, with and without palette, comments, an extension
// block, odd sizes, runs and noise).

#include "pi/PiEncoder.h"

#include <fstream>
#include <iostream>
#include <random>
#include <string>

using kuyu::pi::PiImage;

namespace {

PiImage picture(int w, int h, int planes, int style, unsigned seed) {
    PiImage img;
    img.width = w;
    img.height = h;
    img.planes = planes;
    std::mt19937 rng(seed);
    const int colours = 1 << planes;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int c = style == 0   ? (x / 3 + y / 2) % 4
                    : style == 1 ? (x + y) % colours
                                 : int(rng() % colours);
            img.indexes.push_back(static_cast<std::uint8_t>(c));
        }
    }
    return img;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_corpus DIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    int n = 0;
    auto write = [&](const PiImage& img) {
        std::ofstream(dir + "/seed" + std::to_string(++n) + ".pi", std::ios::binary)
            << kuyu::pi::encodePi(img);
    };
    PiImage a = picture(8, 4, 4, 0, 1);
    write(a);
    a.palette.assign(16, {0x10, 0x20, 0xF0});
    a.comment = "\xBD\xD0\xDA";
    a.hiddenComment = "h";
    a.aspectN = 2;
    a.aspectM = 1;
    write(a);
    PiImage b = picture(7, 5, 4, 2, 2);
    b.extension = std::string("\x00\x01\x1A", 3);
    write(b);
    write(picture(1, 6, 4, 1, 3));
    write(picture(16, 8, 8, 1, 4));
    PiImage c = picture(11, 3, 8, 2, 5);
    c.palette.assign(256, {1, 2, 3});
    write(c);
    write(picture(33, 9, 8, 0, 6));
    write(picture(2, 2, 4, 2, 7));
    return 0;
}
