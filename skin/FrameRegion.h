// The window's outline from the skin's mask picture for one size: the four mask pieces (kept, since
// they also answer the border hit test) and the region they make with the mask rectangle.
#pragma once

#include <optional>

#include "skin/PixelGeometry.h"
#include "skin/Raster.h"
#include "skin/Regions.h"
#include "skin/SkinSections.h"

namespace vireltan {

struct FrameShape {
    MaskPieces pieces;   // top at (0, 0), bottom at (0, mask.bottom), left at (0, mask.top), right at
                         // (mask.right, mask.top)
    PixelRect maskRect;  // the frame's mask rectangle, grown with the size
    // Inside when in the mask rectangle or on a black pixel of the piece covering the point (top above
    // the rectangle, bottom at or below it, right beside its right edge, left otherwise); a point that
    // no piece covers is outside.
    bool contains(PixelPoint p) const;
};

// The mask is drawn in main-picture coordinates. One of another size is fitted onto the main picture
// before use: cropped where it is larger, and black (inside the window, where the frame picture is
// defined) where it is smaller, so that no piece is cut from outside the mask.
Raster fitMaskToPicture(const Raster& mask, int pictureWidth, int pictureHeight);

// The shape for an outer size of width x height; none for an empty mask, or when the moved corner
// points cross (the window then stays rectangular).
std::optional<FrameShape> buildFrameShape(const Raster& mask, const SkinFormInfo& form, int pictureWidth,
                                          int pictureHeight, int width, int height);

// UpdateWindowRegion(true): the mask rectangle united with the pieces' black pixels.
RegionRects frameShapeRegion(const FrameShape& shape);

}  // namespace vireltan
