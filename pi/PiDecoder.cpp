// SPDX-License-Identifier: GPL-3.0-or-later
#include "pi/PiDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

namespace kuyu::pi {

namespace {

using u8 = std::uint8_t;
using u64 = std::uint64_t;

// Reads bits most significant first. The buffer holds `count` valid bits at
// its top. Past the end of the input it shifts in zero bytes and counts them,
// so the decoder never touches memory past the input and can tell afterwards
// whether it consumed bits that were not there.
struct BitReader {
    const u8* p;
    const u8* end;
    u64 bits = 0;
    int count = 0;
    std::size_t padBytes = 0;

    BitReader(const u8* begin, const u8* stop) : p(begin), end(stop) { refill(); }

    // Afterwards at least 56 bits are available.
    void refill() {
        if (end - p >= 8) {
            u64 v;
            std::memcpy(&v, p, 8);
            if constexpr (std::endian::native == std::endian::little) {
                v = __builtin_bswap64(v);
            }
            bits |= v >> count;
            p += (63 - count) >> 3;
            count |= 56;
        } else {
            while (count <= 56) {
                u64 b = 0;
                if (p < end) {
                    b = *p++;
                } else {
                    ++padBytes;
                }
                bits |= b << (56 - count);
                count += 8;
            }
        }
    }
    // n in 1..56, with n <= count.
    std::uint32_t peek(int n) const { return static_cast<std::uint32_t>(bits >> (64 - n)); }
    void skip(int n) {
        bits <<= n;
        count -= n;
    }
    std::uint32_t take(int n) {
        const std::uint32_t v = peek(n);
        skip(n);
        return v;
    }
    // True when bits past the end of the input have been consumed.
    bool overrun() const { return padBytes * 8 > static_cast<std::size_t>(count); }
};

// Colour-code tables: the next `W` bits of the stream give the index k and
// the code length. W = 6 for 16 colours, 14 for 256.
struct CodeEntry {
    u8 k;
    u8 length;
};

template <int Planes> struct ColourCodes {
    static constexpr int Width = Planes == 4 ? 6 : 14;
    std::array<CodeEntry, (1u << Width)> table{};
    ColourCodes() {
        auto fill = [&](std::uint32_t code, int length, int k) {
            const int freeBits = Width - length;
            const std::uint32_t base = code << freeBits;
            for (std::uint32_t i = 0; i < (1u << freeBits); ++i) {
                table[base | i] = CodeEntry{static_cast<u8>(k), static_cast<u8>(length)};
            }
        };
        // k 0-1: 1x
        for (int x = 0; x < 2; ++x) {
            fill(0b10u | x, 2, x);
        }
        // After a leading 0: j one-bits (a 0 ends them below the cap), then
        // j + 1 bits v; k = 2^(j+1) + v.
        const int cap = Planes - 2;
        for (int j = 0; j <= cap; ++j) {
            std::uint32_t prefix = 0; // the leading 0
            int length = 1;
            for (int i = 0; i < j; ++i) {
                prefix = (prefix << 1) | 1;
                ++length;
            }
            if (j < cap) {
                prefix <<= 1;
                ++length;
            }
            for (int v = 0; v < (1 << (j + 1)); ++v) {
                fill((prefix << (j + 1)) | v, length + j + 1, (1 << (j + 1)) + v);
            }
        }
    }
};

const ColourCodes<4>& codes16() {
    static const ColourCodes<4> c;
    return c;
}
const ColourCodes<8>& codes256() {
    static const ColourCodes<8> c;
    return c;
}

// Recency rows for 16 colours: one 64-bit word per left colour, 16 nibbles,
// nibble 0 the most recent.
struct Table16 {
    std::array<u64, 16> rows;
    Table16() {
        for (int c = 0; c < 16; ++c) {
            u64 row = 0;
            for (int i = 0; i < 16; ++i) {
                row |= static_cast<u64>((c - i) & 15) << (4 * i);
            }
            rows[c] = row;
        }
    }
    u8 take(int left, int k) {
        const int shift = 4 * k;
        const u64 row = rows[left];
        const u64 colour = (row >> shift) & 15;
        const u64 from = ~u64{0} << shift; // nibbles k and later
        rows[left] = (row & (from << 4)) | ((row & ~from) << 4) | colour;
        return static_cast<u8>(colour);
    }
};

// Recency rows for 256 colours, 64 KiB: on the heap, so that decoding on a
// thread with a small stack is safe.
struct Table256 {
    std::unique_ptr<u8[]> rows{new u8[256 * 256]};
    Table256() {
        for (int c = 0; c < 256; ++c) {
            for (int i = 0; i < 256; ++i) {
                rows[c * 256 + i] = static_cast<u8>(c - i);
            }
        }
    }
    u8 take(int left, int k) {
        u8* row = rows.get() + left * 256;
        const u8 colour = row[k];
        std::memmove(row + 1, row, static_cast<std::size_t>(k));
        row[0] = colour;
        return colour;
    }
};

// Literal pairs of 16 colours: the next 13 bits give both indexes, the bits
// of the two colour codes (at most 12) and the continuation bit after them.
// Entry: k1 | k2 << 4 | bits << 8 | continuation << 12.
const std::array<std::uint16_t, 8192>& pairCodes16() {
    static const std::array<std::uint16_t, 8192> table = [] {
        std::array<std::uint16_t, 8192> t{};
        const auto& single = codes16().table;
        for (unsigned v = 0; v < 8192; ++v) {
            const CodeEntry first = single[v >> 7];
            const CodeEntry second = single[((v << first.length) & 0x1FFF) >> 7];
            const unsigned bits = first.length + second.length;
            const unsigned more = (v >> (12 - bits)) & 1;
            t[v] =
                static_cast<std::uint16_t>(first.k | (second.k << 4) | (bits << 8) | (more << 12));
        }
        return t;
    }();
    return table;
}

template <int Planes> struct ColourDecoder {
    using Table = std::conditional_t<Planes == 4, Table16, Table256>;
    static constexpr int W = ColourCodes<Planes>::Width;
    const CodeEntry* codes = (Planes == 4 ? static_cast<const CodeEntry*>(codes16().table.data())
                                          : static_cast<const CodeEntry*>(codes256().table.data()));
    Table table;

    // Needs at least W bits in the reader.
    u8 decode(BitReader& in, int left) {
        const CodeEntry e = codes[in.peek(W)];
        in.skip(e.length);
        return table.take(left, e.k);
    }
};

// Bytes the pixel buffer holds past the picture, so that copies may move
// whole 8- or 16-byte blocks and spill over their end. What spills is
// overwritten before anything reads it.
constexpr std::size_t kSlack = 32;

inline void fill8(u8* dst, u64 pattern, std::size_t n) {
    u8* const stop = dst + n;
    do {
        std::memcpy(dst, &pattern, 8);
        dst += 8;
    } while (dst < stop);
}

// Copies n (> 0) bytes from `distance` (> 0) bytes back. Overlapping sources
// repeat their pattern, as a byte-by-byte copy would.
inline void copyBack(u8* dst, std::size_t distance, std::size_t n) {
    if (distance >= 16) {
        if (n > 64 && distance >= n) {
            std::memcpy(dst, dst - distance, n);
            return;
        }
        u8* const stop = dst + n;
        do {
            std::memcpy(dst, dst - distance, 16);
            dst += 16;
        } while (dst < stop);
        return;
    }
    if (distance >= 8) {
        u8* const stop = dst + n;
        do {
            std::memcpy(dst, dst - distance, 8);
            dst += 8;
        } while (dst < stop);
        return;
    }
    switch (distance) {
    case 1:
        if (n > 64) {
            std::memset(dst, dst[-1], n);
        } else {
            fill8(dst, 0x0101010101010101ull * dst[-1], n);
        }
        return;
    case 2: {
        std::uint16_t q;
        std::memcpy(&q, dst - 2, 2);
        fill8(dst, 0x0001000100010001ull * q, n);
        return;
    }
    case 4: {
        std::uint32_t q;
        std::memcpy(&q, dst - 4, 4);
        fill8(dst, q | (u64{q} << 32), n);
        return;
    }
    default: {
        const u8* src = dst - distance;
        for (std::size_t i = 0; i < n; ++i) {
            dst[i] = src[i];
        }
    }
    }
}

// The next eight bits of the stream at a position code: the position, the
// bits of its code, and when the length code ends within the eight bits
// also the length in units and the bits of both codes (units 0 otherwise).
struct CopyCode {
    u8 position;
    u8 positionBits;
    u8 totalBits;
    u8 units;
};

constexpr std::array<CopyCode, 256> kCopyCodes = [] {
    std::array<CopyCode, 256> t{};
    for (unsigned b = 0; b < 256; ++b) {
        CopyCode c{};
        const unsigned top3 = b >> 5;
        if (top3 < 6) {
            c.position = static_cast<u8>(top3 >> 1);
            c.positionBits = 2;
        } else {
            c.position = static_cast<u8>(top3 - 3);
            c.positionBits = 3;
        }
        // The length code after the position code, left-aligned in 8 bits.
        const unsigned rest = (b << c.positionBits) & 0xFF;
        const int available = 8 - c.positionBits;
        int j = 0;
        while (j < available && ((rest >> (7 - j)) & 1)) {
            ++j;
        }
        const int lengthBits = 2 * j + 1;
        if (j < available && lengthBits <= available) {
            const unsigned v = j ? (rest >> (8 - lengthBits)) & ((1u << j) - 1) : 0;
            c.units = static_cast<u8>((1u << j) + v);
            c.totalBits = static_cast<u8>(c.positionBits + lengthBits);
        }
        t[b] = c;
    }
    return t;
}();

std::uint32_t be16(const u8* p) {
    return (std::uint32_t{p[0]} << 8) | p[1];
}

constexpr std::array<u8, 8> kLevels8 = {0x00, 0x24, 0x49, 0x6D, 0x92, 0xB6, 0xDB, 0xFF};
constexpr std::array<u8, 4> kLevels4 = {0x00, 0x55, 0xAA, 0xFF};

PiInfo failed(PiInfo info, PiError why) {
    info.error = why;
    info.width = 0;
    info.height = 0;
    return info;
}

// Decodes the stream into `out` (one index per pixel, top-down), after a
// virtual area of `lead` bytes. Returns false on broken data.
template <int Planes>
bool decodeStream(const u8* begin, const u8* end, std::size_t width, std::size_t total, u8* area,
                  std::size_t lead) {
    BitReader in(begin, end);
    ColourDecoder<Planes> colours;

    const u8 c0 = colours.decode(in, 0);
    const u8 c1 = colours.decode(in, c0);
    // Two lines (at least four pixels) above the picture: ... c0 c1 c0 c1.
    for (std::size_t i = 0; i < lead; ++i) {
        area[i] = ((lead - i) & 1) ? c1 : c0;
    }
    u8* const first = area + lead;
    u8* const last = first + total;
    u8* out = first;

    const std::size_t distances[5] = {0, width, 2 * width, width - 1, width + 1};
    int previous = -1;

    while (out < last) {
        in.refill();
        if (in.overrun()) {
            return false;
        }
        // Position code (00 01 10 110 111) and, when it fits in the same
        // eight bits, the length code, with one table look-up.
        const CopyCode code = kCopyCodes[in.peek(8)];
        const int position = code.position;
        if (position == previous) {
            in.skip(code.positionBits);
            // Literal pairs until a 0 continuation bit.
            u8 left = out[-1];
            if constexpr (Planes == 4) {
                // Whole pairs with one look-up while the picture has room
                // for them; the last pair goes the long way below.
                const std::uint16_t* pairs = pairCodes16().data();
                bool more = true;
                while (last - out >= 2) {
                    in.refill();
                    const std::uint16_t e = pairs[in.peek(13)];
                    // A pair that completes the picture has no continuation
                    // bit after it.
                    const bool ends = last - out == 2;
                    in.skip(static_cast<int>((e >> 8) & 15) + (ends ? 0 : 1));
                    left = colours.table.take(left, e & 15);
                    *out++ = left;
                    left = colours.table.take(left, (e >> 4) & 15);
                    *out++ = left;
                    if (ends) {
                        more = false;
                        break;
                    }
                    if ((e >> 12) == 0) {
                        more = false;
                        break;
                    }
                    if (in.overrun()) {
                        return false;
                    }
                }
                if (!more) {
                    previous = -1;
                    continue;
                }
            }
            for (;;) {
                in.refill();
                left = colours.decode(in, left);
                *out++ = left;
                if (out == last) {
                    break;
                }
                left = colours.decode(in, left);
                *out++ = left;
                if (out == last || in.take(1) == 0) {
                    break;
                }
                if (in.overrun()) {
                    return false;
                }
            }
            previous = -1;
            continue;
        }
        std::size_t units = code.units;
        if (units != 0) {
            in.skip(code.totalBits);
        } else {
            in.skip(code.positionBits);
            // Length: j one-bits, a 0, then j bits v; units = 2^j + v.
            const int j = std::countl_one(in.bits);
            if (j > 30) {
                return false; // no picture we accept is that long
            }
            in.skip(j + 1);
            if (j > 0) {
                in.refill();
            }
            units = (std::size_t{1} << j) + (j ? in.take(j) : 0);
        }

        const std::size_t n = std::min(units * 2, static_cast<std::size_t>(last - out));
        if (position == 0) {
            // The previous unit: 2 back when the two pixels before are equal
            // (a run of their colour), otherwise 4 back (a repeating group of
            // four). Either way an 8-byte pattern, chosen without a branch.
            const u64 run = 0x0101010101010101ull * out[-1];
            std::uint32_t q;
            std::memcpy(&q, out - 4, 4);
            const u64 group = q | (u64{q} << 32);
            const u64 pattern = out[-1] == out[-2] ? run : group;
            if (n <= 16) {
                std::memcpy(out, &pattern, 8);
                std::memcpy(out + 8, &pattern, 8);
            } else if (n > 256 && pattern == run) {
                std::memset(out, out[-1], n); // a long run of one colour
            } else {
                fill8(out, pattern, n);
            }
        } else {
            const std::size_t distance = distances[position];
            if (distance == 0) {
                return false; // one pixel wide: the pixel itself is no source
            }
            if (distance >= 16 && n <= 16) {
                std::memcpy(out, out - distance, 16);
            } else {
                copyBack(out, distance, n);
            }
        }
        out += n;
        previous = position;
    }
    return !in.overrun();
}

// Decodes the stream of a picture whose header `info` describes. The buffer
// is left uninitialised: the decoder writes every pixel before any copy
// reads it, so a header claiming a large picture over a short stream only
// touches the memory it gets to. On success `area` holds `lead` virtual
// pixels and then the picture. Throws std::bad_alloc.
bool decodeArea(std::string_view bytes, const PiInfo& info, std::unique_ptr<u8[]>& area,
                std::size_t& lead) {
    const std::size_t width = static_cast<std::size_t>(info.width);
    const std::size_t total = width * static_cast<std::size_t>(info.height);
    lead = std::max<std::size_t>(2 * width, 4);
    area.reset(new u8[lead + total + kSlack]);
    const auto* base = reinterpret_cast<const u8*>(bytes.data());
    const u8* begin = base + info.streamOffset;
    const u8* end = base + bytes.size();
    return info.planes == 4 ? decodeStream<4>(begin, end, width, total, area.get(), lead)
                            : decodeStream<8>(begin, end, width, total, area.get(), lead);
}

// The stored palette (bytes R, G, B in the file, passed through unchanged),
// or the default one.
std::vector<RgbQuad> paletteOf(const u8* base, const PiInfo& info) {
    if (info.defaultPalette) {
        return defaultPalette(info.planes);
    }
    const std::size_t entries = std::size_t{1} << info.planes;
    const u8* pal = base + info.streamOffset - 3 * entries;
    std::vector<RgbQuad> palette(entries);
    for (std::size_t i = 0; i < entries; ++i) {
        palette[i].red = pal[3 * i];
        palette[i].green = pal[3 * i + 1];
        palette[i].blue = pal[3 * i + 2];
    }
    return palette;
}

} // namespace

std::string pluginInfo(int number) {
    if (number == 1) {
        return "Pi picture decoder (16 and 256 colours)";
    }
    return {};
}

PiInfo readPiInfo(std::string_view bytes) {
    PiInfo info;
    const auto* data = reinterpret_cast<const u8*>(bytes.data());
    const std::size_t size = bytes.size();
    if (size < 2 || data[0] != 'P' || data[1] != 'i') {
        return failed(std::move(info), PiError::UnknownFormat);
    }
    std::size_t at = 2;
    const std::size_t eof = bytes.find('\x1A', at);
    if (eof == std::string_view::npos) {
        return failed(std::move(info), PiError::BrokenData);
    }
    info.comment.assign(bytes.substr(at, eof - at));
    at = eof + 1;
    const std::size_t nul = bytes.find('\0', at);
    if (nul == std::string_view::npos) {
        return failed(std::move(info), PiError::BrokenData);
    }
    info.hiddenComment.assign(bytes.substr(at, nul - at));
    at = nul + 1;
    // mode, aspect n, aspect m, planes, saver (4), extension length (2)
    if (size - at < 10) {
        return failed(std::move(info), PiError::BrokenData);
    }
    const u8 mode = data[at];
    info.aspectN = data[at + 1];
    info.aspectM = data[at + 2];
    info.planes = data[at + 3];
    info.saver.assign(bytes.substr(at + 4, 4));
    const std::size_t extension = be16(data + at + 8);
    at += 10;
    if (size - at < extension || size - at - extension < 4) {
        return failed(std::move(info), PiError::BrokenData);
    }
    at += extension;
    const std::uint32_t width = be16(data + at);
    const std::uint32_t height = be16(data + at + 2);
    at += 4;
    info.defaultPalette = (mode & 0x80) != 0;
    if (info.planes != 4 && info.planes != 8) {
        return failed(std::move(info), PiError::BrokenData);
    }
    if (width == 0 || height == 0) {
        return failed(std::move(info), PiError::BrokenData);
    }
    if (std::uint64_t{width} * height > kMaxPixels) {
        return failed(std::move(info), PiError::TooLarge);
    }
    if (!info.defaultPalette) {
        const std::size_t paletteBytes = 3u << info.planes;
        if (size - at < paletteBytes) {
            return failed(std::move(info), PiError::BrokenData);
        }
        at += paletteBytes;
    }
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);
    info.streamOffset = at;
    info.error = PiError::None;
    return info;
}

