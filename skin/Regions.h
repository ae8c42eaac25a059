// Window regions from mask pictures, as rectangle lists that the Win32 layer turns into a region handle
// in one call (ExtCreateRegion). Black pixels are inside the window, every other colour outside.
#pragma once

#include <optional>
#include <vector>

#include "skin/Compose.h"
#include "skin/PixelGeometry.h"
#include "skin/Raster.h"

namespace vireltan {

struct RegionRects {
    std::vector<PixelRect> rects;
    PixelRect bounds;
    bool empty() const { return rects.empty(); }
};

// One one-pixel-high rectangle per maximal run of black pixels, rows from the top, runs from the
// left, moved by (ox, oy); bounds are the mask's rectangle at the offset. Any number of runs.
RegionRects RegionFromMask(const Raster& mask, int ox, int oy);

// The union of rectangles in the banded form a region keeps: bands from the top, rectangles of a band
// from the left, no two touching in a band, equal neighbouring bands merged. Bounds: their extent.
RegionRects normalizeRegion(const std::vector<PixelRect>& rects);

struct MaskRegionParams {
    PixelRect maskRect;       // the mask rectangle A (maskrectarea) in mask coordinates
    PixelRect movedMaskRect;  // A', moved with the size
    PixelPoint leftTop, rightTop, leftBottom, rightBottom;  // skin corner points
    PixelPoint movedLeftTop, movedRightTop, movedLeftBottom, movedRightBottom;
    int width = 0;
    int height = 0;
};

// A window shape follows the same corner points as the picture composed for it: the mask takes the
// nine-piece composition's points, before and after the move, and its size.
MaskRegionParams maskRegionParams(const NinePieceParams& pieces, const PixelRect& maskRect,
                                  const PixelRect& movedMaskRect);

// The four mask pieces cut for the size (always tiled), placed: top at (0, 0), bottom at
// (0, A'.bottom), left at (0, A'.top), right at (A'.right, A'.top). A piece with no width or height
// is empty.
struct MaskPieces {
    Raster top, bottom, left, right;
};
MaskPieces composeMaskPieces(const Raster& mask, const MaskRegionParams& p);

// A' united with the black pixels of the pieces at their places, normalized.
RegionRects maskRegionFromPieces(const MaskPieces& pieces, const PixelRect& movedMaskRect);

// The window region for the size: A' united with the black pixels of the four mask pieces, normalized.
// No region when RT'.x < LT'.x or LB'.y < LT'.y (the window stays rectangular), or the mask is empty.
std::optional<RegionRects> ComposeMaskRegion(const Raster& mask, const MaskRegionParams& p);

}  // namespace vireltan
