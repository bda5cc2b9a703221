// SPDX-License-Identifier: GPL-3.0-or-later
#include "Indexed.h"

#include <unordered_map>

namespace sampledata {
namespace {

// Packs variable-width codes least significant bit first into 255-byte
// sub-blocks.
class CodeWriter {
  public:
    explicit CodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void put(int code, int width) {
        bits_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            byte(static_cast<std::uint8_t>(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void finish() {
        if (count_ > 0) {
            byte(static_cast<std::uint8_t>(bits_ & 0xFF));
        }
        flushBlock();
        out_.push_back(0); // block terminator
    }

  private:
    void byte(std::uint8_t b) {
        block_.push_back(b);
        if (block_.size() == 255) {
            flushBlock();
        }
    }
    void flushBlock() {
        if (block_.empty()) {
            return;
        }
        out_.push_back(static_cast<std::uint8_t>(block_.size()));
        out_.insert(out_.end(), block_.begin(), block_.end());
        block_.clear();
    }
    std::vector<std::uint8_t>& out_;
    std::vector<std::uint8_t> block_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
};

void put16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

} // namespace

std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture) {
    int depth = 1; // bits per index, at least 1 for the table size
    while ((1u << depth) < picture.palette.size()) {
        ++depth;
    }
    const int minCodeSize = depth < 2 ? 2 : depth;

    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    put16(out, picture.width);
    put16(out, picture.height);
    out.push_back(static_cast<std::uint8_t>(0x80 | ((depth - 1) << 4) | (depth - 1)));
    out.push_back(0); // background index
    out.push_back(0); // aspect
    for (int i = 0; i < (1 << depth); ++i) {
        const QRgb c = i < static_cast<int>(picture.palette.size()) ? picture.palette[i] : 0;
        out.push_back(static_cast<std::uint8_t>(qRed(c)));
        out.push_back(static_cast<std::uint8_t>(qGreen(c)));
        out.push_back(static_cast<std::uint8_t>(qBlue(c)));
    }
    out.push_back(0x2C);
    put16(out, 0);
    put16(out, 0);
    put16(out, picture.width);
    put16(out, picture.height);
    out.push_back(0); // no local table, not interlaced
    out.push_back(static_cast<std::uint8_t>(minCodeSize));

    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    CodeWriter codes(out);
    std::unordered_map<std::uint32_t, int> table;
    int width = minCodeSize + 1;
    int next = clear + 2;
    codes.put(clear, width);
    if (!picture.indexes.empty()) {
        int prefix = picture.indexes[0];
        for (std::size_t i = 1; i < picture.indexes.size(); ++i) {
            const int c = picture.indexes[i];
            const std::uint32_t key =
                (static_cast<std::uint32_t>(prefix) << 8) | static_cast<std::uint32_t>(c);
            if (auto it = table.find(key); it != table.end()) {
                prefix = it->second;
                continue;
            }
            codes.put(prefix, width);
            table.emplace(key, next++);
            // The reader widens its codes once its table fills the current
            // width; it adds each entry one code later than we do.
            if (next - 1 == (1 << width) && width < 12) {
                ++width;
            }
            if (next == 4096) {
                codes.put(clear, width);
                table.clear();
                width = minCodeSize + 1;
                next = clear + 2;
            }
            prefix = c;
        }
        codes.put(prefix, width);
        // The reader adds its last entry on reading that code.
        if (next == (1 << width) && width < 12) {
            ++width;
        }
    }
    codes.put(end, width);
    codes.finish();
    out.push_back(0x3B);
    return out;
}

} // namespace sampledata