std::vector<RgbQuad> defaultPalette(int planes) {
    std::vector<RgbQuad> palette;
    if (planes == 4) {
        palette.resize(16);
        for (int i = 0; i < 16; ++i) {
            const u8 level = (i & 8) ? 0xFF : 0x77;
            palette[i].blue = (i & 1) ? level : 0;
            palette[i].red = (i & 2) ? level : 0;
            palette[i].green = (i & 4) ? level : 0;
        }
        palette[8] = RgbQuad{}; // 0 and 8 are both black
    } else if (planes == 8) {
        palette.resize(256);
        for (int i = 0; i < 256; ++i) {
            palette[i].green = kLevels8[(i >> 5) & 7];
            palette[i].red = kLevels8[(i >> 2) & 7];
            palette[i].blue = kLevels4[i & 3];
        }
    }
    return palette;
}

PiInfo decodePiIndexes(std::string_view bytes, std::vector<std::uint8_t>& indexes) {
    indexes.clear();
    PiInfo info = readPiInfo(bytes);
    if (!info.ok()) {
        return info;
    }
    try {
        std::unique_ptr<u8[]> area;
        std::size_t lead = 0;
        if (!decodeArea(bytes, info, area, lead)) {
            return failed(std::move(info), PiError::BrokenData);
        }
        const std::size_t total = static_cast<std::size_t>(info.width) * info.height;
        indexes.assign(area.get() + lead, area.get() + lead + total);
    } catch (const std::bad_alloc&) {
        indexes.clear();
        return failed(std::move(info), PiError::OutOfMemory);
    }
    return info;
}

