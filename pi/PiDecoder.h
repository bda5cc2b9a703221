// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoder for Pi pictures (16- and 256-colour palette pictures of the PC-98
// era). Shaped like the picture plug-in the program used to drive, in three
// steps: plug-in information, picture information, picture.
//
// Nothing here throws on bad data: a stream the decoder cannot read gives a
// picture of width and height 0 with no pixels (and an error kind saying why).
// Input is never read past its end and output never written past its end.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kuyu::pi {

// Why a stream could not be read.
enum class PiError {
    None,
    UnknownFormat, // does not start with "Pi"
    BrokenData,    // planes not 4 or 8, width or height 0, stream ends early...
    TooLarge,      // the header claims more than kMaxPixels pixels
    OutOfMemory,
    FileUnreadable, // decodePiFile: the file is missing or cannot be read
};

// Pictures larger than this are refused without allocating anything.
inline constexpr std::uint64_t kMaxPixels = 64ull * 1024 * 1024;
// No Pi file of kMaxPixels or fewer needs more bytes than this (about 15 bits
// a pixel at worst, plus comments); decodePiFile does not read larger files.
inline constexpr std::size_t kMaxFileBytes = 256u * 1024 * 1024;

// Step 1: plug-in information. Number 1 gives a description text; any other
// number gives an empty text.
std::string pluginInfo(int number);

// Step 2: picture information, read from the header alone.
struct PiInfo {
    PiError error = PiError::UnknownFormat;
    int width = 0; // 0 when the header cannot be read
    int height = 0;
    int planes = 0;               // bits per pixel: 4 or 8
    std::uint8_t aspectN = 0;     // the two aspect bytes as stored; (2,1) marks a
    std::uint8_t aspectM = 0;     // picture whose pixels display twice as tall
    bool defaultPalette = false;  // no palette stored; the default one is used
    std::string comment;          // raw CP932 bytes, up to the 0x1A
    std::string hiddenComment;    // raw bytes, up to the 0x00
    std::string saver;            // four characters naming the saving machine
    std::size_t streamOffset = 0; // where the compressed stream begins

    bool ok() const { return error == PiError::None; }
};
PiInfo readPiInfo(std::string_view bytes);

// Step 3: the picture, as a device-independent bitmap.
struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
};

struct BitmapInfo {
    int width = 0;
    int height = 0;
    int bitCount = 0;             // 4 or 8
    std::vector<RgbQuad> palette; // 2^bitCount entries
};

// The decoded picture. Owns its pixels. Rows are stored bottom-up (the last
// picture row first), each padded to a multiple of 4 bytes; 4-bit rows hold
// the first pixel of a pair in the high nibble.
class PiPicture {
  public:
    PiPicture() = default;
    PiPicture(PiPicture&&) noexcept = default;
    PiPicture& operator=(PiPicture&&) noexcept = default;
    PiPicture(const PiPicture&) = delete;
    PiPicture& operator=(const PiPicture&) = delete;

    bool isNull() const { return info_.width == 0 || info_.height == 0; }
    PiError error() const { return error_; }
    const PiInfo& piInfo() const { return pi_; }
    const BitmapInfo& bitmapInfo() const { return info_; }
    int width() const { return info_.width; }
    int height() const { return info_.height; }

    // Bytes per stored row (a multiple of 4).
    std::size_t stride() const { return stride_; }
    const std::uint8_t* bits() const { return bits_.data(); }
    std::size_t byteCount() const { return bits_.size(); }

    // The palette index of pixel (x, y), y counted from the top. Checked:
    // returns 0 outside the picture.
    int indexAt(int x, int y) const;

  private:
    friend PiPicture decodePi(std::string_view bytes);
    friend PiPicture unreadablePicture();
    PiInfo pi_;
    BitmapInfo info_;
    PiError error_ = PiError::UnknownFormat;
    std::size_t stride_ = 0;
    std::vector<std::uint8_t> bits_;
};

// Decodes a whole Pi stream held in memory.
PiPicture decodePi(std::string_view bytes);

// The null picture of a file that could not be read (PiError::FileUnreadable).
// Reading files is the caller's business: decodePiFile in core/images/PiFile.h.
PiPicture unreadablePicture();

// The picture as top-down 32-bit pixels 0xFFRRGGBB, width × height of them
// with no padding (the layout of a 32-bit RGB image row by row). Empty for a
// null picture.
std::vector<std::uint32_t> toRgb32TopDown(const PiPicture& picture);

// Lower level, used by the encoder's tests and the benchmark: decodes into one
// palette index per pixel, top-down, no padding. `indexes` is resized to
// width × height (or cleared on failure). Returns the header information.
PiInfo decodePiIndexes(std::string_view bytes, std::vector<std::uint8_t>& indexes);

// The picture as one palette index per pixel, top-down, `width` bytes a row
// with no padding, in a buffer the caller takes over: a screen image can be
// made over it without a copy. `pixels` is null when the stream could not be
// decoded (info.error says why).
struct PiIndexedPicture {
    PiInfo info;
    std::unique_ptr<std::uint8_t[]> buffer; // owns the pixels
    const std::uint8_t* pixels = nullptr;   // the first row, inside buffer
    std::vector<RgbQuad> palette;           // 2^planes entries
};
PiIndexedPicture decodePiIndexed(std::string_view bytes);

// The palette used when a file stores none.
std::vector<RgbQuad> defaultPalette(int planes);

} // namespace kuyu::pi
