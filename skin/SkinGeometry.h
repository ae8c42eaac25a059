// From the skin model to the painting primitives: a skin picture as a raster, and a control
// definition's composition values.
#pragma once

#include "skin/Bmp.h"
#include "skin/Compose.h"
#include "skin/Raster.h"
#include "skin/SkinControlBase.h"

namespace vireltan {

// The picture in 24 bits (palette and bit-field pictures converted); empty for an empty picture.
// A skin definition's rectangles, points and stretch flags in the painting primitives' terms.
inline PixelRect pixelRect(const SkinRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
inline PixelPoint pixelPoint(const SkinPoint& p) {
    return {p.x, p.y};
}
inline FillMode fillMode(bool stretch) {
    return stretch ? FillMode::Stretch : FillMode::Tile;
}

Raster rasterFromPicture(const SkinPicture& picture);

// skinrect, the corner points, clientrect, the four stretch flags, stretcheffect and stretchtype.
SkinRectGeometry skinRectGeometry(const TbsDataSkinCustomControl& definition);

}  // namespace vireltan
