// SPDX-License-Identifier: GPL-3.0-or-later
// Every input the fuzzers ever found a fault with stays here as a test (the
// files named regression-* in fuzz/corpus), with the seeds beside them: each
// decodes without fault, and the screen's indexed path agrees with the
// bitmap path pixel for pixel.

#include "pi/PiDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzInputs, PiCorpusDecodesAlikeOnBothPaths) {
    const fs::path dir = fs::path(KUYU_SOURCE_DIR) / "fuzz" / "corpus" / "pi";
    int files = 0;
    int regressions = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = readAll(entry.path());
        ++files;
        regressions += entry.path().filename().string().starts_with("regression-") ? 1 : 0;
        const kuyu::pi::PiPicture picture = kuyu::pi::decodePi(bytes);
        const kuyu::pi::PiIndexedPicture indexed = kuyu::pi::decodePiIndexed(bytes);
        ASSERT_EQ(picture.isNull(), indexed.pixels == nullptr);
        if (picture.isNull()) {
            continue;
        }
        const auto rgb = kuyu::pi::toRgb32TopDown(picture);
        ASSERT_EQ(rgb.size(), static_cast<std::size_t>(indexed.info.width) * indexed.info.height);
        for (std::size_t i = 0; i < rgb.size(); ++i) {
            const auto& c = indexed.palette.at(indexed.pixels[i]);
            const std::uint32_t argb =
                0xFF000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
            ASSERT_EQ(argb, rgb[i]) << "pixel " << i;
        }
    }
    EXPECT_GT(files, 0);
    EXPECT_GT(regressions, 0);
}

} // namespace
