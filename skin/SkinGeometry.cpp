#include "skin/SkinGeometry.h"

#include <cstring>

namespace vireltan {
Raster rasterFromPicture(const SkinPicture& picture) {
    if (picture.isEmpty()) return {};
    Raster r(picture.width, picture.height);
    if (picture.bitCount == 24 && picture.pixels.size() >= picture.stride() * std::size_t(picture.height)) {
        // Same layout: rows top-down, blue-green-red, padded to 4 bytes.
        for (int y = 0; y < picture.height; ++y) {
            std::memcpy(r.row(y), picture.pixels.data() + picture.stride() * std::size_t(y),
                        std::size_t(3) * std::size_t(picture.width));
        }
        return r;
    }
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const auto c = std::uint32_t(picture.colorAt(x, y));  // red in the lowest byte
            r.setPixel(x, y, {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
        }
    }
    return r;
}

SkinRectGeometry skinRectGeometry(const TbsDataSkinCustomControl& d) {
    SkinRectGeometry g;
    g.skinRect = pixelRect(d.skinrect);
    g.points = {pixelPoint(d.lefttoppoint), pixelPoint(d.righttoppoint), pixelPoint(d.leftbottompoint),
                pixelPoint(d.rightbottompoint), pixelRect(d.clientrect)};
    g.edges = {fillMode(d.leftstretch), fillMode(d.topstretch), fillMode(d.rightstretch),
               fillMode(d.bottomstretch)};
    g.stretchEffect = d.stretcheffect;
    g.stretchType = d.stretchtype;
    return g;
}

}  // namespace vireltan