PiIndexedPicture decodePiIndexed(std::string_view bytes) {
    PiIndexedPicture picture;
    picture.info = readPiInfo(bytes);
    if (!picture.info.ok()) {
        return picture;
    }
    try {
        std::unique_ptr<u8[]> area;
        std::size_t lead = 0;
        if (!decodeArea(bytes, picture.info, area, lead)) {
            picture.info = failed(std::move(picture.info), PiError::BrokenData);
            return picture;
        }
        picture.palette = paletteOf(reinterpret_cast<const u8*>(bytes.data()), picture.info);
        picture.pixels = area.get() + lead;
        picture.buffer = std::move(area);
    } catch (const std::bad_alloc&) {
        picture.info = failed(std::move(picture.info), PiError::OutOfMemory);
        picture.pixels = nullptr;
        picture.buffer.reset();
    }
    return picture;
}

int PiPicture::indexAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= info_.width || y >= info_.height) {
        return 0;
    }
    const u8* row = bits_.data() + stride_ * static_cast<std::size_t>(info_.height - 1 - y);
    if (info_.bitCount == 8) {
        return row[x];
    }
    const u8 pair = row[x / 2];
    return (x & 1) ? (pair & 0x0F) : (pair >> 4);
}

PiPicture decodePi(std::string_view bytes) {
    PiPicture picture;
    PiInfo info = readPiInfo(bytes);
    if (!info.ok()) {
        picture.error_ = info.error;
        picture.pi_ = std::move(info);
        return picture;
    }
    const std::size_t width = static_cast<std::size_t>(info.width);
    const std::size_t height = static_cast<std::size_t>(info.height);
    const auto* base = reinterpret_cast<const u8*>(bytes.data());
    try {
        std::unique_ptr<u8[]> area;
        std::size_t lead = 0;
        if (!decodeArea(bytes, info, area, lead)) {
            picture.error_ = PiError::BrokenData;
            picture.pi_ = failed(std::move(info), PiError::BrokenData);
            return picture;
        }
        const int bitCount = info.planes;
        const std::size_t stride = ((width * static_cast<std::size_t>(bitCount) + 31) / 32) * 4;
        std::vector<u8> bits(stride * height); // zero padding
        const u8* src = area.get() + lead;
        for (std::size_t y = 0; y < height; ++y) {
            u8* row = bits.data() + stride * (height - 1 - y);
            const u8* line = src + width * y;
            if (bitCount == 8) {
                std::memcpy(row, line, width);
            } else {
                const std::size_t pairs = width / 2;
                std::size_t i = 0;
                if constexpr (std::endian::native == std::endian::little) {
                    // Eight pixels into four bytes at a time.
                    for (; i + 4 <= pairs; i += 4) {
                        u64 x;
                        std::memcpy(&x, line + 2 * i, 8);
                        u64 y =
                            ((x & 0x00FF00FF00FF00FFull) << 4) | ((x >> 8) & 0x00FF00FF00FF00FFull);
                        y = (y | (y >> 8)) & 0x0000FFFF0000FFFFull;
                        y = (y | (y >> 16)) & 0xFFFFFFFFull;
                        const std::uint32_t packed = static_cast<std::uint32_t>(y);
                        std::memcpy(row + i, &packed, 4);
                    }
                }
                for (; i < pairs; ++i) {
                    row[i] = static_cast<u8>((line[2 * i] << 4) | line[2 * i + 1]);
                }
                if (width & 1) {
                    row[pairs] = static_cast<u8>(line[width - 1] << 4);
                }
            }
        }

        BitmapInfo bmi;
        bmi.width = info.width;
        bmi.height = info.height;
        bmi.bitCount = bitCount;
        bmi.palette = paletteOf(base, info);
        picture.info_ = std::move(bmi);
        picture.stride_ = stride;
        picture.bits_ = std::move(bits);
        picture.error_ = PiError::None;
        picture.pi_ = std::move(info);
    } catch (const std::bad_alloc&) {
        picture = PiPicture();
        picture.error_ = PiError::OutOfMemory;
    }
    return picture;
}

