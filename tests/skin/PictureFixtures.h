// Synthetic pictures for the painting tests: every pixel tells where it came from.
#pragma once

#include <cstdint>

#include "skin/Raster.h"

namespace vireltan::testing {

// Blue and green are the low bytes of x and y, red mixes both so no two nearby pixels are equal.
inline Bgr positionColour(int x, int y) {
    return {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x * 7 + y * 13 + (x >> 8) * 31 + (y >> 8) * 17)};
}

inline Raster positionPicture(int width, int height) {
    Raster r(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) r.setPixel(x, y, positionColour(x, y));
    }
    return r;
}

inline Raster randomPicture(int width, int height, std::uint32_t seed) {
    Raster r(width, height);
    std::uint32_t s = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int i = 0; i < 3 * width; ++i) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
            r.row(y)[i] = std::uint8_t(s >> 7);
        }
    }
    return r;
}

}  // namespace vireltan::testing
