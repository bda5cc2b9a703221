// SPDX-License-Identifier: GPL-3.0-or-later
#include "pi/PiEncoder.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace kuyu::pi {

namespace {

using u8 = std::uint8_t;

class BitWriter {
  public:
    void put(std::uint32_t value, int n) {
        for (int i = n - 1; i >= 0; --i) {
            acc_ = static_cast<u8>((acc_ << 1) | ((value >> i) & 1));
            if (++filled_ == 8) {
                out_.push_back(static_cast<char>(acc_));
                acc_ = 0;
                filled_ = 0;
            }
        }
    }
    std::string finish() {
        put(0, 32);
        while (filled_ != 0) {
            put(0, 1);
        }
        return std::move(out_);
    }

  private:
    std::string out_;
    u8 acc_ = 0;
    int filled_ = 0;
};

// The same recency rows the decoder keeps.
class Recency {
  public:
    explicit Recency(int planes) : size_(1 << planes), cap_(planes - 2), rows_(size_ * size_) {
        for (int c = 0; c < size_; ++c) {
            for (int i = 0; i < size_; ++i) {
                rows_[c * size_ + i] = static_cast<u8>((c - i) & (size_ - 1));
            }
        }
    }
    void write(BitWriter& w, int left, u8 colour) {
        u8* row = rows_.data() + left * size_;
        const int k = static_cast<int>(std::find(row, row + size_, colour) - row);
        std::move_backward(row, row + k, row + k + 1);
        row[0] = colour;
        if (k < 2) {
            w.put(0b10u | static_cast<unsigned>(k), 2);
            return;
        }
        const int j = std::bit_width(static_cast<unsigned>(k)) - 2; // k in [2^(j+1), 2^(j+2))
        w.put(0, 1);
        for (int i = 0; i < j; ++i) {
            w.put(1, 1);
        }
        if (j < cap_) {
            w.put(0, 1);
        }
        w.put(static_cast<unsigned>(k - (1 << (j + 1))), j + 1);
    }

  private:
    int size_;
    int cap_;
    std::vector<u8> rows_;
};

void writeLength(BitWriter& w, std::size_t units) {
    const int j = std::bit_width(units) - 1;
    for (int i = 0; i < j; ++i) {
        w.put(1, 1);
    }
    w.put(0, 1);
    if (j > 0) {
        // j may exceed 32 only for pictures far past any we allow.
        w.put(static_cast<std::uint32_t>(units - (std::size_t{1} << j)), j);
    }
}

void writePosition(BitWriter& w, int position) {
    static constexpr std::uint32_t codes[5] = {0b00, 0b01, 0b10, 0b110, 0b111};
    static constexpr int lengths[5] = {2, 2, 2, 3, 3};
    w.put(codes[position], lengths[position]);
}

void putBe16(std::string& out, std::size_t v) {
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
    out.push_back(static_cast<char>(v & 0xFF));
}

} // namespace

