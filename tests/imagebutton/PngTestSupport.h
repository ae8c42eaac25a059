// A minimal PNG writer for the tests: every colour type and bit depth the button must read, with
// chunks under the test's control (palette, transparency table, forged headers).
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vireltan::testing {

using Bytes = std::vector<std::uint8_t>;

inline void putBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void putChunk(Bytes& out, const char* type, const Bytes& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
}

struct PngRecipe {
    std::uint32_t width = 1, height = 1;
    std::uint8_t bitDepth = 8;
    std::uint8_t colorType = 6;  // 0 gray, 2 rgb, 3 palette, 4 gray+alpha, 6 rgba
    Bytes palette;               // PLTE: r, g, b per entry
    Bytes transparency;          // tRNS, written when not empty
    std::vector<Bytes> rows;     // unfiltered sample bytes per row
};

// The file for `recipe`; every row gets filter type 0.
inline Bytes makePng(const PngRecipe& recipe) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBigEndian(header, recipe.width);
    putBigEndian(header, recipe.height);
    for (std::uint8_t byte :
         {recipe.bitDepth, recipe.colorType, std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}}) {
        header.push_back(byte);
    }
    putChunk(out, "IHDR", header);
    if (!recipe.palette.empty()) putChunk(out, "PLTE", recipe.palette);
    if (!recipe.transparency.empty()) putChunk(out, "tRNS", recipe.transparency);
    Bytes raw;
    for (const Bytes& row : recipe.rows) {
        raw.push_back(0);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(packedSize);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}

// A w × h RGBA picture where every pixel is `rgba`.
inline Bytes solidRgbaPng(std::uint32_t w, std::uint32_t h, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                          std::uint8_t a) {
    PngRecipe recipe{w, h, 8, 6, {}, {}, {}};
    for (std::uint32_t y = 0; y < h; ++y) {
        Bytes row;
        for (std::uint32_t x = 0; x < w; ++x) {
            for (std::uint8_t channel : {r, g, b, a}) row.push_back(channel);
        }
        recipe.rows.push_back(row);
    }
    return makePng(recipe);
}

}  // namespace vireltan::testing
