// Skin pictures and the BMP files they travel in.
//
// A stored skin holds its pictures as complete BMP files back to back without lengths, so the reader
// must consume exactly the bytes the headers describe: the 14-byte file header, the info header (its
// first field is its length), the bit-field masks of 16- and 32-bit pictures, the colour table and the
// pixel rows (the header's image size for compressed pictures, otherwise whole rows, never more than
// the bytes left). The file header's size and pixel-offset fields are not used.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/ByteReader.h"
#include "skin/SkinValues.h"

namespace vireltan {

// A picture as its BMP file held it, with run-length data already expanded: rows top-down, each
// stride() bytes, in the file's own pixel format.
struct SkinPicture {
    int width = 0;
    int height = 0;
    int bitCount = 0;                      // 1, 4, 8, 16, 24 or 32; 0 for an empty picture
    std::vector<std::uint32_t> palette;    // colour table entries as stored: blue in the lowest byte
    std::array<std::uint32_t, 3> masks{};  // red, green, blue bit fields of 16- and 32-bit pictures
    bool bitFields = false;                // the masks came from the file (else the standard ones)
    std::vector<std::uint8_t> pixels;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    std::size_t stride() const { return static_cast<std::size_t>(rowBytes(width, bitCount)); }
    // The colour of one pixel, red in the lowest byte; black outside the picture or for a colour
    // index the table does not have.
    SkinColor colorAt(int x, int y) const;
    bool operator==(const SkinPicture&) const = default;

    // Bytes of one row, padded to 4 bytes.
    static std::uint64_t rowBytes(int width, int bitCount) {
        if (width <= 0 || bitCount <= 0) return 0;
        return ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32) * 4;
    }
};

// The largest picture accepted, in pixels. Skin pictures are a few hundred pixels wide; a header
// asking for more is treated as damaged rather than allowed to claim memory it never fills.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 22;  // 2048 x 2048

// Reads one BMP file from the reader's position and leaves the reader right after it. Throws
// SkinBitmapError for anything that is not a BMP file this reader decodes, SkinStreamError when the
// headers or colour table are cut short.
SkinPicture readBmp(ByteReader& in);
SkinPicture readBmp(std::span<const std::uint8_t> file);

// A complete BMP file (40-byte info header, bottom-up rows) whose length is exactly what readBmp
// consumes. An empty picture is written as a 0 x 0 24-bit file.
std::vector<std::uint8_t> writeBmp(const SkinPicture& picture);

}  // namespace vireltan