std::string encodePi(const PiImage& image) {
    if (image.planes != 4 && image.planes != 8) {
        throw std::invalid_argument("planes must be 4 or 8");
    }
    if (image.width < 1 || image.height < 1 || image.width > 65535 || image.height > 65535) {
        throw std::invalid_argument("width and height must be 1..65535");
    }
    const std::size_t width = static_cast<std::size_t>(image.width);
    const std::size_t total = width * static_cast<std::size_t>(image.height);
    const int colours = 1 << image.planes;
    if (image.indexes.size() != total) {
        throw std::invalid_argument("indexes must hold width × height entries");
    }
    if (std::any_of(image.indexes.begin(), image.indexes.end(),
                    [&](u8 c) { return c >= colours; })) {
        throw std::invalid_argument("index out of the palette");
    }
    if (!image.palette.empty() && image.palette.size() != static_cast<std::size_t>(colours)) {
        throw std::invalid_argument("palette must hold 2^planes entries");
    }
    if (image.comment.find('\x1A') != std::string::npos ||
        image.hiddenComment.find('\0') != std::string::npos) {
        throw std::invalid_argument("comment holds its terminator");
    }
    if (image.saver.size() != 4 || image.extension.size() > 65535) {
        throw std::invalid_argument("saver must be four characters, extension at most 65535");
    }

    std::string out = "Pi";
    out += image.comment;
    out.push_back('\x1A');
    out += image.hiddenComment;
    out.push_back('\0');
    out.push_back(static_cast<char>(image.palette.empty() ? 0x80 : 0x00));
    out.push_back(static_cast<char>(image.aspectN));
    out.push_back(static_cast<char>(image.aspectM));
    out.push_back(static_cast<char>(image.planes));
    out += image.saver;
    putBe16(out, image.extension.size());
    out += image.extension;
    putBe16(out, width);
    putBe16(out, static_cast<std::size_t>(image.height));
    for (const auto& rgb : image.palette) {
        out.append(reinterpret_cast<const char*>(rgb.data()), 3);
    }

    BitWriter w;
    Recency recency(image.planes);
    // The first unit is always a copy of the virtual pixels c0 c1, so choose
    // them as the first two pixels.
    const u8 c0 = image.indexes[0];
    const u8 c1 = total > 1 ? image.indexes[1] : c0;
    recency.write(w, 0, c0);
    recency.write(w, c0, c1);

    const std::size_t lead = std::max<std::size_t>(2 * width, 4);
    std::vector<u8> area(lead + total);
    for (std::size_t i = 0; i < lead; ++i) {
        area[i] = ((lead - i) & 1) ? c1 : c0;
    }
    std::copy(image.indexes.begin(), image.indexes.end(), area.begin() + lead);
    const u8* px = area.data() + lead;
    // Pixels before the picture, counted back from `at`; indexes stay
    // non-negative throughout (the virtual lines are at least as long as
    // any distance).
    const u8* const a = area.data();
    auto back = [&](std::size_t at, std::size_t d) { return a[lead + at - d]; };

    const std::size_t distances[5] = {0, width, 2 * width, width - 1, width + 1};
    auto distanceOf = [&](int position, std::size_t at) -> std::size_t {
        if (position == 0) {
            return back(at, 1) == back(at, 2) ? 2 : 4;
        }
        return distances[position];
    };
    // Whole units from `at` that a copy from `position` reproduces.
    auto matchUnits = [&](int position, std::size_t at) -> std::size_t {
        const std::size_t d = distanceOf(position, at);
        if (d == 0) {
            return 0;
        }
        std::size_t units = 0;
        for (std::size_t p = at; p < total; p += 2, ++units) {
            if (px[p] != back(p, d) || (p + 1 < total && px[p + 1] != back(p + 1, d))) {
                break;
            }
        }
        return units;
    };
    auto bestCopy = [&](int excluded, std::size_t at, std::size_t& units) {
        int best = -1;
        units = 0;
        for (int position = 0; position < 5; ++position) {
            if (position == excluded) {
                continue;
            }
            const std::size_t u = matchUnits(position, at);
            if (u > units) {
                units = u;
                best = position;
            }
        }
        return best;
    };

    std::size_t at = 0;
    int previous = -1;
    while (at < total) {
        std::size_t units = 0;
        const int position = bestCopy(previous, at, units);
        if (position >= 0) {
            writePosition(w, position);
            writeLength(w, units);
            at = std::min(total, at + 2 * units);
            previous = position;
            continue;
        }
        // Nothing to copy: literal pairs until a copy can take over. The
        // first unit and the unit after a literal run can always be copied,
        // so a previous position exists here.
        if (previous < 0) {
            throw std::logic_error("literal run without a previous position");
        }
        writePosition(w, previous);
        for (;;) {
            recency.write(w, px[at - 1], px[at]);
            if (++at == total) {
                break;
            }
            recency.write(w, px[at - 1], px[at]);
            if (++at == total) {
                break;
            }
            std::size_t ignored = 0;
            const bool copyNext = bestCopy(-1, at, ignored) >= 0;
            w.put(copyNext ? 0 : 1, 1);
            if (copyNext) {
                break;
            }
        }
        previous = -1;
    }
    out += w.finish();
    return out;
}

} // namespace kuyu::pi
