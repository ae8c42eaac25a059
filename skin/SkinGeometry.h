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

// A window-level picture section (the frame's [FORMINFO], the popup menus' [POPUPWINDOW]) composed
// whole to width x height: its corner points around `client`, its four stretch flags, stretcheffect
// and stretchtype. The caller says whether the middle is drawn.
template <class Section>
NinePieceParams windowPictureParams(const Section& section, const SkinRect& client, int pictureWidth,
                                    int pictureHeight, int width, int height) {
    const NinePoints points{pixelPoint(section.lefttoppoint), pixelPoint(section.righttoppoint),
                            pixelPoint(section.leftbottompoint), pixelPoint(section.rightbottompoint),
                            pixelRect(client)};
    NinePieceParams p;
    p.skinRect = {0, 0, pictureWidth, pictureHeight};
    p.points = points;
    p.moved = moveNinePoints(points, width - pictureWidth, height - pictureHeight);
    p.width = width;
    p.height = height;
    p.edges = {fillMode(section.leftstretch), fillMode(section.topstretch), fillMode(section.rightstretch),
               fillMode(section.bottomstretch)};
    p.middle = fillMode(section.stretcheffect);
    p.stretchType = section.stretchtype;
    return p;
}

// skinrect, the corner points, clientrect, the four stretch flags, stretcheffect and stretchtype.
SkinRectGeometry skinRectGeometry(const TbsDataSkinCustomControl& definition);

}  // namespace vireltan
