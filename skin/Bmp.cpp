#include "skin/Bmp.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "skin/SkinErrors.h"

namespace vireltan {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitFields = 3;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::array<std::uint32_t, 3> standardMasks(int bitCount) {
    if (bitCount == 16) return {0x7C00u, 0x03E0u, 0x001Fu};
    return {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
}

// One colour component from a bit field, scaled to 0..255.
int maskedComponent(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t field = (value & mask) >> shift;
    const std::uint32_t top = mask >> shift;
    return static_cast<int>((static_cast<std::uint64_t>(field) * 255 + top / 2) / top);
}

bool validBitCount(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

// Sets one index of a 4- or 8-bit row; positions outside the picture are dropped, as the run-length
// format allows a run to overshoot the row.
void putIndex(SkinPicture& p, int x, int rowFromBottom, std::uint8_t index) {
    if (x < 0 || x >= p.width || rowFromBottom < 0 || rowFromBottom >= p.height) return;
    std::uint8_t* row = p.pixels.data() + static_cast<std::size_t>(p.height - 1 - rowFromBottom) * p.stride();
    if (p.bitCount == 8) {
        row[x] = index;
    } else {
        std::uint8_t& byte = row[x / 2];
        byte = (x % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (index << 4))
                            : static_cast<std::uint8_t>((byte & 0xF0) | (index & 0x0F));
    }
}

// Expands run-length data (bottom-up by definition) into the picture's rows. Damaged data ends the
// expansion; what was drawn stays, the rest stays index 0.
void expandRunLength(SkinPicture& p, std::span<const std::uint8_t> data) {
    const bool four = p.bitCount == 4;
    int x = 0;
    int y = 0;
    std::size_t i = 0;
    while (i + 1 < data.size() && y < p.height) {
        const int count = data[i];
        const std::uint8_t value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k) {
                const std::uint8_t index =
                    four ? static_cast<std::uint8_t>(k % 2 == 0 ? value >> 4 : value & 0x0F) : value;
                putIndex(p, x++, y, index);
            }
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of picture
            return;
        } else if (value == 2) {  // move right and up
            if (i + 1 >= data.size()) return;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {  // a literal run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (static_cast<std::size_t>(value) + 1) / 2 : value;
            if (i + bytes > data.size()) return;
            for (int k = 0; k < value; ++k) {
                const std::uint8_t index =
                    four ? static_cast<std::uint8_t>(k % 2 == 0 ? data[i + k / 2] >> 4
                                                                : data[i + k / 2] & 0x0F)
                         : data[i + k];
                putIndex(p, x++, y, index);
            }
            i += bytes + (bytes % 2);
        }
    }
}

void putU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

}  // namespace

SkinColor SkinPicture::colorAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(y) * stride();
    std::uint32_t quad = 0;  // blue in the lowest byte, as in a colour table
    switch (bitCount) {
        case 1:
        case 4:
        case 8: {
            const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
            const int shift = 8 - bitCount - static_cast<int>(bit % 8);
            const std::uint32_t index = (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
            if (index >= palette.size()) return 0;
            quad = palette[index];
            break;
        }
        case 16:
        case 32: {
            const std::uint32_t v = bitCount == 16
                                        ? static_cast<std::uint32_t>(row[2 * x] | (row[2 * x + 1] << 8))
                                        : static_cast<std::uint32_t>(row[4 * x]) |
                                              (static_cast<std::uint32_t>(row[4 * x + 1]) << 8) |
                                              (static_cast<std::uint32_t>(row[4 * x + 2]) << 16) |
                                              (static_cast<std::uint32_t>(row[4 * x + 3]) << 24);
            return rgbColor(maskedComponent(v, masks[0]), maskedComponent(v, masks[1]),
                            maskedComponent(v, masks[2]));
        }
        case 24:
            quad = static_cast<std::uint32_t>(row[3 * x]) |
                   (static_cast<std::uint32_t>(row[3 * x + 1]) << 8) |
                   (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
            break;
        default:
            return 0;
    }
    return rgbColor(static_cast<int>((quad >> 16) & 0xFF), static_cast<int>((quad >> 8) & 0xFF),
                    static_cast<int>(quad & 0xFF));
}

SkinPicture readBmp(ByteReader& in) {
    const auto fileHeader = in.take(kFileHeaderSize);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') throw SkinBitmapError();

    const std::uint32_t headerSize = in.readU32();
    // Only the Windows info header and its longer successors; the old 12-byte header has no
    // colour count to size its table by.
    if (headerSize < kInfoHeaderSize) throw SkinBitmapError();
    const std::int32_t width = in.readI32();
    const std::int32_t height = in.readI32();
    in.readU16();  // planes
    const int bitCount = in.readU16();
    const std::uint32_t compression = in.readU32();
    const std::uint32_t imageSize = in.readU32();
    in.readU32();  // horizontal resolution
    in.readU32();  // vertical resolution
    const std::uint32_t colorsUsed = in.readU32();
    in.readU32();  // important colours
    in.take(headerSize - kInfoHeaderSize);
    if (width < 0 || !validBitCount(bitCount)) throw SkinBitmapError();

    const bool withMasks = (bitCount == 16 || bitCount == 32) && compression == kBiBitFields;
    std::array<std::uint32_t, 3> masks = standardMasks(bitCount);
    if (withMasks) masks = {in.readU32(), in.readU32(), in.readU32()};

    const std::uint64_t colorCount = colorsUsed != 0 ? colorsUsed : (bitCount <= 8 ? (1u << bitCount) : 0u);
    if (colorCount > in.remaining() / 4) throw SkinStreamError();
    const auto table = in.take(static_cast<std::size_t>(colorCount) * 4);

    const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    const std::uint64_t rowLength = SkinPicture::rowBytes(width, bitCount);
    const std::uint64_t wholeRows =
        (rows != 0 && rowLength > std::numeric_limits<std::uint64_t>::max() / rows)
            ? std::numeric_limits<std::uint64_t>::max()
            : rowLength * rows;
    std::uint64_t pixelBytes = (imageSize != 0 && compression != kBiRgb) ? imageSize : wholeRows;
    pixelBytes = std::min<std::uint64_t>(pixelBytes, in.remaining());
    const auto data = in.take(static_cast<std::size_t>(pixelBytes));

    // Everything consumed; now decide whether the pixels can be decoded.
    if (static_cast<std::uint64_t>(width) * rows > static_cast<std::uint64_t>(kMaxPicturePixels)) {
        throw SkinBitmapError();
    }
    const bool runLength =
        (compression == kBiRle8 && bitCount == 8) || (compression == kBiRle4 && bitCount == 4);
    if (compression != kBiRgb && !withMasks && !runLength) throw SkinBitmapError();
    if (runLength && height < 0) throw SkinBitmapError();

    SkinPicture picture;
    // A picture without columns or without rows has no pixels at all, whatever the other side says:
    // keeping a height of two billion empty rows would only make every row loop spin.
    const bool noPixels = width == 0 || rows == 0;
    picture.width = noPixels ? 0 : width;
    picture.height = noPixels ? 0 : static_cast<int>(rows);
    picture.bitCount = bitCount;
    picture.masks = masks;
    picture.bitFields = withMasks;
    const std::size_t paletteSize =
        std::min<std::size_t>(table.size() / 4, bitCount <= 8 ? 256 : table.size() / 4);
    picture.palette.reserve(paletteSize);
    for (std::size_t i = 0; i < paletteSize; ++i) {
        picture.palette.push_back(static_cast<std::uint32_t>(table[4 * i]) |
                                  (static_cast<std::uint32_t>(table[4 * i + 1]) << 8) |
                                  (static_cast<std::uint32_t>(table[4 * i + 2]) << 16) |
                                  (static_cast<std::uint32_t>(table[4 * i + 3]) << 24));
    }
    const std::size_t stride = picture.stride();
    const std::size_t total = stride * static_cast<std::size_t>(picture.height);
    if (runLength) {
        picture.pixels.assign(total, 0);
        expandRunLength(picture, data);
        return picture;
    }
    if (data.size() < total) {
        // A short last picture: the rows the data do not have stay zero.
        picture.pixels.assign(total, 0);
        for (int r = 0; r < picture.height && stride > 0; ++r) {
            const std::size_t offset = static_cast<std::size_t>(r) * stride;
            if (offset >= data.size()) break;
            const int target = height < 0 ? r : picture.height - 1 - r;
            std::memcpy(picture.pixels.data() + static_cast<std::size_t>(target) * stride,
                        data.data() + offset, std::min(stride, data.size() - offset));
        }
        return picture;
    }
    // The usual case, in one pass: rows top-down, taken from the end for a bottom-up file.
    if (height < 0) {
        picture.pixels.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(total));
    } else {
        picture.pixels.reserve(total);
        for (std::size_t r = static_cast<std::size_t>(picture.height); r-- > 0;) {
            const auto row = data.begin() + static_cast<std::ptrdiff_t>(r * stride);
            picture.pixels.insert(picture.pixels.end(), row, row + static_cast<std::ptrdiff_t>(stride));
        }
    }
    return picture;
}

SkinPicture readBmp(std::span<const std::uint8_t> file) {
    ByteReader in(file);
    return readBmp(in);
}

std::vector<std::uint8_t> writeBmp(const SkinPicture& picture) {
    const bool empty = picture.isEmpty() || !validBitCount(picture.bitCount);
    const int width = empty ? 0 : picture.width;
    const int height = empty ? 0 : picture.height;
    const int bitCount = empty ? 24 : picture.bitCount;
    const bool withMasks = !empty && picture.bitFields && (bitCount == 16 || bitCount == 32);
    const std::size_t stride = SkinPicture::rowBytes(width, bitCount);
    // An 8-bit or smaller picture needs its table: a count of 0 would mean a full table to a reader.
    std::vector<std::uint32_t> palette = empty ? std::vector<std::uint32_t>{} : picture.palette;
    if (bitCount <= 8 && palette.empty()) palette.assign(std::size_t{1} << bitCount, 0);
    const std::size_t paletteSize = palette.size();
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + (withMasks ? 12u : 0u) +
                                      static_cast<std::uint32_t>(paletteSize * 4);
    const std::size_t imageSize = stride * static_cast<std::size_t>(height);

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    putU32(out, static_cast<std::uint32_t>(pixelOffset + imageSize));
    putU32(out, 0);
    putU32(out, pixelOffset);
    putU32(out, kInfoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height));
    putU16(out, 1);
    putU16(out, static_cast<std::uint32_t>(bitCount));
    putU32(out, withMasks ? kBiBitFields : kBiRgb);
    putU32(out, static_cast<std::uint32_t>(imageSize));
    putU32(out, 0);
    putU32(out, 0);
    // The colour count is always written, so a short table is read back with exactly its length.
    putU32(out, static_cast<std::uint32_t>(paletteSize));
    putU32(out, 0);
    if (withMasks) {
        for (std::uint32_t m : picture.masks) putU32(out, m);
    }
    for (std::size_t i = 0; i < paletteSize; ++i) putU32(out, palette[i]);
    for (int r = height - 1; r >= 0; --r) {
        const std::size_t offset = static_cast<std::size_t>(r) * stride;
        const std::size_t have =
            offset < picture.pixels.size() ? std::min(stride, picture.pixels.size() - offset) : 0;
        out.insert(out.end(), picture.pixels.begin() + static_cast<std::ptrdiff_t>(offset),
                   picture.pixels.begin() + static_cast<std::ptrdiff_t>(offset + have));
        out.insert(out.end(), stride - have, 0);
    }
    return out;
}

}  // namespace vireltan