PiPicture unreadablePicture() {
    // Width and height 0, as for a stream we cannot decode.
    PiPicture none;
    none.error_ = PiError::FileUnreadable;
    none.pi_.error = PiError::FileUnreadable;
    return none;
}

std::vector<std::uint32_t> toRgb32TopDown(const PiPicture& picture) {
    std::vector<std::uint32_t> out;
    if (picture.isNull()) {
        return out;
    }
    const BitmapInfo& bmi = picture.bitmapInfo();
    std::array<std::uint32_t, 256> lut{};
    for (std::size_t i = 0; i < bmi.palette.size() && i < lut.size(); ++i) {
        const RgbQuad q = bmi.palette[i];
        lut[i] =
            0xFF000000u | (std::uint32_t{q.red} << 16) | (std::uint32_t{q.green} << 8) | q.blue;
    }
    const std::size_t width = static_cast<std::size_t>(bmi.width);
    const std::size_t height = static_cast<std::size_t>(bmi.height);
    out.resize(width * height);
    for (std::size_t y = 0; y < height; ++y) {
        const u8* row = picture.bits() + picture.stride() * (height - 1 - y);
        std::uint32_t* dst = out.data() + width * y;
        if (bmi.bitCount == 8) {
            for (std::size_t x = 0; x < width; ++x) {
                dst[x] = lut[row[x]];
            }
        } else {
            for (std::size_t x = 0; x < width; ++x) {
                const u8 pair = row[x >> 1];
                dst[x] = lut[(x & 1) ? (pair & 0x0F) : (pair >> 4)];
            }
        }
    }
    return out;
}

} // namespace kuyu::pi
